#include "motion/quadratic.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "fields/checked.h"
#include "motion/quadratic_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using testing::RecordingDialogs;

TEST(QuadraticRoots, KeepsRootOrderAndTheDigitsOfASmallRoot) {
  // x1 is the (−B + √Δ) / (2A) root whatever the signs; the speed line relies on it.
  EXPECT_DOUBLE_EQ(solveQuadratic(-1.0, 3.0, -2.0).x1, 1.0);
  EXPECT_DOUBLE_EQ(solveQuadratic(1.0, 3.0, 2.0).x1, -1.0);
  // x² + 10⁸x + 1 = 0: subtracting B from √Δ would lose the root near −1E-8.
  EXPECT_NEAR(solveQuadratic(1.0, 1e8, 1.0).x1, -1e-8, 1e-20);
  EXPECT_THROW(coefficientFromDeceleration(1e-320), ArithmeticFailure);
  EXPECT_THROW(solveQuadratic(1e300, 1.0, -1e300), ArithmeticFailure);
}

// Boxes typed (A, B, C, deceleration, reaction, distance) and the four boxes after a solve.
struct SolveRow {
  const char* name;
  const char* in[6];
  const char* want[4];
  bool noXTerms = false;
};

TEST(QuadraticPage, SolvesEachFormOfTheEquation) {
  const SolveRow rows[] = {
      {"speed 7/1/50", {"", "", "", "7", "1", "50"},
       {"0.07143", "1.00", "-50.00", "20.37  m/s  or   45.56  mph"}},
      {"lower boxes win", {"3", "3", "3", "8", "0.5", "30"},
       {"0.06250", "0.50", "-30.00", "18.27  m/s  or   40.87  mph"}},
      {"reaction not a number", {"", "", "", "7", "1 s", "50"},
       {"0.07143", "1 s", "-50.00", "20.37  m/s  or   45.56  mph"}},
      {"two roots", {"1", "-3", "2", "", "", ""}, {"1", "-3", "2", "2.000  or  1.000"}},
      {"distance only", {"1", "-3", "", "", "", "2"}, {"1", "-3", "-2.00", "3.562  or  -0.562"}},
      {"double root", {"1", "2", "1", "", "", ""}, {"1", "2", "1", "-1.000  or  -1.000"}},
      {"no real roots", {"1", "0", "1", "", "", ""}, {"1", "0", "1", "No real roots"}},
      {"A 0", {"0", "2", "-4", "", "", ""}, {"0", "2", "-4", "2.00"}},
      {"A empty", {"", "2", "-4", "", "", ""}, {"", "2", "-4", "2.00"}},
      {"A 0.0", {"0.0", "2", "-4", "", "", ""}, {"0.0", "2", "-4", "No real roots"}},
      {"negative deceleration", {"", "", "", "-7", "1", "50"},
       {"-0.07143", "1.00", "-50.00", "No real roots"}},
      {"zero deceleration", {"0.5", "", "", "0", "1", "50"},
       {"0.5", "1.00", "-50.00", "No real roots"}},
      {"A and B empty", {"", "", "5", "", "", ""}, {"", "", "5", ""}, true},
      {"linear with B 0", {"0", "0", "5", "", "", ""}, {"0", "0", "5", ""}, true},
      {"deceleration too small", {"", "", "", "1e-320", "1", "50"},
       {"", "", "", "Values out of range"}},
      {"linear root too large", {"", "1e-300", "-1e300", "", "", ""},
       {"", "1e-300", "-1e300", "Values out of range"}},
  };
  for (const auto& row : rows) {
    for (bool speedButton : {false, true}) {
      SCOPED_TRACE(row.name);
      RecordingDialogs dialogs;
      QuadraticPage page(dialogs);
      TextBox* boxes[] = {&page.txtA, &page.txtb, &page.txtC, &page.txtDeceleration,
                          &page.txtReaction, &page.txtDistance};
      for (int i = 0; i < 6; ++i) boxes[i]->text = row.in[i];
      speedButton ? page.cmdSpeed_Click() : page.cmdCalcRoots_Click();
      EXPECT_EQ(page.txtA.text, row.want[0]);
      EXPECT_EQ(page.txtb.text, row.want[1]);
      EXPECT_EQ(page.txtC.text, row.want[2]);
      EXPECT_EQ(page.txtx.text, row.want[3]);
      EXPECT_TRUE(page.txtx.enabled);
      EXPECT_EQ(dialogs.shown, row.noXTerms ? std::vector<Message>{Message{
                                                  {"You have no x terms in your equation"}}}
                                            : std::vector<Message>{});
    }
  }
}

