// The position of the sun.
#include "harness.h"
#include "location/sun_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(SunPage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtYear)},
                {FUZZ_CONTROL(p, txtMonth)},
                {FUZZ_CONTROL(p, txtDay)},
                {FUZZ_CONTROL(p, txtHour), {" {~}"}},
                {FUZZ_CONTROL(p, txtMinutes), {" {~}"}},
                {FUZZ_CONTROL(p, txtLatDeg)},
                {FUZZ_CONTROL(p, txtLatMin)},
                {FUZZ_CONTROL(p, txtLongDeg)},
                {FUZZ_CONTROL(p, txtLongMin)},
                {FUZZ_CONTROL(p, txtAltDeg), {" {~}"}},
                {FUZZ_CONTROL(p, txtAltMin), {" {~}"}},
                {FUZZ_CONTROL(p, txtAzDeg), {" {~}"}},
                {FUZZ_CONTROL(p, txtAzMin), {" {~}"}},
                {FUZZ_CONTROL(p, txtAboveBelow), {"Below Horizon", "Above Horizon"}}},
      .handlers = {FUZZ_HANDLER(p, cmdCalc_Click), FUZZ_HANDLER(p, Command3_Click),
                   FUZZ_HANDLER(p, cmdClearAll_Click), FUZZ_HANDLER(p, mnuBST_Click),
                   FUZZ_HANDLER(p, mnuSunRiseSet_Click), FUZZ_HANDLER(p, Notes_Click)},
      .scrolls = {{FUZZ_CONTROL(p, HScroll1), [&p] { p.HScroll1_Change(); }}},
      .optionGroups = {{{FUZZ_CONTROL(p, optLatNorth)}, {FUZZ_CONTROL(p, optLatSouth)}},
                       {{FUZZ_CONTROL(p, optLongEast)}, {FUZZ_CONTROL(p, optLongWest)}}},
  };
}
