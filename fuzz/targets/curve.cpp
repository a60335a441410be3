// The critical-speed page.
#include "harness.h"
#include "dynamics/curve_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(CurvePage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtRadius), {"{#####0.000}  metres"}},
                {FUZZ_CONTROL(p, txtChord), {"{#####0.000}  metres"}},
                {FUZZ_CONTROL(p, txtOrdinate), {"{####0.000}"}},
                {FUZZ_CONTROL(p, txtDeceleration), {"{####0.000}"}},
                {FUZZ_CONTROL(p, txtCamber), {"{####0.000} degrees"}},
                {FUZZ_CONTROL(p, txtCriticalSpeed),
                 {"{n} m/s       or       {####0.000}  mph",
                  "{~} m/s       or       {####0.000}  mph",
                  "{#####0.000}  m/s       or        {####0.000} mph"}},
                {FUZZ_CONTROL(p, txtVerticalRadius), {"Infinity"}},
                {FUZZ_CONTROL(p, Text3), {}, false},
                {FUZZ_CONTROL(p, txta2)},
                {FUZZ_CONTROL(p, txtCritSpBraked), {}, false},
                {FUZZ_CONTROL(p, txtBraked), {"{#####0.000} m/s or {#####0.000} mph"}}},
      .handlers = {FUZZ_HANDLER(p, Command1_Click, &p.Command1),
                   FUZZ_HANDLER(p, cmdCalcBraked_Click, &p.cmdCalcBraked),
                   FUZZ_HANDLER(p, cmdClear_Click), FUZZ_HANDLER(p, mnuNotes_Click)},
      .captions = {{FUZZ_CONTROL(p, lblLabel6)}, {FUZZ_CONTROL(p, lblBraked)}},
  };
}
