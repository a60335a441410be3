#include "human/alcohol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fields/checked.h"
#include "human/alcohol_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kNegativeLevel{"Invalid inputs. Try again."};
const std::vector<std::string> kInvalidInput{
    "Your input data is invalid. Clear and start again."};

// ---- calculation ------------------------------------------------------------------------

TEST(AlcoholClock, ReadsTheFirstTwoAndLastTwoCharacters) {
  const std::pair<const char*, double> rows[] = {
      {"2105", 1265}, {"0416", 256}, {"2513", 1513}, {"945", 94 * 60 + 45}, {"5", 305},
      {"", 0},        {"21:05", 1265}, {"ab05", 5}, {"12\u00BD", 720 + 2},  // ½ is two bytes
      {"5\u00BD", 305}};
  for (const auto& [text, minutes] : rows)
    EXPECT_EQ(alcohol::clockMinutes(text), minutes) << '"' << text << '"';
}

TEST(AlcoholCalculation, BreathReadingBackOneHour) {
  const double blood = alcohol::bloodEquivalent(50, alcohol::TestKind::Breath);
  EXPECT_NEAR(blood, 114.2857, 5e-5);
  EXPECT_NEAR(alcohol::levelAtEvent(blood, 1.0), 129.2857, 5e-5);
  EXPECT_EQ(alcohol::bloodEquivalent(107, alcohol::TestKind::Urine), 80.0);
  EXPECT_EQ(alcohol::bodyFactor(80, alcohol::Sex::Male), 560.0);
  EXPECT_EQ(alcohol::bodyFactor(80, alcohol::Sex::Female), 520.0);
  EXPECT_THROW(alcohol::equivalentPints(10, 0), ArithmeticFailure);
  EXPECT_THROW(alcohol::equivalentPints(10, -0.0), ArithmeticFailure);
  EXPECT_THROW(alcohol::bodyFactor(1e308, alcohol::Sex::Male), ArithmeticFailure);
}

// ---- page logic ------------------------------------------------------------------------

struct Inputs {
  const char* weight;
  const char* reading;
  const char* test;
  const char* event;
  const char* strength;
  bool female = false;
  alcohol::TestKind kind = alcohol::TestKind::Blood;
};

void fill(AlcoholPage& page, const Inputs& in) {
  page.txtWeight.text = in.weight;
  page.txtReading.text = in.reading;
  page.txtTimeoftest.text = in.test;
  page.txtTimeofevent.text = in.event;
  page.txtStrength.text = in.strength;
  page.optMale.value = !in.female;
  page.optFemale.value = in.female;
  page.optBlood.value = in.kind == alcohol::TestKind::Blood;
  page.optBreath.value = in.kind == alcohol::TestKind::Breath;
  page.optUrine.value = in.kind == alcohol::TestKind::Urine;
}

// blood, breath, urine, grams, pints as the page shows them
std::vector<std::string> results(const AlcoholPage& page) {
  return {page.txtBloodevent.text, page.txtBreathevent.text, page.txtUrineevent.text,
          page.txtTotalalcohol.text, page.txtPints.text};
}

bool resultsEnabled(const AlcoholPage& page, bool wanted) {
  for (const TextBox* box : {&page.txtBloodevent, &page.txtBreathevent, &page.txtUrineevent,
                             &page.txtTotalalcohol, &page.txtPints})
    if (box->enabled != wanted) return false;
  return true;
}

struct Row {
  const char* name;
  Inputs in;
  std::vector<std::string> shown;
  Lines messages;
};

