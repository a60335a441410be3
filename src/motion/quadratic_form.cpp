#include "motion/quadratic_form.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

QuadraticForm::QuadraticForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs, "frmQuadratic", QStringLiteral("Quadratic Equations")),
      page_(PageWindow::dialogs()) {
  auto* outer = new QVBoxLayout(page());

  // The general equation.
  outer->addWidget(boldLabel(addLabel("lblHeading", QStringLiteral("Quadratic Equations:"))));
  outer->addWidget(addLabel(
      "lblEither",
      QStringLiteral("EITHER complete the three boxes at the bottom of the form OR")));
  outer->addWidget(addLabel(
      "lblRearrange",
      QStringLiteral("re-arrange your equation into the form Ax^2 + Bx + C = 0   ")));
  outer->addWidget(
      addLabel("lblTypeIn", QStringLiteral("and then type in your values of A, B and C")));

  auto* equation = new QGroupBox(page());
  auto* equationGrid = new QGridLayout(equation);
  const struct {
    const char* labelName;
    const char* caption;
    const char* boxName;
    TextBox& box;
  } coefficients[] = {
      {"lblA", "       A = ", "txtA", page_.txtA},
      {"lblB", "        B =", "txtb", page_.txtb},
      {"lblC", "       C = ", "txtC", page_.txtC},
  };
  int row = 0;
  for (const auto& coefficient : coefficients) {
    equationGrid->addWidget(
        keepOnOneLine(addLabel(coefficient.labelName, QString::fromLatin1(coefficient.caption))),
        row, 0);
    equationGrid->addWidget(addTextBox(coefficient.boxName, coefficient.box), row, 1);
    ++row;
  }
  equationGrid->addWidget(boldLabel(addLabel("lblOutput", QStringLiteral("Output"))), row++, 1);
  equationGrid->addWidget(keepOnOneLine(addLabel("lblX", QStringLiteral("       x ="))), row, 0);
  equationGrid->addWidget(addTextBox("txtx", page_.txtx), row++, 1);
  equationGrid->addWidget(
      addButton("cmdCalcRoots", QStringLiteral("&Calculate value of x"), &page_.cmdCalcRoots,
                [this] { page_.cmdCalcRoots_Click(); }),
      row, 1, Qt::AlignLeft);
  equationGrid->setColumnStretch(1, 1);
  outer->addWidget(equation);

  auto* note = addLabel(
      "lblNote",
      QStringLiteral("Note: To calculate the speed, 'x' m/s,  from which a driver can react "
                     "and stop in a given distance, 'D' metres, under a deceleration 'a' "
                     "m/s/s,  use A = 1/(2a), B = reaction time, and C = -D. Choose the "
                     "positive value of x.  Your can input the relevant parameters in the "
                     "boxes below. Leave the boxes above empty, they will be filled in for "
                     "you.  Use the scroll bar to vary the reaction time.  "));
  note->setFrameShape(QFrame::StyledPanel);
  note->setMargin(4);
  outer->addWidget(note);

  // The reaction-stop speed.
  auto* speed = new QGroupBox(page());
  auto* speedGrid = new QGridLayout(speed);
  speedGrid->addWidget(boldLabel(addLabel("lblCalculateSpeed", QStringLiteral("Calculate Speed"))),
                       0, 0, 1, 2);
  const struct {
    const char* labelName;
    const char* caption;
    const char* boxName;
    TextBox& box;
  } lowerBoxes[] = {
      {"lblDeceleration", "Deceleration in m/s/s", "txtDeceleration", page_.txtDeceleration},
      {"lblReaction", "Reaction time /seconds", "txtReaction", page_.txtReaction},
      {"lblDistance", "Available stopping distance", "txtDistance", page_.txtDistance},
  };
  row = 1;
  for (const auto& lower : lowerBoxes) {
    speedGrid->addWidget(
        keepOnOneLine(addLabel(lower.labelName, QString::fromLatin1(lower.caption))), row, 0);
    speedGrid->addWidget(addTextBox(lower.boxName, lower.box), row, 1);
    ++row;
  }
  speedGrid->addWidget(addLabel("lblScrollRange",
                                QStringLiteral("Scroll bar for reaction times in the range")),
                       row++, 0, 1, 2);
  speedGrid->addWidget(addLabel("lblScrollLimits", QStringLiteral("0.00 to 2.50 seconds")),
                       row++, 0, 1, 2);
  speedGrid->addWidget(addScrollBar("HScroll1", page_.HScroll1, [this] { page_.HScroll1_Change(); }),
                       row++, 0, 1, 2);
  speedGrid->addWidget(addButton("cmdSpeed", QStringLiteral("Calculate &Speed"), &page_.cmdSpeed,
                                 [this] { page_.cmdSpeed_Click(); }),
                       row, 1, Qt::AlignLeft);
  speedGrid->setColumnStretch(1, 1);
  outer->addWidget(speed);

  auto* buttons = pageButtonRow({addButton("cmdClear2", QStringLiteral("Clear all &boxes"),
                                           &page_.cmdClear2, [this] { page_.cmdClear2_Click(); })},
                                {addMenuButton("cmdMenu1"), addExitButton("Exit")});
  outer->addLayout(buttons);

  auto* credit = addLabel("lblCredit", QStringLiteral("Kelvara Software Ltd, 2026"));
  credit->setFrameShape(QFrame::Panel);
  credit->setFrameShadow(QFrame::Sunken);
  credit->setMargin(2);
  outer->addWidget(credit);

  addMenuBarItem("mnuHelp", QStringLiteral("Help"), [this] { page_.mnuHelp_Click(); });

  binding().push();
  // The long note wraps, which the window's own first sizing underestimates.
  resize(sizeHint());
}

}  // namespace kelvara
