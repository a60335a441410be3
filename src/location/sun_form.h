#pragma once
// The window that gives the Sun's position for a date, a time and a place.

#include "fields/page_window.h"
#include "location/sun_page.h"

namespace kelvara {

class SunForm : public PageWindow {
  Q_OBJECT

 public:
  SunForm(PageHost& host, Dialogs& dialogs);
  SunPage& logic() { return page_; }

 private:
  SunPage page_;
};

}  // namespace kelvara
