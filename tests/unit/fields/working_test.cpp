#include "fields/working.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "analysis/calculation_sheet.h"
#include "shell/page_logics.h"
#include "shell/worked_examples.h"
#include "support/expression.h"

namespace kelvara {
namespace {

TEST(Working, SubstitutesWholeSymbolsWithNegativesBracketed) {
  EXPECT_EQ(substitute("\u03B8\u00B0 \u00D7 \u03C0 / 180 + \u03B8",
                       {{"\u03B8", -0.5}, {"\u03B8\u00B0", 30}, {"\u03C0", 3.14159}}),
            "30 \u00D7 3.14159 / 180 + (-0.5)");
  EXPECT_EQ(substitute("af + a + VR/a2", {{"a", 1}, {"af", 2}, {"VR", 1e18}, {"a2", 0.125}}),
            "2 + 1 + 1e+18/0.125");
  EXPECT_EQ(substitute("acos(c) + x", {{"c", -0.5}, {"x", -1}}), "acos(-0.5) + (-1)");
  EXPECT_EQ(workingFigure(1.0 / 3.0), "0.3333333333");
}

// Every worked example, run with a recorder: each recorded equation, worked out from its
// substituted figures, gives the figure recorded for it; every calculator page records; the
// calculation sheet shows each result box's text.
TEST(Working, EveryEquationOfTheWorkedExamplesReproducesItsValue) {
  class Quiet : public Dialogs {
    int show(const Message&) override { return Answer::Ok; }
  } quiet;
  std::set<std::string> pagesRecording;
  for (const WorkedExample& example : workedExamples()) {
    WorkingRecord record;
    const ExampleOutcome outcome = runWorkedExample(example, record);
    ASSERT_TRUE(outcome.passed) << example.page << ": " << example.title;
    // The sheet of the run names each result box with the text the page shows.
    CalculationRun run;
    run.working = record;
    for (const ControlText& shown : outcome.obtained) run.after[shown.control] = shown.text;
    const auto logic = openPageLogic(example.page, quiet);
    for (const Calculation& calculation : logic->description().calculations) {
      run.calculation = calculation.name;
      const std::string sheet = analysis::sheetText(
          analysis::calculationSheet(logic->description(), &run, "", {}, {}, {}));
      for (std::string_view box : calculation.results) {
        const auto text = run.after.find(std::string(box));
        if (text == run.after.end() || logic->description().find(box)->role != Role::Result)
          continue;
        const std::string line = analysis::wordsOf(logic->description(), box) + ": " + text->second;
        EXPECT_NE(sheet.find(line), std::string::npos) << line << "\n" << sheet;
      }
    }
    for (const WorkingLine& line : record.lines()) {
      if (line.kind != WorkingLine::Kind::Equation) continue;
      pagesRecording.insert(example.page);
      const auto value = test::Expression::evaluate(line.substituted);
      ASSERT_TRUE(value.has_value())
          << example.page << ": " << line.symbol << " = " << line.substituted;
      EXPECT_NEAR(*value, line.value, 1e-6 * std::fabs(line.value) + 1e-12)
          << example.page << ", " << example.title << ": " << line.quantity << ", " << line.symbol
          << " = " << line.equation << " = " << line.substituted;
    }
  }
  for (std::string_view page : pageLogicNames()) {
    if (page == "frmReaction") continue;  // tables, no calculation
    EXPECT_EQ(pagesRecording.count(std::string(page)), 1U) << page << " records no working";
  }
}

// Branches the worked examples do not reach, each recorded equation checked the same way.
TEST(Working, BranchesBeyondTheWorkedExamplesReproduceTheirValues) {
  const auto calculate = press("cmdCalculate_Click");
  const auto newton = [&](std::vector<ExampleStep> steps) {
    steps.push_back(calculate);
    return WorkedExample{"frmNewton", {}, {}, std::move(steps), {}, {}, {}};
  };
  const std::vector<WorkedExample> cases = {
      newton({give("txtu", "10"), give("txtv", "20"), give("txts", "50")}),
      newton({give("txtv", "20"), give("txts", "50"), give("txtt", "3")}),
      newton({give("txtu", "10"), give("txts", "50"), give("txtt", "3")}),
      newton({give("txtv", "20"), give("txtA", "2"), give("txtt", "3")}),
      newton({give("txtumph", "30"), give("txtmu", "0.7"), give("txts", "10")}),
      newton({give("txtu", "10"), give("txtv", "2"), give("txtt", "3")}),
      {"frmQuadratic",
       {},
       {},
       {give("txtA", "0"), give("txtb", "2"), give("txtC", "-4"), press("cmdCalcRoots_Click")},
       {},
       {},
       {}},
      {"frmMomentum",
       {},
       {},
       {give("optMperS", "True"), press("optMperS_Click"), give("txtMassA", "1000"),
        give("txtMassB", "1500"), give("txtDirectionpreB", "90"), give("txtDirectionpostA", "45"),
        give("txtDirectionpostB", "60"), give("txtpostimpactspeedA", "10"),
        give("txtPostimpactspeedB", "8"), press("cmdCalculate4_Click")},
       {},
       {},
       {}},
      {"frmSun",
       {},
       {},
       {give("txtYear", "2004"), give("txtMonth", "6"), give("txtDay", "21"), give("txtHour", "16"),
        give("txtMinutes", "30"), give("txtLatDeg", "51"), give("txtLatMin", "30"),
        give("optLatNorth", "True"), give("txtLongDeg", "3"), give("txtLongMin", "0"),
        give("optLongWest", "True"), press("cmdCalc_Click")},
       {},
       {},
       {}},
      {"frmUKGrid",
       {},
       {},
       {give("txtLaDeg", "50"), give("txtLaMin", "30"), give("txtLaSec", "0"),
        give("txtLoDeg", "4"), give("txtLoMin", "10"), give("txtLoSec", "0"),
        give("optWest", "True"), calculate},
       {},
       {},
       {}},
  };
  for (const WorkedExample& example : cases) {
    WorkingRecord record;
    const ExampleOutcome outcome = runWorkedExample(example, record);
    ASSERT_TRUE(outcome.problem.empty()) << example.page << ": " << outcome.problem;
    int equations = 0;
    for (const WorkingLine& line : record.lines()) {
      if (line.kind != WorkingLine::Kind::Equation) continue;
      ++equations;
      const auto value = test::Expression::evaluate(line.substituted);
      ASSERT_TRUE(value.has_value()) << line.substituted;
      EXPECT_NEAR(*value, line.value, 1e-6 * std::fabs(line.value) + 1e-9)
          << example.page << ": " << line.symbol << " = " << line.substituted;
    }
    EXPECT_GT(equations, 0) << example.page << " " << stepsText(example);
  }
}

}  // namespace
}  // namespace kelvara
