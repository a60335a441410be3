// The Range of results window through the real widgets: opened from a page's Analysis menu,
// run on worker threads while the window stays responsive, and cancelled.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "analysis/range_form.h"
#include "shell/application.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class RangeFormTest : public QObject {
  Q_OBJECT

 private:
  RecordingDialogs dialogs_;
  std::unique_ptr<Application> suite_;

  // The flight page with L 15 and h 0, and its range window with the slope from 30° to 60°.
  RangeForm* flightRange(const char* samples) {
    QWidget* page = suite_->pages().show(QStringLiteral("frmFlight"));
    if (!QTest::qWaitForWindowExposed(page)) return nullptr;
    typeInto(page, "txtTheta", "40");
    typeInto(page, "txth", "0");
    typeInto(page, "txtL", "15");
    auto* range = openAnalysis<RangeForm>(page, "mnuRange", "frmRange");
    if (range == nullptr) return nullptr;
    typeInto(range, "txtTheta_low", "30");
    typeInto(range, "txtTheta_high", "60");
    typeInto(range, "txtSamples", samples);
    return range;
  }

 private slots:
  void init() {
    suite_ = std::make_unique<Application>(dialogs_, 0, QDate(2026, 12, 7));
    suite_->setEndProgram([] {});
    suite_->start();
  }
  void cleanup() { suite_.reset(); }

  void boundsFindTheLeastLaunchSpeedNearFortyFiveDegrees() {
    RangeForm* range = flightRange("100000");
    QVERIFY(range != nullptr);
    clickOn(range, "optBounds");
    clickOn(range, "cmdRun");
    QTRY_VERIFY_WITH_TIMEOUT(!range->running(), 20000);
    QTest::qWait(100);
    QCOMPARE(textOf(range, "txtVmph_min").left(6), QStringLiteral("12.131"));  // √(9.81 × 15)
    const QString extremes = range->findChild<QPlainTextEdit*>("txtExtremes")->toPlainText();
    const QRegularExpression least(QStringLiteral("least [0-9.]+ at [^=]+= ([0-9.e+-]+)"));
    const auto match = least.match(extremes);
    QVERIFY2(match.hasMatch(), qPrintable(extremes));
    QVERIFY2(std::abs(match.captured(1).toDouble() - 45.0) < 0.5, qPrintable(extremes));
    QVERIFY(dialogs_.shown.empty());
  }

  void aLongRunLeavesTheWindowResponsiveAndCancelStopsIt() {
    RangeForm* range = flightRange("1000000");
    QVERIFY(range != nullptr);
    clickOn(range, "cmdRun");
    QVERIFY(range->running());
    auto* bar = range->findChild<QProgressBar*>("prgRun");
    QTRY_VERIFY_WITH_TIMEOUT(bar->value() > 0, 5000);  // the window's own loop moves the bar
    QElapsedTimer clock;
    clock.start();
    clickOn(range, "cmdCancel");
    QTRY_VERIFY_WITH_TIMEOUT(!range->running(), 2000);
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(textOf(range, "txtVmph_p50").isEmpty());  // nothing shown from a cancelled run
  }

  // After a Calculate, Newton's boxes all hold figures; the window starts from what was typed.
  void aCalculatedPageIsAnalysedFromTheTextsItsRunBeganWith() {
    QWidget* page = suite_->pages().show(QStringLiteral("frmNewton"));
    QVERIFY(QTest::qWaitForWindowExposed(page));
    typeInto(page, "txtu", "0");
    typeInto(page, "txtA", "2");
    typeInto(page, "txtt", "3");
    clickOn(page, "cmdCalculate");
    auto* range = openAnalysis<RangeForm>(page, "mnuRange", "frmRange");
    QVERIFY(range != nullptr);
    QVERIFY(range->findChild<QLineEdit*>(QStringLiteral("txtv_low")) == nullptr);
    clickOn(range, "optFirstOrder");
    clickOn(range, "cmdRun");
    QTRY_VERIFY_WITH_TIMEOUT(!range->running(), 20000);
    QTest::qWait(100);
    QCOMPARE(textOf(range, "txtv_nominal"), textOf(page, "txtv"));
    QCOMPARE(textOf(range, "txts_nominal"), textOf(page, "txts"));
  }

  void badRangesAreRefusedWithAMessage() {
    RangeForm* range = flightRange("500");
    QVERIFY(range != nullptr);
    clickOn(range, "cmdRun");
    QVERIFY(!range->running());
    QCOMPARE(dialogs_.shown.size(), std::size_t{1});
    QVERIFY(dialogs_.shown.front().lines.front().find("1000 to 1000000") != std::string::npos);
  }
};

QTEST_MAIN(RangeFormTest)
#include "range_form_test.moc"
