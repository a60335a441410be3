#include "collision/cycle_form.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSizePolicy>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

namespace {

// This page's headings keep to one line.
QLabel* oneLineHeading(QLabel* label, double scale) {
  return keepOnOneLine(headingLabel(label, scale));
}

void addSpanning(QGridLayout* grid, QWidget* widget) {
  grid->addWidget(widget, grid->rowCount(), 0, 1, 2);
}

// An equation and its captions keep their place on the page while hidden, so that showing
// them moves nothing else.
QWidget* keepPlace(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
  return widget;
}

}  // namespace

CycleForm::CycleForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());

  // Motorcycle.
  auto* motorcycle = new QGroupBox(page());
  auto* motorcycleGrid = new QGridLayout(motorcycle);
  addSpanning(motorcycleGrid, oneLineHeading(addLabel(page_.lblMotorcycle), 1.3));
  addSpanning(motorcycleGrid, oneLineHeading(addLabel(page_.lblInput), 1.05));
  addOneLineCaptionedRow(motorcycleGrid,
                         addLabel(nullptr, QStringLiteral("Mass of motorcycle in kg")),
                         addTextBox(page_.txtMass));
  addOneLineCaptionedRow(motorcycleGrid,
                         addLabel(nullptr, QStringLiteral("Frontal crush depth in metres")),
                         addTextBox(page_.txtCrush));
  addSpanning(motorcycleGrid, addLabel(page_.Label4));
  addSpanning(motorcycleGrid, oneLineHeading(addLabel(page_.lblOutput), 1.05));
  QLineEdit* motorcycleSpeed = addTextBox(page_.txtEbs);
  addOneLineCaptionedRow(motorcycleGrid,
                         addLabel(nullptr, QStringLiteral("Equivalent barrier speed ")),
                         motorcycleSpeed);
  auto* motorcycleButtons =
      pageButtonRow({addButton(page_.cmdCalculate, QStringLiteral("&Calculate")),
                     addButton(page_.cmdClear, QStringLiteral("Clear all &boxes"))},
                    {addMenuButton(page_.cmdMenu), addExitButton(page_.cmdExit)});
  motorcycleGrid->addLayout(motorcycleButtons, motorcycleGrid->rowCount(), 0, 1, 2);
  motorcycleGrid->setColumnStretch(1, 1);

  // Pole or narrow object.
  auto* narrow = new QGroupBox(page());
  auto* narrowGrid = new QGridLayout(narrow);
  addSpanning(narrowGrid, oneLineHeading(addLabel(page_.lblPole), 1.3));
  addSpanning(narrowGrid, oneLineHeading(addLabel(page_.lblInp), 1.05));
  addOneLineCaptionedRow(narrowGrid, addLabel(nullptr, QStringLiteral("Mass of car in kg")),
                         addTextBox(page_.txtMassofcar));
  addOneLineCaptionedRow(narrowGrid, addLabel(nullptr, QStringLiteral("Crush depth in metres")),
                         addTextBox(page_.txtCrushdepth));
  addSpanning(narrowGrid, oneLineHeading(addLabel(page_.lblOutp), 1.05));
  QLineEdit* narrowSpeed = addTextBox(page_.txtEbs2);
  addOneLineCaptionedRow(narrowGrid, addLabel(nullptr, QStringLiteral("Equivalent barrier speed")),
                         narrowSpeed);
  auto* narrowButtons =
      pageButtonRow({addButton(page_.cmdCalc, QStringLiteral("C&alculate")),
                     addButton(page_.cmdClear2, QStringLiteral("Clear all &boxes"))},
                    {addMenuButton(page_.cmdMenu2), addExitButton(page_.cmdExit2)});
  narrowGrid->addLayout(narrowButtons, narrowGrid->rowCount(), 0, 1, 2);
  narrowGrid->setColumnStretch(1, 1);
  narrowGrid->setRowStretch(narrowGrid->rowCount() - 2, 1);

  // The equations, each under its calculator; a click on a picture or caption hides it.
  QLabel* motorcycleTitle = addLabel(page_.Label3);
  QWidget* motorcycleEquation =
      addPicture(page_.Picture2, QStringLiteral(":/collision/cycle_motorcycle_equation.svg"));
  QLabel* motorcycleHint = addLabel(page_.Label2);
  QLabel* narrowCaption = addLabel(page_.Label1);
  QWidget* narrowEquation =
      addPicture(page_.Picture1, QStringLiteral(":/collision/cycle_narrow_equation.svg"));
  for (QWidget* widget : {static_cast<QWidget*>(motorcycleTitle), motorcycleEquation,
                          static_cast<QWidget*>(motorcycleHint),
                          static_cast<QWidget*>(narrowCaption), narrowEquation})
    keepPlace(widget);
  oneLineHeading(motorcycleTitle, 1.05);
  keepOnOneLine(motorcycleHint);
  keepOnOneLine(narrowCaption);

  auto* motorcycleColumn = new QVBoxLayout;
  motorcycleColumn->addWidget(motorcycle);
  motorcycleColumn->addWidget(motorcycleTitle);
  motorcycleColumn->addWidget(motorcycleEquation, 0, Qt::AlignLeft);
  motorcycleColumn->addWidget(motorcycleHint);
  motorcycleColumn->addStretch(1);
  auto* narrowColumn = new QVBoxLayout;
  narrowColumn->addWidget(narrow);
  narrowColumn->addWidget(narrowCaption);
  narrowColumn->addWidget(narrowEquation, 0, Qt::AlignLeft);
  narrowColumn->addStretch(1);

  QLineEdit* credit = addTextBox(page_.Text1);

  auto* layout = new QGridLayout(page());
  layout->addLayout(motorcycleColumn, 0, 0);
  layout->addLayout(narrowColumn, 0, 1);
  layout->addWidget(credit, 1, 0, 1, 2);
  // The two calculators side by side, as wide as each other.
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(1, 1);

  addMenuBarItem(page_.mnuMotorcycle, QStringLiteral("Motorcycle Crush Equation"));
  addMenuBarItem(page_.mnuNarrow, QStringLiteral("Narrow Crush Equation"));
  addMenuBarItem(page_.mnuNotes, QStringLiteral("Notes"));

  // Wide enough for a speed with its mph figure.
  const QFontMetrics metrics = motorcycleSpeed->fontMetrics();
  const int speedWidth =
      metrics.horizontalAdvance(QStringLiteral("0000.00  m/s   or   0000.00  mph  "));
  motorcycleSpeed->setMinimumWidth(speedWidth);
  narrowSpeed->setMinimumWidth(speedWidth);

  binding().push();
  credit->setCursorPosition(0);
}

}  // namespace kelvara