TEST(AlcoholPage, CalculatesTheLevelsAtTheEvent) {
  using alcohol::TestKind;
  const Row rows[] = {
      {"male 80 kg, breath 50 an hour after the event, strength 4",
       {"80", "50", "2300", "2200", "4", false, TestKind::Breath},
       {"129.3  mg/100ml", "56.6  microgm/100ml", "172.9  mg/100ml", "72.4  grams",
        "3.7  pints"},
       {}},
      {"a level below 10 keeps two digits", {"80", "5", "1200", "1200", "3"},
       {"05.0  mg/100ml", "2.2  microgm/100ml", "6.7  mg/100ml", "2.8  grams", "0.2  pints"},
       {}},
      {"female 60 kg, urine 107, a test after midnight taken as the same day",
       {"60", "107", "0130", "2330", "5", true, TestKind::Urine},
       {"-250.0  mg/100ml", "-109.4  microgm/100ml", "-334.4  mg/100ml", "-97.5  grams",
        "-4.0  pints"},
       {kNegativeLevel}},
      {"the next day entered with 24 added", {"60", "107", "2530", "2330", "5", true,
                                               TestKind::Urine},
       {"110.0  mg/100ml", "48.1  microgm/100ml", "147.1  mg/100ml", "42.9  grams",
        "1.8  pints"},
       {}},
      {"an event after the test gives a negative level", {"80", "20", "1000", "1200", "3"},
       {"-10.0  mg/100ml", "-4.4  microgm/100ml", "-13.4  mg/100ml", "-5.6  grams",
        "-0.4  pints"},
       {kNegativeLevel}},
      {"empty boxes read as 0, an empty strength too", {"", "", "", "", ""},
       {"00.0  mg/100ml", "0.0  microgm/100ml", "0.0  mg/100ml", "0.0  grams", ""},
       {kInvalidInput}},
      {"empty weight gives no grams and no pints", {"", "80", "0100", "0000", "3"},
       {"95.0  mg/100ml", "41.6  microgm/100ml", "127.1  mg/100ml", "0.0  grams", "0.0  pints"},
       {}},
      {"strength 0", {"80", "50", "2300", "2200", "0", false, TestKind::Breath},
       {"129.3  mg/100ml", "56.6  microgm/100ml", "172.9  mg/100ml", "72.4  grams", ""},
       {kInvalidInput}},
      {"a weight too large for a double", {"1e400", "50", "2300", "2200", "4"},
       {"", "", "", "", ""},
       {kInvalidInput}},
      {"a weight that overflows the body factor", {"1e308", "50", "2300", "2200", "4"},
       {"", "", "", "", ""},
       {kInvalidInput}},
      {"a reading too large for a double", {"0", "1e999", "2300", "2200", "4"},
       {"", "", "", "", ""},
       {kInvalidInput}},
      {"a strength too large for a double", {"80", "80", "2200", "2200", "1e400"},
       {"80.0  mg/100ml", "35.0  microgm/100ml", "107.0  mg/100ml", "44.8  grams", ""},
       {kInvalidInput}},
  };
  for (const auto& row : rows) {
    testing::RecordingDialogs dialogs;
    AlcoholPage page(dialogs);
    fill(page, row.in);
    page.cmdCalculate_Click();
    EXPECT_EQ(results(page), row.shown) << row.name;
    EXPECT_EQ(dialogs.lines(), row.messages) << row.name;
    EXPECT_TRUE(resultsEnabled(page, true)) << row.name;
    for (const auto& message : dialogs.shown) {
      EXPECT_EQ(message.code, 0) << row.name;
      EXPECT_EQ(message.title, "Kelvara") << row.name;
    }
  }
}

TEST(AlcoholPage, AFailureAfterASuccessLeavesNoFigureOfTheEarlierInputs) {
  testing::RecordingDialogs dialogs;
  AlcoholPage page(dialogs);
  fill(page, {"80", "50", "2300", "2200", "4", false, alcohol::TestKind::Breath});
  page.cmdCalculate_Click();
  ASSERT_EQ(page.txtPints.text, "3.7  pints");

  page.txtStrength.text = "0";
  page.txtWeight.text = "90";
  page.cmdCalculate_Click();
  EXPECT_EQ(results(page), (std::vector<std::string>{"129.3  mg/100ml", "56.6  microgm/100ml",
                                                     "172.9  mg/100ml", "81.5  grams", ""}));
  EXPECT_EQ(dialogs.lines(), Lines{kInvalidInput});
}

