#pragma once
// A page's controls as plain data. Page logic reads and writes these; the form binds each
// to its widget, copying what the investigator typed or chose into them before a handler
// runs and everything back onto the screen after it (and before every message box).

#include <string>

namespace kelvara {

struct TextBox {
  std::string text;
  bool enabled = true;
  bool visible = true;
};

struct Label {
  std::string caption;
  bool enabled = true;
  bool visible = true;
};

struct CommandButton {
  bool enabled = true;
  bool visible = true;
};

struct OptionButton {
  bool value = false;
  bool enabled = true;
  bool visible = true;
};

struct CheckBox {
  bool value = false;
  bool enabled = true;
  bool visible = true;
};

struct ScrollBar {
  int value = 0;
  int minimum = 0;
  int maximum = 32767;
  int smallChange = 1;
  int largeChange = 1;
  bool enabled = true;
  bool visible = true;
};

// A drop-down menu, an entry of one, or an item directly on the menu bar.
struct MenuItem {
  bool enabled = true;
  bool visible = true;
};

// Pictures, frames and other controls whose only run-time state is being shown.
struct PictureBox {
  bool enabled = true;
  bool visible = true;
};

}  // namespace kelvara

namespace kelvara {

// Moves a scroll bar as program code does, within its range. Returns true when the value
// changed: the page then runs the bar's Change handler, as the toolkit would.
inline bool moveScrollBar(ScrollBar& bar, int value) {
  if (value < bar.minimum) value = bar.minimum;
  if (value > bar.maximum) value = bar.maximum;
  if (value == bar.value) return false;
  bar.value = value;
  return true;
}

}  // namespace kelvara
