#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "dynamics/side_slip_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class SideSlipFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<SideSlipForm> form;

  QString caption(const char* label) { return widgetNamed<QLabel>(form.get(), label)->text(); }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<SideSlipForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmSideSlip"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Side Slip"));
    const std::pair<const char*, const char*> buttons[] = {{"cmdCalculate", "Calculate"},
                                                           {"cmdClear", "&Clear all boxes"},
                                                           {"cmdMenu", "&Menu"},
                                                           {"cmdExit", "E&xit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    auto* reference = form->findChild<QAction*>(QStringLiteral("mnuReferences"));
    QVERIFY(reference != nullptr);
    QCOMPARE(reference->text(), QStringLiteral("REFERENCE"));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const QGroupBox* group : form->findChildren<QGroupBox*>()) captions << group->title();
    for (const char* text :
         {"Side Slip Calculations", "INPUT", "OUTPUT", "Type in the angle A in degrees",
          "Type in the angle B in degrees", "Actual coefficient of friction",
          "Coefficient of rolling friction", "Effective coefficient of friction"})
      QVERIFY2(captions.contains(QString::fromUtf8(text)), text);
    QVERIFY(caption("Label2").startsWith(QStringLiteral("Select two points on the path")));
    QVERIFY(caption("Label2").endsWith(QStringLiteral("at the first point. ")));
    QVERIFY(caption("Label6").startsWith(QStringLiteral("This module calculates")));
    QCOMPARE(caption("Label7"),
             QStringLiteral("Rolling normal inflation = 0.010\r\nRolling flat tyre = 0.017\r\n"
                            "Rolling low gear = 0.10 to 0.20\r\nRolling high gear = 0.10"));
    QVERIFY(widgetNamed<QWidget>(form.get(), "Picture2")->isVisible());
    QCOMPARE(textOf(form.get(), "txtAngleB"), QStringLiteral(" "));
  }

  void aFullSpinThenTheWrongOrderThenClear() {
    typeInto(form.get(), "Text2", "10");
    typeInto(form.get(), "txtAngleB", "370");
    typeInto(form.get(), "txtAct", "0.7");
    typeInto(form.get(), "txtRoll", "0.015");
    clickOn(form.get(), "cmdCalculate");
    QVERIFY(dialogs.shown.empty());
    QCOMPARE(textOf(form.get(), "txtfriction2"), QStringLiteral("0.445"));

    typeInto(form.get(), "Text2", "400");
    clickOn(form.get(), "cmdCalculate");
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].lines,
             (std::vector<std::string>{"Warning!",
                                       "Your angle B should be greater than your angle A"}));
    QCOMPARE(textOf(form.get(), "txtfriction2"), QStringLiteral("0.445"));

    clickOn(form.get(), "cmdClear");
    for (const char* box : {"Text2", "txtAngleB", "txtAct", "txtRoll", "txtfriction2"})
      QCOMPARE(textOf(form.get(), box), QString());
  }
};

QTEST_MAIN(SideSlipFormTest)
#include "side_slip_form_test.moc"