TEST(AlcoholPage, OpensOnMaleBloodAndThreePerCent) {
  testing::RecordingDialogs dialogs;
  AlcoholPage page(dialogs);
  EXPECT_TRUE(page.optMale.value);
  EXPECT_FALSE(page.optFemale.value);
  EXPECT_TRUE(page.optBlood.value);
  EXPECT_EQ(page.lblReading.caption, "mg of Alcohol in 100 ml of blood");
  EXPECT_EQ(page.txtStrength.text, "3");
  EXPECT_EQ(page.lblPercent.caption, "(3% v/v)");
  EXPECT_TRUE(resultsEnabled(page, false));
}

TEST(AlcoholPage, TheTestKindNamesTheReadingsUnitAndTheStrengthItsLabel) {
  testing::RecordingDialogs dialogs;
  AlcoholPage page(dialogs);
  page.optBreath_Click();
  EXPECT_EQ(page.lblReading.caption, "microgm of Alcohol in 100 ml of breath");
  page.optUrine_Click();
  EXPECT_EQ(page.lblReading.caption, "mg of Alcohol in 100 ml of Urine");
  page.optBlood_Click();
  EXPECT_EQ(page.lblReading.caption, "mg of Alcohol in 100 ml of blood");
  page.txtStrength.text = "5.5";
  page.txtStrength_Change();
  EXPECT_EQ(page.lblPercent.caption, "(5.5% v/v)");
  page.txtStrength.text = "";
  page.txtStrength_Change();
  EXPECT_EQ(page.lblPercent.caption, "(% v/v)");
}

TEST(AlcoholPage, ClearEmptiesTheBoxesAndKeepsTheChoices) {
  testing::RecordingDialogs dialogs;
  AlcoholPage page(dialogs);
  fill(page, {"60", "107", "2530", "2330", "5", true, alcohol::TestKind::Urine});
  page.optUrine_Click();
  page.txtStrength_Change();
  page.cmdCalculate_Click();
  page.cmdClear_Click();
  for (const TextBox* box : {&page.txtReading, &page.txtWeight, &page.txtTimeoftest,
                             &page.txtTimeofevent})
    EXPECT_EQ(box->text, "");
  EXPECT_EQ(results(page), std::vector<std::string>(5, ""));
  EXPECT_TRUE(resultsEnabled(page, false));
  EXPECT_EQ(page.txtStrength.text, "5");
  EXPECT_EQ(page.lblPercent.caption, "(5% v/v)");
  EXPECT_TRUE(page.optFemale.value);
  EXPECT_TRUE(page.optUrine.value);
  EXPECT_EQ(page.lblReading.caption, "mg of Alcohol in 100 ml of Urine");
}

TEST(AlcoholPage, InformationMessages) {
  testing::RecordingDialogs dialogs;
  AlcoholPage page(dialogs);
  page.mnuNotes_Click();
  page.mnuLimits_Click();
  page.mnuEffects_Click();
  ASSERT_EQ(dialogs.shown.size(), 3u);
  for (const auto& message : dialogs.shown) {
    EXPECT_EQ(message.code, 0);
    EXPECT_EQ(message.title, "Kelvara");
  }
  const auto& notes = dialogs.shown[0].lines;
  ASSERT_EQ(notes.size(), 5u);
  EXPECT_EQ(notes[2], "The Widmark factor is 0.70 for males and 0.65 for females.");
  EXPECT_EQ(notes[4],
            "If the time of the test is into the next day, add 24 hours to the time. For "
            "example, if the event time was 2300 hrs and the test time was 0113 hrs the next "
            "day, the test time should be entered as 2513 and not 0113");
  EXPECT_EQ(dialogs.shown[1].lines,
            (std::vector<std::string>{"The legal limit for blood is 80 mg/100ml of blood.",
                                      "For breath it is 35 micrograms/100 ml of breath.",
                                      " For urine it is 107 mg/100 ml of urine."}));
  const auto& effects = dialogs.shown[2].lines;
  ASSERT_EQ(effects.size(), 8u);
  const std::string ending = "Units are for Blood:";
  EXPECT_EQ(effects[0].substr(effects[0].size() - ending.size()), ending);
  EXPECT_EQ(effects[1], "30 - 50      Impairment of driving skills");
  EXPECT_EQ(effects[7], ">350         Progressive danger of death from respiratory paralysis.");
}

}  // namespace
}  // namespace kelvara
