#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "dynamics/flight_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class FlightFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<FlightForm> form;

  QAction* menuItem(const char* name) {
    auto* item = form->findChild<QAction*>(QString::fromLatin1(name));
    return item != nullptr && form->menuBar()->actions().contains(item) ? item : nullptr;
  }
  QWidget* widget(const char* name) { return widgetNamed<QWidget>(form.get(), name); }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<FlightForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmFlight"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Flight paths"));
    const std::pair<const char*, const char*> buttons[] = {{"cmdCalculate", "&Calculate"},
                                                           {"cmdClear", "Clear all &boxes"},
                                                           {"cmdMenu", "&Menu"},
                                                           {"cmdExit", "E&xit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    QVERIFY(menuItem("mnuNotes") && menuItem("mnuNotes")->text() == QStringLiteral("Notes"));
    QVERIFY(menuItem("mnuEquation") &&
            menuItem("mnuEquation")->text() == QStringLiteral("Equation"));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const char* text : {"Flight paths of vehicles", "Input", "Output",
                             "Slop angle, theta degrees", "Launch height, h metres ",
                             "(h is negative in the above diagram)", "Flight distance, L metres",
                             "Launch speed of vehicle"})
      QVERIFY2(captions.contains(QString::fromLatin1(text)), text);
    auto* hide = widgetNamed<QLabel>(form.get(), "lblHide");
    QCOMPARE(hide->text(), QStringLiteral("Click this box to hide it."));
    QCOMPARE(hide->parentWidget(), widget("pctEquation"));

    for (const char* box : {"txtTheta", "txth", "txtL"}) QVERIFY(widget(box)->isEnabled());
    QVERIFY(!widget("txtVmph")->isEnabled());
    QVERIFY(widget("Picture1")->isVisible());
    QVERIFY(widget("pctEquation")->isHidden());
  }

  void speedFromAFlightThenClear() {
    typeInto(form.get(), "txtTheta", "0");
    typeInto(form.get(), "txth", "-2");
    typeInto(form.get(), "txtL", "20");
    clickOn(form.get(), "cmdCalculate");
    QCOMPARE(textOf(form.get(), "txtVmph"), QStringLiteral("31.321  m/s   or   70.063  mph"));
    QVERIFY(widget("txtVmph")->isEnabled());
    QVERIFY(dialogs.shown.empty());

    clickOn(form.get(), "cmdClear");
    for (const char* box : {"txtTheta", "txth", "txtL", "txtVmph"})
      QVERIFY2(textOf(form.get(), box).isEmpty(), box);
    QVERIFY(!widget("txtVmph")->isEnabled());
  }

  void theEquationHidesOnAClickOnItOrItsLabel() {
    // The equation lies over the diagram without moving the boxes beneath it.
    QApplication::processEvents();
    const QPoint boxesAtLoad = widget("txtTheta")->mapTo(form.get(), QPoint(0, 0));
    menuItem("mnuEquation")->trigger();
    QApplication::processEvents();
    QCOMPARE(widget("txtTheta")->mapTo(form.get(), QPoint(0, 0)), boxesAtLoad);
    QVERIFY(widget("pctEquation")->isVisible());
    QTest::mouseClick(widget("lblHide"), Qt::LeftButton);
    QVERIFY(widget("pctEquation")->isHidden());

    menuItem("mnuEquation")->trigger();
    QVERIFY(widget("pctEquation")->isVisible());
    QTest::mouseClick(widget("pctEquation"), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(widget("pctEquation")->isHidden());
    QVERIFY(widget("Picture1")->isVisible());
  }

  void notesMenuExitAndClose() {
    menuItem("mnuNotes")->trigger();
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].lines.front(),
             std::string("If the vehicle is on a downward slope, theta is then negative"));
    clickOn(form.get(), "cmdMenu");
    QCOMPARE(host.menuShown, 1);
    QVERIFY(form->isHidden());
    form->show();
    clickOn(form.get(), "cmdExit");
    QCOMPARE(host.programEnded, 1);
    form->close();
    QCOMPARE(host.programEnded, 2);
  }
};

QTEST_MAIN(FlightFormTest)
#include "flight_form_test.moc"
