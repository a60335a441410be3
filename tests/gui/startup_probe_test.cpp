// The start-up measurement's hook: nothing without its variable; with it, the program ends
// once its window has been painted.

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "shell/startup_probe.h"

using namespace kelvara;

class StartupProbeTest : public QObject {
  Q_OBJECT

 private slots:
  void withoutTheVariableNothingIsInstalled() {
    qunsetenv("KELVARA_EXIT_AFTER_SHOW");
    QLabel window(QStringLiteral("window"));
    const auto before = window.children().size();
    StartupProbe::installOn(window);
    QCOMPARE(window.children().size(), before);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
    QVERIFY(window.isVisible());
  }

  void withTheVariableTheEventLoopEndsAfterTheFirstPaint() {
    qputenv("KELVARA_EXIT_AFTER_SHOW", "1");
    QLabel window(QStringLiteral("window"));
    StartupProbe::installOn(window);
    qunsetenv("KELVARA_EXIT_AFTER_SHOW");
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [&timedOut] {
      timedOut = true;
      QCoreApplication::quit();
    });
    guard.start(5000);
    window.show();
    QCoreApplication::exec();
    QVERIFY(!timedOut);
  }
};

QTEST_MAIN(StartupProbeTest)
#include "startup_probe_test.moc"
