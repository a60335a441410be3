#pragma once
// Every window of the suite, opened through the shell as the investigator opens them.

#include <QApplication>
#include <QList>
#include <QTest>
#include <QWidget>

#include "shell/application.h"

namespace kelvara::testing {

// Shows a window in front and waits until it takes the keyboard.
inline bool bringToFront(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// The menu window, then every page the registry knows, each created by its first show and
// hidden again once it has taken the keyboard (a window activated after it was hidden hands
// its focus on, as a hidden control would).
inline QList<QWidget*> everyWindow(Application& suite) {
  QList<QWidget*> windows{&suite.menu()};
  for (const QString& page : suite.pages().names()) {
    QWidget* window = suite.pages().show(page);
    if (!QTest::qWaitForWindowActive(window))
      qWarning("%s never took the keyboard", qPrintable(page));
    window->hide();
    windows << window;
  }
  return windows;
}

}  // namespace kelvara::testing
