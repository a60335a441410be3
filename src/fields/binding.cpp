#include "fields/binding.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace kelvara {

namespace {

void showState(QWidget* widget, bool enabled, bool visible) {
  if (widget->isEnabled() != enabled) widget->setEnabled(enabled);
  if (widget->isHidden() == visible) widget->setVisible(visible);
}

void setTextIfChanged(QLineEdit* widget, const std::string& text) {
  const QString wanted = QString::fromStdString(text);
  if (widget->text() != wanted) widget->setText(wanted);
}

void uncheckInExclusiveGroup(QRadioButton* widget) {
  QButtonGroup* group = widget->group();
  const bool groupExclusive = group != nullptr && group->exclusive();
  const bool autoExclusive = widget->autoExclusive();
  if (group != nullptr) group->setExclusive(false);
  widget->setAutoExclusive(false);
  widget->setChecked(false);
  widget->setAutoExclusive(autoExclusive);
  if (group != nullptr) group->setExclusive(groupExclusive);
}

}  // namespace

void Binding::bind(QLineEdit* widget, TextBox& control) {
  pulls_.push_back([widget, &control] { control.text = widget->text().toStdString(); });
  pushes_.push_back([widget, &control] {
    const QSignalBlocker blocker(widget);
    setTextIfChanged(widget, control.text);
    showState(widget, control.enabled, control.visible);
  });
}

void Binding::bind(QPlainTextEdit* widget, TextBox& control) {
  pulls_.push_back([widget, &control] { control.text = widget->toPlainText().toStdString(); });
  pushes_.push_back([widget, &control] {
    const QSignalBlocker blocker(widget);
    const QString wanted = QString::fromStdString(control.text);
    if (widget->toPlainText() != wanted) widget->setPlainText(wanted);
    showState(widget, control.enabled, control.visible);
  });
}

void Binding::bind(QLabel* widget, Label& control) {
  pushes_.push_back([widget, &control] {
    const QString wanted = QString::fromStdString(control.caption);
    if (widget->text() != wanted) widget->setText(wanted);
    showState(widget, control.enabled, control.visible);
  });
}

void Binding::bind(QAbstractButton* widget, CommandButton& control) {
  pushes_.push_back([widget, &control] { showState(widget, control.enabled, control.visible); });
}

void Binding::bind(QRadioButton* widget, OptionButton& control) {
  pulls_.push_back([widget, &control] { control.value = widget->isChecked(); });
  pushes_.push_back([widget, &control] {
    const QSignalBlocker blocker(widget);
    if (control.value || !widget->isChecked()) {
      widget->setChecked(control.value);
    } else {
      // An exclusive group cannot be left with none selected; some option groups may be.
      uncheckInExclusiveGroup(widget);
    }
    showState(widget, control.enabled, control.visible);
  });
}

void Binding::bind(QCheckBox* widget, CheckBox& control) {
  pulls_.push_back([widget, &control] { control.value = widget->isChecked(); });
  pushes_.push_back([widget, &control] {
    const QSignalBlocker blocker(widget);
    widget->setChecked(control.value);
    showState(widget, control.enabled, control.visible);
  });
}

void Binding::bind(QScrollBar* widget, ScrollBar& control) {
  pulls_.push_back([widget, &control] { control.value = widget->value(); });
  pushes_.push_back([widget, &control] {
    const QSignalBlocker blocker(widget);
    widget->setRange(control.minimum, control.maximum);
    widget->setSingleStep(control.smallChange);
    widget->setPageStep(control.largeChange);
    widget->setValue(control.value);
    showState(widget, control.enabled, control.visible);
  });
}

void Binding::bind(QWidget* widget, PictureBox& control) {
  pushes_.push_back([widget, &control] { showState(widget, control.enabled, control.visible); });
}

void Binding::pull() const {
  for (const auto& step : pulls_) step();
}

void Binding::push() const {
  for (const auto& step : pushes_) step();
}

}  // namespace kelvara
