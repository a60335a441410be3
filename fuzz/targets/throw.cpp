// The pedestrian-throw page.
#include "harness.h"
#include "dynamics/throw_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(ThrowPage, p) {
  constexpr const char* kSpeed = "{####0.000}     m/s or     {####0.000} mph";
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtThrowDistance)},
                {FUZZ_CONTROL(p, txtCoefficient)},
                {FUZZ_CONTROL(p, txtAdult), {"{####0.000}     m/s  or    {####0.000} mph"}},
                {FUZZ_CONTROL(p, txtChild), {kSpeed}},
                {FUZZ_CONTROL(p, txtRounded), {kSpeed}},
                {FUZZ_CONTROL(p, txtVertical), {"{####0.000}     m/s or     {####0.000}mph"}},
                {FUZZ_CONTROL(p, txtMax), {kSpeed}},
                {FUZZ_CONTROL(p, txtMin), {kSpeed}},
                {FUZZ_CONTROL(p, txtZandor), {kSpeed}},
                {FUZZ_CONTROL(p, txtTorvane), {"{####0.000}     m/s  or     {####0.000} mph"}},
                {FUZZ_CONTROL(p, Text2), {}, false},
                {FUZZ_CONTROL(p, Text3), {}, false}},
      .handlers = {FUZZ_HANDLER(p, cmdThrow_Click), FUZZ_HANDLER(p, cmdClear1_Click),
                   FUZZ_HANDLER(p, mnuReferences_Click)},
      .optionGroups = {{{FUZZ_CONTROL(p, Option1), [&p] { p.Option1_Click(); }}}},
  };
}
