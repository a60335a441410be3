#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <memory>

#include "location/sun_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

using Lines = std::vector<std::vector<std::string>>;
const std::vector<std::string> kSummerTime{"Have you checked for British Summer time?"};
const std::vector<std::string> kIncomplete{"You have not completed all the input data."};

// Drags the time bar on while a box is open, as a held-down arrow of the bar does.
class DragsBarAtMessage : public RecordingDialogs {
 public:
  int show(const Message& message) override {
    if (bar != nullptr) bar->setValue(bar->value() + 1);
    return RecordingDialogs::show(message);
  }
  QScrollBar* bar = nullptr;
};

}  // namespace

class SunFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  DragsBarAtMessage dialogs;
  std::unique_ptr<SunForm> form;

  QScrollBar* bar() { return widgetNamed<QScrollBar>(form.get(), "HScroll1"); }
  bool checked(const char* name) { return widgetNamed<QRadioButton>(form.get(), name)->isChecked(); }
  QStringList results() {
    QStringList texts;
    for (const char* box : {"txtAltDeg", "txtAltMin", "txtAzDeg", "txtAzMin", "txtAboveBelow"})
      texts << textOf(form.get(), box);
    return texts;
  }
  void typeExample(const char* month) {
    const std::pair<const char*, const char*> boxes[] = {
        {"txtYear", "2004"},   {"txtMonth", month},  {"txtDay", "21"},
        {"txtHour", "12"},     {"txtMinutes", "0"},  {"txtLatDeg", "51"},
        {"txtLatMin", "30"},   {"txtLongDeg", "0"},  {"txtLongMin", "7"}};
    for (const auto& [box, text] : boxes) typeInto(form.get(), box, QString::fromLatin1(text));
  }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = DragsBarAtMessage();
    form = std::make_unique<SunForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmSun"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Sun's position"));
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdCalc", "&Calculate"},     {"Command3", "Clear &Output boxes"},
        {"cmdClearAll", "Clear all &boxes"}, {"Command1", "&Menu"},
        {"Command2", "E&xit"},         {"optLatNorth", "North"},
        {"optLatSouth", "South"},      {"optLongEast", "East"},
        {"optLongWest", "West"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QAbstractButton>(form.get(), name)->text(), QString::fromLatin1(text));

    QStringList menu;
    for (const QAction* action : form->menuBar()->actions())
      menu << action->objectName() + "=" + action->text();
    QCOMPARE(menu, (QStringList{"mnuBST=What to do about British Summer Time", "mnuBlank1=",
                                "mnuSunRiseSet=Sunrise, Sunset, Twilight", "mnuBlank2=",
                                "Notes=Notes"}));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const char* text :
         {"The Sun's Position", "Use Universal Time (Greenwich Mean Time) ", "Year eg 2004",
          "Month (1 to 12)", "Day (1 to 31)", "Hour (0 to 24)", "Minutes (0 to 60)", "Latitude: ",
          "   Degrees", "    Minutes", "Longitude: ", "Altitude", "Azimuth ", " Time scroll bar",
          "0 hrs", "24 hrs"})
      QVERIFY2(captions.contains(QString::fromUtf8(text)), text);

    QVERIFY(checked("optLatNorth") && !checked("optLatSouth"));
    QVERIFY(checked("optLongWest") && !checked("optLongEast"));
    QCOMPARE(bar()->minimum(), 0);
    QCOMPARE(bar()->maximum(), 1440);
    QCOMPARE(bar()->singleStep(), 1);
    QCOMPARE(bar()->pageStep(), 60);
    QCOMPARE(bar()->value(), 0);
  }

  void workedExampleAndTheClearButtons() {
    typeExample("3");
    clickOn(form.get(), "cmdCalc");
    QVERIFY(dialogs.shown.empty());
    QCOMPARE(results(), (QStringList{" 38", " 57", " 177", " 34", "Above Horizon"}));

    clickOn(form.get(), "Command3");
    QCOMPARE(results(), (QStringList{"", "", "", "", ""}));
    QCOMPARE(textOf(form.get(), "txtYear"), QStringLiteral("2004"));
    clickOn(form.get(), "cmdCalc");
    clickOption(form.get(), "optLatSouth");
    clickOn(form.get(), "cmdClearAll");
    QCOMPARE(results(), (QStringList{"", "", "", "", ""}));
    QCOMPARE(textOf(form.get(), "txtYear"), QString());
    QVERIFY(checked("optLatSouth"));
  }

  void summerTimeQuestionWhileTheBarIsDragged() {
    typeExample("7");
    dialogs.answers = {Answer::No};
    dialogs.bar = bar();
    bar()->setValue(600);  // the question, the bar moving on while it is open
    QCOMPARE(dialogs.lines(), Lines{kSummerTime});
    QCOMPARE(dialogs.shown[0].title, std::string("Summer time?"));
    QCOMPARE(dialogs.shown[0].code, 4);
    QCOMPARE(bar()->value(), 600);
    QCOMPARE(textOf(form.get(), "txtHour"), QStringLiteral(" 10"));
    QCOMPARE(results(), (QStringList{"", "", "", "", ""}));

    dialogs.bar = nullptr;
    bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(textOf(form.get(), "txtHour"), QStringLiteral(" 11"));
    QCOMPARE(textOf(form.get(), "txtMinutes"), QStringLiteral(" 0"));
    QCOMPARE(dialogs.shown.size(), std::size_t{1});  // not asked again
    QCOMPARE(textOf(form.get(), "txtAboveBelow"), QStringLiteral("Above Horizon"));

    clickOn(form.get(), "Command1");  // Menu keeps the reminder used
    QCOMPARE(host.menuShown, 1);
    form->show();
    clickOn(form.get(), "cmdCalc");
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
  }

  void theBarWithoutADateTellsAtEveryStep() {
    dialogs.bar = bar();  // each message would drag it one more minute
    bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(dialogs.lines(), Lines{kIncomplete});
    QCOMPARE(bar()->value(), 1);
    dialogs.bar = nullptr;
    bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(dialogs.lines(), (Lines{kIncomplete, kIncomplete}));
    QCOMPARE(textOf(form.get(), "txtMinutes"), QStringLiteral(" 2"));
  }

  void helpMenuItemsAndExit() {
    for (const char* item : {"mnuBST", "mnuSunRiseSet", "Notes"})
      form->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    form->findChild<QAction*>(QStringLiteral("mnuBlank1"))->trigger();  // a spacer does nothing
    QCOMPARE(dialogs.shown.size(), std::size_t{3});
    QCOMPARE(dialogs.shown[0].lines[0],
             std::string("Universal  or Greenwhich Mean Time must be used."));
    clickOn(form.get(), "Command2");
    QCOMPARE(host.programEnded, 1);
  }
};

QTEST_MAIN(SunFormTest)
#include "sun_form_test.moc"
