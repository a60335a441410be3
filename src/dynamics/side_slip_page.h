#pragma once
// The side-slip page: the mean effective coefficient of friction of a yawing or spinning
// vehicle between two points on its path.

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class SideSlipPage : public RecordsWorking {
 public:
  explicit SideSlipPage(Dialogs& dialogs);
  PageDescription describe();

  Label Label2{
      "Select two points on the path taken by the vehicle. Measure the angle of yaw or the "
      "total angle of spin, A degrees, at the first point. At the second point measure the "
      "angle of yaw or spin, B degrees, with respect to the direction of heading at the first "
      "point. "};
  PictureBox Picture2;
  TextBox Text2;      // angle A at the first point
  TextBox txtAngleB;  // angle B at the second point
  TextBox txtAct, txtRoll, txtfriction2;
  Label Label6{
      "This module calculates the effective coefficient of friction over the distance d when "
      "no braking is applied. The angle B may be greater than 360 degrees for a spinning "
      "vehicle. Note that B is measured from the heading direction at the first selected "
      "point. "};
  Label Label7;  // typical rolling coefficients
  CommandButton cmdCalculate, cmdClear, cmdMenu, cmdExit;
  MenuItem mnuReferences;

  void Form_Load();
  void cmdCalculate_Click();
  void cmdClear_Click();
  void mnuReferences_Click();

 private:
  void calculate();

  Dialogs& dialogs_;
};

}  // namespace kelvara
