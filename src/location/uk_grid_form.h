#pragma once
// The window that turns latitude and longitude into an OS grid reference.

#include "fields/page_window.h"
#include "location/uk_grid_page.h"

namespace kelvara {

class UKGridForm : public PageWindow {
  Q_OBJECT

 public:
  UKGridForm(PageHost& host, Dialogs& dialogs);
  UKGridPage& logic() { return page_; }

 private:
  UKGridPage page_;
};

}  // namespace kelvara
