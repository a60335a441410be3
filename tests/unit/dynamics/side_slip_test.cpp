#include "dynamics/side_slip.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dynamics/side_slip_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kCoefficientTooHigh{"Warning!",
                                                   "Your actual coefficient is too high"};
const std::vector<std::string> kRollingTooHigh{"Warning!", "Your rolling coefficient is too high"};
const std::vector<std::string> kWrongOrder{"Warning!",
                                           "Your angle B should be greater than your angle A"};
const std::vector<std::string> kOutOfRange{"Warning!", "Your angles are out of range"};
const std::vector<std::string> kInvalidInput{"Invalid input.", "Clear all boxes and try again."};

TEST(SideSlipAngles, WholeDegreesHalvesToEvenWithinSixteenBits) {
  const std::pair<double, int> rows[] = {{10.5, 10},      {11.5, 12},         {-10.5, -10},
                                         {-11.5, -12},    {10.4999, 10},      {0.5, 0},
                                         {32767.4, 32767}, {-32768.5, -32768}, {-0.4, 0}};
  for (const auto& [degrees, whole] : rows) {
    const auto converted = side_slip::wholeDegrees(degrees);
    ASSERT_TRUE(converted.has_value()) << degrees;
    EXPECT_EQ(*converted, whole) << degrees;
  }
  for (double degrees : {32767.5, 32768.0, -32768.6, -32769.0, 1e10})
    EXPECT_FALSE(side_slip::wholeDegrees(degrees).has_value()) << degrees;
}

struct Row {
  const char* name;
  const char* a;
  const char* b;
  const char* mu;
  const char* rolling;
  const char* shown;  // empty: nothing written
  Lines messages;
};

void expectRow(const Row& row) {
  testing::RecordingDialogs dialogs;
  SideSlipPage page(dialogs);
  page.Text2.text = row.a;
  page.txtAngleB.text = row.b;
  page.txtAct.text = row.mu;
  page.txtRoll.text = row.rolling;
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtfriction2.text, row.shown) << row.name;
  EXPECT_EQ(dialogs.lines(), row.messages) << row.name;
  for (const auto& message : dialogs.shown) {
    EXPECT_EQ(message.code, 0) << row.name;
    EXPECT_EQ(message.title, "Kelvara") << row.name;
  }
}

TEST(SideSlipPage, MeanEffectiveCoefficient) {
  const Row rows[] = {
      {"a quarter turn", "0", "90", "0.8", "0.01", "0.508", {}},
      {"pure rolling", "0", "0", "0.8", "0.01", "0.010", {}},
      {"pure sliding", "90", "90", "0.8", "0.01", "0.800", {}},
      {"a full spin", "10", "370", "0.7", "0.015", "0.445", {}},
      {"10.5 is used as 10", "10.5", "10.5", "0.8", "0.01", "0.139", {}},
      {"11.5 is used as 12", "11.5", "11.5", "0.8", "0.01", "0.167", {}},
      {"the blank angle B reads as 0", "0", " ", "0.8", "0.01", "0.010", {}},
      {"coefficient 1.5 and rolling 1 are accepted", "0", "90", "1.5", "1", "1.262", {}},
      {"the widest range of angles", "0", "32766", "0.7", "0.02", "0.446", {}},
      {"near the top of the range", "32000", "32767", "0.7", "0.02", "0.432", {}},
  };
  for (const auto& row : rows) expectRow(row);
}

TEST(SideSlipPage, ChecksInTheirOrderWriteNothing) {
  const Row rows[] = {
      {"B before A", "30", "20", "0.8", "0.01", "", {kWrongOrder}},
      {"coefficient 1.51", "0", "90", "1.51", "0.01", "", {kCoefficientTooHigh}},
      {"rolling 1.01", "0", "90", "0.8", "1.01", "", {kRollingTooHigh}},
      {"coefficient is checked before rolling", "30", "20", "2", "2", "", {kCoefficientTooHigh}},
      {"angle A beyond 16 bits, before the coefficient", "40000", "40001", "2", "0.01", "",
       {kOutOfRange}},
      {"angle B rounds up out of range", "0", "32767.5", "0.8", "0.01", "", {kOutOfRange}},
      {"a range of 32768 angles", "-1", "32766", "0.8", "0.01", "", {kOutOfRange}},
      {"the whole 16-bit range", "-32768", "32767", "0.8", "0.01", "", {kOutOfRange}},
      {"an angle too large for a double", "1e999", "20", "0.8", "0.01", "", {kInvalidInput}},
      {"a coefficient too large for a double", "0", "90", "-1e999", "0.01", "",
       {kInvalidInput}},
      {"a coefficient whose square overflows", "0", "90", "-1e200", "0.01", "", {kInvalidInput}},
  };
  for (const auto& row : rows) expectRow(row);
}

class SideSlipPageTest : public ::testing::Test {
 protected:
  testing::RecordingDialogs dialogs;
  SideSlipPage page{dialogs};
};

TEST_F(SideSlipPageTest, TheReferenceShowsTheApplicationsTitle) {
  page.mnuReferences_Click();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].title, "Kelvara");
  ASSERT_EQ(dialogs.shown[0].lines.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].lines[1],
            "This module is based on the side slip calculations for a yawing or spinning vehicle");
}

}  // namespace
}  // namespace kelvara
