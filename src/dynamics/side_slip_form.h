#pragma once
// The side-slip window: the yaw angles at two points and the friction in, the mean effective
// coefficient out, with the diagram of the two points.

#include "dynamics/side_slip_page.h"
#include "fields/page_window.h"

namespace kelvara {

class SideSlipForm : public PageWindow {
  Q_OBJECT

 public:
  SideSlipForm(PageHost& host, Dialogs& dialogs);
  SideSlipPage& logic() { return page_; }

 private:
  SideSlipPage page_;
};

}  // namespace kelvara
