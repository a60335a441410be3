#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "dynamics/curve_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class CurveFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<CurveForm> form;

  QString caption(const char* label) { return widgetNamed<QLabel>(form.get(), label)->text(); }
  bool enabled(const char* name) { return widgetNamed<QWidget>(form.get(), name)->isEnabled(); }
  bool brakedBoxEnabled(bool wanted) {
    for (const char* name : {"Text3", "txta2", "txtCritSpBraked", "txtBraked", "cmdCalcBraked"})
      if (enabled(name) != wanted) return false;
    return true;
  }
  QAction* notesItem() {
    auto* item = form->menuBar()->findChild<QAction*>(QStringLiteral("mnuNotes"));
    if (item == nullptr) item = form->findChild<QAction*>(QStringLiteral("mnuNotes"));
    return item;
  }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<CurveForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmCurve"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Curves and Critical Speed"));
    for (const char* box : {"txtRadius", "txtChord", "txtOrdinate", "txtDeceleration",
                            "txtCamber", "txtCriticalSpeed", "txtVerticalRadius", "Text3", "txta2",
                            "txtCritSpBraked", "txtBraked"})
      QVERIFY2(form->findChild<QLineEdit*>(QString::fromLatin1(box)) != nullptr, box);
    const std::pair<const char*, const char*> buttons[] = {
        {"Command1", "&Calculate"},
        {"cmdCalcBraked", "Calculate braked critical &speed"},
        {"cmdClear", "Clear all &boxes"},
        {"cmdMenu2", "&Menu"},
        {"cmdExit2", "E&xit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    QVERIFY(notesItem() != nullptr);
    QCOMPARE(notesItem()->text(), QStringLiteral("Notes"));

    QCOMPARE(caption("lblTypein1"),
             QStringLiteral("Type in the Radius of Curvature on its own OR any two of the "
                            "following values:"));
    QCOMPARE(caption("lblInstructions3"), QStringLiteral("Type in any two of the following values:"));
    QCOMPARE(caption("Label6"),
             QStringLiteral("If you are taking into account the vertical profile of the road, use "
                            "surveyed data to determine the vertical radius of curvature and "
                            "change the default value  here. A convex surface or hill brow will "
                            "have a positive radius. A concave surface or dip will have a "
                            "negative radius. The default value for a surface which is level or "
                            "has a constant longitudinal gradient is infinity."));
    QCOMPARE(caption("lblBraked"),
             QStringLiteral("After calculating all values on the left of this form, you will be "
                            "able to use this box to calculate the critical speed under braked "
                            "conditions. Type in the deceleration rate that would be achieved by "
                            "the amount of braking applied:"));
    QCOMPARE(caption("lblLabel6"), QStringLiteral("Critical Speed in m/s:"));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const char* text :
         {"Curves and Critical Speed (Unbraked & Braked)", "Radius of Curvature in metres:",
          "Chord length in metres:", "Middle Ordinate:", "Coefficient of friction:",
          "Camber in degrees (negative if unfavourable):", "At a hill brow:",
          "Vertical radius of curvature in metres: "})
      QVERIFY2(captions.contains(QString::fromUtf8(text)), text);

    QCOMPARE(textOf(form.get(), "txtVerticalRadius"), QStringLiteral("Infinity"));
    QCOMPARE(textOf(form.get(), "Text3"), QStringLiteral("Deceleration rate:"));
    QCOMPARE(textOf(form.get(), "txtCritSpBraked"),
             QStringLiteral("Critical speed for braked conditions:"));
    QVERIFY(brakedBoxEnabled(false));
    QVERIFY(enabled("Command1"));
  }

  void criticalSpeedThenBrakedSpeed() {
    typeInto(form.get(), "txtRadius", "100");
    typeInto(form.get(), "txtDeceleration", "0.7");
    typeInto(form.get(), "txtCamber", "0");
    clickOn(form.get(), "cmdCalcBraked");
    QCOMPARE(textOf(form.get(), "txtBraked"), QString());

    clickOn(form.get(), "Command1");
    QVERIFY(dialogs.shown.empty());
    QCOMPARE(textOf(form.get(), "txtCriticalSpeed"),
             QStringLiteral("26.205  m/s       or        58.619 mph"));
    QCOMPARE(caption("lblLabel6"), QStringLiteral("Critical Speed:"));
    QVERIFY(brakedBoxEnabled(true));

    typeInto(form.get(), "txta2", "5");
    clickOn(form.get(), "cmdCalcBraked");
    QCOMPARE(textOf(form.get(), "txtBraked"), QStringLiteral("21.696 m/s or 48.532 mph"));

    // Calculating again keeps one mph figure in the speed box.
    clickOn(form.get(), "Command1");
    clickOn(form.get(), "Command1");
    QCOMPARE(textOf(form.get(), "txtCriticalSpeed"),
             QStringLiteral("26.205 m/s       or       58.619  mph"));

    clickOn(form.get(), "cmdClear");
    for (const char* box : {"txtRadius", "txtDeceleration", "txtCriticalSpeed", "txtBraked"})
      QCOMPARE(textOf(form.get(), box), QString());
    QCOMPARE(textOf(form.get(), "txtVerticalRadius"), QStringLiteral("Infinity"));
    QVERIFY(brakedBoxEnabled(false));
    QCOMPARE(caption("lblLabel6"), QStringLiteral("Critical Speed:"));
  }

  void geometryFromTwoValues() {
    typeInto(form.get(), "txtRadius", "50");
    typeInto(form.get(), "txtOrdinate", "2");
    clickOn(form.get(), "Command1");
    QCOMPARE(textOf(form.get(), "txtChord"), QStringLiteral("28.000  metres"));

    clickOn(form.get(), "cmdClear");
    typeInto(form.get(), "txtChord", "28");
    typeInto(form.get(), "txtOrdinate", "2");
    clickOn(form.get(), "Command1");
    QCOMPARE(textOf(form.get(), "txtRadius"), QStringLiteral("50.000  metres"));
  }

  void refusalsShowTheirMessage() {
    typeInto(form.get(), "txtRadius", "100");
    typeInto(form.get(), "txtDeceleration", "1.2");
    clickOn(form.get(), "Command1");
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].lines, std::vector<std::string>{"Your coefficient is too high"});
    QCOMPARE(dialogs.shown[0].title, std::string("Kelvara"));
    QCOMPARE(dialogs.shown[0].code, 0);
    QCOMPARE(textOf(form.get(), "txtCriticalSpeed"), QString());
    QVERIFY(brakedBoxEnabled(false));
  }

  void notesMenuShowsTheReferences() {
    notesItem()->trigger();
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    const auto& lines = dialogs.shown[0].lines;
    QCOMPARE(lines.size(), std::size_t{4});
    QCOMPARE(lines[0], std::string("References:"));
    QCOMPARE(lines[2], std::string("The formula here takes into account the effect of camber."));
  }

  void menuExitAndClose() {
    clickOn(form.get(), "cmdMenu2");
    QCOMPARE(host.menuShown, 1);
    QVERIFY(form->isHidden());
    form->show();
    clickOn(form.get(), "cmdExit2");
    QCOMPARE(host.programEnded, 1);
    form->close();
    QCOMPARE(host.programEnded, 2);
  }
};

QTEST_MAIN(CurveFormTest)
#include "curve_form_test.moc"
