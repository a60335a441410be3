// The keyboard through every window of the suite: access keys with ALT and the Tab order.

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "shell/application.h"
#include "support/every_window.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

// One "&" access key of a window and what carries it.
struct AccessKey {
  Qt::Key key;
  QObject* owner;
};

Qt::Key accessKeyOf(const QString& caption) {
  const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
  return mnemonic.isEmpty() ? Qt::Key_unknown : mnemonic[0].key();
}

QString nameOf(const QObject* owner) {
  return owner->objectName().isEmpty() ? owner->property("text").toString() : owner->objectName();
}

// Buttons, option buttons and check boxes; labels that name a buddy; the menu bar's entries.
QList<AccessKey> accessKeysOf(QWidget* window) {
  QList<AccessKey> keys;
  const auto add = [&keys](const QString& caption, QObject* owner) {
    const Qt::Key key = accessKeyOf(caption);
    if (key != Qt::Key_unknown) keys.append({key, owner});
  };
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
    add(button->text(), button);
  for (QLabel* label : window->findChildren<QLabel*>())
    if (label->buddy() != nullptr) add(label->text(), label);
  if (auto* main = qobject_cast<QMainWindow*>(window))
    for (QAction* entry : main->menuBar()->actions()) add(entry->text(), entry);
  return keys;
}

QMap<Qt::Key, QStringList> keysByLetter(QWidget* window) {
  QMap<Qt::Key, QStringList> owners;
  for (const AccessKey& key : accessKeysOf(window)) owners[key.key] << nameOf(key.owner);
  for (QStringList& names : owners) names.sort();
  return owners;
}

// The letters the motorcycle and pole calculators both use, each with its own button.
const QMap<Qt::Key, QStringList> kCycleRepeats{{Qt::Key_B, {"cmdClear", "cmdClear2"}},
                                               {Qt::Key_M, {"cmdMenu", "cmdMenu2"}},
                                               {Qt::Key_X, {"cmdExit", "cmdExit2"}}};

bool isCommand(const QWidget* widget) {
  return qobject_cast<const QPushButton*>(widget) != nullptr;
}

