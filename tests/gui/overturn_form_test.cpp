#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "dynamics/overturn_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class OverturnFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<OverturnForm> form;

  bool enabled(const char* name) { return widgetNamed<QWidget>(form.get(), name)->isEnabled(); }
  bool shown(const char* name) { return widgetNamed<QWidget>(form.get(), name)->isVisible(); }
  QAction* equationItem() { return form->findChild<QAction*>(QStringLiteral("mnuEquation")); }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<OverturnForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmOverturn"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Overturn Calculation"));
    const std::pair<const char*, const char*> buttons[] = {{"cmdCalculate", "&Calculate"},
                                                           {"cmdClear", "Clear all &boxes"},
                                                           {"cmdMenu", "&Menu"},
                                                           {"cmdExit", "E&xit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    QVERIFY(equationItem() != nullptr);
    QCOMPARE(equationItem()->text(), QStringLiteral("Equation"));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const QGroupBox* group : form->findChildren<QGroupBox*>()) captions << group->title();
    for (const char* text :
         {"Overturning on a bend", "Input", "Output", "Track width of vehicle /metres",
          "Radius of vehicle path /metres", "Height of centre of gravity /metres",
          "Crossfall in degrees (Positive when favourable)", "Coefficient of friction",
          "Speed  for vehicle to overturn", "Skid and not overturn ?"})
      QVERIFY2(captions.contains(QString::fromUtf8(text)), text);
    QVERIFY(widgetNamed<QLabel>(form.get(), "Label1")->text().startsWith(
        QStringLiteral("Caution: These calculations assume that the vehicle is rigid.")));
    QCOMPARE(widgetNamed<QLabel>(form.get(), "lblHide")->text(),
             QStringLiteral("Click this box to hide it."));

    QVERIFY(!enabled("txtSpeed") && !enabled("txtSkid"));
    QVERIFY(!shown("Picture1") && !shown("lblHide"));
  }

  void overturnSpeedThenMissingHeightThenClear() {
    typeInto(form.get(), "txtTrack", "1.5");
    typeInto(form.get(), "txtRadius", "50");
    typeInto(form.get(), "txth", "0.55");
    typeInto(form.get(), "txtCrossfall", "5");
    typeInto(form.get(), "txtCoefficient", "0.8");
    clickOn(form.get(), "cmdCalculate");
    QVERIFY(dialogs.shown.empty());
    QCOMPARE(textOf(form.get(), "txtSpeed"), QStringLiteral("28.43m/s     or      63.59 mph"));
    QCOMPARE(textOf(form.get(), "txtSkid"),
             QStringLiteral("The vehicle will skid rather than overturn."));
    QVERIFY(enabled("txtSpeed") && enabled("txtSkid"));

    typeInto(form.get(), "txth", "");
    clickOn(form.get(), "cmdCalculate");
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].lines,
             std::vector<std::string>{"You have not provided all the necessary information."});
    QCOMPARE(textOf(form.get(), "txtSkid"), QString());
    QVERIFY(!enabled("txtSpeed") && !enabled("txtSkid"));

    clickOn(form.get(), "cmdClear");
    for (const char* box :
         {"txtTrack", "txtRadius", "txth", "txtCrossfall", "txtCoefficient", "txtSpeed", "txtSkid"})
      QCOMPARE(textOf(form.get(), box), QString());
    QVERIFY(!enabled("txtSpeed") && !enabled("txtSkid"));
  }

  // A press and release on the picture, or on its label, hides both.
  void theEquationHidesWhenClicked() {
    equationItem()->trigger();
    QVERIFY(shown("Picture1") && shown("lblHide"));
    QTest::mouseClick(widgetNamed<QWidget>(form.get(), "Picture1"), Qt::LeftButton, {},
                      QPoint(30, 30));
    QVERIFY(!shown("Picture1") && !shown("lblHide"));

    equationItem()->trigger();
    QVERIFY(shown("Picture1") && shown("lblHide"));
    QTest::mouseClick(widgetNamed<QWidget>(form.get(), "lblHide"), Qt::LeftButton);
    QVERIFY(!shown("Picture1") && !shown("lblHide"));
    QVERIFY(dialogs.shown.empty());
  }
};

QTEST_MAIN(OverturnFormTest)
#include "overturn_form_test.moc"
