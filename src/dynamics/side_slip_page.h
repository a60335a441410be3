#pragma once
// The side-slip page: the mean effective coefficient of friction of a yawing or spinning
// vehicle between two points on its path.

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class SideSlipPage {
 public:
  explicit SideSlipPage(Dialogs& dialogs);

  TextBox Text2;      // angle A at the first point
  TextBox txtAngleB;  // angle B at the second point
  TextBox txtAct;
  TextBox txtRoll;
  TextBox txtfriction2;
  Label Label7;  // typical rolling coefficients
  PictureBox Picture2;

  void Form_Load();
  void cmdCalculate_Click();
  void cmdClear_Click();
  void mnuReferences_Click();

 private:
  void calculate();

  Dialogs& dialogs_;
};

}  // namespace kelvara
