#include "motion/quadratic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "fields/checked.h"
#include "motion/quadratic_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Kind = QuadraticRoots::Kind;
using testing::RecordingDialogs;

const std::vector<std::string> kNoXTerms{"You have no x terms in your equation"};

TEST(QuadraticRoots, ClassifiesByTheDiscriminant) {
  const QuadraticRoots two = solveQuadratic(1.0, -3.0, 2.0);
  EXPECT_EQ(two.kind, Kind::Two);
  EXPECT_DOUBLE_EQ(two.x1, 2.0);  // (−B + √Δ) / (2A) comes first
  EXPECT_DOUBLE_EQ(two.x2, 1.0);

  const QuadraticRoots negativeA = solveQuadratic(-1.0, 3.0, -2.0);
  EXPECT_DOUBLE_EQ(negativeA.x1, 1.0);
  EXPECT_DOUBLE_EQ(negativeA.x2, 2.0);

  const QuadraticRoots zeroB = solveQuadratic(2.0, 0.0, -8.0);
  EXPECT_DOUBLE_EQ(zeroB.x1, 2.0);
  EXPECT_DOUBLE_EQ(zeroB.x2, -2.0);

  const QuadraticRoots twice = solveQuadratic(1.0, 2.0, 1.0);
  EXPECT_EQ(twice.kind, Kind::Double);
  EXPECT_EQ(twice.x1, -1.0);
  EXPECT_EQ(twice.x2, -1.0);

  EXPECT_EQ(solveQuadratic(1.0, 0.0, 1.0).kind, Kind::None);
  EXPECT_EQ(solveQuadratic(0.0, 2.0, -4.0).kind, Kind::None);
}

TEST(QuadraticRoots, KeepsTheDigitsOfASmallRootBesideALargeOne) {
  // x² + 10⁸x + 1 = 0 has roots close to −1E-8 and −1E8; (−B + √Δ) loses the small one.
  const QuadraticRoots roots = solveQuadratic(1.0, 1e8, 1.0);
  EXPECT_NEAR(roots.x1, -1e-8, 1e-20);
  EXPECT_NEAR(roots.x2, -1e8, 1e-4);
}

TEST(QuadraticRoots, RefusesWhatADoubleCannotHold) {
  EXPECT_THROW(coefficientFromDeceleration(0.0), ArithmeticFailure);
  EXPECT_THROW(coefficientFromDeceleration(1e-320), ArithmeticFailure);
  EXPECT_THROW(coefficientFromDeceleration(1.7e308), ArithmeticFailure);
  EXPECT_THROW(linearRoot(0.0, 1.0), ArithmeticFailure);
  EXPECT_THROW(linearRoot(1e-300, 1e300), ArithmeticFailure);
  EXPECT_THROW(solveQuadratic(1.0, 1e200, 1.0), ArithmeticFailure);
  EXPECT_THROW(solveQuadratic(1e300, 1.0, -1e300), ArithmeticFailure);
  EXPECT_DOUBLE_EQ(coefficientFromDeceleration(7.0), 1.0 / 14.0);
  EXPECT_DOUBLE_EQ(linearRoot(2.0, -4.0), 2.0);
}

// The boxes a solve starts from and what it leaves in them.
struct SolveRow {
  const char* name;
  const char* a;
  const char* b;
  const char* c;
  const char* deceleration;
  const char* reaction;
  const char* distance;
  const char* wantA;
  const char* wantB;
  const char* wantC;
  const char* wantX;
  bool noXTerms;
};

