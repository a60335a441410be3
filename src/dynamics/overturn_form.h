#pragma once
// The overturn window: vehicle and bend in, the overturn speed and the skid verdict out, and
// the equation shown over the page on demand.

#include "dynamics/overturn_page.h"
#include "fields/page_window.h"

namespace kelvara {

class OverturnForm : public PageWindow {
  Q_OBJECT

 public:
  OverturnForm(PageHost& host, Dialogs& dialogs);
  OverturnPage& logic() { return page_; }

 private:
  OverturnPage page_;
};

}  // namespace kelvara
