// The momentum page.
#include "harness.h"
#include "collision/momentum_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(MomentumPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtMassA)},
                {FUZZ_CONTROL(p, txtMassB)},
                {FUZZ_CONTROL(p, txtDirectionpreB)},
                {FUZZ_CONTROL(p, txtDirectionpostA)},
                {FUZZ_CONTROL(p, txtDirectionpostB)},
                {FUZZ_CONTROL(p, txtpostimpactspeedA)},
                {FUZZ_CONTROL(p, txtPostimpactspeedB)},
                {FUZZ_CONTROL(p, txtPreimpactspeedA), {"{####0.000}"}},
                {FUZZ_CONTROL(p, txtPreimpactspeedB), {"{####0.000}"}},
                {FUZZ_CONTROL(p, Text1), {}, false}},
      .handlers = {FUZZ_HANDLER(p, cmdCalculate4_Click), FUZZ_HANDLER(p, cmdClear4_Click),
                   FUZZ_HANDLER(p, mnuNotes_Click)},
      .captions = {{FUZZ_CONTROL(p, lblMperS1)}, {FUZZ_CONTROL(p, lblMperS2)}},
      .optionGroups = {{{FUZZ_CONTROL(p, optMph), [&p] { p.optMph_Click(); }},
                        {FUZZ_CONTROL(p, optMperS), [&p] { p.optMperS_Click(); }}}},
  };
}
