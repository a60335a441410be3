#pragma once
// The linear-motion window.

#include "fields/page_window.h"
#include "motion/newton_page.h"

namespace kelvara {

class NewtonForm : public PageWindow {
  Q_OBJECT

 public:
  NewtonForm(PageHost& host, Dialogs& dialogs);

  NewtonPage& logic() { return page_; }

 private:
  NewtonPage page_;
};

}  // namespace kelvara
