#pragma once
// Latitude and longitude to an OS grid reference: the full easting and northing and the
// reference inside its 100 km square.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class UKGridPage : public RecordsWorking {
 public:
  explicit UKGridPage(Dialogs& dialogs);
  PageDescription describe();

  // Input: latitude (always north) and longitude, degrees, minutes and seconds.
  TextBox txtLaDeg, txtLaMin, txtLaSec, txtLoDeg, txtLoMin, txtLoSec;
  OptionButton optEast, optWest;
  // Output, disabled until a calculation first gets past the range checks.
  TextBox txtE, txtN, txtResult;
  // The window has always named its buttons in lower case.
  CommandButton cmdcalculate, cmdclear, cmdmenu, cmdexit;
  MenuItem mnuNotes;

  void cmdCalculate_Click();
  void cmdClear_Click();
  void mnuNotes_Click();

 private:
  Dialogs& dialogs_;
};

}  // namespace kelvara
