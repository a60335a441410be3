// The motorcycle and narrow-object crush page.
#include "harness.h"
#include "collision/cycle_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(CyclePage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtMass)},
                {FUZZ_CONTROL(p, txtCrush)},
                {FUZZ_CONTROL(p, txtEbs), {"{######0.00}  m/s   or   {######0.00}  mph"}},
                {FUZZ_CONTROL(p, txtMassofcar)},
                {FUZZ_CONTROL(p, txtCrushdepth)},
                {FUZZ_CONTROL(p, txtEbs2), {"{######0.00} m/s   or  {######0.00}  mph"}},
                {FUZZ_CONTROL(p, Text1), {}, false}},
      .handlers = {FUZZ_HANDLER(p, cmdCalculate_Click), FUZZ_HANDLER(p, cmdClear_Click),
                   FUZZ_HANDLER(p, cmdCalc_Click), FUZZ_HANDLER(p, cmdClear2_Click),
                   FUZZ_HANDLER(p, mnuMotorcycle_Click), FUZZ_HANDLER(p, mnuNarrow_Click),
                   FUZZ_HANDLER(p, Picture2_Click), FUZZ_HANDLER(p, Label2_Click),
                   FUZZ_HANDLER(p, Label3_Click), FUZZ_HANDLER(p, Picture1_Click),
                   FUZZ_HANDLER(p, Label1_Click), FUZZ_HANDLER(p, mnuNotes_Click)},
      .captions = {{FUZZ_CONTROL(p, Label1)}, {FUZZ_CONTROL(p, Label2)},
                   {FUZZ_CONTROL(p, Label3)}},
  };
}
