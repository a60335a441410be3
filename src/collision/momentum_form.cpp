#include "collision/momentum_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

MomentumForm::MomentumForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  QLabel* title = headingLabel(addLabel(page_.lblMomentum), 1.4);

  auto* instructions = new QVBoxLayout;
  for (Label* text : {&page_.lblInstructions, &page_.lblInstructions5, &page_.lblInstructions3,
                      &page_.lblInstructions4, &page_.lblInstructions2})
    instructions->addWidget(addLabel(*text));

  // Vehicle 1 on the left, vehicle 2 on the right; the unit of the speeds at the row's end.
  auto* values = new QGroupBox(page());
  auto* grid = new QGridLayout(values);
  int row = 0;
  auto pair = [&](const char* caption1, QWidget* box1, const char* caption2, QWidget* box2,
                  QWidget* unit = nullptr) {
    grid->addWidget(keepOnOneLine(addLabel(nullptr, QString::fromLatin1(caption1))), row, 0);
    grid->addWidget(box1, row, 1);
    grid->addWidget(keepOnOneLine(addLabel(nullptr, QString::fromLatin1(caption2))), row, 2);
    grid->addWidget(box2, row, 3);
    if (unit != nullptr) grid->addWidget(unit, row, 4);
    ++row;
  };
  auto block = [&](QLabel* head) {
    grid->addWidget(headingLabel(head, 1.1), row, 0, 1, 5);
    ++row;
  };
  grid->addWidget(headingLabel(addLabel(page_.lblVehicleA), 1.1), row, 0, 1, 2, Qt::AlignHCenter);
  grid->addWidget(headingLabel(addLabel(page_.lblVehicleB), 1.1), row, 2, 1, 2, Qt::AlignHCenter);
  ++row;

  QLabel* inputHead = addLabel(page_.Label14);
  QLineEdit* massA = addTextBox(page_.txtMassA);
  QLineEdit* massB = addTextBox(page_.txtMassB);
  QLabel* directionPreA = keepOnOneLine(addLabel(page_.lblPreImpactone));
  QLineEdit* directionPreB = addTextBox(page_.txtDirectionpreB);
  QLineEdit* directionPostA = addTextBox(page_.txtDirectionpostA);
  QLineEdit* directionPostB = addTextBox(page_.txtDirectionpostB);
  QLineEdit* speedPostA = addTextBox(page_.txtpostimpactspeedA);
  QLineEdit* speedPostB = addTextBox(page_.txtPostimpactspeedB);
  QLabel* unitAfter = keepOnOneLine(addLabel(page_.lblMperS1));
  QLabel* outputHead = addLabel(page_.Label15);
  QLineEdit* speedPreA = addTextBox(page_.txtPreimpactspeedA);
  QLineEdit* speedPreB = addTextBox(page_.txtPreimpactspeedB);
  QLabel* unitBefore = keepOnOneLine(addLabel(page_.lblMperS2));

  block(inputHead);
  pair("Mass of vehicle 1, kg", massA, "Mass of vehicle 2, kg", massB);
  pair("Pre-impact direction of vehicle 1 ", directionPreA, "Pre-impact direction of vehicle 2",
       directionPreB);
  pair("Post-impact direction of vehicle 1", directionPostA, "Post-impact direction of vehicle 2",
       directionPostB);
  pair("Post-impact speed of Vehicle 1", speedPostA, "Post-impact speed of vehicle 2", speedPostB,
       unitAfter);
  block(outputHead);
  pair("Pre-impact speed of vehicle 1", speedPreA, "Pre-impact speed of vehicle 2", speedPreB,
       unitBefore);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  // Wide enough for the speeds in the millions that a nearly straight approach gives.
  const int boxWidth = massA->fontMetrics().horizontalAdvance(QStringLiteral("-00000000.000  "));
  for (QLineEdit* box : {massA, massB, directionPreB, directionPostA, directionPostB, speedPostA,
                         speedPostB, speedPreA, speedPreB})
    box->setMinimumWidth(boxWidth);
  // Row by row, as the boxes stand.
  QWidget* previous = massA;
  for (QWidget* box : {massB, directionPreB, directionPostA, directionPostB, speedPostA, speedPostB,
                       speedPreA, speedPreB}) {
    setTabOrder(previous, box);
    previous = box;
  }

  auto* units = new QHBoxLayout;
  units->addWidget(keepOnOneLine(addLabel(page_.lblSelect)));
  QButtonGroup* unitGroup = addOptionGroup();
  units->addWidget(addOptionButton(page_.optMph, QStringLiteral("mph"), unitGroup));
  units->addWidget(addOptionButton(page_.optMperS, QStringLiteral("m/s"), unitGroup));
  units->addStretch(1);

  QLabel* note = addLabel(page_.Label13);

  auto* buttons = pageButtonRow({addButton(page_.cmdCalculate4, QStringLiteral("&Calculate")),
                                 addButton(page_.cmdClear4, QStringLiteral("Clear all &boxes")),
                                 addPrintButton(page_.CmdPrint)},
                                {addMenuButton(page_.cmdMenu4), addExitButton(page_.cmdExit4)});

  QLineEdit* credit = addTextBox(page_.Text1);

  auto* left = new QVBoxLayout;
  left->addLayout(instructions);
  left->addWidget(values);
  left->addLayout(units);
  left->addWidget(note);
  left->addStretch(1);

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addLayout(left, 1, 0);
  layout->addWidget(addPicture(page_.Picture1, QStringLiteral(":/collision/momentum_sketch.svg")),
                    1, 1, Qt::AlignTop);
  layout->addLayout(buttons, 2, 0, 1, 2);
  layout->addWidget(credit, 3, 0, 1, 2);
  layout->setColumnStretch(0, 1);

  addMenuBarItem(page_.mnuNotes, QStringLiteral("Notes"));

  binding().push();
  credit->setCursorPosition(0);
}

}  // namespace kelvara
