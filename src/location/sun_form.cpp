#include "location/sun_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <iterator>
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
    : PageWindow(host, dialogs, "frmSun", QStringLiteral("Sun's position")),
      page_(PageWindow::dialogs()) {
  auto* title = titleLabel(addLabel(nullptr, QStringLiteral("The Sun's Position")));

  auto* inputs = new QGroupBox(page());
  auto* inputGrid = new QGridLayout(inputs);
  inputGrid->addWidget(addLabel(nullptr, QStringLiteral("Use Universal Time (Greenwich Mean Time) ")),
                       0, 0, 1, 6);
  const std::pair<const char*, const char*> dateBoxes[] = {{"Year eg 2004", "txtYear"},
                                                           {"Month (1 to 12)", "txtMonth"},
                                                           {"Day (1 to 31)", "txtDay"},
                                                           {"Hour (0 to 24)", "txtHour"},
                                                           {"Minutes (0 to 60)", "txtMinutes"}};
  TextBox* dateControls[] = {&page_.txtYear, &page_.txtMonth, &page_.txtDay, &page_.txtHour,
                             &page_.txtMinutes};
  int row = 1;
  for (std::size_t i = 0; i < std::size(dateBoxes); ++i, ++row) {
    inputGrid->addWidget(addLabel(nullptr, QString::fromLatin1(dateBoxes[i].first)), row, 0, 1, 2);
    QLineEdit* box = addTextBox(dateBoxes[i].second, *dateControls[i]);
    box->setMaximumWidth(90);
    inputGrid->addWidget(box, row, 2);
  }

  inputGrid->addWidget(addLabel(nullptr, QStringLiteral("   Degrees")), row, 1);
  inputGrid->addWidget(addLabel(nullptr, QStringLiteral("    Minutes")), row, 2);
  ++row;
  QButtonGroup* latitudeSide = addOptionGroup();
  QButtonGroup* longitudeSide = addOptionGroup();
  inputGrid->addWidget(addLabel(nullptr, QStringLiteral("Latitude: ")), row, 0);
  inputGrid->addWidget(addTextBox("txtLatDeg", page_.txtLatDeg), row, 1);
  inputGrid->addWidget(addTextBox("txtLatMin", page_.txtLatMin), row, 2);
  QRadioButton* north =
      addOptionButton("optLatNorth", QStringLiteral("North"), page_.optLatNorth, latitudeSide);
  QRadioButton* south =
      addOptionButton("optLatSouth", QStringLiteral("South"), page_.optLatSouth, latitudeSide);
  inputGrid->addWidget(frameOf(page(), north, south), row, 3);
  ++row;
  inputGrid->addWidget(addLabel(nullptr, QStringLiteral("Longitude: ")), row, 0);
  inputGrid->addWidget(addTextBox("txtLongDeg", page_.txtLongDeg), row, 1);
  inputGrid->addWidget(addTextBox("txtLongMin", page_.txtLongMin), row, 2);
  QRadioButton* east =
      addOptionButton("optLongEast", QStringLiteral("East"), page_.optLongEast, longitudeSide);
  QRadioButton* west =
      addOptionButton("optLongWest", QStringLiteral("West"), page_.optLongWest, longitudeSide);
  inputGrid->addWidget(frameOf(page(), east, west), row, 3);
  inputGrid->setColumnStretch(4, 1);

  // The time of day, 0 to 24 hours in minutes.
  auto* time = new QGroupBox(page());
  auto* timeGrid = new QGridLayout(time);
  timeGrid->addWidget(addLabel(nullptr, QStringLiteral(" Time scroll bar")), 0, 0, 1, 3);
  timeGrid->addWidget(addLabel(nullptr, QStringLiteral("0 hrs")), 1, 0);
  timeGrid->addWidget(addScrollBar("HScroll1", page_.HScroll1, [this] { page_.HScroll1_Change(); }),
                      1, 1);
  timeGrid->addWidget(addLabel(nullptr, QStringLiteral("24 hrs")), 1, 2);
  timeGrid->setColumnStretch(1, 1);

  auto* results = new QGroupBox(page());
  auto* resultGrid = new QGridLayout(results);
  const char* marks[] = {"\u00B0", "'"};
  const std::pair<const char*, std::pair<const char*, TextBox*>> resultBoxes[][2] = {
      {{"Altitude", {"txtAltDeg", &page_.txtAltDeg}}, {nullptr, {"txtAltMin", &page_.txtAltMin}}},
      {{"Azimuth ", {"txtAzDeg", &page_.txtAzDeg}}, {nullptr, {"txtAzMin", &page_.txtAzMin}}}};
  row = 0;
  for (const auto& pair : resultBoxes) {
    resultGrid->addWidget(addLabel(nullptr, QString::fromLatin1(pair[0].first)), row, 0);
    for (int i = 0; i < 2; ++i) {
      QLineEdit* box = addTextBox(pair[i].second.first, *pair[i].second.second);
      box->setMaximumWidth(70);
      resultGrid->addWidget(box, row, 1 + 2 * i);
      resultGrid->addWidget(new QLabel(QString::fromUtf8(marks[i]), results), row, 2 + 2 * i);
    }
    ++row;
  }
  QLineEdit* aboveBelow = addTextBox("txtAboveBelow", page_.txtAboveBelow);
  aboveBelow->setMinimumWidth(
      aboveBelow->fontMetrics().horizontalAdvance(QStringLiteral("Below Horizon    ")));
  aboveBelow->setAccessibleName(QStringLiteral("Sun above or below the horizon"));
  resultGrid->addWidget(aboveBelow, row, 1, 1, 4);
  resultGrid->setRowStretch(row + 1, 1);

  auto* buttons = pageButtonRow({addButton("cmdCalc", QStringLiteral("&Calculate"), nullptr,
                                           [this] { page_.cmdCalc_Click(); }),
                                 addButton("Command3", QStringLiteral("Clear &Output boxes"),
                                           nullptr, [this] { page_.Command3_Click(); }),
                                 addButton("cmdClearAll", QStringLiteral("Clear all &boxes"),
                                           nullptr, [this] { page_.cmdClearAll_Click(); })},
                                {addMenuButton("Command1"), addExitButton("Command2")});

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addWidget(inputs, 1, 0);
  layout->addWidget(results, 1, 1);
  layout->addWidget(time, 2, 0, 1, 2);
  layout->addLayout(buttons, 3, 0, 1, 2);
  layout->setRowStretch(1, 1);

  // Two empty items stand between the three help items as spacers.
  addMenuBarItem("mnuBST", QStringLiteral("What to do about British Summer Time"),
                 [this] { page_.mnuBST_Click(); });
  addMenuBarItem("mnuBlank1", QString(), [] {});
  addMenuBarItem("mnuSunRiseSet", QStringLiteral("Sunrise, Sunset, Twilight"),
                 [this] { page_.mnuSunRiseSet_Click(); });
  addMenuBarItem("mnuBlank2", QString(), [] {});
  addMenuBarItem("Notes", QStringLiteral("Notes"), [this] { page_.Notes_Click(); });

  resize(sizeHint().expandedTo(QSize(820, 460)));
  binding().push();
}

}  // namespace kelvara
