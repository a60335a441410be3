#include "dynamics/max_speed.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dynamics/max_speed_page.h"
#include "fields/checked.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kCoefficientRequired{
    "This calculation requires a value for the coefficient of friction."};
const std::vector<std::string> kDivisionByZero{
    "Your values have resulted in a division by zero error", "Clear all boxes and try again."};
const std::vector<std::string> kNegativeRoot{"Invalid input.",
                                             "Your values result in a negative square root.",
                                             "Clear all boxes and try again."};
const std::vector<std::string> kInvalidInput{"Invalid input.", "Clear all boxes and try again."};

struct Row {
  const char* name;
  const char* roadWidth;
  const char* carWidth;
  const char* insideRadius;
  const char* angle;
  const char* coefficient;
  const char* crossfall;
  const char* radiusShown;
  const char* speedShown;
  Lines messages;
};

void fill(MaxSpeedPage& page, const Row& row) {
  page.txtRoadwidth.text = row.roadWidth;
  page.txtCarwidth.text = row.carWidth;
  page.txtr.text = row.insideRadius;
  page.txttheta.text = row.angle;
  page.txtCoefficient.text = row.coefficient;
  page.txtCrossfall.text = row.crossfall;
}

TEST(MaxSpeedPage, RacingLineRadiusAndSpeed) {
  const Row rows[] = {
      {"level bend of 90 degrees", "7.3", "1.8", "20", "90", "0.8", "0", "38.78 metres",
       "17.45 m/s   or   39.02  mph", {}},
      {"favourable crossfall of 3 degrees", "7.3", "1.8", "20", "90", "0.8", "3", "38.78 metres",
       "18.40 m/s   or   41.15  mph", {}},
      {"coefficient 0: the crossfall alone", "7.3", "1.8", "20", "90", "0", "3", "38.78 metres",
       "4.47 m/s   or   9.99  mph", {}},
      {"empty vehicle width and crossfall count as zero", "7.3", "", "20", "60", "0.7", "",
       "74.49 metres", "22.62 m/s   or   50.59  mph", {}},
      {"coefficient missing", "7.3", "1.8", "20", "90", "", "0", "", "", {kCoefficientRequired}},
      {"a bend that does not turn", "7.3", "1.8", "20", "0", "0.8", "0", "", "",
       {kDivisionByZero}},
      {"bend angle left empty", "7.3", "1.8", "20", "", "0.8", "0", "", "", {kDivisionByZero}},
      {"a width too large for a double", "1e999", "1.8", "20", "90", "0.8", "0", "", "",
       {kInvalidInput}},
  };
  for (const auto& row : rows) {
    testing::RecordingDialogs dialogs;
    MaxSpeedPage page(dialogs);
    fill(page, row);
    page.cmdCalculate_Click();
    EXPECT_EQ(page.txtMaxradius.text, row.radiusShown) << row.name;
    EXPECT_EQ(page.txtMaxspeed.text, row.speedShown) << row.name;
    EXPECT_EQ(dialogs.lines(), row.messages) << row.name;
    const bool radiusWritten = *row.radiusShown != '\0';
    EXPECT_EQ(page.txtMaxradius.enabled, radiusWritten) << row.name;
    EXPECT_EQ(page.txtMaxspeed.enabled, radiusWritten) << row.name;
    for (const auto& message : dialogs.shown) {
      EXPECT_EQ(message.code, 0) << row.name;
      EXPECT_EQ(message.title, "Kelvara") << row.name;
    }
  }
}

// Each speed refusal follows a good calculation: the new radius stays, the old speed goes.
TEST(MaxSpeedPage, ASpeedWithoutRealValueEmptiesTheSpeedBox) {
  const Row rows[] = {
      {"crossfall holds the vehicle at any speed: 1 - mu.tan(phi) < 0", "7.3", "1.8", "20",
       "90", "0.8", "60", "38.78 metres", "", {kNegativeRoot}},
      {"1 - mu.tan(phi) = 0", "7.3", "1.8", "20", "90", "1.0000013267957768", "45",
       "38.78 metres", "", {kDivisionByZero}},
      {"adverse crossfall beyond the friction: mu + tan(phi) < 0", "7.3", "1.8", "20", "90",
       "0.8", "-39", "38.78 metres", "", {kNegativeRoot}},
      {"negative radius and adverse crossfall do not cancel", "2", "3", "1", "90", "0.8", "-60",
       "-2.41 metres", "", {kNegativeRoot}},
      {"negative radius on the level", "2", "3", "1", "90", "0.8", "0", "-2.41 metres", "",
       {kNegativeRoot}},
  };
  for (const auto& row : rows) {
    testing::RecordingDialogs dialogs;
    MaxSpeedPage page(dialogs);
    fill(page, {"", "7.3", "1.8", "20", "90", "0.8", "0", "", "", {}});
    page.cmdCalculate_Click();
    ASSERT_EQ(page.txtMaxspeed.text, "17.45 m/s   or   39.02  mph");
    fill(page, row);
    page.cmdCalculate_Click();
    EXPECT_EQ(page.txtMaxradius.text, row.radiusShown) << row.name;
    EXPECT_EQ(page.txtMaxspeed.text, row.speedShown) << row.name;
    EXPECT_EQ(dialogs.lines(), row.messages) << row.name;
    EXPECT_TRUE(page.txtMaxspeed.enabled) << row.name;
  }
}

TEST(MaxSpeedPage, ARefusalBeforeTheRadiusKeepsTheEarlierPair) {
  testing::RecordingDialogs dialogs;
  MaxSpeedPage page(dialogs);
  fill(page, {"", "7.3", "1.8", "20", "90", "0.8", "0", "", "", {}});
  page.cmdCalculate_Click();
  page.txttheta.text = "0";
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtMaxradius.text, "38.78 metres");
  EXPECT_EQ(page.txtMaxspeed.text, "17.45 m/s   or   39.02  mph");
  EXPECT_EQ(dialogs.lines(), Lines{kDivisionByZero});
}

}  // namespace
}  // namespace kelvara
