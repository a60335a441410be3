#pragma once
// The stopwatch's timing: one run at a time, measured on a millisecond clock that never goes
// back, reported through the UpdateTime event as the display text of the elapsed time.
//
// A run ticks at start + k × 100 ms (k = 1, 2, ...). The clock is an integer count of
// milliseconds, so the tick times and the hundredths shown are exact: the tick at 5.1 s
// shows "5.10", never "5.09". The owner calls tick() whenever its timer fires; tick() raises
// at most one update however late it is called, so ticks that were missed while the program
// was busy are dropped, not replayed in a burst.

#include <cstdint>
#include <functional>
#include <string>

namespace kelvara {

class TimerState {
 public:
  using Milliseconds = std::int64_t;
  // Reads the clock: milliseconds from any fixed origin, never decreasing.
  using Clock = std::function<Milliseconds()>;
  using UpdateTimeHandler = std::function<void(const std::string& text)>;

  static constexpr Milliseconds kTickStep = 100;

  explicit TimerState(Clock clock);

  // Connects the UpdateTime event.
  void onUpdateTime(UpdateTimeHandler handler) { updateTime_ = std::move(handler); }

  // Asks the running timing loop to end; its next step shows the final time and ends the
  // run. Without a run it only sets the flag.
  void StopTimer();
  // Starts a run from zero at the present clock reading, ending any run in progress. Nothing
  // is shown at the start: the first update comes with the tick 100 ms later.
  void TimerTask();

  // The timing loop's step at the present clock reading: once stopped, the final update
  // (the elapsed time rounded to hundredths) ending the run; otherwise, when a tick time has
  // passed, one update with the elapsed time cut to hundredths.
  void tick();

  bool running() const { return running_; }
  // While running: how long until tick() has something to do (0 when it has now).
  Milliseconds untilNextStep() const;

  // The machine's monotonic clock in milliseconds: unaffected by midnight or by the clock
  // being set.
  static Milliseconds steadyClock();

  // "12.34  seconds" for 1234 hundredths.
  static std::string displayText(std::int64_t hundredths);

 private:
  void raise(std::int64_t hundredths);

  Clock clock_;
  UpdateTimeHandler updateTime_;
  bool stop_ = false;
  bool running_ = false;
  Milliseconds start_ = 0;     // clock reading at Start
  Milliseconds nextTick_ = 0;  // clock reading of the next tick
};

}  // namespace kelvara
