#include "dynamics/curve.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dynamics/curve_page.h"
#include "fields/checked.h"
#include "fields/field_text.h"
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

TEST(CurveGeometry, AnyTwoOfRadiusChordAndOrdinateGiveTheThird) {
  EXPECT_EQ(maskFormat(curve::radiusFromChordAndOrdinate(28, 2), "#####0.000"), "50.000");
  EXPECT_EQ(maskFormat(*curve::chordFromRadiusAndOrdinate(50, 2), "#####0.000"), "28.000");
  EXPECT_EQ(maskFormat(curve::ordinateFromRadiusAndChord(50, 28), "####0.000"), "2.000");
  EXPECT_FALSE(curve::chordFromRadiusAndOrdinate(10, 30).has_value());
  EXPECT_THROW(curve::ordinateFromRadiusAndChord(10, 30), ArithmeticFailure);
  EXPECT_THROW(curve::radiusFromChordAndOrdinate(28, 0), ArithmeticFailure);
}

TEST(CurveSpeed, FormulasWithoutARealValueThrow) {
  const double a = 0.7 * 9.81;
  EXPECT_NEAR(curve::criticalSpeed(100, a, 0, curve::kInfiniteVerticalRadius), 26.20496, 1e-5);
  // A hill brow lowers the speed: V² = Ra / (1 + μR/VR).
  EXPECT_NEAR(curve::criticalSpeed(100, a, 0, 200), 22.55364, 1e-5);
  EXPECT_THROW(curve::criticalSpeed(100, a, 0, 0), ArithmeticFailure);
  // μ·tanθ ≥ 1: the camber alone would hold the vehicle at any speed.
  EXPECT_THROW(curve::criticalSpeed(100, 1.1 * 9.81, curve::degreesToRadians(60), 1e18),
               ArithmeticFailure);
  EXPECT_THROW(curve::criticalSpeed(100, -9.81, curve::degreesToRadians(-45.001), 1e18),
               ArithmeticFailure);
  EXPECT_THROW(curve::brakedCriticalSpeed(100, a, 5, curve::degreesToRadians(-30)),
               ArithmeticFailure);
  EXPECT_THROW(curve::brakedCriticalSpeed(0, a, 5, curve::degreesToRadians(-30)),
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

class CurvePageTest : public ::testing::Test {
 protected:
  void fill(const char* radius, const char* chord, const char* ordinate, const char* coefficient,
            const char* camber, const char* speed) {
    page.txtRadius.text = radius;
    page.txtChord.text = chord;
    page.txtOrdinate.text = ordinate;
    page.txtDeceleration.text = coefficient;
    page.txtCamber.text = camber;
    page.txtCriticalSpeed.text = speed;
  }

  bool brakedBoxEnabled() const {
    return page.Text3.enabled && page.txta2.enabled && page.txtCritSpBraked.enabled &&
           page.txtBraked.enabled && page.cmdCalcBraked.enabled;
  }
  bool brakedBoxDisabled() const {
    return !page.Text3.enabled && !page.txta2.enabled && !page.txtCritSpBraked.enabled &&
           !page.txtBraked.enabled && !page.cmdCalcBraked.enabled;
  }

  void TearDown() override {
    for (const auto& message : dialogs.shown) {
      EXPECT_EQ(message.code, 0);
      EXPECT_EQ(message.title, "Kelvara");
    }
  }

  testing::RecordingDialogs dialogs;
  CurvePage page{dialogs};
};

TEST_F(CurvePageTest, LoadsWithTheBrakedBoxDisabled) {
  EXPECT_EQ(page.txtVerticalRadius.text, "Infinity");
  EXPECT_EQ(page.lblLabel6.caption, "Critical Speed in m/s:");
  EXPECT_EQ(page.Text3.text, "Deceleration rate:");
  EXPECT_EQ(page.txtCritSpBraked.text, "Critical speed for braked conditions:");
  EXPECT_TRUE(brakedBoxDisabled());
  EXPECT_TRUE(page.Command1.enabled);
}

struct GeometryRow {
  const char* name;
  const char* radius;
  const char* chord;
  const char* ordinate;
  const char* radiusShown;
  const char* chordShown;
  const char* ordinateShown;
};

TEST_F(CurvePageTest, GeometryDerivesTheMissingValue) {
  const GeometryRow rows[] = {
      {"radius 50 and ordinate 2", "50", "", "2", "50", "28.000  metres", "2"},
      {"chord 28 and ordinate 2", "", "28", "2", "50.000  metres", "28", "2"},
      {"radius 50 and chord 28", "50", "28", "", "50", "28", "2.000"},
      {"radius 10 and ordinate 30 have no chord", "10", "", "30", "", "", "0.000"},
  };
  for (const auto& row : rows) {
    fill(row.radius, row.chord, row.ordinate, "0.7", "0", "");
    page.Command1_Click();
    EXPECT_EQ(page.txtRadius.text, row.radiusShown) << row.name;
    EXPECT_EQ(page.txtChord.text, row.chordShown) << row.name;
    EXPECT_EQ(page.txtOrdinate.text, row.ordinateShown) << row.name;
  }
  EXPECT_EQ(dialogs.lines(), Lines{kNegativeRoot});
}

TEST_F(CurvePageTest, DerivedRadiusFeedsTheCriticalSpeed) {
  fill("", "28", "2", "0.7", "0", "");
  page.Command1_Click();
  // √(50 × 6.867) = 18.530 m/s.
  EXPECT_EQ(page.txtCriticalSpeed.text, "18.530  m/s       or        41.450 mph");
}

TEST_F(CurvePageTest, CriticalSpeedOfALevelCurve) {
  fill("100", "", "", "0.7", "0", "");
  page.Command1_Click();
  EXPECT_EQ(page.txtCriticalSpeed.text, "26.205  m/s       or        58.619 mph");
  EXPECT_EQ(page.lblLabel6.caption, "Critical Speed:");
  EXPECT_EQ(page.txtCamber.text, "0");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(brakedBoxEnabled());
}

TEST_F(CurvePageTest, EmptyCamberWarnsThenCountsAsLevel) {
  fill("100", "", "", "0.7", "", "");
  page.Command1_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kTooFewValues});
  EXPECT_EQ(page.txtCriticalSpeed.text, "26.205  m/s       or        58.619 mph");
  EXPECT_EQ(page.txtCamber.text, "0.000 degrees");
}

