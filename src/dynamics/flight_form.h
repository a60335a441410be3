#pragma once
// The flight window: launch speed from flight distance, height and slope angle.

#include "dynamics/flight_page.h"
#include "fields/page_window.h"

namespace kelvara {

class FlightForm : public PageWindow {
  Q_OBJECT

 public:
  FlightForm(PageHost& host, Dialogs& dialogs);
  FlightPage& logic() { return page_; }

 private:
  FlightPage page_;
};

}  // namespace kelvara
