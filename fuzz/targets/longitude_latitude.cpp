// The grid reference to latitude and longitude page.
#include "harness.h"
#include "location/longitude_latitude_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(LongitudeLatitudePage, p) {
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtE)},
                {FUZZ_CONTROL(p, txtN)},
                {.name = "txtTwoLetter", .box = &p.txtTwoLetter, .echoesTyping = true},
                {FUZZ_CONTROL(p, txtEastings)},
                {FUZZ_CONTROL(p, txtNorthings)},
                {FUZZ_CONTROL(p, txtLaDeg), {"{~}"}},
                {FUZZ_CONTROL(p, txtLaMin), {"{~}"}},
                {FUZZ_CONTROL(p, txtLaSec), {"{~}"}},
                {FUZZ_CONTROL(p, txtLoDeg), {"{~}"}},
                {FUZZ_CONTROL(p, txtLoMin), {"{~}"}},
                {FUZZ_CONTROL(p, txtLoSec), {"{~}"}},
                {FUZZ_CONTROL(p, txtEastWest), {" W", " E"}}},
      .handlers = {FUZZ_HANDLER(p, cmdCalculate_Click), FUZZ_HANDLER(p, cmdClear_Click),
                   FUZZ_HANDLER(p, mnuNotes_Click)},
      .optionGroups = {{{FUZZ_CONTROL(p, Option1), [&p] { p.Option1_Click(); }},
                        {FUZZ_CONTROL(p, Option2), [&p] { p.Option2_Click(); }}}},
  };
}
