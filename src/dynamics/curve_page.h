#pragma once
// The critical-speed page: curve geometry, the critical speed on a cambered curve (or the
// camber or coefficient that goes with a given speed) and the critical speed under braking.

#include <cstdint>
#include <string>

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class CurvePage {
 public:
  explicit CurvePage(Dialogs& dialogs);

  // Geometry box.
  TextBox txtRadius;
  TextBox txtChord;
  TextBox txtOrdinate;
  // Critical-speed box.
  TextBox txtDeceleration;
  TextBox txtCamber;
  TextBox txtCriticalSpeed;
  Label lblLabel6;
  // Vertical profile.
  TextBox txtVerticalRadius;
  // Braked box: Text3 and txtCritSpBraked are boxes that show fixed headings.
  Label lblBraked;
  TextBox Text3;
  TextBox txta2;
  TextBox txtCritSpBraked;
  TextBox txtBraked;
  CommandButton Command1;
  CommandButton cmdCalcBraked;

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
