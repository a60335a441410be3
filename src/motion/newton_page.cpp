#include "motion/newton_page.h"

#include <array>

#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/unchecked_failure.h"
#include "fields/units.h"
#include "motion/newton.h"

namespace kelvara {

namespace {

constexpr const char* kMask = "###0.000";

constexpr const char* kSpeedUnit = " ms-1";
constexpr const char* kWideSpeedUnit = "  ms-1";  // v when u, a and t are given
constexpr const char* kAccelerationUnit = " ms-2";
constexpr const char* kDistanceUnit = " metres";
constexpr const char* kTimeUnit = " seconds";
constexpr const char* kMphUnit = " mph";
constexpr const char* kGivenSpeedMphUnit = "mph";  // companion of a u the investigator typed

// A typed deceleration beyond this is warned of: about the most a coefficient of unity gives.
constexpr double kDecelerationWarningLimit = -10.0;
constexpr double kUnityCoefficient = 1.0;
// Decelerations at or beyond this are not turned into a coefficient of friction.
constexpr double kCoefficientDecelerationLimit = -15.0;

constexpr int kGivenValues = 3;
constexpr int kQuantities = 5;
constexpr int kUnknowns = kQuantities - kGivenValues;

const Message kDecelerationWarning{
    {"Warning!",
     "Your deceleration rate is equivalent to a coefficient of friction greater than unity."}};
const Message kBothInitialSpeeds{
    {"U should either be in m/s or in mph. Not both.", "Select Clear and start again."}};
const Message kCoefficientWarning{{"Warning!", "Coefficient is greater than unity"}};
const Message kTooFewValues{{"You need 3 values before a calculation can be made", "Try again."}};
const Message kTooManyValues{
    {"You have entered more than three values.", "Clear all boxes and try again."}};
const Message kNegativeRoot = negativeRootMessage();
const Message kDivisionByZero = divisionByZeroMessage();
const Message kNotCalculable = notCalculableMessage();
const Message kNegativeTime{
    {"Your values have resulted in a negative time.", "Clear all boxes and try again."}};

const Message kAbout{
    {"This programme has been designed as an aid to the scientific investigation of accidents.",
     "It is based purely on Newton's three equations of linear motion under constant "
     "acceleration"}};
const Message kAuthor{{"Kelvara Software Ltd \xE2\x80\x94 www.kelvara.example",
                       "support@kelvara.example"}};
const Message kInformation{{"The programme was last updated on the 3rd of May 2011."}};

const Message& messageFor(const ArithmeticFailure& failure) {
  switch (failure.kind()) {
    case ArithmeticFailure::Kind::DivisionByZero: return kDivisionByZero;
    case ArithmeticFailure::Kind::NegativeRoot: return kNegativeRoot;
    case ArithmeticFailure::Kind::NotFinite: return kNotCalculable;
  }
  return kNotCalculable;
}

std::string result(double value, const char* unit) { return maskFormat(value, kMask) + unit; }

// A speed typed in mph, in m/s.
double speedFromMph(Working& working, const char* quantity, const char* symbol, double mph) {
  if (!working.recording()) return mphToMetresPerSecond(mph);
  const std::string inMph = std::string(symbol) + "(mph)";
  return working.equation(quantity, symbol, inMph + " \u00D7 0.44704", {{inMph, mph}},
                          mphToMetresPerSecond(mph), "m/s");
}

bool bothEmpty(const std::string& first, const std::string& second) {
  return isEmptyText(first) && isEmptyText(second);
}

}  // namespace

NewtonPage::NewtonPage(Dialogs& dialogs) : dialogs_(dialogs) {}

void NewtonPage::cmdCalculate_Click() {
  try {
    calculate();
  } catch (const ArithmeticFailure& failure) {
    dialogs_.show(messageFor(failure));
  }
}

void NewtonPage::calculate() {
  u_ = txtu.text;
  v_ = txtv.text;
  s_ = txts.text;
  a_ = txtA.text;
  t_ = txtt.text;

  warnOfImplausibleInput();
  applyCoefficient();
  convertGivenMph();
  if (!countIsThree()) return;

  // A case fills its boxes only when every figure it writes can be calculated: one that
  // fails part-way puts back what the boxes held before it began.
  const std::array<TextBox*, 7> caseBoxes{&txtu, &txtv, &txts, &txtA, &txtt, &txtumph, &txtVmph};
  std::array<std::string, caseBoxes.size()> before;
  for (std::size_t i = 0; i < caseBoxes.size(); ++i) before[i] = caseBoxes[i]->text;
  bool solved = false;
  try {
    solved = solveCase();
  } catch (const ArithmeticFailure&) {
    for (std::size_t i = 0; i < caseBoxes.size(); ++i) caseBoxes[i]->text = before[i];
    throw;
  }
  if (solved) finish();
}

void NewtonPage::warnOfImplausibleInput() {
  if (fieldValue(txtA.text) < kDecelerationWarningLimit) dialogs_.show(kDecelerationWarning);
  if (!isEmptyText(txtu.text) && !isEmptyText(txtumph.text)) dialogs_.show(kBothInitialSpeeds);
}

// A coefficient of friction stands for the deceleration μ·g and replaces any typed
// acceleration.
void NewtonPage::applyCoefficient() {
  if (!isNumericText(txtmu.text)) return;
  const double deceleration = frictionDeceleration(strictNumber(txtmu.text), working());
  // A negative coefficient gives a positive acceleration; a second minus sign in front of
  // it would make the box read as 0.
  txtA.text = (deceleration >= 0.0 ? "-" + shortestText(deceleration)
                                   : shortestText(-deceleration)) +
              kAccelerationUnit;
  a_ = txtA.text;
  working().value("Acceleration from the coefficient (a deceleration is negative)", "a",
                  fieldValue(a_), "m/s\u00B2");
  if (fieldValue(txtmu.text) > kUnityCoefficient) dialogs_.show(kCoefficientWarning);
}

void NewtonPage::convertGivenMph() {
  if (!isEmptyText(txtumph.text)) {
    txtu.text = maskFormat(
        speedFromMph(working(), "Initial speed in m/s", "u", fieldValue(txtumph.text)), kMask);
    u_ = txtu.text;
    working().value("Initial speed as written, to three decimals", "u", fieldValue(u_), "m/s");
  }
  if (!isEmptyText(txtVmph.text)) {
    txtv.text = maskFormat(
        speedFromMph(working(), "Final speed in m/s", "v", fieldValue(txtVmph.text)), kMask);
    v_ = txtv.text;
    working().value("Final speed as written, to three decimals", "v", fieldValue(v_), "m/s");
  }
}

bool NewtonPage::countIsThree() {
  emptyCount_ = 0;
  for (const std::string* text : {&a_, &v_, &u_, &s_, &t_})
    if (isEmptyText(*text)) ++emptyCount_;
  if (emptyCount_ > kUnknowns) {
    dialogs_.show(kTooFewValues);
    return false;
  }
  if (emptyCount_ < kUnknowns) {
    dialogs_.show(kTooManyValues);
    return false;
  }
  return true;
}

// The two empty quantities pick the case. Given values are read from the captured texts; a
// result used later in the same case is read back from its box, as the rounded figure shown.
bool NewtonPage::solveCase() {
  Working& w = working();
  // A figure written to its box, read back as shown for the next formula of the case.
  const auto written = [&w](const TextBox& box, const char* quantity, const char* symbol,
                            const char* unit) {
    const double figure = fieldValue(box.text);
    if (!w.recording()) return figure;
    return w.value(std::string(quantity) + " as written, to three decimals", symbol, figure, unit);
  };
  constexpr const char* kSpeed = "m/s";
  constexpr const char* kAcceleration = "m/s\u00B2";

  if (bothEmpty(v_, s_)) {
    const double u = fieldValue(u_), a = fieldValue(a_), t = fieldValue(t_);
    txtv.text = result(speedAfterTime(u, a, t, w), kWideSpeedUnit);
    txts.text = result(distanceInTime(u, a, t, w), kDistanceUnit);
    writeCompanions(Companions::SpeedVFirst, InitialSpeed::Given);
  } else if (bothEmpty(v_, t_)) {
    const double u = fieldValue(u_), a = fieldValue(a_), s = fieldValue(s_);
    const double squared = squaredSpeedAfterDistance(u, a, s, w);
    if (refusesRootOrDivisor(squared, a)) return false;
    txtv.text = result(finalSpeedFromSquare(squared, w), kSpeedUnit);
    txtt.text =
        result(timeToChangeSpeed(u, written(txtv, "Final speed", "v", kSpeed), a, w), kTimeUnit);
    writeCompanions(Companions::SpeedVFirst, InitialSpeed::Given);
  } else if (bothEmpty(a_, t_)) {
    const double u = fieldValue(u_), v = fieldValue(v_), s = fieldValue(s_);
    txtA.text = result(accelerationOverDistance(u, v, s, w), kAccelerationUnit);
    const double a = written(txtA, "Acceleration", "a", kAcceleration);
    if (a == 0.0) w.note("No acceleration: the time is that at the steady speed.");
    txtt.text =
        result(a == 0.0 ? timeAtSteadySpeed(s, v, w) : timeToChangeSpeed(u, v, a, w), kTimeUnit);
    writeCompanions(Companions::SpeedUFirst, InitialSpeed::Given);
  } else if (bothEmpty(u_, s_)) {
    const double v = fieldValue(v_), a = fieldValue(a_), t = fieldValue(t_);
    txtu.text = result(speedBeforeTime(v, a, t, w), kSpeedUnit);
    txts.text =
        result(distanceInTime(written(txtu, "Initial speed", "u", kSpeed), a, t, w), kDistanceUnit);
    writeCompanions(Companions::SpeedUFirst, InitialSpeed::Computed);
  } else if (bothEmpty(u_, a_)) {
    const double v = fieldValue(v_), s = fieldValue(s_), t = fieldValue(t_);
    txtA.text = result(accelerationToFinalSpeed(v, s, t, w), kAccelerationUnit);
    txtu.text = result(speedBeforeTime(v, written(txtA, "Acceleration", "a", kAcceleration), t, w),
                       kSpeedUnit);
    writeCompanions(Companions::SpeedUFirst, InitialSpeed::Computed);
  } else if (bothEmpty(v_, a_)) {
    const double u = fieldValue(u_), s = fieldValue(s_), t = fieldValue(t_);
    txtA.text = result(accelerationFromInitialSpeed(u, s, t, w), kAccelerationUnit);
    txtv.text = result(speedAfterTime(u, written(txtA, "Acceleration", "a", kAcceleration), t, w),
                       kSpeedUnit);
    writeCompanions(Companions::SpeedVFirst, InitialSpeed::Given);
  } else if (bothEmpty(s_, a_)) {
    const double u = fieldValue(u_), v = fieldValue(v_), t = fieldValue(t_);
    txtA.text = result(accelerationOverTime(u, v, t, w), kAccelerationUnit);
    txts.text = result(distanceInTime(u, written(txtA, "Acceleration", "a", kAcceleration), t, w),
                       kDistanceUnit);
    writeCompanions(Companions::SpeedUFirst, InitialSpeed::Given);
  } else if (bothEmpty(u_, t_)) {
    const double v = fieldValue(v_), a = fieldValue(a_), s = fieldValue(s_);
    const double squared = squaredSpeedBeforeDistance(v, a, s, w);
    if (refusesRootOrDivisor(squared, a)) return false;
    txtu.text = result(initialSpeedFromSquare(squared, w), kSpeedUnit);
    txtt.text =
        result(timeToChangeSpeed(written(txtu, "Initial speed", "u", kSpeed), v, a, w), kTimeUnit);
    writeCompanions(Companions::SpeedUFirst, InitialSpeed::Computed);
  } else if (bothEmpty(t_, s_)) {
    const double u = fieldValue(u_), v = fieldValue(v_), a = fieldValue(a_);
    if (a == 0.0) {
      dialogs_.show(kDivisionByZero);
      return false;
    }
    txtt.text = result(timeToChangeSpeed(u, v, a, w), kTimeUnit);
    txts.text = result(distanceInTime(u, a, written(txtt, "Time", "t", "s"), w), kDistanceUnit);
    writeCompanions(Companions::SpeedUFirst, InitialSpeed::Given);
  } else {  // u and v
    const double s = fieldValue(s_), a = fieldValue(a_), t = fieldValue(t_);
    txtu.text = result(initialSpeedOverDistance(s, a, t, w), kSpeedUnit);
    txtv.text =
        result(speedAfterTime(written(txtu, "Initial speed", "u", kSpeed), a, t, w), kSpeedUnit);
    writeCompanions(Companions::SpeedVFirst, InitialSpeed::Computed);
  }
  return true;
}

// The checks of the cases that take a speed from its square and then divide by a.
bool NewtonPage::refusesRootOrDivisor(double squaredSpeed, double a) {
  if (squaredSpeed < 0.0) {
    dialogs_.show(kNegativeRoot);
    return true;
  }
  if (a == 0.0) {
    dialogs_.show(kDivisionByZero);
    return true;
  }
  return false;
}

// The mph figure of each speed, into its mph box only where that box is empty, so that a
// speed typed in mph keeps the figure typed.
void NewtonPage::writeCompanions(Companions order, InitialSpeed initialSpeed) {
  const auto writeV = [this] {
    if (isEmptyText(txtVmph.text))
      txtVmph.text = result(speedInMph(working(), "Final speed", fieldValue(txtv.text)), kMphUnit);
  };
  const auto writeU = [this, initialSpeed] {
    if (isEmptyText(txtumph.text))
      txtumph.text = result(speedInMph(working(), "Initial speed", fieldValue(txtu.text)),
                            initialSpeed == InitialSpeed::Given ? kGivenSpeedMphUnit : kMphUnit);
  };
  if (order == Companions::SpeedVFirst) {
    writeV();
    writeU();
  } else {
    writeU();
    writeV();
  }
}

void NewtonPage::finish() {
  cmdCalculate.enabled = false;
  if (fieldValue(txtt.text) < 0.0) {
    dialogs_.show(kNegativeTime);
    return;
  }
  const double a = fieldValue(txtA.text);
  if (a < 0.0 && a > kCoefficientDecelerationLimit) {
    coefficient_ = frictionCoefficient(a, working());
    txtmu.text = maskFormat(coefficient_, kMask);
  }
}

void NewtonPage::cmdClear_Click() {
  for (TextBox* box : {&txtu, &txtv, &txts, &txtA, &txtt, &txtumph, &txtVmph, &txtmu})
    box->text.clear();
  cmdCalculate.enabled = true;
}

void NewtonPage::mnuInfo_Click() { dialogs_.show(kInformation); }

void NewtonPage::mnuAuthor_Click() { dialogs_.show(kAuthor); }

void NewtonPage::mnuAbout_Click() { dialogs_.show(kAbout); }

}  // namespace kelvara

