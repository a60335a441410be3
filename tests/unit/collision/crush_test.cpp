#include "collision/crush.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collision/crush_page.h"
#include "fields/checked.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kNoCoefficients{"You have not entered any Crush Coefficients"};
const std::vector<std::string> kInvalidData{
    "Your data is invalid. Check the data. Have you used the data from the pull down menus? "};

// ---- calculation ------------------------------------------------------------------------

TEST(CrushEnergy, FourReadingsIntegrateThreeIntervals) {
  const crush::CrushReadings c{12, 18, 18, 12, 99, 99};  // readings 5 and 6 take no part
  const double G = crush::crushConstant(324, 45.1);
  EXPECT_NEAR(crush::crushEnergy(4, c, 90, 10, 324, 45.1, G), 11331.415795879802, 1e-8);
  EXPECT_NEAR(crush::impactForce(4, c, 90, 10, 324, 45.1), 95555.70340098253, 1e-8);
}

TEST(CrushEnergy, RightAngleForceIsLargeButFinite) {
  // π taken as 3.14159 keeps θ = 90° short of the tangent's pole.
  const crush::CrushReadings c{20, 20, 0, 0, 0, 0};
  const double E = crush::crushEnergy(2, c, 100, 90, 362, 48.3, crush::crushConstant(362, 48.3));
  EXPECT_GT(E, 1e14);
  EXPECT_GT(crush::impactForce(2, c, 100, 90, 362, 48.3), 1e10);
}

TEST(CrushEnergy, OverflowAnywhereIsAFailureEvenWhereADivisionWouldHideIt) {
  const crush::CrushReadings c{20, 20, 0, 0, 0, 0};
  // 2B overflows, which would make G zero.
  EXPECT_THROW(crush::crushConstant(362, 1e308), ArithmeticFailure);
  // h² overflows, which would make γ zero.
  EXPECT_THROW(crush::effectiveMassFactor(143, 1e200), ArithmeticFailure);
  EXPECT_THROW(crush::effectiveMassFactor(0, 0), ArithmeticFailure);
  EXPECT_THROW(crush::crushEnergy(2, c, 100, 1e308, 362, 48.3, 1356), ArithmeticFailure);
  EXPECT_THROW(crush::crushEnergy(6, {1e200, 0, 0, 0, 0, 0}, 100, 0, 362, 48.3, 1356),
               ArithmeticFailure);
  // m·(1 + γm/γ'm') overflows, which would make delta V zero.
  EXPECT_THROW(crush::deltaVMph(1000, 1, 1e300, 1, 1e-10), ArithmeticFailure);
  EXPECT_THROW(crush::barrierSpeedMph(-1000, 1, 1300), ArithmeticFailure);
  EXPECT_THROW(crush::barrierSpeedMph(1000, 1, 0), ArithmeticFailure);
}

// ---- page logic ------------------------------------------------------------------------

struct VehicleInput {
  std::vector<const char*> cells;  // C1 onwards
  const char* width;
  const char* angle;
  const char* momentArm;
  const char* mass;
};

class CrushPageTest : public ::testing::Test {
 protected:
  testing::RecordingDialogs dialogs;
  CrushPage page{dialogs};

  std::array<TextBox*, 6> cells(int vehicle) {
    if (vehicle == 1)
      return {&page.txtC11, &page.txtC21, &page.txtC31, &page.txtC41, &page.txtC51, &page.txtC61};
    return {&page.txtC12, &page.txtC22, &page.txtC32, &page.txtC42, &page.txtC52, &page.txtC62};
  }
  std::vector<TextBox*> results() {
    return {&page.txtEnergy1, &page.txtEnergy2, &page.txtForce1,   &page.txtForce2,
            &page.txtEBS1,    &page.txtEBS2,    &page.txtDeltaV1, &page.txtDeltaV2};
  }
  std::vector<std::string> resultTexts() {
    std::vector<std::string> texts;
    for (TextBox* box : results()) texts.push_back(box->text);
    return texts;
  }
  void enter(int vehicle, const VehicleInput& input) {
    auto boxes = cells(vehicle);
    for (std::size_t i = 0; i < input.cells.size(); ++i) boxes[i]->text = input.cells[i];
    (vehicle == 1 ? page.txtWidthdamage1 : page.txtWidthdamage2).text = input.width;
    (vehicle == 1 ? page.txtForceangle1 : page.txtForceangle2).text = input.angle;
    (vehicle == 1 ? page.txth1 : page.txth2).text = input.momentArm;
    (vehicle == 1 ? page.txtMass1 : page.txtMass2).text = input.mass;
  }
  // Two family cars head on, the first worked example.
  void familyCarsHeadOn() {
    page.mnuFamilycar1_Click();
    page.mnuFamilycar2_Click();
    page.mnuFront1_Click();
    page.mnuFront2_Click();
    enter(1, {{"20", "20"}, "100", "0", "0", "1300"});
    enter(2, {{"20", "20"}, "100", "0", "0", "1300"});
  }
};

