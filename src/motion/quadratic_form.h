#pragma once
// The window of the quadratic-equation and reaction-stop speed page.

#include "fields/page_window.h"
#include "motion/quadratic_page.h"

namespace kelvara {

class QuadraticForm : public PageWindow {
  Q_OBJECT

 public:
  QuadraticForm(PageHost& host, Dialogs& dialogs);

  QuadraticPage& logic() { return page_; }

 private:
  QuadraticPage page_;
};

}  // namespace kelvara
