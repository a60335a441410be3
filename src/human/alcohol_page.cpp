#include "human/alcohol_page.h"

#include <iterator>
#include <string>

#include "fields/checked.h"
#include "fields/field_text.h"

namespace kelvara {

using namespace alcohol;

namespace {

constexpr const char* kGramsMask = "#####0.0";
constexpr const char* kBloodMask = "#####00.0";  // at least two digits before the point
constexpr const char* kEquivalentMask = "#####0.0";
constexpr const char* kPintsMask = "####0.0";
constexpr const char* kGrams = "  grams";
constexpr const char* kMilligrams = "  mg/100ml";
constexpr const char* kMicrograms = "  microgm/100ml";
constexpr const char* kPints = "  pints";

const Message kNegativeLevel{{"Invalid inputs. Try again."}};
const Message kInvalidInput{{"Your input data is invalid. Clear and start again."}};

const Message kNotes{
    {"These calculations assume that all consumed alcohol has been absorbed by the chosen "
     "event time.",
     "The last drink should have been consumed about 0.75 hours prior to the event time.",
     "The Widmark factor is 0.70 for males and 0.65 for females.",
     "The elimination rate from blood is assumed to be 15 mg/100ml/hour.",
     "If the time of the test is into the next day, add 24 hours to the time. For example, if "
     "the event time was 2300 hrs and the test time was 0113 hrs the next day, the test time "
     "should be entered as 2513 and not 0113"}};
const Message kLimits{{"The legal limit for blood is 80 mg/100ml of blood.",
                       "For breath it is 35 micrograms/100 ml of breath.",
                       " For urine it is 107 mg/100 ml of urine."}};
// The table's spacing lines its columns up.
const Message kEffects{
    {"Effects of alcohol, as tabled in a standard textbook of forensic medicine. Units are for "
     "Blood:",
     "30 - 50      Impairment of driving skills",
     "50 - 100    Reduced Inhibitions, talkativeness, laughter, sensory disturbance.",
     "100 - 150  Inco-ordination, unsteadiness, slurred speech.",
     "150 - 200  Obvious drunkeness, nausea.",
     "200 - 300  Vomiting, stupor.",
     "300 - 350  Danger of aspirating vomit, stupor, coma.",
     ">350         Progressive danger of death from respiratory paralysis."}};

constexpr const char* kBloodReading = "mg of Alcohol in 100 ml of blood";
constexpr const char* kBreathReading = "microgm of Alcohol in 100 ml of breath";
constexpr const char* kUrineReading = "mg of Alcohol in 100 ml of Urine";

}  // namespace

AlcoholPage::AlcoholPage(Dialogs& dialogs) : dialogs_(dialogs) {
  optMale.value = true;
  optBlood.value = true;
  lblReading.caption = kBloodReading;
  txtStrength.text = "3";
  txtStrength_Change();
  enableResults(false);
}

void AlcoholPage::enableResults(bool enabled) {
  for (TextBox* box : {&txtPints, &txtTotalalcohol, &txtUrineevent, &txtBreathevent,
                       &txtBloodevent})
    box->enabled = enabled;
}

Sex AlcoholPage::sex() const { return optFemale.value ? Sex::Female : Sex::Male; }

TestKind AlcoholPage::testKind() const {
  if (optBreath.value) return TestKind::Breath;
  if (optUrine.value) return TestKind::Urine;
  return TestKind::Blood;
}

// Each result is computed just before it is written, so a failure leaves the results
// before it on the page; the ones it did not reach are emptied, so that no box goes on
// showing a figure of earlier inputs. A weight, reading or strength too large for a double
// counts as a failure of the arithmetic, like a strength of 0.
void AlcoholPage::cmdCalculate_Click() {
  enableResults(true);
  TextBox* const inOrder[] = {&txtTotalalcohol, &txtBloodevent, &txtBreathevent, &txtUrineevent,
                              &txtPints};
  std::size_t written = 0;
  const auto write = [&](const std::string& text) { inOrder[written++]->text = text; };
  double level = 0.0;
  try {
    const double testMinutes =
        clockMinutes(txtTimeoftest.text, "Time of test in minutes after midnight", "Tt", working());
    const double eventMinutes = clockMinutes(
        txtTimeofevent.text, "Time of event in minutes after midnight", "Te", working());
    const double hours = elapsedHours(testMinutes, eventMinutes, working());
    const double factor = bodyFactor(checkedFieldValue(txtWeight.text), sex(), working());
    const double bloodAtTest =
        bloodEquivalent(checkedFieldValue(txtReading.text), testKind(), working());
    level = levelAtEvent(bloodAtTest, hours, working());
    const double grams = totalAlcoholGrams(level, factor, working());
    write(maskFormat(grams, kGramsMask) + kGrams);
    write(maskFormat(level, kBloodMask) + kMilligrams);
    write(maskFormat(breathEquivalent(level, working()), kEquivalentMask) + kMicrograms);
    write(maskFormat(urineEquivalent(level, working()), kEquivalentMask) + kMilligrams);
    write(maskFormat(equivalentPints(grams, checkedFieldValue(txtStrength.text), working()),
                     kPintsMask) +
          kPints);
  } catch (const ArithmeticFailure&) {
    for (std::size_t i = written; i < std::size(inOrder); ++i) inOrder[i]->text.clear();
    dialogs_.show(kInvalidInput);
    return;
  }
  if (level < 0.0) dialogs_.show(kNegativeLevel);
}

void AlcoholPage::cmdClear_Click() {
  for (TextBox* box : {&txtReading, &txtWeight, &txtTimeoftest, &txtTimeofevent, &txtBloodevent,
                       &txtBreathevent, &txtUrineevent, &txtTotalalcohol, &txtPints})
    box->text.clear();
  enableResults(false);
}

void AlcoholPage::optBlood_Click() { lblReading.caption = kBloodReading; }
void AlcoholPage::optBreath_Click() { lblReading.caption = kBreathReading; }
void AlcoholPage::optUrine_Click() { lblReading.caption = kUrineReading; }

void AlcoholPage::txtStrength_Change() { lblPercent.caption = "(" + txtStrength.text + "% v/v)"; }

void AlcoholPage::mnuNotes_Click() { dialogs_.show(kNotes); }
void AlcoholPage::mnuLimits_Click() { dialogs_.show(kLimits); }
void AlcoholPage::mnuEffects_Click() { dialogs_.show(kEffects); }

}  // namespace kelvara

