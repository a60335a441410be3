#include "collision/momentum_page.h"

#include <string>

#include "collision/momentum.h"
#include "fields/checked.h"
#include "fields/field_text.h"

namespace kelvara {

namespace {

constexpr const char* kSpeedMask = "####0.000";
constexpr const char* kUnitAtLoad = "     mph";
constexpr const char* kMetresPerSecond = "    m/s     ";
constexpr const char* kMilesPerHour = "    mph     ";

const Message kPhi2Zero{{"Phi2 cannot be zero"}};
const Message kM1Zero{{"m1 cannot be zero"}};
const Message kM2Zero{{"m2 cannot be zero"}};
const Message kNearlyInLine{
    {"Your pre-direction angle for vehicle 2 is within 20 degrees of being in line. Errors in "
     "the calculated speeds can increase markedly with small angles."}};
const Message kNotes{
    {"This calculation is to be used for angled collisions where the speeds of both vehicles "
     "are unknown and where the angle of approach is greater than about 20 degrees"}};

// A direction typed in degrees, clockwise from vehicle 1's approach, in radians.
double directionInRadians(Working& working, const std::string& direction, const char* symbol,
                          double degrees) {
  if (!working.recording()) return momentum::degreesToRadians(degrees);
  const std::string inDegrees = std::string(symbol) + "\u00B0";
  return working.equation(direction + " in radians", symbol, inDegrees + " \u00D7 (\u03C0 / 180)",
                          {{inDegrees, degrees}, {"\u03C0", momentum::kPi}},
                          momentum::degreesToRadians(degrees), "rad");
}

}  // namespace

MomentumPage::MomentumPage(Dialogs& dialogs) : dialogs_(dialogs) {
  txtPreimpactspeedA.enabled = false;
  txtPreimpactspeedB.enabled = false;
  lblMperS1.caption = kUnitAtLoad;
  lblMperS2.caption = kUnitAtLoad;
  optMph.value = true;
  Text1.text = "Kelvara collision analysis: conservation of linear momentum in two dimensions.";
}

// The result boxes are enabled first, so they stay enabled when the calculation then fails.
// A zero φ2, m1 or m2 is reported, each check in turn, and then makes the formula fail like
// any other arithmetic failure: the handler ends silently and the results keep their texts.
void MomentumPage::cmdCalculate4_Click() {
  txtPreimpactspeedA.enabled = true;
  txtPreimpactspeedB.enabled = true;

  const double m1 = fieldValue(txtMassA.text);
  const double m2 = fieldValue(txtMassB.text);
  const double phi2 = directionInRadians(working(), "Pre-impact direction of vehicle 2", "\u03C62",
                                         fieldValue(txtDirectionpreB.text));
  const double phi1After = directionInRadians(working(), "Post-impact direction of vehicle 1",
                                              "\u03C61'", fieldValue(txtDirectionpostA.text));
  const double phi2After = directionInRadians(working(), "Post-impact direction of vehicle 2",
                                              "\u03C62'", fieldValue(txtDirectionpostB.text));
  const double v1 = fieldValue(txtpostimpactspeedA.text);
  const double v2 = fieldValue(txtPostimpactspeedB.text);

  if (phi2 == 0.0) dialogs_.show(kPhi2Zero);
  if (m1 == 0.0) dialogs_.show(kM1Zero);
  if (m2 == 0.0) dialogs_.show(kM2Zero);

  std::string u1Text;
  std::string u2Text;
  try {
    const momentum::PreImpactSpeeds speeds = momentum::preImpactSpeeds(
        m1, m2, phi2, phi1After, phi2After, v1, v2, optMperS.value ? "m/s" : "mph", working());
    u1Text = maskFormat(speeds.vehicle1, kSpeedMask);
    u2Text = maskFormat(speeds.vehicle2, kSpeedMask);
  } catch (const ArithmeticFailure&) {
    return;
  }
  txtPreimpactspeedA.text = u1Text;
  txtPreimpactspeedB.text = u2Text;

  if (momentum::approachNearlyInLine(fieldValue(txtDirectionpreB.text)))
    dialogs_.show(kNearlyInLine);
}

void MomentumPage::cmdClear4_Click() {
  for (TextBox* box :
       {&txtMassA, &txtMassB, &txtDirectionpreB, &txtDirectionpostA, &txtDirectionpostB,
        &txtpostimpactspeedA, &txtPostimpactspeedB, &txtPreimpactspeedA, &txtPreimpactspeedB})
    box->text.clear();
  txtPreimpactspeedA.enabled = false;
  txtPreimpactspeedB.enabled = false;
}

void MomentumPage::optMperS_Click() { setUnitLabels(kMetresPerSecond); }

void MomentumPage::optMph_Click() { setUnitLabels(kMilesPerHour); }

void MomentumPage::setUnitLabels(const char* caption) {
  lblMperS1.caption = caption;
  lblMperS2.caption = caption;
}

void MomentumPage::mnuNotes_Click() { dialogs_.show(kNotes); }

}  // namespace kelvara

