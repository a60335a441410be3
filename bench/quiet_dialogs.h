#pragma once
// A Dialogs for timing: every box is closed at once, OK or Yes, and nothing is kept, so a
// handler's time is its own.

#include "fields/message.h"

namespace kelvara::bench {

class QuietDialogs : public Dialogs {
 public:
  int show(const Message& message) override {
    ++shown;
    return (message.code & 0x7) == MessageCode::YesNo ? Answer::Yes : Answer::Ok;
  }
  int shown = 0;
};

}  // namespace kelvara::bench
