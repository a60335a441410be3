#include "collision/cycle_page.h"

#include <string>

#include "collision/cycle.h"
#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/units.h"

namespace kelvara {

namespace {

constexpr const char* kSpeedMask = "######0.00";
constexpr const char* kMotorcycleJoin = "  m/s   or   ";
constexpr const char* kNarrowJoin = " m/s   or  ";
constexpr const char* kMph = "  mph";

const Message kNoMotorcycleMass{{"Please input a motorcycle mass"}};
const Message kNoCrush{{"Please input a crush depth"}};
const Message kCrushTooSmall{
    {"Your crush depth is less than 0.23 metres and is too small for "
     "this calculation to be valid"}};
const Message kNoCarMass{{"Please input a car mass"}};
const Message kNotGreaterThanZero{
    {"Your crush and mass values have to be greater than zero. Clear all boxes."}};
const Message kNotes{
    {"Motorcycle crush is determined by the reduction in the motorcycle length during a frontal "
     "impact.",
     "Narrow impact crush assumes that no crush is produced by any speed below 5 mph.",
     "Reference: the narrow-object equation rests on a published study of staged impacts of "
     "cars into poles and other narrow objects, relating crush depth and mass to impact "
     "speed."}};

// The speed in both units as one box text; both figures are made before either is written.
std::string speedText(double metresPerSecond, const char* join, Working& working) {
  return maskFormat(metresPerSecond, kSpeedMask) + join +
         maskFormat(finite(speedInMph(working, "Equivalent barrier speed", metresPerSecond)),
                    kSpeedMask) +
         kMph;
}

}  // namespace

CyclePage::CyclePage(Dialogs& dialogs) : dialogs_(dialogs) {
  txtEbs.enabled = false;
  txtEbs2.enabled = false;
  Label1.caption = "Narrow Crush.    Click on this box to hide it";
  Label2.caption = "Click on this box to hide it.";
  Label3.caption = "Motorcycle Crush";
  showMotorcycleEquation(false);
  showNarrowEquation(false);
  Text1.text =
      "Narrow-object equation after a published study of car impacts with poles and other "
      "narrow objects.";
}

// A failed check does not stop the calculation; where the formula then has no value (no
// mass, crush below the threshold with a positive mass) the handler ends silently and the
// result box keeps its text.
void CyclePage::cmdCalculate_Click() {
  txtEbs.enabled = true;
  try {
    const double d = fieldValue(txtCrush.text);
    const double M = fieldValue(txtMass.text);
    if (isEmptyText(txtMass.text)) dialogs_.show(kNoMotorcycleMass);
    if (isEmptyText(txtCrush.text)) dialogs_.show(kNoCrush);
    if (!isEmptyText(txtCrush.text) && cycle::motorcycleCrushBeyondThreshold(d) < 0.0)
      dialogs_.show(kCrushTooSmall);
    txtEbs.text =
        speedText(cycle::motorcycleBarrierSpeed(M, d, working()), kMotorcycleJoin, working());
  } catch (const ArithmeticFailure&) {
    // No speed: the box keeps what it showed.
  }
}

void CyclePage::cmdClear_Click() {
  txtMass.text.clear();
  txtCrush.text.clear();
  txtEbs.text.clear();
  txtEbs.enabled = false;
}

// The equation shown on the page holds for every crush depth: a crush that would need less
// than about 5.1 m/s still gets its figure. A negative crush term has no speed; it is
// reported like a zero mass or crush, and once only.
void CyclePage::cmdCalc_Click() {
  if (isEmptyText(txtMassofcar.text)) dialogs_.show(kNoCarMass);
  if (isEmptyText(txtCrushdepth.text)) dialogs_.show(kNoCrush);
  const double M = fieldValue(txtMassofcar.text);
  const double d = fieldValue(txtCrushdepth.text);
  txtEbs2.enabled = true;
  const bool reportedZero = M == 0.0 || d == 0.0;
  if (reportedZero) dialogs_.show(kNotGreaterThanZero);
  try {
    if (cycle::narrowObjectCrushTerm(M, d) < 0.0) {
      if (!reportedZero) dialogs_.show(kNotGreaterThanZero);
      return;
    }
    txtEbs2.text =
        speedText(cycle::narrowObjectBarrierSpeed(M, d, working()), kNarrowJoin, working());
  } catch (const ArithmeticFailure&) {
    // Figures beyond a double: no speed, and the box keeps what it showed.
  }
}

void CyclePage::cmdClear2_Click() {
  txtMassofcar.text.clear();
  txtCrushdepth.text.clear();
  txtEbs2.text.clear();
  txtEbs2.enabled = false;
}

void CyclePage::mnuMotorcycle_Click() { showMotorcycleEquation(true); }
void CyclePage::mnuNarrow_Click() { showNarrowEquation(true); }
void CyclePage::Picture2_Click() { showMotorcycleEquation(false); }
void CyclePage::Label2_Click() { showMotorcycleEquation(false); }
void CyclePage::Label3_Click() { showMotorcycleEquation(false); }
void CyclePage::Picture1_Click() { showNarrowEquation(false); }
void CyclePage::Label1_Click() { showNarrowEquation(false); }

void CyclePage::showMotorcycleEquation(bool shown) {
  Picture2.visible = shown;
  Label2.visible = shown;
  Label3.visible = shown;
}

void CyclePage::showNarrowEquation(bool shown) {
  Picture1.visible = shown;
  Label1.visible = shown;
}

void CyclePage::mnuNotes_Click() { dialogs_.show(kNotes); }

}  // namespace kelvara

