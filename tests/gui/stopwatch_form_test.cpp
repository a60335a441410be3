// The stopwatch on the menu window through its real buttons, on a clock the test moves.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "shell/application.h"
#include "shell/menu_form.h"
#include "support/counting_beeper.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class StopwatchFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  CountingBeeper beeper;
  TimerState::Milliseconds now = 0;
  std::unique_ptr<MenuForm> menu;

  QPushButton* button(const char* name) { return widgetNamed<QPushButton>(menu.get(), name); }
  QString display() { return textOf(menu.get(), "txtStopwatch"); }
  // A mouse button going down on a button, without letting it go.
  void press(const char* name, Qt::MouseButton which = Qt::LeftButton) {
    QTest::mousePress(button(name), which);
  }
  void release(const char* name, Qt::MouseButton which = Qt::LeftButton) {
    QTest::mouseRelease(button(name), which);
  }
  void send(const char* name, QEvent::Type type) {
    QPushButton* target = button(name);
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    beeper = CountingBeeper();
    now = 0;
    menu = std::make_unique<MenuForm>(
        host, dialogs, beeper, [this] { return now; }, [](const QString&) {}, 0,
        QStringLiteral("Monday,7 December, 2026"));
    menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
  }
  void cleanup() { menu.reset(); }

  void idleAtStart() {
    QCOMPARE(display(), QStringLiteral("0.00  seconds"));
    QCOMPARE(textOf(menu.get(), "txtMinutes"), QStringLiteral("0"));
    QCOMPARE(textOf(menu.get(), "txtSeconds"), QStringLiteral("0"));
    for (const char* name : {"cmdStart", "cmdStop", "cmdReset"}) QVERIFY(button(name)->isEnabled());
    QCOMPARE(button("cmdStart")->text(), QStringLiteral("Start"));
    QCOMPARE(button("cmdStop")->text(), QStringLiteral("Stop"));
    QCOMPARE(button("cmdReset")->text(), QStringLiteral("Reset"));
  }

  void startReactsOnThePressAndTicksAfterATenth() {
    now = 1000;
    press("cmdStart");
    QVERIFY(!button("cmdReset")->isEnabled());
    QVERIFY(button("cmdStop")->isEnabled());
    release("cmdStart");
    QTest::qWait(150);
    QCOMPARE(display(), QStringLiteral("0.00  seconds"));  // the clock has not moved
    now = 1100;
    QTRY_COMPARE(display(), QStringLiteral("0.10  seconds"));
    now = 6100;
    QTRY_COMPARE(display(), QStringLiteral("5.10  seconds"));
    QCOMPARE(beeper.beeps, 0);
  }

  void stopAnswersAnyMouseButtonAndEachPressOfADoubleClick() {
    press("cmdStart");
    now = 1234;
    press("cmdStop", Qt::RightButton);
    QCOMPARE(display(), QStringLiteral("1.23  seconds"));
    QCOMPARE(beeper.beeps, 1);
    QVERIFY(button("cmdReset")->isEnabled());
    now = 5000;
    QTest::qWait(250);
    QCOMPARE(display(), QStringLiteral("1.23  seconds"));

    press("cmdStop", Qt::MiddleButton);
    QCOMPARE(beeper.beeps, 2);
    QTest::mouseClick(button("cmdStop"), Qt::LeftButton);
    QCOMPARE(beeper.beeps, 3);  // the press, not the click
    send("cmdStop", QEvent::MouseButtonPress);
    send("cmdStop", QEvent::MouseButtonRelease);
    send("cmdStop", QEvent::MouseButtonDblClick);
    send("cmdStop", QEvent::MouseButtonRelease);
    QCOMPARE(beeper.beeps, 5);
    QCOMPARE(display(), QStringLiteral("1.23  seconds"));
  }

  // Only a mouse button going down on an enabled button counts: Stop after Reset stays
  // deaf until the next Start, and the keyboard neither starts nor stops a run.
  void disabledStopAndTheKeyboardDoNothing() {
    press("cmdStart");
    now = 700;
    press("cmdStop");
    release("cmdStop");
    clickOn(menu.get(), "cmdReset");
    QVERIFY(!button("cmdStop")->isEnabled());
    const int beeps = beeper.beeps;
    for (Qt::MouseButton which : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
      press("cmdStop", which);
      release("cmdStop", which);
    }
    send("cmdStop", QEvent::MouseButtonDblClick);
    QCOMPARE(beeper.beeps, beeps);
    QCOMPARE(display(), QStringLiteral("0.00  seconds"));

    button("cmdStart")->setFocus();
    QTest::keyClick(button("cmdStart"), Qt::Key_Space);
    QVERIFY(!menu->logic().myTimer.running());
    press("cmdStart");
    button("cmdStop")->setFocus();
    QTest::keyClick(button("cmdStop"), Qt::Key_Space);
    QVERIFY(menu->logic().myTimer.running());
    QCOMPARE(beeper.beeps, beeps);
  }

  void alarmReadsTheBoxesAsTypedDuringARun() {
    press("cmdStart");
    typeInto(menu.get(), "txtSeconds", "5");
    now = 5100;
    QTRY_COMPARE(display(), QStringLiteral("5.10  seconds"));
    QCOMPARE(beeper.beeps, 1);
    typeInto(menu.get(), "txtSeconds", "0");
    now = 5200;
    QTRY_COMPARE(display(), QStringLiteral("5.20  seconds"));
    QCOMPARE(beeper.beeps, 1);
  }

  void resetOnClickOnly() {
    press("cmdStart");
    now = 700;
    press("cmdStop");
    release("cmdStop");
    typeInto(menu.get(), "txtMinutes", "2");
    press("cmdReset");
    QCOMPARE(display(), QStringLiteral("0.70  seconds"));
    release("cmdReset");
    QCOMPARE(display(), QStringLiteral("0.00  seconds"));
    QCOMPARE(textOf(menu.get(), "txtMinutes"), QStringLiteral("0"));
    QVERIFY(!button("cmdStop")->isEnabled());
  }

  void keepsRunningWhileTheMenuIsHidden() {
    press("cmdStart");
    menu->hide();
    now = 300;
    QTRY_COMPARE(display(), QStringLiteral("0.30  seconds"));
  }

  void exitOrClosingEndsTheProgramWhileItRuns() {
    press("cmdStart");
    clickOn(menu.get(), "cmdExit");
    QCOMPARE(host.programEnded, 1);
    menu->close();
    QCOMPARE(host.programEnded, 2);
  }

  // The whole program, on the machine's clock: Exit while the stopwatch runs ends the event
  // loop.
  void exitWhileRunningEndsTheEventLoop() {
    menu.reset();
    Application suite(dialogs, 0, QDate(2026, 12, 7));
    suite.start();
    QVERIFY(QTest::qWaitForWindowExposed(&suite.menu()));
    QTest::mousePress(widgetNamed<QPushButton>(&suite.menu(), "cmdStart"), Qt::LeftButton);
    bool sawATick = false;
    QTimer::singleShot(450, &suite.menu(), [&] {
      sawATick = textOf(&suite.menu(), "txtStopwatch") != QStringLiteral("0.00  seconds");
      clickOn(&suite.menu(), "cmdExit");
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
    watchdog.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(sawATick);
  }
};

QTEST_MAIN(StopwatchFormTest)
#include "stopwatch_form_test.moc"
