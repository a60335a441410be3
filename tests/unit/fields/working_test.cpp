#include "fields/working.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

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
// substituted figures, gives the figure recorded for it; every calculator page records.
TEST(Working, EveryEquationOfTheWorkedExamplesReproducesItsValue) {
  std::set<std::string> pagesRecording;
  for (const WorkedExample& example : workedExamples()) {
    WorkingRecord record;
    const ExampleOutcome outcome = runWorkedExample(example, record);
    ASSERT_TRUE(outcome.passed) << example.page << ": " << example.title;
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
