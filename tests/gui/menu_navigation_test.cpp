// The menu window and navigation through the real widgets.

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSvgWidget>
#include <QTest>

#include "fields/page_window.h"
#include "shell/application.h"
#include "shell/menu_form.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class MenuNavigationTest : public QObject {
  Q_OBJECT

 private:
  RecordingDialogs dialogs_;
  std::unique_ptr<Application> suite_;
  int ended_ = 0;

  QWidget* menu() { return &suite_->menu(); }
  QWidget* visiblePage() {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible() && window != menu() && qobject_cast<PageWindow*>(window))
        return window;
    return nullptr;
  }
  void backToMenu(QWidget* page) { static_cast<PageWindow*>(page)->returnToMenu(); }

 private slots:
  void init() {
    dialogs_.clear();
    ended_ = 0;
    suite_ = std::make_unique<Application>(dialogs_, 1, QDate(2026, 12, 7));
    suite_->setEndProgram([this] { ++ended_; });
    suite_->start();
    QVERIFY(QTest::qWaitForWindowExposed(menu()));
  }
  void cleanup() { suite_.reset(); }

  void namesEveryControl() {
    QCOMPARE(menu()->objectName(), QStringLiteral("frmMenu"));
    for (const char* name : {"cmdOK", "cmdExit", "cmdStart", "cmdStop", "cmdReset"})
      QVERIFY2(menu()->findChild<QAbstractButton*>(name), name);
    for (const char* name : {"txtDate", "txtStopwatch", "txtMinutes", "txtSeconds"})
      QVERIFY2(menu()->findChild<QLineEdit*>(name), name);
    for (const char* name : {"lbl1", "lbl2", "lblToday", "Label1", "lblAuthor", "lblAlarm"})
      QVERIFY2(menu()->findChild<QLabel*>(name), name);
    for (const auto& entry : kMenuEntries) {
      auto* option = menu()->findChild<QRadioButton*>(entry.option);
      QVERIFY2(option, entry.option);
      QCOMPARE(option->text(), QString::fromLatin1(entry.caption));
    }
    for (const char* name :
         {"mnuHelp", "mnuAuthor", "mnuAbout", "mnuInformation", "mnuInstructions", "mnuVersion"})
      QVERIFY2(menu()->findChild<QAction*>(name), name);
    QCOMPARE(textOf(menu(), "txtStopwatch"), QStringLiteral("0.00  seconds"));
    QCOMPARE(widgetNamed<QLabel>(menu(), "lblAlarm")->text(), QStringLiteral("Set alarm to sound after "));
  }

  void showsOnePhotographAndTodaysDate() {
    QVERIFY(!widgetNamed<QSvgWidget>(menu(), "Pic(0)")->isVisible());
    QVERIFY(widgetNamed<QSvgWidget>(menu(), "Pic(1)")->isVisible());
    QVERIFY(!widgetNamed<QSvgWidget>(menu(), "Pic(2)")->isVisible());
    QCOMPARE(widgetNamed<QLabel>(menu(), "Label1")->text(),
             QString::fromLatin1(MenuPage::photographCaption(1)));
    const QLocale locale = QLocale::system();
    QCOMPARE(textOf(menu(), "txtDate"),
             locale.dayName(1) + ",7 " + locale.monthName(12) + ", 2026");
  }

  void returnAtStartOpensNewtonAndMenuComesBack() {
    QVERIFY(widgetNamed<QRadioButton>(menu(), "optNewton")->isChecked());
    QTest::keyClick(menu(), Qt::Key_Return);
    QWidget* page = visiblePage();
    QVERIFY(page);
    QCOMPARE(page->objectName(), QStringLiteral("frmNewton"));
    QVERIFY(!menu()->isVisible());
    backToMenu(page);
    QVERIFY(menu()->isVisible());
    QVERIFY(!page->isVisible());
    QVERIFY(widgetNamed<QRadioButton>(menu(), "optNewton")->isChecked());
  }

  void everyEntryOpensItsPageOnce() {
    for (const auto& entry : kMenuEntries) {
      clickOption(menu(), entry.option);
      clickOn(menu(), "cmdOK");
      QWidget* page = visiblePage();
      QVERIFY2(page, entry.option);
      QCOMPARE(page->objectName(), QString::fromLatin1(entry.page));
      QVERIFY(!page->windowTitle().isEmpty());
      QCOMPARE(suite_->pages().existing(QString::fromLatin1(entry.page)), page);
      backToMenu(page);
      QVERIFY(widgetNamed<QRadioButton>(menu(), entry.option)->isChecked());
    }
    // The motorcycle and pole entries share one window.
    QCOMPARE(suite_->pages().existing("frmCycle"), suite_->pages().existing("frmCycle"));
    QCOMPARE(ended_, 0);
  }

  void doubleClickOpensAtOnce() {
    auto* sideSlip = widgetNamed<QRadioButton>(menu(), "optSideSlip");
    QTest::mouseDClick(sideSlip, Qt::LeftButton, {}, QPoint(6, sideSlip->height() / 2));
    QWidget* page = visiblePage();
    QVERIFY(page);
    QCOMPARE(page->objectName(), QStringLiteral("frmSideSlip"));
    QVERIFY(!menu()->isVisible());
  }

  void closingAnyWindowOrExitEndsTheProgram() {
    QTest::keyClick(menu(), Qt::Key_Return);
    QWidget* page = visiblePage();
    QVERIFY(page);
    page->close();
    QCOMPARE(ended_, 1);
    menu()->close();
    QCOMPARE(ended_, 2);
    clickOn(menu(), "cmdExit");
    QCOMPARE(ended_, 3);
  }

  void helpMenuHoldsItsItemsInOrder() {
    auto* help = menu()->findChild<QMenu*>(QStringLiteral("mnuHelp"));
    QVERIFY(help);
    QCOMPARE(help->title(), QStringLiteral("Help"));
    QStringList names;
    QStringList captions;
    for (const QAction* item : help->actions()) {
      names << item->objectName();
      captions << item->text();
    }
    QCOMPARE(names, (QStringList{"mnuAuthor", "mnuAbout", "mnuInformation", "mnuInstructions",
                                 "mnuVersion", "mnuCheckFigures"}));
    QCOMPARE(captions, (QStringList{"Author", "About", "Information", "Instructions", "Version",
                                    "Check figures"}));
  }

  void helpInstructionsShowNineLines() {
    widgetNamed<QAction>(menu(), "mnuInstructions")->trigger();
    QCOMPARE(dialogs_.shown.size(), std::size_t(1));
    QCOMPARE(dialogs_.shown[0].lines.size(), std::size_t(9));
    QCOMPARE(dialogs_.shown[0].title, std::string("Kelvara"));
  }
};

QTEST_MAIN(MenuNavigationTest)
#include "menu_navigation_test.moc"
