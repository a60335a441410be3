#pragma once
// The Sun's altitude and azimuth for a date, a time in Universal Time and a place, with a
// scroll bar that steps the time through the day.

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class SunPage {
 public:
  explicit SunPage(Dialogs& dialogs);

  TextBox txtYear;
  TextBox txtMonth;
  TextBox txtDay;
  TextBox txtHour;
  TextBox txtMinutes;
  TextBox txtLatDeg;
  TextBox txtLatMin;
  TextBox txtLongDeg;
  TextBox txtLongMin;
  OptionButton optLatNorth;
  OptionButton optLatSouth;
  OptionButton optLongEast;
  OptionButton optLongWest;
  // Results.
  TextBox txtAltDeg;
  TextBox txtAltMin;
  TextBox txtAzDeg;
  TextBox txtAzMin;
  TextBox txtAboveBelow;
  // The time of day in minutes.
  ScrollBar HScroll1;

  void cmdCalc_Click();
  void HScroll1_Change();
  void Command3_Click();
  void cmdClearAll_Click();
  void mnuBST_Click();
  void mnuSunRiseSet_Click();
  void Notes_Click();

  // Whether the summer-time reminder has had its turn since the page was loaded or last
  // cleared.
  bool summerTimeReminded() const { return summerTimeReminded_; }

 private:
  Dialogs& dialogs_;
  bool summerTimeReminded_ = false;
};

}  // namespace kelvara
