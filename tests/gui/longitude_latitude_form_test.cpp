#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "location/longitude_latitude_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class LongitudeLatitudeFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<LongitudeLatitudeForm> form;

  bool enabled(const char* name) { return widgetNamed<QWidget>(form.get(), name)->isEnabled(); }
  bool checked(const char* name) { return widgetNamed<QRadioButton>(form.get(), name)->isChecked(); }
  QStringList results() {
    QStringList texts;
    for (const char* box : {"txtLaDeg", "txtLaMin", "txtLaSec", "txtLoDeg", "txtLoMin",
                            "txtLoSec", "txtEastWest"})
      texts << textOf(form.get(), box);
    return texts;
  }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<LongitudeLatitudeForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmLongitudeLatitude"));
    const std::pair<const char*, const char*> buttons[] = {{"cmdcalculate", "&Calculate"},
                                                           {"cmdclear", "Clear all &boxes "},
                                                           {"cmdmenu", "&Menu"},
                                                           {"cmdexit", "E&xit"},
                                                           {"Option1", "Input"},
                                                           {"Option2", "Input"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QAbstractButton>(form.get(), name)->text(), QString::fromLatin1(text));
    QVERIFY(form->findChild<QAction*>(QStringLiteral("mnuNotes")) != nullptr);
    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const char* text : {"OSGrid to Longitude and Latitude Converter", "FIRST",
                             "select which input you intend to use", "OR", "Format", "651409",
                             "NZ", "57600", "06000", "OS Grid Ref", "Eastings", "Northings",
                             "Latitude", "Longitude"})
      QVERIFY2(captions.contains(QString::fromUtf8(text)), text);
    QVERIFY(!checked("Option1") && !checked("Option2"));
    for (const char* box : {"txtE", "txtN", "txtTwoLetter", "txtEastings", "txtNorthings"})
      QVERIFY2(!enabled(box), box);
  }

  void bothFormsThroughTheWidgets() {
    clickOn(form.get(), "cmdcalculate");
    QCOMPARE(dialogs.lines(), (std::vector<std::vector<std::string>>{
                                  {"You must select which type of input you intend to use"}}));

    clickOption(form.get(), "Option1");
    QVERIFY(enabled("txtE") && enabled("txtN") && !enabled("txtTwoLetter"));
    typeInto(form.get(), "txtE", QStringLiteral("651409"));
    typeInto(form.get(), "txtN", QStringLiteral("313177"));
    clickOn(form.get(), "cmdcalculate");
    QCOMPARE(results(), (QStringList{"52", "39", "27", "1", "43", "4", " E"}));

    clickOption(form.get(), "Option2");
    QVERIFY(enabled("txtE") && enabled("txtTwoLetter") && enabled("txtNorthings"));
    QVERIFY(!checked("Option1"));
    typeInto(form.get(), "txtTwoLetter", QStringLiteral("nz"));
    typeInto(form.get(), "txtEastings", QStringLiteral("57600"));
    typeInto(form.get(), "txtNorthings", QStringLiteral("06000"));
    clickOn(form.get(), "cmdcalculate");
    QCOMPARE(textOf(form.get(), "txtTwoLetter"), QStringLiteral("NZ"));
    QCOMPARE(results(), (QStringList{"54", "26", "45", "1", "6", "41", " W"}));

    typeInto(form.get(), "txtTwoLetter", QStringLiteral("hu"));
    dialogs.clear();
    clickOn(form.get(), "cmdcalculate");
    QCOMPARE(textOf(form.get(), "txtTwoLetter"), QStringLiteral("HU"));
    QCOMPARE(dialogs.lines(),
             (std::vector<std::vector<std::string>>{{"Your two-letter prefix is not valid"}}));

    clickOn(form.get(), "cmdclear");
    QCOMPARE(results(), (QStringList{"", "", "", "", "", "", " W"}));
    QVERIFY(!checked("Option1") && !checked("Option2"));
    QVERIFY(enabled("txtE") && enabled("txtTwoLetter"));
    clickOption(form.get(), "Option1");
    QVERIFY(checked("Option1"));
  }

  void notesMenuAndExit() {
    form->findChild<QAction*>(QStringLiteral("mnuNotes"))->trigger();
    QCOMPARE(dialogs.lines(),
             (std::vector<std::vector<std::string>>{
                 {"Eastings and Northings are in metres. The numbers in a six figure reference "
                  "such as NZ 576 060 are in units of 100 metres. They should be entered as "
                  "57600 and 06000 respectively."}}));
    clickOn(form.get(), "cmdmenu");
    QCOMPARE(host.menuShown, 1);
    clickOn(form.get(), "cmdexit");
    QCOMPARE(host.programEnded, 1);
  }
};

QTEST_MAIN(LongitudeLatitudeFormTest)
#include "longitude_latitude_form_test.moc"
