#pragma once
// The throw page: eight estimates of the impact speed on a pedestrian from the throw
// distance, four of them needing the friction between the body and the ground.

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class ThrowPage {
 public:
  explicit ThrowPage(Dialogs& dialogs);

  TextBox txtThrowDistance;
  TextBox txtCoefficient;
  TextBox txtAdult;
  TextBox txtChild;
  TextBox txtRounded;
  TextBox txtVertical;
  TextBox txtMax;
  TextBox txtMin;
  TextBox txtZandor;
  TextBox txtTorvane;
  // References box.
  TextBox Text2;
  TextBox Text3;
  OptionButton Option1;

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