TEST(QuadraticPage, SolvesEachFormOfTheEquation) {
  const SolveRow rows[] = {
      {"reaction-stop speed 7/1/50", "", "", "", "7", "1", "50", "0.07143", "1.00", "-50.00",
       "20.37  m/s  or   45.56  mph", false},
      {"reaction-stop speed 8/0.5/30", "", "", "", "8", "0.5", "30", "0.06250", "0.50",
       "-30.00", "18.27  m/s  or   40.87  mph", false},
      {"lower boxes replace typed coefficients", "3", "3", "3", "7", "1", "50", "0.07143",
       "1.00", "-50.00", "20.37  m/s  or   45.56  mph", false},
      {"two roots", "1", "-3", "2", "", "", "", "1", "-3", "2", "2.000  or  1.000", false},
      {"two roots of opposite sign", "2", "0", "-8", "", "", "", "2", "0", "-8",
       "2.000  or  -2.000", false},
      {"double root", "1", "2", "1", "", "", "", "1", "2", "1", "-1.000  or  -1.000", false},
      {"negative discriminant", "1", "0", "1", "", "", "", "1", "0", "1", "No real roots",
       false},
      {"A typed as 0", "0", "2", "-4", "", "", "", "0", "2", "-4", "2.00", false},
      {"A left empty", "", "2", "-4", "", "", "", "", "2", "-4", "2.00", false},
      {"A typed as 0.0 is not linear", "0.0", "2", "-4", "", "", "", "0.0", "2", "-4",
       "No real roots", false},
      {"A typed as 0 with B empty", "0", "", "5", "", "", "", "0", "", "5", "No real roots",
       false},
      {"reaction text that is not a number", "", "", "", "7", "1 s", "50", "0.07143", "1 s",
       "-50.00", "20.37  m/s  or   45.56  mph", false},
      {"only the distance from the lower boxes", "1", "-3", "", "", "", "2", "1", "-3", "-2.00",
       "3.562  or  -0.562", false},
      {"negative deceleration without real roots", "", "", "", "-7", "1", "50", "-0.07143",
       "1.00", "-50.00", "No real roots", false},
      {"zero deceleration leaves A alone", "0.5", "", "", "0", "1", "50", "0.5", "1.00",
       "-50.00", "No real roots", false},
      {"no x terms: A and B empty", "", "", "5", "", "", "", "", "", "5", "", true},
      {"no x terms: A 0 and B 0", "0", "0", "5", "", "", "", "0", "0", "5", "", true},
      {"no x terms: A empty and B 0", "", "0", "5", "", "", "", "", "0", "5", "", true},
      {"deceleration too small", "", "", "", "1e-320", "1", "50", "", "", "",
       "Values out of range", false},
      {"discriminant too large", "1e300", "1", "-1e300", "", "", "", "1e300", "1", "-1e300",
       "Values out of range", false},
      {"linear root too large", "", "1e-300", "-1e300", "", "", "", "", "1e-300", "-1e300",
       "Values out of range", false},
  };
  for (const auto& row : rows) {
    for (bool speedButton : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (speedButton ? " (cmdSpeed)" : " (cmdCalcRoots)"));
      RecordingDialogs dialogs;
      QuadraticPage page(dialogs);
      page.txtA.text = row.a;
      page.txtb.text = row.b;
      page.txtC.text = row.c;
      page.txtDeceleration.text = row.deceleration;
      page.txtReaction.text = row.reaction;
      page.txtDistance.text = row.distance;
      if (speedButton) page.cmdSpeed_Click();
      else page.cmdCalcRoots_Click();
      EXPECT_EQ(page.txtA.text, row.wantA);
      EXPECT_EQ(page.txtb.text, row.wantB);
      EXPECT_EQ(page.txtC.text, row.wantC);
      EXPECT_EQ(page.txtx.text, row.wantX);
      EXPECT_TRUE(page.txtx.enabled);
      if (row.noXTerms) {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0], (Message{kNoXTerms, 0, "Kelvara"}));
      } else {
        EXPECT_TRUE(dialogs.shown.empty());
      }
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
  ASSERT_EQ(page.txtx.text, "20.37  m/s  or   45.56  mph");

  page.txtDeceleration.text = "-7";
  page.cmdSpeed_Click();
  EXPECT_EQ(page.txtx.text, "No real roots");

  page.txtDeceleration.text = "0";
  page.cmdSpeed_Click();
  EXPECT_EQ(page.txtA.text, "-0.07143");
  EXPECT_EQ(page.txtx.text, "No real roots");
}

TEST(QuadraticPage, StartsWithAnEmptyDisabledResultAndTheReactionScrollBar) {
  RecordingDialogs dialogs;
  QuadraticPage page(dialogs);
  EXPECT_FALSE(page.txtx.enabled);
  EXPECT_EQ(page.HScroll1.minimum, 0);
  EXPECT_EQ(page.HScroll1.maximum, 250);
  EXPECT_EQ(page.HScroll1.smallChange, 1);
  EXPECT_EQ(page.HScroll1.largeChange, 25);
  EXPECT_EQ(page.HScroll1.value, 0);
}

QuadraticPage& scrollTo(QuadraticPage& page, int value) {
  if (moveScrollBar(page.HScroll1, value)) page.HScroll1_Change();
  return page;
}