TEST_F(CrushPageTest, TwoFamilyCarsHeadOnWithTwoReadings) {
  familyCarsHeadOn();
  page.cmdCalculate7_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(resultTexts(), (std::vector<std::string>{"18257", "18257", "132800", "132800", "11.9",
                                                      "11.9", "11.9 mph  or  5.3 m/s",
                                                      "11.9 mph  or  5.3 m/s"}));
  for (TextBox* box : results()) EXPECT_TRUE(box->enabled);
}

TEST_F(CrushPageTest, FamilyCarFrontIntoSmallCarRearWithSixReadings) {
  page.mnuFamilycar1_Click();
  page.mnuFront1_Click();
  page.mnuSmallcar2_Click();
  page.mnuRear2_Click();
  enter(1, {{"10", "15", "20", "20", "15", "10"}, "120", "20", "30", "1300"});
  enter(2, {{"5", "8", "10", "10", "8", "5"}, "150", "0", "0", "1100"});
  page.cmdCalculate7_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(page.opt6readings.value);
  EXPECT_EQ(resultTexts(), (std::vector<std::string>{"18466", "7051", "144915", "84543", "11.7",
                                                      "8.0", "9.4 mph  or  4.2 m/s",
                                                      "11.1 mph  or  5.0 m/s"}));
}

TEST_F(CrushPageTest, CellsOfVehicleOneChooseTheReadingsTheLastTestThatHoldsWins) {
  struct Row {
    const char* name;
    const char* c3;
    const char* c4;
    const char* c5;
    const char* c6;
    int chosen;    // option the investigator left selected
    int expected;  // option after Calculate
  };
  const Row rows[] = {
      {"no third reading gives two", "", "", "", "", 6, 2},
      {"three readings leave the choice (6)", "20", "", "", "", 6, 6},
      {"three readings leave the choice (4)", "20", "", "", "", 4, 4},
      {"four readings give four", "20", "20", "", "", 2, 4},
      {"five readings leave the choice", "20", "20", "15", "", 2, 2},
      {"six readings give six", "20", "20", "15", "10", 2, 6},
      {"a blank counts as given", " ", " ", " ", " ", 2, 6},
      {"gap at C3 then C4: four wins over two", "", "20", "", "", 6, 4},
      {"gap at C3 then C5 and C6: six wins over two", "", "", "15", "10", 4, 6},
      {"C6 alone after C3 empty", "", "", "", "10", 6, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CrushPage fresh(dialogs);
    fresh.opt2readings.value = row.chosen == 2;
    fresh.opt4readings.value = row.chosen == 4;
    fresh.opt6readings.value = row.chosen == 6;
    fresh.txtC11.text = "20";
    fresh.txtC21.text = "20";
    fresh.txtC31.text = row.c3;
    fresh.txtC41.text = row.c4;
    fresh.txtC51.text = row.c5;
    fresh.txtC61.text = row.c6;
    // Vehicle 2's cells take no part in the choice.
    for (TextBox* box : {&fresh.txtC32, &fresh.txtC42, &fresh.txtC52, &fresh.txtC62})
      box->text = "7";
    fresh.cmdCalculate7_Click();
    EXPECT_EQ(fresh.readings(), row.expected);
    EXPECT_EQ(fresh.opt2readings.value + fresh.opt4readings.value + fresh.opt6readings.value, 1);
  }
}

TEST_F(CrushPageTest, AChosenOptionLaysOutTheCellsButAnAlreadySelectedOneDoesNot) {
  // At load the layout has not run: two readings, yet all six heads showing.
  for (const Label* head : {&page.lblC1, &page.lblC3, &page.lblC6}) EXPECT_TRUE(head->visible);
  EXPECT_FALSE(page.txtC31.enabled);
  page.cmdCalculate7_Click();  // C31 empty: "2 measurements" was already selected
  EXPECT_TRUE(page.lblC3.visible);

  // Calculate selecting six lays out six.
  for (TextBox* box : cells(1)) box->text = "5";
  page.cmdCalculate7_Click();
  EXPECT_TRUE(page.opt6readings.value);
  for (int vehicle : {1, 2})
    for (TextBox* box : cells(vehicle)) EXPECT_TRUE(box->enabled);

  page.opt2readings.value = true;
  page.opt6readings.value = false;
  page.opt2readings_Click();
  EXPECT_FALSE(page.lblC3.visible);
  EXPECT_FALSE(page.lblC6.visible);
  EXPECT_TRUE(page.lblC2.visible);
  for (int vehicle : {1, 2}) {
    auto boxes = cells(vehicle);
    EXPECT_TRUE(boxes[1]->enabled);
    EXPECT_FALSE(boxes[2]->enabled);
    EXPECT_FALSE(boxes[5]->enabled);
  }
  EXPECT_EQ(page.txtC61.text, "5");  // disabled cells keep their texts

  page.opt4readings_Click();
  EXPECT_TRUE(page.lblC4.visible);
  EXPECT_FALSE(page.lblC5.visible);
  EXPECT_TRUE(page.txtC42.enabled);
  EXPECT_FALSE(page.txtC52.enabled);
}

TEST_F(CrushPageTest, MissingCoefficientsAreRefusedAndEarlierResultsStay) {
  familyCarsHeadOn();
  page.cmdCalculate7_Click();
  const auto earlier = resultTexts();
  page.cmdEdit_Click();
  page.txtEnergy1.text = "typed";

  // A collision type with no category fills zeros for vehicle 2.
  CrushPage fresh(dialogs);
  fresh.mnuFront2_Click();
  EXPECT_EQ(fresh.txtCoefficientB2.text, "0");

  for (const char* b2 : {"", "0", "abc", "0.0"}) {
    dialogs.clear();
    familyCarsHeadOn();
    page.cmdCalculate7_Click();
    page.txtCoefficientB2.text = b2;
    page.cmdCalculate7_Click();
    EXPECT_EQ(dialogs.lines(), Lines{kNoCoefficients}) << b2;
    EXPECT_EQ(resultTexts(), earlier) << b2;
  }

  // The small pickup's side has no B.
  dialogs.clear();
  page.mnuPickupsmall1_Click();
  page.mnuSide1_Click();
  EXPECT_EQ(page.txtCoefficientA1.text, "180");
  page.cmdCalculate7_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kNoCoefficients});

  // The refusal still enables the results first.
  page.cmdEdit_Click();
  page.cmdCalculate7_Click();
  for (TextBox* box : results()) EXPECT_TRUE(box->enabled);
}

