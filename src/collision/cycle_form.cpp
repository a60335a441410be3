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
    : PageWindow(host, dialogs, "frmCycle", QStringLiteral("Motorcycle crush")),
      page_(PageWindow::dialogs()) {
  // Motorcycle.
  auto* motorcycle = new QGroupBox(page());
  auto* motorcycleGrid = new QGridLayout(motorcycle);
  addSpanning(motorcycleGrid,
              oneLineHeading(addLabel("lblMotorcycle", QStringLiteral("Motorcycle crush")), 1.3));
  addSpanning(motorcycleGrid, oneLineHeading(addLabel("lblInput", QStringLiteral("Input")), 1.05));
  addOneLineCaptionedRow(motorcycleGrid,
                         addLabel(nullptr, QStringLiteral("Mass of motorcycle in kg")),
                         addTextBox("txtMass", page_.txtMass));
  addOneLineCaptionedRow(motorcycleGrid,
                         addLabel(nullptr, QStringLiteral("Frontal crush depth in metres")),
                         addTextBox("txtCrush", page_.txtCrush));
  addSpanning(motorcycleGrid,
              addLabel("Label4", QStringLiteral("Crush should be greater than 0.23 metres")));
  addSpanning(motorcycleGrid,
              oneLineHeading(addLabel("lblOutput", QStringLiteral("Output")), 1.05));
  QLineEdit* motorcycleSpeed = addTextBox("txtEbs", page_.txtEbs);
  addOneLineCaptionedRow(motorcycleGrid,
                         addLabel(nullptr, QStringLiteral("Equivalent barrier speed ")),
                         motorcycleSpeed);
  auto* motorcycleButtons =
      pageButtonRow({addButton("cmdCalculate", QStringLiteral("&Calculate"), nullptr,
                               [this] { page_.cmdCalculate_Click(); }),
                     addButton("cmdClear", QStringLiteral("Clear all &boxes"), nullptr,
                               [this] { page_.cmdClear_Click(); })},
                    {addMenuButton("cmdMenu"), addExitButton("cmdExit")});
  motorcycleGrid->addLayout(motorcycleButtons, motorcycleGrid->rowCount(), 0, 1, 2);
  motorcycleGrid->setColumnStretch(1, 1);

  // Pole or narrow object.
  auto* narrow = new QGroupBox(page());
  auto* narrowGrid = new QGridLayout(narrow);
  addSpanning(narrowGrid,
              oneLineHeading(addLabel("lblPole", QStringLiteral("Pole or narrow crush")), 1.3));
  addSpanning(narrowGrid, oneLineHeading(addLabel("lblInp", QStringLiteral("Input")), 1.05));
  addOneLineCaptionedRow(narrowGrid, addLabel(nullptr, QStringLiteral("Mass of car in kg")),
                         addTextBox("txtMassofcar", page_.txtMassofcar));
  addOneLineCaptionedRow(narrowGrid, addLabel(nullptr, QStringLiteral("Crush depth in metres")),
                         addTextBox("txtCrushdepth", page_.txtCrushdepth));
  addSpanning(narrowGrid, oneLineHeading(addLabel("lblOutp", QStringLiteral("Output")), 1.05));
  QLineEdit* narrowSpeed = addTextBox("txtEbs2", page_.txtEbs2);
  addOneLineCaptionedRow(narrowGrid, addLabel(nullptr, QStringLiteral("Equivalent barrier speed")),
                         narrowSpeed);
  auto* narrowButtons = pageButtonRow({addButton("cmdCalc", QStringLiteral("C&alculate"), nullptr,
                                                 [this] { page_.cmdCalc_Click(); }),
                                       addButton("cmdClear2", QStringLiteral("Clear all &boxes"),
                                                 nullptr, [this] { page_.cmdClear2_Click(); })},
                                      {addMenuButton("cmdMenu2"), addExitButton("cmdExit2")});
  narrowGrid->addLayout(narrowButtons, narrowGrid->rowCount(), 0, 1, 2);
  narrowGrid->setColumnStretch(1, 1);
  narrowGrid->setRowStretch(narrowGrid->rowCount() - 2, 1);

  // The equations, each under its calculator; a click on a picture or caption hides it.
  QLabel* motorcycleTitle = addLabel("Label3", page_.Label3);
  QWidget* motorcycleEquation = addPicture(
      "Picture2", QStringLiteral(":/collision/cycle_motorcycle_equation.svg"), page_.Picture2);
  QLabel* motorcycleHint = addLabel("Label2", page_.Label2);
  onClick(motorcycleEquation, [this] { page_.Picture2_Click(); });
  onClick(motorcycleHint, [this] { page_.Label2_Click(); });
  onClick(motorcycleTitle, [this] { page_.Label3_Click(); });
  QLabel* narrowCaption = addLabel("Label1", page_.Label1);
  QWidget* narrowEquation = addPicture(
      "Picture1", QStringLiteral(":/collision/cycle_narrow_equation.svg"), page_.Picture1);
  onClick(narrowEquation, [this] { page_.Picture1_Click(); });
  onClick(narrowCaption, [this] { page_.Label1_Click(); });
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

  QLineEdit* credit = addTextBox("Text1", page_.Text1);
  credit->setReadOnly(true);

  auto* layout = new QGridLayout(page());
  layout->addLayout(motorcycleColumn, 0, 0);
  layout->addLayout(narrowColumn, 0, 1);
  layout->addWidget(credit, 1, 0, 1, 2);
  // The two calculators side by side, as wide as each other.
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(1, 1);

  addMenuBarItem("mnuMotorcycle", QStringLiteral("Motorcycle Crush Equation"),
                 [this] { page_.mnuMotorcycle_Click(); });
  addMenuBarItem("mnuNarrow", QStringLiteral("Narrow Crush Equation"),
                 [this] { page_.mnuNarrow_Click(); });
  addMenuBarItem("mnuNotes", QStringLiteral("Notes"), [this] { page_.mnuNotes_Click(); });

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
