#pragma once
// The alcohol back-tracking window.

#include "fields/page_window.h"
#include "human/alcohol_page.h"

namespace kelvara {

class AlcoholForm : public PageWindow {
  Q_OBJECT

 public:
  AlcoholForm(PageHost& host, Dialogs& dialogs);
  AlcoholPage& logic() { return page_; }

 private:
  AlcoholPage page_;
};

}  // namespace kelvara
