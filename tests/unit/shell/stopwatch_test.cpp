// The stopwatch on the menu window, driven by a clock the tests move by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/menu_page.h"
#include "shell/timer_state.h"
#include "support/counting_beeper.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

class StopwatchTest : public ::testing::Test {
 protected:
  // Serves the timer as the window's one-shot timer does: the clock jumps to each step
  // time in turn and the step is taken there.
  void runUntil(TimerState::Milliseconds until) {
    while (page.myTimer.running() && now + page.myTimer.untilNextStep() <= until) {
      now += page.myTimer.untilNextStep();
      page.myTimer.tick();
      shown.push_back(page.txtStopwatch.text);
    }
    now = until;
  }
  void startAt(TimerState::Milliseconds at) {
    now = at;
    page.cmdStart_MouseDown();
  }
  void stopAt(TimerState::Milliseconds at) {
    runUntil(at);
    page.cmdStop_MouseDown();
  }

  TimerState::Milliseconds now = 0;
  testing::RecordingDialogs dialogs;
  testing::CountingBeeper beeper;
  MenuPage page{dialogs, beeper, [this] { return now; }, 0, ""};
  std::vector<std::string> shown;  // the display after each step of the timer
};

TEST(StopwatchDisplay, HundredthsWithTwoDigitsAndTwoBlanks) {
  EXPECT_EQ(TimerState::displayText(0), "0.00  seconds");
  EXPECT_EQ(TimerState::displayText(5), "0.05  seconds");
  EXPECT_EQ(TimerState::displayText(510), "5.10  seconds");
  EXPECT_EQ(TimerState::displayText(360000), "3600.00  seconds");
}

TEST_F(StopwatchTest, StartShowsNothingUntilTheFirstTickAHundredMillisecondsLater) {
  startAt(7000);
  EXPECT_FALSE(page.cmdReset.enabled);
  EXPECT_TRUE(page.cmdStart.enabled);
  EXPECT_TRUE(page.cmdStop.enabled);
  EXPECT_EQ(page.myTimer.untilNextStep(), 100);
  now = 7099;
  page.myTimer.tick();
  EXPECT_EQ(page.txtStopwatch.text, "0.00  seconds");
  EXPECT_EQ(page.myTimer.untilNextStep(), 1);
  runUntil(7100);
  EXPECT_EQ(shown, std::vector<std::string>{"0.10  seconds"});
}

TEST_F(StopwatchTest, EveryTickShowsItsOwnTenthExactly) {
  startAt(123);
  runUntil(123 + 10000);
  ASSERT_EQ(shown.size(), 100u);
  for (std::size_t k = 1; k <= shown.size(); ++k)
    EXPECT_EQ(shown[k - 1], TimerState::displayText(static_cast<std::int64_t>(k * 10)));
  EXPECT_EQ(shown[50], "5.10  seconds");
}

TEST_F(StopwatchTest, AlarmAtFiveSecondsBeepsTwentyNineTimes) {
  page.txtMinutes.text = "0";
  page.txtSeconds.text = "5";
  startAt(0);
  std::vector<std::string> beepedAt;
  while (now < 10000) {
    const int before = beeper.beeps;
    runUntil(now + page.myTimer.untilNextStep());
    if (beeper.beeps != before) beepedAt.push_back(page.txtStopwatch.text);
  }
  EXPECT_EQ(beeper.beeps, 29);
  EXPECT_EQ(beepedAt.front(), "5.10  seconds");
  EXPECT_EQ(beepedAt.back(), "7.90  seconds");
}

TEST_F(StopwatchTest, AlarmReadsItsBoxesAtEachUpdate) {
  struct Row {
    const char* minutes;
    const char* seconds;
    int beeps;  // over a run of 80 s
  };
  const Row rows[] = {{"0", "0", 0}, {"", "", 0}, {"x", "5", 29},  {"1", "0", 29},
                      {"1", "-60", 0}, {"0.5", "", 29}, {"1e400", "0", 0}};
  for (const auto& row : rows) {
    beeper.beeps = 0;
    page.txtMinutes.text = row.minutes;
    page.txtSeconds.text = row.seconds;
    startAt(now);
    runUntil(now + 80000);
    EXPECT_EQ(beeper.beeps, row.beeps) << row.minutes << " min " << row.seconds << " s";
  }
}

