// Page calculations as models of the range engine, through the pages' descriptions.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/page_model.h"
#include "shell/page_logics.h"
#include "shell/worked_examples.h"

namespace kelvara::analysis {
namespace {

class Quiet : public Dialogs {
 public:
  int show(const Message&) override { return Answer::Ok; }
};

PageOpener opener(const std::string& page) {
  return [page](Dialogs& dialogs) { return openPageLogic(page, dialogs); };
}

// The controls as an example leaves them typed, before any handler runs.
std::map<std::string, std::string> typedTexts(const WorkedExample& example) {
  Quiet quiet;
  const auto logic = openPageLogic(example.page, quiet);
  for (const ExampleStep& step : example.steps)
    if (step.kind == ExampleStep::Kind::Set)
      giveText(logic->description(), *logic->description().find(step.control), step.value);
  return textsOf(logic->description());
}

PageCalculation calculationOf(const std::string& page, const std::string& name,
                              std::map<std::string, std::string> texts) {
  Quiet quiet;
  const auto logic = openPageLogic(page, quiet);
  const Calculation* calculation = nullptr;
  for (const Calculation& c : logic->description().calculations)
    if (c.name == name) calculation = &c;
  EXPECT_NE(calculation, nullptr) << name;
  return {opener(page), name, texts, variableInputs(logic->description(), *calculation, texts)};
}

// The flight page with L 15 and h 0: the launch speed is least near a slope of 45°.
TEST(PageModels, FlightBoundsFindTheLeastSpeedInsideTheSlopeRange) {
  const PageCalculation flight = calculationOf(
      "frmFlight", "Launch speed", {{"txtTheta", "40"}, {"txth", "0"}, {"txtL", "15"}});
  ASSERT_EQ(flight.typed().size(), 3u);  // theta, h and L, in the page's order
  ASSERT_EQ(flight.figures().size(), 2u);
  EXPECT_EQ(flight.figures()[0].unit, "m/s");
  EXPECT_EQ(flight.figures()[1].unit, "mph");
  std::vector<InputRange> inputs;
  for (double typed : flight.typed()) inputs.push_back({typed, typed, typed});
  inputs[0] = {40.0, 30.0, 60.0};
  const RangeResult result = bounds(flight.factory(), inputs, 2);
  EXPECT_NEAR(result.figures[0].argMin[0], 45.0, 0.5);
  EXPECT_NEAR(*result.figures[0].min, std::sqrt(9.81 * 15.0), 0.001);
}

// Coefficients drawn above unity are refused by the throw page, and counted with its message.
TEST(PageModels, ThrowPageRefusalsAreCountedWithTheirMessage) {
  const PageCalculation throwing = calculationOf(
      "frmThrow", "Impact speed from throw distance",
      {{"txtThrowDistance", "14"}, {"txtCoefficient", "1"}});
  ASSERT_EQ(throwing.typed().size(), 2u);
  const RangeResult result =
      monteCarlo(throwing.factory(), {{14.0, 14.0, 14.0}, {1.0, 0.8, 1.2}}, 2000, 1, 2);
  EXPECT_GT(result.refused, 800u);
  EXPECT_LT(result.refused, 1200u);
  EXPECT_EQ(result.refusals.at("The coefficient should be less than unity."), result.refused);
}

// On every page's first worked example of each calculation, its measured inputs varied by
// 5 %: the figures at the typed values are the page's own, and every drawn figure lies
// within the bounds.
TEST(PageModels, WorkedExamplesVariedByFivePerCent) {
  Quiet quiet;
  int checked = 0;
  for (std::string_view name : pageLogicNames()) {
    const auto logic = openPageLogic(name, quiet);
    for (const Calculation& calculation : logic->description().calculations) {
      const WorkedExample* example = nullptr;
      for (const WorkedExample& e : workedExamples()) {
        std::vector<std::string_view> run;
        for (const ExampleStep& step : e.steps)
          if (step.kind == ExampleStep::Kind::Run) run.emplace_back(step.control);
        if (e.page == name && run == calculation.handlers && e.messages.empty()) {
          example = &e;
          break;
        }
      }
      if (example == nullptr) continue;
      const PageCalculation model =
          calculationOf(example->page, std::string(calculation.name), typedTexts(*example));
      std::vector<InputRange> inputs;
      for (double typed : model.typed())
        inputs.push_back({typed, std::min(typed * 0.95, typed * 1.05),
                          std::max(typed * 0.95, typed * 1.05)});
      if (inputs.size() > 12) inputs.resize(12);
      const RangeResult nominal = monteCarlo(model.factory(), inputs, 1000, 3, 2);
      const RangeResult extremes = bounds(model.factory(), inputs, 2);
      for (std::size_t f = 0; f < model.figures().size(); ++f) {
        const FigureRange& drawn = nominal.figures[f];
        const FigureRange& bound = extremes.figures[f];
        if (!drawn.min || !bound.min) continue;
        EXPECT_GE(*drawn.min, *bound.min - 1e-9) << name << " " << model.figures()[f].box;
        EXPECT_LE(*drawn.max, *bound.max + 1e-9) << name << " " << model.figures()[f].box;
      }
      // The figures at the typed values read back as the example's expected texts show them.
      for (std::size_t f = 0; f < model.figures().size(); ++f)
        for (const ControlText& wanted : example->expected)
          if (wanted.control == model.figures()[f].box) {
            const auto& shapes = logic->description().find(wanted.control)->shapes;
            bool same = false;
            for (const Shape& shape : shapes)
              if (const auto figures = shape.figures(wanted.text))
                same = same || (*figures)[model.figures()[f].index] == *nominal.figures[f].nominal;
            EXPECT_TRUE(same) << name << " " << wanted.control << " " << wanted.text;
          }
      ++checked;
    }
  }
  EXPECT_GE(checked, 15);
}

}  // namespace
}  // namespace kelvara::analysis
