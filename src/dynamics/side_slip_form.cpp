#include "dynamics/side_slip_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

SideSlipForm::SideSlipForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  description().load();

  auto* title = titleLabel(addLabel(nullptr, QStringLiteral("Side Slip Calculations")));

  // The fixed captions are shown from the start, so that the window is sized with them.
  auto* points = addLabel(page_.Label2);
  QWidget* diagram = addPicture(page_.Picture2, QStringLiteral(":/dynamics/side_slip_diagram.svg"));

  auto* input = new QGroupBox(QStringLiteral("INPUT"), page());
  auto* inputGrid = new QGridLayout(input);
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Type in the angle A in degrees")),
                  addTextBox(page_.Text2));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Type in the angle B in degrees")),
                  addTextBox(page_.txtAngleB));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Actual coefficient of friction")),
                  addTextBox(page_.txtAct));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Coefficient of rolling friction")),
                  addTextBox(page_.txtRoll));
  inputGrid->setColumnStretch(0, 1);

  auto* output = new QGroupBox(QStringLiteral("OUTPUT"), page());
  auto* outputGrid = new QGridLayout(output);
  addCaptionedRow(outputGrid,
                  addLabel(nullptr, QStringLiteral("Effective coefficient of friction")),
                  addTextBox(page_.txtfriction2));
  outputGrid->setColumnStretch(0, 1);
  alignColumns({inputGrid, outputGrid}, 1);

  auto* note = addLabel(page_.Label6);
  QLabel* rolling = addLabel(page_.Label7);
  rolling->setWordWrap(false);
  rolling->setFrameShape(QFrame::Box);
  rolling->setMargin(6);

  auto* buttons = pageButtonRow({addButton(page_.cmdCalculate, QStringLiteral("Calculate")),
                                 addButton(page_.cmdClear, QStringLiteral("&Clear all boxes"))},
                                {addMenuButton(page_.cmdMenu), addExitButton(page_.cmdExit)});

  auto* right = new QVBoxLayout;
  right->addWidget(input);
  right->addWidget(output);
  right->addWidget(note);
  right->addWidget(rolling, 0, Qt::AlignLeft);
  right->addStretch(1);

  auto* left = new QVBoxLayout;
  left->addWidget(points);
  left->addWidget(diagram, 0, Qt::AlignHCenter);
  left->addStretch(1);

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addLayout(left, 1, 0);
  layout->addLayout(right, 1, 1);
  layout->addLayout(buttons, 2, 0, 1, 2);
  layout->setColumnStretch(1, 1);

  addMenuBarItem(page_.mnuReferences, QStringLiteral("REFERENCE"));

  resize(sizeHint().expandedTo(QSize(960, 460)));
  binding().push();
}

}  // namespace kelvara
