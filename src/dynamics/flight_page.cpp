#include "dynamics/flight_page.h"

#include <string>

#include "dynamics/flight.h"
#include "fields/checked.h"
#include "fields/field_text.h"

namespace kelvara {

using namespace flight;

namespace {

constexpr const char* kSpeedMask = "#####0.000";

const Message kUnrealisticAngle{{"Your launch angle is unrealistic"}};
const Message kBothZero{{"h and theta cannot be zero at the same time"}};
const Message kNegativeFlightTerm{
    {"Invalid data. Should your value for h have been negative? Try again."}};
const Message kNotes{
    {"If the vehicle is on a downward slope, theta is then negative",
     "If the landing point is higher than the launch point, then h is positive.",
     "If the landing point is lower than the launch point, as in the diagram, then h is "
     "negative.",
     "On hill brows, the launch point may not be at the hill brow.",
     "It is more likely to be at some point prior to the hill brow and will depend on the "
     "vertical radius of curvature."}};

}  // namespace

FlightPage::FlightPage(Dialogs& dialogs) : dialogs_(dialogs) {
  txtVmph.enabled = false;
  pctEquation.visible = false;
}

void FlightPage::cmdCalculate_Click() {
  const double degrees = fieldValue(txtTheta.text);
  if (degrees > kSteepestLaunchDegrees || degrees < -kSteepestLaunchDegrees) {
    dialogs_.show(kUnrealisticAngle);
    return;
  }
  // Any arithmetic failure from here on (both h and θ zero leave D = 0, a height or distance
  // too large for a double) ends the calculation without a message; what was written stays.
  try {
    theta_ = degreesToRadians(degrees, working());
    h_ = checkedFieldValue(txth.text);
    L_ = checkedFieldValue(txtL.text);
    if (h_ == 0.0 && theta_ == 0.0) dialogs_.show(kBothZero);
    txtVmph.enabled = true;
    const double D = flightTerm(theta_, h_, L_, working());
    if (D < 0.0) {
      dialogs_.show(kNegativeFlightTerm);
      return;
    }
    const std::string speed = maskFormat(launchSpeed(L_, D, working()), kSpeedMask);
    const std::string mph = maskFormat(launchSpeedMph(L_, D, working()), kSpeedMask);
    txtVmph.text = speed + "  m/s   or   " + mph + "  mph";
  } catch (const ArithmeticFailure&) {
  }
}

void FlightPage::cmdClear_Click() {
  for (TextBox* box : {&txtTheta, &txth, &txtL, &txtVmph}) box->text.clear();
  txtVmph.enabled = false;
}

void FlightPage::mnuNotes_Click() { dialogs_.show(kNotes); }

void FlightPage::mnuEquation_Click() { pctEquation.visible = true; }

void FlightPage::pctEquation_Click() { pctEquation.visible = false; }

void FlightPage::lblHide_Click() { pctEquation.visible = false; }

}  // namespace kelvara

namespace kelvara {

PageDescription FlightPage::describe() {
  PageDescription d("frmFlight", "Flight paths");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.picture("Picture1", Picture1);
  d.picture("pctEquation", pctEquation, [this] { pctEquation_Click(); });
  d.label("lblHide", lblHide, [this] { lblHide_Click(); });
  d.input("txtTheta", txtTheta, "Slop angle, theta degrees", measured);
  d.input("txth", txth, "Launch height, h metres", measured);
  d.input("txtL", txtL, "Flight distance, L metres", measured);
  d.result("txtVmph", txtVmph, "Launch speed of vehicle",
           {"{#####0.000}  m/s   or   {#####0.000}  mph"});
  d.button("cmdCalculate", cmdCalculate, [this] { cmdCalculate_Click(); });
  d.button("cmdClear", cmdClear, [this] { cmdClear_Click(); });
  d.button("cmdMenu", cmdMenu, WindowCommand::Menu);
  d.button("cmdExit", cmdExit, WindowCommand::Exit);
  d.menuItem("mnuNotes", mnuNotes, [this] { mnuNotes_Click(); });
  d.menuItem("mnuEquation", mnuEquation, [this] { mnuEquation_Click(); });

  d.calculation("Launch speed", {"cmdCalculate_Click"});
  return d;
}

}  // namespace kelvara
