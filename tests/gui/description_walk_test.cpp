// Every page's window against its logic's description: each described control stands in
// the window under its name as a widget of its kind, with the words that name it, and every
// named widget of the window is described.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <memory>

#include "fields/page_window.h"
#include "shell/application.h"
#include "shell/page_logics.h"
#include "support/every_window.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

QString text(std::string_view view) {
  return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// The widget or menu entry that stands for a control of this kind, or what is wrong.
QString kindProblem(QObject* object, ControlKind kind) {
  if (object == nullptr) return QStringLiteral("missing");
  bool right = false;
  switch (kind) {
    case ControlKind::TextBox: right = qobject_cast<QLineEdit*>(object) != nullptr; break;
    case ControlKind::TextArea: right = qobject_cast<QPlainTextEdit*>(object) != nullptr; break;
    case ControlKind::Label: right = qobject_cast<QLabel*>(object) != nullptr; break;
    case ControlKind::Button: right = qobject_cast<QPushButton*>(object) != nullptr; break;
    case ControlKind::Option: right = qobject_cast<QRadioButton*>(object) != nullptr; break;
    case ControlKind::CheckBox: right = qobject_cast<QCheckBox*>(object) != nullptr; break;
    case ControlKind::ScrollBar: right = qobject_cast<QScrollBar*>(object) != nullptr; break;
    case ControlKind::Picture: right = object->isWidgetType(); break;
    case ControlKind::Menu: right = qobject_cast<QMenu*>(object) != nullptr; break;
    case ControlKind::MenuItem: right = qobject_cast<QAction*>(object) != nullptr; break;
  }
  return right ? QString() : QStringLiteral("a %1").arg(object->metaObject()->className());
}

// What names an input or result to a person: its screen-reader name, or for an option or
// check box with a caption of its own, that caption without its access key.
QString spokenWords(QWidget* widget) {
  if (!widget->accessibleName().isEmpty()) return widget->accessibleName();
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    return button->text().remove(QLatin1Char('&'));
  return {};
}

}  // namespace

class DescriptionWalkTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPageIsItsDescription() {
    RecordingDialogs dialogs;
    Application suite(dialogs, 0, QDate(2026, 12, 7));
    suite.setEndProgram([] {});
    suite.start();
    QStringList problems;
    QSet<QString> described;
    for (QWidget* window : everyWindow(suite)) {
      auto* page = qobject_cast<PageWindow*>(window);
      if (page == nullptr || page->description().page.empty()) continue;
      const PageDescription& description = page->description();
      const QString where = window->objectName() + QLatin1Char('.');
      described << window->objectName();
      QSet<QString> names;
      for (const ControlDescription& control : description.controls) {
        const QString name = text(control.name);
        if (names.contains(name)) problems << where + name + " described twice";
        names << name;
        QObject* object = control.kind == ControlKind::MenuItem
                              ? static_cast<QObject*>(window->findChild<QAction*>(name))
                              : window->findChild<QWidget*>(name);
        if (const QString wrong = kindProblem(object, control.kind); !wrong.isEmpty()) {
          problems << where + name + ": " + wrong;
          continue;
        }
        const QString spoken = object->isWidgetType() ? spokenWords(static_cast<QWidget*>(object))
                                                       : QString();
        if (!control.words.empty() && spoken != text(control.words))
          problems << where + name + " is named \"" + spoken + "\", described as \"" +
                          text(control.words) + "\"";
        if (control.role == Role::Fixed && control.kind == ControlKind::TextBox &&
            !static_cast<QLineEdit*>(object)->isReadOnly())
          problems << where + name + " shows a fixed text but can be typed into";
        // Boxes and bars have no caption of their own: the description must name them.
        const bool captionless =
            control.kind == ControlKind::TextBox || control.kind == ControlKind::ScrollBar;
        if (captionless && control.role != Role::Fixed && control.words.empty())
          problems << where + name + " has no words to name it";
      }
      // Every named widget and menu entry of the window is described (a menu's own entry
      // on the menu bar carries the menu's name).
      QList<QObject*> named;
      for (QWidget* widget : window->findChildren<QWidget*>()) named << widget;
      for (QAction* action : window->findChildren<QAction*>()) named << action;
      for (QObject* object : named) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            name.startsWith(QLatin1Char('_')))
          continue;
        // The analyses the window itself adds to a calculator page.
        const bool analysis = name == QLatin1String("mnuAnalysis") ||
                              name == QLatin1String("mnuRange") ||
                              name == QLatin1String("mnuSheet");
        if (!names.contains(name) && !analysis) problems << where + name + " is not described";
      }
      for (const Calculation& calculation : description.calculations)
        if (calculation.handlers.empty() || calculation.results.empty())
          problems << where + text(calculation.name) + " runs or writes nothing";
    }
    // Every page logic has a window, and every calculator window a description.
    for (std::string_view page : pageLogicNames())
      if (!described.contains(text(page))) problems << text(page) + " has no described window";
    QVERIFY2(described.size() >= 18, qPrintable(QString::number(described.size())));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(DescriptionWalkTest)
#include "description_walk_test.moc"
