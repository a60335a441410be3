#include "dynamics/curve_page.h"

#include "dynamics/curve.h"
#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/units.h"

namespace kelvara {

using namespace curve;

namespace {

constexpr const char* kInfinityText = "Infinity";
constexpr const char* kLengthMask = "#####0.000";
constexpr const char* kShortMask = "####0.000";
constexpr const char* kMetres = "  metres";
constexpr const char* kDegrees = " degrees";
constexpr const char* kSpeedCaption = "Critical Speed:";

const Message kCoefficientTooHigh{{"Your coefficient is too high"}};
const Message kDeleteChordOrOrdinate{{"Delete either the chord length or the Middle Ordinate."}};
const Message kNeedRadiusOrChord{{"You need either the Radius or the Chord."}};
const Message kNeedRadiusOrOrdinate{{"You need either the Radius or the Middle Ordinate"}};
// Also the page's answer to any formula without a real, finite value.
const Message kNegativeRoot{{"Your values have resulted in a negative square root.", "Try again."}};
const Message kTooManyValues{
    {"Only two values should be typed into the lower box.", "Try again."}};
const Message kTooFewValues{
    {"You need two values in the lower box.", "You have typed in only one value."}};
const Message kNegativeDeceleration{
    {"Your input data has resulted in a negative deceleration rate.", "Re-enter your values."}};
const Message kVerticalRadiusTooSmall{
    {"Your value for the vertical radius is too small for", "the equation to be valid.",
     "The value about to be calculated is for a constant longitudinal gradient."}};
const Message kBrakingOutOfRange{
    {"Your deceleration rate is inappropriate. It must be less than 9.81x(Coefficient of "
     "friction) and greater than zero."}};
const Message kNotes{
    {"References:",
     "Critical speed under braked conditions: a friction-circle approach. Accident "
     "investigation journal.",
     "The formula here takes into account the effect of camber.",
     "Critical speed at the brow of a hill: the effect of vertical curvature. Accident "
     "investigation journal."}};

bool filled(const TextBox& box) { return !isEmptyText(box.text); }

double friction(const TextBox& coefficientBox, Working& working) {
  const double mu = fieldValue(coefficientBox.text);
  return working.equation("Friction deceleration", "a", "\u03BC \u00D7 g",
                          {{"\u03BC", mu}, {"g", kGravity}}, mu * kGravity, "m/s\u00B2");
}

double camber(const TextBox& camberBox, Working& working) {
  const double degrees = fieldValue(camberBox.text);
  return working.equation("Camber in radians", "\u03B8", "\u03B8\u00B0 \u00D7 \u03C0 / 180",
                          {{"\u03B8\u00B0", degrees}, {"\u03C0", kPi}}, degreesToRadians(degrees),
                          "rad");
}

}  // namespace

CurvePage::CurvePage(Dialogs& dialogs) : dialogs_(dialogs) {
  txtVerticalRadius.text = kInfinityText;
  lblLabel6.caption = "Critical Speed in m/s:";
  lblBraked.caption =
      "After calculating all values on the left of this form, you will be able to use this "
      "box to calculate the critical speed under braked conditions. Type in the deceleration "
      "rate that would be achieved by the amount of braking applied:";
  Text3.text = "Deceleration rate:";
  txtCritSpBraked.text = "Critical speed for braked conditions:";
  Text3.enabled = false;
  txta2.enabled = false;
  txtCritSpBraked.enabled = false;
  txtBraked.enabled = false;
  cmdCalcBraked.enabled = false;
}

// Each step builds its texts completely before writing them, so a step that fails leaves
// the boxes as the earlier steps wrote them.
void CurvePage::Command1_Click() {
  try {
    readGeometryAndFriction();
    if (fieldValue(txtDeceleration.text) > kHighestCoefficient) {
      dialogs_.show(kCoefficientTooHigh);
      return;
    }
    if (!filled(txtCriticalSpeed) && R_ + C_ + M_ + a_ + theta_ == 0.0) return;

    const bool radiusOnly = filled(txtRadius) && !filled(txtChord) && !filled(txtOrdinate);
    if (filled(txtRadius) && filled(txtChord) && filled(txtOrdinate))
      dialogs_.show(kDeleteChordOrOrdinate);
    if (!radiusOnly) calculateGeometry();

    countLowerBox();
    if (lateralDemand(R_, a_, theta_) < 0.0) {
      dialogs_.show(kNegativeDeceleration);
      return;
    }
    if (!filled(txtCriticalSpeed)) writeCriticalSpeed();
    writeCamber();
    writeCoefficient();
    enableBrakedBox();
  } catch (const ArithmeticFailure&) {
    dialogs_.show(kNegativeRoot);
  }
}

void CurvePage::readGeometryAndFriction() {
  R_ = fieldValue(txtRadius.text);
  VR_ = txtVerticalRadius.text == kInfinityText ? kInfiniteVerticalRadius
                                                : fieldValue(txtVerticalRadius.text);
  C_ = fieldValue(txtChord.text);
  M_ = fieldValue(txtOrdinate.text);
  a_ = friction(txtDeceleration, working());
  theta_ = camber(txtCamber, working());
}

// The third of radius, chord and middle ordinate from the other two. The radius written
// here is not taken into the page value R: the later steps read it back from its box.
void CurvePage::calculateGeometry() {
  const bool radius = filled(txtRadius);
  const bool chord = filled(txtChord);
  const bool ordinate = filled(txtOrdinate);
  if (!radius && !chord && ordinate) dialogs_.show(kNeedRadiusOrChord);
  if (!radius && chord && !ordinate) dialogs_.show(kNeedRadiusOrOrdinate);

  if (!filled(txtRadius) && M_ != 0.0)
    txtRadius.text = maskFormat(radiusFromChordAndOrdinate(C_, M_, working()), kLengthMask) + kMetres;

  if (!filled(txtChord)) {
    if (const auto length = chordFromRadiusAndOrdinate(R_, M_, working())) {
      txtChord.text = maskFormat(*length, kLengthMask) + kMetres;
    } else {
      dialogs_.show(kNegativeRoot);
      txtRadius.text.clear();
      txtOrdinate.text.clear();
    }
  }

  if (!filled(txtOrdinate))
    txtOrdinate.text = maskFormat(ordinateFromRadiusAndChord(R_, C_, working()), kShortMask);
}

void CurvePage::countLowerBox() {
  count_ = static_cast<std::int16_t>(filled(txtDeceleration) + filled(txtCamber) +
                                     filled(txtCriticalSpeed));
  if (filled(txtCriticalSpeed)) {
    const double typed = fieldValue(txtCriticalSpeed.text);
    txtCriticalSpeed.text = typedCriticalSpeed() + " m/s       or       " +
                            maskFormat(metresPerSecondToMph(typed), kShortMask) + "  mph";
    lblLabel6.caption = kSpeedCaption;
  }
  if (count_ > 2) dialogs_.show(kTooManyValues);
  if (count_ < 2) dialogs_.show(kTooFewValues);
}

// The speed as the investigator typed it. After a Calculate the box also holds its mph
// figure; only its number is kept then, so that the mph figure is never written twice.
std::string CurvePage::typedCriticalSpeed() const {
  if (isNumericText(txtCriticalSpeed.text)) return txtCriticalSpeed.text;
  return shortestText(fieldValue(txtCriticalSpeed.text));
}

void CurvePage::writeCriticalSpeed() {
  R_ = fieldValue(txtRadius.text);
  // The same boxes as read before: their working is shown once.
  a_ = friction(txtDeceleration, noWorking());
  theta_ = camber(txtCamber, noWorking());
  if (verticalRadiusTooSmall(R_, a_, VR_)) {
    dialogs_.show(kVerticalRadiusTooSmall);
    txtVerticalRadius.text = kInfinityText;
    VR_ = kInfiniteVerticalRadius;
  }
  const double speed = criticalSpeed(R_, a_, theta_, VR_, working());
  txtCriticalSpeed.text = maskFormat(speed, kLengthMask) + "  m/s       or        " +
                          maskFormat(speedInMph(working(), "Critical speed", speed), kShortMask) + " mph";
  V_ = speed;
  lblLabel6.caption = kSpeedCaption;
}

// The camber that goes with the speed in the box; the page value θ stays as read.
void CurvePage::writeCamber() {
  R_ = fieldValue(txtRadius.text);
  if (filled(txtCamber) || R_ == 0.0) return;
  V_ = fieldValue(txtCriticalSpeed.text);
  txtCamber.text = maskFormat(camberDegreesForSpeed(V_, R_, a_, working()), kShortMask) + kDegrees;
}

void CurvePage::writeCoefficient() {
  R_ = fieldValue(txtRadius.text);
  if (filled(txtDeceleration) || R_ == 0.0) return;
  V_ = fieldValue(txtCriticalSpeed.text);
  txtDeceleration.text = maskFormat(coefficientForSpeed(V_, R_, theta_, working()), kShortMask);
}

void CurvePage::enableBrakedBox() {
  Command1.enabled = true;
  lblBraked.enabled = true;
  Text3.enabled = true;
  txta2.enabled = true;
  txtCritSpBraked.enabled = true;
  txtBraked.enabled = true;
  cmdCalcBraked.enabled = true;
  txtCritSpBraked.visible = true;
  txtBraked.visible = true;
}

void CurvePage::cmdCalcBraked_Click() {
  cmdCalcBraked.enabled = true;
  cmdCalcBraked.visible = true;
  txtBraked.enabled = true;
  txtBraked.visible = true;
  try {
    R_ = fieldValue(txtRadius.text);
    ab_ = fieldValue(txta2.text);
    af_ = brakedFrictionDeceleration(fieldValue(txtDeceleration.text), working());
    if (!brakingDecelerationInRange(ab_, af_)) {
      dialogs_.show(kBrakingOutOfRange);
      return;
    }
    theta_ = camber(txtCamber, working());
    const double speed = brakedCriticalSpeed(R_, af_, ab_, theta_, working());
    txtBraked.text = maskFormat(speed, kLengthMask) + " m/s or " +
                     maskFormat(speedInMph(working(), "Critical speed under braking", speed), kLengthMask) +
                     " mph";
  } catch (const ArithmeticFailure&) {
    dialogs_.show(kNegativeRoot);
  }
}

// Empties the boxes; the page values and the speed label stay as they are.
void CurvePage::cmdClear_Click() {
  for (TextBox* box : {&txtRadius, &txtChord, &txtOrdinate, &txtDeceleration, &txtCamber,
                       &txtCriticalSpeed, &txta2, &txtBraked})
    box->text.clear();
  txtVerticalRadius.text = kInfinityText;
  Command1.enabled = true;
  for (TextBox* box : {&Text3, &txta2, &txtCritSpBraked, &txtBraked}) box->enabled = false;
  cmdCalcBraked.enabled = false;
}

void CurvePage::mnuNotes_Click() { dialogs_.show(kNotes); }

}  // namespace kelvara

