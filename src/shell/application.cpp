#include "shell/application.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTime>
#include <algorithm>

#include "collision/crush_form.h"
#include "collision/cycle_form.h"
#include "collision/diagram_form.h"
#include "collision/momentum_form.h"
#include "dynamics/curve_form.h"
#include "dynamics/flight_form.h"
#include "dynamics/max_speed_form.h"
#include "dynamics/overturn_form.h"
#include "dynamics/partial_braking_form.h"
#include "dynamics/side_slip_form.h"
#include "dynamics/throw_form.h"
#include "dynamics/trailer_form.h"
#include "human/alcohol_form.h"
#include "human/reaction_form.h"
#include "location/longitude_latitude_form.h"
#include "location/sun_form.h"
#include "location/uk_grid_form.h"
#include "motion/newton_form.h"
#include "motion/quadratic_form.h"
#include "shell/check_figures_form.h"
#include "shell/menu_form.h"
#include "shell/page_logics.h"
#include "shell/worked_examples.h"

namespace kelvara {

int randomPhotograph() {
  QRandomGenerator generator(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
  const double r = generator.generateDouble();
  return static_cast<int>(r * kPhotographCount);
}

Application::Application(Dialogs& dialogs, int photograph, const QDate& today)
    : dialogs_(dialogs), printService_(dialogs), end_([] { QApplication::quit(); }) {
  menu_ = std::make_unique<MenuForm>(
      *this, dialogs_, beeper_, &TimerState::steadyClock,
      [this](const QString& page) { registry_.show(page); }, photograph, menuDateText(today));
  registerPages();
}

Application::~Application() = default;

template <class Form>
void Application::registerForm(const char* page) {
  registry_.add(QString::fromLatin1(page), [this] { return new Form(*this, dialogs_); });
}

void Application::registerPages() {
  registerForm<NewtonForm>("frmNewton");
  registerForm<QuadraticForm>("frmQuadratic");
  registerForm<CurveForm>("frmCurve");
  registerForm<CrushForm>("frmCrush");
  registerForm<DiagramForm>("frmDiagram");
  registerForm<PartialBrakingForm>("frmPartialbraking");
  registerForm<MaxSpeedForm>("frmMaxspeed");
  registerForm<OverturnForm>("frmOverturn");
  registerForm<SideSlipForm>("frmSideSlip");
  registerForm<MomentumForm>("frmMomentum");
  registerForm<CycleForm>("frmCycle");
  registerForm<AlcoholForm>("frmAlcohol");
  registerForm<ReactionForm>("frmReaction");
  registerForm<FlightForm>("frmFlight");
  registerForm<ThrowForm>("frmThrow");
  registerForm<TrailerForm>("frmTrailer");
  registerForm<UKGridForm>("frmUKGrid");
  registerForm<LongitudeLatitudeForm>("frmLongitudeLatitude");
  registerForm<SunForm>("frmSun");
  registerForm<CheckFiguresForm>("frmCheckFigures");
}

void Application::start() { menu_->show(); }

void Application::showMenu() {
  menu_->show();
  menu_->raise();
  menu_->activateWindow();
}

void Application::endProgram() { end_(); }

void Application::printWindow(QWidget& window) { printService_.printWindow(window); }

void Application::printSheets(QWidget& window, const std::vector<QWidget*>& sheets) {
  printService_.printSheets(window, sheets);
}

void Application::showPage(const char* page) { registry_.show(QString::fromLatin1(page)); }

void Application::openRange(QWidget& window) {
  auto* page = qobject_cast<PageWindow*>(&window);
  if (page == nullptr) return;
  const std::string name(page->description().page);
  std::unique_ptr<RangeForm>& range = ranges_[name];
  if (range == nullptr)
    range = std::make_unique<RangeForm>(
        page->description(),
        [name](Dialogs& dialogs) { return openPageLogic(name, dialogs); }, dialogs_, *this);
  // A calculation whose last run the page still shows is analysed from the texts that run
  // began from (a box that is both an input and a result holds the run's figure now).
  const RangeForm::Texts now = textsOf(page->description());
  std::map<std::string, RangeForm::Texts> runStarts;
  for (const Calculation& calculation : page->description().calculations) {
    const CalculationRun* run = page->lastRun(calculation.name);
    if (run == nullptr) continue;
    const bool shown = std::all_of(run->after.begin(), run->after.end(), [&now](const auto& text) {
      const auto standing = now.find(text.first);
      return standing != now.end() && standing->second == text.second;
    });
    if (!shown) continue;
    RangeForm::Texts start = now;
    for (const auto& [control, text] : run->before) start[control] = text;
    runStarts[run->calculation] = std::move(start);
  }
  if (!range->running()) range->startFrom(now, std::move(runStarts));
  range->show();
  range->raise();
  range->activateWindow();
}

void Application::openSheet(QWidget& window) {
  auto* page = qobject_cast<PageWindow*>(&window);
  if (page == nullptr) return;
  const std::string name(page->description().page);
  if (sheetHeader_.program.empty()) {
    sheetHeader_.program = "Kelvara " KELVARA_VERSION;
    sheetHeader_.checkSummary = checkWorkedExamples(workedExamples()).summary;
  }
  std::unique_ptr<SheetForm>& sheet = sheets_[name];
  if (sheet == nullptr)
    sheet = std::make_unique<SheetForm>(
        *page, sheetHeader_, printService_, [this, name](const CalculationRun& run) {
          const auto range = ranges_.find(name);
          if (range == ranges_.end() || range->second == nullptr) return std::vector<std::string>();
          return range->second->linesFor(run);
        });
  sheet->show();
  sheet->raise();
  sheet->activateWindow();
}

}  // namespace kelvara
