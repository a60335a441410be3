// Timings of the real windows under the offscreen platform: the first show of every page
// through the page registry, as the menu opens it, and a full sweep of every scroll bar
// through its widget, each position running the page's handler and updating the boxes.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/quiet_dialogs.h"
#include "shell/application.h"
#include "shell/menu_page.h"

namespace {

using namespace kelvara;
using Clock = std::chrono::steady_clock;

double seconds(Clock::duration elapsed) {
  return std::chrono::duration<double>(elapsed).count();
}

// Processor time of this thread, in milliseconds: what the window itself costs, without the
// time spent waiting for a core on a machine busy with other work.
double threadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The suite as the program starts it: the menu window up, no page built yet.
struct Suite {
  Suite() : application(dialogs, 0, QDate(2026, 12, 7)) {
    application.setEndProgram([] {});
    application.start();
    if (!QTest::qWaitForWindowExposed(&application.menu()))
      throw std::runtime_error("the menu window did not show");
  }
  bench::QuietDialogs dialogs;
  Application application;
};

// Builds the page and shows it, until it is on the screen and painted.
// The counters split the time into building the page and laying it out (build_ms) and
// painting it (paint_ms), and give the processor time of the whole (thread_cpu_ms).
void FirstShow(benchmark::State& state, const char* page) {
  double build = 0.0;
  double paint = 0.0;
  double processor = 0.0;
  for (auto _ : state) {
    auto suite = std::make_unique<Suite>();
    const double processorStart = threadMilliseconds();
    const auto start = Clock::now();
    suite->application.menu().hide();
    QWidget* window = suite->application.pages().show(QString::fromLatin1(page));
    const auto built = Clock::now();
    const bool exposed = QTest::qWaitForWindowExposed(window);
    QCoreApplication::processEvents();
    const auto end = Clock::now();
    processor += threadMilliseconds() - processorStart;
    state.SetIterationTime(seconds(end - start));
    build += seconds(built - start) * 1e3;
    paint += seconds(end - built) * 1e3;
    if (!exposed || window->objectName() != QLatin1String(page)) {
      state.SkipWithError("the page did not show");
      return;
    }
  }
  state.counters["build_ms"] = benchmark::Counter(build, benchmark::Counter::kAvgIterations);
  state.counters["paint_ms"] = benchmark::Counter(paint, benchmark::Counter::kAvgIterations);
  state.counters["thread_cpu_ms"] =
      benchmark::Counter(processor, benchmark::Counter::kAvgIterations);
}

QWidget* shownPage(Suite& suite, const char* page) {
  QWidget* window = suite.application.pages().show(QString::fromLatin1(page));
  if (!QTest::qWaitForWindowExposed(window))
    throw std::runtime_error(std::string(page) + " did not show");
  return window;
}

void type(QWidget* window, const std::vector<std::pair<const char*, const char*>>& boxes) {
  for (const auto& [name, text] : boxes)
    window->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
}

// Moves the bar through every position from its minimum to its maximum, as a held arrow
// does, each move running the handler; repaintEachStep also paints the page after each move
// (a slow drag), otherwise the page is painted once at the end.
void sweep(benchmark::State& state, QWidget* window, const char* bar, bool repaintEachStep,
           const char* box, const char* lastText) {
  auto* scrollBar = window->findChild<QScrollBar*>(QString::fromLatin1(bar));
  double processor = 0.0;
  for (auto _ : state) {
    scrollBar->setValue(scrollBar->minimum());
    QCoreApplication::processEvents();
    const double processorStart = threadMilliseconds();
    const auto start = Clock::now();
    for (int value = scrollBar->minimum() + 1; value <= scrollBar->maximum(); ++value) {
      scrollBar->setValue(value);
      if (repaintEachStep) QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    state.SetIterationTime(seconds(Clock::now() - start));
    processor += threadMilliseconds() - processorStart;
  }
  state.counters["positions"] = scrollBar->maximum() - scrollBar->minimum() + 1;
  state.counters["thread_cpu_ms"] =
      benchmark::Counter(processor, benchmark::Counter::kAvgIterations);
  const QString shown = window->findChild<QLineEdit*>(QString::fromLatin1(box))->text();
  if (shown != QString::fromLatin1(lastText))
    state.SkipWithError(("at the end of the bar " + std::string(box) + " reads \"" +
                         shown.toStdString() + "\"").c_str());
}

void SunSweep(benchmark::State& state, bool repaintEachStep) {
  Suite suite;
  QWidget* window = shownPage(suite, "frmSun");
  type(window, {{"txtYear", "2004"}, {"txtMonth", "3"}, {"txtDay", "21"}, {"txtHour", "12"},
                {"txtMinutes", "0"}, {"txtLatDeg", "51"}, {"txtLatMin", "30"},
                {"txtLongDeg", "0"}, {"txtLongMin", "7"}});
  sweep(state, window, "HScroll1", repaintEachStep, "txtAboveBelow", "Below Horizon");
}

void QuadraticSweep(benchmark::State& state, bool repaintEachStep) {
  Suite suite;
  QWidget* window = shownPage(suite, "frmQuadratic");
  type(window, {{"txtDeceleration", "7"}, {"txtReaction", "1"}, {"txtDistance", "50"}});
  sweep(state, window, "HScroll1", repaintEachStep, "txtReaction", "2.50");
}

void TrailerArticulatedSweep(benchmark::State& state, bool repaintEachStep) {
  Suite suite;
  QWidget* window = shownPage(suite, "frmTrailer");
  type(window, {{"txtd", "7.5"}, {"txtb", "2.5"}, {"txtp", "3.5"}, {"txtm", "0.5"}});
  sweep(state, window, "HScroll1", repaintEachStep, "txtR", "500.00");
}

void TrailerRigidSweep(benchmark::State& state, bool repaintEachStep) {
  Suite suite;
  QWidget* window = shownPage(suite, "frmTrailer");
  type(window, {{"txtL", "20"}});
  sweep(state, window, "HScrollR", repaintEachStep, "txtR2", "500.00");
}

double maximum(const std::vector<double>& values) {
  return *std::max_element(values.begin(), values.end());
}

void registerFirstShows() {
  // Each page once, whichever menu entries open it, and the diagram the crush page opens.
  std::vector<const char*> pages;
  for (const MenuEntry& entry : kMenuEntries)
    if (std::none_of(pages.begin(), pages.end(),
                     [&entry](const char* page) { return std::strcmp(page, entry.page) == 0; }))
      pages.push_back(entry.page);
  pages.push_back("frmDiagram");
  for (const char* page : pages) {
    benchmark::RegisterBenchmark((std::string("FirstShow/") + page).c_str(), FirstShow, page)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("max", maximum);
  }
}

void registerSweeps() {
  const std::pair<const char*, void (*)(benchmark::State&, bool)> sweeps[] = {
      {"Sweep/frmSun.HScroll1", SunSweep},
      {"Sweep/frmQuadratic.HScroll1", QuadraticSweep},
      {"Sweep/frmTrailer.HScroll1", TrailerArticulatedSweep},
      {"Sweep/frmTrailer.HScrollR", TrailerRigidSweep}};
  for (const auto& [name, function] : sweeps) {
    for (bool repaint : {false, true}) {
      benchmark::RegisterBenchmark((std::string(name) + (repaint ? "/repaint_each_step" : "")).c_str(),
                                   function, repaint)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond)
          ->Iterations(5)
          ->Repetitions(3)
          ->ReportAggregatesOnly(true)
          ->ComputeStatistics("max", maximum);
    }
  }
}

}  // namespace

// The offscreen platform says which window calls it cannot honour (raise, size hints); that
// is no news here.
QtMessageHandler standardMessages = nullptr;

void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  standardMessages(type, context, text);
}

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  standardMessages = qInstallMessageHandler(quietPlatformNotes);
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  registerFirstShows();
  registerSweeps();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
