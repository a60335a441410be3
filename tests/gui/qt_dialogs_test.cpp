// Messages appear as real modal boxes titled Kelvara and return the button pressed.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "fields/qt_dialogs.h"

using namespace kelvara;

class QtDialogsTest : public QObject {
  Q_OBJECT

  struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool modal = false;
  };

  // Answers the next message box with button, noting what it showed.
  static void answerNextBox(QMessageBox::StandardButton button, Seen& seen) {
    QTimer::singleShot(0, [button, &seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
              box->isModal()};
      box->button(button)->click();
    });
  }

 private slots:
  void okBoxJoinsLinesWithoutIcon() {
    QtDialogs dialogs;
    Seen seen;
    answerNextBox(QMessageBox::Ok, seen);
    const int answer = dialogs.show(Message{{"You need 3 values before a calculation can be made",
                                             "Try again."}});
    QCOMPARE(answer, Answer::Ok);
    QCOMPARE(seen.title, QStringLiteral("Kelvara"));
    QCOMPARE(seen.text,
             QStringLiteral("You need 3 values before a calculation can be made\nTry again."));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(seen.modal);
  }

  void yesNoQuestionReturnsTheAnswer() {
    QtDialogs dialogs;
    Seen seen;
    const Message question{{"Is summer time in force?"}, MessageCode::YesNo + MessageCode::Question,
                           "Summer time"};
    answerNextBox(QMessageBox::No, seen);
    QCOMPARE(dialogs.show(question), Answer::No);
    QCOMPARE(seen.title, QStringLiteral("Summer time"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    answerNextBox(QMessageBox::Yes, seen);
    QCOMPARE(dialogs.show(question), Answer::Yes);
  }

  void iconsFollowTheCode() {
    QtDialogs dialogs;
    Seen seen;
    const std::pair<int, QMessageBox::Icon> rows[] = {{MessageCode::Critical, QMessageBox::Critical},
                                                      {MessageCode::Exclamation, QMessageBox::Warning},
                                                      {MessageCode::Information, QMessageBox::Information}};
    for (const auto& [code, icon] : rows) {
      answerNextBox(QMessageBox::Ok, seen);
      dialogs.show(Message{{"Warning!"}, code});
      QCOMPARE(seen.icon, icon);
    }
  }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
