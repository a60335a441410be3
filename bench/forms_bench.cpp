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

#include "bench/examples.h"
#include "bench/quiet_dialogs.h"
#include "fields/page_description.h"
#include "shell/page_logics.h"
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

// Moves the bar through every position from its minimum to its maximum, as a held arrow
// does, each move running the handler; repaintEachStep also paints the page after each move
// (a slow drag), otherwise the page is painted once at the end. The page is first typed as
// the bar's worked example types it; at the end every box must read as the page logic alone
// reads after the same sweep.
void WindowSweep(benchmark::State& state, const char* page, std::string_view bar,
                 bool repaintEachStep) {
  Suite suite;
  QWidget* window = shownPage(suite, page);
  bench::QuietDialogs dialogs;
  const std::unique_ptr<PageLogic> logic = openPageLogic(page, dialogs);
  const PageDescription& description = logic->description();
  const HandlerDescription& change = *description.handlerFor(bar, Event::Change);
  for (const ExampleStep& step : bench::sweepExample(page, change.name)->steps) {
    const ControlDescription* control = description.find(step.control);
    if (step.kind != ExampleStep::Kind::Set || control->kind != ControlKind::TextBox) continue;
    giveText(description, *control, step.value);
    window->findChild<QLineEdit*>(QString::fromStdString(step.control))
        ->setText(QString::fromStdString(step.value));
  }
  auto* scrollBar = window->findChild<QScrollBar*>(QString::fromUtf8(bar.data(), bar.size()));
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

  ScrollBar& logicBar = *description.find(bar)->get<ScrollBar>();
  for (int value = logicBar.minimum; value <= logicBar.maximum; ++value) {
    logicBar.value = value;
    change.run();
  }
  for (const ControlDescription& control : description.controls) {
    const TextBox* box = control.get<TextBox>();
    if (box == nullptr) continue;
    const QString name = QString::fromUtf8(control.name.data(), control.name.size());
    const QString shown = window->findChild<QWidget*>(name)->property(
        control.kind == ControlKind::TextArea ? "plainText" : "text").toString();
    if (shown != QString::fromStdString(box->text)) {
      state.SkipWithError(("at the end of the bar " + name.toStdString() + " reads \"" +
                           shown.toStdString() + "\", not \"" + box->text + "\"")
                              .c_str());
      return;
    }
  }
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

// Every scroll bar of every page that has a Change handler, through the real window.
void registerSweeps() {
  bench::QuietDialogs dialogs;
  for (std::string_view page : pageLogicNames()) {
    const std::unique_ptr<PageLogic> logic = openPageLogic(page, dialogs);
    for (const ControlDescription& control : logic->description().controls) {
      if (control.kind != ControlKind::ScrollBar ||
          logic->description().handlerFor(control.name, Event::Change) == nullptr)
        continue;
      const std::string name =
          "Sweep/" + std::string(page) + "." + std::string(control.name);
      for (bool repaint : {false, true}) {
        benchmark::RegisterBenchmark((name + (repaint ? "/repaint_each_step" : "")).c_str(),
                                     WindowSweep, page.data(), control.name, repaint)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true)
            ->ComputeStatistics("max", maximum);
      }
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
