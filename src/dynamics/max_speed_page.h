#pragma once
// The maximum-speed page: the racing-line radius through a bend and the critical speed on it.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class MaxSpeedPage : public RecordsWorking {
 public:
  explicit MaxSpeedPage(Dialogs& dialogs);
  PageDescription describe();

  TextBox txtRoadwidth, txtr, txttheta, txtCoefficient, txtCrossfall, txtCarwidth, txtMaxradius;
  TextBox txtMaxspeed;
  CommandButton cmdCalculate, cmdClear;
  CommandButton Command1;  // Print Form
  CommandButton cmdMenu, cmdExit;
  MenuItem mnuReference;

  void cmdCalculate_Click();
  void cmdClear_Click();
  void mnuReference_Click();

 private:
  void calculate();

  Dialogs& dialogs_;

  // Page values, overwritten by each Calculate.
  double usableWidth_ = 0.0;  // road width less the vehicle's width, m
  double halfAngle_ = 0.0;    // half the bend's change of direction, radians
  double mu_ = 0.0;
  double crossfall_ = 0.0;  // radians, positive when favourable
  double Rmax_ = 0.0;
  double Vmax_ = 0.0;
};

}  // namespace kelvara
