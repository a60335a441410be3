// The yardstick for the start-up measurement: the least a Qt Widgets program does to put a
// window on the screen, with a label and a button in a layout so that the fonts and the
// widget style load as they do for any form.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "shell/startup_probe.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal"));
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel(QStringLiteral("A label"), &window));
  layout->addWidget(new QPushButton(QStringLiteral("A button"), &window));
  kelvara::StartupProbe::installOn(window);
  window.show();
  return QApplication::exec();
}
