#pragma once
// The machine's beep, behind an interface so that logic using it runs and is tested
// without the toolkit.

namespace kelvara {

class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void beep() = 0;
};

}  // namespace kelvara
