// The crush-analysis page.
#include "harness.h"
#include "collision/crush_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

FUZZ_PAGE(CrushPage, p) {
  constexpr const char* kDeltaV = "{########0.0} mph  or  {########0.0} m/s";
  return PageTable{
      .boxes = {{FUZZ_CONTROL(p, txtVehicle1model)},   {FUZZ_CONTROL(p, txtVehicle2model)},
                {FUZZ_CONTROL(p, txtCoefficientA1), {"{~}"}},
                {FUZZ_CONTROL(p, txtCoefficientA2), {"{~}"}},
                {FUZZ_CONTROL(p, txtCoefficientB1), {"{~}"}},
                {FUZZ_CONTROL(p, txtCoefficientB2), {"{~}"}},
                {FUZZ_CONTROL(p, txtWidthdamage1)},    {FUZZ_CONTROL(p, txtWidthdamage2)},
                {FUZZ_CONTROL(p, txtC11)}, {FUZZ_CONTROL(p, txtC21)}, {FUZZ_CONTROL(p, txtC31)},
                {FUZZ_CONTROL(p, txtC41)}, {FUZZ_CONTROL(p, txtC51)}, {FUZZ_CONTROL(p, txtC61)},
                {FUZZ_CONTROL(p, txtC12)}, {FUZZ_CONTROL(p, txtC22)}, {FUZZ_CONTROL(p, txtC32)},
                {FUZZ_CONTROL(p, txtC42)}, {FUZZ_CONTROL(p, txtC52)}, {FUZZ_CONTROL(p, txtC62)},
                {FUZZ_CONTROL(p, txtForceangle1)},     {FUZZ_CONTROL(p, txtForceangle2)},
                {FUZZ_CONTROL(p, txth1)},              {FUZZ_CONTROL(p, txth2)},
                {FUZZ_CONTROL(p, txtMass1)},           {FUZZ_CONTROL(p, txtMass2)},
                {FUZZ_CONTROL(p, txtEnergy1), {"{########0}"}},
                {FUZZ_CONTROL(p, txtEnergy2), {"{########0}"}},
                {FUZZ_CONTROL(p, txtForce1), {"{########0}"}},
                {FUZZ_CONTROL(p, txtForce2), {"{########0}"}},
                {FUZZ_CONTROL(p, txtEBS1), {"{########0.0}"}},
                {FUZZ_CONTROL(p, txtEBS2), {"{########0.0}"}},
                {FUZZ_CONTROL(p, txtDeltaV1), {kDeltaV}},
                {FUZZ_CONTROL(p, txtDeltaV2), {kDeltaV}},
                {FUZZ_CONTROL(p, Text1), {}, false}},
      .handlers =
          {FUZZ_HANDLER(p, mnuMinicar1_Click),     FUZZ_HANDLER(p, mnuSmallcar1_Click),
           FUZZ_HANDLER(p, mnuFamilycar1_Click),   FUZZ_HANDLER(p, mnuLargecar1_Click),
           FUZZ_HANDLER(p, mnuVerylargecar1_Click), FUZZ_HANDLER(p, mnuVan1_Click),
           FUZZ_HANDLER(p, mnuVanlarge1_Click),    FUZZ_HANDLER(p, mnuMPVsmall1_Click),
           FUZZ_HANDLER(p, mnuMPVlarge1_Click),    FUZZ_HANDLER(p, mnuPickupsmall1_Click),
           FUZZ_HANDLER(p, mnuPickuplarge1_Click), FUZZ_HANDLER(p, mnuTruck1_Click),
           FUZZ_HANDLER(p, mnuMinicar2_Click),     FUZZ_HANDLER(p, mnuSmallcar2_Click),
           FUZZ_HANDLER(p, mnuFamilycar2_Click),   FUZZ_HANDLER(p, mnuLargecar2_Click),
           FUZZ_HANDLER(p, mnuVerylargecar2_Click), FUZZ_HANDLER(p, mnuVan2_Click),
           FUZZ_HANDLER(p, mnuVanlarge2_Click),    FUZZ_HANDLER(p, mnuMPVsmall2_Click),
           FUZZ_HANDLER(p, mnuMPVlarge2_Click),    FUZZ_HANDLER(p, mnuPickupsmall2_Click),
           FUZZ_HANDLER(p, mnuPickuplarge2_Click), FUZZ_HANDLER(p, mnuTruck2_Click),
           FUZZ_HANDLER(p, mnuFront1_Click),       FUZZ_HANDLER(p, mnuRear1_Click),
           FUZZ_HANDLER(p, mnuSide1_Click),        FUZZ_HANDLER(p, mnuFront2_Click),
           FUZZ_HANDLER(p, mnuRear2_Click),        FUZZ_HANDLER(p, mnuSide2_Click),
           FUZZ_HANDLER(p, cmdCalculate7_Click),   FUZZ_HANDLER(p, cmdEdit_Click),
           FUZZ_HANDLER(p, cmdClear2_Click),       FUZZ_HANDLER(p, mnuInstructions_Click),
           FUZZ_HANDLER(p, mnuLimitations_Click),  FUZZ_HANDLER(p, mnuAbout_Click)},
      .captions = {{FUZZ_CONTROL(p, lblC1)}, {FUZZ_CONTROL(p, lblC2)}, {FUZZ_CONTROL(p, lblC3)},
                   {FUZZ_CONTROL(p, lblC4)}, {FUZZ_CONTROL(p, lblC5)}, {FUZZ_CONTROL(p, lblC6)}},
      .optionGroups = {{{FUZZ_CONTROL(p, opt2readings), [&p] { p.opt2readings_Click(); }},
                        {FUZZ_CONTROL(p, opt4readings), [&p] { p.opt4readings_Click(); }},
                        {FUZZ_CONTROL(p, opt6readings), [&p] { p.opt6readings_Click(); }}}},
  };
}
