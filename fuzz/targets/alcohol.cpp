// The blood-alcohol page.
#include "harness.h"
#include "human/alcohol_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(AlcoholPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtWeight)},
                {FUZZ_CONTROL(p, txtReading)},
                {FUZZ_CONTROL(p, txtTimeoftest)},
                {FUZZ_CONTROL(p, txtTimeofevent)},
                {.name = "txtStrength", .box = &p.txtStrength,
                 .change = [&p] { p.txtStrength_Change(); }},
                {FUZZ_CONTROL(p, txtBloodevent), {"{#####00.0}  mg/100ml"}},
                {FUZZ_CONTROL(p, txtBreathevent), {"{#####0.0}  microgm/100ml"}},
                {FUZZ_CONTROL(p, txtUrineevent), {"{#####0.0}  mg/100ml"}},
                {FUZZ_CONTROL(p, txtTotalalcohol), {"{#####0.0}  grams"}},
                {FUZZ_CONTROL(p, txtPints), {"{####0.0}  pints"}}},
      .handlers = {FUZZ_HANDLER(p, cmdCalculate_Click), FUZZ_HANDLER(p, cmdClear_Click),
                   FUZZ_HANDLER(p, mnuNotes_Click), FUZZ_HANDLER(p, mnuLimits_Click),
                   FUZZ_HANDLER(p, mnuEffects_Click)},
      .captions = {{FUZZ_CONTROL(p, lblReading)}, {FUZZ_CONTROL(p, lblPercent)}},
      .optionGroups = {{{FUZZ_CONTROL(p, optMale)}, {FUZZ_CONTROL(p, optFemale)}},
                       {{FUZZ_CONTROL(p, optBlood), [&p] { p.optBlood_Click(); }},
                        {FUZZ_CONTROL(p, optBreath), [&p] { p.optBreath_Click(); }},
                        {FUZZ_CONTROL(p, optUrine), [&p] { p.optUrine_Click(); }}}},
  };
}
