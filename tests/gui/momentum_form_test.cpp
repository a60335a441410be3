#include "collision/momentum_form.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QSvgWidget>
#include <QTest>
#include <memory>

#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class MomentumFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<MomentumForm> form;

  QString caption(const char* label) { return widgetNamed<QLabel>(form.get(), label)->text(); }
  bool enabled(const char* name) { return widgetNamed<QWidget>(form.get(), name)->isEnabled(); }
  void typeExample(const QString& phi2) {
    typeInto(form.get(), "txtMassA", "1000");
    typeInto(form.get(), "txtMassB", "1500");
    typeInto(form.get(), "txtDirectionpreB", phi2);
    typeInto(form.get(), "txtDirectionpostA", "45");
    typeInto(form.get(), "txtDirectionpostB", "60");
    typeInto(form.get(), "txtpostimpactspeedA", "10");
    typeInto(form.get(), "txtPostimpactspeedB", "8");
  }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<MomentumForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmMomentum"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Momentum"));
    const std::pair<const char*, const char*> buttons[] = {{"cmdCalculate4", "&Calculate"},
                                                           {"cmdClear4", "Clear all &boxes"},
                                                           {"CmdPrint", "&Print Form"},
                                                           {"cmdMenu4", "&Menu"},
                                                           {"cmdExit4", "E&xit"},
                                                           {"optMph", "mph"},
                                                           {"optMperS", "m/s"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QAbstractButton>(form.get(), name)->text(), QString::fromLatin1(text));
    QVERIFY(widgetNamed<QRadioButton>(form.get(), "optMph")->isChecked());
    QVERIFY(!widgetNamed<QRadioButton>(form.get(), "optMperS")->isChecked());
    QCOMPARE(widgetNamed<QAction>(form.get(), "mnuNotes")->text(), QStringLiteral("Notes"));

    const std::pair<const char*, const char*> labels[] = {
        {"lblMomentum", "Momentum calculations:"},
        {"lblPreImpactone", "0"},
        {"lblVehicleA", "Vehicle 1"},
        {"lblVehicleB", "Vehicle 2"},
        {"Label14", "Input"},
        {"Label15", "Output"},
        {"lblSelect", "Select speed units "},
        {"lblMperS1", "     mph"},
        {"lblMperS2", "     mph"},
        {"lblInstructions",
         "Draw a sketch showing the pre-impact and post impact directions of each vehicle."},
        {"lblInstructions2",
         "Speeds can be in either m/s or mph but not both in the same calculation."},
        {"lblInstructions3",
         "Measure all angles clockwise from the direction of travel of vehicle 1"},
        {"lblInstructions4",
         "Fill in all boxes except for the pre-impact speeds of both vehicles."},
        {"lblInstructions5",
         "Align the initial direction of travel of the lighter vehicle (1) with the Y-axis"},
        {"Label13",
         "These calculations are for angled collisions where the speeds of both vehciels are "
         "unknown but  should not be used where the pre-impact vehicle directions are within 20 "
         "degrees of being in line. "}};
    for (const auto& [name, text] : labels) QCOMPARE(caption(name), QString::fromLatin1(text));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const char* text :
         {"Mass of vehicle 1, kg", "Mass of vehicle 2, kg", "Pre-impact direction of vehicle 1 ",
          "Pre-impact direction of vehicle 2", "Post-impact direction of vehicle 1",
          "Post-impact direction of vehicle 2", "Post-impact speed of Vehicle 1",
          "Post-impact speed of vehicle 2", "Pre-impact speed of vehicle 1",
          "Pre-impact speed of vehicle 2"})
      QVERIFY2(captions.contains(QString::fromLatin1(text)), text);

    for (const char* box :
         {"txtMassA", "txtMassB", "txtDirectionpreB", "txtDirectionpostA", "txtDirectionpostB",
          "txtpostimpactspeedA", "txtPostimpactspeedB", "txtPreimpactspeedA", "txtPreimpactspeedB"})
      QCOMPARE(textOf(form.get(), box), QString());
    QVERIFY(!enabled("txtPreimpactspeedA"));
    QVERIFY(!enabled("txtPreimpactspeedB"));
    QVERIFY(!textOf(form.get(), "Text1").isEmpty());
    QVERIFY(widgetNamed<QSvgWidget>(form.get(), "Picture1")->isVisible());
  }

  void tabGoesRowByRowThroughTheInputs() {
    widgetNamed<QLineEdit>(form.get(), "txtMassA")->setFocus();
    for (const char* next : {"txtMassB", "txtDirectionpreB", "txtDirectionpostA",
                             "txtDirectionpostB", "txtpostimpactspeedA", "txtPostimpactspeedB"}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
    }
  }

  void calculateWarnSwitchUnitsAndClear() {
    typeExample("90");
    clickOn(form.get(), "cmdCalculate4");
    QVERIFY(dialogs.shown.empty());
    QCOMPARE(textOf(form.get(), "txtPreimpactspeedA"), QStringLiteral("13.071"));
    QCOMPARE(textOf(form.get(), "txtPreimpactspeedB"), QStringLiteral("11.642"));
    QVERIFY(enabled("txtPreimpactspeedA"));

    typeInto(form.get(), "txtDirectionpreB", "19.9");
    clickOn(form.get(), "cmdCalculate4");
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].lines[0].substr(0, 46),
             std::string("Your pre-direction angle for vehicle 2 is with"));
    QCOMPARE(textOf(form.get(), "txtPreimpactspeedA"), QStringLiteral("-35.171"));

    clickOption(form.get(), "optMperS");
    QCOMPARE(caption("lblMperS1"), QStringLiteral("    m/s     "));
    QCOMPARE(caption("lblMperS2"), QStringLiteral("    m/s     "));
    clickOption(form.get(), "optMph");
    QCOMPARE(caption("lblMperS1"), QStringLiteral("    mph     "));
    QCOMPARE(textOf(form.get(), "txtPreimpactspeedA"), QStringLiteral("-35.171"));

    clickOn(form.get(), "cmdClear4");
    QCOMPARE(textOf(form.get(), "txtMassA"), QString());
    QCOMPARE(textOf(form.get(), "txtPreimpactspeedB"), QString());
    QVERIFY(!enabled("txtPreimpactspeedA"));
    QVERIFY(!enabled("txtPreimpactspeedB"));
    QCOMPARE(caption("lblMperS2"), QStringLiteral("    mph     "));
  }

  void notesPrintMenuExitAndClose() {
    widgetNamed<QAction>(form.get(), "mnuNotes")->trigger();
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].code, 0);
    clickOn(form.get(), "CmdPrint");
    QCOMPARE(host.printed, form.get());
    clickOn(form.get(), "cmdMenu4");
    QCOMPARE(host.menuShown, 1);
    QVERIFY(form->isHidden());
    form->show();
    clickOn(form.get(), "cmdExit4");
    QCOMPARE(host.programEnded, 1);
    form->close();
    QCOMPARE(host.programEnded, 2);
  }
};

QTEST_MAIN(MomentumFormTest)
#include "momentum_form_test.moc"