namespace kelvara {

PageDescription CurvePage::describe() {
  PageDescription d("frmCurve", "Curves and Critical Speed");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.label("lblTypein1", lblTypein1);
  d.both("txtRadius", txtRadius, "Radius of Curvature in metres:", measured,
         {"{#####0.000}  metres"});
  d.both("txtChord", txtChord, "Chord length in metres:", measured, {"{#####0.000}  metres"});
  d.both("txtOrdinate", txtOrdinate, "Middle Ordinate:", measured, {"{####0.000}"});
  d.label("lblInstructions3", lblInstructions3);
  d.both("txtDeceleration", txtDeceleration, "Coefficient of friction:", measured, {"{####0.000}"});
  d.both("txtCamber", txtCamber, "Camber in degrees (negative if unfavourable):", measured,
         {"{####0.000} degrees"});
  d.both("txtCriticalSpeed", txtCriticalSpeed, "Critical Speed in m/s:", measured,
         {"{n} m/s       or       {####0.000}  mph", "{~} m/s       or       {####0.000}  mph",
          "{#####0.000}  m/s       or        {####0.000} mph"});
  d.label("lblLabel6", lblLabel6);
  d.input("txtVerticalRadius", txtVerticalRadius,
          "Vertical radius of curvature in metres:", measured)
      .shapes = {"Infinity"};
  d.label("Label6", Label6);
  d.label("lblBraked", lblBraked);
  d.fixed("Text3", Text3);
  d.input("txta2", txta2, "Deceleration rate:", measured);
  d.fixed("txtCritSpBraked", txtCritSpBraked);
  d.result("txtBraked", txtBraked,
           "Critical speed for braked conditions:", {"{#####0.000} m/s or {#####0.000} mph"});
  d.button("cmdCalcBraked", cmdCalcBraked, [this] { cmdCalcBraked_Click(); });
  d.button("Command1", Command1, [this] { Command1_Click(); });
  d.button("cmdClear", cmdClear, [this] { cmdClear_Click(); });
  d.button("cmdMenu2", cmdMenu2, WindowCommand::Menu);
  d.button("cmdExit2", cmdExit2, WindowCommand::Exit);
  d.menuItem("mnuNotes", mnuNotes, [this] { mnuNotes_Click(); });

  d.calculation(
      "Critical speed", {"Command1_Click"},
      {&txtRadius, &txtChord, &txtOrdinate, &txtDeceleration, &txtCamber, &txtCriticalSpeed,
       &txtVerticalRadius},
      {&txtRadius, &txtChord, &txtOrdinate, &txtDeceleration, &txtCamber, &txtCriticalSpeed});
  d.calculation("Critical speed under braking", {"Command1_Click", "cmdCalcBraked_Click"});
  return d;
}

}  // namespace kelvara
