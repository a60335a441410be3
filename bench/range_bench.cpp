// Timings of the range of results on every page's main calculation, from its worked example:
// 100 000 Monte Carlo samples with every measured input varied by ±5 %, bounds with two
// inputs varied by ±5 %, and the engine's own cost per sample beside the page's handlers.

#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "analysis/page_model.h"
#include "bench/examples.h"
#include "bench/quiet_dialogs.h"
#include "fields/field_text.h"
#include "fields/page_description.h"
#include "shell/page_logics.h"
#include "shell/worked_examples.h"

namespace {

using namespace kelvara;
using namespace kelvara::analysis;

struct Case {
  std::string page;
  std::string calculation;
  std::map<std::string, std::string> typed;  // the example typed, before its handlers
  std::vector<std::string> varied;
  std::vector<std::string_view> handlers;
};

PageOpener opener(const std::string& page) {
  return [page](Dialogs& dialogs) { return openPageLogic(page, dialogs); };
}

std::vector<InputRange> plusMinus5(const PageCalculation& model, std::size_t most) {
  std::vector<InputRange> ranges;
  for (double typed : model.typed()) {
    const double spread = std::fabs(typed) * 0.05;
    const bool varies = ranges.size() < most;
    ranges.push_back({typed, varies ? typed - spread : typed, varies ? typed + spread : typed,
                      Distribution::Uniform});
  }
  return ranges;
}

void MonteCarlo(benchmark::State& state, const Case* c) {
  const PageCalculation model(opener(c->page), c->calculation, c->typed, c->varied);
  const std::vector<InputRange> ranges = plusMinus5(model, 12);
  RangeResult result;
  for (auto _ : state) result = monteCarlo(model.factory(), ranges, 100000, 1);
  state.counters["refused"] = static_cast<double>(result.refused);
}

void Bounds(benchmark::State& state, const Case* c) {
  const PageCalculation model(opener(c->page), c->calculation, c->typed, c->varied);
  const std::vector<InputRange> ranges = plusMinus5(model, 2);
  RangeResult result;
  for (auto _ : state) result = bounds(model.factory(), ranges);
  state.counters["evaluations"] = static_cast<double>(result.samples);
}

// One thread: a sample's whole cost, and beside it the page's handlers alone on the same
// drawn inputs (the texts given, then the handlers run, less the texts given alone). The
// engine's own cost (drawing, writing the texts, reading the figures back, the statistics)
// is the difference.
void PerSample(benchmark::State& state, const Case* c) {
  const PageCalculation model(opener(c->page), c->calculation, c->typed, c->varied);
  const std::vector<InputRange> ranges = plusMinus5(model, 12);
  bench::QuietDialogs dialogs;
  const auto logic = openPageLogic(c->page, dialogs);
  const PageDescription& page = logic->description();
  std::vector<std::pair<const ControlDescription*, std::string>> typed;
  for (const auto& [name, text] : c->typed)
    if (const ControlDescription* control = page.find(name)) typed.emplace_back(control, text);
  std::vector<const ControlDescription*> varied;
  for (const std::string& name : c->varied) varied.push_back(page.find(name));
  std::vector<const HandlerDescription*> handlers;
  for (std::string_view name : c->handlers) handlers.push_back(page.handler(name));
  constexpr std::size_t kSamples = 20000;
  std::vector<std::vector<std::string>> drawn;
  for (std::size_t i = 0; i < kSamples; ++i) {
    drawn.emplace_back();
    for (double figure : draw(ranges, 1, i)) drawn.back().push_back(shortestText(figure));
  }
  const auto give = [&](std::size_t i) {
    for (const auto& [control, text] : typed) giveText(page, *control, text);
    for (std::size_t k = 0; k < varied.size(); ++k) giveText(page, *varied[k], drawn[i][k]);
  };
  // Processor time of this thread (the samples run on it): a shared machine's waits for a
  // core are not counted.
  const auto now = [] {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) * 1e6 + static_cast<double>(time.tv_nsec) / 1e3;
  };
  const auto perSample = [&now](double start) { return (now() - start) / kSamples; };
  double sample = 0.0, handler = 0.0;
  for (auto _ : state) {
    double start = now();
    benchmark::DoNotOptimize(monteCarlo(model.factory(), ranges, kSamples, 1, 1));
    sample = perSample(start);
    start = now();
    for (std::size_t i = 0; i < kSamples; ++i) {
      give(i);
      for (const HandlerDescription* run : handlers) run->run();
    }
    handler = perSample(start);
    start = now();
    for (std::size_t i = 0; i < kSamples; ++i) give(i);
    handler -= perSample(start);
  }
  state.counters["sample_us"] = sample;
  state.counters["handler_us"] = handler;
  // check_targets.py holds engine_us to the larger of handler_us and 2 µs.
  state.counters["engine_us"] = sample - handler;
}

std::vector<Case>& cases() {
  static std::vector<Case> all;
  return all;
}

void registerPages() {
  bench::QuietDialogs dialogs;
  for (std::string_view name : pageLogicNames()) {
    const auto logic = openPageLogic(name, dialogs);
    const PageDescription& page = logic->description();
    if (page.calculations.empty()) continue;
    const Calculation& main = page.calculations.front();
    const WorkedExample* example = bench::exampleFor(
        name, [&](const std::vector<std::string_view>& run) { return run == main.handlers; });
    if (example == nullptr) continue;
    const auto typed = openPageLogic(name, dialogs);
    for (const ExampleStep& step : example->steps)
      if (step.kind == ExampleStep::Kind::Set)
        giveText(typed->description(), *typed->description().find(step.control), step.value);
    Case c{std::string(name),
           std::string(main.name),
           textsOf(typed->description()),
           {},
           main.handlers};
    c.varied = variableInputs(typed->description(), main, c.typed);
    cases().push_back(std::move(c));
  }
  for (const Case& c : cases()) {
    benchmark::RegisterBenchmark(("MonteCarlo100000/" + c.page).c_str(), MonteCarlo, &c)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("Bounds2inputs/" + c.page).c_str(), Bounds, &c)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    // The machine is shared: the median of five.
    benchmark::RegisterBenchmark(("PerSample/" + c.page).c_str(), PerSample, &c)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  }
}

}  // namespace

int main(int argc, char** argv) {
  registerPages();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
