#include "location/sun_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <array>
#include <utility>

#include "fields/form_layout.h"

namespace kelvara {

namespace {

// Two option buttons in a frame of their own.
QGroupBox* frameOf(QWidget* parent, QWidget* first, QWidget* second) {
  auto* frame = new QGroupBox(parent);
  auto* row = new QHBoxLayout(frame);
  row->addWidget(first);
  row->addWidget(second);
  return frame;
}

}  // namespace

SunForm::SunForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  auto* title = titleLabel(addLabel(nullptr, QStringLiteral("The Sun's Position")));

  auto* inputs = new QGroupBox(page());
  auto* inputGrid = new QGridLayout(inputs);
  inputGrid->addWidget(addLabel(nullptr, QStringLiteral("Use Universal Time (Greenwich Mean Time) ")),
                       0, 0, 1, 6);
  const std::pair<const char*, TextBox*> dateBoxes[] = {{"Year eg 2004", &page_.txtYear},
                                                        {"Month (1 to 12)", &page_.txtMonth},
                                                        {"Day (1 to 31)", &page_.txtDay},
                                                        {"Hour (0 to 24)", &page_.txtHour},
                                                        {"Minutes (0 to 60)", &page_.txtMinutes}};
  int row = 1;
  for (const auto& [caption, control] : dateBoxes) {
    inputGrid->addWidget(addLabel(nullptr, QString::fromLatin1(caption)), row, 0, 1, 2);
    QLineEdit* box = addTextBox(*control);
    box->setMaximumWidth(90);
    inputGrid->addWidget(box, row, 2);
    ++row;
  }

  inputGrid->addWidget(addLabel(nullptr, QStringLiteral("   Degrees")), row, 1);
  inputGrid->addWidget(addLabel(nullptr, QStringLiteral("    Minutes")), row, 2);
  ++row;
  QButtonGroup* latitudeSide = addOptionGroup();
  QButtonGroup* longitudeSide = addOptionGroup();
  inputGrid->addWidget(addLabel(nullptr, QStringLiteral("Latitude: ")), row, 0);
  inputGrid->addWidget(addTextBox(page_.txtLatDeg), row, 1);
  inputGrid->addWidget(addTextBox(page_.txtLatMin), row, 2);
  QRadioButton* north = addOptionButton(page_.optLatNorth, QStringLiteral("North"), latitudeSide);
  QRadioButton* south = addOptionButton(page_.optLatSouth, QStringLiteral("South"), latitudeSide);
  inputGrid->addWidget(frameOf(page(), north, south), row, 3);
  ++row;
  inputGrid->addWidget(addLabel(nullptr, QStringLiteral("Longitude: ")), row, 0);
  inputGrid->addWidget(addTextBox(page_.txtLongDeg), row, 1);
  inputGrid->addWidget(addTextBox(page_.txtLongMin), row, 2);
  QRadioButton* east = addOptionButton(page_.optLongEast, QStringLiteral("East"), longitudeSide);
  QRadioButton* west = addOptionButton(page_.optLongWest, QStringLiteral("West"), longitudeSide);
  inputGrid->addWidget(frameOf(page(), east, west), row, 3);
  inputGrid->setColumnStretch(4, 1);

  // The time of day, 0 to 24 hours in minutes.
  auto* time = new QGroupBox(page());
  auto* timeGrid = new QGridLayout(time);
  timeGrid->addWidget(addLabel(nullptr, QStringLiteral(" Time scroll bar")), 0, 0, 1, 3);
  timeGrid->addWidget(addLabel(nullptr, QStringLiteral("0 hrs")), 1, 0);
  timeGrid->addWidget(addScrollBar(page_.HScroll1), 1, 1);
  timeGrid->addWidget(addLabel(nullptr, QStringLiteral("24 hrs")), 1, 2);
  timeGrid->setColumnStretch(1, 1);

  auto* results = new QGroupBox(page());
  auto* resultGrid = new QGridLayout(results);
  const char* marks[] = {"\u00B0", "'"};
  const std::pair<const char*, std::array<TextBox*, 2>> resultBoxes[] = {
      {"Altitude", {&page_.txtAltDeg, &page_.txtAltMin}},
      {"Azimuth ", {&page_.txtAzDeg, &page_.txtAzMin}}};
  row = 0;
  for (const auto& [caption, boxes] : resultBoxes) {
    resultGrid->addWidget(addLabel(nullptr, QString::fromLatin1(caption)), row, 0);
    for (int i = 0; i < 2; ++i) {
      QLineEdit* box = addTextBox(*boxes[i]);
      box->setMaximumWidth(70);
      resultGrid->addWidget(box, row, 1 + 2 * i);
      resultGrid->addWidget(new QLabel(QString::fromUtf8(marks[i]), results), row, 2 + 2 * i);
    }
    ++row;
  }
  QLineEdit* aboveBelow = addTextBox(page_.txtAboveBelow);
  aboveBelow->setMinimumWidth(
      aboveBelow->fontMetrics().horizontalAdvance(QStringLiteral("Below Horizon    ")));
  aboveBelow->setAccessibleName(QStringLiteral("Sun above or below the horizon"));
  resultGrid->addWidget(aboveBelow, row, 1, 1, 4);
  resultGrid->setRowStretch(row + 1, 1);

  auto* buttons = pageButtonRow({addButton(page_.cmdCalc, QStringLiteral("&Calculate")),
                                 addButton(page_.Command3, QStringLiteral("Clear &Output boxes")),
                                 addButton(page_.cmdClearAll, QStringLiteral("Clear all &boxes"))},
                                {addMenuButton(page_.Command1), addExitButton(page_.Command2)});

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addWidget(inputs, 1, 0);
  layout->addWidget(results, 1, 1);
  layout->addWidget(time, 2, 0, 1, 2);
  layout->addLayout(buttons, 3, 0, 1, 2);
  layout->setRowStretch(1, 1);

  // Two empty items stand between the three help items as spacers.
  addMenuBarItem(page_.mnuBST, QStringLiteral("What to do about British Summer Time"));
  addMenuBarItem(page_.mnuBlank1, QString());
  addMenuBarItem(page_.mnuSunRiseSet, QStringLiteral("Sunrise, Sunset, Twilight"));
  addMenuBarItem(page_.mnuBlank2, QString());
  addMenuBarItem(page_.Notes, QStringLiteral("Notes"));

  resize(sizeHint().expandedTo(QSize(820, 460)));
  binding().push();
}

}  // namespace kelvara
