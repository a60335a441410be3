#include "dynamics/partial_braking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dynamics/partial_braking_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kMuAboveUnity{"Mu should not be greater than unity"};
const std::vector<std::string> kGradientTooSteep{
    "Your gradient should not be higher than 90 degrees"};
const std::vector<std::string> kDownhill{
    "The negative effective coefficient means that the vehicle will actually accelerate down "
    "the hill."};
const std::vector<std::string> kNoBrake{"Are you sure that none of the brakes were working?"};
const std::vector<std::string> kDivisionByZero{
    "Your values have resulted in a division by zero error", "Clear all boxes and try again."};
const std::vector<std::string> kInvalidInput{"Invalid input.", "Clear all boxes and try again."};

// Working brakes written as four marks: front nearside, front offside, rear nearside, rear
// offside ("FF.." is both fronts).
void mark(PartialBrakingPage& page, const char* brakes) {
  page.chkFn.value = brakes[0] != '.';
  page.chkFo.value = brakes[1] != '.';
  page.chkRn.value = brakes[2] != '.';
  page.chkRo.value = brakes[3] != '.';
}

struct Row {
  const char* name;
  const char* brakes;
  const char* mu;
  const char* k;
  const char* wf;
  const char* gradient;
  const char* shown;
  Lines messages;
};

void expectRow(const Row& row) {
  testing::RecordingDialogs dialogs;
  PartialBrakingPage page(dialogs);
  page.txtTruemu.text = row.mu;
  page.txtHL.text = row.k;
  page.txtWf.text = row.wf;
  page.txtGradient.text = row.gradient;
  mark(page, row.brakes);
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtMue.text, row.shown) << row.name;
  EXPECT_EQ(dialogs.lines(), row.messages) << row.name;
  for (const auto& message : dialogs.shown) {
    EXPECT_EQ(message.code, 0) << row.name;
    EXPECT_EQ(message.title, "Kelvara") << row.name;
  }
}

TEST(PartialBrakingPage, EveryCombinationOfWorkingBrakes) {
  const Row rows[] = {
      {"all four on the level", "FFRR", "0.7", "0.25", "0.6", "0", "0.700", {}},
      {"both fronts: 0.48 / 0.8", "FF..", "0.8", "0.25", "0.6", "0", "0.600", {}},
      {"both rears: 0.32 / 1.2", "..RR", "0.8", "0.25", "0.6", "0", "0.267", {}},
      {"front nearside only: 0.24 / 0.9", "F...", "0.8", "0.25", "0.6", "0", "0.267", {}},
      {"front offside only", ".F..", "0.8", "0.25", "0.6", "0", "0.267", {}},
      {"rear nearside only: 0.16 / 1.1", "..R.", "0.8", "0.25", "0.6", "0", "0.145", {}},
      {"rear offside only", "...R", "0.8", "0.25", "0.6", "0", "0.145", {}},
      {"nearside pair", "F.R.", "0.8", "0.25", "0.6", "0", "0.400", {}},
      {"offside pair", ".F.R", "0.8", "0.25", "0.6", "0", "0.400", {}},
      {"diagonal front nearside, rear offside", "F..R", "0.8", "0.25", "0.6", "0", "0.400", {}},
      {"diagonal front offside, rear nearside", ".FR.", "0.8", "0.25", "0.6", "0", "0.400", {}},
      {"both rears and one front: 0.56 / 1.1", "F.RR", "0.8", "0.25", "0.6", "0", "0.509", {}},
      {"both rears and the other front", ".FRR", "0.8", "0.25", "0.6", "0", "0.509", {}},
      {"both fronts and one rear: 0.64 / 0.9", "FFR.", "0.8", "0.25", "0.6", "0", "0.711", {}},
      {"both fronts and the other rear", "FF.R", "0.8", "0.25", "0.6", "0", "0.711", {}},
      {"both fronts uphill 5 degrees", "FF..", "0.8", "0.25", "0.6", "5", "0.685", {}},
      {"both rears downhill 3 degrees", "..RR", "0.8", "0.25", "0.6", "-3", "0.214", {}},
  };
  for (const auto& row : rows) expectRow(row);
}

