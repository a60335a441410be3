#include "dynamics/curve.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dynamics/curve_page.h"
#include "fields/checked.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kNegativeRoot{
    "Your values have resulted in a negative square root.", "Try again."};
const std::vector<std::string> kTooFewValues{"You need two values in the lower box.",
                                             "You have typed in only one value."};
const std::vector<std::string> kTooManyValues{
    "Only two values should be typed into the lower box.", "Try again."};
const std::vector<std::string> kBrakingOutOfRange{
    "Your deceleration rate is inappropriate. It must be less than 9.81x(Coefficient of "
    "friction) and greater than zero."};

// ---- calculation ------------------------------------------------------------------------

// A negative coefficient and an adverse camber can make the quotient positive again; the
// formula still has no meaning once μ·tanθ reaches 1.
TEST(CurveSpeed, NoSpeedOnceTheCamberAloneHoldsTheVehicle) {
  EXPECT_THROW(curve::criticalSpeed(100, -9.81, curve::degreesToRadians(-45.001), 1e18),
               ArithmeticFailure);
}

TEST(CurveSpeed, BrakingAtTheFullGripIsAcceptedAndLeavesNoGrip) {
  // 0.57 × 9.81 and 0.69 × 9.81 fall a hair short of the decimal product in binary.
  const std::pair<double, double> rows[] = {{0.7, 6.867}, {0.57, 5.5917}, {0.69, 6.7689},
                                            {1.1, 10.791}};
  for (const auto& [coefficient, typed] : rows) {
    const double friction = curve::brakedFrictionDeceleration(coefficient);
    EXPECT_TRUE(curve::brakingDecelerationInRange(typed, friction)) << coefficient;
    EXPECT_FALSE(curve::brakingDecelerationInRange(typed + 1e-4, friction)) << coefficient;
    EXPECT_EQ(curve::brakedCriticalSpeed(100, friction, typed, 0), 0.0) << coefficient;
  }
  EXPECT_FALSE(curve::brakingDecelerationInRange(0, 6.867));
  EXPECT_FALSE(curve::brakingDecelerationInRange(-1, 6.867));
  EXPECT_EQ(curve::brakedFrictionDeceleration(0.57), 5.5917);
}

// ---- page logic ------------------------------------------------------------------------

void fill(CurvePage& page, const char* radius, const char* chord, const char* ordinate,
          const char* coefficient, const char* camber, const char* speed) {
  page.txtRadius.text = radius;
  page.txtChord.text = chord;
  page.txtOrdinate.text = ordinate;
  page.txtDeceleration.text = coefficient;
  page.txtCamber.text = camber;
  page.txtCriticalSpeed.text = speed;
}

bool brakedBoxEnabled(const CurvePage& page) {
  return page.Text3.enabled && page.txta2.enabled && page.txtCritSpBraked.enabled &&
         page.txtBraked.enabled && page.cmdCalcBraked.enabled;
}

// Every box of this page has an OK button, no icon and the application's title.
void expectPlainMessages(const testing::RecordingDialogs& dialogs) {
  for (const auto& message : dialogs.shown) {
    EXPECT_EQ(message.code, 0);
    EXPECT_EQ(message.title, "Kelvara");
  }
}

class CurvePageTest : public ::testing::Test {
 protected:
  void TearDown() override { expectPlainMessages(dialogs); }

  testing::RecordingDialogs dialogs;
  CurvePage page{dialogs};
};

// Each row starts from a fresh page.
struct GeometryRow {
  const char* name;
  const char* radius;
  const char* chord;
  const char* ordinate;
  const char* radiusShown;
  const char* chordShown;
  const char* ordinateShown;
  const char* speedShown;
  Lines messages;
};

