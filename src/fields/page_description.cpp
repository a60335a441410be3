#include "fields/page_description.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace kelvara {

const void* ControlDescription::address() const {
  return std::visit([](auto* control) -> const void* { return control; }, state);
}

ControlDescription& PageDescription::add(ControlDescription control, Event event, Handler run) {
  controls.push_back(std::move(control));
  const std::string_view name = controls.back().name;
  if (run)
    handlers.push_back({std::string(name) + (event == Event::Change ? "_Change" : "_Click"), name,
                        event, std::move(run)});
  return controls.back();
}

ControlDescription& PageDescription::input(std::string_view name, TextBox& box,
                                           std::string_view words, Nature nature) {
  return add({name, ControlKind::TextBox, Role::Input, &box, words, nature});
}

ControlDescription& PageDescription::result(std::string_view name, TextBox& box,
                                            std::string_view words,
                                            std::initializer_list<Shape> shapes) {
  return add({name, ControlKind::TextBox, Role::Result, &box, words, Nature::Text, shapes});
}

ControlDescription& PageDescription::both(std::string_view name, TextBox& box,
                                          std::string_view words, Nature nature,
                                          std::initializer_list<Shape> shapes) {
  return add({name, ControlKind::TextBox, Role::Both, &box, words, nature, shapes});
}

ControlDescription& PageDescription::fixed(std::string_view name, TextBox& box) {
  return add({name, ControlKind::TextBox, Role::Fixed, &box});
}

ControlDescription& PageDescription::label(std::string_view name, Label& label, Handler click) {
  return add({name, ControlKind::Label, Role::Fixed, &label}, Event::Click, std::move(click));
}

ControlDescription& PageDescription::option(std::string_view name, OptionButton& option,
                                            std::string_view words, int group, Handler click) {
  return add({name, ControlKind::Option, Role::Input, &option, words, Nature::Text, {}, group},
             Event::Click, std::move(click));
}

ControlDescription& PageDescription::check(std::string_view name, CheckBox& box,
                                           std::string_view words, Handler click) {
  return add({name, ControlKind::CheckBox, Role::Input, &box, words}, Event::Click,
             std::move(click));
}

ControlDescription& PageDescription::bar(std::string_view name, ScrollBar& bar,
                                         std::string_view words, Handler change) {
  return add({name, ControlKind::ScrollBar, Role::Input, &bar, words}, Event::Change,
             std::move(change));
}

ControlDescription& PageDescription::picture(std::string_view name, PictureBox& picture,
                                             Handler click) {
  return add({name, ControlKind::Picture, Role::Fixed, &picture}, Event::Click, std::move(click));
}

ControlDescription& PageDescription::button(std::string_view name, CommandButton& button,
                                            Handler click) {
  return this->button(name, button, WindowCommand::None, std::move(click));
}

ControlDescription& PageDescription::button(std::string_view name, CommandButton& button,
                                            WindowCommand command, Handler click) {
  return add({name, ControlKind::Button, Role::Command, &button, {}, Nature::Text, {}, -1, false,
              command},
             Event::Click, std::move(click));
}

ControlDescription& PageDescription::menu(std::string_view name, MenuItem& menu) {
  return add({name, ControlKind::Menu, Role::Command, &menu});
}

ControlDescription& PageDescription::menuItem(std::string_view name, MenuItem& item,
                                              Handler click) {
  return add({name, ControlKind::MenuItem, Role::Command, &item}, Event::Click, std::move(click));
}

ControlDescription& PageDescription::menuItem(std::string_view name, MenuItem& item,
                                              WindowCommand command) {
  return add({name, ControlKind::MenuItem, Role::Command, &item, {}, Nature::Text, {}, -1, false,
              command});
}

void PageDescription::on(const void* control, Event event, std::string_view handler,
                         Handler run) {
  handlers.push_back({std::string(handler), at(control).name, event, std::move(run)});
}

void PageDescription::onLoad(std::string_view handler, Handler run) {
  handlers.push_back({std::string(handler), {}, Event::Load, std::move(run)});
}

