#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "location/uk_grid_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class UKGridFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<UKGridForm> form;

  bool enabled(const char* name) { return widgetNamed<QWidget>(form.get(), name)->isEnabled(); }
  bool checked(const char* name) { return widgetNamed<QRadioButton>(form.get(), name)->isChecked(); }
  bool resultsEnabled(bool wanted) {
    for (const char* name : {"txtE", "txtN", "txtResult"})
      if (enabled(name) != wanted) return false;
    return true;
  }
  void typeWorkedExample() {
    const std::pair<const char*, const char*> boxes[] = {
        {"txtLaDeg", "52"}, {"txtLaMin", "39"}, {"txtLaSec", "27.2531"},
        {"txtLoDeg", "1"},  {"txtLoMin", "43"}, {"txtLoSec", "4.5177"}};
    for (const auto& [box, text] : boxes) typeInto(form.get(), box, QString::fromLatin1(text));
  }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<UKGridForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmUKGrid"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Longitude and Latitude to OS Grid Reference"));
    for (const char* box : {"txtLaDeg", "txtLaMin", "txtLaSec", "txtLoDeg", "txtLoMin",
                            "txtLoSec", "txtE", "txtN", "txtResult"})
      QVERIFY2(form->findChild<QLineEdit*>(QString::fromLatin1(box)) != nullptr, box);
    const std::pair<const char*, const char*> buttons[] = {{"cmdcalculate", "&Calculate"},
                                                           {"cmdclear", "Clear all &boxes "},
                                                           {"cmdmenu", "&Menu"},
                                                           {"cmdexit", "E&xit"},
                                                           {"optEast", "East"},
                                                           {"optWest", "West"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QAbstractButton>(form.get(), name)->text(), QString::fromLatin1(text));
    auto* notes = form->findChild<QAction*>(QStringLiteral("mnuNotes"));
    QVERIFY(notes != nullptr);
    QCOMPARE(notes->text(), QStringLiteral("Notes"));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const QGroupBox* box : form->findChildren<QGroupBox*>()) captions << box->title();
    for (const char* text : {"Longitude & Latitude to OS Grid Converter", "Input", "Output",
                             "Latitude", "Longitude", "Eastings", "Northings", "OS Grid Ref"})
      QVERIFY2(captions.contains(QString::fromUtf8(text)), text);

    QVERIFY(!checked("optEast") && !checked("optWest"));
    QVERIFY(resultsEnabled(false));
    // TAB goes from degrees to minutes to seconds.
    QCOMPARE(widgetNamed<QWidget>(form.get(), "txtLaDeg")->nextInFocusChain()->objectName(),
             QStringLiteral("txtLaMin"));
    QCOMPARE(widgetNamed<QWidget>(form.get(), "txtLoMin")->nextInFocusChain()->objectName(),
             QStringLiteral("txtLoSec"));
  }

  void workedExampleThenClear() {
    typeWorkedExample();
    clickOn(form.get(), "cmdcalculate");
    QCOMPARE(dialogs.lines(), (std::vector<std::vector<std::string>>{
                                  {"Select either east or west for your longitude"}}));
    QVERIFY(resultsEnabled(false));

    dialogs.clear();
    clickOption(form.get(), "optEast");
    clickOn(form.get(), "cmdcalculate");
    QVERIFY(dialogs.shown.empty());
    QCOMPARE(textOf(form.get(), "txtE"), QStringLiteral("651410"));
    QCOMPARE(textOf(form.get(), "txtN"), QStringLiteral("313177"));
    QCOMPARE(textOf(form.get(), "txtResult"), QStringLiteral("TG   51410   13177"));
    QVERIFY(resultsEnabled(true));

    clickOn(form.get(), "cmdclear");
    for (const char* box : {"txtLaDeg", "txtLoSec", "txtE", "txtN", "txtResult"})
      QCOMPARE(textOf(form.get(), box), QString());
    QVERIFY(!checked("optEast") && !checked("optWest"));
    QVERIFY(resultsEnabled(true));

    // The side can be chosen again after Clear, and the group still excludes.
    clickOption(form.get(), "optWest");
    clickOption(form.get(), "optEast");
    QVERIFY(checked("optEast") && !checked("optWest"));
  }

  void aPointOffTheSquaresShowsItsFiguresAndTheMessage() {
    typeInto(form.get(), "txtLaDeg", QStringLiteral("58"));
    typeInto(form.get(), "txtLaMin", QStringLiteral("53"));
    typeInto(form.get(), "txtLaSec", QStringLiteral("1.9575"));
    typeInto(form.get(), "txtLoDeg", QStringLiteral("3"));
    clickOption(form.get(), "optWest");
    clickOn(form.get(), "cmdcalculate");
    QCOMPARE(textOf(form.get(), "txtN"), QStringLiteral("1000000"));
    QCOMPARE(textOf(form.get(), "txtResult"), QStringLiteral("   42361   00000"));
    QCOMPARE(dialogs.lines(),
             (std::vector<std::vector<std::string>>{
                 {"These co-ordinates are incorrect because you are not on the UK mainland!"}}));
  }

  void notesMenuAndExit() {
    form->findChild<QAction*>(QStringLiteral("mnuNotes"))->trigger();
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QVERIFY(dialogs.shown[0].text().starts_with(
        "The algorithm used in this programme is described  at"));
    clickOn(form.get(), "cmdmenu");
    QCOMPARE(host.menuShown, 1);
    clickOn(form.get(), "cmdexit");
    QCOMPARE(host.programEnded, 1);
  }
};

QTEST_MAIN(UKGridFormTest)
#include "uk_grid_form_test.moc"
