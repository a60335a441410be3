#include "collision/cycle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collision/cycle_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kNoMotorcycleMass{"Please input a motorcycle mass"};
const std::vector<std::string> kNoCrush{"Please input a crush depth"};
const std::vector<std::string> kCrushTooSmall{
    "Your crush depth is less than 0.23 metres and is too small for this calculation to be "
    "valid"};
const std::vector<std::string> kNoCarMass{"Please input a car mass"};
const std::vector<std::string> kNotGreaterThanZero{
    "Your crush and mass values have to be greater than zero. Clear all boxes."};

// ---- calculation ------------------------------------------------------------------------

TEST(MotorcycleCrush, NineInchesAreTakenUpBeforeAnySpeed) {
  EXPECT_EQ(cycle::motorcycleCrushBeyondThreshold(0.2286), 0.0);
  EXPECT_LT(cycle::motorcycleCrushBeyondThreshold(0.2285), 0.0);
  EXPECT_GT(cycle::motorcycleCrushBeyondThreshold(0.2287), 0.0);
}

// ---- page logic ------------------------------------------------------------------------

class CyclePageTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const Message& message : dialogs.shown) {
      EXPECT_EQ(message.code, 0);
      EXPECT_EQ(message.title, "Kelvara");
    }
  }
  void motorcycle(const char* mass, const char* crush) {
    dialogs.clear();
    page.txtMass.text = mass;
    page.txtCrush.text = crush;
    page.cmdCalculate_Click();
  }
  void narrow(const char* mass, const char* crush) {
    dialogs.clear();
    page.txtMassofcar.text = mass;
    page.txtCrushdepth.text = crush;
    page.cmdCalc_Click();
  }

  testing::RecordingDialogs dialogs;
  CyclePage page{dialogs};
};

TEST_F(CyclePageTest, MotorcycleSpeedInBothUnitsAndItsChecks) {
  struct Row {
    const char* mass;
    const char* crush;
    Lines messages;
    const char* result;  // null: the box keeps the earlier speed
  };
  const char* earlier = "11.92  m/s   or   26.67  mph";
  const Row rows[] = {
      {"200", "0.5", {}, earlier},
      {"200", "0.2286", {}, "0.00  m/s   or   0.00  mph"},
      {"150", "1.0", {}, "23.21  m/s   or   51.91  mph"},
      {"200", "0.2", {kCrushTooSmall}, nullptr},
      {"", "0.5", {kNoMotorcycleMass}, nullptr},
      {"0", "0.5", {}, nullptr},
      {"200", "", {kNoCrush}, nullptr},
      {"", "", {kNoMotorcycleMass, kNoCrush}, nullptr},
      {"-200", "0.5", {}, nullptr},
      // Below the threshold a negative mass makes the root real again.
      {"-200", "0.2", {kCrushTooSmall}, "3.87  m/s   or   8.66  mph"},
      {"200", "1E308", {}, nullptr},
  };
  for (const Row& row : rows) {
    page.txtEbs.text = earlier;
    page.txtEbs.enabled = false;
    motorcycle(row.mass, row.crush);
    EXPECT_EQ(dialogs.lines(), row.messages) << row.mass << " " << row.crush;
    EXPECT_EQ(page.txtEbs.text, row.result ? row.result : earlier) << row.mass << " " << row.crush;
    EXPECT_TRUE(page.txtEbs.enabled);
  }
}