void PageDescription::calculation(std::string_view name,
                                  std::initializer_list<std::string_view> handlerNames,
                                  std::initializer_list<const void*> inputs,
                                  std::initializer_list<const void*> results, int answer) {
  Calculation added{name, {}, {}, {}, answer};
  for (std::string_view handlerName : handlerNames) {
    if (handler(handlerName) == nullptr)
      throw std::logic_error(std::string(page) + ": no handler " + std::string(handlerName));
    added.handlers.push_back(handlerName);
  }
  for (const void* input : inputs) added.inputs.push_back(at(input).name);
  for (const void* result : results) added.results.push_back(at(result).name);
  if (inputs.size() == 0 && results.size() == 0)
    for (const ControlDescription& control : controls) {
      if (control.typeable()) added.inputs.push_back(control.name);
      if ((control.role == Role::Result || control.role == Role::Both) &&
          control.kind == ControlKind::TextBox)
        added.results.push_back(control.name);
    }
  calculations.push_back(std::move(added));
}

const ControlDescription* PageDescription::find(std::string_view name) const {
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [name](const ControlDescription& c) { return c.name == name; });
  return found == controls.end() ? nullptr : &*found;
}

const ControlDescription* PageDescription::findAt(const void* control) const {
  const auto found =
      std::find_if(controls.begin(), controls.end(),
                   [control](const ControlDescription& c) { return c.address() == control; });
  return found == controls.end() ? nullptr : &*found;
}

const ControlDescription& PageDescription::at(const void* control) const {
  const ControlDescription* found = findAt(control);
  if (found == nullptr)
    throw std::logic_error(std::string(page) + ": a control that its description does not name");
  return *found;
}

const HandlerDescription* PageDescription::handler(std::string_view name) const {
  const auto found = std::find_if(handlers.begin(), handlers.end(),
                                  [name](const HandlerDescription& h) { return h.name == name; });
  return found == handlers.end() ? nullptr : &*found;
}

const HandlerDescription* PageDescription::handlerFor(std::string_view control,
                                                      Event event) const {
  const auto found =
      std::find_if(handlers.begin(), handlers.end(), [&](const HandlerDescription& h) {
        return h.control == control && h.event == event;
      });
  return found == handlers.end() ? nullptr : &*found;
}

Handler PageDescription::runFor(std::string_view control, Event event) const {
  const HandlerDescription* found = handlerFor(control, event);
  return found == nullptr ? Handler() : found->run;
}

void PageDescription::load() const {
  for (const HandlerDescription& handler : handlers)
    if (handler.event == Event::Load) handler.run();
}

namespace {

const char* truth(bool value) { return value ? "True" : "False"; }

}  // namespace

std::optional<std::string> shownText(const ControlDescription& control) {
  if (const TextBox* box = control.get<TextBox>()) return box->text;
  if (const Label* label = control.get<Label>()) return label->caption;
  if (const OptionButton* option = control.get<OptionButton>()) return truth(option->value);
  if (const CheckBox* check = control.get<CheckBox>()) return truth(check->value);
  if (const ScrollBar* bar = control.get<ScrollBar>()) return std::to_string(bar->value);
  return std::nullopt;
}

bool giveText(const PageDescription& page, const ControlDescription& control,
              std::string_view text) {
  const bool on = text == "True";
  if (TextBox* box = control.get<TextBox>()) {
    box->text = text;
  } else if (Label* label = control.get<Label>()) {
    label->caption = text;
  } else if (OptionButton* option = control.get<OptionButton>()) {
    if (on)
      for (const ControlDescription& other : page.controls)
        if (other.kind == ControlKind::Option && other.group == control.group)
          other.get<OptionButton>()->value = false;
    option->value = on;
  } else if (CheckBox* check = control.get<CheckBox>()) {
    check->value = on;
  } else if (ScrollBar* bar = control.get<ScrollBar>()) {
    int position = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), position);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    moveScrollBar(*bar, position);
  } else {
    return false;
  }
  return true;
}

std::map<std::string, std::string> textsOf(const PageDescription& page) {
  std::map<std::string, std::string> texts;
  for (const ControlDescription& control : page.controls)
    if (const auto text = shownText(control)) texts.emplace(control.name, *text);
  return texts;
}

}  // namespace kelvara
