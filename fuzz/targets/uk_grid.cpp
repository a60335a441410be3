// The latitude and longitude to grid reference page.
#include "harness.h"
#include "location/uk_grid_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(UKGridPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtLaDeg)},
                {FUZZ_CONTROL(p, txtLaMin)},
                {FUZZ_CONTROL(p, txtLaSec)},
                {FUZZ_CONTROL(p, txtLoDeg)},
                {FUZZ_CONTROL(p, txtLoMin)},
                {FUZZ_CONTROL(p, txtLoSec)},
                {FUZZ_CONTROL(p, txtE), {"{0#####}"}},
                {FUZZ_CONTROL(p, txtN), {"{0#####}"}},
                {FUZZ_CONTROL(p, txtResult), {"{*}"}}},
      .handlers = {FUZZ_HANDLER(p, cmdCalculate_Click), FUZZ_HANDLER(p, cmdClear_Click),
                   FUZZ_HANDLER(p, mnuNotes_Click)},
      .optionGroups = {{{FUZZ_CONTROL(p, optEast)}, {FUZZ_CONTROL(p, optWest)}}},
  };
}
