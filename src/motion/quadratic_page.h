#pragma once
// The quadratic-equation page: solves A·x² + B·x + C = 0, or, from a deceleration, a
// reaction time and an available distance, the speed from which a driver can just react
// and stop (the positive root of x²/(2a) + t·x − D = 0). A scroll bar varies the reaction
// time from 0.00 to 2.50 s and recomputes at once.

#include <string>

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara {

class QuadraticPage {
 public:
  explicit QuadraticPage(Dialogs& dialogs);

  // Coefficients: typed, or filled in from the three lower boxes.
  TextBox txtA;
  TextBox txtb;
  TextBox txtC;
  // The roots, or the speed line; disabled until a calculation writes it.
  TextBox txtx;
  TextBox txtDeceleration;  // a, m/s², entered as a positive number
  TextBox txtReaction;      // t, seconds
  TextBox txtDistance;      // D, metres
  ScrollBar HScroll1;       // reaction time in hundredths of a second
  CommandButton cmdCalcRoots;
  CommandButton cmdSpeed;
  CommandButton cmdClear2;

  void cmdCalcRoots_Click();
  void cmdSpeed_Click();
  void HScroll1_Change();
  void cmdClear2_Click();
  void mnuHelp_Click();

 private:
  struct DoubleRootMasks {
    const char* first;
    const char* second;
  };
  // The quadratic from A, B and C once the linear cases are out of the way, then the speed
  // line when a deceleration is given.
  void solveQuadraticCase(double a, double b, double c, DoubleRootMasks doubleRootMasks);
  void solve();
  void showOutOfRange();

  Dialogs& dialogs_;
};

}  // namespace kelvara
