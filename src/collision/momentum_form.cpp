#include "collision/momentum_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "fields/form_layout.h"

namespace kelvara {

MomentumForm::MomentumForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs, "frmMomentum", QStringLiteral("Momentum")),
      page_(PageWindow::dialogs()) {
  QLabel* title =
      headingLabel(addLabel("lblMomentum", QStringLiteral("Momentum calculations:")), 1.4);

  auto* instructions = new QVBoxLayout;
  for (const auto& [name, text] :
       {std::pair{"lblInstructions",
                  "Draw a sketch showing the pre-impact and post impact directions of each "
                  "vehicle."},
        std::pair{"lblInstructions5",
                  "Align the initial direction of travel of the lighter vehicle (1) with the "
                  "Y-axis"},
        std::pair{"lblInstructions3",
                  "Measure all angles clockwise from the direction of travel of vehicle 1"},
        std::pair{"lblInstructions4",
                  "Fill in all boxes except for the pre-impact speeds of both vehicles."},
        std::pair{"lblInstructions2",
                  "Speeds can be in either m/s or mph but not both in the same calculation."}})
    instructions->addWidget(addLabel(name, QString::fromLatin1(text)));

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
  grid->addWidget(headingLabel(addLabel("lblVehicleA", QStringLiteral("Vehicle 1")), 1.1), row, 0,
                  1, 2, Qt::AlignHCenter);
  grid->addWidget(headingLabel(addLabel("lblVehicleB", QStringLiteral("Vehicle 2")), 1.1), row, 2,
                  1, 2, Qt::AlignHCenter);
  ++row;

  QLabel* inputHead = addLabel("Label14", QStringLiteral("Input"));
  QLineEdit* massA = addTextBox("txtMassA", page_.txtMassA);
  QLineEdit* massB = addTextBox("txtMassB", page_.txtMassB);
  QLabel* directionPreA = keepOnOneLine(addLabel("lblPreImpactone", QStringLiteral("0")));
  QLineEdit* directionPreB = addTextBox("txtDirectionpreB", page_.txtDirectionpreB);
  QLineEdit* directionPostA = addTextBox("txtDirectionpostA", page_.txtDirectionpostA);
  QLineEdit* directionPostB = addTextBox("txtDirectionpostB", page_.txtDirectionpostB);
  QLineEdit* speedPostA = addTextBox("txtpostimpactspeedA", page_.txtpostimpactspeedA);
  QLineEdit* speedPostB = addTextBox("txtPostimpactspeedB", page_.txtPostimpactspeedB);
  QLabel* unitAfter = keepOnOneLine(addLabel("lblMperS1", page_.lblMperS1));
  QLabel* outputHead = addLabel("Label15", QStringLiteral("Output"));
  QLineEdit* speedPreA = addTextBox("txtPreimpactspeedA", page_.txtPreimpactspeedA);
  QLineEdit* speedPreB = addTextBox("txtPreimpactspeedB", page_.txtPreimpactspeedB);
  QLabel* unitBefore = keepOnOneLine(addLabel("lblMperS2", page_.lblMperS2));

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
  units->addWidget(keepOnOneLine(addLabel("lblSelect", QStringLiteral("Select speed units "))));
  QButtonGroup* unitGroup = addOptionGroup();
  units->addWidget(addOptionButton("optMph", QStringLiteral("mph"), page_.optMph, unitGroup,
                                   [this] { page_.optMph_Click(); }));
  units->addWidget(addOptionButton("optMperS", QStringLiteral("m/s"), page_.optMperS, unitGroup,
                                   [this] { page_.optMperS_Click(); }));
  units->addStretch(1);

  QLabel* note = addLabel(
      "Label13",
      QStringLiteral("These calculations are for angled collisions where the speeds of both "
                     "vehciels are unknown but  should not be used where the pre-impact vehicle "
                     "directions are within 20 degrees of being in line. "));

  auto* buttons = pageButtonRow({addButton("cmdCalculate4", QStringLiteral("&Calculate"), nullptr,
                                           [this] { page_.cmdCalculate4_Click(); }),
                                 addButton("cmdClear4", QStringLiteral("Clear all &boxes"), nullptr,
                                           [this] { page_.cmdClear4_Click(); }),
                                 addPrintButton("CmdPrint")},
                                {addMenuButton("cmdMenu4"), addExitButton("cmdExit4")});

  QLineEdit* credit = addTextBox("Text1", page_.Text1);
  credit->setReadOnly(true);

  auto* left = new QVBoxLayout;
  left->addLayout(instructions);
  left->addWidget(values);
  left->addLayout(units);
  left->addWidget(note);
  left->addStretch(1);

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addLayout(left, 1, 0);
  layout->addWidget(
      addPicture("Picture1", QStringLiteral(":/collision/momentum_sketch.svg"), page_.Picture1), 1,
      1, Qt::AlignTop);
  layout->addLayout(buttons, 2, 0, 1, 2);
  layout->addWidget(credit, 3, 0, 1, 2);
  layout->setColumnStretch(0, 1);

  addMenuBarItem("mnuNotes", QStringLiteral("Notes"), [this] { page_.mnuNotes_Click(); });

  binding().push();
  credit->setCursorPosition(0);
}

}  // namespace kelvara
