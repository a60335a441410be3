#pragma once
// Which worked example of Check figures a benchmark times a page on.

#include <algorithm>
#include <string_view>
#include <vector>

#include "fields/message.h"
#include "shell/worked_examples.h"

namespace kelvara::bench {

inline std::vector<std::string_view> handlersOf(const WorkedExample& example) {
  std::vector<std::string_view> handlers;
  for (const ExampleStep& step : example.steps)
    if (step.kind == ExampleStep::Kind::Run) handlers.emplace_back(step.control);
  return handlers;
}

// The first example of the page whose handlers pass the test and that answers no box No
// (the benchmarks close every box with OK or Yes); one that shows no message if there is one.
template <class Test>
const WorkedExample* exampleFor(std::string_view page, Test runs) {
  const WorkedExample* found = nullptr;
  for (const WorkedExample& example : workedExamples()) {
    if (example.page != page || !runs(handlersOf(example))) continue;
    if (std::any_of(example.answers.begin(), example.answers.end(),
                    [](int answer) { return answer != Answer::Yes; }))
      continue;
    if (example.messages.empty()) return &example;
    if (found == nullptr) found = &example;
  }
  return found;
}

// The example a scroll bar is swept on: one that moves it (runs its Change handler), else
// the page's first.
inline const WorkedExample* sweepExample(std::string_view page, std::string_view change) {
  const WorkedExample* moving =
      exampleFor(page, [change](const std::vector<std::string_view>& run) {
        return std::find(run.begin(), run.end(), change) != run.end();
      });
  if (moving != nullptr) return moving;
  return exampleFor(page, [](const std::vector<std::string_view>&) { return true; });
}

}  // namespace kelvara::bench