TEST(CurvePage, GeometryDerivesTheMissingValue) {
  const char* kRadius50 = "18.530  m/s       or        41.450 mph";  // √(50 × 6.867)
  const GeometryRow rows[] = {
      {"radius 50 and ordinate 2", "50", "", "2", "50", "28.000  metres", "2", kRadius50, {}},
      {"chord 28 and ordinate 2", "", "28", "2", "50.000  metres", "28", "2", kRadius50, {}},
      {"radius 50 and chord 28", "50", "28", "", "50", "28", "2.000", kRadius50, {}},
      {"radius 10 and ordinate 30 have no chord", "10", "", "30", "", "", "0.000",
       "0.000  m/s       or        0.000 mph", {kNegativeRoot}},
      {"all three given", "50", "28", "2", "50", "28", "2", kRadius50,
       {{"Delete either the chord length or the Middle Ordinate."}}},
      {"ordinate alone", "", "", "2", "", "", "0.000", "0.000  m/s       or        0.000 mph",
       {{"You need either the Radius or the Chord."}, kNegativeRoot}},
      {"chord alone has no ordinate", "", "30", "", "", "30", "", "",
       {{"You need either the Radius or the Middle Ordinate"}, kNegativeRoot}},
      {"chord longer than the diameter", "10", "30", "", "10", "30", "", "", {kNegativeRoot}},
  };
  for (const auto& row : rows) {
    testing::RecordingDialogs dialogs;
    CurvePage page(dialogs);
    fill(page, row.radius, row.chord, row.ordinate, "0.7", "0", "");
    page.Command1_Click();
    EXPECT_EQ(page.txtRadius.text, row.radiusShown) << row.name;
    EXPECT_EQ(page.txtChord.text, row.chordShown) << row.name;
    EXPECT_EQ(page.txtOrdinate.text, row.ordinateShown) << row.name;
    EXPECT_EQ(page.txtCriticalSpeed.text, row.speedShown) << row.name;
    EXPECT_EQ(dialogs.lines(), row.messages) << row.name;
    EXPECT_EQ(brakedBoxEnabled(page), *row.speedShown != '\0') << row.name;
    expectPlainMessages(dialogs);
  }
}

struct SpeedRow {
  const char* name;
  const char* coefficient;
  const char* camber;
  const char* verticalRadius;
  const char* speedShown;  // empty: refused, the braked box stays disabled
  const char* camberShown;
  const char* verticalRadiusShown;
  Lines messages;
};

TEST(CurvePage, CriticalSpeedOnRadius100) {
  const char* kLevel = "26.205  m/s       or        58.619 mph";
  const std::vector<std::string> kNegativeDeceleration{
      "Your input data has resulted in a negative deceleration rate.", "Re-enter your values."};
  const SpeedRow rows[] = {
      {"level curve", "0.7", "0", "Infinity", kLevel, "0", "Infinity", {}},
      {"empty camber counts as level", "0.7", "", "Infinity", kLevel, "0.000 degrees",
       "Infinity", {kTooFewValues}},
      {"coefficient 1.1 is accepted", "1.1", "0", "Infinity",
       "32.850  m/s       or        73.483 mph", "0", "Infinity", {}},
      {"coefficient 1.2 is too high", "1.2", "0", "Infinity", "", "0", "Infinity",
       {{"Your coefficient is too high"}}},
      {"hill brow lowers the speed", "0.7", "0", "200", "22.554  m/s       or        50.451 mph",
       "0", "200", {}},
      {"dip too tight falls back to a level road", "0.7", "0", "-20", kLevel, "0", "Infinity",
       {{"Your value for the vertical radius is too small for", "the equation to be valid.",
         "The value about to be calculated is for a constant longitudinal gradient."}}},
      {"camber holds at any speed", "1.1", "60", "Infinity", "", "60", "Infinity",
       {kNegativeRoot}},
      {"empty vertical radius reads as zero", "0.7", "0", "", "", "0", "", {kNegativeRoot}},
      {"non-numeric vertical radius", "0.7", "0", "infinity", "", "0", "infinity",
       {kNegativeRoot}},
      {"adverse camber beyond the friction", "0.7", "-40", "Infinity", "", "-40", "Infinity",
       {kNegativeDeceleration}},
  };
  for (const auto& row : rows) {
    testing::RecordingDialogs dialogs;
    CurvePage page(dialogs);
    fill(page, "100", "", "", row.coefficient, row.camber, "");
    page.txtVerticalRadius.text = row.verticalRadius;
    page.Command1_Click();
    EXPECT_EQ(page.txtCriticalSpeed.text, row.speedShown) << row.name;
    EXPECT_EQ(page.txtCamber.text, row.camberShown) << row.name;
    EXPECT_EQ(page.txtVerticalRadius.text, row.verticalRadiusShown) << row.name;
    EXPECT_EQ(dialogs.lines(), row.messages) << row.name;
    const bool calculated = *row.speedShown != '\0';
    EXPECT_EQ(brakedBoxEnabled(page), calculated) << row.name;
    EXPECT_EQ(page.lblLabel6.caption, calculated ? "Critical Speed:" : "Critical Speed in m/s:")
        << row.name;
    expectPlainMessages(dialogs);
  }
}

TEST_F(CurvePageTest, AllEmptyDoesNothing) {
  page.Command1_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(page.txtChord.text, "");
  EXPECT_EQ(page.txtCriticalSpeed.text, "");
  EXPECT_FALSE(brakedBoxEnabled(page));
}

