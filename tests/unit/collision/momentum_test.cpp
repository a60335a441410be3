#include "collision/momentum.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "collision/momentum_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;
using Results = std::pair<std::string, std::string>;  // u1, u2

const std::vector<std::string> kNearlyInLine{
    "Your pre-direction angle for vehicle 2 is within 20 degrees of being in line. Errors in "
    "the calculated speeds can increase markedly with small angles."};

// ---- calculation ------------------------------------------------------------------------

TEST(MomentumInLineWarning, TwentyDegreeBandsAheadAndBehindWithTheBoundsOutside) {
  struct Row {
    double degrees;
    bool warns;
  };
  const Row rows[] = {{19.9, true},   {20, false},    {20.1, false}, {90, false},   {159.9, false},
                      {160, false},   {160.1, true},  {180, true},   {199.9, true}, {200, false},
                      {200.1, false}, {339.9, false}, {340, false},  {340.1, true}, {0, true},
                      {-45, true},    {400, true},    {450, true}};
  for (const Row& row : rows)
    EXPECT_EQ(momentum::approachNearlyInLine(row.degrees), row.warns) << row.degrees;
}

// ---- page logic ------------------------------------------------------------------------

struct Inputs {
  const char* m1 = "1000";
  const char* m2 = "1500";
  const char* phi2 = "90";
  const char* phi1After = "45";
  const char* phi2After = "60";
  const char* v1 = "10";
  const char* v2 = "8";
};

// Records each message with the result boxes as they stood when it was shown.
class ResultsAtMessage : public testing::RecordingDialogs {
 public:
  int show(const Message& message) override {
    if (page != nullptr)
      resultsAtMessage.push_back(page->txtPreimpactspeedA.text + "|" +
                                 page->txtPreimpactspeedB.text);
    return RecordingDialogs::show(message);
  }
  const MomentumPage* page = nullptr;
  std::vector<std::string> resultsAtMessage;
};

class MomentumPageTest : public ::testing::Test {
 protected:
  MomentumPageTest() { dialogs.page = &page; }
  void TearDown() override {
    for (const Message& message : dialogs.shown) {
      EXPECT_EQ(message.code, 0);
      EXPECT_EQ(message.title, "Kelvara");
    }
  }

  void fill(const Inputs& in) {
    page.txtMassA.text = in.m1;
    page.txtMassB.text = in.m2;
    page.txtDirectionpreB.text = in.phi2;
    page.txtDirectionpostA.text = in.phi1After;
    page.txtDirectionpostB.text = in.phi2After;
    page.txtpostimpactspeedA.text = in.v1;
    page.txtPostimpactspeedB.text = in.v2;
  }
  void calculate(const Inputs& in) {
    fill(in);
    page.cmdCalculate4_Click();
  }
  Results results() const { return {page.txtPreimpactspeedA.text, page.txtPreimpactspeedB.text}; }
  bool resultsEnabled() const {
    return page.txtPreimpactspeedA.enabled && page.txtPreimpactspeedB.enabled;
  }

  ResultsAtMessage dialogs;
  MomentumPage page{dialogs};
};

TEST_F(MomentumPageTest, WorkedExampleGivesBothPreImpactSpeedsWithoutUnitText) {
  EXPECT_FALSE(page.txtPreimpactspeedA.enabled);
  EXPECT_FALSE(page.txtPreimpactspeedB.enabled);
  calculate({});
  EXPECT_EQ(results(), (Results{"13.071", "11.642"}));
  EXPECT_TRUE(resultsEnabled());
  EXPECT_TRUE(dialogs.shown.empty());
}

// The warning follows the results, which are already on the page when it shows.
TEST_F(MomentumPageTest, ApproachNearlyInLineWarnsAfterTheResults) {
  struct Row {
    const char* phi2;
    const char* u1;
    const char* u2;
    bool warns;
  };
  const Row rows[] = {
      {"20", "-34.909", "34.040", false},
      {"19.9", "-35.171", "34.204", true},
      // sin φ2 is tiny but not zero with π taken as 3.14159.
      {"180", "6581046.320", "4387355.499", true},
      {"400", "-7.741", "18.112", true},
      {"-45", "30.534", "-16.465", true},
  };
  for (const Row& row : rows) {
    dialogs.clear();
    dialogs.resultsAtMessage.clear();
    Inputs in;
    in.phi2 = row.phi2;
    calculate(in);
    EXPECT_EQ(results(), (Results{row.u1, row.u2})) << row.phi2;
    if (row.warns) {
      EXPECT_EQ(dialogs.lines(), Lines{kNearlyInLine}) << row.phi2;
      EXPECT_EQ(dialogs.resultsAtMessage,
                std::vector<std::string>{std::string(row.u1) + "|" + row.u2});
    } else {
      EXPECT_TRUE(dialogs.shown.empty()) << row.phi2;
    }
  }
}

