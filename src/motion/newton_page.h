#pragma once
// The linear-motion page: any three of u, v, s, a and t give the other two, with the mph
// figures of both speeds and the coefficient of friction of a deceleration.

#include <cstdint>
#include <string>

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class NewtonPage : public RecordsWorking {
 public:
  explicit NewtonPage(Dialogs& dialogs);
  PageDescription describe();

  Label lblHeading{"Newton's Equations of linear motion"};
  Label lblInstruction{" Type in any 3 values "};
  // Unit captions carry their blanks as they stand.
  Label lblu{"initial velocity u:  ms-1                    mph"};
  Label lblOrU{" or"};
  Label lblv{"final velocity v:   ms-1                     mph"};
  Label lblOrV{" or"};
  Label lbls{"Distance s:    metres"};
  Label lblA{"acceleration a:  ms-2             coefficient  "};
  Label lblOrA{" or"};
  Label lblmu{"\u03BCg gives negative acceleration"};
  Label lblt{"time t:          seconds"};
  Label lblCredit{"Kelvara Software Ltd, 2026"};
  TextBox txtu;     // initial velocity, m/s
  TextBox txtumph;  // initial velocity, mph
  TextBox txtv;     // final velocity, m/s
  TextBox txtVmph;  // final velocity, mph
  TextBox txts;     // distance, metres
  TextBox txtA;     // acceleration, m/s², negative for a deceleration
  TextBox txtmu;    // coefficient of friction standing for a deceleration
  TextBox txtt;     // time, seconds
  CommandButton cmdCalculate, cmdClear, cmdPrint, cmdMenu, cmdExit;
  MenuItem mnuHelp, mnuInfo, mnuAuthor, mnuAbout;

  void cmdCalculate_Click();
  void cmdClear_Click();
  void mnuInfo_Click();
  void mnuAuthor_Click();
  void mnuAbout_Click();

 private:
  enum class Companions { SpeedVFirst, SpeedUFirst };
  enum class InitialSpeed { Given, Computed };

  void calculate();
  void warnOfImplausibleInput();
  void applyCoefficient();
  void convertGivenMph();
  bool countIsThree();
  bool solveCase();
  bool refusesRootOrDivisor(double squaredSpeed, double a);
  void writeCompanions(Companions order, InitialSpeed initialSpeed);
  void finish();

  Dialogs& dialogs_;
  // The texts of the five quantities as this calculation reads them: taken when it starts
  // and replaced where the coefficient or an mph figure rewrites a box.
  std::string u_, v_, s_, t_, a_;
  std::int16_t emptyCount_ = 0;
  double coefficient_ = 0.0;  // the coefficient of friction last written
};

}  // namespace kelvara
