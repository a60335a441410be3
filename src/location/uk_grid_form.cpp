#include "location/uk_grid_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <utility>

#include "fields/form_layout.h"

namespace kelvara {

namespace {

// Degrees, minutes and seconds boxes in one row of the grid, each followed by its mark.
void addAngleRow(QGridLayout* grid, int row, QLabel* caption, QLineEdit* degrees,
                 QLineEdit* minutes, QLineEdit* seconds) {
  grid->addWidget(caption, row, 0);
  int column = 1;
  for (auto [box, mark] : {std::pair{degrees, "\u00B0"}, std::pair{minutes, "'"},
                           std::pair{seconds, "\""}}) {
    box->setMaximumWidth(90);
    grid->addWidget(box, row, column++);
    grid->addWidget(new QLabel(QString::fromUtf8(mark), grid->parentWidget()), row, column++);
  }
}

}  // namespace

UKGridForm::UKGridForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  auto* title =
      titleLabel(addLabel(nullptr, QStringLiteral("Longitude & Latitude to OS Grid Converter")));

  auto* input = new QGroupBox(QStringLiteral("Input"), page());
  auto* inputGrid = new QGridLayout(input);
  // Created one by one, so that TAB goes from degrees to minutes to seconds.
  QLabel* latitude = addLabel(nullptr, QStringLiteral("Latitude"));
  QLineEdit* laDeg = addTextBox(page_.txtLaDeg);
  QLineEdit* laMin = addTextBox(page_.txtLaMin);
  QLineEdit* laSec = addTextBox(page_.txtLaSec);
  addAngleRow(inputGrid, 0, latitude, laDeg, laMin, laSec);
  QLabel* longitude = addLabel(nullptr, QStringLiteral("Longitude"));
  QLineEdit* loDeg = addTextBox(page_.txtLoDeg);
  QLineEdit* loMin = addTextBox(page_.txtLoMin);
  QLineEdit* loSec = addTextBox(page_.txtLoSec);
  addAngleRow(inputGrid, 1, longitude, loDeg, loMin, loSec);
  QButtonGroup* side = addOptionGroup();
  auto* sides = new QHBoxLayout;
  sides->addWidget(addOptionButton(page_.optEast, QStringLiteral("East"), side));
  sides->addWidget(addOptionButton(page_.optWest, QStringLiteral("West"), side));
  sides->addStretch(1);
  inputGrid->addLayout(sides, 2, 1, 1, 6);

  auto* output = new QGroupBox(QStringLiteral("Output"), page());
  auto* outputGrid = new QGridLayout(output);
  outputGrid->addWidget(addLabel(nullptr, QStringLiteral("Eastings")), 0, 0);
  outputGrid->addWidget(addTextBox(page_.txtE), 0, 1);
  outputGrid->addWidget(addLabel(nullptr, QStringLiteral("Northings")), 1, 0);
  outputGrid->addWidget(addTextBox(page_.txtN), 1, 1);
  outputGrid->addWidget(addLabel(nullptr, QStringLiteral("OS Grid Ref")), 2, 0);
  QLineEdit* reference = addTextBox(page_.txtResult);
  reference->setMinimumWidth(
      reference->fontMetrics().horizontalAdvance(QStringLiteral("MM   00000   00000    ")));
  outputGrid->addWidget(reference, 2, 1);
  outputGrid->setColumnStretch(1, 1);

  auto* buttons = pageButtonRow({addButton(page_.cmdcalculate, QStringLiteral("&Calculate")),
                                 addButton(page_.cmdclear, QStringLiteral("Clear all &boxes "))},
                                {addMenuButton(page_.cmdmenu), addExitButton(page_.cmdexit)});

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addWidget(input, 1, 0);
  layout->addWidget(output, 1, 1);
  layout->addLayout(buttons, 2, 0, 1, 2);
  layout->setRowStretch(1, 1);

  addMenuBarItem(page_.mnuNotes, QStringLiteral("Notes"));

  resize(sizeHint().expandedTo(QSize(760, 300)));
  binding().push();
}

}  // namespace kelvara
