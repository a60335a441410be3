#pragma once
// The window that turns an OS grid reference into latitude and longitude.

#include "fields/page_window.h"
#include "location/longitude_latitude_page.h"

namespace kelvara {

class LongitudeLatitudeForm : public PageWindow {
  Q_OBJECT

 public:
  LongitudeLatitudeForm(PageHost& host, Dialogs& dialogs);
  LongitudeLatitudePage& logic() { return page_; }

 private:
  LongitudeLatitudePage page_;
};

}  // namespace kelvara