TEST_F(CurvePageTest, TypedSpeedGivesTheCamberOrTheCoefficient) {
  fill(page, "100", "", "", "0.7", "", "30");
  page.Command1_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(page.txtCriticalSpeed.text, "30 m/s       or       67.108  mph");
  EXPECT_EQ(page.lblLabel6.caption, "Critical Speed:");
  EXPECT_EQ(page.txtCamber.text, "12.267 degrees");
  EXPECT_TRUE(brakedBoxEnabled(page));

  fill(page, "100", "", "", "", "0", "30");
  page.Command1_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(page.txtDeceleration.text, "0.917");  // 900 / 981 − tan 0
}

TEST_F(CurvePageTest, RepeatedCalculateWritesTheMphFigureOnce) {
  fill(page, "100", "", "", "0.7", "", "30");
  page.Command1_Click();
  page.Command1_Click();
  page.Command1_Click();
  // The camber found the first time makes three values in the lower box.
  EXPECT_EQ(dialogs.lines(), (Lines{kTooManyValues, kTooManyValues}));
  EXPECT_EQ(page.txtCriticalSpeed.text, "30 m/s       or       67.108  mph");

  fill(page, "100", "", "", "0.7", "0", "");
  page.Command1_Click();
  page.Command1_Click();
  EXPECT_EQ(page.txtCriticalSpeed.text, "26.205 m/s       or       58.619  mph");
}

TEST_F(CurvePageTest, HugeFiguresNeverReachABox) {
  fill(page, "1e308", "", "", "0.7", "0", "");
  page.Command1_Click();
  fill(page, "100", "", "", "0.7", "", "1e300");
  page.Command1_Click();
  EXPECT_EQ(dialogs.lines(), (Lines{kNegativeRoot, kNegativeRoot}));
  EXPECT_EQ(page.txtCamber.text, "");
}

struct BrakedRow {
  const char* name;
  const char* coefficient;
  const char* camber;
  const char* speed;
  const char* braking;
  const char* brakedShown;
  Lines messages;
};

TEST(CurvePage, BrakedCriticalSpeedOnRadius100) {
  const BrakedRow rows[] = {
      {"level, braking at 5", "0.7", "0", "", "5", "21.696 m/s or 48.532 mph", {}},
      {"braking at the full grip", "0.7", "0", "", "6.867", "0.000 m/s or 0.000 mph", {}},
      {"0.57 × 9.81 typed in full", "0.57", "0", "", "5.5917", "0.000 m/s or 0.000 mph", {}},
      // (100² × ((6.867 + 9.81 tan 12.267°)² − 25))^¼, with the camber found from 30 m/s.
      {"camber found from the speed", "0.7", "", "30", "5", "27.356 m/s or 61.193 mph", {}},
      {"adverse camber", "0.7", "-30", "", "5", "", {kNegativeRoot}},
      {"no braking", "0.7", "0", "", "0", "", {kBrakingOutOfRange}},
      {"negative braking", "0.7", "0", "", "-1", "", {kBrakingOutOfRange}},
      {"empty braking", "0.7", "0", "", "", "", {kBrakingOutOfRange}},
      {"braking beyond the grip", "0.7", "0", "", "6.8671", "", {kBrakingOutOfRange}},
  };
  for (const auto& row : rows) {
    testing::RecordingDialogs dialogs;
    CurvePage page(dialogs);
    fill(page, "100", "", "", row.coefficient, row.camber, row.speed);
    page.Command1_Click();
    ASSERT_TRUE(dialogs.shown.empty()) << row.name;
    page.txta2.text = row.braking;
    page.cmdCalcBraked_Click();
    EXPECT_EQ(page.txtBraked.text, row.brakedShown) << row.name;
    EXPECT_EQ(dialogs.lines(), row.messages) << row.name;
    expectPlainMessages(dialogs);
  }
}

TEST_F(CurvePageTest, ClearKeepsTheSpeedLabelAndTheHeadings) {
  fill(page, "100", "", "", "0.7", "0", "");
  page.txtVerticalRadius.text = "500";
  page.Command1_Click();
  page.cmdClear_Click();
  EXPECT_EQ(page.txtCriticalSpeed.text, "");
  EXPECT_EQ(page.txtVerticalRadius.text, "Infinity");
  EXPECT_EQ(page.Text3.text, "Deceleration rate:");
  EXPECT_EQ(page.lblLabel6.caption, "Critical Speed:");
  EXPECT_FALSE(brakedBoxEnabled(page));
  EXPECT_FALSE(page.Text3.enabled || page.txta2.enabled || page.txtCritSpBraked.enabled ||
               page.txtBraked.enabled || page.cmdCalcBraked.enabled);
}

}  // namespace
}  // namespace kelvara
