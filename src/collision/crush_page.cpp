#include "collision/crush_page.h"

#include "collision/crush.h"
#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/units.h"

namespace kelvara {

using namespace crush;

namespace {

constexpr const char* kEnergyMask = "########0";
constexpr const char* kForceMask = "########0";
constexpr const char* kSpeedMask = "########0.0";
constexpr const char* kMph = " mph  or  ";
constexpr const char* kMetresPerSecond = " m/s";

const Message kNoCoefficients{{"You have not entered any Crush Coefficients"}};
const Message kInvalidData{
    {"Your data is invalid. Check the data. Have you used the data from the pull down menus? "}};

const Message kInstructions{{
    "(a) Select Vehicle 1 Category",
    "(b) Choose equivalent vehicle from the pull down menu.",
    "(c) Do the same for vehicle 2 in the pull down menu for Vehicle 2 Category.",
    "(d) Choose the Collision type for vehicle 1.",
    "(e) Choose the collision type for vehicle 2.",
    "(f) This procedure will insert the default stiffness coefficients.",
    "(g) Complete the rest of the form down to the masses of the two vehicles.",
    "(h) You can edit any of the cells at any stage including those for the stiffness "
    "coefficients.",
    "(i) When you are satisfied that all input cells have been filled correctly, click on "
    "'Calculate'.",
    "(j) You can edit any of the input cells and click on 'Calculate' again.",
    "(k) Click the Parameter Diagram button to see what dimensions are needed.",
}};

const Message kLimitations{{
    "The following assumptions are made in this programme:",
    "(a)  The coefficient of elasticity is zero.",
    "(b)  Collisions take place at one instant in time.",
    "(c)  Only 6, 4 or 2 crush measurements are catered for. With existing crush measurements "
    "other than 6 values, ",
    "      plot a graph of the profile and obtain 6, 4 or 2 measurements from that graph",
}};

const Message kAbout{{
    "This suite of programmes is designed as an aid to accident investigators. The crush "
    "analysis is based on the CRASH3 algorithm and gives a first estimate of the energy "
    "absorbed, the impact forces and the changes of speed. More sophisticated dedicated "
    "programs give more precise results and deal with further aspects of a collision, such as "
    "spin-out and the directions the vehicles take after the impact.",
    "Kelvara Software Ltd, 2026",
}};

bool filled(const TextBox* box) { return !isEmptyText(box->text); }

// The delta V's m/s figure, converted back from its mph figure.
double deltaVInMetresPerSecond(Working& working, const std::string& vehicle, double mph) {
  if (!working.recording()) return mphToMetresPerSecond(mph);  // no names built for nothing
  return working.equation("Delta V of vehicle " + vehicle + " in m/s", "\u0394V(m/s)",
                          "\u0394V \u00D7 0.44704", {{"\u0394V", mph}}, mphToMetresPerSecond(mph),
                          "m/s");
}

}  // namespace

CrushPage::CrushPage(Dialogs& dialogs) : dialogs_(dialogs) {
  Text1.text = "Kelvara Software Ltd, 2026";
  opt2readings.value = true;
  for (int reading = 3; reading <= 6; ++reading)
    for (int number : {1, 2}) vehicle(number).cells[static_cast<std::size_t>(reading - 1)]->enabled = false;
  for (TextBox* box : resultBoxes()) box->enabled = false;
  lblC1.caption = "C1";
  lblC2.caption = "C2";
  lblC3.caption = "C3";
  lblC4.caption = "C4";
  lblC5.caption = "C5";
  lblC6.caption = "C6";
}

CrushPage::Vehicle CrushPage::vehicle(int number) {
  if (number == 1)
    return {&txtCoefficientA1, &txtCoefficientB1, &txtWidthdamage1,
            {&txtC11, &txtC21, &txtC31, &txtC41, &txtC51, &txtC61},
            &txtForceangle1, &txth1, &txtMass1, &txtEnergy1, &txtForce1, &txtEBS1, &txtDeltaV1};
  return {&txtCoefficientA2, &txtCoefficientB2, &txtWidthdamage2,
          {&txtC12, &txtC22, &txtC32, &txtC42, &txtC52, &txtC62},
          &txtForceangle2, &txth2, &txtMass2, &txtEnergy2, &txtForce2, &txtEBS2, &txtDeltaV2};
}

std::array<TextBox*, 8> CrushPage::resultBoxes() {
  return {&txtEnergy1, &txtEnergy2, &txtForce1, &txtForce2,
          &txtEBS1,    &txtEBS2,    &txtDeltaV1, &txtDeltaV2};
}

// ---- categories and collision types ------------------------------------------------------

void CrushPage::category_Click(int vehicle, std::size_t category) {
  chooseCategory(vehicle == 1 ? category1_ : category2_, kVehicleCategories.at(category), vehicle);
}

void CrushPage::collisionType_Click(int number, CollisionType type) {
  const Stiffness stiffness = collisionStiffness(storedCategory(number), type);
  Vehicle side = vehicle(number);
  side.A->text = shortestText(stiffness.A);
  side.B->text = shortestText(stiffness.B);
}

// ---- readings ----------------------------------------------------------------------------

int CrushPage::readings() const {
  if (opt6readings.value) return 6;
  if (opt4readings.value) return 4;
  return 2;
}

// Column heads shown and cells enabled up to the number of readings; disabled cells keep
// their texts.
void CrushPage::layOutReadings(int readings) {
  const std::array<Label*, 6> heads{&lblC1, &lblC2, &lblC3, &lblC4, &lblC5, &lblC6};
  for (int reading = 1; reading <= 6; ++reading) {
    const bool used = reading <= readings;
    heads[static_cast<std::size_t>(reading - 1)]->visible = used;
    for (int number : {1, 2}) vehicle(number).cells[static_cast<std::size_t>(reading - 1)]->enabled = used;
  }
}

void CrushPage::opt2readings_Click() { layOutReadings(2); }
void CrushPage::opt4readings_Click() { layOutReadings(4); }
void CrushPage::opt6readings_Click() { layOutReadings(6); }

// Selecting an option from the program: its layout runs only when it was not selected yet.
void CrushPage::selectReadings(OptionButton& option, int readings) {
  if (option.value) return;
  opt2readings.value = opt4readings.value = opt6readings.value = false;
  option.value = true;
  layOutReadings(readings);
}

// Three tests on vehicle 1's cells, one after the other; the last that holds decides.
// Disabled cells count by their texts as well.
void CrushPage::chooseReadingsFromVehicle1() {
  if (!filled(&txtC31)) selectReadings(opt2readings, 2);
  if (filled(&txtC41) && !filled(&txtC51)) selectReadings(opt4readings, 4);
  if (filled(&txtC51) && filled(&txtC61)) selectReadings(opt6readings, 6);
}

// ---- calculation -------------------------------------------------------------------------

void CrushPage::cmdCalculate7_Click() {
  for (TextBox* box : resultBoxes()) box->enabled = true;
  chooseReadingsFromVehicle1();
  try {
    calculate();
  } catch (const ArithmeticFailure&) {
    dialogs_.show(kInvalidData);
    for (TextBox* box : resultBoxes()) box->text.clear();
  }
}

void CrushPage::calculate() {
  struct Inputs {
    CrushReadings c{};
    double L = 0.0, theta = 0.0, h = 0.0, A = 0.0, B = 0.0, m = 0.0;
  };
  Inputs in1, in2;
  const Vehicle v1 = vehicle(1);
  const Vehicle v2 = vehicle(2);
  // Every value is read, and a number too large to read fails, before any check.
  for (std::size_t i = 0; i < 6; ++i) in1.c[i] = checkedFieldValue(v1.cells[i]->text);
  for (std::size_t i = 0; i < 6; ++i) in2.c[i] = checkedFieldValue(v2.cells[i]->text);
  in1.L = checkedFieldValue(v1.width->text);
  in2.L = checkedFieldValue(v2.width->text);
  in1.theta = checkedFieldValue(v1.angle->text);
  in2.theta = checkedFieldValue(v2.angle->text);
  in1.h = checkedFieldValue(v1.momentArm->text);
  in2.h = checkedFieldValue(v2.momentArm->text);
  in1.A = checkedFieldValue(v1.A->text);
  in2.A = checkedFieldValue(v2.A->text);
  in1.B = checkedFieldValue(v1.B->text);
  in2.B = checkedFieldValue(v2.B->text);

  if (in1.B == 0.0 || in2.B == 0.0) {
    dialogs_.show(kNoCoefficients);
    return;
  }

  in1.m = checkedFieldValue(txtMass1.text);
  in2.m = checkedFieldValue(txtMass2.text);

  // Each vehicle's figures in turn, then the delta V of each from the energy of both.
  const int n = readings();
  const auto analyse = [this, n](const char* heading, const Inputs& in, int k, Results& out) {
    working().note(heading);
    out.G = crushConstant(in.A, in.B, working());
    out.E = crushEnergy(n, in.c, in.L, in.theta, in.A, in.B, out.G, working());
    out.F = impactForce(n, in.c, in.L, in.theta, in.A, in.B, working());
    working().value("Radius of gyration of the vehicle category", "k", k, "cm");
    out.gamma = effectiveMassFactor(k, in.h, working());
    out.EBS = barrierSpeedMph(out.E, out.gamma, in.m, working());
  };
  analyse("Vehicle 1", in1, category1_.radiusOfGyration, results1_);
  analyse("Vehicle 2", in2, category2_.radiusOfGyration, results2_);
  txtEnergy1.text = maskFormat(results1_.E, kEnergyMask);
  txtEnergy2.text = maskFormat(results2_.E, kEnergyMask);
  txtForce1.text = maskFormat(results1_.F, kForceMask);
  txtForce2.text = maskFormat(results2_.F, kForceMask);

  const double total = working().equation("Crush energy of both vehicles", "Et", "E1 + E2",
                                          {{"E1", results1_.E}, {"E2", results2_.E}},
                                          finite(results1_.E + results2_.E), "J");
  working().note("Delta V of vehicle 1: \u03B3o and mo are vehicle 2's.");
  results1_.deltaV = deltaVMph(total, results1_.gamma, in1.m, results2_.gamma, in2.m, working());
  const double deltaV1Metres = deltaVInMetresPerSecond(working(), "1", results1_.deltaV);
  working().note("Delta V of vehicle 2: \u03B3o and mo are vehicle 1's.");
  results2_.deltaV = deltaVMph(total, results2_.gamma, in2.m, results1_.gamma, in1.m, working());
  const double deltaV2Metres = deltaVInMetresPerSecond(working(), "2", results2_.deltaV);

  // Every figure is formatted before any is written, so that a failure leaves no half line.
  const std::string ebs1 = maskFormat(results1_.EBS, kSpeedMask);
  const std::string ebs2 = maskFormat(results2_.EBS, kSpeedMask);
  const auto deltaVText = [](double mph, double metresPerSecond) {
    return maskFormat(mph, kSpeedMask) + kMph + maskFormat(metresPerSecond, kSpeedMask) +
           kMetresPerSecond;
  };
  const std::string deltaV1 = deltaVText(results1_.deltaV, deltaV1Metres);
  const std::string deltaV2 = deltaVText(results2_.deltaV, deltaV2Metres);
  txtEBS1.text = ebs1;
  txtEBS2.text = ebs2;
  txtDeltaV1.text = deltaV1;
  txtDeltaV2.text = deltaV2;
}

void CrushPage::cmdEdit_Click() {
  for (TextBox* box : resultBoxes()) {
    box->text.clear();
    box->enabled = false;
  }
}

// Every input and result box; the readings option, the enabled states, the credit line and
// the stored categories stay.
void CrushPage::cmdClear2_Click() {
  txtVehicle1model.text.clear();
  txtVehicle2model.text.clear();
  for (int number : {1, 2}) {
    const Vehicle side = vehicle(number);
    for (TextBox* box : {side.A, side.B, side.width, side.angle, side.momentArm, side.mass})
      box->text.clear();
    for (TextBox* cell : side.cells) cell->text.clear();
  }
  for (TextBox* box : resultBoxes()) box->text.clear();
}

// ---- help --------------------------------------------------------------------------------

void CrushPage::mnuInstructions_Click() { dialogs_.show(kInstructions); }
void CrushPage::mnuLimitations_Click() { dialogs_.show(kLimitations); }
void CrushPage::mnuAbout_Click() { dialogs_.show(kAbout); }

}  // namespace kelvara

