#pragma once
// The motorcycle and narrow-object crush page: two independent calculators of an equivalent
// barrier speed, each with its own boxes and buttons, and each with its equation as a
// picture that the menu shows and a click hides.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class CyclePage : public RecordsWorking {
 public:
  explicit CyclePage(Dialogs& dialogs);
  PageDescription describe();

  // Motorcycle.
  Label lblMotorcycle{"Motorcycle crush"};
  Label lblInput{"Input"};
  TextBox txtMass;   // M, kg
  TextBox txtCrush;  // d, m
  Label Label4{"Crush should be greater than 0.23 metres"};
  Label lblOutput{"Output"};
  TextBox txtEbs;  // result: m/s and mph
  CommandButton cmdCalculate, cmdClear, cmdMenu, cmdExit;
  // Pole or narrow object.
  Label lblPole{"Pole or narrow crush"};
  Label lblInp{"Input"};
  TextBox txtMassofcar;   // M, kg
  TextBox txtCrushdepth;  // d, m
  Label lblOutp{"Output"};
  TextBox txtEbs2;  // result: m/s and mph
  CommandButton cmdCalc, cmdClear2, cmdMenu2, cmdExit2;
  // The motorcycle equation and its captions.
  PictureBox Picture2;
  Label Label2, Label3;
  // The narrow-object equation and its caption.
  PictureBox Picture1;
  Label Label1;
  TextBox Text1;  // credit line
  MenuItem mnuMotorcycle, mnuNarrow, mnuNotes;

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
