// The worked examples, page by page. Each gives the boxes, options and scroll positions as
// typed or chosen, the handlers in the order the investigator uses them, and the exact
// texts the page then shows, with every message it shows on the way.

#include "shell/worked_examples.h"

namespace kelvara {

namespace {

constexpr const char* kPageExample = "Worked example of the page";
constexpr const char* kOrdnanceSurvey =
    "Ordnance Survey, published worked example of the National Grid projection";
constexpr const char* kOrdnanceSurveyInverse =
    "Ordnance Survey, published worked example of the National Grid projection, back to "
    "latitude and longitude";
constexpr const char* kAlmanac = "Astronomical almanac, worked example of the Sun's position";

// Messages the examples show.
constexpr const char* kNegativeTime =
    "Your values have resulted in a negative time. / Clear all boxes and try again.";
constexpr const char* kCoefficientAboveUnity = "Warning! / Coefficient is greater than unity";
constexpr const char* kDecelerationAboveUnity =
    "Warning! / Your deceleration rate is equivalent to a coefficient of friction greater "
    "than unity.";
constexpr const char* kOneValueInLowerBox =
    "You need two values in the lower box. / You have typed in only one value.";
constexpr const char* kCurveNegativeRoot =
    "Your values have resulted in a negative square root. / Try again.";
constexpr const char* kVerticalRadiusTooSmall =
    "Your value for the vertical radius is too small for / the equation to be valid. / The "
    "value about to be calculated is for a constant longitudinal gradient.";
constexpr const char* kDownhill =
    "The negative effective coefficient means that the vehicle will actually accelerate down "
    "the hill.";
constexpr const char* kMuAboveUnity = "Mu should not be greater than unity";
constexpr const char* kNearlyInLine =
    "Your pre-direction angle for vehicle 2 is within 20 degrees of being in line. Errors in "
    "the calculated speeds can increase markedly with small angles.";
constexpr const char* kRatherHigh = "Your coefficient of friction seems rather high!";
constexpr const char* kSkids = "The vehicle will skid rather than overturn.";
constexpr const char* kOverturns = "The vehicle will overturn rather than skid.";

std::vector<WorkedExample> linearMotion() {
  const char* page = "frmNewton";
  const ExampleStep calculate = press("cmdCalculate_Click");
  return {
      {page,
       kPageExample,
       "u = 0, a = 2, t = 3",
       {give("txtu", "0"), give("txtA", "2"), give("txtt", "3"), calculate},
       {{"txtv", "6.000  ms-1"},
        {"txts", "9.000 metres"},
        {"txtVmph", "13.422 mph"},
        {"txtumph", "0.000mph"},
        {"txtmu", ""}},
       {},
       {}},
      {page,
       kPageExample,
       "u of 30 mph, a = -7, t = 2",
       {give("txtumph", "30"), give("txtA", "-7"), give("txtt", "2"), calculate},
       {{"txtu", "13.411"},
        {"txtv", "-0.589  ms-1"},
        {"txts", "12.822 metres"},
        {"txtVmph", "-1.318 mph"},
        {"txtumph", "30"},
        {"txtmu", "0.714"}},
       {},
       {}},
      {page,
       kPageExample,
       "coefficient 0.7 for the deceleration, u = 20, s = 10",
       {give("txtu", "20"), give("txts", "10"), give("txtmu", "0.7"), calculate},
       {{"txtA", "-6.867 ms-2"},
        {"txtv", "16.207 ms-1"},
        {"txtt", "0.552 seconds"},
        {"txtumph", "44.739mph"},
        {"txtVmph", "36.254 mph"},
        {"txtmu", "0.700"}},
       {},
       {}},
      {page,
       kPageExample,
       "coefficient 1.2 with the acceleration empty, u = 20, s = 10",
       {give("txtu", "20"), give("txts", "10"), give("txtmu", "1.2"), calculate},
       {{"txtA", "-11.772 ms-2"},
        {"txtv", "12.828 ms-1"},
        {"txtt", "0.609 seconds"},
        {"txtmu", "1.200"}},
       {kCoefficientAboveUnity},
       {}},
      {page,
       kPageExample,
       "u = 10, a = -5, s = 10 stops exactly",
       {give("txtu", "10"), give("txtA", "-5"), give("txts", "10"), calculate},
       {{"txtv", "0.000 ms-1"},
        {"txtt", "2.000 seconds"},
        {"txtumph", "22.369mph"},
        {"txtVmph", "0.000 mph"},
        {"txtmu", "0.510"}},
       {},
       {}},
      {page,
       kPageExample,
       "u = 10, v = 10, s = 50 is a steady speed",
       {give("txtu", "10"), give("txtv", "10"), give("txts", "50"), calculate},
       {{"txtA", "0.000 ms-2"}, {"txtt", "5.000 seconds"}, {"txtmu", ""}},
       {},
       {}},
      {page,
       kPageExample,
       "u = 10, v = 20, a = -5 gives a negative time",
       {give("txtu", "10"), give("txtv", "20"), give("txtA", "-5"), calculate},
       {{"txtt", "-2.000 seconds"}, {"txts", "-30.000 metres"}, {"txtmu", ""}},
       {kNegativeTime},
       {}},
      {page,
       kPageExample,
       "a = -14.715 gives the coefficient 1.500",
       {give("txtu", "29.43"), give("txtv", "0"), give("txtA", "-14.715"), calculate},
       {{"txts", "29.430 metres"}, {"txtt", "2.000 seconds"}, {"txtmu", "1.500"}},
       {kDecelerationAboveUnity},
       {}},
      {page,
       kPageExample,
       "a = -15 leaves the coefficient as it was",
       {give("txtu", "30"), give("txtA", "-15"), give("txtt", "1"), calculate},
       {{"txtv", "15.000  ms-1"}, {"txts", "22.500 metres"}, {"txtmu", ""}},
       {kDecelerationAboveUnity},
       {}},
  };
}

std::vector<WorkedExample> quadratic() {
  const char* page = "frmQuadratic";
  const ExampleStep roots = press("cmdCalcRoots_Click");
  const std::vector<ExampleStep> stopping{give("txtDeceleration", "7"), give("txtReaction", "1"),
                                          give("txtDistance", "50"), press("cmdSpeed_Click")};
  std::vector<ExampleStep> scrolled = stopping;
  scrolled.push_back(give("HScroll1", "150"));
  scrolled.push_back(press("HScroll1_Change"));
  return {
      {page,
       kPageExample,
       "deceleration 7, reaction time 1, distance 50",
       stopping,
       {{"txtA", "0.07143"},
        {"txtb", "1.00"},
        {"txtC", "-50.00"},
        {"txtx", "20.37  m/s  or   45.56  mph"}},
       {},
       {}},
      {page,
       kPageExample,
       "A = 1, B = -3, C = 2",
       {give("txtA", "1"), give("txtb", "-3"), give("txtC", "2"), roots},
       {{"txtx", "2.000  or  1.000"}},
       {},
       {}},
      {page,
       kPageExample,
       "A = 1, B = 2, C = 1 has a double root",
       {give("txtA", "1"), give("txtb", "2"), give("txtC", "1"), roots},
       {{"txtx", "-1.000  or  -1.000"}},
       {},
       {}},
      {page,
       kPageExample,
       "A = 1, B = 0, C = 1 has no real roots",
       {give("txtA", "1"), give("txtb", "0"), give("txtC", "1"), roots},
       {{"txtx", "No real roots"}},
       {},
       {}},
      {page,
       kPageExample,
       "A typed as 0, B = 2, C = -4 is linear",
       {give("txtA", "0"), give("txtb", "2"), give("txtC", "-4"), roots},
       {{"txtx", "2.00"}},
       {},
       {}},
      {page,
       kPageExample,
       "A typed as 0.0, B = 2, C = -4",
       {give("txtA", "0.0"), give("txtb", "2"), give("txtC", "-4"), roots},
       {{"txtx", "No real roots"}},
       {},
       {}},
      {page,
       kPageExample,
       "the stopping example with the scroll bar moved to 1.50 s",
       scrolled,
       {{"txtb", "1.50"}, {"txtReaction", "1.50"}, {"txtx", "17.96  m/s  or   40.19  mph"}},
       {},
       {}},
  };
}

std::vector<WorkedExample> curve() {
  const char* page = "frmCurve";
  const ExampleStep calculate = press("Command1_Click");
  const char* radius50Speed = "18.530  m/s       or        41.450 mph";
  const char* levelSpeed = "26.205  m/s       or        58.619 mph";
  return {
      {page,
       kPageExample,
       "radius 50 and middle ordinate 2 give the chord",
       {give("txtRadius", "50"), give("txtOrdinate", "2"), give("txtDeceleration", "0.7"),
        give("txtCamber", "0"), calculate},
       {{"txtChord", "28.000  metres"}, {"txtCriticalSpeed", radius50Speed}},
       {},
       {}},
      {page,
       kPageExample,
       "chord 28 and middle ordinate 2 give the radius",
       {give("txtChord", "28"), give("txtOrdinate", "2"), give("txtDeceleration", "0.7"),
        give("txtCamber", "0"), calculate},
       {{"txtRadius", "50.000  metres"}, {"txtCriticalSpeed", radius50Speed}},
       {},
       {}},
      {page,
       kPageExample,
       "radius 50 and chord 28 give the middle ordinate",
       {give("txtRadius", "50"), give("txtChord", "28"), give("txtDeceleration", "0.7"),
        give("txtCamber", "0"), calculate},
       {{"txtOrdinate", "2.000"}, {"txtCriticalSpeed", radius50Speed}},
       {},
       {}},
      {page,
       kPageExample,
       "radius 10 and middle ordinate 30 have no chord",
       {give("txtRadius", "10"), give("txtOrdinate", "30"), give("txtDeceleration", "0.7"),
        give("txtCamber", "0"), calculate},
       {{"txtRadius", ""}, {"txtChord", ""}, {"txtOrdinate", "0.000"}},
       {kCurveNegativeRoot},
       {}},
      {page,
       kPageExample,
       "radius 100, coefficient 0.7, no camber, level road",
       {give("txtRadius", "100"), give("txtDeceleration", "0.7"), give("txtCamber", "0"),
        give("txtVerticalRadius", "Infinity"), calculate},
       {{"txtCriticalSpeed", levelSpeed}, {"lblLabel6", "Critical Speed:"}},
       {},
       {}},
      {page,
       kPageExample,
       "radius 100, coefficient 0.7, camber left empty",
       {give("txtRadius", "100"), give("txtDeceleration", "0.7"), calculate},
       {{"txtCriticalSpeed", levelSpeed}, {"txtCamber", "0.000 degrees"}},
       {kOneValueInLowerBox},
       {}},
      {page,
       kPageExample,
       "radius 100, coefficient 0.7, braking at 5 m/s/s",
       {give("txtRadius", "100"), give("txtDeceleration", "0.7"), give("txtCamber", "0"), calculate,
        give("txta2", "5"), press("cmdCalcBraked_Click")},
       {{"txtBraked", "21.696 m/s or 48.532 mph"}},
       {},
       {}},
      {page,
       kPageExample,
       "vertical radius -20 is too small for a dip",
       {give("txtRadius", "100"), give("txtDeceleration", "0.7"), give("txtCamber", "0"),
        give("txtVerticalRadius", "-20"), calculate},
       {{"txtVerticalRadius", "Infinity"}, {"txtCriticalSpeed", levelSpeed}},
       {kVerticalRadiusTooSmall},
       {}},
      {page,
       kPageExample,
       "critical speed 30 typed on radius 100 gives the camber",
       {give("txtRadius", "100"), give("txtDeceleration", "0.7"), give("txtCriticalSpeed", "30"),
        calculate},
       {{"txtCriticalSpeed", "30 m/s       or       67.108  mph"}, {"txtCamber", "12.267 degrees"}},
       {},
       {}},
      {page,
       kPageExample,
       "braking at exactly 9.81 times the coefficient is accepted",
       {give("txtRadius", "100"), give("txtDeceleration", "0.7"), give("txtCamber", "0"), calculate,
        give("txta2", "6.867"), press("cmdCalcBraked_Click")},
       {{"txtBraked", "0.000 m/s or 0.000 mph"}},
       {},
       {}},
  };
}

std::vector<WorkedExample> partialBraking() {
  const char* page = "frmPartialbraking";
  const ExampleStep calculate = press("cmdCalculate_Click");
  // μ 0.8, braking height ratio 0.25, front weight 0.6 on the level, and the brakes marked.
  auto car = [&](std::vector<const char*> brakes) {
    std::vector<ExampleStep> steps{give("txtTruemu", "0.8"), give("txtHL", "0.25"),
                                   give("txtWf", "0.6"), give("txtGradient", "0")};
    for (const char* brake : brakes) steps.push_back(give(brake, "True"));
    steps.push_back(calculate);
    return steps;
  };
  return {
      {page,
       kPageExample,
       "all four brakes, coefficient 0.7, level road",
       {give("txtTruemu", "0.7"), give("txtGradient", "0"), give("chkFn", "True"),
        give("chkFo", "True"), give("chkRn", "True"), give("chkRo", "True"), calculate},
       {{"txtMue", "0.700"}},
       {},
       {}},
      {page,
       kPageExample,
       "both front brakes only",
       car({"chkFn", "chkFo"}),
       {{"txtMue", "0.600"}},
       {},
       {}},
      {page,
       kPageExample,
       "both rear brakes only",
       car({"chkRn", "chkRo"}),
       {{"txtMue", "0.267"}},
       {},
       {}},
      {page, kPageExample, "one rear brake only", car({"chkRn"}), {{"txtMue", "0.145"}}, {}, {}},
      {page,
       kPageExample,
       "both brakes of the nearside",
       car({"chkFn", "chkRn"}),
       {{"txtMue", "0.400"}},
       {},
       {}},
      {page,
       kPageExample,
       "front nearside with rear offside",
       car({"chkFn", "chkRo"}),
       {{"txtMue", "0.400"}},
       {},
       {}},
      {page,
       kPageExample,
       "front offside with rear nearside",
       car({"chkFo", "chkRn"}),
       {{"txtMue", "0.400"}},
       {},
       {}},
      {page,
       kPageExample,
       "all four brakes, coefficient 0.1, 10 degrees downhill",
       {give("txtTruemu", "0.1"), give("txtGradient", "-10"), give("chkFn", "True"),
        give("chkFo", "True"), give("chkRn", "True"), give("chkRo", "True"), calculate},
       {{"txtMue", "-0.075"}},
       {kDownhill},
       {}},
      {page,
       kPageExample,
       "all four brakes, coefficient 1.2",
       {give("txtTruemu", "1.2"), give("txtGradient", "0"), give("chkFn", "True"),
        give("chkFo", "True"), give("chkRn", "True"), give("chkRo", "True"), calculate},
       {{"txtMue", "1.200"}},
       {kMuAboveUnity},
       {}},
  };
}

std::vector<WorkedExample> maxSpeed() {
  const char* page = "frmMaxspeed";
  auto bend = [](const char* crossfall) {
    return std::vector<ExampleStep>{
        give("txtRoadwidth", "7.3"), give("txtCarwidth", "1.8"),    give("txtr", "20"),
        give("txttheta", "90"),      give("txtCoefficient", "0.8"), give("txtCrossfall", crossfall),
        press("cmdCalculate_Click")};
  };
  return {
      {page,
       kPageExample,
       "road 7.3, vehicle 1.8, inside radius 20, 90 degrees, level",
       bend("0"),
       {{"txtMaxradius", "38.78 metres"}, {"txtMaxspeed", "17.45 m/s   or   39.02  mph"}},
       {},
       {}},
      {page,
       kPageExample,
       "the same bend with a favourable crossfall of 3 degrees",
       bend("3"),
       {{"txtMaxradius", "38.78 metres"}, {"txtMaxspeed", "18.40 m/s   or   41.15  mph"}},
       {},
       {}},
      {page,
       kPageExample,
       "a coefficient of 0 leaves the crossfall alone",
       {give("txtRoadwidth", "7.3"), give("txtCarwidth", "1.8"), give("txtr", "20"),
        give("txttheta", "90"), give("txtCoefficient", "0"), give("txtCrossfall", "3"),
        press("cmdCalculate_Click")},
       {{"txtMaxradius", "38.78 metres"}, {"txtMaxspeed", "4.47 m/s   or   9.99  mph"}},
       {},
       {}},
  };
}

std::vector<WorkedExample> overturn() {
  const char* page = "frmOverturn";
  auto vehicle = [](const char* track, const char* radius, const char* height,
                    const char* crossfall, const char* coefficient) {
    return std::vector<ExampleStep>{give("txtTrack", track),
                                    give("txtRadius", radius),
                                    give("txth", height),
                                    give("txtCrossfall", crossfall),
                                    give("txtCoefficient", coefficient),
                                    press("cmdCalculate_Click")};
  };
  return {
      {page,
       kPageExample,
       "track 1.5, height 0.55, radius 50, level, coefficient 0.8",
       vehicle("1.5", "50", "0.55", "0", "0.8"),
       {{"txtSpeed", "25.86m/s     or      57.85 mph"}, {"txtSkid", kSkids}},
       {},
       {}},
      {page,
       kPageExample,
       "the same vehicle on a favourable crossfall of 5 degrees",
       vehicle("1.5", "50", "0.55", "5", "0.8"),
       {{"txtSpeed", "28.43m/s     or      63.59 mph"}, {"txtSkid", kSkids}},
       {},
       {}},
      {page,
       kPageExample,
       "track 1.8, height 1.8, radius 30, coefficient 0.7",
       vehicle("1.8", "30", "1.8", "0", "0.7"),
       {{"txtSpeed", "12.13m/s     or      27.14 mph"}, {"txtSkid", kOverturns}},
       {},
       {}},
      {page,
       kPageExample,
       "coefficient 1.2 is shown with a warning",
       vehicle("1.5", "50", "0.55", "0", "1.2"),
       {{"txtSpeed", "25.86m/s     or      57.85 mph"}, {"txtSkid", kSkids}},
       {kRatherHigh},
       {}},
  };
}

std::vector<WorkedExample> sideSlip() {
  const char* page = "frmSideSlip";
  auto slide = [](const char* a, const char* b, const char* mu, const char* rolling) {
    return std::vector<ExampleStep>{give("Text2", a), give("txtAngleB", b), give("txtAct", mu),
                                    give("txtRoll", rolling), press("cmdCalculate_Click")};
  };
  return {
      {page,
       kPageExample,
       "A = 0, B = 90, coefficient 0.8, rolling 0.01",
       slide("0", "90", "0.8", "0.01"),
       {{"txtfriction2", "0.508"}},
       {},
       {}},
      {page,
       kPageExample,
       "A = B = 0 is pure rolling",
       slide("0", "0", "0.8", "0.01"),
       {{"txtfriction2", "0.010"}},
       {},
       {}},
      {page,
       kPageExample,
       "A = B = 90 is pure sliding",
       slide("90", "90", "0.8", "0.01"),
       {{"txtfriction2", "0.800"}},
       {},
       {}},
      {page,
       kPageExample,
       "A = 10, B = 370, a full spin, coefficient 0.7, rolling 0.015",
       slide("10", "370", "0.7", "0.015"),
       {{"txtfriction2", "0.445"}},
       {},
       {}},
      {page,
       kPageExample,
       "angles of 10.5 are used as 10",
       slide("10.5", "10.5", "0.8", "0.01"),
       {{"txtfriction2", "0.139"}},
       {},
       {}},
      {page,
       kPageExample,
       "angles of 11.5 are used as 12",
       slide("11.5", "11.5", "0.8", "0.01"),
       {{"txtfriction2", "0.167"}},
       {},
       {}},
  };
}

std::vector<WorkedExample> flight() {
  const char* page = "frmFlight";
  auto jump = [](const char* theta, const char* h, const char* L) {
    return std::vector<ExampleStep>{give("txtTheta", theta), give("txth", h), give("txtL", L),
                                    press("cmdCalculate_Click")};
  };
  return {
      {page,
       kPageExample,
       "L = 20, h = -2, level launch",
       jump("0", "-2", "20"),
       {{"txtVmph", "31.321  m/s   or   70.063  mph"}},
       {},
       {}},
      {page,
       kPageExample,
       "L = 15, h = 0, launched 10 degrees upward",
       jump("10", "0", "15"),
       {{"txtVmph", "20.742  m/s   or   46.399  mph"}},
       {},
       {}},
      {page,
       kPageExample,
       "a launch angle of 90 degrees is accepted",
       jump("90", "0", "15"),
       {{"txtVmph", "7446.689  m/s   or   16657.770  mph"}},
       {},
       {}},
  };
}

std::vector<WorkedExample> pedestrianThrow() {
  return {
      {"frmThrow",
       kPageExample,
       "throw distance 14, coefficient 0.7",
       {give("txtThrowDistance", "14"), give("txtCoefficient", "0.7"), press("cmdThrow_Click")},
       {{"txtAdult", "14.142     m/s  or    31.635 mph"},
        {"txtChild", "12.613     m/s or     28.215 mph"},
        {"txtRounded", "14.676     m/s or     32.829 mph"},
        {"txtVertical", "12.910     m/s or     28.879mph"},
        {"txtMax", "13.866     m/s or     31.018 mph"},
        {"txtMin", "11.360     m/s or     25.411 mph"},
        {"txtZandor", "13.064     m/s or     29.223 mph"},
        {"txtTorvane", "13.397     m/s  or     29.969 mph"}},
       {},
       {}},
      {"frmThrow",
       kPageExample,
       "throw distance 10 with the coefficient left empty",
       {give("txtThrowDistance", "10"), press("cmdThrow_Click")},
       {{"txtAdult", "11.952     m/s  or    26.737 mph"},
        {"txtChild", "10.660     m/s or     23.846 mph"},
        {"txtRounded", "12.403     m/s or     27.746 mph"},
        {"txtVertical", "10.911     m/s or     24.407mph"},
        {"txtMax", ""},
        {"txtMin", ""},
        {"txtZandor", ""},
        {"txtTorvane", "11.323     m/s  or     25.328 mph"}},
       {"A zero coefficient of friction will not yield any speeds for the Searle based "
        "equations"},
       {}},
  };
}

std::vector<WorkedExample> trailer() {
  const char* page = "frmTrailer";
  auto articulated = [](const char* d, const char* radius) {
    return std::vector<ExampleStep>{give("txtd", d),          give("txtb", "2.5"),
                                    give("txtp", "3.5"),      give("txtm", "0.5"),
                                    give("HScroll1", radius), press("HScroll1_Change")};
  };
  return {
      {page,
       kPageExample,
       "rigid, wheelbase 4, radius 15",
       {give("txtL", "4"), give("HScrollR", "15"), press("HScrollR_Change")},
       {{"txtR2", "15.00"}, {"txtCut", "0.54"}},
       {},
       {}},
      {page,
       kPageExample,
       "rigid, wheelbase 20 with the bar at 15: the bar goes to 21",
       {give("txtL", "20"), give("HScrollR", "15"), press("HScrollR_Change")},
       {{"HScrollR", "21"}, {"txtR2", "21.00"}, {"txtCut", "14.60"}},
       {},
       {}},
      {page,
       kPageExample,
       "articulated, d 7.5, b 2.5, p 3.5, m 0.5, radius 15",
       articulated("7.5", "15"),
       {{"txtR", "15.00"}, {"txtCutIn", "2.29"}},
       {},
       {}},
      {page,
       kPageExample,
       "the same articulated vehicle at radius 20",
       articulated("7.5", "20"),
       {{"txtR", "20.00"}, {"txtCutIn", "1.69"}},
       {},
       {}},
      {page,
       kPageExample,
       "articulated, d 40 at radius 15: the radius goes to 40",
       articulated("40", "15"),
       {{"txtR", "40.00"}, {"txtCutIn", "31.81"}},
       {},
       {}},
  };
}

std::vector<WorkedExample> momentum() {
  const char* page = "frmMomentum";
  auto collision = [](const char* phi2) {
    return std::vector<ExampleStep>{
        give("txtMassA", "1000"),         give("txtMassB", "1500"),
        give("txtDirectionpreB", phi2),   give("txtDirectionpostA", "45"),
        give("txtDirectionpostB", "60"),  give("txtpostimpactspeedA", "10"),
        give("txtPostimpactspeedB", "8"), press("cmdCalculate4_Click")};
  };
  return {
      {page,
       kPageExample,
       "m1 1000, m2 1500, vehicle 2 at 90, after 45 and 60, v 10 and 8",
       collision("90"),
       {{"txtPreimpactspeedA", "13.071"}, {"txtPreimpactspeedB", "11.642"}},
       {},
       {}},
      {page,
       kPageExample,
       "the same with vehicle 2 at 180: nearly in line",
       collision("180"),
       {{"txtPreimpactspeedA", "6581046.320"}, {"txtPreimpactspeedB", "4387355.499"}},
       {kNearlyInLine},
       {}},
      {page,
       kPageExample,
       "the same with vehicle 2 at exactly 20",
       collision("20"),
       {{"txtPreimpactspeedA", "-34.909"}, {"txtPreimpactspeedB", "34.040"}},
       {},
       {}},
      {page,
       kPageExample,
       "the same with vehicle 2 at 19.9",
       collision("19.9"),
       {{"txtPreimpactspeedA", "-35.171"}, {"txtPreimpactspeedB", "34.204"}},
       {kNearlyInLine},
       {}},
  };
}

std::vector<WorkedExample> crush() {
  const char* page = "frmCrush";
  std::vector<WorkedExample> examples{
      {page,
       kPageExample,
       "van 2300 kg front on vehicle 1, van 1500 kg front on vehicle 2",
       {press("mnuVanlarge1_Click"), press("mnuFront1_Click"), press("mnuVan2_Click"),
        press("mnuFront2_Click")},
       {{"txtCoefficientA1", "628"},
        {"txtCoefficientB1", "106.7"},
        {"txtCoefficientA2", "541"},
        {"txtCoefficientB2", "93.1"}},
       {},
       {}},
      {page,
       kPageExample,
       "van 1500 kg front on vehicle 1, van 2300 kg front on vehicle 2",
       {press("mnuVan1_Click"), press("mnuFront1_Click"), press("mnuVanlarge2_Click"),
        press("mnuFront2_Click")},
       {{"txtCoefficientA1", "541"},
        {"txtCoefficientB1", "93.1"},
        {"txtCoefficientA2", "628"},
        {"txtCoefficientB2", "106.7"}},
       {},
       {}},
      {page,
       kPageExample,
       "truck, side impact on vehicle 1 and rear impact on vehicle 2",
       {press("mnuTruck1_Click"), press("mnuSide1_Click"), press("mnuTruck2_Click"),
        press("mnuRear2_Click")},
       {{"txtCoefficientA1", "1751"},
        {"txtCoefficientB1", "690"},
        {"txtCoefficientA2", "1751"},
        {"txtCoefficientB2", "690"}},
       {},
       {}},
      {page,
       kPageExample,
       "large car, front",
       {press("mnuLargecar1_Click"), press("mnuFront1_Click")},
       {{"txtCoefficientA1", "377"}, {"txtCoefficientB1", "46"}},
       {},
       {}},
  };

  std::vector<ExampleStep> headOn{press("mnuFamilycar1_Click"), press("mnuFront1_Click"),
                                  press("mnuFamilycar2_Click"), press("mnuFront2_Click"),
                                  give("opt2readings", "True"), press("opt2readings_Click")};
  for (const char* vehicle : {"1", "2"}) {
    const std::string v = vehicle;
    for (const ExampleStep& step :
         {give("txtC1" + v, "20"), give("txtC2" + v, "20"), give("txtWidthdamage" + v, "100"),
          give("txtForceangle" + v, "0"), give("txth" + v, "0"), give("txtMass" + v, "1300")})
      headOn.push_back(step);
  }
  headOn.push_back(press("cmdCalculate7_Click"));
  examples.push_back({page,
                      kPageExample,
                      "two family cars head on, two readings of 20 over 100",
                      headOn,
                      {{"txtEnergy1", "18257"},
                       {"txtEnergy2", "18257"},
                       {"txtForce1", "132800"},
                       {"txtForce2", "132800"},
                       {"txtEBS1", "11.9"},
                       {"txtEBS2", "11.9"},
                       {"txtDeltaV1", "11.9 mph  or  5.3 m/s"},
                       {"txtDeltaV2", "11.9 mph  or  5.3 m/s"}},
                      {},
                      {}});

  examples.push_back({page,
                      kPageExample,
                      "family car front into small car rear, six readings",
                      {press("mnuFamilycar1_Click"),
                       press("mnuFront1_Click"),
                       press("mnuSmallcar2_Click"),
                       press("mnuRear2_Click"),
                       give("opt6readings", "True"),
                       press("opt6readings_Click"),
                       give("txtC11", "10"),
                       give("txtC21", "15"),
                       give("txtC31", "20"),
                       give("txtC41", "20"),
                       give("txtC51", "15"),
                       give("txtC61", "10"),
                       give("txtWidthdamage1", "120"),
                       give("txtForceangle1", "20"),
                       give("txth1", "30"),
                       give("txtMass1", "1300"),
                       give("txtC12", "5"),
                       give("txtC22", "8"),
                       give("txtC32", "10"),
                       give("txtC42", "10"),
                       give("txtC52", "8"),
                       give("txtC62", "5"),
                       give("txtWidthdamage2", "150"),
                       give("txtForceangle2", "0"),
                       give("txth2", "0"),
                       give("txtMass2", "1100"),
                       press("cmdCalculate7_Click")},
                      {{"txtEnergy1", "18466"},
                       {"txtEnergy2", "7051"},
                       {"txtForce1", "144915"},
                       {"txtForce2", "84543"},
                       {"txtEBS1", "11.7"},
                       {"txtEBS2", "8.0"},
                       {"txtDeltaV1", "9.4 mph  or  4.2 m/s"},
                       {"txtDeltaV2", "11.1 mph  or  5.0 m/s"}},
                      {},
                      {}});
  return examples;
}

std::vector<WorkedExample> narrowCrush() {
  const char* page = "frmCycle";
  return {
      {page,
       kPageExample,
       "motorcycle of 200 kg, crush 0.5 m",
       {give("txtMass", "200"), give("txtCrush", "0.5"), press("cmdCalculate_Click")},
       {{"txtEbs", "11.92  m/s   or   26.67  mph"}},
       {},
       {}},
      {page,
       kPageExample,
       "motorcycle crush of exactly 0.2286 m",
       {give("txtMass", "200"), give("txtCrush", "0.2286"), press("cmdCalculate_Click")},
       {{"txtEbs", "0.00  m/s   or   0.00  mph"}},
       {},
       {}},
      {page,
       kPageExample,
       "car of 1300 kg against a pole, crush 0.3 m",
       {give("txtMassofcar", "1300"), give("txtCrushdepth", "0.3"), press("cmdCalc_Click")},
       {{"txtEbs2", "7.43 m/s   or  16.63  mph"}},
       {},
       {}},
  };
}

std::vector<WorkedExample> location() {
  return {
      {"frmUKGrid",
       kOrdnanceSurvey,
       "52 39 27.2531 north, 1 43 4.5177 east",
       {give("txtLaDeg", "52"), give("txtLaMin", "39"), give("txtLaSec", "27.2531"),
        give("txtLoDeg", "1"), give("txtLoMin", "43"), give("txtLoSec", "4.5177"),
        give("optEast", "True"), press("cmdCalculate_Click")},
       {{"txtE", "651410"}, {"txtN", "313177"}, {"txtResult", "TG   51410   13177"}},
       {},
       {}},
      {"frmLongitudeLatitude",
       kOrdnanceSurveyInverse,
       "easting 651409, northing 313177",
       {give("Option1", "True"), press("Option1_Click"), give("txtE", "651409"),
        give("txtN", "313177"), press("cmdCalculate_Click")},
       {{"txtLaDeg", "52"},
        {"txtLaMin", "39"},
        {"txtLaSec", "27"},
        {"txtLoDeg", "1"},
        {"txtLoMin", "43"},
        {"txtLoSec", "4"},
        {"txtEastWest", " E"}},
       {},
       {}},
      {"frmLongitudeLatitude",
       kPageExample,
       "square nz, 57600, 06000",
       {give("Option2", "True"), press("Option2_Click"), give("txtTwoLetter", "nz"),
        give("txtEastings", "57600"), give("txtNorthings", "06000"), press("cmdCalculate_Click")},
       {{"txtTwoLetter", "NZ"},
        {"txtLaDeg", "54"},
        {"txtLaMin", "26"},
        {"txtLaSec", "45"},
        {"txtLoDeg", "1"},
        {"txtLoMin", "6"},
        {"txtLoSec", "41"},
        {"txtEastWest", " W"}},
       {},
       {}},
      {"frmSun",
       kAlmanac,
       "21 March 2004, 12:00 UT, 51 30 north, 0 7 west",
       {give("txtYear", "2004"), give("txtMonth", "3"), give("txtDay", "21"), give("txtHour", "12"),
        give("txtMinutes", "0"), give("txtLatDeg", "51"), give("txtLatMin", "30"),
        give("optLatNorth", "True"), give("txtLongDeg", "0"), give("txtLongMin", "7"),
        give("optLongWest", "True"), press("cmdCalc_Click")},
       {{"txtAltDeg", " 38"},
        {"txtAltMin", " 57"},
        {"txtAboveBelow", "Above Horizon"},
        {"txtAzDeg", " 177"},
        {"txtAzMin", " 34"}},
       {},
       {}},
  };
}

std::vector<WorkedExample> alcohol() {
  const char* page = "frmAlcohol";
  return {
      {page,
       kPageExample,
       "male, 80 kg, breath 50, test 2300, event 2200, strength 4",
       {give("optMale", "True"), give("txtWeight", "80"), give("optBreath", "True"),
        press("optBreath_Click"), give("txtReading", "50"), give("txtTimeoftest", "2300"),
        give("txtTimeofevent", "2200"), give("txtStrength", "4"), press("txtStrength_Change"),
        press("cmdCalculate_Click")},
       {{"lblReading", "microgm of Alcohol in 100 ml of breath"},
        {"txtBloodevent", "129.3  mg/100ml"},
        {"txtBreathevent", "56.6  microgm/100ml"},
        {"txtUrineevent", "172.9  mg/100ml"},
        {"txtTotalalcohol", "72.4  grams"},
        {"txtPints", "3.7  pints"}},
       {},
       {}},
      {page,
       kPageExample,
       "a blood level of 5 keeps two digits",
       {give("optMale", "True"), give("txtWeight", "80"), give("optBlood", "True"),
        press("optBlood_Click"), give("txtReading", "5"), give("txtTimeoftest", "1200"),
        give("txtTimeofevent", "1200"), press("cmdCalculate_Click")},
       {{"txtBloodevent", "05.0  mg/100ml"}},
       {},
       {}},
      {page,
       kPageExample,
       "a strength typed as 5.5",
       {give("txtStrength", "5.5"), press("txtStrength_Change")},
       {{"lblPercent", "(5.5% v/v)"}},
       {},
       {}},
  };
}

std::vector<WorkedExample> allExamples() {
  std::vector<WorkedExample> all;
  for (auto&& part : {linearMotion(), quadratic(), curve(), partialBraking(), maxSpeed(),
                      overturn(), sideSlip(), flight(), pedestrianThrow(), trailer(), momentum(),
                      crush(), narrowCrush(), location(), alcohol()})
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace

const std::vector<WorkedExample>& workedExamples() {
  static const std::vector<WorkedExample> examples = allExamples();
  return examples;
}

}  // namespace kelvara