namespace kelvara {

PageDescription CrushPage::describe() {
  PageDescription d("frmCrush", "Crush Analysis");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  constexpr const char* kDeltaV = "{########0.0} mph  or  {########0.0} m/s";
  d.menu("mnuVehicle1category", mnuVehicle1category);
  d.menuItem("mnuMinicar1", mnuMinicar1, [this] { mnuMinicar1_Click(); });
  d.menuItem("mnuSmallcar1", mnuSmallcar1, [this] { mnuSmallcar1_Click(); });
  d.menuItem("mnuFamilycar1", mnuFamilycar1, [this] { mnuFamilycar1_Click(); });
  d.menuItem("mnuLargecar1", mnuLargecar1, [this] { mnuLargecar1_Click(); });
  d.menuItem("mnuVerylargecar1", mnuVerylargecar1, [this] { mnuVerylargecar1_Click(); });
  d.menuItem("mnuVan1", mnuVan1, [this] { mnuVan1_Click(); });
  d.menuItem("mnuVanlarge1", mnuVanlarge1, [this] { mnuVanlarge1_Click(); });
  d.menuItem("mnuMPVsmall1", mnuMPVsmall1, [this] { mnuMPVsmall1_Click(); });
  d.menuItem("mnuMPVlarge1", mnuMPVlarge1, [this] { mnuMPVlarge1_Click(); });
  d.menuItem("mnuPickupsmall1", mnuPickupsmall1, [this] { mnuPickupsmall1_Click(); });
  d.menuItem("mnuPickuplarge1", mnuPickuplarge1, [this] { mnuPickuplarge1_Click(); });
  d.menuItem("mnuTruck1", mnuTruck1, [this] { mnuTruck1_Click(); });
  d.menu("mnuVehicle2category", mnuVehicle2category);
  d.menuItem("mnuMinicar2", mnuMinicar2, [this] { mnuMinicar2_Click(); });
  d.menuItem("mnuSmallcar2", mnuSmallcar2, [this] { mnuSmallcar2_Click(); });
  d.menuItem("mnuFamilycar2", mnuFamilycar2, [this] { mnuFamilycar2_Click(); });
  d.menuItem("mnuLargecar2", mnuLargecar2, [this] { mnuLargecar2_Click(); });
  d.menuItem("mnuVerylargecar2", mnuVerylargecar2, [this] { mnuVerylargecar2_Click(); });
  d.menuItem("mnuVan2", mnuVan2, [this] { mnuVan2_Click(); });
  d.menuItem("mnuVanlarge2", mnuVanlarge2, [this] { mnuVanlarge2_Click(); });
  d.menuItem("mnuMPVsmall2", mnuMPVsmall2, [this] { mnuMPVsmall2_Click(); });
  d.menuItem("mnuMPVlarge2", mnuMPVlarge2, [this] { mnuMPVlarge2_Click(); });
  d.menuItem("mnuPickupsmall2", mnuPickupsmall2, [this] { mnuPickupsmall2_Click(); });
  d.menuItem("mnuPickuplarge2", mnuPickuplarge2, [this] { mnuPickuplarge2_Click(); });
  d.menuItem("mnuTruck2", mnuTruck2, [this] { mnuTruck2_Click(); });
  d.menu("mnuCollisiontype1", mnuCollisiontype1);
  d.menuItem("mnuFront1", mnuFront1, [this] { mnuFront1_Click(); });
  d.menuItem("mnuRear1", mnuRear1, [this] { mnuRear1_Click(); });
  d.menuItem("mnuSide1", mnuSide1, [this] { mnuSide1_Click(); });
  d.menu("mnuCollisiontype2", mnuCollisiontype2);
  d.menuItem("mnuFront2", mnuFront2, [this] { mnuFront2_Click(); });
  d.menuItem("mnuRear2", mnuRear2, [this] { mnuRear2_Click(); });
  d.menuItem("mnuSide2", mnuSide2, [this] { mnuSide2_Click(); });
  d.menu("mnuHelp", mnuHelp);
  d.menuItem("mnuInstructions", mnuInstructions, [this] { mnuInstructions_Click(); });
  d.menuItem("mnuAbout", mnuAbout, [this] { mnuAbout_Click(); });
  d.menuItem("mnuLimitations", mnuLimitations, [this] { mnuLimitations_Click(); });
  d.menuItem("mnuPrintform", mnuPrintform, WindowCommand::Print);

  d.label("lblCrushTitle", lblCrushTitle);
  d.label("lblInput", lblInput);
  d.label("lblVehicle1", lblVehicle1);
  d.label("lblVehicle2", lblVehicle2);
  d.label("lblVehiclemodel", lblVehiclemodel);
  d.input("txtVehicle1model", txtVehicle1model, "Vehicle model (eg Ford Focus) Vehicle 1",
          Nature::Text);
  d.input("txtVehicle2model", txtVehicle2model, "Vehicle model (eg Ford Focus) Vehicle 2",
          Nature::Text);
  d.label("lblStiffnessA", lblStiffnessA);
  d.both("txtCoefficientA1", txtCoefficientA1, "Stiffness Coefficient A Vehicle 1", measured,
         {"{~}"});
  d.both("txtCoefficientA2", txtCoefficientA2, "Stiffness Coefficient A Vehicle 2", measured,
         {"{~}"});
  d.label("lblStiffnessB", lblStiffnessB);
  d.both("txtCoefficientB1", txtCoefficientB1, "Stiffness Coefficient B Vehicle 1", measured,
         {"{~}"});
  d.both("txtCoefficientB2", txtCoefficientB2, "Stiffness Coefficient B Vehicle 2", measured,
         {"{~}"});
  d.label("lblDamageWidth", lblDamageWidth);
  d.input("txtWidthdamage1", txtWidthdamage1, "Width of damage, cm Vehicle 1", measured);
  d.input("txtWidthdamage2", txtWidthdamage2, "Width of damage, cm Vehicle 2", measured);
  d.label("lblCrush", lblCrush);
  d.label("lblC1", lblC1);
  d.input("txtC11", txtC11, "Crush measurements, cm: C1 Vehicle 1", measured);
  d.input("txtC12", txtC12, "Crush measurements, cm: C1 Vehicle 2", measured);
  d.label("lblC2", lblC2);
  d.input("txtC21", txtC21, "Crush measurements, cm: C2 Vehicle 1", measured);
  d.input("txtC22", txtC22, "Crush measurements, cm: C2 Vehicle 2", measured);
  d.label("lblC3", lblC3);
  d.input("txtC31", txtC31, "Crush measurements, cm: C3 Vehicle 1", measured);
  d.input("txtC32", txtC32, "Crush measurements, cm: C3 Vehicle 2", measured);
  d.label("lblC4", lblC4);
  d.input("txtC41", txtC41, "Crush measurements, cm: C4 Vehicle 1", measured);
  d.input("txtC42", txtC42, "Crush measurements, cm: C4 Vehicle 2", measured);
  d.label("lblC5", lblC5);
  d.input("txtC51", txtC51, "Crush measurements, cm: C5 Vehicle 1", measured);
  d.input("txtC52", txtC52, "Crush measurements, cm: C5 Vehicle 2", measured);
  d.label("lblC6", lblC6);
  d.input("txtC61", txtC61, "Crush measurements, cm: C6 Vehicle 1", measured);
  d.input("txtC62", txtC62, "Crush measurements, cm: C6 Vehicle 2", measured);
  d.option("opt2readings", opt2readings, "2 measurements", 0, [this] { opt2readings_Click(); });
  d.option("opt4readings", opt4readings, "4 measurements", 0, [this] { opt4readings_Click(); });
  d.option("opt6readings", opt6readings, "6 measurements", 0, [this] { opt6readings_Click(); });
  d.label("lblForcedirection", lblForcedirection);
  d.input("txtForceangle1", txtForceangle1,
          "Force direction to surface normal angle, degrees Vehicle 1", measured);
  d.input("txtForceangle2", txtForceangle2,
          "Force direction to surface normal angle, degrees Vehicle 2", measured);
  d.label("lblMomentarm", lblMomentarm);
  d.input("txth1", txth1, "CofG to Force Direction (moment arm) cm Vehicle 1", measured);
  d.input("txth2", txth2, "CofG to Force Direction (moment arm) cm Vehicle 2", measured);
  d.label("lblMass", lblMass);
  d.input("txtMass1", txtMass1, "Mass of vehicle, kg Vehicle 1", measured);
  d.input("txtMass2", txtMass2, "Mass of vehicle, kg Vehicle 2", measured);
  d.label("lblOutput", lblOutput);
  d.label("lblEnergy", lblEnergy);
  d.result("txtEnergy1", txtEnergy1, "Energy dissipated in Joules Vehicle 1", {"{########0}"});
  d.result("txtEnergy2", txtEnergy2, "Energy dissipated in Joules Vehicle 2", {"{########0}"});
  d.label("lblImpactforce", lblImpactforce);
  d.result("txtForce1", txtForce1, "Maximum impact force, Newtons Vehicle 1", {"{########0}"});
  d.result("txtForce2", txtForce2, "Maximum impact force, Newtons Vehicle 2", {"{########0}"});
  d.label("lblBarrierspeed", lblBarrierspeed);
  d.result("txtEBS1", txtEBS1, "Equivalent Barrier Speed, mph Vehicle 1", {"{########0.0}"});
  d.result("txtEBS2", txtEBS2, "Equivalent Barrier Speed, mph Vehicle 2", {"{########0.0}"});
  d.label("lblDeltaV", lblDeltaV);
  d.result("txtDeltaV1", txtDeltaV1, "Delta V Vehicle 1", {kDeltaV});
  d.result("txtDeltaV2", txtDeltaV2, "Delta V Vehicle 2", {kDeltaV});
  d.button("cmdCalculate7", cmdCalculate7, [this] { cmdCalculate7_Click(); });
  d.button("cmdEdit", cmdEdit, [this] { cmdEdit_Click(); });
  d.button("cmdClear2", cmdClear2, [this] { cmdClear2_Click(); });
  d.button("cmdDiagram", cmdDiagram);
  d.button("cmdMenu7", cmdMenu7, WindowCommand::Menu);
  d.button("cmdExit7", cmdExit7, WindowCommand::Exit);
  d.fixed("Text1", Text1);

  d.calculation("Crush energy and delta V", {"cmdCalculate7_Click"},
                {&txtCoefficientA1,
                 &txtCoefficientA2,
                 &txtCoefficientB1,
                 &txtCoefficientB2,
                 &txtWidthdamage1,
                 &txtWidthdamage2,
                 &txtC11,
                 &txtC12,
                 &txtC21,
                 &txtC22,
                 &txtC31,
                 &txtC32,
                 &txtC41,
                 &txtC42,
                 &txtC51,
                 &txtC52,
                 &txtC61,
                 &txtC62,
                 &opt2readings,
                 &opt4readings,
                 &opt6readings,
                 &txtForceangle1,
                 &txtForceangle2,
                 &txth1,
                 &txth2,
                 &txtMass1,
                 &txtMass2},
                {&txtEnergy1, &txtEnergy2, &txtForce1, &txtForce2, &txtEBS1, &txtEBS2, &txtDeltaV1,
                 &txtDeltaV2});
  return d;
}

}  // namespace kelvara
