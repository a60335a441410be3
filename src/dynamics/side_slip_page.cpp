#include "dynamics/side_slip_page.h"

#include <cstdint>

#include "dynamics/side_slip.h"
#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/unchecked_failure.h"

namespace kelvara {

using namespace side_slip;

namespace {

constexpr const char* kMask = "###0.000";
constexpr double kHighestCoefficient = 1.5;
constexpr double kHighestRolling = 1.0;

const Message kCoefficientTooHigh{{"Warning!", "Your actual coefficient is too high"}};
const Message kRollingTooHigh{{"Warning!", "Your rolling coefficient is too high"}};
const Message kAnglesInWrongOrder{{"Warning!", "Your angle B should be greater than your angle A"}};
const Message kAnglesOutOfRange{{"Warning!", "Your angles are out of range"}};
// This box has no title of its own: it shows the application's.
const Message kReference{
    {"Reference: the published analysis of the deceleration of a vehicle that slides sideways "
     "while it yaws or spins, with no braking applied.",
     "This module is based on the side slip calculations for a yawing or spinning vehicle"}};

}  // namespace

SideSlipPage::SideSlipPage(Dialogs& dialogs) : dialogs_(dialogs) { txtAngleB.text = " "; }

void SideSlipPage::Form_Load() {
  Label7.caption =
      "Rolling normal inflation = 0.010\r\n"
      "Rolling flat tyre = 0.017\r\n"
      "Rolling low gear = 0.10 to 0.20\r\n"
      "Rolling high gear = 0.10";
}

void SideSlipPage::cmdCalculate_Click() {
  try {
    calculate();
  } catch (const ArithmeticFailure& failure) {
    dialogs_.show(uncheckedFailureMessage(failure));
  }
}

void SideSlipPage::calculate() {
  const auto A = wholeDegrees(checkedFieldValue(Text2.text));
  if (!A) {
    dialogs_.show(kAnglesOutOfRange);
    return;
  }
  working().note("Each angle is taken to the nearest whole degree, a half to the even degree.");
  working().value("Angle A in whole degrees", "A", *A, "degrees");
  const auto B = wholeDegrees(checkedFieldValue(txtAngleB.text));
  if (!B) {
    dialogs_.show(kAnglesOutOfRange);
    return;
  }
  working().value("Angle B in whole degrees", "B", *B, "degrees");
  const double mu = checkedFieldValue(txtAct.text);
  if (mu > kHighestCoefficient) {
    dialogs_.show(kCoefficientTooHigh);
    return;
  }
  const double rolling = checkedFieldValue(txtRoll.text);
  if (rolling > kHighestRolling) {
    dialogs_.show(kRollingTooHigh);
    return;
  }
  if (*A > *B) {
    dialogs_.show(kAnglesInWrongOrder);
    return;
  }
  // Counted wider than the angles: B − A + 1 reaches 65536.
  const std::int32_t count = std::int32_t{*B} - std::int32_t{*A} + 1;
  if (count > kMostAngles) {
    dialogs_.show(kAnglesOutOfRange);
    return;
  }
  working().note(
      "The coefficient at a yaw angle \u03C8 is \u221A((\u03BC \u00D7 sin \u03C8)\u00B2 + "
      "(\u03BCr \u00D7 cos \u03C8)\u00B2); the effective coefficient is its mean over "
      "every whole degree from A to B.");
  txtfriction2.text = maskFormat(meanEffectiveCoefficient(*A, *B, mu, rolling, working()), kMask);
}

void SideSlipPage::cmdClear_Click() {
  for (TextBox* box : {&Text2, &txtAngleB, &txtAct, &txtRoll, &txtfriction2}) box->text.clear();
}

void SideSlipPage::mnuReferences_Click() { dialogs_.show(kReference); }

}  // namespace kelvara

namespace kelvara {

PageDescription SideSlipPage::describe() {
  PageDescription d("frmSideSlip", "Side Slip");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.label("Label2", Label2);
  d.picture("Picture2", Picture2);
  d.input("Text2", Text2, "Type in the angle A in degrees", measured);
  d.input("txtAngleB", txtAngleB, "Type in the angle B in degrees", measured);
  d.input("txtAct", txtAct, "Actual coefficient of friction", measured);
  d.input("txtRoll", txtRoll, "Coefficient of rolling friction", measured);
  d.result("txtfriction2", txtfriction2, "Effective coefficient of friction", {"{###0.000}"});
  d.label("Label6", Label6);
  d.label("Label7", Label7);
  d.button("cmdCalculate", cmdCalculate, [this] { cmdCalculate_Click(); });
  d.button("cmdClear", cmdClear, [this] { cmdClear_Click(); });
  d.button("cmdMenu", cmdMenu, WindowCommand::Menu);
  d.button("cmdExit", cmdExit, WindowCommand::Exit);
  d.menuItem("mnuReferences", mnuReferences, [this] { mnuReferences_Click(); });

  d.onLoad("Form_Load", [this] { Form_Load(); });

  d.calculation("Effective coefficient in side slip", {"cmdCalculate_Click"});
  return d;
}

}  // namespace kelvara
