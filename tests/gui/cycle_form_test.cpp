#include "collision/cycle_form.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QSvgWidget>
#include <QTest>
#include <memory>

#include "shell/application.h"
#include "shell/menu_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class CycleFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<CycleForm> form;

  QString caption(const char* label) { return widgetNamed<QLabel>(form.get(), label)->text(); }
  bool enabled(const char* name) { return widgetNamed<QWidget>(form.get(), name)->isEnabled(); }
  bool shown(const char* name) { return widgetNamed<QWidget>(form.get(), name)->isVisible(); }
  void trigger(const char* item) { widgetNamed<QAction>(form.get(), item)->trigger(); }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<CycleForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmCycle"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Motorcycle crush"));
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdCalculate", "&Calculate"}, {"cmdClear", "Clear all &boxes"},
        {"cmdCalc", "C&alculate"},      {"cmdClear2", "Clear all &boxes"},
        {"cmdMenu", "&Menu"},           {"cmdMenu2", "&Menu"},
        {"cmdExit", "E&xit"},           {"cmdExit2", "E&xit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    const std::pair<const char*, const char*> items[] = {
        {"mnuMotorcycle", "Motorcycle Crush Equation"},
        {"mnuNarrow", "Narrow Crush Equation"},
        {"mnuNotes", "Notes"}};
    for (const auto& [name, text] : items)
      QCOMPARE(widgetNamed<QAction>(form.get(), name)->text(), QString::fromLatin1(text));
    const std::pair<const char*, const char*> labels[] = {
        {"lblMotorcycle", "Motorcycle crush"},
        {"lblPole", "Pole or narrow crush"},
        {"lblInput", "Input"},
        {"lblInp", "Input"},
        {"lblOutput", "Output"},
        {"lblOutp", "Output"},
        {"Label4", "Crush should be greater than 0.23 metres"},
        {"Label3", "Motorcycle Crush"},
        {"Label2", "Click on this box to hide it."},
        {"Label1", "Narrow Crush.    Click on this box to hide it"}};
    for (const auto& [name, text] : labels) QCOMPARE(caption(name), QString::fromLatin1(text));
    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const char* text :
         {"Mass of motorcycle in kg", "Frontal crush depth in metres", "Equivalent barrier speed ",
          "Mass of car in kg", "Crush depth in metres", "Equivalent barrier speed"})
      QVERIFY2(captions.contains(QString::fromLatin1(text)), text);

    for (const char* box :
         {"txtMass", "txtCrush", "txtEbs", "txtMassofcar", "txtCrushdepth", "txtEbs2"})
      QCOMPARE(textOf(form.get(), box), QString());
    QVERIFY(!enabled("txtEbs"));
    QVERIFY(!enabled("txtEbs2"));
    QVERIFY(!textOf(form.get(), "Text1").isEmpty());
    for (const char* part : {"Picture1", "Picture2", "Label1", "Label2", "Label3"})
      QVERIFY2(!shown(part), part);
  }

  void bothCalculatorsWorkApart() {
    typeInto(form.get(), "txtMass", "200");
    typeInto(form.get(), "txtCrush", "0.5");
    clickOn(form.get(), "cmdCalculate");
    QCOMPARE(textOf(form.get(), "txtEbs"), QStringLiteral("11.92  m/s   or   26.67  mph"));
    QVERIFY(enabled("txtEbs"));
    QVERIFY(!enabled("txtEbs2"));

    typeInto(form.get(), "txtMassofcar", "1300");
    typeInto(form.get(), "txtCrushdepth", "0.3");
    clickOn(form.get(), "cmdCalc");
    QCOMPARE(textOf(form.get(), "txtEbs2"), QStringLiteral("7.43 m/s   or  16.63  mph"));
    QVERIFY(dialogs.shown.empty());

    // Alt+A calculates the narrow object, Alt+C the motorcycle.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    typeInto(form.get(), "txtCrushdepth", "0.1");
    // An access key presses its button as a short animated click.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(textOf(form.get(), "txtEbs2"), QStringLiteral("3.97 m/s   or  8.88  mph"));
    typeInto(form.get(), "txtCrush", "0.2286");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(textOf(form.get(), "txtEbs"), QStringLiteral("0.00  m/s   or   0.00  mph"));

    typeInto(form.get(), "txtCrush", "0.2");
    clickOn(form.get(), "cmdCalculate");
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].lines[0],
             std::string("Your crush depth is less than 0.23 metres and is too small for this "
                         "calculation to be valid"));
    QCOMPARE(textOf(form.get(), "txtEbs"), QStringLiteral("0.00  m/s   or   0.00  mph"));

    clickOn(form.get(), "cmdClear2");
    QCOMPARE(textOf(form.get(), "txtEbs2"), QString());
    QVERIFY(!enabled("txtEbs2"));
    QCOMPARE(textOf(form.get(), "txtMass"), QStringLiteral("200"));
  }

  void equationsShowFromTheMenuAndHideOnAClick() {
    for (const char* clicked : {"Picture2", "Label2", "Label3"}) {
      trigger("mnuMotorcycle");
      for (const char* part : {"Picture2", "Label2", "Label3"}) QVERIFY2(shown(part), part);
      QVERIFY(!shown("Picture1"));
      QTest::mouseClick(widgetNamed<QWidget>(form.get(), clicked), Qt::LeftButton);
      for (const char* part : {"Picture2", "Label2", "Label3"}) QVERIFY2(!shown(part), clicked);
    }
    for (const char* clicked : {"Picture1", "Label1"}) {
      trigger("mnuNarrow");
      QVERIFY(shown("Picture1"));
      QVERIFY(shown("Label1"));
      QTest::mouseClick(widgetNamed<QWidget>(form.get(), clicked), Qt::LeftButton);
      QVERIFY2(!shown("Picture1"), clicked);
      QVERIFY2(!shown("Label1"), clicked);
    }
    QVERIFY(dialogs.shown.empty());
  }

  void notesMenuExitAndClose() {
    trigger("mnuNotes");
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].lines.size(), std::size_t{3});
    for (const char* menu : {"cmdMenu", "cmdMenu2"}) {
      form->show();
      clickOn(form.get(), menu);
      QVERIFY(form->isHidden());
    }
    QCOMPARE(host.menuShown, 2);
    form->show();
    clickOn(form.get(), "cmdExit");
    clickOn(form.get(), "cmdExit2");
    QCOMPARE(host.programEnded, 2);
    form->close();
    QCOMPARE(host.programEnded, 3);
  }

  // The motorcycle and the pole entries of the menu open one page, which keeps its boxes.
  void bothMenuEntriesOpenTheSamePage() {
    form.reset();
    RecordingDialogs suiteDialogs;
    Application suite(suiteDialogs, 0, QDate(2026, 12, 7));
    suite.setEndProgram([] {});
    suite.start();
    QWidget* menu = &suite.menu();

    clickOption(menu, "optCycle");
    clickOn(menu, "cmdOK");
    QWidget* page = suite.pages().existing(QStringLiteral("frmCycle"));
    QVERIFY(page != nullptr);
    QVERIFY(page->isVisible());
    typeInto(page, "txtMassofcar", "1300");
    typeInto(page, "txtCrushdepth", "0.3");
    clickOn(page, "cmdCalc");
    trigger(page, "mnuNarrow");
    clickOn(page, "cmdMenu2");
    QVERIFY(!page->isVisible());

    clickOption(menu, "optPole");
    clickOn(menu, "cmdOK");
    QCOMPARE(suite.pages().existing(QStringLiteral("frmCycle")), page);
    QVERIFY(page->isVisible());
    QCOMPARE(textOf(page, "txtEbs2"), QStringLiteral("7.43 m/s   or  16.63  mph"));
    QVERIFY(widgetNamed<QWidget>(page, "Picture1")->isVisible());
    clickOn(page, "cmdMenu");
    clickOption(menu, "optCycle");
    clickOn(menu, "cmdOK");
    QCOMPARE(textOf(page, "txtMassofcar"), QStringLiteral("1300"));
    QCOMPARE(page->findChildren<QLineEdit*>(QStringLiteral("txtEbs2")).size(), 1);
  }

 private:
  static void trigger(QWidget* page, const char* item) {
    widgetNamed<QAction>(page, item)->trigger();
  }
};

QTEST_MAIN(CycleFormTest)
#include "cycle_form_test.moc"