TEST_F(CurvePageTest, CoefficientAboveOnePointOneIsRefused) {
  fill("100", "", "", "1.2", "0", "");
  page.Command1_Click();
  EXPECT_EQ(dialogs.lines(), Lines{{"Your coefficient is too high"}});
  EXPECT_EQ(page.txtCriticalSpeed.text, "");
  EXPECT_TRUE(brakedBoxDisabled());

  dialogs.clear();
  page.txtDeceleration.text = "1.1";
  page.Command1_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(page.txtCriticalSpeed.text, "32.850  m/s       or        73.483 mph");
}

TEST_F(CurvePageTest, AllEmptyDoesNothing) {
  page.Command1_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(page.txtChord.text, "");
  EXPECT_EQ(page.txtCriticalSpeed.text, "");
  EXPECT_TRUE(brakedBoxDisabled());
}

TEST_F(CurvePageTest, GeometryWarningsKeepTheCalculationGoing) {
  fill("50", "28", "2", "0.7", "0", "");
  page.Command1_Click();
  fill("", "", "2", "0.7", "0", "");
  page.Command1_Click();
  fill("", "30", "", "0.7", "0", "");
  page.Command1_Click();
  EXPECT_EQ(dialogs.lines(),
            (Lines{{"Delete either the chord length or the Middle Ordinate."},
                   {"You need either the Radius or the Chord."},
                   kNegativeRoot,
                   {"You need either the Radius or the Middle Ordinate"},
                   kNegativeRoot}));
  // A chord on its own has no ordinate (its radius reads as 0): nothing further is written.
  EXPECT_EQ(page.txtOrdinate.text, "");
  EXPECT_EQ(page.txtCriticalSpeed.text, "");
}

