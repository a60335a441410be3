#pragma once
// The long-vehicle page: how far the rear wheels of a rigid or an articulated vehicle cut in
// towards the inside of a turn, recomputed as the investigator scrolls through the radii.

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class TrailerPage {
 public:
  explicit TrailerPage(Dialogs& dialogs);

  // Articulated vehicle.
  TextBox txtd;
  TextBox txtb;
  TextBox txtp;
  TextBox txtm;
  ScrollBar HScroll1;
  TextBox txtR;
  TextBox txtCutIn;
  // Rigid vehicle.
  TextBox txtL;
  ScrollBar HScrollR;
  TextBox txtR2;
  TextBox txtCut;
  // The two vehicle diagrams.
  PictureBox Picture1;
  PictureBox Picture2;

  void HScroll1_Change();
  void HScrollR_Change();
  void cmdClear_Click();
  void mnuInstructions_Click();
  // Before the program ends.
  void cmdExit_Click();

 private:
  Dialogs& dialogs_;
};

}  // namespace kelvara
