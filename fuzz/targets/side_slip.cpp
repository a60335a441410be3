// The side-slip page.
#include "harness.h"
#include "dynamics/side_slip_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(SideSlipPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, Text2)},
                {FUZZ_CONTROL(p, txtAngleB)},
                {FUZZ_CONTROL(p, txtAct)},
                {FUZZ_CONTROL(p, txtRoll)},
                {FUZZ_CONTROL(p, txtfriction2), {"{###0.000}"}}},
      .handlers = {FUZZ_HANDLER(p, Form_Load), FUZZ_HANDLER(p, cmdCalculate_Click),
                   FUZZ_HANDLER(p, cmdClear_Click), FUZZ_HANDLER(p, mnuReferences_Click)},
      .captions = {{FUZZ_CONTROL(p, Label7)}},
  };
}
