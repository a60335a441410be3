#pragma once
// The throw window: impact speed on a pedestrian from the throw distance.

#include "dynamics/throw_page.h"
#include "fields/page_window.h"

namespace kelvara {

class ThrowForm : public PageWindow {
  Q_OBJECT

 public:
  ThrowForm(PageHost& host, Dialogs& dialogs);
  ThrowPage& logic() { return page_; }

 private:
  ThrowPage page_;
};

}  // namespace kelvara
