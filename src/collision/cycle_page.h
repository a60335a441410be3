#pragma once
// The motorcycle and narrow-object crush page: two independent calculators of an equivalent
// barrier speed, each with its own boxes and buttons, and each with its equation as a
// picture that the menu shows and a click hides.

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class CyclePage {
 public:
  explicit CyclePage(Dialogs& dialogs);

  // Motorcycle.
  TextBox txtMass;   // M, kg
  TextBox txtCrush;  // d, m
  TextBox txtEbs;    // result: m/s and mph
  // Pole or narrow object.
  TextBox txtMassofcar;   // M, kg
  TextBox txtCrushdepth;  // d, m
  TextBox txtEbs2;        // result: m/s and mph
  // The motorcycle equation and its captions.
  PictureBox Picture2;
  Label Label2;
  Label Label3;
  // The narrow-object equation and its caption.
  PictureBox Picture1;
  Label Label1;
  TextBox Text1;  // credit line

  void cmdCalculate_Click();
  void cmdClear_Click();
  void cmdCalc_Click();
  void cmdClear2_Click();
  void mnuMotorcycle_Click();
  void mnuNarrow_Click();
  void Picture2_Click();
  void Label2_Click();
  void Label3_Click();
  void Picture1_Click();
  void Label1_Click();
  void mnuNotes_Click();

 private:
  void showMotorcycleEquation(bool shown);
  void showNarrowEquation(bool shown);

  Dialogs& dialogs_;
};

}  // namespace kelvara