QRect placeOf(QWidget* widget) {
  return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// next is read after previous: on the same line to its right, on a later line, or at the top
// of a column further right.
bool readsAfter(QWidget* previous, QWidget* next) {
  const QRect a = placeOf(previous);
  const QRect b = placeOf(next);
  const bool leftOfIt = b.right() < a.left() && b.top() <= a.bottom();
  const bool aboveIt = b.bottom() < a.top() && b.left() <= a.right();
  return !leftOfIt && !aboveIt;
}

// What takes the Tab key in the window as it stands.
QList<QWidget*> tabStops(QWidget* window) {
  QList<QWidget*> stops;
  for (QWidget* widget : window->findChildren<QWidget*>())
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window) &&
        widget->isEnabled())
      stops << widget;
  return stops;
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private:
  RecordingDialogs dialogs_;
  std::unique_ptr<Application> suite_;
  int ended_ = 0;
  QStringList printed_;

  void press(QWidget* window, Qt::Key key) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window;
    QTest::keyClick(target, key, Qt::AltModifier);
  }

  // Presses a key carried by one control and checks that it does what that control does.
  void checkKey(QWidget* window, Qt::Key key, QObject* owner) {
    const QString where = window->objectName() + '.' + nameOf(owner) + ' ' +
                          QKeySequence(key | Qt::AltModifier).toString();
    QVERIFY2(bringToFront(window), qPrintable(where));
    if (auto* button = qobject_cast<QAbstractButton*>(owner)) {
      if (!button->isVisibleTo(window) || !button->isEnabled()) return;
      QSignalSpy clicked(button, &QAbstractButton::clicked);
      press(window, key);
      QTRY_VERIFY2(clicked.count() == 1, qPrintable(where));
    } else if (auto* label = qobject_cast<QLabel*>(owner)) {
      press(window, key);
      QVERIFY2(label->buddy()->hasFocus(), qPrintable(where));
    } else if (auto* entry = qobject_cast<QAction*>(owner)) {
      if (QMenu* menu = entry->menu()) {
        press(window, key);
        QTRY_VERIFY2(menu->isVisible(), qPrintable(where));
        menu->close();
      } else {
        QSignalSpy triggered(entry, &QAction::triggered);
        press(window, key);
        QTRY_VERIFY2(triggered.count() == 1, qPrintable(where));
      }
    }
  }

 private slots:
  void init() {
    dialogs_.clear();
    ended_ = 0;
    printed_.clear();
    suite_ = std::make_unique<Application>(dialogs_, 0, QDate(2026, 12, 7));
    suite_->setEndProgram([this] { ++ended_; });
    // No printer and no file: Print Form asks and is cancelled.
    suite_->printService().setDefaultPrinter([] { return QString(); });
    suite_->printService().setAskForPdfFile([this](QWidget& window, const QString&) {
      printed_ << window.objectName();
      return QString();
    });
    suite_->start();
  }
  void cleanup() { suite_.reset(); }

  void noWindowUsesALetterTwice() {
    QStringList repeats;
    for (QWidget* window : everyWindow(*suite_)) {
      const QMap<Qt::Key, QStringList> owners = keysByLetter(window);
      for (auto letter = owners.begin(); letter != owners.end(); ++letter) {
        if (letter.value().size() < 2) continue;
        if (window->objectName() == "frmCycle" &&
            kCycleRepeats.value(letter.key()) == letter.value())
          continue;
        repeats << window->objectName() + ": " + QKeySequence(letter.key()).toString() + " on " +
                       letter.value().join(", ");
      }
      // Within each drop-down menu of the menu bar.
      for (QMenu* menu : window->findChildren<QMenu*>()) {
        QMap<Qt::Key, QStringList> items;
        for (QAction* item : menu->actions())
          if (accessKeyOf(item->text()) != Qt::Key_unknown)
            items[accessKeyOf(item->text())] << nameOf(item);
        for (auto letter = items.begin(); letter != items.end(); ++letter)
          if (letter.value().size() > 1)
            repeats << window->objectName() + '.' + menu->objectName() + ": " +
                           letter.value().join(", ");
      }
    }
    QVERIFY2(repeats.isEmpty(), qPrintable(repeats.join("; ")));
  }

  // Alt with the letter presses the button, toggles the option or check box, focuses the box
  // a label names, or opens the menu.
  void everyAccessKeyDoesWhatItNames() {
    for (QWidget* window : everyWindow(*suite_)) {
      const QMap<Qt::Key, QStringList> owners = keysByLetter(window);
      for (const AccessKey& key : accessKeysOf(window))
        if (owners.value(key.key).size() == 1) checkKey(window, key.key, key.owner);
    }
    // The print buttons asked for a file (Exit ended nothing: the tests keep the program).
    QVERIFY(printed_.contains("frmNewton"));
    QVERIFY(printed_.contains("frmDiagram"));
    QVERIFY(ended_ > 0);
  }

  // A letter the two calculators share goes to each of its buttons in turn and presses none:
  // the investigator then presses the one with the focus.
  void aSharedLetterOnlyMovesTheFocus() {
    QWidget* cycle = suite_->pages().show("frmCycle");
    QVERIFY(bringToFront(cycle));
    for (auto letter = kCycleRepeats.begin(); letter != kCycleRepeats.end(); ++letter) {
      QList<QSignalSpy*> spies;
      QStringList focused;
      for (const QString& name : letter.value())
        spies << new QSignalSpy(cycle->findChild<QAbstractButton*>(name),
                                &QAbstractButton::clicked);
      for (int i = 0; i < 2; ++i) {
        press(cycle, letter.key());
        focused << QApplication::focusWidget()->objectName();
      }
      focused.sort();
      QCOMPARE(focused, letter.value());
      QTest::qWait(150);  // longer than an access key's animated click
      for (QSignalSpy* spy : spies) {
        QCOMPARE(spy->count(), 0);
        delete spy;
      }
    }
    QCOMPARE(ended_, 0);
  }

  // Tab goes once round every control in the order the page is read, the boxes, options and
  // scroll bars first and the command buttons after them; a page opens with the focus in its
  // first box.
  void tabFollowsTheVisualOrderInputsFirst() {
    for (QWidget* window : everyWindow(*suite_)) {
      const QString page = window->objectName();
      QVERIFY2(bringToFront(window), qPrintable(page));
      QWidget* start = QApplication::focusWidget();
      QVERIFY2(start != nullptr, qPrintable(page));
      QList<QWidget*> cycle{start};
      for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == start) break;
        cycle << QApplication::focusWidget();
      }
      QCOMPARE(QApplication::focusWidget(), start);

      QList<QWidget*> stops = tabStops(window);
      QCOMPARE(QSet<QWidget*>(cycle.begin(), cycle.end()),
               QSet<QWidget*>(stops.begin(), stops.end()));
      QCOMPARE(cycle.size(), stops.size());

      // From the first input after the commands.
      qsizetype first = 0;
      for (qsizetype i = 0; i < cycle.size(); ++i)
        if (!isCommand(cycle[i]) && isCommand(cycle[(i + cycle.size() - 1) % cycle.size()]))
          first = i;
      std::rotate(cycle.begin(), cycle.begin() + first, cycle.end());
      if (page != "frmMenu" && !isCommand(cycle.front()))
        QVERIFY2(start == cycle.front(), qPrintable(page + " opens on " + start->objectName()));

      bool commands = false;
      for (qsizetype i = 0; i < cycle.size(); ++i) {
        QVERIFY2(!commands || isCommand(cycle[i]),
                 qPrintable(page + ": " + cycle[i]->objectName() + " after the commands"));
        if (i > 0 && isCommand(cycle[i - 1]) == isCommand(cycle[i]))
          QVERIFY2(readsAfter(cycle[i - 1], cycle[i]),
                   qPrintable(page + ": " + cycle[i]->objectName() + " after " +
                              cycle[i - 1]->objectName()));
        commands = commands || isCommand(cycle[i]);
      }
    }
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
