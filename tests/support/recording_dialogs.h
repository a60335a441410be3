#pragma once
// A Dialogs for tests: records every message shown and answers from a script.

#include <deque>
#include <string>
#include <vector>

#include "fields/message.h"

namespace kelvara::testing {

class RecordingDialogs : public Dialogs {
 public:
  int show(const Message& message) override {
    shown.push_back(message);
    if (!answers.empty()) {
      int answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return (message.code & 0x7) == MessageCode::YesNo ? Answer::Yes : Answer::Ok;
  }

  // The lines of every message shown, in order.
  std::vector<std::vector<std::string>> lines() const {
    std::vector<std::vector<std::string>> all;
    for (const auto& message : shown) all.push_back(message.lines);
    return all;
  }

  void clear() { shown.clear(); }

  std::vector<Message> shown;
  std::deque<int> answers;  // scripted answers; Yes/No boxes answer Yes when none is left
};

}  // namespace kelvara::testing
