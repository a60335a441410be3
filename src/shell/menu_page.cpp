#include "shell/menu_page.h"

namespace kelvara {

namespace {

constexpr std::array<const char*, kPhotographCount> kPhotographCaptions{
    "Loss of control on a wet bend",
    "Right-turn collision at a crossroads",
    "Rear-end shunt in slow motorway traffic",
};

}  // namespace

MenuPage::MenuPage(Dialogs& dialogs, int photograph, std::string date) : dialogs_(dialogs) {
  options[0].value = true;
  txtStopwatch.text = "0.00  seconds";
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

void MenuPage::mnuVersion_Click() { inform({"This programme was last updated in 2018"}); }

}  // namespace kelvara
