// What a screen reader says for the inputs of every window of the suite.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "shell/application.h"
#include "support/every_window.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

QString spokenName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible == nullptr ? QString() : accessible->text(QAccessible::Name);
}

bool isInput(const QWidget* widget) {
  if (qobject_cast<const QAbstractButton*>(widget) != nullptr)
    return widget->inherits("QRadioButton") || widget->inherits("QCheckBox");
  return qobject_cast<const QLineEdit*>(widget) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
         qobject_cast<const QAbstractSlider*>(widget) != nullptr;
}

bool partOfAScrollArea(const QWidget* widget, const QWidget* window) {
  for (const QWidget* part = widget->parentWidget(); part != window; part = part->parentWidget())
    if (qobject_cast<const QAbstractScrollArea*>(part) != nullptr) return true;
  return false;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private:
  RecordingDialogs dialogs_;
  std::unique_ptr<Application> suite_;

  QWidget* page(const char* name) {
    QWidget* window = suite_->pages().show(QString::fromLatin1(name));
    return QTest::qWaitForWindowExposed(window) ? window : nullptr;
  }

 private slots:
  void init() {
    suite_ = std::make_unique<Application>(dialogs_, 0, QDate(2026, 12, 7));
    suite_->setEndProgram([] {});
    suite_->start();
  }
  void cleanup() { suite_.reset(); }

  // Boxes, option buttons, check boxes and scroll bars, shown or hidden: none is left for the
  // screen reader to call by its type alone.
  void everyInputOfEveryWindowHasAName() {
    QStringList unnamed;
    int inputs = 0;
    for (QWidget* window : everyWindow(*suite_))
      for (QWidget* widget : window->findChildren<QWidget*>()) {
        // The scroll bars inside a multi-line box or a table are its own.
        if (!isInput(widget) || partOfAScrollArea(widget, window)) continue;
        ++inputs;
        const QString name = spokenName(widget);
        if (name.trimmed().isEmpty() || name == widget->objectName())
          unnamed << window->objectName() + '.' + widget->objectName();
      }
    QVERIFY2(unnamed.isEmpty(), qPrintable("no name for " + unnamed.join(", ")));
    QVERIFY(inputs > 200);
  }

  // The name is the label beside the box as it reads, without its layout blanks; an option
  // button says its own caption without the access key's mark.
  void namesReadAsTheLabelsBesideThem() {
    QWidget* newton = page("frmNewton");
    QCOMPARE(spokenName(widgetNamed<QWidget>(newton, "txts")),
             QStringLiteral("Distance s: metres"));
    QWidget* menu = &suite_->menu();
    QCOMPARE(spokenName(widgetNamed<QWidget>(menu, "optNewton")),
             QStringLiteral("Newton's Equations"));
    QCOMPARE(spokenName(widgetNamed<QWidget>(menu, "txtMinutes")), QStringLiteral("Minutes"));
  }

  // A label whose caption a handler changes renames its box.
  void aNameFollowsItsLabel() {
    QWidget* momentum = page("frmMomentum");
    QWidget* speed = widgetNamed<QWidget>(momentum, "txtPostimpactspeedB");
    QCOMPARE(spokenName(speed), QStringLiteral("Post-impact speed of vehicle 2 mph"));
    clickOption(momentum, "optMperS");
    QVERIFY2(spokenName(speed).endsWith(QStringLiteral("m/s")), qPrintable(spokenName(speed)));
    clickOption(momentum, "optMph");
    QCOMPARE(spokenName(speed), QStringLiteral("Post-impact speed of vehicle 2 mph"));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