TEST_F(CurvePageTest, ChordLongerThanTheDiameterStopsBeforeTheSpeed) {
  fill("10", "30", "", "0.7", "0", "");
  page.Command1_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kNegativeRoot});
  EXPECT_EQ(page.txtOrdinate.text, "");
  EXPECT_EQ(page.txtCriticalSpeed.text, "");
  EXPECT_TRUE(brakedBoxDisabled());
}

TEST_F(CurvePageTest, ThreeLowerValuesWarnAndKeepTheTypedSpeed) {
  fill("100", "", "", "0.7", "0", "30");
  page.Command1_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kTooManyValues});
  EXPECT_EQ(page.txtCriticalSpeed.text, "30 m/s       or       67.108  mph");
}

TEST_F(CurvePageTest, TypedSpeedGivesTheCamber) {
  fill("100", "", "", "0.7", "", "30");
  page.Command1_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(page.txtCriticalSpeed.text, "30 m/s       or       67.108  mph");
  EXPECT_EQ(page.lblLabel6.caption, "Critical Speed:");
  EXPECT_EQ(page.txtCamber.text, "12.267 degrees");
  EXPECT_TRUE(brakedBoxEnabled());
}

TEST_F(CurvePageTest, TypedSpeedGivesTheCoefficient) {
  fill("100", "", "", "", "0", "30");
  page.Command1_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  // 900 / 981 − tan 0.
  EXPECT_EQ(page.txtDeceleration.text, "0.917");
}

TEST_F(CurvePageTest, RepeatedCalculateWritesTheMphFigureOnce) {
  fill("100", "", "", "0.7", "", "30");
  page.Command1_Click();
  page.Command1_Click();
  page.Command1_Click();
  EXPECT_EQ(page.txtCriticalSpeed.text, "30 m/s       or       67.108  mph");

  fill("100", "", "", "0.7", "0", "");
  page.Command1_Click();
  page.Command1_Click();
  EXPECT_EQ(page.txtCriticalSpeed.text, "26.205 m/s       or       58.619  mph");
}

TEST_F(CurvePageTest, DipTooTightFallsBackToALevelRoad) {
  fill("100", "", "", "0.7", "0", "");
  page.txtVerticalRadius.text = "-20";
  page.Command1_Click();
  EXPECT_EQ(dialogs.lines(),
            (Lines{{"Your value for the vertical radius is too small for",
                    "the equation to be valid.",
                    "The value about to be calculated is for a constant longitudinal gradient."}}));
  EXPECT_EQ(page.txtVerticalRadius.text, "Infinity");
  EXPECT_EQ(page.txtCriticalSpeed.text, "26.205  m/s       or        58.619 mph");
}

TEST_F(CurvePageTest, HillBrowLowersTheSpeed) {
  fill("100", "", "", "0.7", "0", "");
  page.txtVerticalRadius.text = "200";
  page.Command1_Click();
  EXPECT_EQ(page.txtCriticalSpeed.text, "22.554  m/s       or        50.451 mph");
}

struct RefusalRow {
  const char* name;
  const char* coefficient;
  const char* camber;
  const char* verticalRadius;
  std::vector<std::string> message;
};

TEST_F(CurvePageTest, SpeedsWithoutARealValueAreRefused) {
  const RefusalRow rows[] = {
      {"camber holds at any speed", "1.1", "60", "Infinity", kNegativeRoot},
      {"empty vertical radius reads as zero", "0.7", "0", "", kNegativeRoot},
      {"non-numeric vertical radius", "0.7", "0", "infinity", kNegativeRoot},
      {"adverse camber beyond the friction", "0.7", "-40", "Infinity",
       {"Your input data has resulted in a negative deceleration rate.",
        "Re-enter your values."}},
  };
  for (const auto& row : rows) {
    dialogs.clear();
    fill("100", "", "", row.coefficient, row.camber, "");
    page.txtVerticalRadius.text = row.verticalRadius;
    page.Command1_Click();
    EXPECT_EQ(dialogs.lines(), Lines{row.message}) << row.name;
    EXPECT_EQ(page.txtCriticalSpeed.text, "") << row.name;
    EXPECT_TRUE(brakedBoxDisabled()) << row.name;
  }
}

