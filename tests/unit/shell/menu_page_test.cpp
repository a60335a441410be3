#include "shell/menu_page.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/counting_beeper.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using testing::CountingBeeper;
using testing::RecordingDialogs;

TimerState::Milliseconds stoppedClock() { return 0; }

TEST(MenuPage, StartsOnNewtonWithOnePhotographAndIdleStopwatch) {
  RecordingDialogs dialogs;
  CountingBeeper beeper;
  MenuPage menu(dialogs, beeper, stoppedClock, 2, "Monday,7 December, 2026");
  EXPECT_STREQ(menu.cmdOK_Click(), "frmNewton");
  EXPECT_EQ(menu.txtDate.text, "Monday,7 December, 2026");
  EXPECT_FALSE(menu.Pic[0].visible);
  EXPECT_FALSE(menu.Pic[1].visible);
  EXPECT_TRUE(menu.Pic[2].visible);
  EXPECT_EQ(menu.Label1.caption, MenuPage::photographCaption(2));
  EXPECT_EQ(menu.txtStopwatch.text, "0.00  seconds");
  EXPECT_EQ(menu.txtMinutes.text, "0");
  EXPECT_EQ(menu.txtSeconds.text, "0");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(MenuPage, OkOpensTheFirstSelectedEntryInTableOrder) {
  RecordingDialogs dialogs;
  CountingBeeper beeper;
  MenuPage menu(dialogs, beeper, stoppedClock, 0, "");
  menu.options[0].value = false;
  menu.options[13].value = true;  // the pole entry
  EXPECT_STREQ(menu.cmdOK_Click(), "frmCycle");
  menu.options[12].value = true;  // the motorcycle entry comes first in the table
  EXPECT_STREQ(menu.cmdOK_Click(), "frmCycle");
  menu.options[13].value = false;
  menu.options[12].value = false;
  menu.options[18].value = true;
  EXPECT_STREQ(menu.cmdOK_Click(), "frmSideSlip");
}

TEST(MenuPage, EntriesHaveDistinctAccessKeysAndTwoShareTheCyclePage) {
  std::set<char> keys;
  std::set<std::string> pages;
  for (const auto& entry : kMenuEntries) {
    const std::string caption = entry.caption;
    const auto amp = caption.find('&');
    if (amp != std::string::npos) {
      EXPECT_TRUE(keys.insert(static_cast<char>(std::toupper(caption[amp + 1]))).second)
          << caption;
    }
    pages.insert(entry.page);
  }
  EXPECT_EQ(keys.size(), 18u);
  EXPECT_EQ(keys.count('X'), 0u);  // Exit's
  EXPECT_EQ(pages.size(), 18u);
  EXPECT_STREQ(MenuPage::entry_DblClick(12), MenuPage::entry_DblClick(13));
  EXPECT_STREQ(MenuPage::entry_DblClick(18), "frmSideSlip");
}

TEST(MenuPage, HelpMessagesAreOkBoxesTitledKelvara) {
  RecordingDialogs dialogs;
  CountingBeeper beeper;
  MenuPage menu(dialogs, beeper, stoppedClock, 0, "");
  menu.mnuAbout_Click();
  menu.mnuInformation_Click();
  menu.mnuInstructions_Click();
  menu.mnuVersion_Click();
  menu.mnuAuthor_Click();
  ASSERT_EQ(dialogs.shown.size(), 5u);
  for (const auto& message : dialogs.shown) {
    EXPECT_EQ(message.title, "Kelvara");
    EXPECT_EQ(message.code, MessageCode::Ok);
  }
  EXPECT_EQ(dialogs.shown[0].lines,
            std::vector<std::string>{
                "This suite of programmes is designed as an aid to Accident Investigators."});
  EXPECT_EQ(dialogs.shown[1].lines.size(), 4u);
  EXPECT_EQ(dialogs.shown[1].lines[2], "If such errors or omissions are encountered or if you have any ");
  const auto& instructions = dialogs.shown[2].lines;
  ASSERT_EQ(instructions.size(), 9u);
  EXPECT_EQ(instructions[7], "");
  EXPECT_EQ(instructions[5], " Initially, the option button for Newton's Equations is selected by default.");
  EXPECT_EQ(dialogs.shown[3].lines,
            std::vector<std::string>{"This programme was last updated in 2018"});
  EXPECT_EQ(dialogs.shown[4].lines.size(), 3u);
}

TEST(MenuPage, HelpMessagesWordForWord) {
  RecordingDialogs dialogs;
  CountingBeeper beeper;
  MenuPage menu(dialogs, beeper, stoppedClock, 0, "");
  menu.mnuInformation_Click();
  menu.mnuInstructions_Click();
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text(),
            "This is a reduced suite of programmes for testing only.\n"
            "No responsibility is taken for any errors or omissions of any kind.\n"
            "If such errors or omissions are encountered or if you have any \n"
            " suggestions that might improve the programme, please contact the author.");
  EXPECT_EQ(dialogs.shown[1].text(),
            "Either\n"
            "Double click on the menu item to go there immediately\n"
            "or\n"
            "Single click on the menu item you want to go to.\n"
            "The selection will be indicated by a dot in the centre of the option button.\n"
            " Initially, the option button for Newton's Equations is selected by default.\n"
            " When you are satisfied that you have selected the right item, click on the OK "
            "button or press RETURN.\n"
            "\n"
            "Menu items can also be selected by holding down ALT and keying the underlined letter.");
  EXPECT_EQ(beeper.beeps, 0);
}

}  // namespace
}  // namespace kelvara
