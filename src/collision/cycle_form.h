#pragma once
// The motorcycle and narrow-object crush window: two calculators of an equivalent barrier
// speed side by side, each with its equation picture.

#include "collision/cycle_page.h"
#include "fields/page_window.h"

namespace kelvara {

class CycleForm : public PageWindow {
  Q_OBJECT

 public:
  CycleForm(PageHost& host, Dialogs& dialogs);
  CyclePage& logic() { return page_; }

 private:
  CyclePage page_;
};

}  // namespace kelvara
