#pragma once
// The alcohol back-tracking page: a test reading taken after an event gives the blood,
// breath and urine levels at the event, the alcohol in the body and the pints of a drink
// that hold it.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"
#include "human/alcohol.h"

namespace kelvara {

class AlcoholPage : public RecordsWorking {
 public:
  explicit AlcoholPage(Dialogs& dialogs);
  PageDescription describe();

  // Inputs.
  TextBox txtWeight;
  OptionButton optMale, optFemale, optBlood, optBreath, optUrine;
  TextBox txtReading;
  Label lblReading;  // the unit of the reading, after the kind of test
  TextBox txtTimeoftest, txtTimeofevent, txtStrength;
  Label lblPercent;
  // Results, disabled until a calculation writes them.
  TextBox txtBloodevent, txtBreathevent, txtUrineevent, txtTotalalcohol, txtPints;
  CommandButton cmdCalculate, cmdClear;
  CommandButton Command1;  // Print Form
  CommandButton cmdMenu, cmdExit;
  MenuItem mnuNotes, mnuLimits, mnuEffects;

  void cmdCalculate_Click();
  void cmdClear_Click();
  void optBlood_Click();
  void optBreath_Click();
  void optUrine_Click();
  void txtStrength_Change();
  void mnuNotes_Click();
  void mnuLimits_Click();
  void mnuEffects_Click();

 private:
  void enableResults(bool enabled);
  alcohol::Sex sex() const;
  alcohol::TestKind testKind() const;

  Dialogs& dialogs_;
};

}  // namespace kelvara
