// The partial-braking page.
#include "harness.h"
#include "dynamics/partial_braking_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(PartialBrakingPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtHL)},
                {FUZZ_CONTROL(p, txtTruemu)},
                {FUZZ_CONTROL(p, txtWf)},
                {FUZZ_CONTROL(p, txtGradient)},
                {FUZZ_CONTROL(p, txtMue), {"{###0.000}"}}},
      .handlers = {FUZZ_HANDLER(p, cmdCalculate_Click), FUZZ_HANDLER(p, cmdClear_Click),
                   FUZZ_HANDLER(p, mnuNotes_Click)},
      .checks = {{FUZZ_CONTROL(p, chkFn)}, {FUZZ_CONTROL(p, chkFo)}, {FUZZ_CONTROL(p, chkRn)},
                 {FUZZ_CONTROL(p, chkRo)}},
  };
}
