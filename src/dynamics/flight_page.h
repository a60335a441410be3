#pragma once
// The flight page: the speed at which a vehicle left the ground over an edge, a ramp or a
// hill brow, from its flight distance, the height of the landing point and the slope angle.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class FlightPage : public RecordsWorking {
 public:
  explicit FlightPage(Dialogs& dialogs);
  PageDescription describe();

  TextBox txtTheta, txth, txtL, txtVmph;
  PictureBox Picture1;
  // The equation, shown over the diagram from the menu; a click on it or its label hides it.
  PictureBox pctEquation;
  Label lblHide{"Click this box to hide it."};
  CommandButton cmdCalculate, cmdClear, cmdMenu, cmdExit;
  MenuItem mnuNotes, mnuEquation;

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
