// Runs a worked example on a fresh copy of its page's logic: the controls and handlers are
// found through the page's own description.

#include <deque>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "fields/message.h"
#include "fields/page_description.h"
#include "shell/page_logics.h"
#include "shell/worked_examples.h"

namespace kelvara {

namespace {

// Records every message and answers Yes/No boxes from a script (No once it runs out).
class ExampleDialogs : public Dialogs {
 public:
  explicit ExampleDialogs(const std::vector<int>& answers)
      : answers_(answers.begin(), answers.end()) {}

  int show(const Message& message) override {
    std::string text;
    for (const std::string& line : message.lines) {
      if (!text.empty()) text += " / ";
      text += line;
    }
    shown.push_back(text);
    if ((message.code & 0x7) != MessageCode::YesNo) return Answer::Ok;
    if (answers_.empty()) return Answer::No;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  std::vector<std::string> shown;

 private:
  std::deque<int> answers_;
};

}  // namespace

std::string examplePageCaption(const std::string& page) {
  const std::string_view title = pageLogicTitle(page);
  return title.empty() ? page : std::string(title);
}

ExampleOutcome runWorkedExample(const WorkedExample& example, Working& working) {
  ExampleOutcome outcome;
  ExampleDialogs dialogs(example.answers);
  const std::unique_ptr<PageLogic> logic = openPageLogic(example.page, dialogs);
  if (logic == nullptr) {
    outcome.problem = "no page " + example.page;
    return outcome;
  }
  const PageDescription& page = logic->description();
  if (page.recorder != nullptr) page.recorder->recordInto(working);
  try {
    for (const ExampleStep& step : example.steps) {
      if (step.kind == ExampleStep::Kind::Set) {
        const ControlDescription* control = page.find(step.control);
        if (control == nullptr || !giveText(page, *control, step.value)) {
          outcome.problem = "no control " + step.control;
          break;
        }
        continue;
      }
      const HandlerDescription* handler = page.handler(step.control);
      if (handler == nullptr) {
        outcome.problem = "no handler " + step.control;
        break;
      }
      handler->run();
    }
  } catch (const std::exception& failure) {
    outcome.problem = std::string("the calculation failed: ") + failure.what();
  }
  outcome.messages = dialogs.shown;
  bool same = outcome.problem.empty() && outcome.messages == example.messages;
  for (const ControlText& wanted : example.expected) {
    const ControlDescription* control = page.find(wanted.control);
    const std::optional<std::string> text =
        control == nullptr ? std::nullopt : shownText(*control);
    if (!text) {
      if (outcome.problem.empty()) outcome.problem = "no control " + wanted.control;
      same = false;
      outcome.obtained.push_back({wanted.control, {}});
      continue;
    }
    outcome.obtained.push_back({wanted.control, *text});
    if (*text != wanted.text) same = false;
  }
  outcome.passed = same;
  return outcome;
}

namespace {

std::string quoted(const std::string& text) { return '"' + text + '"'; }

void addLine(std::string& text, const std::string& line) {
  if (!text.empty()) text += '\n';
  text += line;
}

std::string shownText(const std::vector<ControlText>& texts,
                      const std::vector<std::string>& messages) {
  std::string text;
  for (const ControlText& shown : texts) addLine(text, shown.control + " = " + quoted(shown.text));
  for (const std::string& message : messages) addLine(text, "message " + quoted(message));
  return text;
}

}  // namespace

std::string stepsText(const WorkedExample& example) {
  std::string text;
  for (const ExampleStep& step : example.steps)
    addLine(text, step.kind == ExampleStep::Kind::Run ? "run " + step.control
                                                      : step.control + " = " + quoted(step.value));
  return text;
}

std::string expectedText(const WorkedExample& example) {
  return shownText(example.expected, example.messages);
}

std::string obtainedText(const ExampleOutcome& outcome) {
  std::string text = shownText(outcome.obtained, outcome.messages);
  if (!outcome.problem.empty()) addLine(text, outcome.problem);
  return text;
}

CheckReport checkWorkedExamples(const std::vector<WorkedExample>& examples) {
  CheckReport report;
  for (std::size_t i = 0; i < examples.size(); ++i) {
    report.outcomes.push_back(runWorkedExample(examples[i]));
    if (!report.outcomes.back().passed) report.failed.push_back(i);
  }
  const std::string count = std::to_string(examples.size());
  if (report.failed.empty()) {
    report.summary = "All " + count + " worked examples reproduced";
    return report;
  }
  report.summary =
      std::to_string(report.failed.size()) + " of " + count + " worked examples not reproduced:";
  for (std::size_t k = 0; k < report.failed.size(); ++k) {
    const WorkedExample& example = examples[report.failed[k]];
    report.summary += (k == 0 ? " " : ", ") + std::string("no. ") +
                      std::to_string(report.failed[k] + 1) + " (" +
                      examplePageCaption(example.page) + ", " + example.title + ")";
  }
  return report;
}

}  // namespace kelvara
