#pragma once
// The Sun's altitude and azimuth for a date, a time in Universal Time and a place, with a
// scroll bar that steps the time through the day.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class SunPage : public RecordsWorking {
 public:
  explicit SunPage(Dialogs& dialogs);
  PageDescription describe();

  TextBox txtYear, txtMonth, txtDay, txtHour, txtMinutes, txtLatDeg, txtLatMin, txtLongDeg;
  TextBox txtLongMin;
  OptionButton optLatNorth, optLatSouth, optLongEast, optLongWest;
  // Results.
  TextBox txtAltDeg, txtAltMin, txtAzDeg, txtAzMin, txtAboveBelow;
  // The time of day in minutes.
  ScrollBar HScroll1;
  CommandButton cmdCalc;
  CommandButton Command3;  // clears the results
  CommandButton cmdClearAll;
  CommandButton Command1;  // Menu
  CommandButton Command2;  // Exit
  // The menu bar: two blank items stand between the three help items as spacers.
  MenuItem mnuBST, mnuBlank1, mnuSunRiseSet, mnuBlank2, Notes;

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