TEST_F(MomentumPageTest, EachZeroIsReportedInTurnThenTheEarlierResultsStay) {
  calculate({});
  const auto earlier = results();

  struct Row {
    Inputs in;
    Lines messages;
  };
  Inputs noPhi2;
  noPhi2.phi2 = "";
  Inputs allZero;
  allZero.phi2 = "0";
  allZero.m1 = "0";
  allZero.m2 = "abc";
  Inputs noMasses;
  noMasses.m1 = "";
  noMasses.m2 = " ";
  const Row rows[] = {
      {noPhi2, {{"Phi2 cannot be zero"}}},
      {allZero, {{"Phi2 cannot be zero"}, {"m1 cannot be zero"}, {"m2 cannot be zero"}}},
      {noMasses, {{"m1 cannot be zero"}, {"m2 cannot be zero"}}},
  };
  for (const Row& row : rows) {
    dialogs.clear();
    calculate(row.in);
    EXPECT_EQ(dialogs.lines(), row.messages);
    EXPECT_EQ(results(), earlier);
    EXPECT_TRUE(resultsEnabled());
  }
}

// Figures beyond a double end the calculation silently: no message, nothing written, and
// no box ever shows an infinity.
TEST_F(MomentumPageTest, OverflowEndsSilentlyWithTheResultsUnchanged) {
  const std::vector<Inputs> overflowing = [] {
    Inputs bigMomentum;
    bigMomentum.m1 = "1E308";
    bigMomentum.v1 = "1E10";
    Inputs bigSpeed;
    bigSpeed.v2 = "1E306";
    bigSpeed.phi2 = "180";
    return std::vector<Inputs>{bigMomentum, bigSpeed};
  }();
  for (const Inputs& in : overflowing) {
    page.cmdClear4_Click();
    calculate(in);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(results(), (Results{"", ""}));
    EXPECT_TRUE(resultsEnabled());
  }
}

TEST_F(MomentumPageTest, ClearEmptiesEveryBoxAndDisablesTheResultsOnly) {
  calculate({});
  page.optMperS.value = true;
  page.optMph.value = false;
  page.optMperS_Click();
  page.cmdClear4_Click();
  for (const TextBox* box :
       {&page.txtMassA, &page.txtMassB, &page.txtDirectionpreB, &page.txtDirectionpostA,
        &page.txtDirectionpostB, &page.txtpostimpactspeedA, &page.txtPostimpactspeedB,
        &page.txtPreimpactspeedA, &page.txtPreimpactspeedB})
    EXPECT_EQ(box->text, "");
  EXPECT_FALSE(page.txtPreimpactspeedA.enabled);
  EXPECT_FALSE(page.txtPreimpactspeedB.enabled);
  EXPECT_TRUE(page.txtMassA.enabled);
  EXPECT_EQ(page.lblMperS1.caption, "    m/s     ");
  EXPECT_FALSE(page.Text1.text.empty());
}

TEST_F(MomentumPageTest, UnitChoiceChangesTheTwoLabelsAndNoFigure) {
  EXPECT_EQ(page.lblMperS1.caption, "     mph");
  EXPECT_EQ(page.lblMperS2.caption, "     mph");
  EXPECT_TRUE(page.optMph.value);
  EXPECT_FALSE(page.optMperS.value);
  calculate({});
  const std::vector<std::pair<std::function<void()>, std::string>> clicks{
      {[this] { page.optMperS_Click(); }, "    m/s     "},
      {[this] { page.optMph_Click(); }, "    mph     "},
      {[this] { page.optMperS_Click(); }, "    m/s     "}};
  for (const auto& [click, caption] : clicks) {
    click();
    EXPECT_EQ(page.lblMperS1.caption, caption);
    EXPECT_EQ(page.lblMperS2.caption, caption);
    EXPECT_EQ(results(), (Results{"13.071", "11.642"}));
    EXPECT_EQ(page.txtpostimpactspeedA.text, "10");
  }
}

TEST_F(MomentumPageTest, NotesExplainWhenToUseTheCalculation) {
  page.mnuNotes_Click();
  EXPECT_EQ(dialogs.lines(),
            Lines{{"This calculation is to be used for angled collisions where the speeds of "
                   "both vehicles are unknown and where the angle of approach is greater than "
                   "about 20 degrees"}});
}

}  // namespace
}  // namespace kelvara
