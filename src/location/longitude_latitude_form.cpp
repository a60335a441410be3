#include "location/longitude_latitude_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>
#include <utility>

#include "fields/form_layout.h"

namespace kelvara {

namespace {

QLabel* mark(QWidget* parent, const char* text) {
  return new QLabel(QString::fromUtf8(text), parent);
}

}  // namespace

LongitudeLatitudeForm::LongitudeLatitudeForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  auto* title =
      titleLabel(addLabel(nullptr, QStringLiteral("OSGrid to Longitude and Latitude Converter")));

  auto* first = boldLabel(addLabel(nullptr, QStringLiteral("FIRST")));
  auto* instruction = new QHBoxLayout;
  instruction->addWidget(first);
  QLabel* select =
      keepOnOneLine(addLabel(nullptr, QStringLiteral("select which input you intend to use")));
  instruction->addWidget(select);
  instruction->addStretch(1);

  QButtonGroup* form = addOptionGroup();

  // The full six-digit easting and northing.
  auto* full = new QGroupBox(page());
  auto* fullGrid = new QGridLayout(full);
  fullGrid->addWidget(addOptionButton(page_.Option1, QStringLiteral("Input"), form), 0, 0, 1, 2);
  fullGrid->addWidget(addLabel(nullptr, QStringLiteral("Format")), 1, 0);
  fullGrid->addWidget(addLabel(nullptr, QStringLiteral("651409")), 1, 1);
  fullGrid->addWidget(addLabel(nullptr, QStringLiteral("Eastings")), 2, 0);
  fullGrid->addWidget(addTextBox(page_.txtE), 2, 1);
  fullGrid->addWidget(addLabel(nullptr, QStringLiteral("Northings")), 3, 0);
  fullGrid->addWidget(addTextBox(page_.txtN), 3, 1);
  fullGrid->setRowStretch(4, 1);

  // The two-letter square with the figures inside it.
  auto* square = new QGroupBox(page());
  auto* squareGrid = new QGridLayout(square);
  squareGrid->addWidget(addOptionButton(page_.Option2, QStringLiteral("Input"), form), 0, 0, 1, 4);
  squareGrid->addWidget(addLabel(nullptr, QStringLiteral("OS Grid Ref")), 1, 1);
  squareGrid->addWidget(addLabel(nullptr, QStringLiteral("Eastings")), 1, 2);
  squareGrid->addWidget(addLabel(nullptr, QStringLiteral("Northings")), 1, 3);
  squareGrid->addWidget(addLabel(nullptr, QStringLiteral("Format")), 2, 0);
  squareGrid->addWidget(addLabel(nullptr, QStringLiteral("NZ")), 2, 1);
  squareGrid->addWidget(addLabel(nullptr, QStringLiteral("57600")), 2, 2);
  squareGrid->addWidget(addLabel(nullptr, QStringLiteral("06000")), 2, 3);
  squareGrid->addWidget(addTextBox(page_.txtTwoLetter), 3, 1);
  squareGrid->addWidget(addTextBox(page_.txtEastings), 3, 2);
  squareGrid->addWidget(addTextBox(page_.txtNorthings), 3, 3);
  squareGrid->setRowStretch(4, 1);

  auto* inputs = new QHBoxLayout;
  inputs->addWidget(full);
  inputs->addWidget(boldLabel(addLabel(nullptr, QStringLiteral("OR"))));
  inputs->addWidget(square, 1);

  // Results.
  auto* results = new QGroupBox(page());
  auto* resultGrid = new QGridLayout(results);
  const std::pair<const char*, std::array<TextBox*, 3>> rows[] = {
      {"Latitude", {&page_.txtLaDeg, &page_.txtLaMin, &page_.txtLaSec}},
      {"Longitude", {&page_.txtLoDeg, &page_.txtLoMin, &page_.txtLoSec}}};
  const char* marks[] = {"\u00B0", "'", "\""};
  int row = 0;
  for (const auto& [caption, boxes] : rows) {
    resultGrid->addWidget(addLabel(nullptr, QString::fromLatin1(caption)), row, 0);
    for (int i = 0; i < 3; ++i) {
      QLineEdit* box = addTextBox(*boxes[i]);
      box->setMaximumWidth(90);
      resultGrid->addWidget(box, row, 1 + 2 * i);
      resultGrid->addWidget(mark(results, marks[i]), row, 2 + 2 * i);
    }
    ++row;
  }
  QLineEdit* side = addTextBox(page_.txtEastWest);
  side->setMaximumWidth(50);
  resultGrid->addWidget(side, 1, 7);
  resultGrid->setColumnStretch(8, 1);

  auto* buttons = pageButtonRow({addButton(page_.cmdcalculate, QStringLiteral("&Calculate")),
                                 addButton(page_.cmdclear, QStringLiteral("Clear all &boxes "))},
                                {addMenuButton(page_.cmdmenu), addExitButton(page_.cmdexit)});

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(title);
  layout->addLayout(instruction);
  layout->addLayout(inputs);
  layout->addWidget(results);
  layout->addStretch(1);
  layout->addLayout(buttons);

  addMenuBarItem(page_.mnuNotes, QStringLiteral("Notes"));

  resize(sizeHint().expandedTo(QSize(760, 400)));
  binding().push();
}

}  // namespace kelvara
