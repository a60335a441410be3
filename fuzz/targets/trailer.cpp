// The trailer and rigid-vehicle cut-in page.
#include "harness.h"
#include "dynamics/trailer_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(TrailerPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtd)},
                {FUZZ_CONTROL(p, txtb)},
                {FUZZ_CONTROL(p, txtp)},
                {FUZZ_CONTROL(p, txtm)},
                {FUZZ_CONTROL(p, txtR), {"{######0.00}"}},
                {FUZZ_CONTROL(p, txtCutIn), {"{#######0.00}"}},
                {FUZZ_CONTROL(p, txtL)},
                {FUZZ_CONTROL(p, txtR2), {"{######0.00}"}},
                {FUZZ_CONTROL(p, txtCut), {"{######0.00}"}}},
      .handlers = {FUZZ_HANDLER(p, cmdClear_Click), FUZZ_HANDLER(p, mnuInstructions_Click),
                   FUZZ_HANDLER(p, cmdExit_Click)},
      .scrolls = {{FUZZ_CONTROL(p, HScroll1), [&p] { p.HScroll1_Change(); }},
                  {FUZZ_CONTROL(p, HScrollR), [&p] { p.HScrollR_Change(); }}},
  };
}
