#pragma once
// An OS grid reference to latitude and longitude, from either the full six-digit easting
// and northing or the two-letter square with five-digit figures inside it.

#include <cstddef>

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class LongitudeLatitudePage : public RecordsWorking {
 public:
  explicit LongitudeLatitudePage(Dialogs& dialogs);
  PageDescription describe();

  OptionButton Option1;  // the six-digit form
  OptionButton Option2;  // the two-letter form
  TextBox txtE, txtN, txtTwoLetter, txtEastings, txtNorthings;
  // Results: latitude north, longitude as a positive angle with its side.
  TextBox txtLaDeg, txtLaMin, txtLaSec, txtLoDeg, txtLoMin, txtLoSec, txtEastWest;
  // The window has always named its buttons in lower case.
  CommandButton cmdcalculate, cmdclear, cmdmenu, cmdexit;
  MenuItem mnuNotes;

  void cmdCalculate_Click();
  void cmdClear_Click();
  void Option1_Click();
  void Option2_Click();
  void mnuNotes_Click();

 private:
  bool checkFigures(const TextBox& eastings, const TextBox& northings, std::size_t digits,
                    const Message& eastingsLength, const Message& northingsLength);

  Dialogs& dialogs_;
};

}  // namespace kelvara
