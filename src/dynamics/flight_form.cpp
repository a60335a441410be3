#include "dynamics/flight_form.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSizePolicy>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

FlightForm::FlightForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  QLabel* title =
      keepOnOneLine(titleLabel(addLabel(nullptr, QStringLiteral("Flight paths of vehicles"))));

  QWidget* diagram = addPicture(page_.Picture1, QStringLiteral(":/dynamics/flight_diagram.svg"));
  // The equation lies over the diagram when shown; its label sits inside it. A click on
  // either hides the equation.
  QWidget* equation =
      addPicture(page_.pctEquation, QStringLiteral(":/dynamics/flight_equation.svg"));
  QLabel* hide = addLabel(page_.lblHide);
  hide->setParent(equation);
  hide->setWordWrap(false);
  hide->adjustSize();
  hide->move((equation->width() - hide->width()) / 2, equation->height() - hide->height() - 16);

  auto* inputs = new QGridLayout;
  inputs->addWidget(keepOnOneLine(headingLabel(addLabel(nullptr, QStringLiteral("Input")), 1.1)), 0,
                    0, 1, 2);
  inputs->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Slop angle, theta degrees"))),
                    1, 0);
  inputs->addWidget(addTextBox(page_.txtTheta), 1, 1);
  inputs->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Launch height, h metres "))), 2,
                    0);
  inputs->addWidget(addTextBox(page_.txth), 2, 1);
  inputs->addWidget(
      keepOnOneLine(addLabel(nullptr, QStringLiteral("(h is negative in the above diagram)"))), 3,
      0, 1, 2);
  inputs->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Flight distance, L metres"))),
                    4, 0);
  inputs->addWidget(addTextBox(page_.txtL), 4, 1);
  inputs->setColumnStretch(1, 1);
  inputs->setRowStretch(inputs->rowCount(), 1);

  auto* outputs = new QGridLayout;
  outputs->addWidget(keepOnOneLine(headingLabel(addLabel(nullptr, QStringLiteral("Output")), 1.1)),
                     0, 0, 1, 2);
  outputs->addWidget(keepOnOneLine(addLabel(nullptr, QStringLiteral("Launch speed of vehicle"))), 1,
                     0);
  QLineEdit* speed = addTextBox(page_.txtVmph);
  outputs->addWidget(speed, 2, 0);
  outputs->setRowStretch(3, 1);
  speed->setMinimumWidth(speed->fontMetrics().horizontalAdvance(
      QStringLiteral("000000.000  m/s   or   000000.000  mph    ")));

  auto* buttons = pageButtonRow({addButton(page_.cmdCalculate, QStringLiteral("&Calculate")),
                                 addButton(page_.cmdClear, QStringLiteral("Clear all &boxes"))},
                                {addMenuButton(page_.cmdMenu), addExitButton(page_.cmdExit)});

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  // The hidden equation keeps its place over the diagram, so that showing it moves nothing
  // else on the page.
  QSizePolicy keepPlace = equation->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  equation->setSizePolicy(keepPlace);
  layout->addWidget(diagram, 1, 0, 1, 2, Qt::AlignCenter);
  layout->addWidget(equation, 1, 0, 1, 2, Qt::AlignCenter);
  layout->addLayout(inputs, 2, 0);
  layout->addLayout(outputs, 2, 1);
  layout->addLayout(buttons, 3, 0, 1, 2);
  layout->setColumnStretch(0, 1);
  layout->setColumnStretch(1, 1);
  equation->raise();

  addMenuBarItem(page_.mnuNotes, QStringLiteral("Notes"));
  addMenuBarItem(page_.mnuEquation, QStringLiteral("Equation"));

  resize(sizeHint().expandedTo(QSize(820, 520)));
  binding().push();
}

}  // namespace kelvara
