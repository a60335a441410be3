#pragma once
// The menu window's logic: the list of calculators, which one is chosen, the photograph
// shown, the date, the Help messages and the stopwatch with its alarm.

#include <array>
#include <string>

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"
#include "shell/beeper.h"
#include "shell/timer_state.h"

namespace kelvara {

struct MenuEntry {
  const char* option;   // the option button's name
  const char* caption;  // its caption with the access key
  const char* page;     // the objectName of the page it opens
};

// The entries in the order the OK command tests them.
inline constexpr std::array<MenuEntry, 19> kMenuEntries{{
    {"optNewton", "&Newton's Equations", "frmNewton"},
    {"optQuadratic", "&Quadratic Equations and speed", "frmQuadratic"},
    {"optCurve", "&Curves and critical speed", "frmCurve"},
    {"optThrow", "Speed from &Throw Distance", "frmThrow"},
    {"optMomentum", "Speed from &momentum ", "frmMomentum"},
    {"optCrush", "Crush &Analysis", "frmCrush"},
    {"optNotes1", "&Reaction times and Walking Speeds", "frmReaction"},
    {"optOverturn", "&Overturning", "frmOverturn"},
    {"optMaxspeed", "Maximum speed on a &bend", "frmMaxspeed"},
    {"optFlight", "&Flight of vehicles", "frmFlight"},
    {"optAlcohol", "A&lcohol back-tracking", "frmAlcohol"},
    {"optPartial", "&Partial braking", "frmPartialbraking"},
    {"optCycle", "Motorc&ycle crush", "frmCycle"},
    {"optPole", "Pole or narro&w crush", "frmCycle"},
    {"opttoOSGrid", "OSGrid to Lat&itude and Longitude", "frmLongitudeLatitude"},
    {"optLongLat", "Latitude and Longitude to OS&Grid", "frmUKGrid"},
    {"optSun", "&Sun's position", "frmSun"},
    {"optTrailer", "Trailer c&ut-in", "frmTrailer"},
    {"optSideSlip", "Side Slip Calculations", "frmSideSlip"},
}};

inline constexpr int kPhotographCount = 3;

// The program's version, as the Help menu's Version message gives it.
inline constexpr const char* kVersionText = "This programme was last updated in 2018";

class MenuPage {
 public:
  // photograph: the index drawn at start-up (0 to 2); date: today's date as displayed;
  // clock: the stopwatch's millisecond clock; beeper sounds the stopwatch and its alarm.
  MenuPage(Dialogs& dialogs, Beeper& beeper, TimerState::Clock clock, int photograph,
           std::string date);
  MenuPage(const MenuPage&) = delete;
  MenuPage& operator=(const MenuPage&) = delete;

  // The page the OK command opens: the first selected entry in table order.
  const char* cmdOK_Click() const;
  // The page a double click on entry opens.
  static const char* entry_DblClick(std::size_t entry);

  void mnuAuthor_Click();
  void mnuAbout_Click();
  void mnuInformation_Click();
  void mnuInstructions_Click();
  void mnuVersion_Click();

  // The stopwatch. Start and Stop react when a mouse button goes down on them, Reset on a
  // click. The owner calls myTimer.tick() through its timer whenever myTimer.untilNextStep()
  // has passed; each update of the run arrives at myTimer_UpdateTime.
  void cmdStart_MouseDown();
  void cmdStop_MouseDown();
  void cmdReset_Click();
  void myTimer_UpdateTime(const std::string& text);

  // The window as its form shows it: the page logic's own controls and the window's.
  PageDescription describe();

  Label lbl1{"Kelvara"};
  Label lbl2{"Menu:"};
  std::array<OptionButton, kMenuEntries.size()> options;  // in kMenuEntries order
  CommandButton cmdOK, cmdExit;
  Label lblToday{" Today's date"};
  TextBox txtDate;
  Label lblAuthor{"Kelvara Software Ltd, 2026"};
  std::array<PictureBox, kPhotographCount> Pic;
  Label Label1;
  PictureBox frmStopwatch;
  TextBox txtStopwatch;
  CommandButton cmdStart, cmdStop, cmdReset;
  Label lblAlarm{"Set alarm to sound after "};
  TextBox txtMinutes, txtSeconds;
  MenuItem mnuHelp, mnuAuthor, mnuAbout, mnuInformation, mnuInstructions, mnuVersion;
  MenuItem mnuCheckFigures;
  TimerState myTimer;

  static const char* photographCaption(int photograph);

 private:
  void inform(std::initializer_list<const char*> lines);

  Dialogs& dialogs_;
  Beeper& beeper_;
};

}  // namespace kelvara
