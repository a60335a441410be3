#include "shell/timer_state.h"

#include <algorithm>
#include <chrono>

namespace kelvara {

namespace {
constexpr TimerState::Milliseconds kMillisecondsPerHundredth = 10;
}  // namespace

TimerState::TimerState(Clock clock) : clock_(std::move(clock)) {}

void TimerState::StopTimer() { stop_ = true; }

void TimerState::TimerTask() {
  start_ = clock_();
  stop_ = false;
  running_ = true;
  // The tick at the start itself has nothing elapsed and shows nothing.
  nextTick_ = start_ + kTickStep;
}

void TimerState::tick() {
  if (!running_) return;
  const Milliseconds now = clock_();
  const Milliseconds elapsed = std::max<Milliseconds>(now - start_, 0);
  if (stop_) {
    running_ = false;
    raise((elapsed + kMillisecondsPerHundredth / 2) / kMillisecondsPerHundredth);
    return;
  }
  if (now < nextTick_) return;
  // The next tick is the first one still ahead: missed ones are not made up.
  nextTick_ = start_ + (elapsed / kTickStep + 1) * kTickStep;
  raise(elapsed / kMillisecondsPerHundredth);
}

TimerState::Milliseconds TimerState::untilNextStep() const {
  if (!running_ || stop_) return 0;
  return std::max<Milliseconds>(nextTick_ - clock_(), 0);
}

TimerState::Milliseconds TimerState::steadyClock() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string TimerState::displayText(std::int64_t hundredths) {
  const std::int64_t fraction = hundredths % 100;
  return std::to_string(hundredths / 100) + (fraction < 10 ? ".0" : ".") +
         std::to_string(fraction) + "  seconds";
}

void TimerState::raise(std::int64_t hundredths) {
  if (updateTime_) updateTime_(displayText(hundredths));
}

}  // namespace kelvara
