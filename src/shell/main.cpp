#include <QApplication>
#include <QDate>

#include "fields/qt_dialogs.h"
#include "shell/application.h"
#ifdef KELVARA_STARTUP_PROBE
#include "shell/startup_probe.h"
#endif

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvara"));
  // Hidden pages must not end the program; only Exit or closing a window does.
  QApplication::setQuitOnLastWindowClosed(false);

  kelvara::QtDialogs dialogs;
  kelvara::Application suite(dialogs, kelvara::randomPhotograph(), QDate::currentDate());
#ifdef KELVARA_STARTUP_PROBE
  kelvara::StartupProbe::installOn(suite.menu());
#endif
  suite.start();
  return QApplication::exec();
}
