// Runs a worked example on a fresh copy of its page's logic: the controls are found by the
// names the page gives them, the handlers are the page's own.

#include <algorithm>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

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
#include "fields/controls.h"
#include "fields/message.h"
#include "human/alcohol_page.h"
#include "location/longitude_latitude_page.h"
#include "location/sun_page.h"
#include "location/uk_grid_page.h"
#include "motion/newton_page.h"
#include "motion/quadratic_page.h"
#include "shell/worked_examples.h"

namespace kelvara {

namespace {

// A page's controls and handlers by name.
struct PageControls {
  std::map<std::string, TextBox*> boxes;
  std::map<std::string, Label*> labels;
  std::map<std::string, OptionButton*> options;
  std::map<std::string, CheckBox*> checks;
  std::map<std::string, ScrollBar*> bars;
  std::vector<std::vector<OptionButton*>> groups;  // options that exclude one another
  std::map<std::string, std::function<void()>> handlers;
};

// Records every message and answers Yes/No boxes from a script (No once it runs out).
class ExampleDialogs : public Dialogs {
 public:
  explicit ExampleDialogs(const std::vector<int>& answers)
      : answers_(answers.begin(), answers.end()) {}

  int show(const Message& message) override {
    std::string text;
    for (const std::string& line : message.lines) {
      if (!text.empty()) text += " / ";
      text += line;
    }
    shown.push_back(text);
    if ((message.code & 0x7) != MessageCode::YesNo) return Answer::Ok;
    if (answers_.empty()) return Answer::No;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  std::vector<std::string> shown;

 private:
  std::deque<int> answers_;
};

class ExamplePage {
 public:
  virtual ~ExamplePage() = default;
  PageControls controls;
};

// The binding macros keep each control's name and member one and the same.
#define KELVARA_BOX(name) c.boxes[#name] = &p.name
#define KELVARA_LABEL(name) c.labels[#name] = &p.name
#define KELVARA_OPTION(name) c.options[#name] = &p.name
#define KELVARA_CHECK(name) c.checks[#name] = &p.name
#define KELVARA_BAR(name) c.bars[#name] = &p.name
#define KELVARA_HANDLER(name) c.handlers[#name] = [&p] { p.name(); }

void bind(NewtonPage& p, PageControls& c) {
  KELVARA_BOX(txtu);
  KELVARA_BOX(txtumph);
  KELVARA_BOX(txtv);
  KELVARA_BOX(txtVmph);
  KELVARA_BOX(txts);
  KELVARA_BOX(txtA);
  KELVARA_BOX(txtmu);
  KELVARA_BOX(txtt);
  KELVARA_HANDLER(cmdCalculate_Click);
  KELVARA_HANDLER(cmdClear_Click);
}

void bind(QuadraticPage& p, PageControls& c) {
  KELVARA_BOX(txtA);
  KELVARA_BOX(txtb);
  KELVARA_BOX(txtC);
  KELVARA_BOX(txtx);
  KELVARA_BOX(txtDeceleration);
  KELVARA_BOX(txtReaction);
  KELVARA_BOX(txtDistance);
  KELVARA_BAR(HScroll1);
  KELVARA_HANDLER(cmdCalcRoots_Click);
  KELVARA_HANDLER(cmdSpeed_Click);
  KELVARA_HANDLER(HScroll1_Change);
  KELVARA_HANDLER(cmdClear2_Click);
}

void bind(CurvePage& p, PageControls& c) {
  KELVARA_BOX(txtRadius);
  KELVARA_BOX(txtChord);
  KELVARA_BOX(txtOrdinate);
  KELVARA_BOX(txtDeceleration);
  KELVARA_BOX(txtCamber);
  KELVARA_BOX(txtCriticalSpeed);
  KELVARA_LABEL(lblLabel6);
  KELVARA_BOX(txtVerticalRadius);
  KELVARA_BOX(txta2);
  KELVARA_BOX(txtBraked);
  KELVARA_HANDLER(Command1_Click);
  KELVARA_HANDLER(cmdCalcBraked_Click);
  KELVARA_HANDLER(cmdClear_Click);
}

void bind(PartialBrakingPage& p, PageControls& c) {
  KELVARA_BOX(txtHL);
  KELVARA_BOX(txtTruemu);
  KELVARA_BOX(txtWf);
  KELVARA_BOX(txtGradient);
  KELVARA_BOX(txtMue);
  KELVARA_CHECK(chkFn);
  KELVARA_CHECK(chkFo);
  KELVARA_CHECK(chkRn);
  KELVARA_CHECK(chkRo);
  KELVARA_HANDLER(cmdCalculate_Click);
  KELVARA_HANDLER(cmdClear_Click);
}

void bind(MaxSpeedPage& p, PageControls& c) {
  KELVARA_BOX(txtRoadwidth);
  KELVARA_BOX(txtr);
  KELVARA_BOX(txttheta);
  KELVARA_BOX(txtCoefficient);
  KELVARA_BOX(txtCrossfall);
  KELVARA_BOX(txtCarwidth);
  KELVARA_BOX(txtMaxradius);
  KELVARA_BOX(txtMaxspeed);
  KELVARA_HANDLER(cmdCalculate_Click);
  KELVARA_HANDLER(cmdClear_Click);
}

void bind(OverturnPage& p, PageControls& c) {
  KELVARA_BOX(txtTrack);
  KELVARA_BOX(txtRadius);
  KELVARA_BOX(txth);
  KELVARA_BOX(txtCrossfall);
  KELVARA_BOX(txtCoefficient);
  KELVARA_BOX(txtSpeed);
  KELVARA_BOX(txtSkid);
  KELVARA_HANDLER(cmdCalculate_Click);
  KELVARA_HANDLER(cmdClear_Click);
}

void bind(SideSlipPage& p, PageControls& c) {
  KELVARA_BOX(Text2);
  KELVARA_BOX(txtAngleB);
  KELVARA_BOX(txtAct);
  KELVARA_BOX(txtRoll);
  KELVARA_BOX(txtfriction2);
  KELVARA_HANDLER(cmdCalculate_Click);
  KELVARA_HANDLER(cmdClear_Click);
  p.Form_Load();  // as the window does when it opens
}

void bind(FlightPage& p, PageControls& c) {
  KELVARA_BOX(txtTheta);
  KELVARA_BOX(txth);
  KELVARA_BOX(txtL);
  KELVARA_BOX(txtVmph);
  KELVARA_HANDLER(cmdCalculate_Click);
  KELVARA_HANDLER(cmdClear_Click);
}

void bind(ThrowPage& p, PageControls& c) {
  KELVARA_BOX(txtThrowDistance);
  KELVARA_BOX(txtCoefficient);
  KELVARA_BOX(txtAdult);
  KELVARA_BOX(txtChild);
  KELVARA_BOX(txtRounded);
  KELVARA_BOX(txtVertical);
  KELVARA_BOX(txtMax);
  KELVARA_BOX(txtMin);
  KELVARA_BOX(txtZandor);
  KELVARA_BOX(txtTorvane);
  KELVARA_HANDLER(cmdThrow_Click);
  KELVARA_HANDLER(cmdClear1_Click);
}

void bind(TrailerPage& p, PageControls& c) {
  KELVARA_BOX(txtd);
  KELVARA_BOX(txtb);
  KELVARA_BOX(txtp);
  KELVARA_BOX(txtm);
  KELVARA_BAR(HScroll1);
  KELVARA_BOX(txtR);
  KELVARA_BOX(txtCutIn);
  KELVARA_BOX(txtL);
  KELVARA_BAR(HScrollR);
  KELVARA_BOX(txtR2);
  KELVARA_BOX(txtCut);
  KELVARA_HANDLER(HScroll1_Change);
  KELVARA_HANDLER(HScrollR_Change);
  KELVARA_HANDLER(cmdClear_Click);
}

void bind(MomentumPage& p, PageControls& c) {
  KELVARA_BOX(txtMassA);
  KELVARA_BOX(txtMassB);
  KELVARA_BOX(txtDirectionpreB);
  KELVARA_BOX(txtDirectionpostA);
  KELVARA_BOX(txtDirectionpostB);
  KELVARA_BOX(txtpostimpactspeedA);
  KELVARA_BOX(txtPostimpactspeedB);
  KELVARA_BOX(txtPreimpactspeedA);
  KELVARA_BOX(txtPreimpactspeedB);
  KELVARA_LABEL(lblMperS1);
  KELVARA_LABEL(lblMperS2);
  KELVARA_OPTION(optMph);
  KELVARA_OPTION(optMperS);
  c.groups.push_back({&p.optMph, &p.optMperS});
  KELVARA_HANDLER(cmdCalculate4_Click);
  KELVARA_HANDLER(cmdClear4_Click);
  KELVARA_HANDLER(optMperS_Click);
  KELVARA_HANDLER(optMph_Click);
}

void bind(CrushPage& p, PageControls& c) {
  KELVARA_BOX(txtVehicle1model);
  KELVARA_BOX(txtVehicle2model);
  KELVARA_BOX(txtCoefficientA1);
  KELVARA_BOX(txtCoefficientA2);
  KELVARA_BOX(txtCoefficientB1);
  KELVARA_BOX(txtCoefficientB2);
  KELVARA_BOX(txtWidthdamage1);
  KELVARA_BOX(txtWidthdamage2);
  KELVARA_BOX(txtC11);
  KELVARA_BOX(txtC21);
  KELVARA_BOX(txtC31);
  KELVARA_BOX(txtC41);
  KELVARA_BOX(txtC51);
  KELVARA_BOX(txtC61);
  KELVARA_BOX(txtC12);
  KELVARA_BOX(txtC22);
  KELVARA_BOX(txtC32);
  KELVARA_BOX(txtC42);
  KELVARA_BOX(txtC52);
  KELVARA_BOX(txtC62);
  KELVARA_BOX(txtForceangle1);
  KELVARA_BOX(txtForceangle2);
  KELVARA_BOX(txth1);
  KELVARA_BOX(txth2);
  KELVARA_BOX(txtMass1);
  KELVARA_BOX(txtMass2);
  KELVARA_BOX(txtEnergy1);
  KELVARA_BOX(txtEnergy2);
  KELVARA_BOX(txtForce1);
  KELVARA_BOX(txtForce2);
  KELVARA_BOX(txtEBS1);
  KELVARA_BOX(txtEBS2);
  KELVARA_BOX(txtDeltaV1);
  KELVARA_BOX(txtDeltaV2);
  KELVARA_OPTION(opt2readings);
  KELVARA_OPTION(opt4readings);
  KELVARA_OPTION(opt6readings);
  c.groups.push_back({&p.opt2readings, &p.opt4readings, &p.opt6readings});
  KELVARA_HANDLER(mnuMinicar1_Click);
  KELVARA_HANDLER(mnuSmallcar1_Click);
  KELVARA_HANDLER(mnuFamilycar1_Click);
  KELVARA_HANDLER(mnuLargecar1_Click);
  KELVARA_HANDLER(mnuVerylargecar1_Click);
  KELVARA_HANDLER(mnuVan1_Click);
  KELVARA_HANDLER(mnuVanlarge1_Click);
  KELVARA_HANDLER(mnuMPVsmall1_Click);
  KELVARA_HANDLER(mnuMPVlarge1_Click);
  KELVARA_HANDLER(mnuPickupsmall1_Click);
  KELVARA_HANDLER(mnuPickuplarge1_Click);
  KELVARA_HANDLER(mnuTruck1_Click);
  KELVARA_HANDLER(mnuMinicar2_Click);
  KELVARA_HANDLER(mnuSmallcar2_Click);
  KELVARA_HANDLER(mnuFamilycar2_Click);
  KELVARA_HANDLER(mnuLargecar2_Click);
  KELVARA_HANDLER(mnuVerylargecar2_Click);
  KELVARA_HANDLER(mnuVan2_Click);
  KELVARA_HANDLER(mnuVanlarge2_Click);
  KELVARA_HANDLER(mnuMPVsmall2_Click);
  KELVARA_HANDLER(mnuMPVlarge2_Click);
  KELVARA_HANDLER(mnuPickupsmall2_Click);
  KELVARA_HANDLER(mnuPickuplarge2_Click);
  KELVARA_HANDLER(mnuTruck2_Click);
  KELVARA_HANDLER(mnuFront1_Click);
  KELVARA_HANDLER(mnuRear1_Click);
  KELVARA_HANDLER(mnuSide1_Click);
  KELVARA_HANDLER(mnuFront2_Click);
  KELVARA_HANDLER(mnuRear2_Click);
  KELVARA_HANDLER(mnuSide2_Click);
  KELVARA_HANDLER(opt2readings_Click);
  KELVARA_HANDLER(opt4readings_Click);
  KELVARA_HANDLER(opt6readings_Click);
  KELVARA_HANDLER(cmdCalculate7_Click);
  KELVARA_HANDLER(cmdEdit_Click);
  KELVARA_HANDLER(cmdClear2_Click);
}

void bind(CyclePage& p, PageControls& c) {
  KELVARA_BOX(txtMass);
  KELVARA_BOX(txtCrush);
  KELVARA_BOX(txtEbs);
  KELVARA_BOX(txtMassofcar);
  KELVARA_BOX(txtCrushdepth);
  KELVARA_BOX(txtEbs2);
  KELVARA_HANDLER(cmdCalculate_Click);
  KELVARA_HANDLER(cmdClear_Click);
  KELVARA_HANDLER(cmdCalc_Click);
  KELVARA_HANDLER(cmdClear2_Click);
}

void bind(UKGridPage& p, PageControls& c) {
  KELVARA_BOX(txtLaDeg);
  KELVARA_BOX(txtLaMin);
  KELVARA_BOX(txtLaSec);
  KELVARA_BOX(txtLoDeg);
  KELVARA_BOX(txtLoMin);
  KELVARA_BOX(txtLoSec);
  KELVARA_OPTION(optEast);
  KELVARA_OPTION(optWest);
  c.groups.push_back({&p.optEast, &p.optWest});
  KELVARA_BOX(txtE);
  KELVARA_BOX(txtN);
  KELVARA_BOX(txtResult);
  KELVARA_HANDLER(cmdCalculate_Click);
  KELVARA_HANDLER(cmdClear_Click);
}

void bind(LongitudeLatitudePage& p, PageControls& c) {
  KELVARA_OPTION(Option1);
  KELVARA_OPTION(Option2);
  c.groups.push_back({&p.Option1, &p.Option2});
  KELVARA_BOX(txtE);
  KELVARA_BOX(txtN);
  KELVARA_BOX(txtTwoLetter);
  KELVARA_BOX(txtEastings);
  KELVARA_BOX(txtNorthings);
  KELVARA_BOX(txtLaDeg);
  KELVARA_BOX(txtLaMin);
  KELVARA_BOX(txtLaSec);
  KELVARA_BOX(txtLoDeg);
  KELVARA_BOX(txtLoMin);
  KELVARA_BOX(txtLoSec);
  KELVARA_BOX(txtEastWest);
  KELVARA_HANDLER(cmdCalculate_Click);
  KELVARA_HANDLER(cmdClear_Click);
  KELVARA_HANDLER(Option1_Click);
  KELVARA_HANDLER(Option2_Click);
}

void bind(SunPage& p, PageControls& c) {
  KELVARA_BOX(txtYear);
  KELVARA_BOX(txtMonth);
  KELVARA_BOX(txtDay);
  KELVARA_BOX(txtHour);
  KELVARA_BOX(txtMinutes);
  KELVARA_BOX(txtLatDeg);
  KELVARA_BOX(txtLatMin);
  KELVARA_BOX(txtLongDeg);
  KELVARA_BOX(txtLongMin);
  KELVARA_OPTION(optLatNorth);
  KELVARA_OPTION(optLatSouth);
  KELVARA_OPTION(optLongEast);
  KELVARA_OPTION(optLongWest);
  c.groups.push_back({&p.optLatNorth, &p.optLatSouth});
  c.groups.push_back({&p.optLongEast, &p.optLongWest});
  KELVARA_BOX(txtAltDeg);
  KELVARA_BOX(txtAltMin);
  KELVARA_BOX(txtAzDeg);
  KELVARA_BOX(txtAzMin);
  KELVARA_BOX(txtAboveBelow);
  KELVARA_BAR(HScroll1);
  KELVARA_HANDLER(cmdCalc_Click);
  KELVARA_HANDLER(HScroll1_Change);
  KELVARA_HANDLER(Command3_Click);
  KELVARA_HANDLER(cmdClearAll_Click);
}

void bind(AlcoholPage& p, PageControls& c) {
  KELVARA_BOX(txtWeight);
  KELVARA_OPTION(optMale);
  KELVARA_OPTION(optFemale);
  KELVARA_OPTION(optBlood);
  KELVARA_OPTION(optBreath);
  KELVARA_OPTION(optUrine);
  c.groups.push_back({&p.optMale, &p.optFemale});
  c.groups.push_back({&p.optBlood, &p.optBreath, &p.optUrine});
  KELVARA_BOX(txtReading);
  KELVARA_LABEL(lblReading);
  KELVARA_BOX(txtTimeoftest);
  KELVARA_BOX(txtTimeofevent);
  KELVARA_BOX(txtStrength);
  KELVARA_LABEL(lblPercent);
  KELVARA_BOX(txtBloodevent);
  KELVARA_BOX(txtBreathevent);
  KELVARA_BOX(txtUrineevent);
  KELVARA_BOX(txtTotalalcohol);
  KELVARA_BOX(txtPints);
  KELVARA_HANDLER(cmdCalculate_Click);
  KELVARA_HANDLER(cmdClear_Click);
  KELVARA_HANDLER(optBlood_Click);
  KELVARA_HANDLER(optBreath_Click);
  KELVARA_HANDLER(optUrine_Click);
  KELVARA_HANDLER(txtStrength_Change);
}

#undef KELVARA_BOX
#undef KELVARA_LABEL
#undef KELVARA_OPTION
#undef KELVARA_CHECK
#undef KELVARA_BAR
#undef KELVARA_HANDLER

template <class Page>
class BoundPage : public ExamplePage {
 public:
  explicit BoundPage(Dialogs& dialogs) : page_(dialogs) { bind(page_, controls); }

