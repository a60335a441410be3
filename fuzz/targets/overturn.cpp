// The overturn page.
#include "harness.h"
#include "dynamics/overturn_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(OverturnPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtTrack)},
                {FUZZ_CONTROL(p, txtRadius)},
                {FUZZ_CONTROL(p, txth)},
                {FUZZ_CONTROL(p, txtCrossfall)},
                {FUZZ_CONTROL(p, txtCoefficient)},
                {FUZZ_CONTROL(p, txtSpeed), {"{######0.00}m/s     or      {######0.00} mph"}},
                {FUZZ_CONTROL(p, txtSkid),
                 {"Coefficient of friction not specified",
                  "The vehicle will skid rather than overturn.",
                  "The vehicle will overturn rather than skid."}}},
      .handlers = {FUZZ_HANDLER(p, cmdCalculate_Click), FUZZ_HANDLER(p, cmdClear_Click),
                   FUZZ_HANDLER(p, mnuEquation_Click), FUZZ_HANDLER(p, Picture1_Click),
                   FUZZ_HANDLER(p, lblHide_Click)},
      .captions = {{FUZZ_CONTROL(p, lblHide)}},
  };
}
