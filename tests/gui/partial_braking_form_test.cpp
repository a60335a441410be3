#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "dynamics/partial_braking_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class PartialBrakingFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<PartialBrakingForm> form;

  QCheckBox* brake(const char* name) { return widgetNamed<QCheckBox>(form.get(), name); }
  QPoint centreOf(const char* name) {
    QWidget* box = brake(name);
    return box->mapTo(form.get(), box->rect().center());
  }
  QAction* notesItem() { return form->findChild<QAction*>(QStringLiteral("mnuNotes")); }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<PartialBrakingForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmPartialbraking"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Partial braking"));
    const std::pair<const char*, const char*> buttons[] = {{"cmdCalculate", "&Calculate"},
                                                           {"cmdClear", "Clear all &boxes"},
                                                           {"cmdPrint", "&Print Form"},
                                                           {"cmdMenu", "&Menu"},
                                                           {"cmdExit", "E&xit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    QVERIFY(notesItem() != nullptr);
    QCOMPARE(notesItem()->text(), QStringLiteral("NOTES"));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const QGroupBox* group : form->findChildren<QGroupBox*>()) captions << group->title();
    for (const char* text :
         {"Partial Braking", "INPUT", "OUTPUT",
          "Value of the ratio (height of C of G)/(wheel base)        h/L",
          "h/L lies between 0.20 and 0.25 for cars", "True coefficient of friction",
          "Proportion of static vehicle weight on front axle.   (eg 0.60)", "Gradient in degrees",
          "(Uphill is positive, downhill is negative, level is zero)",
          "Effective coefficient of friction",
          "Check the boxes for those brakes which are working.",
          "(The unchecked brakes will be assumed to be inoperative)"})
      QVERIFY2(captions.contains(QString::fromUtf8(text)), text);

    for (const char* box : {"txtHL", "txtTruemu", "txtWf", "txtGradient"})
      QVERIFY2(widgetNamed<QLineEdit>(form.get(), box)->isEnabled(), box);
    QVERIFY(!widgetNamed<QLineEdit>(form.get(), "txtMue")->isEnabled());
    for (const char* name : {"chkFn", "chkFo", "chkRn", "chkRo"})
      QVERIFY2(!brake(name)->isChecked(), name);
  }

  // The vehicle faces right with its nearside at the top.
  void brakesSitAtTheirWheels() {
    QVERIFY(centreOf("chkFn").x() > centreOf("chkRn").x());
    QVERIFY(centreOf("chkFo").x() > centreOf("chkRo").x());
    QVERIFY(centreOf("chkFn").y() < centreOf("chkFo").y());
    QVERIFY(centreOf("chkRn").y() < centreOf("chkRo").y());
    QCOMPARE(centreOf("chkFn").x(), centreOf("chkFo").x());
    QCOMPARE(centreOf("chkRn").y(), centreOf("chkFn").y());
  }

  void markedBrakesThenClear() {
    typeInto(form.get(), "txtHL", "0.25");
    typeInto(form.get(), "txtTruemu", "0.8");
    typeInto(form.get(), "txtWf", "0.6");
    typeInto(form.get(), "txtGradient", "0");
    clickOption(form.get(), "chkFn");
    clickOption(form.get(), "chkFo");
    QVERIFY(brake("chkFn")->isChecked() && brake("chkFo")->isChecked());
    clickOn(form.get(), "cmdCalculate");
    QVERIFY(dialogs.shown.empty());
    QCOMPARE(textOf(form.get(), "txtMue"), QStringLiteral("0.600"));
    QVERIFY(widgetNamed<QLineEdit>(form.get(), "txtMue")->isEnabled());

    clickOption(form.get(), "chkFo");
    clickOn(form.get(), "cmdCalculate");
    QCOMPARE(textOf(form.get(), "txtMue"), QStringLiteral("0.267"));

    clickOn(form.get(), "cmdClear");
    for (const char* box : {"txtHL", "txtTruemu", "txtWf", "txtGradient", "txtMue"})
      QCOMPARE(textOf(form.get(), box), QString());
    QVERIFY(!widgetNamed<QLineEdit>(form.get(), "txtMue")->isEnabled());
    QVERIFY(brake("chkFn")->isChecked());
    QVERIFY(!brake("chkFo")->isChecked());
  }

  void notesMenuShowsFiveLines() {
    notesItem()->trigger();
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].lines.size(), std::size_t{5});
  }
};

QTEST_MAIN(PartialBrakingFormTest)
#include "partial_braking_form_test.moc"
