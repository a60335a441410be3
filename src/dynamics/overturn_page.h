#pragma once
// The overturn page: the speed at which a vehicle overturns on a bend, whether it would skid
// first, and the equation picture.

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class OverturnPage {
 public:
  explicit OverturnPage(Dialogs& dialogs);

  TextBox txtTrack;
  TextBox txtRadius;
  TextBox txth;
  TextBox txtCrossfall;
  TextBox txtCoefficient;
  TextBox txtSpeed;
  TextBox txtSkid;
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
