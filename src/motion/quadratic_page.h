#pragma once
// The quadratic-equation page: solves A·x² + B·x + C = 0, or, from a deceleration, a
// reaction time and an available distance, the speed from which a driver can just react
// and stop (the positive root of x²/(2a) + t·x − D = 0). A scroll bar varies the reaction
// time from 0.00 to 2.50 s and recomputes at once.

#include <string>

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class QuadraticPage : public RecordsWorking {
 public:
  explicit QuadraticPage(Dialogs& dialogs);
  PageDescription describe();

  Label lblHeading{"Quadratic Equations:"};
  Label lblEither{"EITHER complete the three boxes at the bottom of the form OR"};
  Label lblRearrange{"re-arrange your equation into the form Ax^2 + Bx + C = 0   "};
  Label lblTypeIn{"and then type in your values of A, B and C"};
  // Coefficients: typed, or filled in from the three lower boxes.
  Label lblA{"       A = "};
  TextBox txtA;
  Label lblB{"        B ="};
  TextBox txtb;
  Label lblC{"       C = "};
  TextBox txtC;
  // The roots, or the speed line; disabled until a calculation writes it.
  Label lblOutput{"Output"};
  Label lblX{"       x ="};
  TextBox txtx;
  CommandButton cmdCalcRoots;
  Label lblNote{
      "Note: To calculate the speed, 'x' m/s,  from which a driver can react and stop in a "
      "given distance, 'D' metres, under a deceleration 'a' m/s/s,  use A = 1/(2a), B = "
      "reaction time, and C = -D. Choose the positive value of x.  Your can input the "
      "relevant parameters in the boxes below. Leave the boxes above empty, they will be "
      "filled in for you.  Use the scroll bar to vary the reaction time.  "};
  // The reaction-stop speed.
  Label lblCalculateSpeed{"Calculate Speed"};
  Label lblDeceleration{"Deceleration in m/s/s"};
  TextBox txtDeceleration;  // a, m/s², entered as a positive number
  Label lblReaction{"Reaction time /seconds"};
  TextBox txtReaction;  // t, seconds
  Label lblDistance{"Available stopping distance"};
  TextBox txtDistance;  // D, metres
  Label lblScrollRange{"Scroll bar for reaction times in the range"};
  Label lblScrollLimits{"0.00 to 2.50 seconds"};
  ScrollBar HScroll1;  // reaction time in hundredths of a second
  CommandButton cmdSpeed, cmdClear2, cmdMenu1, Exit;
  Label lblCredit{"Kelvara Software Ltd, 2026"};
  MenuItem mnuHelp;

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
