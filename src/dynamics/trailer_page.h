#pragma once
// The long-vehicle page: how far the rear wheels of a rigid or an articulated vehicle cut in
// towards the inside of a turn, recomputed as the investigator scrolls through the radii.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class TrailerPage : public RecordsWorking {
 public:
  explicit TrailerPage(Dialogs& dialogs);
  PageDescription describe();

  // Articulated vehicle.
  TextBox txtd, txtb, txtp, txtm;
  ScrollBar HScroll1;
  TextBox txtR, txtCutIn;
  // Rigid vehicle.
  TextBox txtL;
  ScrollBar HScrollR;
  TextBox txtR2, txtCut;
  // The two vehicle diagrams.
  PictureBox Picture1, Picture2;
  CommandButton cmdClear, cmdMenu, cmdExit;
  MenuItem mnuInstructions;

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
