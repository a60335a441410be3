#pragma once
// Binds widgets to the plain controls of a page's logic.
//
// pull() copies what the investigator can change (texts, choices, scroll positions) from
// the widgets into the controls before a handler runs; push() copies every control back
// onto its widget afterwards. push() blocks the widgets' signals, so writing a text never
// starts a handler by itself: page logic runs its own Change handlers where the program
// changes a control.

#include <functional>
#include <vector>

#include "fields/controls.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace kelvara {

class Binding {
 public:
  void bind(QLineEdit* widget, TextBox& control);
  void bind(QPlainTextEdit* widget, TextBox& control);
  void bind(QLabel* widget, Label& control);
  void bind(QAbstractButton* widget, CommandButton& control);
  void bind(QRadioButton* widget, OptionButton& control);
  void bind(QCheckBox* widget, CheckBox& control);
  void bind(QScrollBar* widget, ScrollBar& control);
  void bind(QWidget* widget, PictureBox& control);

  void pull() const;
  void push() const;

 private:
  std::vector<std::function<void()>> pulls_;
  std::vector<std::function<void()>> pushes_;
};

}  // namespace kelvara
