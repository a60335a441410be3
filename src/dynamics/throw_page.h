#pragma once
// The throw page: eight estimates of the impact speed on a pedestrian from the throw
// distance, four of them needing the friction between the body and the ground.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class ThrowPage : public RecordsWorking {
 public:
  explicit ThrowPage(Dialogs& dialogs);
  PageDescription describe();

  TextBox txtThrowDistance, txtCoefficient, txtAdult, txtChild, txtRounded, txtVertical, txtMax;
  TextBox txtMin, txtZandor, txtTorvane;
  // References box.
  TextBox Text2, Text3;
  OptionButton Option1;
  CommandButton cmdThrow, cmdClear1, CmdPrint, cmdMenu5, cmdExit5;
  MenuItem mnuReferences;

  void cmdThrow_Click();
  void cmdClear1_Click();
  void mnuReferences_Click();
  void Option1_Click();

 private:
  // The seven result boxes that are disabled until a Calculate.
  void enableResults(bool enabled);

  Dialogs& dialogs_;
};

}  // namespace kelvara