namespace kelvara {

PageDescription CyclePage::describe() {
  PageDescription d("frmCycle", "Motorcycle crush");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.label("lblMotorcycle", lblMotorcycle);
  d.label("lblInput", lblInput);
  d.input("txtMass", txtMass, "Mass of motorcycle in kg", measured);
  d.input("txtCrush", txtCrush, "Frontal crush depth in metres", measured);
  d.label("Label4", Label4);
  d.label("lblOutput", lblOutput);
  d.result("txtEbs", txtEbs, "Equivalent barrier speed",
           {"{######0.00}  m/s   or   {######0.00}  mph"});
  d.button("cmdCalculate", cmdCalculate, [this] { cmdCalculate_Click(); });
  d.button("cmdClear", cmdClear, [this] { cmdClear_Click(); });
  d.button("cmdMenu", cmdMenu, WindowCommand::Menu);
  d.button("cmdExit", cmdExit, WindowCommand::Exit);
  d.label("lblPole", lblPole);
  d.label("lblInp", lblInp);
  d.input("txtMassofcar", txtMassofcar, "Mass of car in kg", measured);
  d.input("txtCrushdepth", txtCrushdepth, "Crush depth in metres", measured);
  d.label("lblOutp", lblOutp);
  d.result("txtEbs2", txtEbs2, "Equivalent barrier speed",
           {"{######0.00} m/s   or  {######0.00}  mph"});
  d.button("cmdCalc", cmdCalc, [this] { cmdCalc_Click(); });
  d.button("cmdClear2", cmdClear2, [this] { cmdClear2_Click(); });
  d.button("cmdMenu2", cmdMenu2, WindowCommand::Menu);
  d.button("cmdExit2", cmdExit2, WindowCommand::Exit);
  d.label("Label3", Label3, [this] { Label3_Click(); });
  d.picture("Picture2", Picture2, [this] { Picture2_Click(); });
  d.label("Label2", Label2, [this] { Label2_Click(); });
  d.label("Label1", Label1, [this] { Label1_Click(); });
  d.picture("Picture1", Picture1, [this] { Picture1_Click(); });
  d.fixed("Text1", Text1);
  d.menuItem("mnuMotorcycle", mnuMotorcycle, [this] { mnuMotorcycle_Click(); });
  d.menuItem("mnuNarrow", mnuNarrow, [this] { mnuNarrow_Click(); });
  d.menuItem("mnuNotes", mnuNotes, [this] { mnuNotes_Click(); });

  d.calculation("Motorcycle crush", {"cmdCalculate_Click"}, {&txtMass, &txtCrush}, {&txtEbs});
  d.calculation("Narrow-object crush", {"cmdCalc_Click"}, {&txtMassofcar, &txtCrushdepth},
                {&txtEbs2});
  return d;
}

}  // namespace kelvara
