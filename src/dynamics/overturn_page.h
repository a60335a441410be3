#pragma once
// The overturn page: the speed at which a vehicle overturns on a bend, whether it would skid
// first, and the equation picture.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class OverturnPage : public RecordsWorking {
 public:
  explicit OverturnPage(Dialogs& dialogs);
  PageDescription describe();

  TextBox txtTrack, txtRadius, txth, txtCrossfall, txtCoefficient, txtSpeed, txtSkid;
  Label Label1{
      "Caution: These calculations assume that the vehicle is rigid. Load movement, "
      "particularly in tankers, and the vehicle suspension characteristics will affect the "
      "outcome.  If the vehicle is predicted to skid sideways rather than overturn, an overturn "
      "will occur when the wheels come up against some obstacle such as a kerb edge."};
  CommandButton cmdCalculate, cmdClear, cmdMenu, cmdExit;
  MenuItem mnuEquation;
  // The equation and the label on it that says how to hide it.
  PictureBox Picture1;
  Label lblHide;

  void cmdCalculate_Click();
  void cmdClear_Click();
  void mnuEquation_Click();
  void Picture1_Click();
  void lblHide_Click();

 private:
  void calculate();
  void disableResults();

  Dialogs& dialogs_;

  // Page values, overwritten by each Calculate.
  double T_ = 0.0;          // track width, m
  double R_ = 0.0;          // radius of the vehicle's path, m
  double h_ = 0.0;          // height of the centre of gravity, m
  double crossfall_ = 0.0;  // radians, positive when favourable
  double V_ = 0.0;          // overturn speed, m/s
};

}  // namespace kelvara
