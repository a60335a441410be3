#pragma once
// The critical-speed window: geometry, critical speed on a curve and under braking.

#include "dynamics/curve_page.h"
#include "fields/page_window.h"

namespace kelvara {

class CurveForm : public PageWindow {
  Q_OBJECT

 public:
  CurveForm(PageHost& host, Dialogs& dialogs);
  CurvePage& logic() { return page_; }

 private:
  CurvePage page_;
};

}  // namespace kelvara