TEST(QuadraticPage, ASpeedLineNeverShowsTheRootOfAnEarlierSolve) {
  RecordingDialogs dialogs;
  QuadraticPage page(dialogs);
  page.txtDeceleration.text = "7";
  page.txtReaction.text = "1";
  page.txtDistance.text = "50";
  page.cmdSpeed_Click();
  page.txtDeceleration.text = "-7";
  page.cmdSpeed_Click();
  EXPECT_EQ(page.txtx.text, "No real roots");
}

void scrollTo(QuadraticPage& page, int value) {
  if (moveScrollBar(page.HScroll1, value)) page.HScroll1_Change();
}

TEST(QuadraticPage, ScrollingRecomputesFromTheBoxesAsTheyStand) {
  RecordingDialogs dialogs;
  QuadraticPage page(dialogs);
  page.txtC.text = "-4";
  scrollTo(page, 200);
  EXPECT_EQ(page.txtx.text, "2.00");
  // The linear root is written into the box as it stands, still disabled.
  EXPECT_FALSE(page.txtx.enabled);
  page.txtA.text = "0";
  scrollTo(page, 100);
  EXPECT_EQ(page.txtx.text, "4.00");
  EXPECT_FALSE(page.txtx.enabled);
  // No reaction time leaves no x term; the bar shows no root rather than raising a message,
  // and the quadratic recompute enables the box.
  page.txtA.text = "";
  scrollTo(page, 0);
  EXPECT_EQ(page.txtx.text, "No real roots");
  EXPECT_TRUE(page.txtx.enabled);

  // x² + 2x + 1: here the double root's second figure has two decimals.
  page.txtA.text = "1";
  page.txtC.text = "1";
  scrollTo(page, 200);
  EXPECT_EQ(page.txtx.text, "-1.000  or  -1.00");

  // A is read back from its five-decimal text 0.07143, not recomputed from the deceleration.
  page.txtDeceleration.text = "7";
  page.txtReaction.text = "1";
  page.txtDistance.text = "50";
  page.cmdSpeed_Click();
  scrollTo(page, 150);
  EXPECT_EQ(page.txtb.text, "1.50");
  EXPECT_EQ(page.txtReaction.text, "1.50");
  EXPECT_EQ(page.txtx.text, "17.96  m/s  or   40.19  mph");
  EXPECT_TRUE(dialogs.shown.empty());

  page.cmdClear2_Click();
  EXPECT_EQ(page.HScroll1.value, 0);
  for (const TextBox* box : {&page.txtA, &page.txtb, &page.txtC, &page.txtx,
                             &page.txtDeceleration, &page.txtReaction, &page.txtDistance})
    EXPECT_EQ(box->text, "");
  EXPECT_FALSE(page.txtx.enabled);
}

TEST(QuadraticPage, EveryScrollPositionShowsAFigureOrARefusalNeverGarbage) {
  // A, C, deceleration: a stopping speed, one without roots, linear, and overflowing.
  const char* setups[][3] = {{"0.07143", "-50.00", "7"}, {"-0.07143", "-50.00", "-7"},
                             {"", "-4", ""},             {"0", "-4", ""},
                             {"1", "1", ""},             {"1e300", "1e300", ""}};
  const std::regex fine(R"(-?\d+\.\d+(  or  -?\d+\.\d+)?|\d+\.\d\d  m/s  or   \d+\.\d\d  mph)"
                        R"(|No real roots|Values out of range)");
  for (const auto& setup : setups) {
    RecordingDialogs dialogs;
    QuadraticPage page(dialogs);
    page.txtA.text = setup[0];
    page.txtC.text = setup[1];
    page.txtDeceleration.text = setup[2];
    for (int value = 0; value <= 250; ++value) {
      page.HScroll1.value = value;
      page.HScroll1_Change();
      EXPECT_TRUE(std::regex_match(page.txtx.text, fine)) << value << ": " << page.txtx.text;
    }
    EXPECT_TRUE(dialogs.shown.empty());
  }
}

}  // namespace
}  // namespace kelvara
