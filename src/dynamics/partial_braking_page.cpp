#include "dynamics/partial_braking_page.h"

#include "dynamics/partial_braking.h"
#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/unchecked_failure.h"

namespace kelvara {

using namespace partial_braking;

namespace {

constexpr const char* kMask = "###0.000";
constexpr double kUnity = 1.0;
constexpr double kSteepestGradient = 90.0;  // degrees

const Message kMuAboveUnity{{"Mu should not be greater than unity"}};
const Message kGradientTooSteep{{"Your gradient should not be higher than 90 degrees"}};
const Message kAcceleratesDownhill{
    {"The negative effective coefficient means that the vehicle will actually accelerate down "
     "the hill."}};
const Message kNoBrakeWorking{{"Are you sure that none of the brakes were working?"}};
const Message kNotes{
    {"These calculations assume that any brakes that are not working properly are not working "
     "at all.",
     "If the deceleration rate of the vehicle is measured by means of an electronic "
     "decelerometer,",
     " the result of that measurement will already be correct and these calculations are not "
     "needed.",
     "By checking all four boxes, the effect of a gradient can be calculated for a vehicle with "
     "all brakes working.",
     "Reference: the published analysis of partial braking, which balances the braking forces "
     "against the weight transferred from the rear axle to the front axle under braking."}};

}  // namespace

PartialBrakingPage::PartialBrakingPage(Dialogs& dialogs) : dialogs_(dialogs) {
  txtMue.enabled = false;
}

void PartialBrakingPage::cmdCalculate_Click() {
  try {
    calculate();
  } catch (const ArithmeticFailure& failure) {
    dialogs_.show(uncheckedFailureMessage(failure));
  }
}

// The warnings on μ and the gradient let the calculation go on. A figure too large for a
// double, in any box, ends it before anything is written.
void PartialBrakingPage::calculate() {
  mu_ = checkedFieldValue(txtTruemu.text);
  k_ = checkedFieldValue(txtHL.text);
  Wf_ = checkedFieldValue(txtWf.text);
  if (mu_ > kUnity) dialogs_.show(kMuAboveUnity);
  const double gradientDegrees = checkedFieldValue(txtGradient.text);
  if (gradientDegrees > kSteepestGradient) dialogs_.show(kGradientTooSteep);

  gradient_ =
      working().equation("Gradient in radians", "\u03B3", "\u03B3\u00B0 \u00D7 \u03C0 / 180",
                         {{"\u03B3\u00B0", gradientDegrees}, {"\u03C0", kPi}},
                         degreesToRadians(gradientDegrees), "rad");
  txtMue.enabled = true;

  const Brakes brakes{chkFn.value, chkFo.value, chkRn.value, chkRo.value};
  if (const auto coefficient = effectiveCoefficient(brakes, mu_, k_, Wf_, gradient_, working())) {
    mue_ = *coefficient;
    txtMue.text = maskFormat(mue_, kMask);
  } else {
    dialogs_.show(kNoBrakeWorking);
  }

  // Whatever the box now holds, a figure of its own or one left from before.
  if (fieldValue(txtMue.text) < 0.0) dialogs_.show(kAcceleratesDownhill);
}

// The check boxes keep their marks.
void PartialBrakingPage::cmdClear_Click() {
  for (TextBox* box : {&txtHL, &txtTruemu, &txtWf, &txtMue, &txtGradient}) box->text.clear();
  txtMue.enabled = false;
}

void PartialBrakingPage::mnuNotes_Click() { dialogs_.show(kNotes); }

}  // namespace kelvara

namespace kelvara {

PageDescription PartialBrakingPage::describe() {
  PageDescription d("frmPartialbraking", "Partial braking");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.input("txtHL", txtHL, "Value of the ratio (height of C of G)/(wheel base) h/L", measured);
  d.input("txtTruemu", txtTruemu, "True coefficient of friction", measured);
  d.input("txtWf", txtWf, "Proportion of static vehicle weight on front axle. (eg 0.60)", measured);
  d.input("txtGradient", txtGradient, "Gradient in degrees", measured);
  d.result("txtMue", txtMue, "Effective coefficient of friction", {"{###0.000}"});
  d.check("chkFn", chkFn, "Front nearside brake");
  d.check("chkFo", chkFo, "Front offside brake");
  d.check("chkRn", chkRn, "Rear nearside brake");
  d.check("chkRo", chkRo, "Rear offside brake");
  d.button("cmdCalculate", cmdCalculate, [this] { cmdCalculate_Click(); });
  d.button("cmdClear", cmdClear, [this] { cmdClear_Click(); });
  d.button("cmdPrint", cmdPrint, WindowCommand::Print);
  d.button("cmdMenu", cmdMenu, WindowCommand::Menu);
  d.button("cmdExit", cmdExit, WindowCommand::Exit);
  d.menuItem("mnuNotes", mnuNotes, [this] { mnuNotes_Click(); });

  d.calculation("Effective coefficient under partial braking", {"cmdCalculate_Click"});
  return d;
}

}  // namespace kelvara
