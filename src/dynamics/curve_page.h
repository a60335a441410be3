#pragma once
// The critical-speed page: curve geometry, the critical speed on a cambered curve (or the
// camber or coefficient that goes with a given speed) and the critical speed under braking.

#include <cstdint>
#include <string>

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class CurvePage : public RecordsWorking {
 public:
  explicit CurvePage(Dialogs& dialogs);
  PageDescription describe();

  // Geometry box.
  Label lblTypein1{"Type in the Radius of Curvature on its own OR any two of the following "
                   "values:"};
  TextBox txtRadius, txtChord, txtOrdinate;
  // Critical-speed box.
  Label lblInstructions3{"Type in any two of the following values:"};
  TextBox txtDeceleration, txtCamber, txtCriticalSpeed;
  Label lblLabel6;
  // Vertical profile.
  TextBox txtVerticalRadius;
  Label Label6{
      "If you are taking into account the vertical profile of the road, use surveyed data to "
      "determine the vertical radius of curvature and change the default value  here. A convex "
      "surface or hill brow will have a positive radius. A concave surface or dip will have a "
      "negative radius. The default value for a surface which is level or has a constant "
      "longitudinal gradient is infinity."};
  // Braked box: Text3 and txtCritSpBraked are boxes that show fixed headings.
  Label lblBraked;
  TextBox Text3, txta2, txtCritSpBraked, txtBraked;
  CommandButton Command1, cmdCalcBraked, cmdClear, cmdMenu2, cmdExit2;
  MenuItem mnuNotes;

  void Command1_Click();
  void cmdCalcBraked_Click();
  void cmdClear_Click();
  void mnuNotes_Click();

 private:
  void readGeometryAndFriction();
  void calculateGeometry();
  void countLowerBox();
  void writeCriticalSpeed();
  void writeCamber();
  void writeCoefficient();
  void enableBrakedBox();
  std::string typedCriticalSpeed() const;

  Dialogs& dialogs_;

  // Page values, read afresh by each calculation and kept between clicks.
  double R_ = 0.0;      // radius of curvature, m
  double C_ = 0.0;      // chord, m
  double M_ = 0.0;      // middle ordinate, m
  double a_ = 0.0;      // friction deceleration, m/s²
  double theta_ = 0.0;  // camber, radians
  double VR_ = 0.0;     // vertical radius, m
  double V_ = 0.0;      // critical speed, m/s
  std::int16_t count_ = 0;  // filled boxes of the critical-speed box
  double ab_ = 0.0;     // braking deceleration, m/s²
  double af_ = 0.0;     // friction deceleration for the braked step, m/s²
};

}  // namespace kelvara