// The page draws its figure from the equation it shows, below 5.1 m/s too.
TEST_F(CyclePageTest, NarrowObjectSpeedInBothUnitsAndItsChecks) {
  struct Row {
    const char* mass;
    const char* crush;
    Lines messages;
    const char* result;  // null: the box keeps the earlier speed
  };
  const char* earlier = "7.43 m/s   or  16.63  mph";
  const Row rows[] = {
      {"1300", "0.3", {}, earlier},
      {"1300", "0.1", {}, "3.97 m/s   or  8.88  mph"},
      {"1300", "0.165", {}, "5.09 m/s   or  11.40  mph"},
      {"1300", "0.17", {}, "5.18 m/s   or  11.59  mph"},
      {"1300", "0", {kNotGreaterThanZero}, "2.24 m/s   or  5.00  mph"},
      {"0", "0.3", {kNotGreaterThanZero}, "7.33 m/s   or  16.39  mph"},
      {"", "0.3", {kNoCarMass, kNotGreaterThanZero}, "7.33 m/s   or  16.39  mph"},
      {"", "", {kNoCarMass, kNoCrush, kNotGreaterThanZero}, "2.24 m/s   or  5.00  mph"},
      // No speed for a negative crush term, and its message once only.
      {"1300", "-0.1", {kNotGreaterThanZero}, nullptr},
      {"0", "-0.1", {kNotGreaterThanZero}, nullptr},
      {"-70000", "0.3", {kNotGreaterThanZero}, nullptr},
      {"1E308", "1E308", {}, nullptr},
  };
  for (const Row& row : rows) {
    page.txtEbs2.text = earlier;
    page.txtEbs2.enabled = false;
    narrow(row.mass, row.crush);
    EXPECT_EQ(dialogs.lines(), row.messages) << row.mass << " " << row.crush;
    EXPECT_EQ(page.txtEbs2.text, row.result ? row.result : earlier) << row.mass << " " << row.crush;
    EXPECT_TRUE(page.txtEbs2.enabled);
  }
}

// The result box is enabled only after the two empty-box messages.
TEST_F(CyclePageTest, NarrowObjectEnablesItsResultAfterTheEmptyBoxChecks) {
  struct Snapshot : testing::RecordingDialogs {
    int show(const Message& message) override {
      enabledAtMessage.push_back(page->txtEbs2.enabled);
      return RecordingDialogs::show(message);
    }
    const CyclePage* page = nullptr;
    std::vector<bool> enabledAtMessage;
  } snapshot;
  CyclePage own(snapshot);
  snapshot.page = &own;
  own.cmdCalc_Click();
  EXPECT_EQ(snapshot.enabledAtMessage, (std::vector<bool>{false, false, true}));
}

TEST_F(CyclePageTest, EachClearEmptiesOnlyItsOwnCalculator) {
  EXPECT_FALSE(page.txtEbs.enabled);
  EXPECT_FALSE(page.txtEbs2.enabled);
  motorcycle("200", "0.5");
  narrow("1300", "0.3");

  page.cmdClear_Click();
  EXPECT_EQ(page.txtMass.text + page.txtCrush.text + page.txtEbs.text, "");
  EXPECT_FALSE(page.txtEbs.enabled);
  EXPECT_EQ(page.txtMassofcar.text, "1300");
  EXPECT_EQ(page.txtEbs2.text, "7.43 m/s   or  16.63  mph");
  EXPECT_TRUE(page.txtEbs2.enabled);

  motorcycle("200", "0.5");
  page.cmdClear2_Click();
  EXPECT_EQ(page.txtMassofcar.text + page.txtCrushdepth.text + page.txtEbs2.text, "");
  EXPECT_FALSE(page.txtEbs2.enabled);
  EXPECT_EQ(page.txtEbs.text, "11.92  m/s   or   26.67  mph");
  EXPECT_TRUE(page.txtEbs.enabled);
}

TEST_F(CyclePageTest, NotesGiveThreeLines) {
  page.mnuNotes_Click();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const auto& lines = dialogs.shown[0].lines;
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "Motorcycle crush is determined by the reduction in the motorcycle length during a "
            "frontal impact.");
  EXPECT_EQ(lines[1],
            "Narrow impact crush assumes that no crush is produced by any speed below 5 mph.");
  EXPECT_FALSE(lines[2].empty());
}

}  // namespace
}  // namespace kelvara
