// The maximum speed on a bend.
#include "harness.h"
#include "dynamics/max_speed_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(MaxSpeedPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtRoadwidth)},
                {FUZZ_CONTROL(p, txtr)},
                {FUZZ_CONTROL(p, txttheta)},
                {FUZZ_CONTROL(p, txtCoefficient)},
                {FUZZ_CONTROL(p, txtCrossfall)},
                {FUZZ_CONTROL(p, txtCarwidth)},
                {FUZZ_CONTROL(p, txtMaxradius), {"{#####0.00} metres"}},
                {FUZZ_CONTROL(p, txtMaxspeed), {"{#####0.00} m/s   or   {#####0.00}  mph"}}},
      .handlers = {FUZZ_HANDLER(p, cmdCalculate_Click), FUZZ_HANDLER(p, cmdClear_Click),
                   FUZZ_HANDLER(p, mnuReference_Click)},
  };
}
