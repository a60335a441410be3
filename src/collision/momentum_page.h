#pragma once
// The momentum page: the pre-impact speeds of two vehicles in an angled collision from
// their masses, their post-impact directions and speeds and vehicle 2's pre-impact direction.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class MomentumPage : public RecordsWorking {
 public:
  explicit MomentumPage(Dialogs& dialogs);
  PageDescription describe();

  Label lblMomentum{"Momentum calculations:"};
  Label lblInstructions{
      "Draw a sketch showing the pre-impact and post impact directions of each vehicle."};
  Label lblInstructions5{
      "Align the initial direction of travel of the lighter vehicle (1) with the Y-axis"};
  Label lblInstructions3{"Measure all angles clockwise from the direction of travel of vehicle 1"};
  Label lblInstructions4{"Fill in all boxes except for the pre-impact speeds of both vehicles."};
  Label lblInstructions2{
      "Speeds can be in either m/s or mph but not both in the same calculation."};
  Label lblVehicleA{"Vehicle 1"};
  Label lblVehicleB{"Vehicle 2"};
  Label Label14{"Input"};
  Label lblPreImpactone{"0"};  // vehicle 1's pre-impact direction: the axis itself
  Label Label15{"Output"};
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
  Label lblMperS1, lblMperS2;
  Label lblSelect{"Select speed units "};
  OptionButton optMph, optMperS;
  Label Label13{
      "These calculations are for angled collisions where the speeds of both vehciels are "
      "unknown but  should not be used where the pre-impact vehicle directions are within 20 "
      "degrees of being in line. "};
  CommandButton cmdCalculate4, cmdClear4, CmdPrint, cmdMenu4, cmdExit4;
  PictureBox Picture1;
  TextBox Text1;  // credit line
  MenuItem mnuNotes;

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
