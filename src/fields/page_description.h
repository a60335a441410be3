#pragma once
// What a page is, said once by its logic and read by everything that drives it: the window
// that binds its widgets, the worked-examples runner, the fuzz harness, the benchmarks.
//
// Each control has its name (the window's objectName), its kind, its role, the words that
// name it to a person, whether an input is a measured quantity, and the shapes of what the
// page writes into it. Each handler has the control and event that run it. A calculation is
// a named sequence of handlers with the inputs it reads and the results it writes.
//
// A description points into one copy of the page logic: it is built by that copy and lives
// no longer than it.

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "fields/controls.h"
#include "fields/message.h"
#include "fields/shape.h"
#include "fields/working.h"

namespace kelvara {

enum class ControlKind {
  TextBox,
  TextArea,  // a box of several lines
  Label,
  Button,
  Option,
  CheckBox,
  ScrollBar,
  Picture,
  Menu,      // a drop-down menu of the menu bar
  MenuItem,  // an entry of a menu, or an item directly on the menu bar
};

enum class Role {
  Input,    // typed or chosen by the investigator
  Result,   // written by the page
  Both,     // typed, or written by the page from the other inputs
  Fixed,    // a text or picture the investigator does not change (the page may)
  Command,  // a button or menu entry
};

// What an input holds.
enum class Nature {
  Measured,  // a measured quantity that may vary: a distance, a coefficient, a mass, an angle
  Text,      // a text that is not one: a clock time, a date, a vehicle model, grid letters
};

enum class Event { Click, DoubleClick, MouseDown, Change, Load };

// A command the window carries out itself, with no handler of the page's (or after it).
enum class WindowCommand { None, Menu, Exit, Print };

using ControlState = std::variant<TextBox*, Label*, CommandButton*, OptionButton*, CheckBox*,
                                  ScrollBar*, PictureBox*, MenuItem*>;

struct ControlDescription {
  std::string_view name;
  ControlKind kind;
  Role role;
  ControlState state;
  std::string_view words = {};  // what names it to a person, as the label beside it does
  Nature nature = Nature::Text;
  std::vector<Shape> shapes = {};  // what the page writes into it
  int group = -1;                  // an option's group: options of one group exclude each other
  bool echoesTyping = false;       // the page rewrites what was typed (in capitals, say)
  WindowCommand command = WindowCommand::None;

  template <class Control>
  Control* get() const {
    Control* const* control = std::get_if<Control*>(&state);
    return control == nullptr ? nullptr : *control;
  }
  const void* address() const;
  bool typeable() const { return role == Role::Input || role == Role::Both; }
  // An input that is a measured quantity the investigator may not know exactly.
  bool measured() const { return typeable() && nature == Nature::Measured; }
};

struct HandlerDescription {
  std::string name;          // cmdCalculate_Click
  std::string_view control;  // the control whose event runs it; empty for the page's Load
  Event event;
  std::function<void()> run;
};

struct Calculation {
  std::string_view name;  // "Critical speed under braking"
  std::vector<std::string_view> handlers;  // run in this order
  std::vector<std::string_view> inputs;    // the boxes and choices it reads
  std::vector<std::string_view> results;   // the boxes it writes its figures into
  int answer = Answer::No;                 // what a rerun answers to a Yes/No question
};

using Handler = std::function<void()>;

class PageDescription {
 public:
  PageDescription(std::string_view page, std::string_view title) : page(page), title(title) {}

  std::string_view page;   // the window's objectName, frmCurve
  std::string_view title;  // the window's title
  std::vector<ControlDescription> controls;
  std::vector<HandlerDescription> handlers;
  std::vector<Calculation> calculations;
  // Where the page's calculations record their working, when they do.
  RecordsWorking* recorder = nullptr;

