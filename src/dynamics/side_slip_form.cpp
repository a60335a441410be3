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
    : PageWindow(host, dialogs, "frmSideSlip", QStringLiteral("Side Slip")),
      page_(PageWindow::dialogs()) {
  page_.Form_Load();

  auto* title = titleLabel(addLabel(nullptr, QStringLiteral("Side Slip Calculations")));

  auto* points = addLabel(
      "Label2",
      QStringLiteral("Select two points on the path taken by the vehicle. Measure the angle of "
                     "yaw or the total angle of spin, A degrees, at the first point. At the "
                     "second point measure the angle of yaw or spin, B degrees, with respect to "
                     "the direction of heading at the first point. "));
  QWidget* diagram =
      addPicture("Picture2", QStringLiteral(":/dynamics/side_slip_diagram.svg"), page_.Picture2);

  auto* input = new QGroupBox(QStringLiteral("INPUT"), page());
  auto* inputGrid = new QGridLayout(input);
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Type in the angle A in degrees")),
                  addTextBox("Text2", page_.Text2));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Type in the angle B in degrees")),
                  addTextBox("txtAngleB", page_.txtAngleB));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Actual coefficient of friction")),
                  addTextBox("txtAct", page_.txtAct));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Coefficient of rolling friction")),
                  addTextBox("txtRoll", page_.txtRoll));
  inputGrid->setColumnStretch(0, 1);

  auto* output = new QGroupBox(QStringLiteral("OUTPUT"), page());
  auto* outputGrid = new QGridLayout(output);
  addCaptionedRow(outputGrid,
                  addLabel(nullptr, QStringLiteral("Effective coefficient of friction")),
                  addTextBox("txtfriction2", page_.txtfriction2));
  outputGrid->setColumnStretch(0, 1);
  alignColumns({inputGrid, outputGrid}, 1);

  auto* note = addLabel(
      "Label6",
      QStringLiteral("This module calculates the effective coefficient of friction over the "
                     "distance d when no braking is applied. The angle B may be greater than 360 "
                     "degrees for a spinning vehicle. Note that B is measured from the heading "
                     "direction at the first selected point. "));
  QLabel* rolling = addLabel("Label7", page_.Label7);
  rolling->setWordWrap(false);
  rolling->setFrameShape(QFrame::Box);
  rolling->setMargin(6);

  auto* buttons = pageButtonRow({addButton("cmdCalculate", QStringLiteral("Calculate"), nullptr,
                                           [this] { page_.cmdCalculate_Click(); }),
                                 addButton("cmdClear", QStringLiteral("&Clear all boxes"), nullptr,
                                           [this] { page_.cmdClear_Click(); })},
                                {addMenuButton("cmdMenu"), addExitButton("cmdExit")});

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

  addMenuBarItem("mnuReferences", QStringLiteral("REFERENCE"),
                 [this] { page_.mnuReferences_Click(); });

  resize(sizeHint().expandedTo(QSize(960, 460)));
  binding().push();
}

}  // namespace kelvara
