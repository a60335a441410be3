// Timings of the page logic without the toolkit: every calculation of every page on its
// worked example, every scroll bar's handler across the whole bar, the menu's OK and a
// stopwatch step, and the field rules on the texts investigators type and the pages write.
//
// The pages and their calculations are read from the pages' own descriptions, the figures
// from the worked examples of Check figures. The boxes are put back as the page opened and
// the example typed again before every run, because a handler writes its own boxes; the
// run before the timing and the last timed run are checked against the worked example's
// figures, so that a page that gives a wrong answer fails here instead of looking fast.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/examples.h"
#include "bench/quiet_dialogs.h"
#include "fields/field_text.h"
#include "fields/page_description.h"
#include "shell/menu_page.h"
#include "shell/page_logics.h"
#include "shell/worked_examples.h"

namespace {

using namespace kelvara;
using bench::QuietDialogs;
using bench::exampleFor;

void skipUnless(benchmark::State& state, bool right, const std::string& what) {
  if (!right) state.SkipWithError(("wrong result: " + what).c_str());
}

// A page opened afresh with an example ready to be typed and run on it again and again.
class ExampleRun {
 public:
  ExampleRun(const WorkedExample& example)
      : example_(example), logic_(openPageLogic(example.page, dialogs_)) {
    const PageDescription& page = logic_->description();
    for (const ControlDescription& control : page.controls)
      if (TextBox* box = control.get<TextBox>(); box != nullptr && control.role != Role::Fixed)
        opened_.emplace_back(box, box->text);
    for (const ExampleStep& step : example.steps) {
      if (step.kind == ExampleStep::Kind::Set)
        gives_.emplace_back(page.find(step.control), step.value);
      else
        runs_.push_back(&page.handler(step.control)->run);
    }
  }

  const PageDescription& page() const { return logic_->description(); }

  // The boxes as the page opened, then the texts and choices of the example.
  void type() const {
    for (const auto& [box, text] : opened_) box->text = text;
    for (const auto& [control, text] : gives_) giveText(page(), *control, text);
  }
  void run() const {
    type();
    for (const std::function<void()>* handler : runs_) (*handler)();
  }

  // What differs from the texts the example expects; empty when the page is right.
  std::string wrong() const {
    std::string wrong;
    for (const ControlText& wanted : example_.expected) {
      const std::string shown = shownText(*page().find(wanted.control)).value_or("");
      if (shown != wanted.text)
        wrong += wanted.control + " \"" + shown + "\", not \"" + wanted.text + "\"; ";
    }
    return wrong;
  }

