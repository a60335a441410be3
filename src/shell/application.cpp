#include "shell/application.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTime>

#include "dynamics/curve_form.h"
#include "location/longitude_latitude_form.h"
#include "location/sun_form.h"
#include "location/uk_grid_form.h"
#include "motion/newton_form.h"
#include "motion/quadratic_form.h"
#include "shell/menu_form.h"
#include "shell/placeholder_form.h"

namespace kelvara {

namespace {

struct PageCaption {
  const char* page;
  const char* caption;
};

// Window captions of the pages still shown by a placeholder.
constexpr PageCaption kPlaceholderPages[] = {
    {"frmThrow", "Throw Calculations"},
    {"frmMomentum", "Momentum"},
    {"frmCrush", "Crush Analysis"},
    {"frmReaction", "Reaction times and Walking Speeds"},
    {"frmOverturn", "Overturn Calculation"},
    {"frmMaxspeed", "Maximum Speed"},
    {"frmFlight", "Flight paths"},
    {"frmAlcohol", "Alcohol back-tracking"},
    {"frmPartialbraking", "Partial braking"},
    {"frmCycle", "Motorcycle crush"},
    {"frmTrailer", "Long Vehicles"},
    {"frmSideSlip", "Side Slip"},
};

}  // namespace

int randomPhotograph() {
  QRandomGenerator generator(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
  const double r = generator.generateDouble();
  return static_cast<int>(r * kPhotographCount);
}

Application::Application(Dialogs& dialogs, int photograph, const QDate& today)
    : dialogs_(dialogs), printService_(dialogs), end_([] { QApplication::quit(); }) {
  menu_ = std::make_unique<MenuForm>(
      *this, dialogs_, [this](const QString& page) { registry_.show(page); }, photograph,
      menuDateText(today));
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
  registerForm<UKGridForm>("frmUKGrid");
  registerForm<LongitudeLatitudeForm>("frmLongitudeLatitude");
  registerForm<SunForm>("frmSun");
  for (const auto& entry : kPlaceholderPages) {
    registry_.add(QString::fromLatin1(entry.page), [this, entry]() -> QWidget* {
      return new PlaceholderForm(*this, dialogs_, entry.page, QString::fromUtf8(entry.caption));
    });
  }
}

void Application::start() { menu_->show(); }

void Application::showMenu() {
  menu_->show();
  menu_->raise();
  menu_->activateWindow();
}

void Application::endProgram() { end_(); }

void Application::printWindow(QWidget& window) { printService_.printWindow(window); }

void Application::showPage(const char* page) { registry_.show(QString::fromLatin1(page)); }

}  // namespace kelvara
