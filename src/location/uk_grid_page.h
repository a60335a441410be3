#pragma once
// Latitude and longitude to an OS grid reference: the full easting and northing and the
// reference inside its 100 km square.

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class UKGridPage {
 public:
  explicit UKGridPage(Dialogs& dialogs);

  // Input: latitude (always north) and longitude, degrees, minutes and seconds.
  TextBox txtLaDeg;
  TextBox txtLaMin;
  TextBox txtLaSec;
  TextBox txtLoDeg;
  TextBox txtLoMin;
  TextBox txtLoSec;
  OptionButton optEast;
  OptionButton optWest;
  // Output, disabled until a calculation first gets past the range checks.
  TextBox txtE;
  TextBox txtN;
  TextBox txtResult;

  void cmdCalculate_Click();
  void cmdClear_Click();
  void mnuNotes_Click();

 private:
  Dialogs& dialogs_;
};

}  // namespace kelvara
