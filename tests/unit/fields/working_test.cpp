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
    CalculationRun run{{}, {}, {}, 0, record.lines()};
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

}  // namespace
}  // namespace kelvara
