#include "dynamics/trailer_page.h"

#include <optional>

#include "dynamics/trailer.h"
#include "fields/checked.h"
#include "fields/field_text.h"

namespace kelvara {

using namespace trailer;

namespace {

constexpr const char* kRadiusMask = "######0.00";
constexpr const char* kArticulatedCutInMask = "#######0.00";
constexpr const char* kRigidCutInMask = "######0.00";

// Where both bars start, and their range and steps: whole metres from 1 m, a metre at a
// time, ten metres for a click beside the slider.
constexpr int kStartRadius = 15;
constexpr int kSmallestRadius = 1;
constexpr int kRadiusStep = 1;
constexpr int kRadiusPage = 10;
// The largest rigid wheelbase whose radius L + 1 stays on the bar.
constexpr double kLongestRigidWheelbase = kLargestRadius - 1.0;
constexpr double kHalf = 0.5;

const Message kFourItems{{"Please insert all four data items for this vehicle."}};
const Message kNoWheelbase{{"Please insert the vehicle wheelbase"}};
const Message kTooLong{{"Your wheelbase is far too long"}};
const Message kNegative{{"Your wheelbase cannot be negative"}};
const Message kInvalidVehicle{
    {"Your data for this vehicle is invalid", "Clear all boxes and start again."}};
const Message kInstructions{
    {"When there are 2 or 3 axles at the rear of the tractor or at the rear of the trailer,",
     "adopt the average position of the axle group.",
     "The calculated cut-in does not take into account tyre slip",
     "The calculations begin as soon as you start to scroll.",
     "The distance m can be set to zero if you cannot find its actual value"}};

void setUpRadiusBar(ScrollBar& bar) {
  bar.minimum = kSmallestRadius;
  bar.maximum = kLargestRadius;
  bar.smallChange = kRadiusStep;
  bar.largeChange = kRadiusPage;
  bar.value = kStartRadius;
}

}  // namespace

TrailerPage::TrailerPage(Dialogs& dialogs) : dialogs_(dialogs) {
  setUpRadiusBar(HScroll1);
  setUpRadiusBar(HScrollR);
  for (TextBox* box : {&txtR, &txtCutIn, &txtR2, &txtCut}) box->enabled = false;
}

void TrailerPage::HScroll1_Change() {
  txtR.enabled = true;
  txtCutIn.enabled = true;
  for (const TextBox* box : {&txtd, &txtb, &txtp, &txtm}) {
    if (isEmptyText(box->text)) {
      dialogs_.show(kFourItems);
      return;
    }
  }
  const double d = fieldValue(txtd.text);
  const double p = fieldValue(txtp.text);
  const double m = fieldValue(txtm.text);
  const double b = fieldValue(txtb.text);
  const double h =
      working().equation("Half the tractor width", "h", "b \u00D7 0.5", {{"b", b}}, b * kHalf, "m");

  // The radius box shows the bar's whole metres to two decimals, which read back as the
  // same number, so the turn is worked out for the bar's value. Dimensions whose turn has
  // no finite figure are refused before the radius box is written.
  std::optional<ArticulatedTurn> turn;
  if (p >= 0.0 && p <= kLongestWheelbase) {
    try {
      turn = articulatedTurn(HScroll1.value, d, h, p, m, working());
    } catch (const ArithmeticFailure&) {
      dialogs_.show(kInvalidVehicle);
      return;
    }
  }

  txtR.text = maskFormat(HScroll1.value, kRadiusMask);
  if (p > kLongestWheelbase) {
    dialogs_.show(kTooLong);
    return;
  }
  if (p < 0.0) {
    dialogs_.show(kNegative);
    return;
  }
  if (turn->radius != HScroll1.value) txtR.text = maskFormat(turn->radius, kRadiusMask);
  if (!turn->possible) {
    dialogs_.show(kInvalidVehicle);
    return;
  }
  txtCutIn.text = maskFormat(turn->cutIn, kArticulatedCutInMask);
}

void TrailerPage::HScrollR_Change() {
  if (isEmptyText(txtL.text)) {
    dialogs_.show(kNoWheelbase);
    return;
  }
  const double L = fieldValue(txtL.text);
  if (L > kLongestRigidWheelbase) {
    dialogs_.show(kTooLong);
    return;
  }
  if (L < 0.0) {
    dialogs_.show(kNegative);
    return;
  }
  // The radius is never below the wheelbase: pushing the bar up is a change of its value,
  // which runs this handler for the new value; this run then goes on with it too, its
  // working already recorded by that run.
  bool recorded = false;
  if (HScrollR.value < L + 1.0 && moveScrollBar(HScrollR, rigidRadiusFor(L, working()))) {
    HScrollR_Change();
    recorded = true;
  }

  txtR2.enabled = true;
  txtCut.enabled = true;
  txtR2.text = maskFormat(HScrollR.value, kRadiusMask);
  const double R = fieldValue(txtR2.text);
  txtCut.text = maskFormat(rigidCutIn(R, L, recorded ? noWorking() : working()), kRigidCutInMask);
}

// Empties the boxes, then brings each bar back to its start; a bar that moves runs its
// handler, which finds its boxes empty.
void TrailerPage::cmdClear_Click() {
  for (TextBox* box : {&txtd, &txtb, &txtp, &txtm, &txtL, &txtR, &txtCutIn, &txtCut, &txtR2})
    box->text.clear();
  if (moveScrollBar(HScroll1, kStartRadius)) HScroll1_Change();
  if (moveScrollBar(HScrollR, kStartRadius)) HScrollR_Change();
}

void TrailerPage::mnuInstructions_Click() { dialogs_.show(kInstructions); }

void TrailerPage::cmdExit_Click() {
  txtR2.enabled = false;
  txtCut.enabled = false;
}

}  // namespace kelvara