TEST(QuadraticPage, ScrollingRecomputesTheStoppingSpeedFromTheBoxesAsTheyStand) {
  RecordingDialogs dialogs;
  QuadraticPage page(dialogs);
  page.txtDeceleration.text = "7";
  page.txtReaction.text = "1";
  page.txtDistance.text = "50";
  page.cmdSpeed_Click();

  // A is read back from its five-decimal box text 0.07143, not from the deceleration.
  scrollTo(page, 150);
  EXPECT_EQ(page.txtb.text, "1.50");
  EXPECT_EQ(page.txtReaction.text, "1.50");
  EXPECT_EQ(page.txtA.text, "0.07143");
  EXPECT_EQ(page.txtC.text, "-50.00");
  EXPECT_EQ(page.txtx.text, "17.96  m/s  or   40.19  mph");
  EXPECT_EQ(scrollTo(page, 0).txtx.text, "26.46  m/s  or   59.18  mph");
  EXPECT_EQ(page.txtb.text, "0.00");
  EXPECT_EQ(scrollTo(page, 250).txtx.text, "14.22  m/s  or   31.81  mph");
  EXPECT_EQ(page.txtReaction.text, "2.50");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(QuadraticPage, ScrollingEveryPositionShowsAFigureOrARefusalNeverGarbage) {
  struct Setup {
    const char* name;
    const char* a;
    const char* c;
    const char* deceleration;
  };
  const Setup setups[] = {
      {"stopping speed", "0.07143", "-50.00", "7"},
      {"stopping speed with a negative A", "-0.07143", "-50.00", "-7"},
      {"linear with A empty", "", "-4", ""},
      {"linear with A 0", "0", "-4", ""},
      {"A 0.0", "0.0", "-4", ""},
      {"general quadratic", "1", "1", ""},
      {"huge coefficients", "1e300", "1e300", ""},
  };
  const std::regex fine(
      R"(-?\d+\.\d+(  or  -?\d+\.\d+)?|\d+\.\d\d  m/s  or   \d+\.\d\d  mph|No real roots|Values out of range)");
  for (const auto& setup : setups) {
    SCOPED_TRACE(setup.name);
    RecordingDialogs dialogs;
    QuadraticPage page(dialogs);
    page.txtA.text = setup.a;
    page.txtC.text = setup.c;
    page.txtDeceleration.text = setup.deceleration;
    for (int value = 0; value <= 250; ++value) {
      page.HScroll1.value = value;
      page.HScroll1_Change();
      EXPECT_TRUE(std::regex_match(page.txtx.text, fine)) << value << ": " << page.txtx.text;
      EXPECT_TRUE(page.txtx.enabled);
    }
    EXPECT_TRUE(dialogs.shown.empty());
  }
}

TEST(QuadraticPage, ScrollingSolvesTheFormsOfTheEquation) {
  RecordingDialogs dialogs;
  QuadraticPage page(dialogs);
  page.txtC.text = "-4";
  EXPECT_EQ(scrollTo(page, 200).txtx.text, "2.00");
  // No reaction time leaves no x term; the bar reports no root rather than a message.
  EXPECT_EQ(scrollTo(page, 0).txtx.text, "No real roots");

  page.txtA.text = "0";
  EXPECT_EQ(scrollTo(page, 50).txtx.text, "8.00");

  // x² + 2x + 1: the second figure of a double root has two decimals here.
  page.txtA.text = "1";
  page.txtC.text = "1";
  EXPECT_EQ(scrollTo(page, 200).txtx.text, "-1.000  or  -1.00");
  EXPECT_EQ(scrollTo(page, 250).txtx.text, "-0.500  or  -2.000");
  EXPECT_EQ(scrollTo(page, 100).txtx.text, "No real roots");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(QuadraticPage, ClearReturnsTheBarToZeroAndEmptiesEveryBox) {
  RecordingDialogs dialogs;
  QuadraticPage page(dialogs);
  page.txtDeceleration.text = "7";
  page.txtReaction.text = "1";
  page.txtDistance.text = "50";
  page.cmdCalcRoots_Click();
  scrollTo(page, 150);

  page.cmdClear2_Click();
  EXPECT_EQ(page.HScroll1.value, 0);
  for (const TextBox* box : {&page.txtA, &page.txtb, &page.txtC, &page.txtx,
                             &page.txtDeceleration, &page.txtReaction, &page.txtDistance})
    EXPECT_EQ(box->text, "");
  EXPECT_FALSE(page.txtx.enabled);

  // A linear equation left on the page: the bar's move to 0 must not raise a message.
  page.txtb.text = "2";
  page.txtC.text = "-4";
  scrollTo(page, 30);
  page.cmdClear2_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(page.txtb.text, "");
}

TEST(QuadraticPage, HelpNamesBothPurposes) {
  RecordingDialogs dialogs;
  QuadraticPage page(dialogs);
  page.mnuHelp_Click();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0],
            (Message{{"This page has two purposes. It can be used for solving quadratic "
                      "equations in general",
                      "OR",
                      " it can be used to find the speed from which a driver can just manage "
                      "to react and stop in a specified distance."},
                     0,
                     "Kelvara"}));
}

}  // namespace
}  // namespace kelvara
