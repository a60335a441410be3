#pragma once
// A Beeper for tests: counts the beeps instead of sounding them.

#include "shell/beeper.h"

namespace kelvara::testing {

class CountingBeeper : public Beeper {
 public:
  void beep() override { ++beeps; }
  int beeps = 0;
};

}  // namespace kelvara::testing
