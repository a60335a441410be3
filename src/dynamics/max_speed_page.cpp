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
  usableWidth_ = finite(checkedFieldValue(txtRoadwidth.text) - checkedFieldValue(txtCarwidth.text));
  halfAngle_ = degreesToRadians(checkedFieldValue(txttheta.text) * kHalf);
  mu_ = checkedFieldValue(txtCoefficient.text);
  crossfall_ = degreesToRadians(checkedFieldValue(txtCrossfall.text));
  Rmax_ = racingLineRadius(usableWidth_, halfAngle_, checkedFieldValue(txtr.text));

  txtMaxradius.enabled = true;
  txtMaxspeed.enabled = true;
  txtMaxradius.text = maskFormat(Rmax_, kMask) + " metres";

  // A new radius never stands beside the speed of an earlier one.
  try {
    Vmax_ = maximumSpeed(Rmax_, mu_, crossfall_);
  } catch (const ArithmeticFailure&) {
    txtMaxspeed.text.clear();
    throw;
  }
  txtMaxspeed.text = maskFormat(Vmax_, kMask) + " m/s   or   " +
                     maskFormat(metresPerSecondToMph(Vmax_), kMask) + "  mph";
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
