// The vault or flight page.
#include "harness.h"
#include "dynamics/flight_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(FlightPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtTheta)},
                {FUZZ_CONTROL(p, txth)},
                {FUZZ_CONTROL(p, txtL)},
                {FUZZ_CONTROL(p, txtVmph), {"{#####0.000}  m/s   or   {#####0.000}  mph"}}},
      .handlers = {FUZZ_HANDLER(p, cmdCalculate_Click), FUZZ_HANDLER(p, cmdClear_Click),
                   FUZZ_HANDLER(p, mnuNotes_Click), FUZZ_HANDLER(p, mnuEquation_Click),
                   FUZZ_HANDLER(p, pctEquation_Click), FUZZ_HANDLER(p, lblHide_Click)},
  };
}
