// The quadratic and stopping-distance page.
#include "harness.h"
#include "motion/quadratic_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(QuadraticPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtA), {"{######0.00000}"}},
                {FUZZ_CONTROL(p, txtb), {"{#######0.00}", "{######0.00}"}},
                {FUZZ_CONTROL(p, txtC), {"{######0.00}"}},
                {FUZZ_CONTROL(p, txtx),
                 {"{######0.00}", "{#####0.000}  or  {#####0.000}",
                  "{######0.000}  or  {######0.000}", "{#####0.000}  or  {#####0.00}",
                  "{######0.00}  m/s  or   {######0.00}  mph", "No real roots",
                  "Values out of range"}},
                {FUZZ_CONTROL(p, txtDeceleration)},
                {FUZZ_CONTROL(p, txtReaction), {"{######0.00}"}},
                {FUZZ_CONTROL(p, txtDistance)}},
      .handlers = {FUZZ_HANDLER(p, cmdCalcRoots_Click, &p.cmdCalcRoots),
                   FUZZ_HANDLER(p, cmdSpeed_Click, &p.cmdSpeed),
                   FUZZ_HANDLER(p, cmdClear2_Click, &p.cmdClear2), FUZZ_HANDLER(p, mnuHelp_Click)},
      .scrolls = {{FUZZ_CONTROL(p, HScroll1), [&p] { p.HScroll1_Change(); }}},
  };
}
