#pragma once
// The partial-braking window: the inputs, the plan view with the four brake check boxes and
// the effective coefficient.

#include "dynamics/partial_braking_page.h"
#include "fields/page_window.h"

namespace kelvara {

class PartialBrakingForm : public PageWindow {
  Q_OBJECT

 public:
  PartialBrakingForm(PageHost& host, Dialogs& dialogs);
  PartialBrakingPage& logic() { return page_; }

 private:
  PartialBrakingPage page_;
};

}  // namespace kelvara
