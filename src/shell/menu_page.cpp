#include "shell/menu_page.h"

#include <iterator>

#include "fields/field_text.h"

namespace kelvara {

namespace {

constexpr std::array<const char*, kPhotographCount> kPhotographCaptions{
    "Loss of control on a wet bend",
    "Right-turn collision at a crossroads",
    "Rear-end shunt in slow motorway traffic",
};

constexpr const char* kStopwatchAtZero = "0.00  seconds";
constexpr double kAlarmSpan = 3.0;  // seconds the alarm sounds for once the set time has passed
constexpr double kSecondsPerMinute = 60.0;

}  // namespace

MenuPage::MenuPage(Dialogs& dialogs, Beeper& beeper, TimerState::Clock clock, int photograph,
                   std::string date)
    : myTimer(std::move(clock)), dialogs_(dialogs), beeper_(beeper) {
  myTimer.onUpdateTime([this](const std::string& text) { myTimer_UpdateTime(text); });
  options[0].value = true;
  txtStopwatch.text = kStopwatchAtZero;
  txtDate.text = std::move(date);
  txtMinutes.text = "0";
  txtSeconds.text = "0";
  if (photograph >= 0 && photograph < kPhotographCount) {
    for (auto& picture : Pic) picture.visible = false;
    Pic[static_cast<std::size_t>(photograph)].visible = true;
    Label1.caption = photographCaption(photograph);
  }
}

const char* MenuPage::photographCaption(int photograph) {
  return kPhotographCaptions.at(static_cast<std::size_t>(photograph));
}

const char* MenuPage::cmdOK_Click() const {
  for (std::size_t i = 0; i < options.size(); ++i)
    if (options[i].value) return kMenuEntries[i].page;
  return nullptr;
}

const char* MenuPage::entry_DblClick(std::size_t entry) { return kMenuEntries.at(entry).page; }

void MenuPage::inform(std::initializer_list<const char*> lines) {
  Message message;
  for (const char* line : lines) message.lines.emplace_back(line);
  dialogs_.show(message);
}

void MenuPage::mnuAuthor_Click() {
  inform({"Kelvara Software Ltd", "www.kelvara.example", "support@kelvara.example"});
}

void MenuPage::mnuAbout_Click() {
  inform({"This suite of programmes is designed as an aid to Accident Investigators."});
}

void MenuPage::mnuInformation_Click() {
  inform({"This is a reduced suite of programmes for testing only.",
          "No responsibility is taken for any errors or omissions of any kind.",
          "If such errors or omissions are encountered or if you have any ",
          " suggestions that might improve the programme, please contact the author."});
}

void MenuPage::mnuInstructions_Click() {
  inform({"Either", "Double click on the menu item to go there immediately", "or",
          "Single click on the menu item you want to go to.",
          "The selection will be indicated by a dot in the centre of the option button.",
          " Initially, the option button for Newton's Equations is selected by default.",
          " When you are satisfied that you have selected the right item, click on the OK "
          "button or press RETURN.",
          "", "Menu items can also be selected by holding down ALT and keying the underlined letter."});
}

void MenuPage::mnuVersion_Click() { inform({kVersionText}); }

// Start while a run is going starts a new run from zero; the display keeps its text until
// the new run's first tick.
void MenuPage::cmdStart_MouseDown() {
  cmdReset.enabled = false;
  cmdStart.enabled = true;
  cmdStop.enabled = true;
  myTimer.TimerTask();
}

// Stop when idle only beeps and enables Reset. During a run, the run then ends at once with
// its final time, which passes through the alarm test like every update.
void MenuPage::cmdStop_MouseDown() {
  myTimer.StopTimer();
  cmdReset.enabled = true;
  beeper_.beep();
  myTimer.tick();
}

void MenuPage::cmdReset_Click() {
  txtStopwatch.text = kStopwatchAtZero;
  cmdStop.enabled = false;
  txtMinutes.text = "0";
  txtSeconds.text = "0";
}

// The alarm beeps at every update in the three seconds after the set time; an alarm of no
// time at all is off.
void MenuPage::myTimer_UpdateTime(const std::string& text) {
  txtStopwatch.text = text;
  const double alarm =
      kSecondsPerMinute * fieldValue(txtMinutes.text) + fieldValue(txtSeconds.text);
  const double elapsed = fieldValue(txtStopwatch.text);
  if (alarm < elapsed && elapsed < alarm + kAlarmSpan && alarm != 0.0) beeper_.beep();
}

}  // namespace kelvara

namespace kelvara {

PageDescription MenuPage::describe() {
  PageDescription d("frmMenu", "Kelvara");
  d.label("lbl1", lbl1);
  d.label("lbl2", lbl2);
  for (std::size_t i = 0; i < options.size(); ++i) {
    d.option(kMenuEntries[i].option, options[i], {}, 0);
    d.on(&options[i], Event::DoubleClick, "entry_DblClick", [i] { entry_DblClick(i); });
  }
  d.button("cmdOK", cmdOK, [this] { cmdOK_Click(); });
  d.button("cmdExit", cmdExit, WindowCommand::Exit);
  d.label("lblToday", lblToday);
  d.fixed("txtDate", txtDate);
  d.label("lblAuthor", lblAuthor);
  constexpr const char* kPictureNames[] = {"Pic(0)", "Pic(1)", "Pic(2)"};
  static_assert(std::size(kPictureNames) == kPhotographCount);
  for (std::size_t i = 0; i < Pic.size(); ++i) d.picture(kPictureNames[i], Pic[i]);
  d.label("Label1", Label1);
  d.picture("frmStopwatch", frmStopwatch);
  d.fixed("txtStopwatch", txtStopwatch).shapes = {"{0.00}  seconds"};
  d.button("cmdStart", cmdStart);
  d.button("cmdStop", cmdStop);
  d.button("cmdReset", cmdReset, [this] { cmdReset_Click(); });
  d.label("lblAlarm", lblAlarm);
  d.input("txtMinutes", txtMinutes, "Minutes", Nature::Measured).shapes = {"0"};
  d.input("txtSeconds", txtSeconds, "Seconds", Nature::Measured).shapes = {"0"};
  d.menu("mnuHelp", mnuHelp);
  d.menuItem("mnuAuthor", mnuAuthor, [this] { mnuAuthor_Click(); });
  d.menuItem("mnuAbout", mnuAbout, [this] { mnuAbout_Click(); });
  d.menuItem("mnuInformation", mnuInformation, [this] { mnuInformation_Click(); });
  d.menuItem("mnuInstructions", mnuInstructions, [this] { mnuInstructions_Click(); });
  d.menuItem("mnuVersion", mnuVersion, [this] { mnuVersion_Click(); });
  d.menuItem("mnuCheckFigures", mnuCheckFigures);

  d.on(&cmdStart, Event::MouseDown, "cmdStart_MouseDown", [this] { cmdStart_MouseDown(); });
  d.on(&cmdStop, Event::MouseDown, "cmdStop_MouseDown", [this] { cmdStop_MouseDown(); });
  return d;
}

}  // namespace kelvara