 private:
  Page page_;
};

struct PageKind {
  const char* caption;  // the window title
  std::function<std::unique_ptr<ExamplePage>(Dialogs&)> open;
};

template <class Page>
PageKind kind(const char* caption) {
  return {caption, [](Dialogs& dialogs) { return std::make_unique<BoundPage<Page>>(dialogs); }};
}

const std::map<std::string, PageKind>& pageKinds() {
  static const std::map<std::string, PageKind> kinds{
      {"frmNewton", kind<NewtonPage>("Linear equations calculator")},
      {"frmQuadratic", kind<QuadraticPage>("Quadratic Equations")},
      {"frmCurve", kind<CurvePage>("Curves and Critical Speed")},
      {"frmPartialbraking", kind<PartialBrakingPage>("Partial braking")},
      {"frmMaxspeed", kind<MaxSpeedPage>("Maximum Speed")},
      {"frmOverturn", kind<OverturnPage>("Overturn Calculation")},
      {"frmSideSlip", kind<SideSlipPage>("Side Slip")},
      {"frmFlight", kind<FlightPage>("Flight paths")},
      {"frmThrow", kind<ThrowPage>("Throw Calculations")},
      {"frmTrailer", kind<TrailerPage>("Long Vehicles")},
      {"frmMomentum", kind<MomentumPage>("Momentum")},
      {"frmCrush", kind<CrushPage>("Crush Analysis")},
      {"frmCycle", kind<CyclePage>("Motorcycle crush")},
      {"frmUKGrid", kind<UKGridPage>("Longitude and Latitude to OS Grid Reference")},
      {"frmLongitudeLatitude",
       kind<LongitudeLatitudePage>("OSGrid to Longitude and Latitude Converter")},
      {"frmSun", kind<SunPage>("Sun's position")},
      {"frmAlcohol", kind<AlcoholPage>("Alcohol back-tracking")},
  };
  return kinds;
}

bool isTrue(const std::string& value) { return value == "True"; }
const char* truth(bool value) { return value ? "True" : "False"; }

// Gives a control its text or value as the investigator would: choosing an option clears
// the others of its group.
bool give(PageControls& c, const std::string& name, const std::string& value) {
  if (auto box = c.boxes.find(name); box != c.boxes.end()) {
    box->second->text = value;
  } else if (auto label = c.labels.find(name); label != c.labels.end()) {
    label->second->caption = value;
  } else if (auto option = c.options.find(name); option != c.options.end()) {
    if (isTrue(value))
      for (const auto& group : c.groups)
        for (OptionButton* member : group)
          if (member != option->second &&
              std::find(group.begin(), group.end(), option->second) != group.end())
            member->value = false;
    option->second->value = isTrue(value);
  } else if (auto check = c.checks.find(name); check != c.checks.end()) {
    check->second->value = isTrue(value);
  } else if (auto bar = c.bars.find(name); bar != c.bars.end()) {
    moveScrollBar(*bar->second, std::stoi(value));
  } else {
    return false;
  }
  return true;
}

// What a control shows, or nothing for a name the page does not have.
std::optional<std::string> shown(const PageControls& c, const std::string& name) {
  if (auto box = c.boxes.find(name); box != c.boxes.end()) return box->second->text;
  if (auto label = c.labels.find(name); label != c.labels.end()) return label->second->caption;
  if (auto option = c.options.find(name); option != c.options.end())
    return truth(option->second->value);
  if (auto check = c.checks.find(name); check != c.checks.end()) return truth(check->second->value);
  if (auto bar = c.bars.find(name); bar != c.bars.end()) return std::to_string(bar->second->value);
  return std::nullopt;
}

}  // namespace

std::string examplePageCaption(const std::string& page) {
  const auto& kinds = pageKinds();
  const auto found = kinds.find(page);
  return found == kinds.end() ? page : found->second.caption;
}

ExampleOutcome runWorkedExample(const WorkedExample& example) {
  ExampleOutcome outcome;
  const auto& kinds = pageKinds();
  const auto found = kinds.find(example.page);
  if (found == kinds.end()) {
    outcome.problem = "no page " + example.page;
    return outcome;
  }
  ExampleDialogs dialogs(example.answers);
  std::unique_ptr<ExamplePage> page = found->second.open(dialogs);
  PageControls& controls = page->controls;
  try {
    for (const ExampleStep& step : example.steps) {
      if (step.kind == ExampleStep::Kind::Set) {
        if (!give(controls, step.control, step.value)) {
          outcome.problem = "no control " + step.control;
          break;
        }
        continue;
      }
      const auto handler = controls.handlers.find(step.control);
      if (handler == controls.handlers.end()) {
        outcome.problem = "no handler " + step.control;
        break;
      }
      handler->second();
    }
  } catch (const std::exception& failure) {
    outcome.problem = std::string("the calculation failed: ") + failure.what();
  }
  outcome.messages = dialogs.shown;
  bool same = outcome.problem.empty() && outcome.messages == example.messages;
  for (const ControlText& wanted : example.expected) {
    const std::optional<std::string> text = shown(controls, wanted.control);
    if (!text) {
      if (outcome.problem.empty()) outcome.problem = "no control " + wanted.control;
      same = false;
      outcome.obtained.push_back({wanted.control, {}});
      continue;
    }
    outcome.obtained.push_back({wanted.control, *text});
    if (*text != wanted.text) same = false;
  }
  outcome.passed = same;
  return outcome;
}

namespace {

std::string quoted(const std::string& text) { return '"' + text + '"'; }

void addLine(std::string& text, const std::string& line) {
  if (!text.empty()) text += '\n';
  text += line;
}

std::string shownText(const std::vector<ControlText>& texts,
                      const std::vector<std::string>& messages) {
  std::string text;
  for (const ControlText& shown : texts) addLine(text, shown.control + " = " + quoted(shown.text));
  for (const std::string& message : messages) addLine(text, "message " + quoted(message));
  return text;
}

}  // namespace

std::string stepsText(const WorkedExample& example) {
  std::string text;
  for (const ExampleStep& step : example.steps)
    addLine(text, step.kind == ExampleStep::Kind::Run ? "run " + step.control
                                                      : step.control + " = " + quoted(step.value));
  return text;
}

std::string expectedText(const WorkedExample& example) {
  return shownText(example.expected, example.messages);
}

std::string obtainedText(const ExampleOutcome& outcome) {
  std::string text = shownText(outcome.obtained, outcome.messages);
  if (!outcome.problem.empty()) addLine(text, outcome.problem);
  return text;
}

CheckReport checkWorkedExamples(const std::vector<WorkedExample>& examples) {
  CheckReport report;
  for (std::size_t i = 0; i < examples.size(); ++i) {
    report.outcomes.push_back(runWorkedExample(examples[i]));
    if (!report.outcomes.back().passed) report.failed.push_back(i);
  }
  const std::string count = std::to_string(examples.size());
  if (report.failed.empty()) {
    report.summary = "All " + count + " worked examples reproduced";
    return report;
  }
  report.summary =
      std::to_string(report.failed.size()) + " of " + count + " worked examples not reproduced:";
  for (std::size_t k = 0; k < report.failed.size(); ++k) {
    const WorkedExample& example = examples[report.failed[k]];
    report.summary += (k == 0 ? " " : ", ") + std::string("no. ") +
                      std::to_string(report.failed[k] + 1) + " (" +
                      examplePageCaption(example.page) + ", " + example.title + ")";
  }
  return report;
}

}  // namespace kelvara
