// The processor time a running stopwatch takes: the real menu window, Start pressed with
// the mouse, then the program left alone for a while (10 s, or the seconds given as the
// first argument). Prints the share of one core used meanwhile, from utime + stime.

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

#include "bench/quiet_dialogs.h"
#include "shell/application.h"

namespace {

double processorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const double period = argc > 1 ? std::atof(argv[1]) : 10.0;

  kelvara::bench::QuietDialogs dialogs;
  kelvara::Application suite(dialogs, 0, QDate::currentDate());
  suite.setEndProgram([] {});
  suite.start();
  if (!QTest::qWaitForWindowExposed(&suite.menu())) return 1;
  kelvara::MenuForm& menu = suite.menu();
  const auto named = [&menu](const void* control) {
    const std::string_view name = menu.description().findAt(control)->name;
    return menu.findChild<QWidget*>(QString::fromLatin1(name.data(), name.size()));
  };
  QWidget* start = named(&menu.logic().cmdStart);
  auto* display = static_cast<QLineEdit*>(named(&menu.logic().txtStopwatch));
  QTest::mousePress(start, Qt::LeftButton);
  QTest::mouseRelease(start, Qt::LeftButton);

  const double before = processorSeconds();
  const auto wallBefore = std::chrono::steady_clock::now();
  QTimer::singleShot(static_cast<int>(period * 1000), &application, &QCoreApplication::quit);
  QApplication::exec();
  const double used = processorSeconds() - before;
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();

  std::printf("stopwatch shows \"%s\" after %.2f s\n", qPrintable(display->text()), wall);
  std::printf("processor time %.3f s in %.2f s: %.2f %% of one core\n", used, wall,
              100.0 * used / wall);
  return 0;
}
