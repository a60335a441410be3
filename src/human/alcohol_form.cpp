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
    : PageWindow(host, dialogs, "frmAlcohol", QStringLiteral("Alcohol back-tracking")),
      page_(PageWindow::dialogs()) {
  auto* title = titleLabel(addLabel(nullptr, QStringLiteral("Alcohol back-tracking")));

  // Inputs: the subject, the test and the drink.
  auto* input = new QGroupBox(QStringLiteral("Input"), page());
  auto* in = new QGridLayout(input);
  in->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Weight of subject in kg"))), 0, 0);
  in->addWidget(addTextBox("txtWeight", page_.txtWeight), 0, 1);

  QButtonGroup* sexGroup = addOptionGroup();
  auto* sexRow = new QHBoxLayout;
  sexRow->addWidget(addOptionButton("optMale", QStringLiteral("Male"), page_.optMale, sexGroup));
  sexRow->addWidget(
      addOptionButton("optFemale", QStringLiteral("Female"), page_.optFemale, sexGroup));
  sexRow->addStretch(1);
  in->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Select the sex of the subject"))),
                1, 0);
  in->addLayout(sexRow, 1, 1, 1, 2);

  QButtonGroup* kindGroup = addOptionGroup();
  auto* kindRow = new QHBoxLayout;
  kindRow->addWidget(addOptionButton("optBlood", QStringLiteral("Blood"), page_.optBlood,
                                     kindGroup, [this] { page_.optBlood_Click(); }));
  kindRow->addWidget(addOptionButton("optBreath", QStringLiteral("Breath"), page_.optBreath,
                                     kindGroup, [this] { page_.optBreath_Click(); }));
  kindRow->addWidget(addOptionButton("optUrine", QStringLiteral("Urine"), page_.optUrine,
                                     kindGroup, [this] { page_.optUrine_Click(); }));
  kindRow->addStretch(1);
  in->addWidget(
      keepOnOneLine(addLabel(nullptr, QStringLiteral("What kind of test was involved ?"))), 2, 0);
  in->addLayout(kindRow, 2, 1, 1, 2);

  in->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Test reading"))), 3, 0);
  in->addWidget(addTextBox("txtReading", page_.txtReading), 3, 1);
  QLabel* reading = keepOnOneLine(addLabel("lblReading", page_.lblReading));
  in->addWidget(reading, 3, 2);

  in->addWidget(
      keepOnOneLine(addLabel(nullptr, QStringLiteral("Time of test (eg:   2105 or 0416)"))), 4, 0);
  in->addWidget(addTextBox("txtTimeoftest", page_.txtTimeoftest), 4, 1);
  in->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Time of event"))), 5, 0);
  in->addWidget(addTextBox("txtTimeofevent", page_.txtTimeofevent), 5, 1);
  in->addWidget(
      keepOnOneLine(addLabel(nullptr, QStringLiteral("The event can be the time of the "
                                                     "accident or any other selected time"))),
      5, 2);

  in->addWidget(keepOnOneLine(addLabel(
                    nullptr, QStringLiteral("Alcohol strength v/v percent    (Default 3%)"))),
                6, 0);
  QLineEdit* strength = addTextBox("txtStrength", page_.txtStrength);
  in->addWidget(strength, 6, 1);
  in->addWidget(keepOnOneLine(addLabel("lblPercent", page_.lblPercent)), 6, 2);
  // Every change of the text counts, typed or set by the program.
  connect(strength, &QLineEdit::textChanged, this,
          [this] { run([this] { page_.txtStrength_Change(); }); });
  in->setColumnStretch(2, 1);
  // Input boxes wide enough for a reading or a weight with its decimals.
  for (const char* name :
       {"txtWeight", "txtReading", "txtTimeoftest", "txtTimeofevent", "txtStrength"}) {
    auto* box = findChild<QLineEdit*>(QString::fromLatin1(name));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")));
  }
  reading->setMinimumWidth(reading->fontMetrics().horizontalAdvance(
      QStringLiteral("microgm of Alcohol in 100 ml of breath  ")));

  // Results at the event time.
  auto* output = new QGroupBox(QStringLiteral("Output"), page());
  auto* out = new QGridLayout(output);
  struct Result {
    const char* caption;
    const char* name;
    TextBox& box;
  };
  const Result results[] = {
      {"Blood alcohol level at the time of the event:", "txtBloodevent", page_.txtBloodevent},
      {"Breath alcohol level at the event time:", "txtBreathevent", page_.txtBreathevent},
      {"Urine alcohol level at the event time:", "txtUrineevent", page_.txtUrineevent},
      {"Total alcohol in body at event time in grams", "txtTotalalcohol", page_.txtTotalalcohol},
      {"Equivalent pints at event time  ", "txtPints", page_.txtPints}};
  int row = 0;
  for (const Result& result : results) {
    out->addWidget(keepOnOneLine(addLabel(nullptr, QString::fromLatin1(result.caption))), row, 0);
    QLineEdit* box = addTextBox(result.name, result.box);
    box->setMinimumWidth(
        box->fontMetrics().horizontalAdvance(QStringLiteral("0000000.0  microgm/100ml  ")));
    out->addWidget(box, row++, 1);
  }
  out->setColumnStretch(2, 1);
  alignColumns({in, out}, 0);

  auto* buttons = pageButtonRow({addButton("cmdCalculate", QStringLiteral("&Calculate"), nullptr,
                                           [this] { page_.cmdCalculate_Click(); }),
                                 addButton("cmdClear", QStringLiteral("Clear all &boxes"), nullptr,
                                           [this] { page_.cmdClear_Click(); }),
                                 addPrintButton("Command1")},
                                {addMenuButton("cmdMenu"), addExitButton("cmdExit")});

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(title);
  layout->addWidget(input);
  layout->addWidget(output);
  layout->addStretch(1);
  layout->addLayout(buttons);

  addMenuBarItem("mnuNotes", QStringLiteral("Notes"), [this] { page_.mnuNotes_Click(); });
  addMenuBarItem("mnuLimits", QStringLiteral("Legal Limits for UK"),
                 [this] { page_.mnuLimits_Click(); });
  addMenuBarItem("mnuEffects", QStringLiteral("Effects of alcohol"),
                 [this] { page_.mnuEffects_Click(); });

  binding().push();
}

}  // namespace kelvara