 private:
  const WorkedExample& example_;
  QuietDialogs dialogs_;
  std::unique_ptr<PageLogic> logic_;
  std::vector<std::pair<TextBox*, std::string>> opened_;
  std::vector<std::pair<const ControlDescription*, std::string>> gives_;
  std::vector<const std::function<void()>*> runs_;
};

void TimeCalculation(benchmark::State& state, const WorkedExample* example) {
  const ExampleRun run(*example);
  run.run();
  if (const std::string wrong = run.wrong(); !wrong.empty()) {
    state.SkipWithError(("wrong result: " + wrong).c_str());
    return;
  }
  for (auto _ : state) {
    run.run();
    benchmark::ClobberMemory();
  }
  skipUnless(state, run.wrong().empty(), run.wrong());
}

// Every position of the bar from its minimum to its maximum, one run of its handler each, as
// the form gives them, on the page as the example left it; then the example again.
void TimeSweep(benchmark::State& state, const WorkedExample* example, std::string_view bar) {
  const ExampleRun run(*example);
  run.run();
  ScrollBar& scroll = *run.page().find(bar)->get<ScrollBar>();
  const std::function<void()>& change = run.page().handlerFor(bar, Event::Change)->run;
  for (auto _ : state) {
    for (int value = scroll.minimum; value <= scroll.maximum; ++value) {
      scroll.value = value;
      change();
    }
  }
  state.counters["positions"] = scroll.maximum - scroll.minimum + 1;
  run.run();
  skipUnless(state, run.wrong().empty(), run.wrong());
}

void registerPages() {
  QuietDialogs dialogs;
  for (std::string_view name : pageLogicNames()) {
    const std::unique_ptr<PageLogic> logic = openPageLogic(name, dialogs);
    const PageDescription& page = logic->description();
    for (const Calculation& calculation : page.calculations) {
      // An example that ends with the calculation's handlers (after choosing a vehicle from
      // a menu, say), one that runs them alone if there is one.
      const auto& handlers = calculation.handlers;
      const auto endsWith = [&handlers](const std::vector<std::string_view>& run) {
        return run.size() >= handlers.size() &&
               std::equal(handlers.begin(), handlers.end(), run.end() - handlers.size());
      };
      const WorkedExample* example = exampleFor(
          name, [&](const std::vector<std::string_view>& run) { return run == handlers; });
      if (example == nullptr) example = exampleFor(name, endsWith);
      if (example == nullptr) continue;
      benchmark::RegisterBenchmark(
          ("Calculation/" + std::string(name) + "/" + std::string(calculation.name)).c_str(),
          TimeCalculation, example);
    }
    for (const ControlDescription& control : page.controls) {
      const HandlerDescription* change = page.handlerFor(control.name, Event::Change);
      if (control.kind != ControlKind::ScrollBar || change == nullptr) continue;
      const WorkedExample* example = bench::sweepExample(name, change->name);
      if (example == nullptr) continue;
      benchmark::RegisterBenchmark(
          (std::string(name) + "/" + std::string(control.name) + "_sweep").c_str(), TimeSweep,
          example, control.name)
          ->Unit(benchmark::kMicrosecond);
    }
  }
}

class SilentBeeper : public Beeper {
 public:
  void beep() override {}
};

void Menu_cmdOK(benchmark::State& state) {
  QuietDialogs dialogs;
  SilentBeeper beeper;
  MenuPage page(dialogs, beeper, [] { return TimerState::Milliseconds{0}; }, 0,
                "Monday,7 December, 2026");
  for (OptionButton& option : page.options) option.value = false;
  page.options.back().value = true;
  for (auto _ : state) benchmark::DoNotOptimize(page.cmdOK_Click());
  skipUnless(state, std::string(page.cmdOK_Click()) == "frmSideSlip", "the chosen page");
}

// One step of a running stopwatch: what the menu window does ten times a second.
void Stopwatch_tick(benchmark::State& state) {
  QuietDialogs dialogs;
  SilentBeeper beeper;
  TimerState::Milliseconds now = 0;
  MenuPage page(dialogs, beeper, [&now] { return now; }, 0, "Monday,7 December, 2026");
  page.cmdStart_MouseDown();
  for (auto _ : state) {
    now += TimerState::kTickStep;
    page.myTimer.tick();
  }
  skipUnless(state, page.txtStopwatch.text == TimerState::displayText(now / 10),
             "the stopwatch shows " + page.txtStopwatch.text);
}

// ---- The field rules on typical texts.

void FieldValue(benchmark::State& state) {
  const std::string texts[] = {"12.5", "  -6.867 ms-2", "13.411mph", "0.7", "", "abc", "1e3"};
  for (auto _ : state)
    for (const std::string& text : texts) benchmark::DoNotOptimize(fieldValue(text));
  state.SetItemsProcessed(state.iterations() * std::size(texts));
}

void NumericText(benchmark::State& state) {
  const std::string texts[] = {"0.7", " 12 ", "1.2.3", "-", "6.867 ms-2"};
  for (auto _ : state)
    for (const std::string& text : texts) benchmark::DoNotOptimize(isNumericText(text));
  state.SetItemsProcessed(state.iterations() * std::size(texts));
}

void ShortestText(benchmark::State& state) {
  const double values[] = {6.867, 0.1 + 0.2, 13.41120, -1e-7, 651410.0};
  for (auto _ : state)
    for (double value : values) benchmark::DoNotOptimize(shortestText(value));
  state.SetItemsProcessed(state.iterations() * std::size(values));
}

void MaskFormat(benchmark::State& state) {
  const std::pair<double, const char*> cases[] = {
      {13.4224, "###0.000"}, {2.675, "#####0.00"}, {-0.589, "###0.000"},
      {132800.0, "########0"}, {0.0714285714, "0.00000"}};
  for (auto _ : state)
    for (const auto& [value, mask] : cases) benchmark::DoNotOptimize(maskFormat(value, mask));
  state.SetItemsProcessed(state.iterations() * std::size(cases));
  skipUnless(state, maskFormat(2.675, "#####0.00") == "2.68", "2.675 to two decimals");
}

}  // namespace

BENCHMARK(Menu_cmdOK);
BENCHMARK(Stopwatch_tick);
BENCHMARK(FieldValue);
BENCHMARK(NumericText);
BENCHMARK(ShortestText);
BENCHMARK(MaskFormat);

int main(int argc, char** argv) {
  registerPages();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
