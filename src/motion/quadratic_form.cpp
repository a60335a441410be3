#include "motion/quadratic_form.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

QuadraticForm::QuadraticForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  auto* outer = new QVBoxLayout(page());

  // The general equation.
  outer->addWidget(boldLabel(addLabel(page_.lblHeading)));
  outer->addWidget(addLabel(page_.lblEither));
  outer->addWidget(addLabel(page_.lblRearrange));
  outer->addWidget(addLabel(page_.lblTypeIn));

  auto* equation = new QGroupBox(page());
  auto* equationGrid = new QGridLayout(equation);
  const struct {
    Label& label;
    TextBox& box;
  } coefficients[] = {
      {page_.lblA, page_.txtA},
      {page_.lblB, page_.txtb},
      {page_.lblC, page_.txtC},
  };
  int row = 0;
  for (const auto& coefficient : coefficients) {
    equationGrid->addWidget(keepOnOneLine(addLabel(coefficient.label)), row, 0);
    equationGrid->addWidget(addTextBox(coefficient.box), row, 1);
    ++row;
  }
  equationGrid->addWidget(boldLabel(addLabel(page_.lblOutput)), row++, 1);
  equationGrid->addWidget(keepOnOneLine(addLabel(page_.lblX)), row, 0);
  equationGrid->addWidget(addTextBox(page_.txtx), row++, 1);
  equationGrid->addWidget(addButton(page_.cmdCalcRoots, QStringLiteral("&Calculate value of x")),
                          row, 1, Qt::AlignLeft);
  equationGrid->setColumnStretch(1, 1);
  outer->addWidget(equation);

  auto* note = addLabel(page_.lblNote);
  note->setFrameShape(QFrame::StyledPanel);
  note->setMargin(4);
  outer->addWidget(note);

  // The reaction-stop speed.
  auto* speed = new QGroupBox(page());
  auto* speedGrid = new QGridLayout(speed);
  speedGrid->addWidget(boldLabel(addLabel(page_.lblCalculateSpeed)), 0, 0, 1, 2);
  const struct {
    Label& label;
    TextBox& box;
  } lowerBoxes[] = {
      {page_.lblDeceleration, page_.txtDeceleration},
      {page_.lblReaction, page_.txtReaction},
      {page_.lblDistance, page_.txtDistance},
  };
  row = 1;
  for (const auto& lower : lowerBoxes) {
    speedGrid->addWidget(keepOnOneLine(addLabel(lower.label)), row, 0);
    speedGrid->addWidget(addTextBox(lower.box), row, 1);
    ++row;
  }
  speedGrid->addWidget(addLabel(page_.lblScrollRange), row++, 0, 1, 2);
  speedGrid->addWidget(addLabel(page_.lblScrollLimits), row++, 0, 1, 2);
  speedGrid->addWidget(addScrollBar(page_.HScroll1), row++, 0, 1, 2);
  speedGrid->addWidget(addButton(page_.cmdSpeed, QStringLiteral("Calculate &Speed")), row, 1,
                       Qt::AlignLeft);
  speedGrid->setColumnStretch(1, 1);
  outer->addWidget(speed);

  auto* buttons = pageButtonRow({addButton(page_.cmdClear2, QStringLiteral("Clear all &boxes"))},
                                {addMenuButton(page_.cmdMenu1), addExitButton(page_.Exit)});
  outer->addLayout(buttons);

  auto* credit = addLabel(page_.lblCredit);
  credit->setFrameShape(QFrame::Panel);
  credit->setFrameShadow(QFrame::Sunken);
  credit->setMargin(2);
  outer->addWidget(credit);

  addMenuBarItem(page_.mnuHelp, QStringLiteral("Help"));

  binding().push();
  // The long note wraps, which the window's own first sizing underestimates.
  resize(sizeHint());
}

}  // namespace kelvara