TEST_F(CrushPageTest, AnyArithmeticFailureEmptiesEveryResult) {
  struct Row {
    const char* name;
    TextBox CrushPage::* box;
    const char* text;
  };
  const Row rows[] = {
      {"mass 0 on vehicle 1", &CrushPage::txtMass1, "0"},
      {"mass empty on vehicle 2", &CrushPage::txtMass2, ""},
      {"mass too large to read", &CrushPage::txtMass2, "1E400"},
      {"moment arm squared overflows", &CrushPage::txth1, "1E200"},
      {"angle overflows in radians", &CrushPage::txtForceangle2, "1E308"},
      {"negative energy", &CrushPage::txtWidthdamage1, "-100"},
      {"a disabled sixth cell too large to read", &CrushPage::txtC61, "1E400"},
      {"width too large to read", &CrushPage::txtWidthdamage2, "-1E400"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    dialogs.clear();
    page.cmdClear2_Click();
    familyCarsHeadOn();
    page.cmdCalculate7_Click();
    ASSERT_EQ(page.txtEnergy1.text, "18257");
    page.*(row.box) = TextBox{row.text, (page.*(row.box)).enabled, true};
    page.cmdCalculate7_Click();
    EXPECT_EQ(dialogs.lines(), Lines{kInvalidData});
    for (TextBox* box : results()) EXPECT_EQ(box->text, "");
  }
}

TEST_F(CrushPageTest, ATooLargeCellFailsBeforeTheCoefficientsAreChecked) {
  page.txtC51.text = "1E400";  // disabled, and B empty on both vehicles
  page.txtEnergy1.text = "old";
  page.cmdCalculate7_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kInvalidData});
  EXPECT_EQ(page.txtEnergy1.text, "");
}

TEST_F(CrushPageTest, WithoutACategoryTheDeltaVCannotBeFormed) {
  familyCarsHeadOn();
  CrushPage other(dialogs);
  // Same figures typed by hand, no category: k = 0 and h = 0.
  other.txtCoefficientA1.text = other.txtCoefficientA2.text = "362";
  other.txtCoefficientB1.text = other.txtCoefficientB2.text = "48.3";
  other.txtC11.text = other.txtC21.text = other.txtC12.text = other.txtC22.text = "20";
  other.txtWidthdamage1.text = other.txtWidthdamage2.text = "100";
  other.txtMass1.text = other.txtMass2.text = "1300";
  other.cmdCalculate7_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kInvalidData});
  EXPECT_EQ(other.txtEnergy1.text, "");

  // With moment arms both γ are 0, and each delta V divides by the other's γ·m.
  dialogs.clear();
  other.txth1.text = other.txth2.text = "30";
  other.cmdCalculate7_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kInvalidData});
}

