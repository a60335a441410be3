#pragma once
// The momentum window: pre-impact speeds of two vehicles in an angled collision.

#include "collision/momentum_page.h"
#include "fields/page_window.h"

namespace kelvara {

class MomentumForm : public PageWindow {
  Q_OBJECT

 public:
  MomentumForm(PageHost& host, Dialogs& dialogs);
  MomentumPage& logic() { return page_; }

 private:
  MomentumPage page_;
};

}  // namespace kelvara
