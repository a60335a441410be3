#include <QApplication>
#include <QDate>

#include "fields/qt_dialogs.h"
#include "shell/application.h"
#include "shell/startup_probe.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvara"));
  // Hidden pages must not end the program; only Exit or closing a window does.
  QApplication::setQuitOnLastWindowClosed(false);

  kelvara::QtDialogs dialogs;
  kelvara::Application suite(dialogs, kelvara::randomPhotograph(), QDate::currentDate());
  kelvara::StartupProbe::installOn(suite.menu());
  suite.start();
  return QApplication::exec();
}