  // Saying what the page is. A box the investigator types into, one the page writes, one
  // that is both, and one that shows a fixed text.
  ControlDescription& input(std::string_view name, TextBox& box, std::string_view words,
                            Nature nature);
  ControlDescription& result(std::string_view name, TextBox& box, std::string_view words,
                             std::initializer_list<Shape> shapes);
  ControlDescription& both(std::string_view name, TextBox& box, std::string_view words,
                           Nature nature, std::initializer_list<Shape> shapes);
  ControlDescription& fixed(std::string_view name, TextBox& box);
  // A label: a fixed caption, or one the page changes.
  //
  // The controls below may be given their handler, named after them as the toolkit names
  // it: the Click of a label, option, check box, picture, button or menu item
  // (cmdClear_Click), the Change of a scroll bar (HScroll1_Change).
  ControlDescription& label(std::string_view name, Label& label, Handler click = {});
  ControlDescription& option(std::string_view name, OptionButton& option, std::string_view words,
                             int group, Handler click = {});
  ControlDescription& check(std::string_view name, CheckBox& box, std::string_view words,
                            Handler click = {});
  ControlDescription& bar(std::string_view name, ScrollBar& bar, std::string_view words,
                          Handler change = {});
  ControlDescription& picture(std::string_view name, PictureBox& picture, Handler click = {});
  ControlDescription& button(std::string_view name, CommandButton& button, Handler click = {});
  ControlDescription& button(std::string_view name, CommandButton& button, WindowCommand command,
                             Handler click = {});
  ControlDescription& menu(std::string_view name, MenuItem& menu);
  ControlDescription& menuItem(std::string_view name, MenuItem& item, Handler click = {});
  ControlDescription& menuItem(std::string_view name, MenuItem& item, WindowCommand command);
  // A handler of another name or event, run by a control described before.
  void on(const void* control, Event event, std::string_view handler, Handler run);
  // A handler run when the page opens.
  void onLoad(std::string_view handler, Handler run);
  // A calculation over controls described before, its handlers described before. With no
  // inputs and results given, it reads every input of the page and writes every result.
  void calculation(std::string_view name, std::initializer_list<std::string_view> handlerNames,
                   std::initializer_list<const void*> inputs = {},
                   std::initializer_list<const void*> results = {}, int answer = Answer::No);

  // The page records the working of its calculations.
  void records(RecordsWorking& page) { recorder = &page; }

  // Reading it.
  const ControlDescription* find(std::string_view name) const;
  // The control of this copy of the page at that address (&page.txtRadius).
  const ControlDescription* findAt(const void* control) const;
  // The described control, which must be there (a form binding an undescribed control is
  // a fault of the program, reported at once).
  const ControlDescription& at(const void* control) const;
  const HandlerDescription* handler(std::string_view name) const;
  const HandlerDescription* handlerFor(std::string_view control, Event event) const;
  // What that event of the control runs: its handler, or nothing.
  Handler runFor(std::string_view control, Event event) const;
  // Runs the page's Load handlers, as its window does when it opens.
  void load() const;

 private:
  // Adds the control with the handler of its event, named after both, if there is one.
  ControlDescription& add(ControlDescription control, Event event = Event::Click,
                          Handler run = {});
};

// One copy of a page's logic with its description (the shell opens them by page name).
class PageLogic {
 public:
  virtual ~PageLogic() = default;
  const PageDescription& description() const { return description_; }

 protected:
  explicit PageLogic(PageDescription description) : description_(std::move(description)) {}

 private:
  PageDescription description_;
};

// What a control shows: a box's text, a label's caption, "True"/"False" for an option or
// check box, a scroll bar's position; nothing for buttons, pictures and menus.
std::optional<std::string> shownText(const ControlDescription& control);
// Gives a control its text or value as the investigator would (choosing an option clears the
// others of its group); false when the control holds no such text.
bool giveText(const PageDescription& page, const ControlDescription& control,
              std::string_view text);
// Every control's text (a box's, a caption, "True"/"False", a bar's position) as it stands.
std::map<std::string, std::string> textsOf(const PageDescription& page);

}  // namespace kelvara
