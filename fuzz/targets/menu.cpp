// The menu and its stopwatch, on a clock that the input moves on.
#include "harness.h"
#include "shell/beeper.h"
#include "shell/menu_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

namespace {

class SilentBeeper : public Beeper {
 public:
  void beep() override {}
};

constexpr TimerState::Milliseconds kLongestWait = 4 * 60 * 1000;  // one step of the input

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  FuzzDialogs dialogs(input);
  SilentBeeper beeper;
  TimerState::Milliseconds now = 0;
  const int photograph = static_cast<int>(input.pick(kPhotographCount + 2)) - 1;
  MenuPage p(dialogs, beeper, [&now] { return now; }, photograph, "Wednesday,9 December, 2026");

  PageDescription description = p.describe();
  const std::string_view ok = description.findAt(&p.cmdOK)->name;
  for (HandlerDescription& handler : description.handlers)
    if (handler.control == ok && handler.event == Event::Click)
      handler.run = [&p] {
        if (p.cmdOK_Click() == nullptr) finding("OK opens no page");
      };
  exercise(input, dialogs, description,
           {{"time passes", [&] {
               now += static_cast<TimerState::Milliseconds>(input.word()) * kLongestWait / 65536;
               p.myTimer.tick();
             }}});
  return 0;
}