namespace kelvara {

PageDescription AlcoholPage::describe() {
  PageDescription d("frmAlcohol", "Alcohol back-tracking");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.input("txtWeight", txtWeight, "Weight of subject in kg", measured);
  d.option("optMale", optMale, "Male", 0);
  d.option("optFemale", optFemale, "Female", 0);
  d.option("optBlood", optBlood, "Blood", 1, [this] { optBlood_Click(); });
  d.option("optBreath", optBreath, "Breath", 1, [this] { optBreath_Click(); });
  d.option("optUrine", optUrine, "Urine", 1, [this] { optUrine_Click(); });
  d.input("txtReading", txtReading, "Test reading mg of Alcohol in 100 ml of blood", measured);
  d.label("lblReading", lblReading);
  // Clock times, typed as hhmm.
  d.input("txtTimeoftest", txtTimeoftest, "Time of test (eg: 2105 or 0416)", Nature::Text);
  d.input("txtTimeofevent", txtTimeofevent,
          "Time of event The event can be the time of the accident or any other selected time",
          Nature::Text);
  d.input("txtStrength", txtStrength, "Alcohol strength v/v percent (Default 3%) (3% v/v)",
          measured);
  d.label("lblPercent", lblPercent);
  d.result("txtBloodevent", txtBloodevent,
           "Blood alcohol level at the time of the event:", {"{#####00.0}  mg/100ml"});
  d.result("txtBreathevent", txtBreathevent,
           "Breath alcohol level at the event time:", {"{#####0.0}  microgm/100ml"});
  d.result("txtUrineevent", txtUrineevent,
           "Urine alcohol level at the event time:", {"{#####0.0}  mg/100ml"});
  d.result("txtTotalalcohol", txtTotalalcohol, "Total alcohol in body at event time in grams",
           {"{#####0.0}  grams"});
  d.result("txtPints", txtPints, "Equivalent pints at event time", {"{####0.0}  pints"});
  d.button("cmdCalculate", cmdCalculate, [this] { cmdCalculate_Click(); });
  d.button("cmdClear", cmdClear, [this] { cmdClear_Click(); });
  d.button("Command1", Command1, WindowCommand::Print);
  d.button("cmdMenu", cmdMenu, WindowCommand::Menu);
  d.button("cmdExit", cmdExit, WindowCommand::Exit);
  d.menuItem("mnuNotes", mnuNotes, [this] { mnuNotes_Click(); });
  d.menuItem("mnuLimits", mnuLimits, [this] { mnuLimits_Click(); });
  d.menuItem("mnuEffects", mnuEffects, [this] { mnuEffects_Click(); });

  d.on(&txtStrength, Event::Change, "txtStrength_Change", [this] { txtStrength_Change(); });

  d.calculation("Alcohol at the event time", {"cmdCalculate_Click"});
  return d;
}

}  // namespace kelvara
