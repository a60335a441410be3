#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "human/alcohol_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

// Records each message and what the screen showed while it was up.
class WatchingDialogs : public RecordingDialogs {
 public:
  int show(const Message& message) override {
    if (watch) watch();
    return RecordingDialogs::show(message);
  }
  std::function<void()> watch;
};

class AlcoholFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  WatchingDialogs dialogs;
  std::unique_ptr<AlcoholForm> form;

  QString caption(const char* label) { return widgetNamed<QLabel>(form.get(), label)->text(); }
  bool checked(const char* option) {
    return widgetNamed<QRadioButton>(form.get(), option)->isChecked();
  }
  bool resultsEnabled(bool wanted) {
    for (const char* name :
         {"txtBloodevent", "txtBreathevent", "txtUrineevent", "txtTotalalcohol", "txtPints"})
      if (widgetNamed<QWidget>(form.get(), name)->isEnabled() != wanted) return false;
    return true;
  }
  QAction* menuItem(const char* name) { return widgetNamed<QAction>(form.get(), name); }

 private slots:
  void init() {
    host = FakeHost();
    dialogs.clear();
    dialogs.watch = nullptr;
    form = std::make_unique<AlcoholForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmAlcohol"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Alcohol back-tracking"));
    const std::pair<const char*, const char*> buttons[] = {{"cmdCalculate", "&Calculate"},
                                                           {"cmdClear", "Clear all &boxes"},
                                                           {"Command1", "&Print Form"},
                                                           {"cmdMenu", "&Menu"},
                                                           {"cmdExit", "E&xit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    const std::pair<const char*, const char*> items[] = {
        {"mnuNotes", "Notes"}, {"mnuLimits", "Legal Limits for UK"},
        {"mnuEffects", "Effects of alcohol"}};
    for (const auto& [name, text] : items) {
      QCOMPARE(menuItem(name)->text(), QString::fromLatin1(text));
      QVERIFY(form->menuBar()->actions().contains(menuItem(name)));
    }
    const std::pair<const char*, const char*> options[] = {
        {"optMale", "Male"}, {"optFemale", "Female"}, {"optBlood", "Blood"},
        {"optBreath", "Breath"}, {"optUrine", "Urine"}};
    for (const auto& [name, text] : options)
      QCOMPARE(widgetNamed<QRadioButton>(form.get(), name)->text(), QString::fromLatin1(text));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const char* text :
         {"Alcohol back-tracking", "Weight of subject in kg", "Select the sex of the subject",
          "What kind of test was involved ?", "Test reading", "Time of test (eg:   2105 or 0416)",
          "Time of event", "The event can be the time of the accident or any other selected time",
          "Alcohol strength v/v percent    (Default 3%)",
          "Blood alcohol level at the time of the event:",
          "Breath alcohol level at the event time:", "Urine alcohol level at the event time:",
          "Total alcohol in body at event time in grams", "Equivalent pints at event time  "})
      QVERIFY2(captions.contains(QString::fromUtf8(text)), text);

    QVERIFY(checked("optMale"));
    QVERIFY(checked("optBlood"));
    QCOMPARE(caption("lblReading"), QStringLiteral("mg of Alcohol in 100 ml of blood"));
    QCOMPARE(textOf(form.get(), "txtStrength"), QStringLiteral("3"));
    QCOMPARE(caption("lblPercent"), QStringLiteral("(3% v/v)"));
    QVERIFY(resultsEnabled(false));
  }

  void workedBreathExampleThenClear() {
    typeInto(form.get(), "txtWeight", "80");
    clickOption(form.get(), "optBreath");
    QCOMPARE(caption("lblReading"), QStringLiteral("microgm of Alcohol in 100 ml of breath"));
    QVERIFY(checked("optMale"));  // the two groups do not exclude each other
    typeInto(form.get(), "txtReading", "50");
    typeInto(form.get(), "txtTimeoftest", "2300");
    typeInto(form.get(), "txtTimeofevent", "2200");
    typeInto(form.get(), "txtStrength", "4");
    QCOMPARE(caption("lblPercent"), QStringLiteral("(4% v/v)"));
    clickOn(form.get(), "cmdCalculate");
    QVERIFY(dialogs.shown.empty());
    QVERIFY(resultsEnabled(true));
    QCOMPARE(textOf(form.get(), "txtBloodevent"), QStringLiteral("129.3  mg/100ml"));
    QCOMPARE(textOf(form.get(), "txtBreathevent"), QStringLiteral("56.6  microgm/100ml"));
    QCOMPARE(textOf(form.get(), "txtUrineevent"), QStringLiteral("172.9  mg/100ml"));
    QCOMPARE(textOf(form.get(), "txtTotalalcohol"), QStringLiteral("72.4  grams"));
    QCOMPARE(textOf(form.get(), "txtPints"), QStringLiteral("3.7  pints"));

    // Strength 0: the message comes with the first four results on the screen.
    typeInto(form.get(), "txtStrength", "0");
    QStringList whileShown;
    dialogs.watch = [&] {
      whileShown << textOf(form.get(), "txtBloodevent") << textOf(form.get(), "txtPints");
    };
    clickOn(form.get(), "cmdCalculate");
    QCOMPARE(whileShown, (QStringList{QStringLiteral("129.3  mg/100ml"), QString()}));
    QCOMPARE(dialogs.lines(), (std::vector<std::vector<std::string>>{
                                  {"Your input data is invalid. Clear and start again."}}));
    QCOMPARE(textOf(form.get(), "txtBloodevent"), QStringLiteral("129.3  mg/100ml"));
    QCOMPARE(textOf(form.get(), "txtPints"), QString());

    clickOn(form.get(), "cmdClear");
    for (const char* box : {"txtWeight", "txtReading", "txtTimeoftest", "txtTimeofevent",
                            "txtBloodevent", "txtPints"})
      QCOMPARE(textOf(form.get(), box), QString());
    QVERIFY(resultsEnabled(false));
    QCOMPARE(textOf(form.get(), "txtStrength"), QStringLiteral("0"));
    QVERIFY(checked("optBreath"));
    QCOMPARE(caption("lblReading"), QStringLiteral("microgm of Alcohol in 100 ml of breath"));
  }

  void percentLabelFollowsEveryChange() {
    typeInto(form.get(), "txtStrength", "5.5");
    QCOMPARE(caption("lblPercent"), QStringLiteral("(5.5% v/v)"));
    widgetNamed<QLineEdit>(form.get(), "txtStrength")->setText(QStringLiteral("12"));
    QCOMPARE(caption("lblPercent"), QStringLiteral("(12% v/v)"));
    clickOption(form.get(), "optUrine");
    QCOMPARE(caption("lblReading"), QStringLiteral("mg of Alcohol in 100 ml of Urine"));
    clickOption(form.get(), "optBlood");
    QCOMPARE(caption("lblReading"), QStringLiteral("mg of Alcohol in 100 ml of blood"));
  }

  void pageButtons() {
    menuItem("mnuLimits")->trigger();
    QCOMPARE(dialogs.shown.size(), std::size_t(1));
    clickOn(form.get(), "Command1");
    QCOMPARE(host.printed, form.get());
    clickOn(form.get(), "cmdMenu");
    QCOMPARE(host.menuShown, 1);
    QVERIFY(!form->isVisible());
    form->show();
    clickOn(form.get(), "cmdExit");
    QCOMPARE(host.programEnded, 1);
    form->close();
    QCOMPARE(host.programEnded, 2);
  }
};

QTEST_MAIN(AlcoholFormTest)
#include "alcohol_form_test.moc"
