// Timings of the page logic without the toolkit: every page's main handler on its worked
// example, the three pages' scroll handlers across the whole range of their bars, and the
// field rules on the texts investigators type and the pages write.
//
// The inputs are typed again before every run, because a handler writes its own boxes; the
// run before the timing and the last timed run are checked against the worked example's
// figures, so that a page that gives a wrong answer fails here instead of looking fast.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/quiet_dialogs.h"
#include "collision/crush_page.h"
#include "collision/cycle_page.h"
#include "collision/momentum_page.h"
#include "dynamics/curve_page.h"
#include "dynamics/flight_page.h"
#include "dynamics/max_speed_page.h"
#include "dynamics/overturn_page.h"
#include "dynamics/partial_braking_page.h"
#include "dynamics/side_slip_page.h"
#include "dynamics/throw_page.h"
#include "dynamics/trailer_page.h"
#include "fields/field_text.h"
#include "human/alcohol_page.h"
#include "human/reaction_page.h"
#include "location/longitude_latitude_page.h"
#include "location/sun_page.h"
#include "location/uk_grid_page.h"
#include "motion/newton_page.h"
#include "motion/quadratic_page.h"
#include "shell/menu_page.h"

namespace {

using namespace kelvara;
using bench::QuietDialogs;

void skipUnless(benchmark::State& state, bool right, const std::string& what) {
  if (!right) state.SkipWithError(("wrong result: " + what).c_str());
}

// type fills the page as in the example, handler is the command, check names what is wrong
// with the page's results (empty when they are right).
template <class Page, class Type, class Handler, class Check>
void timeHandler(benchmark::State& state, Page& page, Type type, Handler handler, Check check) {
  type(page);
  handler(page);
  if (const std::string wrong = check(page); !wrong.empty()) {
    state.SkipWithError(("wrong result: " + wrong).c_str());
    return;
  }
  for (auto _ : state) {
    type(page);
    handler(page);
    benchmark::ClobberMemory();
  }
  skipUnless(state, check(page).empty(), check(page));
}

// An empty text when box holds expected, else what it holds.
std::string expect(const TextBox& box, const char* expected) {
  return box.text == expected ? std::string() : "\"" + box.text + "\", not \"" + expected + "\"";
}

void Newton_cmdCalculate(benchmark::State& state) {
  QuietDialogs dialogs;
  NewtonPage page(dialogs);
  timeHandler(
      state, page,
      [](NewtonPage& p) {
        for (TextBox* box : {&p.txtu, &p.txtumph, &p.txtv, &p.txtVmph, &p.txts, &p.txtA, &p.txtmu,
                             &p.txtt})
          box->text.clear();
        p.txtu.text = "0";
        p.txtA.text = "2";
        p.txtt.text = "3";
      },
      [](NewtonPage& p) { p.cmdCalculate_Click(); },
      [](const NewtonPage& p) { return expect(p.txtv, "6.000  ms-1") + expect(p.txts, "9.000 metres"); });
}

void typeStoppingExample(QuadraticPage& p) {
  p.txtDeceleration.text = "7";
  p.txtReaction.text = "1";
  p.txtDistance.text = "50";
}

void Quadratic_cmdSpeed(benchmark::State& state) {
  QuietDialogs dialogs;
  QuadraticPage page(dialogs);
  timeHandler(state, page, typeStoppingExample, [](QuadraticPage& p) { p.cmdSpeed_Click(); },
              [](const QuadraticPage& p) {
                return expect(p.txtx, "20.37  m/s  or   45.56  mph");
              });
}

void Curve_Command1(benchmark::State& state) {
  QuietDialogs dialogs;
  CurvePage page(dialogs);
  timeHandler(
      state, page,
      [](CurvePage& p) {
        for (TextBox* box : {&p.txtChord, &p.txtOrdinate, &p.txtCriticalSpeed}) box->text.clear();
        p.txtRadius.text = "100";
        p.txtDeceleration.text = "0.7";
        p.txtCamber.text = "0";
      },
      [](CurvePage& p) { p.Command1_Click(); },
      [](const CurvePage& p) {
        return expect(p.txtCriticalSpeed, "26.205  m/s       or        58.619 mph");
      });
}

void PartialBraking_cmdCalculate(benchmark::State& state) {
  QuietDialogs dialogs;
  PartialBrakingPage page(dialogs);
  timeHandler(
      state, page,
      [](PartialBrakingPage& p) {
        p.txtHL.text = "0.25";
        p.txtTruemu.text = "0.8";
        p.txtWf.text = "0.6";
        p.txtGradient.text = "0";
        p.chkFn.value = true;
        p.chkFo.value = true;
        p.chkRn.value = false;
        p.chkRo.value = false;
      },
      [](PartialBrakingPage& p) { p.cmdCalculate_Click(); },
      [](const PartialBrakingPage& p) { return expect(p.txtMue, "0.600"); });
}

void MaxSpeed_cmdCalculate(benchmark::State& state) {
  QuietDialogs dialogs;
  MaxSpeedPage page(dialogs);
  timeHandler(
      state, page,
      [](MaxSpeedPage& p) {
        p.txtRoadwidth.text = "7.3";
        p.txtr.text = "20";
        p.txttheta.text = "90";
        p.txtCrossfall.text = "3";
        p.txtCarwidth.text = "1.8";
        p.txtCoefficient.text = "0.8";
      },
      [](MaxSpeedPage& p) { p.cmdCalculate_Click(); },
      [](const MaxSpeedPage& p) {
        return expect(p.txtMaxradius, "38.78 metres") +
               expect(p.txtMaxspeed, "18.40 m/s   or   41.15  mph");
      });
}

void Overturn_cmdCalculate(benchmark::State& state) {
  QuietDialogs dialogs;
  OverturnPage page(dialogs);
  timeHandler(
      state, page,
      [](OverturnPage& p) {
        p.txtTrack.text = "1.5";
        p.txtRadius.text = "50";
        p.txth.text = "0.55";
        p.txtCrossfall.text = "5";
        p.txtCoefficient.text = "0.8";
      },
      [](OverturnPage& p) { p.cmdCalculate_Click(); },
      [](const OverturnPage& p) { return expect(p.txtSpeed, "28.43m/s     or      63.59 mph"); });
}

void SideSlip_cmdCalculate(benchmark::State& state) {
  QuietDialogs dialogs;
  SideSlipPage page(dialogs);
  page.Form_Load();
  timeHandler(
      state, page,
      [](SideSlipPage& p) {
        p.Text2.text = "10";
        p.txtAngleB.text = "370";
        p.txtAct.text = "0.7";
        p.txtRoll.text = "0.015";
      },
      [](SideSlipPage& p) { p.cmdCalculate_Click(); },
      [](const SideSlipPage& p) { return expect(p.txtfriction2, "0.445"); });
}

void Flight_cmdCalculate(benchmark::State& state) {
  QuietDialogs dialogs;
  FlightPage page(dialogs);
  timeHandler(
      state, page,
      [](FlightPage& p) {
        p.txtTheta.text = "0";
        p.txth.text = "-2";
        p.txtL.text = "20";
      },
      [](FlightPage& p) { p.cmdCalculate_Click(); },
      [](const FlightPage& p) { return expect(p.txtVmph, "31.321  m/s   or   70.063  mph"); });
}

void Throw_cmdThrow(benchmark::State& state) {
  QuietDialogs dialogs;
  ThrowPage page(dialogs);
  timeHandler(
      state, page,
      [](ThrowPage& p) {
        p.txtThrowDistance.text = "14";
        p.txtCoefficient.text = "0.7";
      },
      [](ThrowPage& p) { p.cmdThrow_Click(); },
      [](const ThrowPage& p) {
        return expect(p.txtAdult, "14.142     m/s  or    31.635 mph") +
               expect(p.txtZandor, "13.064     m/s or     29.223 mph");
      });
}

void typeArticulatedExample(TrailerPage& p) {
  p.txtd.text = "7.5";
  p.txtb.text = "2.5";
  p.txtp.text = "3.5";
  p.txtm.text = "0.5";
}

void Trailer_HScroll1(benchmark::State& state) {
  QuietDialogs dialogs;
  TrailerPage page(dialogs);
  timeHandler(state, page, typeArticulatedExample, [](TrailerPage& p) { p.HScroll1_Change(); },
              [](const TrailerPage& p) {
                return expect(p.txtR, "15.00") + expect(p.txtCutIn, "2.29");
              });
}

void Momentum_cmdCalculate4(benchmark::State& state) {
  QuietDialogs dialogs;
  MomentumPage page(dialogs);
  timeHandler(
      state, page,
      [](MomentumPage& p) {
        p.txtMassA.text = "1000";
        p.txtMassB.text = "1500";
        p.txtDirectionpreB.text = "90";
        p.txtDirectionpostA.text = "45";
        p.txtDirectionpostB.text = "60";
        p.txtpostimpactspeedA.text = "10";
        p.txtPostimpactspeedB.text = "8";
      },
      [](MomentumPage& p) { p.cmdCalculate4_Click(); },
      [](const MomentumPage& p) {
        return expect(p.txtPreimpactspeedA, "13.071") + expect(p.txtPreimpactspeedB, "11.642");
      });
}

void Crush_cmdCalculate7(benchmark::State& state) {
  QuietDialogs dialogs;
  CrushPage page(dialogs);
  // Two family cars head on: the categories fill in the stiffness coefficients.
  page.mnuFamilycar1_Click();
  page.mnuFamilycar2_Click();
  page.mnuFront1_Click();
  page.mnuFront2_Click();
  timeHandler(
      state, page,
      [](CrushPage& p) {
        for (TextBox* cell : {&p.txtC11, &p.txtC21, &p.txtC12, &p.txtC22}) cell->text = "20";
        for (TextBox* box : {&p.txtWidthdamage1, &p.txtWidthdamage2}) box->text = "100";
        for (TextBox* box : {&p.txtForceangle1, &p.txtForceangle2, &p.txth1, &p.txth2})
          box->text = "0";
        p.txtMass1.text = "1300";
        p.txtMass2.text = "1300";
      },
      [](CrushPage& p) { p.cmdCalculate7_Click(); },
      [](const CrushPage& p) {
        return expect(p.txtEnergy1, "18257") + expect(p.txtDeltaV2, "11.9 mph  or  5.3 m/s");
      });
}

void Cycle_cmdCalculate(benchmark::State& state) {
  QuietDialogs dialogs;
  CyclePage page(dialogs);
  timeHandler(
      state, page,
      [](CyclePage& p) {
        p.txtMass.text = "200";
        p.txtCrush.text = "0.5";
      },
      [](CyclePage& p) { p.cmdCalculate_Click(); },
      [](const CyclePage& p) { return expect(p.txtEbs, "11.92  m/s   or   26.67  mph"); });
}

void Cycle_cmdCalc(benchmark::State& state) {
  QuietDialogs dialogs;
  CyclePage page(dialogs);
  timeHandler(
      state, page,
      [](CyclePage& p) {
        p.txtMassofcar.text = "1300";
        p.txtCrushdepth.text = "0.3";
      },
      [](CyclePage& p) { p.cmdCalc_Click(); },
      [](const CyclePage& p) { return expect(p.txtEbs2, "7.43 m/s   or  16.63  mph"); });
}

void Alcohol_cmdCalculate(benchmark::State& state) {
  QuietDialogs dialogs;
  AlcoholPage page(dialogs);
  page.optBlood.value = false;
  page.optBreath.value = true;
  page.optBreath_Click();
  timeHandler(
      state, page,
      [](AlcoholPage& p) {
        p.txtWeight.text = "80";
        p.txtReading.text = "50";
        p.txtTimeoftest.text = "2300";
        p.txtTimeofevent.text = "2200";
        p.txtStrength.text = "4";
      },
      [](AlcoholPage& p) { p.cmdCalculate_Click(); },
      [](const AlcoholPage& p) {
        return expect(p.txtBloodevent, "129.3  mg/100ml") + expect(p.txtPints, "3.7  pints");
      });
}

// The reference page has no command: loading it writes its tables.
void Reaction_Form_Load(benchmark::State& state) {
  for (auto _ : state) {
    ReactionPage page;
    benchmark::DoNotOptimize(page.Text19.text.data());
  }
  ReactionPage page;
  skipUnless(state, !page.Text1.text.empty(), "the walking-speed table is empty");
}

void UKGrid_cmdCalculate(benchmark::State& state) {
  QuietDialogs dialogs;
  UKGridPage page(dialogs);
  timeHandler(
      state, page,
      [](UKGridPage& p) {
        p.txtLaDeg.text = "52";
        p.txtLaMin.text = "39";
        p.txtLaSec.text = "27.2531";
        p.txtLoDeg.text = "1";
        p.txtLoMin.text = "43";
        p.txtLoSec.text = "4.5177";
        p.optEast.value = true;
        p.optWest.value = false;
      },
      [](UKGridPage& p) { p.cmdCalculate_Click(); },
      [](const UKGridPage& p) {
        return expect(p.txtE, "651410") + expect(p.txtResult, "TG   51410   13177");
      });
}

void LongitudeLatitude_cmdCalculate(benchmark::State& state) {
  QuietDialogs dialogs;
  LongitudeLatitudePage page(dialogs);
  page.Option1.value = true;
  page.Option1_Click();
  timeHandler(
      state, page,
      [](LongitudeLatitudePage& p) {
        p.txtE.text = "651409";
        p.txtN.text = "313177";
      },
      [](LongitudeLatitudePage& p) { p.cmdCalculate_Click(); },
      [](const LongitudeLatitudePage& p) {
        return expect(p.txtLaDeg, "52") + expect(p.txtLaMin, "39") + expect(p.txtLoMin, "43") +
               expect(p.txtEastWest, " E");
      });
}

void typeLondonAtNoon(SunPage& p) {
  p.txtYear.text = "2004";
  p.txtMonth.text = "3";
  p.txtDay.text = "21";
  p.txtHour.text = "12";
  p.txtMinutes.text = "0";
  p.txtLatDeg.text = "51";
  p.txtLatMin.text = "30";
  p.txtLongDeg.text = "0";
  p.txtLongMin.text = "7";
}

void Sun_cmdCalc(benchmark::State& state) {
  QuietDialogs dialogs;
  SunPage page(dialogs);
  timeHandler(state, page, typeLondonAtNoon, [](SunPage& p) { p.cmdCalc_Click(); },
              [](const SunPage& p) {
                return expect(p.txtAltDeg, " 38") + expect(p.txtAltMin, " 57") +
                       expect(p.txtAzDeg, " 177") + expect(p.txtAboveBelow, "Above Horizon");
              });
}

class SilentBeeper : public Beeper {
 public:
  void beep() override {}
};

void Menu_cmdOK(benchmark::State& state) {
  QuietDialogs dialogs;
  SilentBeeper beeper;
  MenuPage page(dialogs, beeper, [] { return TimerState::Milliseconds{0}; }, 0,
                "Monday,7 December, 2026");
  for (OptionButton& option : page.options) option.value = false;
  page.options.back().value = true;
  for (auto _ : state) benchmark::DoNotOptimize(page.cmdOK_Click());
  skipUnless(state, std::string(page.cmdOK_Click()) == "frmSideSlip", "the chosen page");
}

// One step of a running stopwatch: what the menu window does ten times a second.
void Stopwatch_tick(benchmark::State& state) {
  QuietDialogs dialogs;
  SilentBeeper beeper;
  TimerState::Milliseconds now = 0;
  MenuPage page(dialogs, beeper, [&now] { return now; }, 0, "Monday,7 December, 2026");
  page.cmdStart_MouseDown();
  for (auto _ : state) {
    now += TimerState::kTickStep;
    page.myTimer.tick();
  }
  skipUnless(state, page.txtStopwatch.text == TimerState::displayText(now / 10),
             "the stopwatch shows " + page.txtStopwatch.text);
}

// ---- Scroll handlers across the whole bar, one run per position as the form gives them.

// Runs the handler for every position of the bar from its minimum to its maximum; returns
// the number of positions.
template <class Page>
int sweep(Page& page, ScrollBar& bar, void (Page::*handler)()) {
  for (int value = bar.minimum; value <= bar.maximum; ++value) {
    bar.value = value;
    (page.*handler)();
  }
  return bar.maximum - bar.minimum + 1;
}

void Sun_HScroll1_sweep(benchmark::State& state) {
  QuietDialogs dialogs;
  SunPage page(dialogs);
  typeLondonAtNoon(page);
  page.cmdCalc_Click();
  int positions = 0;
  for (auto _ : state) positions = sweep(page, page.HScroll1, &SunPage::HScroll1_Change);
  state.counters["positions"] = positions;
  skipUnless(state, page.txtHour.text == " 24" && page.txtAboveBelow.text == "Below Horizon",
             "midnight reads " + page.txtHour.text + " " + page.txtAboveBelow.text);
}

void Quadratic_HScroll1_sweep(benchmark::State& state) {
  QuietDialogs dialogs;
  QuadraticPage page(dialogs);
  typeStoppingExample(page);
  page.cmdSpeed_Click();
  int positions = 0;
  for (auto _ : state) positions = sweep(page, page.HScroll1, &QuadraticPage::HScroll1_Change);
  state.counters["positions"] = positions;
  skipUnless(state, page.txtReaction.text == "2.50", "the longest reaction reads " + page.txtReaction.text);
}

void Trailer_HScroll1_sweep(benchmark::State& state) {
  QuietDialogs dialogs;
  TrailerPage page(dialogs);
  typeArticulatedExample(page);
  int positions = 0;
  for (auto _ : state) positions = sweep(page, page.HScroll1, &TrailerPage::HScroll1_Change);
  state.counters["positions"] = positions;
  skipUnless(state, page.txtR.text == "500.00" && dialogs.shown == 0,
             "the largest radius reads " + page.txtR.text);
}

void Trailer_HScrollR_sweep(benchmark::State& state) {
  QuietDialogs dialogs;
  TrailerPage page(dialogs);
  page.txtL.text = "20";
  int positions = 0;
  for (auto _ : state) positions = sweep(page, page.HScrollR, &TrailerPage::HScrollR_Change);
  state.counters["positions"] = positions;
  skipUnless(state, page.txtR2.text == "500.00", "the largest radius reads " + page.txtR2.text);
}

// ---- The field rules on typical texts.

void FieldValue(benchmark::State& state) {
  const std::string texts[] = {"12.5", "  -6.867 ms-2", "13.411mph", "0.7", "", "abc", "1e3"};
  for (auto _ : state)
    for (const std::string& text : texts) benchmark::DoNotOptimize(fieldValue(text));
  state.SetItemsProcessed(state.iterations() * std::size(texts));
}

void NumericText(benchmark::State& state) {
  const std::string texts[] = {"0.7", " 12 ", "1.2.3", "-", "6.867 ms-2"};
  for (auto _ : state)
    for (const std::string& text : texts) benchmark::DoNotOptimize(isNumericText(text));
  state.SetItemsProcessed(state.iterations() * std::size(texts));
}

void ShortestText(benchmark::State& state) {
  const double values[] = {6.867, 0.1 + 0.2, 13.41120, -1e-7, 651410.0};
  for (auto _ : state)
    for (double value : values) benchmark::DoNotOptimize(shortestText(value));
  state.SetItemsProcessed(state.iterations() * std::size(values));
}

void MaskFormat(benchmark::State& state) {
  const std::pair<double, const char*> cases[] = {
      {13.4224, "###0.000"}, {2.675, "#####0.00"}, {-0.589, "###0.000"},
      {132800.0, "########0"}, {0.0714285714, "0.00000"}};
  for (auto _ : state)
    for (const auto& [value, mask] : cases) benchmark::DoNotOptimize(maskFormat(value, mask));
  state.SetItemsProcessed(state.iterations() * std::size(cases));
  skipUnless(state, maskFormat(2.675, "#####0.00") == "2.68", "2.675 to two decimals");
}

}  // namespace

