#include "shell/worked_examples.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>

namespace kelvara {
namespace {

std::string describe(const WorkedExample& example, const ExampleOutcome& outcome) {
  std::string text = example.page + ": " + example.title;
  if (!outcome.problem.empty()) text += "\n  " + outcome.problem;
  for (std::size_t i = 0; i < example.expected.size(); ++i)
    text += "\n  " + example.expected[i].control + " expected '" + example.expected[i].text +
            "' obtained '" + outcome.obtained[i].text + "'";
  for (const std::string& message : outcome.messages) text += "\n  message: " + message;
  return text;
}

class EveryWorkedExample : public ::testing::TestWithParam<std::size_t> {};

TEST_P(EveryWorkedExample, IsReproducedByItsPage) {
  const WorkedExample& example = workedExamples()[GetParam()];
  const ExampleOutcome outcome = runWorkedExample(example);
  EXPECT_TRUE(outcome.passed) << describe(example, outcome);
  EXPECT_EQ(outcome.messages, example.messages);
  ASSERT_EQ(outcome.obtained.size(), example.expected.size());
  for (std::size_t i = 0; i < example.expected.size(); ++i)
    EXPECT_EQ(outcome.obtained[i], example.expected[i]);
}

INSTANTIATE_TEST_SUITE_P(Table, EveryWorkedExample,
                         ::testing::Range<std::size_t>(0, workedExamples().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                           return workedExamples()[info.param].page + "_" +
                                  std::to_string(info.param + 1);
                         });

// Every calculator page takes part, and each names where its figures come from.
TEST(WorkedExamples, CoverEveryCalculatorPage) {
  std::set<std::string> pages;
  for (const WorkedExample& example : workedExamples()) {
    pages.insert(example.page);
    EXPECT_FALSE(example.source.empty()) << example.title;
    EXPECT_FALSE(example.expected.empty()) << example.title;
    EXPECT_NE(examplePageCaption(example.page), example.page) << example.page;
  }
  EXPECT_EQ(pages,
            (std::set<std::string>{"frmNewton", "frmQuadratic", "frmCurve", "frmPartialbraking",
                                   "frmMaxspeed", "frmOverturn", "frmSideSlip", "frmFlight",
                                   "frmThrow", "frmTrailer", "frmMomentum", "frmCrush", "frmCycle",
                                   "frmUKGrid", "frmLongitudeLatitude", "frmSun", "frmAlcohol"}));
}

TEST(WorkedExamples, AllRunWellUnderASecond) {
  const auto start = std::chrono::steady_clock::now();
  const CheckReport report = checkWorkedExamples(workedExamples());
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed, std::chrono::milliseconds(250));
  EXPECT_TRUE(report.failed.empty());
  EXPECT_EQ(report.summary,
            "All " + std::to_string(workedExamples().size()) + " worked examples reproduced");
}

// A wrong figure, a missing or extra message, an unknown control or handler: each is a fail,
// named in the summary, while the other examples still pass.
TEST(WorkedExamples, AnExampleThatIsNotReproducedIsReportedAsAFail) {
  std::vector<WorkedExample> examples(workedExamples().begin(), workedExamples().begin() + 3);
  const WorkedExample& newton = examples[0];
  ASSERT_EQ(newton.page, "frmNewton");

  WorkedExample wrongFigure = newton;
  wrongFigure.title = "a wrong figure";
  wrongFigure.expected[0].text = "6.001  ms-1";
  WorkedExample missingMessage = newton;
  missingMessage.title = "a message that is not shown";
  missingMessage.messages.push_back("Warning!");
  WorkedExample unknownHandler = newton;
  unknownHandler.title = "an unknown handler";
  unknownHandler.steps.push_back(press("cmdNothing_Click"));
  WorkedExample unknownControl = newton;
  unknownControl.title = "an unknown box";
  unknownControl.expected.push_back({"txtNothing", ""});
  examples.insert(examples.begin() + 1, wrongFigure);
  examples.push_back(missingMessage);
  examples.push_back(unknownHandler);
  examples.push_back(unknownControl);

  const CheckReport report = checkWorkedExamples(examples);
  EXPECT_EQ(report.failed, (std::vector<std::size_t>{1, 4, 5, 6}));
  EXPECT_EQ(report.summary,
            "4 of 7 worked examples not reproduced: no. 2 (Linear equations calculator, a wrong "
            "figure), no. 5 (Linear equations calculator, a message that is not shown), no. 6 "
            "(Linear equations calculator, an unknown handler), no. 7 (Linear equations "
            "calculator, an unknown box)");
  EXPECT_EQ(report.outcomes[1].obtained[0].text, "6.000  ms-1");
  EXPECT_EQ(report.outcomes[5].problem, "no handler cmdNothing_Click");
  EXPECT_EQ(report.outcomes[6].problem, "no control txtNothing");
  EXPECT_TRUE(report.outcomes[0].passed);
}

}  // namespace
}  // namespace kelvara