TEST_F(CrushPageTest, RightAngleAndZeroACalculate) {
  familyCarsHeadOn();
  page.txtForceangle1.text = "90";
  page.txtCoefficientA2.text = "0";
  page.cmdCalculate7_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_GT(page.txtEnergy1.text.size(), 14u);
  EXPECT_EQ(page.txtEnergy2.text, "9660");  // (B/6)·3C²·L / 100 with G = 0
  for (const std::string& text : resultTexts()) {
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
  }
}

TEST_F(CrushPageTest, EditEmptiesAndDisablesTheResultsOnly) {
  familyCarsHeadOn();
  page.cmdCalculate7_Click();
  page.cmdEdit_Click();
  for (TextBox* box : results()) {
    EXPECT_EQ(box->text, "");
    EXPECT_FALSE(box->enabled);
  }
  EXPECT_EQ(page.txtMass1.text, "1300");
  EXPECT_EQ(page.txtCoefficientA1.text, "362");
  page.cmdCalculate7_Click();
  EXPECT_EQ(page.txtEnergy2.text, "18257");
}

TEST_F(CrushPageTest, ClearEmptiesTheBoxesAndKeepsStatesOptionCreditAndCategories) {
  familyCarsHeadOn();
  page.txtVehicle1model.text = "Saloon";
  page.txtVehicle2model.text = "Estate";
  for (int vehicle : {1, 2})
    for (TextBox* box : cells(vehicle)) box->text = "9";
  page.cmdCalculate7_Click();
  ASSERT_TRUE(page.opt6readings.value);
  const std::string credit = page.Text1.text;

  page.cmdClear2_Click();
  for (TextBox* box :
       {&page.txtVehicle1model, &page.txtVehicle2model, &page.txtCoefficientA1,
        &page.txtCoefficientA2, &page.txtCoefficientB1, &page.txtCoefficientB2,
        &page.txtWidthdamage1, &page.txtWidthdamage2, &page.txtForceangle1, &page.txtForceangle2,
        &page.txth1, &page.txth2, &page.txtMass1, &page.txtMass2})
    EXPECT_EQ(box->text, "");
  for (int vehicle : {1, 2})
    for (TextBox* box : cells(vehicle)) {
      EXPECT_EQ(box->text, "");
      EXPECT_TRUE(box->enabled);
    }
  for (TextBox* box : results()) {
    EXPECT_EQ(box->text, "");
    EXPECT_TRUE(box->enabled);
  }
  EXPECT_TRUE(page.opt6readings.value);
  EXPECT_FALSE(credit.empty());
  EXPECT_EQ(page.Text1.text, credit);
  EXPECT_EQ(page.storedCategory(1).tag, "Familycar1");
  EXPECT_EQ(page.storedCategory(2).radiusOfGyration, 143);
}

TEST_F(CrushPageTest, HelpMessagesKeepTheirLinesAndBlanks) {
  page.mnuInstructions_Click();
  page.mnuLimitations_Click();
  page.mnuAbout_Click();
  ASSERT_EQ(dialogs.shown.size(), 3u);
  const auto& instructions = dialogs.shown[0].lines;
  ASSERT_EQ(instructions.size(), 11u);
  EXPECT_EQ(instructions.front(), "(a) Select Vehicle 1 Category");
  EXPECT_EQ(instructions[7],
            "(h) You can edit any of the cells at any stage including those for the stiffness "
            "coefficients.");
  EXPECT_EQ(instructions.back(),
            "(k) Click the Parameter Diagram button to see what dimensions are needed.");
  EXPECT_EQ(dialogs.shown[1].lines,
            (std::vector<std::string>{
                "The following assumptions are made in this programme:",
                "(a)  The coefficient of elasticity is zero.",
                "(b)  Collisions take place at one instant in time.",
                "(c)  Only 6, 4 or 2 crush measurements are catered for. With existing crush "
                "measurements other than 6 values, ",
                "      plot a graph of the profile and obtain 6, 4 or 2 measurements from that "
                "graph"}));
  EXPECT_EQ(dialogs.shown[2].lines.size(), 2u);
  for (const Message& message : dialogs.shown) {
    EXPECT_EQ(message.code, MessageCode::Ok);
    EXPECT_EQ(message.title, "Kelvara");
  }
}

}  // namespace
}  // namespace kelvara