TEST_F(CurvePageTest, HugeFiguresNeverReachABox) {
  fill("1e308", "", "", "0.7", "0", "");
  page.Command1_Click();
  fill("100", "", "", "0.7", "", "1e300");
  page.Command1_Click();
  EXPECT_EQ(dialogs.lines(), (Lines{kNegativeRoot, kNegativeRoot}));
  EXPECT_EQ(page.txtCamber.text, "");
}

TEST_F(CurvePageTest, BrakedCriticalSpeed) {
  fill("100", "", "", "0.7", "0", "");
  page.Command1_Click();
  page.txta2.text = "5";
  page.cmdCalcBraked_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(page.txtBraked.text, "21.696 m/s or 48.532 mph");

  // Braking at the full grip leaves nothing for cornering.
  page.txta2.text = "6.867";
  page.cmdCalcBraked_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(page.txtBraked.text, "0.000 m/s or 0.000 mph");
}

TEST_F(CurvePageTest, BrakedStepUsesTheCamberItFound) {
  fill("100", "", "", "0.7", "", "30");
  page.Command1_Click();
  page.txta2.text = "5";
  page.cmdCalcBraked_Click();
  // (100² × ((6.867 + 9.81 tan 12.267°)² − 25))^¼
  EXPECT_EQ(page.txtBraked.text, "27.356 m/s or 61.193 mph");
}

TEST_F(CurvePageTest, BrakedDecelerationOutOfRangeIsRefused) {
  fill("100", "", "", "0.7", "0", "");
  page.Command1_Click();
  for (const char* braking : {"0", "-1", "6.8671", ""}) {
    dialogs.clear();
    page.txta2.text = braking;
    page.txtBraked.text = "";
    page.cmdCalcBraked_Click();
    EXPECT_EQ(dialogs.lines(), Lines{kBrakingOutOfRange}) << braking;
    EXPECT_EQ(page.txtBraked.text, "") << braking;
  }
  dialogs.clear();
  page.txtDeceleration.text = "0.57";
  page.txta2.text = "5.5917";
  page.cmdCalcBraked_Click();
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(CurvePageTest, AdverseCamberLeavesNoBrakedSpeed) {
  fill("100", "", "", "0.7", "-30", "");
  page.Command1_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  page.txta2.text = "5";
  page.cmdCalcBraked_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kNegativeRoot});
  EXPECT_EQ(page.txtBraked.text, "");
}

TEST_F(CurvePageTest, ClearEmptiesTheBoxesAndDisablesTheBrakedBox) {
  fill("100", "", "", "0.7", "0", "");
  page.txtVerticalRadius.text = "500";
  page.Command1_Click();
  page.txta2.text = "5";
  page.cmdCalcBraked_Click();
  page.cmdClear_Click();
  for (const TextBox* box : {&page.txtRadius, &page.txtChord, &page.txtOrdinate,
                             &page.txtDeceleration, &page.txtCamber, &page.txtCriticalSpeed,
                             &page.txta2, &page.txtBraked})
    EXPECT_EQ(box->text, "");
  EXPECT_EQ(page.txtVerticalRadius.text, "Infinity");
  EXPECT_EQ(page.Text3.text, "Deceleration rate:");
  EXPECT_EQ(page.lblLabel6.caption, "Critical Speed:");
  EXPECT_TRUE(brakedBoxDisabled());
  EXPECT_TRUE(page.Command1.enabled);
}

TEST_F(CurvePageTest, NotesListTheReferences) {
  page.mnuNotes_Click();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const auto& lines = dialogs.shown[0].lines;
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "References:");
  EXPECT_EQ(lines[2], "The formula here takes into account the effect of camber.");
}

}  // namespace
}  // namespace kelvara
