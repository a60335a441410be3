#pragma once
// The long-vehicle window: cut-in of rigid and articulated vehicles over a range of radii.

#include "dynamics/trailer_page.h"
#include "fields/page_window.h"

namespace kelvara {

class TrailerForm : public PageWindow {
  Q_OBJECT

 public:
  TrailerForm(PageHost& host, Dialogs& dialogs);
  TrailerPage& logic() { return page_; }

 private:
  TrailerPage page_;
};

}  // namespace kelvara
