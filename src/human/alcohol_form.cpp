#include "human/alcohol_form.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

AlcoholForm::AlcoholForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  auto* title = titleLabel(addLabel(nullptr, QStringLiteral("Alcohol back-tracking")));

  // Inputs: the subject, the test and the drink.
  auto* input = new QGroupBox(QStringLiteral("Input"), page());
  auto* in = new QGridLayout(input);
  in->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Weight of subject in kg"))), 0, 0);
  QLineEdit* weight = addTextBox(page_.txtWeight);
  in->addWidget(weight, 0, 1);

  QButtonGroup* sexGroup = addOptionGroup();
  auto* sexRow = new QHBoxLayout;
  sexRow->addWidget(addOptionButton(page_.optMale, QStringLiteral("Male"), sexGroup));
  sexRow->addWidget(addOptionButton(page_.optFemale, QStringLiteral("Female"), sexGroup));
  sexRow->addStretch(1);
  in->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Select the sex of the subject"))),
                1, 0);
  in->addLayout(sexRow, 1, 1, 1, 2);

  QButtonGroup* kindGroup = addOptionGroup();
  auto* kindRow = new QHBoxLayout;
  kindRow->addWidget(addOptionButton(page_.optBlood, QStringLiteral("Blood"), kindGroup));
  kindRow->addWidget(addOptionButton(page_.optBreath, QStringLiteral("Breath"), kindGroup));
  kindRow->addWidget(addOptionButton(page_.optUrine, QStringLiteral("Urine"), kindGroup));
  kindRow->addStretch(1);
  in->addWidget(
      keepOnOneLine(addLabel(nullptr, QStringLiteral("What kind of test was involved ?"))), 2, 0);
  in->addLayout(kindRow, 2, 1, 1, 2);

  in->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Test reading"))), 3, 0);
  QLineEdit* readingBox = addTextBox(page_.txtReading);
  in->addWidget(readingBox, 3, 1);
  QLabel* reading = keepOnOneLine(addLabel(page_.lblReading));
  in->addWidget(reading, 3, 2);

  in->addWidget(
      keepOnOneLine(addLabel(nullptr, QStringLiteral("Time of test (eg:   2105 or 0416)"))), 4, 0);
  QLineEdit* testTime = addTextBox(page_.txtTimeoftest);
  in->addWidget(testTime, 4, 1);
  in->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Time of event"))), 5, 0);
  QLineEdit* eventTime = addTextBox(page_.txtTimeofevent);
  in->addWidget(eventTime, 5, 1);
  in->addWidget(
      keepOnOneLine(addLabel(nullptr, QStringLiteral("The event can be the time of the "
                                                     "accident or any other selected time"))),
      5, 2);

  in->addWidget(keepOnOneLine(addLabel(
                    nullptr, QStringLiteral("Alcohol strength v/v percent    (Default 3%)"))),
                6, 0);
  QLineEdit* strength = addTextBox(page_.txtStrength);
  in->addWidget(strength, 6, 1);
  in->addWidget(keepOnOneLine(addLabel(page_.lblPercent)), 6, 2);
  in->setColumnStretch(2, 1);
  // Input boxes wide enough for a reading or a weight with its decimals.
  for (QLineEdit* box : {weight, readingBox, testTime, eventTime, strength})
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")));
  reading->setMinimumWidth(reading->fontMetrics().horizontalAdvance(
      QStringLiteral("microgm of Alcohol in 100 ml of breath  ")));

  // Results at the event time.
  auto* output = new QGroupBox(QStringLiteral("Output"), page());
  auto* out = new QGridLayout(output);
  struct Result {
    const char* caption;
    TextBox& box;
  };
  const Result results[] = {
      {"Blood alcohol level at the time of the event:", page_.txtBloodevent},
      {"Breath alcohol level at the event time:", page_.txtBreathevent},
      {"Urine alcohol level at the event time:", page_.txtUrineevent},
      {"Total alcohol in body at event time in grams", page_.txtTotalalcohol},
      {"Equivalent pints at event time  ", page_.txtPints}};
  int row = 0;
  for (const Result& result : results) {
    out->addWidget(keepOnOneLine(addLabel(nullptr, QString::fromLatin1(result.caption))), row, 0);
    QLineEdit* box = addTextBox(result.box);
    box->setMinimumWidth(
        box->fontMetrics().horizontalAdvance(QStringLiteral("0000000.0  microgm/100ml  ")));
    out->addWidget(box, row++, 1);
  }
  out->setColumnStretch(2, 1);
  alignColumns({in, out}, 0);

  auto* buttons = pageButtonRow({addButton(page_.cmdCalculate, QStringLiteral("&Calculate")),
                                 addButton(page_.cmdClear, QStringLiteral("Clear all &boxes")),
                                 addPrintButton(page_.Command1)},
                                {addMenuButton(page_.cmdMenu), addExitButton(page_.cmdExit)});

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(title);
  layout->addWidget(input);
  layout->addWidget(output);
  layout->addStretch(1);
  layout->addLayout(buttons);

  addMenuBarItem(page_.mnuNotes, QStringLiteral("Notes"));
  addMenuBarItem(page_.mnuLimits, QStringLiteral("Legal Limits for UK"));
  addMenuBarItem(page_.mnuEffects, QStringLiteral("Effects of alcohol"));

  binding().push();
}

}  // namespace kelvara
