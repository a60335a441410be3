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

  std::vector<OptionChoice> entries;
  for (std::size_t i = 0; i < p.options.size(); ++i)
    entries.push_back({kMenuEntries[i].page, &p.options[i]});
  const PageTable table{
      .boxes = {{FUZZ_CONTROL(p, txtDate), {}, false},
                {FUZZ_CONTROL(p, txtStopwatch), {"{0.00}  seconds"}, false},
                {FUZZ_CONTROL(p, txtMinutes), {"0"}},
                {FUZZ_CONTROL(p, txtSeconds), {"0"}}},
      .handlers = {{"cmdOK_Click",
                    [&p] {
                      if (p.cmdOK_Click() == nullptr) finding("OK opens no page");
                    }},
                   {"entry_DblClick",
                    [&input] {
                      const std::size_t entry = input.pick(kMenuEntries.size());
                      if (MenuPage::entry_DblClick(entry) == nullptr)
                        finding("a double click opens no page");
                    }},
                   FUZZ_HANDLER(p, mnuAuthor_Click), FUZZ_HANDLER(p, mnuAbout_Click),
                   FUZZ_HANDLER(p, mnuInformation_Click), FUZZ_HANDLER(p, mnuInstructions_Click),
                   FUZZ_HANDLER(p, mnuVersion_Click),
                   FUZZ_HANDLER(p, cmdStart_MouseDown, &p.cmdStart),
                   FUZZ_HANDLER(p, cmdStop_MouseDown, &p.cmdStop),
                   FUZZ_HANDLER(p, cmdReset_Click, &p.cmdReset),
                   {"time passes",
                    [&] {
                      now += static_cast<TimerState::Milliseconds>(input.word()) *
                             kLongestWait / 65536;
                      p.myTimer.tick();
                    }}},
      .captions = {{FUZZ_CONTROL(p, Label1)}},
      .optionGroups = {entries},
  };
  exercise(input, dialogs, table);
  return 0;
}
