#include "dynamics/overturn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dynamics/overturn_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kMissing{"You have not provided all the necessary information."};
const std::vector<std::string> kRatherHigh{"Your coefficient of friction seems rather high!"};
const std::vector<std::string> kDivisionByZero{
    "Your values have resulted in a division by zero error", "Clear all boxes and try again."};
const std::vector<std::string> kNegativeRoot{"Invalid input.",
                                             "Your values result in a negative square root.",
                                             "Clear all boxes and try again."};
const std::vector<std::string> kInvalidInput{"Invalid input.", "Clear all boxes and try again."};

constexpr const char* kSkids = "The vehicle will skid rather than overturn.";
constexpr const char* kOverturns = "The vehicle will overturn rather than skid.";
constexpr const char* kNoCoefficient = "Coefficient of friction not specified";

struct Row {
  const char* name;
  const char* track;
  const char* radius;
  const char* height;
  const char* crossfall;
  const char* coefficient;
  const char* speedShown;
  const char* skidShown;
  Lines messages;
};

void fill(OverturnPage& page, const Row& row) {
  page.txtTrack.text = row.track;
  page.txtRadius.text = row.radius;
  page.txth.text = row.height;
  page.txtCrossfall.text = row.crossfall;
  page.txtCoefficient.text = row.coefficient;
}

TEST(OverturnPage, SpeedAndVerdict) {
  const Row rows[] = {
      {"car on the level skids first: 1.364 > 0.8", "1.5", "50", "0.55", "0", "0.8",
       "25.86m/s     or      57.85 mph", kSkids, {}},
      {"favourable crossfall of 5 degrees", "1.5", "50", "0.55", "5", "0.8",
       "28.43m/s     or      63.59 mph", kSkids, {}},
      {"tall vehicle overturns first: 0.5 <= 0.7", "1.8", "30", "1.8", "0", "0.7",
       "12.13m/s     or      27.14 mph", kOverturns, {}},
      {"stability ratio equal to the coefficient overturns", "1.8", "30", "1.8", "0", "0.5",
       "12.13m/s     or      27.14 mph", kOverturns, {}},
      {"crossfall left empty", "1.8", "30", "1.8", "", "0.7", "12.13m/s     or      27.14 mph",
       kOverturns, {}},
      {"no coefficient", "1.5", "50", "0.55", "0", "", "25.86m/s     or      57.85 mph",
       kNoCoefficient, {}},
      {"coefficient 1.2: the verdict, then the warning", "1.5", "50", "0.55", "0", "1.2",
       "25.86m/s     or      57.85 mph", kSkids, {kRatherHigh}},
      {"coefficient exactly 1.1", "1.5", "50", "0.55", "0", "1.1",
       "25.86m/s     or      57.85 mph", kSkids, {}},
  };
  for (const auto& row : rows) {
    testing::RecordingDialogs dialogs;
    OverturnPage page(dialogs);
    fill(page, row);
    page.cmdCalculate_Click();
    EXPECT_EQ(page.txtSpeed.text, row.speedShown) << row.name;
    EXPECT_EQ(page.txtSkid.text, row.skidShown) << row.name;
    EXPECT_EQ(dialogs.lines(), row.messages) << row.name;
    EXPECT_TRUE(page.txtSpeed.enabled && page.txtSkid.enabled) << row.name;
  }
}

// Every refusal follows a good calculation: the verdict is emptied, the earlier speed stays,
// and both results are disabled.
TEST(OverturnPage, RefusalsDisableTheResults) {
  const Row rows[] = {
      {"height missing", "1.5", "50", "", "0", "0.8", "", "", {kMissing}},
      {"track zero", "0", "50", "0.55", "0", "0.8", "", "", {kMissing}},
      {"radius missing", "1.5", "", "0.55", "0", "0.8", "", "", {kMissing}},
      {"denominator h - 0.5.T.tan(theta) = 0", "2", "50", "0.9999986732059836", "45", "0.8", "",
       "", {kDivisionByZero}},
      {"crossfall so steep it tips at rest", "1.5", "50", "0.55", "60", "0.8", "", "",
       {kNegativeRoot}},
      {"adverse crossfall: negative numerator", "1.5", "50", "0.55", "-60", "0.8", "", "",
       {kNegativeRoot}},
      {"negative height with both factors positive", "1.5", "30", "-1", "-60", "0.8", "", "",
       {kNegativeRoot}},
      {"negative radius", "1.5", "-50", "0.55", "0", "0.8", "", "", {kNegativeRoot}},
      {"a height too large for a double", "1.5", "50", "1e999", "0", "0.8", "", "",
       {kInvalidInput}},
      {"track missing comes before an unreadable coefficient", "", "50", "0.55", "0", "1e999",
       "", "", {kMissing}},
  };
  for (const auto& row : rows) {
    testing::RecordingDialogs dialogs;
    OverturnPage page(dialogs);
    fill(page, {"", "1.8", "30", "1.8", "0", "0.7", "", "", {}});
    page.cmdCalculate_Click();
    fill(page, row);
    page.cmdCalculate_Click();
    EXPECT_EQ(page.txtSpeed.text, "12.13m/s     or      27.14 mph") << row.name;
    EXPECT_EQ(page.txtSkid.text, row.skidShown) << row.name;
    EXPECT_EQ(dialogs.lines(), row.messages) << row.name;
    EXPECT_FALSE(page.txtSpeed.enabled || page.txtSkid.enabled) << row.name;
    for (const auto& message : dialogs.shown) {
      EXPECT_EQ(message.code, 0) << row.name;
      EXPECT_EQ(message.title, "Kelvara") << row.name;
    }
  }
}

// The coefficient is read for the verdict, after the speed is written: a coefficient too
// large for a double refuses the verdict, and the new speed stands in its disabled box.
TEST(OverturnPage, AnUnreadableCoefficientRefusesTheVerdictAfterTheSpeed) {
  testing::RecordingDialogs dialogs;
  OverturnPage page(dialogs);
  fill(page, {"", "1.8", "30", "1.8", "0", "0.7", "", "", {}});
  page.cmdCalculate_Click();
  fill(page, {"", "1.5", "50", "0.55", "0", "-1e999", "", "", {}});
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtSpeed.text, "25.86m/s     or      57.85 mph");
  EXPECT_EQ(page.txtSkid.text, "");
  EXPECT_EQ(dialogs.lines(), Lines{kInvalidInput});
  EXPECT_FALSE(page.txtSpeed.enabled || page.txtSkid.enabled);
}

}  // namespace
}  // namespace kelvara