BENCHMARK(Newton_cmdCalculate);
BENCHMARK(Quadratic_cmdSpeed);
BENCHMARK(Curve_Command1);
BENCHMARK(PartialBraking_cmdCalculate);
BENCHMARK(MaxSpeed_cmdCalculate);
BENCHMARK(Overturn_cmdCalculate);
BENCHMARK(SideSlip_cmdCalculate);
BENCHMARK(Flight_cmdCalculate);
BENCHMARK(Throw_cmdThrow);
BENCHMARK(Trailer_HScroll1);
BENCHMARK(Momentum_cmdCalculate4);
BENCHMARK(Crush_cmdCalculate7);
BENCHMARK(Cycle_cmdCalculate);
BENCHMARK(Cycle_cmdCalc);
BENCHMARK(Alcohol_cmdCalculate);
BENCHMARK(Reaction_Form_Load);
BENCHMARK(UKGrid_cmdCalculate);
BENCHMARK(LongitudeLatitude_cmdCalculate);
BENCHMARK(Sun_cmdCalc);
BENCHMARK(Menu_cmdOK);
BENCHMARK(Stopwatch_tick);
BENCHMARK(Sun_HScroll1_sweep)->Unit(benchmark::kMicrosecond);
BENCHMARK(Quadratic_HScroll1_sweep)->Unit(benchmark::kMicrosecond);
BENCHMARK(Trailer_HScroll1_sweep)->Unit(benchmark::kMicrosecond);
BENCHMARK(Trailer_HScrollR_sweep)->Unit(benchmark::kMicrosecond);
BENCHMARK(FieldValue);
BENCHMARK(NumericText);
BENCHMARK(ShortestText);
BENCHMARK(MaskFormat);

BENCHMARK_MAIN();
