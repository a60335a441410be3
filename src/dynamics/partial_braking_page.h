#pragma once
// The partial-braking page: the effective coefficient of friction of a vehicle with only the
// marked brakes working, on the level or on a gradient.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class PartialBrakingPage : public RecordsWorking {
 public:
  explicit PartialBrakingPage(Dialogs& dialogs);
  PageDescription describe();

  TextBox txtHL, txtTruemu, txtWf, txtGradient, txtMue;
  // The working brakes, at the wheels of the plan view.
  CheckBox chkFn, chkFo, chkRn, chkRo;
  CommandButton cmdCalculate, cmdClear, cmdPrint, cmdMenu, cmdExit;
  MenuItem mnuNotes;

  void cmdCalculate_Click();
  void cmdClear_Click();
  void mnuNotes_Click();

 private:
  void calculate();

  Dialogs& dialogs_;

  // Page values, read afresh by each Calculate.
  double mu_ = 0.0;        // true coefficient of friction
  double k_ = 0.0;         // height of the centre of gravity / wheelbase
  double Wf_ = 0.0;        // static share of the weight on the front axle
  double gradient_ = 0.0;  // radians, uphill positive
  double mue_ = 0.0;       // effective coefficient
};

}  // namespace kelvara
