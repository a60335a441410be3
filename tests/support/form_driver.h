#pragma once
// Drives a form through its real widgets, found by objectName, as an investigator would.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QString>
#include <QTest>
#include <QWidget>
#include <stdexcept>

namespace kelvara::testing {

template <class Widget>
Widget* widgetNamed(QWidget* root, const char* name) {
  auto* widget = root->findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) throw std::logic_error(std::string("no widget named ") + name);
  return widget;
}

// Replaces a box's text by typing into it.
inline void typeInto(QWidget* root, const char* box, const QString& text) {
  auto* edit = widgetNamed<QLineEdit>(root, box);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

inline QString textOf(QWidget* root, const char* box) {
  return widgetNamed<QLineEdit>(root, box)->text();
}

inline void clickOn(QWidget* root, const char* button) {
  QTest::mouseClick(widgetNamed<QAbstractButton>(root, button), Qt::LeftButton);
}

// Clicks an option button or check box on its indicator: a click beside a short caption
// misses the button, as it would for the investigator.
inline void clickOption(QWidget* root, const char* option) {
  auto* button = widgetNamed<QAbstractButton>(root, option);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// The window a page's Analysis menu item opens (mnuRange: frmRange, mnuSheet: frmSheet): the
// shown window of that name whose title ends with the page's.
template <class Window>
Window* openAnalysis(QWidget* page, const char* item, const char* window) {
  page->findChild<QAction*>(QString::fromLatin1(item))->trigger();
  for (QWidget* shown : QApplication::topLevelWidgets())
    if (shown->objectName() == QLatin1String(window) && shown->isVisible() &&
        shown->windowTitle().endsWith(page->windowTitle()))
      return static_cast<Window*>(shown);
  return nullptr;
}

}  // namespace kelvara::testing
