// The linear-motion page.
#include "harness.h"
#include "motion/newton_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(NewtonPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtu), {"{###0.000} ms-1", "{###0.000}"}},
                {FUZZ_CONTROL(p, txtumph), {"{###0.000} mph", "{###0.000}mph"}},
                {FUZZ_CONTROL(p, txtv), {"{###0.000}  ms-1", "{###0.000} ms-1", "{###0.000}"}},
                {FUZZ_CONTROL(p, txtVmph), {"{###0.000} mph"}},
                {FUZZ_CONTROL(p, txts), {"{###0.000} metres"}},
                {FUZZ_CONTROL(p, txtA), {"{###0.000} ms-2", "{~} ms-2"}},
                {FUZZ_CONTROL(p, txtmu), {"{###0.000}"}},
                {FUZZ_CONTROL(p, txtt), {"{###0.000} seconds"}}},
      .handlers = {FUZZ_HANDLER(p, cmdCalculate_Click, &p.cmdCalculate),
                   FUZZ_HANDLER(p, cmdClear_Click, &p.cmdClear), FUZZ_HANDLER(p, mnuInfo_Click),
                   FUZZ_HANDLER(p, mnuAuthor_Click), FUZZ_HANDLER(p, mnuAbout_Click)},
  };
}