TEST(PartialBrakingPage, WarningsLetTheCalculationGoOn) {
  const Row rows[] = {
      {"mu 1.2 above unity", "FFRR", "1.2", "", "", "0", "1.200", {kMuAboveUnity}},
      {"mu exactly 1", "FFRR", "1", "", "", "0", "1.000", {}},
      {"gradient 91 degrees", "FFRR", "0.7", "", "", "91", "0.988", {kGradientTooSteep}},
      {"gradient exactly 90 degrees", "FFRR", "0.7", "", "", "90", "1.000", {}},
      {"steep downhill accelerates: 0.098 - 0.174", "FFRR", "0.1", "", "", "-10", "-0.075",
       {kDownhill}},
      {"both warnings in their order", "FFRR", "1.2", "", "", "91",
       "0.979", {kMuAboveUnity, kGradientTooSteep}},
      {"a tiny negative that rounds to nought is not negative", "FFRR", "0", "", "", "-0.00001",
       "0.000", {}},
  };
  for (const auto& row : rows) expectRow(row);
}

TEST(PartialBrakingPage, FiguresTheArithmeticCannotGiveAreRefused) {
  const Row rows[] = {
      {"both fronts with mu.k = 1", "FF..", "0.8", "1.25", "0.6", "0", "", {kDivisionByZero}},
      {"one front with 0.5.mu.k = 1", ".F..", "0.8", "2.5", "0.6", "0", "", {kDivisionByZero}},
      {"both fronts and one rear with 0.5.mu.k = 1", "FFR.", "0.8", "2.5", "0.6", "0", "",
       {kDivisionByZero}},
      {"both rears with mu.k = -1", "..RR", "0.8", "-1.25", "0.6", "0", "", {kDivisionByZero}},
      {"a true coefficient too large for a double", "FFRR", "1e999", "", "", "0", "",
       {kInvalidInput}},
      {"a gradient too large, after the unity warning", "FFRR", "1.2", "", "", "1e999", "",
       {kMuAboveUnity, kInvalidInput}},
      {"a weight transfer beyond any double", "FF..", "1e300", "1e10", "0.6", "0", "",
       {kMuAboveUnity, kInvalidInput}},
  };
  for (const auto& row : rows) expectRow(row);
}

class PartialBrakingPageTest : public ::testing::Test {
 protected:
  testing::RecordingDialogs dialogs;
  PartialBrakingPage page{dialogs};
};

TEST_F(PartialBrakingPageTest, NoBrakeKeepsThePreviousFigure) {
  page.txtTruemu.text = "0.1";
  page.txtGradient.text = "-10";
  mark(page, "FFRR");
  page.cmdCalculate_Click();
  dialogs.clear();

  // The downhill test reads whatever the box holds, even when nothing was worked out.
  mark(page, "....");
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtMue.text, "-0.075");
  EXPECT_EQ(dialogs.lines(), (Lines{kNoBrake, kDownhill}));

  dialogs.clear();
  page.txtTruemu.text = "0.7";
  page.txtGradient.text = "0";
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtMue.text, "-0.075");
  EXPECT_EQ(dialogs.lines(), (Lines{kNoBrake, kDownhill}));
}

TEST_F(PartialBrakingPageTest, ARefusalKeepsWhatWasWrittenBefore) {
  EXPECT_FALSE(page.txtMue.enabled);
  page.txtTruemu.text = "0.8";
  page.txtHL.text = "0.25";
  page.txtWf.text = "0.6";
  mark(page, "FF..");
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtMue.text, "0.600");

  page.txtHL.text = "1.25";
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtMue.text, "0.600");
  EXPECT_TRUE(page.txtMue.enabled);
  EXPECT_EQ(dialogs.lines(), Lines{kDivisionByZero});
}

}  // namespace
}  // namespace kelvara
