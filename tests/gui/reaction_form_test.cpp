#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "human/reaction_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class ReactionFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<ReactionForm> form;

  QLabel* label(const char* name) { return widgetNamed<QLabel>(form.get(), name); }

 private slots:
  void init() {
    host = FakeHost();
    form = std::make_unique<ReactionForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void showsBothTablesReadOnlyInAFixedPitchFont() {
    QCOMPARE(form->objectName(), QStringLiteral("frmReaction"));
    QCOMPARE(label("lblReactionHeading")->text(),
             QStringLiteral("Reaction times: TRRL Laboratory Report 1004, 1981"));
    QCOMPARE(label("lblWalkingHeading")->text(),
             QStringLiteral("Walking Speeds:  Impact, 1, 1, 5, 1990"));
    QCOMPARE(label("lblReactionColumns")->text(),
             QStringLiteral("Age group             15th percentile             median        "
                            "           85th percentile"));
    QCOMPARE(label("lblWalkingColumns")->text(),
             QStringLiteral("    Age    Sample size   15th  percentile        Median           "
                            "        85th percentile"));
    QVERIFY(label("lblReactionRow1")->text().contains(QStringLiteral("1.76 seconds")));
    QVERIFY(QFontInfo(label("lblReactionRow6")->font()).fixedPitch());

    for (int i = 1; i <= 19; ++i) {
      const QByteArray name = "Text" + QByteArray::number(i);
      auto* row = widgetNamed<QLineEdit>(form.get(), name.constData());
      QVERIFY2(row->isReadOnly(), name.constData());
      QVERIFY(QFontInfo(row->font()).fixedPitch());
      // The whole line shows: the box is wide enough for it.
      QVERIFY(row->width() >= row->fontMetrics().horizontalAdvance(row->text()));
    }
    QVERIFY(textOf(form.get(), "Text1").startsWith(QStringLiteral("    2      14")));
    QVERIFY(textOf(form.get(), "Text19").startsWith(QStringLiteral("    65+    67")));
    QVERIFY(textOf(form.get(), "Text19").endsWith(QStringLiteral("1.46")));

    // Typing changes nothing.
    QTest::keyClicks(widgetNamed<QLineEdit>(form.get(), "Text5"), QStringLiteral("9"));
    QVERIFY(textOf(form.get(), "Text5").startsWith(QStringLiteral("    6      76")));
  }

  void pageButtons() {
    QCOMPARE(widgetNamed<QPushButton>(form.get(), "cmdPrint")->text(), QStringLiteral("&Print Form"));
    QCOMPARE(widgetNamed<QPushButton>(form.get(), "Command1")->text(), QStringLiteral("&Menu"));
    QCOMPARE(widgetNamed<QPushButton>(form.get(), "Command2")->text(), QStringLiteral("E&xit"));
    clickOn(form.get(), "cmdPrint");
    QCOMPARE(host.printed, form.get());
    clickOn(form.get(), "Command1");
    QCOMPARE(host.menuShown, 1);
    QVERIFY(!form->isVisible());
    form->show();
    clickOn(form.get(), "Command2");
    QCOMPARE(host.programEnded, 1);
    form->close();
    QCOMPARE(host.programEnded, 2);
    QVERIFY(dialogs.shown.empty());
  }
};

QTEST_MAIN(ReactionFormTest)
#include "reaction_form_test.moc"