TEST_F(StopwatchTest, StopShowsTheTimeRoundedAndBeepsOnce) {
  startAt(0);
  stopAt(5035);
  EXPECT_EQ(shown.back(), "5.00  seconds");
  EXPECT_EQ(page.txtStopwatch.text, "5.04  seconds");
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(page.cmdReset.enabled);
  EXPECT_FALSE(page.myTimer.running());
  runUntil(20000);
  EXPECT_EQ(page.txtStopwatch.text, "5.04  seconds");

  // The final time passes through the alarm too.
  page.txtSeconds.text = "5";
  startAt(30000);
  stopAt(30000 + 7995);
  EXPECT_EQ(page.txtStopwatch.text, "8.00  seconds");
  const int runBeeps = 29;
  EXPECT_EQ(beeper.beeps, 1 + runBeeps + 1);
  startAt(50000);
  stopAt(50000 + 7994);
  EXPECT_EQ(page.txtStopwatch.text, "7.99  seconds");
  EXPECT_EQ(beeper.beeps, 2 + 2 * runBeeps + 2);
}

TEST_F(StopwatchTest, StopBeforeAnyStartOnlyBeepsAndEnablesReset) {
  page.cmdReset.enabled = false;
  page.cmdStop_MouseDown();
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(page.cmdReset.enabled);
  runUntil(5000);
  page.myTimer.tick();
  EXPECT_EQ(page.txtStopwatch.text, "0.00  seconds");
  EXPECT_TRUE(shown.empty());

  // An earlier Stop does not end the next run.
  startAt(6000);
  runUntil(6200);
  EXPECT_EQ(shown, (std::vector<std::string>{"0.10  seconds", "0.20  seconds"}));
}

TEST_F(StopwatchTest, StartDuringARunStartsAgainFromZero) {
  page.txtSeconds.text = "2";
  startAt(0);
  runUntil(3050);
  const int firstRunBeeps = beeper.beeps;
  EXPECT_EQ(firstRunBeeps, 10);  // 2.10 to 3.00
  startAt(3050);
  EXPECT_EQ(page.txtStopwatch.text, "3.00  seconds");
  runUntil(3149);
  EXPECT_EQ(page.txtStopwatch.text, "3.00  seconds");
  runUntil(3150);
  EXPECT_EQ(page.txtStopwatch.text, "0.10  seconds");
  runUntil(3050 + 2500);
  EXPECT_EQ(beeper.beeps, firstRunBeeps + 5);  // the new run's 2.10 to 2.50
  stopAt(3050 + 2957);
  EXPECT_EQ(page.txtStopwatch.text, "2.96  seconds");
}

TEST_F(StopwatchTest, MissedTicksAreNotReplayed) {
  startAt(0);
  runUntil(250);
  now = 1234;  // the program was busy from 0.2 s to 1.234 s
  page.myTimer.tick();
  page.myTimer.tick();
  EXPECT_EQ(page.txtStopwatch.text, "1.23  seconds");
  EXPECT_EQ(page.myTimer.untilNextStep(), 66);
  shown.clear();
  runUntil(1400);
  EXPECT_EQ(shown, (std::vector<std::string>{"1.30  seconds", "1.40  seconds"}));
}

TEST_F(StopwatchTest, ARunAcrossMidnightKeepsCounting) {
  const TimerState::Milliseconds day = 86'400'000;
  startAt(day - 150);  // 23:59:59.85 on a clock counting from a midnight
  runUntil(day + 250);
  EXPECT_EQ(shown, (std::vector<std::string>{"0.10  seconds", "0.20  seconds", "0.30  seconds",
                                             "0.40  seconds"}));
  now = day + day / 2;
  page.cmdStop_MouseDown();
  EXPECT_EQ(page.txtStopwatch.text, "43200.15  seconds");
}

TEST_F(StopwatchTest, ResetClearsTheDisplayAndTheAlarmAndDisablesStop) {
  page.txtMinutes.text = "2";
  page.txtSeconds.text = "30";
  startAt(0);
  stopAt(1000);
  page.cmdReset_Click();
  EXPECT_EQ(page.txtStopwatch.text, "0.00  seconds");
  EXPECT_EQ(page.txtMinutes.text, "0");
  EXPECT_EQ(page.txtSeconds.text, "0");
  EXPECT_FALSE(page.cmdStop.enabled);
  startAt(2000);
  EXPECT_TRUE(page.cmdStop.enabled);
  EXPECT_FALSE(page.cmdReset.enabled);
}

}  // namespace
}  // namespace kelvara
