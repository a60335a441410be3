#include "dynamics/overturn_page.h"

#include "dynamics/overturn.h"
#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/unchecked_failure.h"
#include "fields/units.h"

namespace kelvara {

using namespace overturn;

namespace {

constexpr const char* kMask = "######0.00";
constexpr double kHighestPlausibleCoefficient = 1.1;

const Message kMissingInformation{{"You have not provided all the necessary information."}};
const Message kCoefficientRatherHigh{{"Your coefficient of friction seems rather high!"}};

}  // namespace

OverturnPage::OverturnPage(Dialogs& dialogs) : dialogs_(dialogs) {
  txtSpeed.enabled = false;
  txtSkid.enabled = false;
  Picture1.visible = false;
  lblHide.caption = "Click this box to hide it.";
  lblHide.visible = false;
}

// Any refusal leaves both results disabled, as the page's own check on missing values does.
void OverturnPage::cmdCalculate_Click() {
  try {
    calculate();
  } catch (const ArithmeticFailure& failure) {
    dialogs_.show(uncheckedFailureMessage(failure));
    disableResults();
  }
}

void OverturnPage::calculate() {
  txtSkid.enabled = true;
  txtSpeed.enabled = true;
  txtSkid.text.clear();
  T_ = checkedFieldValue(txtTrack.text);
  R_ = checkedFieldValue(txtRadius.text);
  h_ = checkedFieldValue(txth.text);
  const double crossfallDegrees = checkedFieldValue(txtCrossfall.text);
  crossfall_ =
      working().equation("Crossfall in radians", "\u03B8", "\u03B8\u00B0 \u00D7 \u03C0 / 180",
                         {{"\u03B8\u00B0", crossfallDegrees}, {"\u03C0", kPi}},
                         degreesToRadians(crossfallDegrees), "rad");

  if (T_ == 0.0 || R_ == 0.0 || h_ == 0.0) {
    dialogs_.show(kMissingInformation);
    disableResults();
    return;
  }

  V_ = overturnSpeed(T_, R_, h_, crossfall_, working());
  txtSpeed.text = maskFormat(V_, kMask) + "m/s     or      " +
                  maskFormat(speedInMph(working(), "Overturn speed", V_), kMask) + " mph";

  // The coefficient matters only to the verdict, so it is read once the speed stands.
  const double mu = checkedFieldValue(txtCoefficient.text);
  if (isEmptyText(txtCoefficient.text)) {
    txtSkid.text = "Coefficient of friction not specified";
  } else {
    txtSkid.text = skidsBeforeOverturning(T_, h_, mu, working())
                       ? "The vehicle will skid rather than overturn."
                       : "The vehicle will overturn rather than skid.";
  }
  if (mu > kHighestPlausibleCoefficient) dialogs_.show(kCoefficientRatherHigh);
}

void OverturnPage::disableResults() {
  txtSkid.enabled = false;
  txtSpeed.enabled = false;
}

void OverturnPage::cmdClear_Click() {
  for (TextBox* box :
       {&txtTrack, &txtRadius, &txth, &txtCrossfall, &txtSpeed, &txtSkid, &txtCoefficient})
    box->text.clear();
  disableResults();
}

void OverturnPage::mnuEquation_Click() {
  Picture1.visible = true;
  lblHide.visible = true;
}

void OverturnPage::Picture1_Click() {
  Picture1.visible = false;
  lblHide.visible = false;
}

void OverturnPage::lblHide_Click() { Picture1_Click(); }

}  // namespace kelvara

namespace kelvara {

PageDescription OverturnPage::describe() {
  PageDescription d("frmOverturn", "Overturn Calculation");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.input("txtTrack", txtTrack, "Track width of vehicle /metres", measured);
  d.input("txtRadius", txtRadius, "Radius of vehicle path /metres", measured);
  d.input("txth", txth, "Height of centre of gravity /metres", measured);
  d.input("txtCrossfall", txtCrossfall, "Crossfall in degrees (Positive when favourable)",
          measured);
  d.input("txtCoefficient", txtCoefficient, "Coefficient of friction", measured);
  d.result("txtSpeed", txtSpeed, "Speed for vehicle to overturn",
           {"{######0.00}m/s     or      {######0.00} mph"});
  d.result("txtSkid", txtSkid, "Skid and not overturn ?",
           {"Coefficient of friction not specified", "The vehicle will skid rather than overturn.",
            "The vehicle will overturn rather than skid."});
  d.label("Label1", Label1);
  d.button("cmdCalculate", cmdCalculate, [this] { cmdCalculate_Click(); });
  d.button("cmdClear", cmdClear, [this] { cmdClear_Click(); });
  d.button("cmdMenu", cmdMenu, WindowCommand::Menu);
  d.button("cmdExit", cmdExit, WindowCommand::Exit);
  d.menuItem("mnuEquation", mnuEquation, [this] { mnuEquation_Click(); });
  d.picture("Picture1", Picture1, [this] { Picture1_Click(); });
  d.label("lblHide", lblHide, [this] { lblHide_Click(); });

  d.calculation("Overturn speed", {"cmdCalculate_Click"});
  return d;
}

}  // namespace kelvara
