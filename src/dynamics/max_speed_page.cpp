#include "dynamics/max_speed_page.h"

#include "dynamics/max_speed.h"
#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/unchecked_failure.h"
#include "fields/units.h"

namespace kelvara {

using namespace max_speed;

namespace {

constexpr const char* kMask = "#####0.00";
constexpr double kHalf = 0.5;

const Message kCoefficientRequired{
    {"This calculation requires a value for the coefficient of friction."}};
const Message kReference{
    {"Reference: the published method for the maximum speed on a bend, which takes the "
     "racing line from the outside edge, past the inside edge at the apex and back to the "
     "outside edge, and finds the critical speed on the radius of that path."}};

}  // namespace

MaxSpeedPage::MaxSpeedPage(Dialogs& dialogs) : dialogs_(dialogs) {
  txtMaxradius.enabled = false;
  txtMaxspeed.enabled = false;
}

void MaxSpeedPage::cmdCalculate_Click() {
  try {
    calculate();
  } catch (const ArithmeticFailure& failure) {
    dialogs_.show(uncheckedFailureMessage(failure));
  }
}

void MaxSpeedPage::calculate() {
  if (isEmptyText(txtCoefficient.text)) {
    dialogs_.show(kCoefficientRequired);
    return;
  }
  const double roadWidth = checkedFieldValue(txtRoadwidth.text);
  const double vehicleWidth = checkedFieldValue(txtCarwidth.text);
  usableWidth_ = working().equation("Width the vehicle's centre can use", "W'", "Wr \u2212 Wv",
                                    {{"Wr", roadWidth}, {"Wv", vehicleWidth}},
                                    finite(roadWidth - vehicleWidth), "m");
  const double bendDegrees = checkedFieldValue(txttheta.text);
  halfAngle_ = working().equation("Half the bend's change of direction in radians", "\u03B1",
                                  "\u0394\u00B0 \u00D7 0.5 \u00D7 \u03C0 / 180",
                                  {{"\u0394\u00B0", bendDegrees}, {"\u03C0", kPi}},
                                  degreesToRadians(bendDegrees * kHalf), "rad");
  mu_ = checkedFieldValue(txtCoefficient.text);
  const double crossfallDegrees = checkedFieldValue(txtCrossfall.text);
  crossfall_ =
      working().equation("Crossfall in radians", "\u03C6", "\u03C6\u00B0 \u00D7 \u03C0 / 180",
                         {{"\u03C6\u00B0", crossfallDegrees}, {"\u03C0", kPi}},
                         degreesToRadians(crossfallDegrees), "rad");
  Rmax_ = racingLineRadius(usableWidth_, halfAngle_, checkedFieldValue(txtr.text), working());

  txtMaxradius.enabled = true;
  txtMaxspeed.enabled = true;
  txtMaxradius.text = maskFormat(Rmax_, kMask) + " metres";

  // A new radius never stands beside the speed of an earlier one.
  try {
    Vmax_ = maximumSpeed(Rmax_, mu_, crossfall_, working());
  } catch (const ArithmeticFailure&) {
    txtMaxspeed.text.clear();
    throw;
  }
  txtMaxspeed.text = maskFormat(Vmax_, kMask) + " m/s   or   " +
                     maskFormat(speedInMph(working(), "Maximum speed", Vmax_), kMask) + "  mph";
}

// The result boxes stay enabled.
void MaxSpeedPage::cmdClear_Click() {
  for (TextBox* box : {&txtCarwidth, &txtRoadwidth, &txtr, &txttheta, &txtCoefficient,
                       &txtCrossfall, &txtMaxradius, &txtMaxspeed})
    box->text.clear();
}

void MaxSpeedPage::mnuReference_Click() { dialogs_.show(kReference); }

}  // namespace kelvara

namespace kelvara {

PageDescription MaxSpeedPage::describe() {
  PageDescription d("frmMaxspeed", "Maximum Speed");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.input("txtRoadwidth", txtRoadwidth, "Road or lane width in metres", measured);
  d.input("txtr", txtr, "Inside radius of curvature of bend in metres", measured);
  d.input("txttheta", txttheta, "Angle of road direction change caused by bend", measured);
  d.input("txtCoefficient", txtCoefficient, "Coefficient of friction", measured);
  d.input("txtCrossfall", txtCrossfall, "Crossfall in degrees (positive if favourable)", measured);
  d.input("txtCarwidth", txtCarwidth, "Width of vehicle in metres", measured);
  d.result("txtMaxradius", txtMaxradius, "Maximum radius of steered path", {"{#####0.00} metres"});
  d.result("txtMaxspeed", txtMaxspeed, "Maximum speed",
           {"{#####0.00} m/s   or   {#####0.00}  mph"});
  d.button("cmdCalculate", cmdCalculate, [this] { cmdCalculate_Click(); });
  d.button("cmdClear", cmdClear, [this] { cmdClear_Click(); });
  d.button("Command1", Command1, WindowCommand::Print);
  d.button("cmdMenu", cmdMenu, WindowCommand::Menu);
  d.button("cmdExit", cmdExit, WindowCommand::Exit);
  d.menuItem("mnuReference", mnuReference, [this] { mnuReference_Click(); });

  d.calculation("Maximum speed on a bend", {"cmdCalculate_Click"});
  return d;
}

}  // namespace kelvara
