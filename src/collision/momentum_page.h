#pragma once
// The momentum page: the pre-impact speeds of two vehicles in an angled collision from
// their masses, their post-impact directions and speeds and vehicle 2's pre-impact direction.

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class MomentumPage {
 public:
  explicit MomentumPage(Dialogs& dialogs);

  TextBox txtMassA;             // m1, kg
  TextBox txtMassB;             // m2, kg
  TextBox txtDirectionpreB;     // φ2, degrees
  TextBox txtDirectionpostA;    // φ1', degrees
  TextBox txtDirectionpostB;    // φ2', degrees
  TextBox txtpostimpactspeedA;  // v1
  TextBox txtPostimpactspeedB;  // v2
  TextBox txtPreimpactspeedA;   // u1, result
  TextBox txtPreimpactspeedB;   // u2, result
  // The speed unit, shown beside the post-impact and the pre-impact speeds; choosing it
  // converts nothing.
  Label lblMperS1;
  Label lblMperS2;
  OptionButton optMph;
  OptionButton optMperS;
  PictureBox Picture1;
  TextBox Text1;  // credit line

  void cmdCalculate4_Click();
  void cmdClear4_Click();
  void optMperS_Click();
  void optMph_Click();
  void mnuNotes_Click();

 private:
  void setUnitLabels(const char* caption);

  Dialogs& dialogs_;
};

}  // namespace kelvara
