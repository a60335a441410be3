#include "dynamics/overturn_form.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

OverturnForm::OverturnForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs, "frmOverturn", QStringLiteral("Overturn Calculation")),
      page_(PageWindow::dialogs()) {
  auto* title = titleLabel(addLabel(nullptr, QStringLiteral("Overturning on a bend")));

  auto* input = new QGroupBox(QStringLiteral("Input"), page());
  auto* inputGrid = new QGridLayout(input);
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Track width of vehicle /metres")),
                  addTextBox("txtTrack", page_.txtTrack));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Radius of vehicle path /metres")),
                  addTextBox("txtRadius", page_.txtRadius));
  addCaptionedRow(inputGrid,
                  addLabel(nullptr, QStringLiteral("Height of centre of gravity /metres")),
                  addTextBox("txth", page_.txth));
  addCaptionedRow(
      inputGrid,
      addLabel(nullptr, QStringLiteral("Crossfall in degrees (Positive when favourable)")),
      addTextBox("txtCrossfall", page_.txtCrossfall));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Coefficient of friction")),
                  addTextBox("txtCoefficient", page_.txtCoefficient));
  inputGrid->setColumnStretch(0, 1);

  auto* output = new QGroupBox(QStringLiteral("Output"), page());
  auto* outputGrid = new QGridLayout(output);
  QLineEdit* speed = addTextBox("txtSpeed", page_.txtSpeed);
  addCaptionedRow(outputGrid, addLabel(nullptr, QStringLiteral("Speed  for vehicle to overturn")),
                  speed);
  QLineEdit* skid = addTextBox("txtSkid", page_.txtSkid);
  addCaptionedRow(outputGrid, addLabel(nullptr, QStringLiteral("Skid and not overturn ?")), skid);
  outputGrid->setColumnStretch(0, 1);
  const QFontMetrics metrics = speed->fontMetrics();
  speed->setMinimumWidth(
      metrics.horizontalAdvance(QStringLiteral("0000000.00m/s     or      0000000.00 mph  ")));
  skid->setMinimumWidth(
      metrics.horizontalAdvance(QStringLiteral("The vehicle will overturn rather than skid.  ")));
  alignColumns({inputGrid, outputGrid}, 1);

  auto* caution = addLabel(
      "Label1",
      QStringLiteral("Caution: These calculations assume that the vehicle is rigid. Load "
                     "movement, particularly in tankers, and the vehicle suspension "
                     "characteristics will affect the outcome.  If the vehicle is predicted to "
                     "skid sideways rather than overturn, an overturn will occur when the wheels "
                     "come up against some obstacle such as a kerb edge."));

  auto* buttons = pageButtonRow({addButton("cmdCalculate", QStringLiteral("&Calculate"), nullptr,
                                           [this] { page_.cmdCalculate_Click(); }),
                                 addButton("cmdClear", QStringLiteral("Clear all &boxes"), nullptr,
                                           [this] { page_.cmdClear_Click(); })},
                                {addMenuButton("cmdMenu"), addExitButton("cmdExit")});

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(title);
  layout->addWidget(input);
  layout->addWidget(output);
  layout->addWidget(caution);
  layout->addStretch(1);
  layout->addLayout(buttons);

  addMenuBarItem("mnuEquation", QStringLiteral("Equation"), [this] { page_.mnuEquation_Click(); });

  resize(sizeHint().expandedTo(QSize(700, 480)));

  // The equation lies over the page, with the label that hides it along its foot.
  QWidget* equation =
      addPicture("Picture1", QStringLiteral(":/dynamics/overturn_equation.svg"), page_.Picture1);
  QLabel* hide = addLabel("lblHide", page_.lblHide);
  hide->setParent(equation);
  hide->setWordWrap(false);
  hide->setAlignment(Qt::AlignCenter);
  hide->setStyleSheet(QStringLiteral("QLabel { background: #fff3b0; border: 1px solid #303030; }"));
  hide->setText(QString::fromStdString(page_.lblHide.caption));
  hide->adjustSize();
  hide->resize(hide->width() + 16, hide->height() + 6);
  hide->move((equation->width() - hide->width()) / 2, equation->height() - hide->height() - 6);
  equation->move((width() - equation->width()) / 2, 40);
  equation->raise();
  onClick(equation, [this] { page_.Picture1_Click(); });
  onClick(hide, [this] { page_.lblHide_Click(); });

  binding().push();
}

}  // namespace kelvara
