#pragma once
// The flight page: the speed at which a vehicle left the ground over an edge, a ramp or a
// hill brow, from its flight distance, the height of the landing point and the slope angle.

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class FlightPage {
 public:
  explicit FlightPage(Dialogs& dialogs);

  TextBox txtTheta;
  TextBox txth;
  TextBox txtL;
  TextBox txtVmph;
  PictureBox Picture1;
  PictureBox pctEquation;

  void cmdCalculate_Click();
  void cmdClear_Click();
  void mnuNotes_Click();
  void mnuEquation_Click();
  void pctEquation_Click();
  void lblHide_Click();

 private:
  Dialogs& dialogs_;

  // Page values, overwritten by each Calculate.
  double theta_ = 0.0;  // launch angle, radians
  double h_ = 0.0;      // height of the landing point above the launch point, m
  double L_ = 0.0;      // horizontal flight distance, m
};

}  // namespace kelvara