namespace kelvara {

PageDescription MomentumPage::describe() {
  PageDescription d("frmMomentum", "Momentum");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.label("lblMomentum", lblMomentum);
  d.label("lblInstructions", lblInstructions);
  d.label("lblInstructions5", lblInstructions5);
  d.label("lblInstructions3", lblInstructions3);
  d.label("lblInstructions4", lblInstructions4);
  d.label("lblInstructions2", lblInstructions2);
  d.label("lblVehicleA", lblVehicleA);
  d.label("lblVehicleB", lblVehicleB);
  d.label("Label14", Label14);
  d.input("txtMassA", txtMassA, "Mass of vehicle 1, kg", measured);
  d.input("txtMassB", txtMassB, "Mass of vehicle 2, kg", measured);
  d.label("lblPreImpactone", lblPreImpactone);
  d.input("txtDirectionpreB", txtDirectionpreB, "Pre-impact direction of vehicle 2", measured);
  d.input("txtDirectionpostA", txtDirectionpostA, "Post-impact direction of vehicle 1", measured);
  d.input("txtDirectionpostB", txtDirectionpostB, "Post-impact direction of vehicle 2", measured);
  d.input("txtpostimpactspeedA", txtpostimpactspeedA, "Post-impact speed of Vehicle 1", measured);
  d.input("txtPostimpactspeedB", txtPostimpactspeedB, "Post-impact speed of vehicle 2 mph",
          measured);
  d.label("lblMperS1", lblMperS1);
  d.label("Label15", Label15);
  d.result("txtPreimpactspeedA", txtPreimpactspeedA, "Pre-impact speed of vehicle 1",
           {"{####0.000}"});
  d.result("txtPreimpactspeedB", txtPreimpactspeedB, "Pre-impact speed of vehicle 2 mph",
           {"{####0.000}"});
  d.label("lblMperS2", lblMperS2);
  d.label("lblSelect", lblSelect);
  d.option("optMph", optMph, "mph", 0, [this] { optMph_Click(); });
  d.option("optMperS", optMperS, "m/s", 0, [this] { optMperS_Click(); });
  d.label("Label13", Label13);
  d.picture("Picture1", Picture1);
  d.button("cmdCalculate4", cmdCalculate4, [this] { cmdCalculate4_Click(); });
  d.button("cmdClear4", cmdClear4, [this] { cmdClear4_Click(); });
  d.button("CmdPrint", CmdPrint, WindowCommand::Print);
  d.button("cmdMenu4", cmdMenu4, WindowCommand::Menu);
  d.button("cmdExit4", cmdExit4, WindowCommand::Exit);
  d.fixed("Text1", Text1);
  d.menuItem("mnuNotes", mnuNotes, [this] { mnuNotes_Click(); });

  d.calculation("Pre-impact speeds", {"cmdCalculate4_Click"},
                {&txtMassA, &txtMassB, &txtDirectionpreB, &txtDirectionpostA, &txtDirectionpostB,
                 &txtpostimpactspeedA, &txtPostimpactspeedB},
                {&txtPreimpactspeedA, &txtPreimpactspeedB});
  return d;
}

}  // namespace kelvara