namespace kelvara {

PageDescription TrailerPage::describe() {
  PageDescription d("frmTrailer", "Long Vehicles");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  // Articulated vehicle.
  d.picture("Picture1", Picture1);
  d.input("txtd", txtd, "Distance from 5th wheel to trailer rear axle, d", measured);
  d.input("txtb", txtb, "Tractor width, b metres", measured);
  d.input("txtp", txtp, "Tractor Wheelbase, p metres", measured);
  d.input("txtm", txtm, "Fifth wheel to tractor rear axle, m metres", measured);
  d.bar("HScroll1", HScroll1, "Scroll for different Radii, R", [this] { HScroll1_Change(); });
  d.result("txtR", txtR, "Radius, R metres", {"{######0.00}"});
  d.result("txtCutIn", txtCutIn, "Cut-in (R - X) metres", {"{#######0.00}"});
  // Rigid vehicle.
  d.picture("Picture2", Picture2);
  d.input("txtL", txtL, "Wheelbase, L metres", measured);
  d.bar("HScrollR", HScrollR, "Scroll for different Radii, R", [this] { HScrollR_Change(); });
  d.result("txtR2", txtR2, "Radius, R metres", {"{######0.00}"});
  d.result("txtCut", txtCut, "Cut-in (R-X) metres", {"{######0.00}"});
  d.button("cmdClear", cmdClear, [this] { cmdClear_Click(); });
  d.button("cmdMenu", cmdMenu, WindowCommand::Menu);
  // Its handler disables the rigid results, then the program ends.
  d.button("cmdExit", cmdExit, WindowCommand::Exit, [this] { cmdExit_Click(); });
  d.menuItem("mnuInstructions", mnuInstructions, [this] { mnuInstructions_Click(); });

  d.calculation("Articulated vehicle cut-in", {"HScroll1_Change"},
                {&txtd, &txtb, &txtp, &txtm, &HScroll1}, {&txtR, &txtCutIn});
  d.calculation("Rigid vehicle cut-in", {"HScrollR_Change"}, {&txtL, &HScrollR}, {&txtR2, &txtCut});
  return d;
}

}  // namespace kelvara