namespace kelvara {

PageDescription NewtonPage::describe() {
  PageDescription d("frmNewton", "Linear equations calculator");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.label("lblHeading", lblHeading);
  d.label("lblInstruction", lblInstruction);
  d.label("lblu", lblu);
  d.both("txtu", txtu, "initial velocity u: ms-1 mph", measured, {"{###0.000} ms-1", "{###0.000}"});
  d.label("lblOrU", lblOrU);
  d.both("txtumph", txtumph, "initial velocity u: ms-1 mph", measured,
         {"{###0.000} mph", "{###0.000}mph"});
  d.label("lblv", lblv);
  d.both("txtv", txtv, "final velocity v: ms-1 mph", measured,
         {"{###0.000}  ms-1", "{###0.000} ms-1", "{###0.000}"});
  d.label("lblOrV", lblOrV);
  d.both("txtVmph", txtVmph, "final velocity v: ms-1 mph", measured, {"{###0.000} mph"});
  d.label("lbls", lbls);
  d.both("txts", txts, "Distance s: metres", measured, {"{###0.000} metres"});
  d.label("lblA", lblA);
  d.both("txtA", txtA, "acceleration a: ms-2 coefficient", measured,
         {"{###0.000} ms-2", "{~} ms-2"});
  d.label("lblOrA", lblOrA);
  d.both("txtmu", txtmu, "acceleration a: ms-2 coefficient \u03BCg gives negative acceleration",
         measured, {"{###0.000}"});
  d.label("lblmu", lblmu);
  d.label("lblt", lblt);
  d.both("txtt", txtt, "time t: seconds", measured, {"{###0.000} seconds"});
  d.button("cmdCalculate", cmdCalculate, [this] { cmdCalculate_Click(); });
  d.button("cmdClear", cmdClear, [this] { cmdClear_Click(); });
  d.button("cmdPrint", cmdPrint, WindowCommand::Print);
  d.button("cmdMenu", cmdMenu, WindowCommand::Menu);
  d.button("cmdExit", cmdExit, WindowCommand::Exit);
  d.label("lblCredit", lblCredit);
  d.menu("mnuHelp", mnuHelp);
  d.menuItem("mnuInfo", mnuInfo, [this] { mnuInfo_Click(); });
  d.menuItem("mnuAuthor", mnuAuthor, [this] { mnuAuthor_Click(); });
  d.menuItem("mnuAbout", mnuAbout, [this] { mnuAbout_Click(); });

  d.calculation("Linear motion", {"cmdCalculate_Click"});
  return d;
}

}  // namespace kelvara
