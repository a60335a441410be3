#pragma once
// The worked examples of every calculator page, as data, and the runner that reproduces
// them through the pages' own logic: the same controls and the same handlers the windows
// use, with a Dialogs that records every message. The Check figures window and the unit
// tests run the same table.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "fields/working.h"

namespace kelvara {

// One step of an example: give a control its text or value, or run a handler.
struct ExampleStep {
  enum class Kind { Set, Run };
  Kind kind = Kind::Set;
  std::string control;  // a control's name, or a handler's name for Run
  std::string value;    // box text or caption; "True"/"False" for options and check boxes;
                        // the position for a scroll bar
};

// What a control shows: a box's text, a label's caption, an option's or check box's value
// ("True"/"False"), a scroll bar's position.
struct ControlText {
  std::string control;
  std::string text;
  bool operator==(const ControlText&) const = default;
};

struct WorkedExample {
  std::string page;    // the page's name, frmNewton
  std::string source;  // where the figures come from
  std::string title;   // what the example is
  std::vector<ExampleStep> steps;
  std::vector<ControlText> expected;  // the exact texts the page must show afterwards
  // Every message the example shows, in order, each with its lines joined by " / ".
  std::vector<std::string> messages;
  // Answers to the Yes/No boxes, in order; a box without one is answered No.
  std::vector<int> answers;
};

struct ExampleOutcome {
  std::vector<ControlText> obtained;  // in the order of the expected texts
  std::vector<std::string> messages;  // as shown, lines joined by " / "
  std::string problem;                // why the example could not be run, if it could not
  bool passed = false;
};

struct CheckReport {
  std::vector<ExampleOutcome> outcomes;  // in the order of the examples
  std::vector<std::size_t> failed;       // indexes of the examples that failed
  std::string summary;
};

// The table: every worked example of every calculator page.
const std::vector<WorkedExample>& workedExamples();

// The window title of a page named in the table ("Linear equations calculator").
std::string examplePageCaption(const std::string& page);

// working: where the page records the working of its calculations.
ExampleOutcome runWorkedExample(const WorkedExample& example, Working& working = noWorking());
// Runs every example; the summary reads "All N worked examples reproduced" or names each
// example that was not, by its number (counted from 1), page and title.
CheckReport checkWorkedExamples(const std::vector<WorkedExample>& examples);

// The example as a person reads it, one line each: the steps (txtu = "0", then the
// handlers run), the texts expected and the messages, and the texts the page gave.
std::string stepsText(const WorkedExample& example);
std::string expectedText(const WorkedExample& example);
std::string obtainedText(const ExampleOutcome& outcome);

// Steps of an example.
inline ExampleStep give(std::string control, std::string value) {
  return {ExampleStep::Kind::Set, std::move(control), std::move(value)};
}
inline ExampleStep press(std::string handler) {
  return {ExampleStep::Kind::Run, std::move(handler), {}};
}

}  // namespace kelvara
