#pragma once
// The maximum-speed window: the bend's geometry and friction in, the racing-line radius and
// the speed on it out.

#include "dynamics/max_speed_page.h"
#include "fields/page_window.h"

namespace kelvara {

class MaxSpeedForm : public PageWindow {
  Q_OBJECT

 public:
  MaxSpeedForm(PageHost& host, Dialogs& dialogs);
  MaxSpeedPage& logic() { return page_; }

 private:
  MaxSpeedPage page_;
};

}  // namespace kelvara
