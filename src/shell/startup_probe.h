#pragma once
// For the start-up measurement (bench/startup.py): when KELVARA_EXIT_AFTER_SHOW is set, the
// program prints "shown" and the monotonic clock in nanoseconds once its first window has
// been painted, then ends. Without the variable nothing is installed. Only the bench build's
// program includes it (KELVARA_STARTUP_PROBE).

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace kelvara {

class StartupProbe : public QObject {
 public:
  // Watches window, which must outlive the event loop.
  static void installOn(QWidget& window) {
    if (!qEnvironmentVariableIsSet("KELVARA_EXIT_AFTER_SHOW")) return;
    window.installEventFilter(new StartupProbe(&window));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      // After the paint has been flushed to the screen.
      QTimer::singleShot(0, this, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("shown %lld\n", static_cast<long long>(
                                        std::chrono::duration_cast<std::chrono::nanoseconds>(now)
                                            .count()));
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  explicit StartupProbe(QObject* parent) : QObject(parent) {}
  bool painted_ = false;
};

}  // namespace kelvara
