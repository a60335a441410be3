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
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  auto* title = titleLabel(addLabel(nullptr, QStringLiteral("Overturning on a bend")));

  auto* input = new QGroupBox(QStringLiteral("Input"), page());
  auto* inputGrid = new QGridLayout(input);
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Track width of vehicle /metres")),
                  addTextBox(page_.txtTrack));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Radius of vehicle path /metres")),
                  addTextBox(page_.txtRadius));
  addCaptionedRow(inputGrid,
                  addLabel(nullptr, QStringLiteral("Height of centre of gravity /metres")),
                  addTextBox(page_.txth));
  addCaptionedRow(
      inputGrid,
      addLabel(nullptr, QStringLiteral("Crossfall in degrees (Positive when favourable)")),
      addTextBox(page_.txtCrossfall));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Coefficient of friction")),
                  addTextBox(page_.txtCoefficient));
  inputGrid->setColumnStretch(0, 1);

  auto* output = new QGroupBox(QStringLiteral("Output"), page());
  auto* outputGrid = new QGridLayout(output);
  QLineEdit* speed = addTextBox(page_.txtSpeed);
  addCaptionedRow(outputGrid, addLabel(nullptr, QStringLiteral("Speed  for vehicle to overturn")),
                  speed);
  QLineEdit* skid = addTextBox(page_.txtSkid);
  addCaptionedRow(outputGrid, addLabel(nullptr, QStringLiteral("Skid and not overturn ?")), skid);
  outputGrid->setColumnStretch(0, 1);
  const QFontMetrics metrics = speed->fontMetrics();
  speed->setMinimumWidth(
      metrics.horizontalAdvance(QStringLiteral("0000000.00m/s     or      0000000.00 mph  ")));
  skid->setMinimumWidth(
      metrics.horizontalAdvance(QStringLiteral("The vehicle will overturn rather than skid.  ")));
  alignColumns({inputGrid, outputGrid}, 1);

  // Shown from the start, so that the window is sized with it.
  auto* caution = addLabel(page_.Label1);

  auto* buttons = pageButtonRow({addButton(page_.cmdCalculate, QStringLiteral("&Calculate")),
                                 addButton(page_.cmdClear, QStringLiteral("Clear all &boxes"))},
                                {addMenuButton(page_.cmdMenu), addExitButton(page_.cmdExit)});

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(title);
  layout->addWidget(input);
  layout->addWidget(output);
  layout->addWidget(caution);
  layout->addStretch(1);
  layout->addLayout(buttons);

  addMenuBarItem(page_.mnuEquation, QStringLiteral("Equation"));

  resize(sizeHint().expandedTo(QSize(700, 480)));

  // The equation lies over the page, with the label that hides it along its foot; a click on
  // either hides both.
  QWidget* equation =
      addPicture(page_.Picture1, QStringLiteral(":/dynamics/overturn_equation.svg"));
  QLabel* hide = addLabel(page_.lblHide);
  hide->setParent(equation);
  hide->setWordWrap(false);
  hide->setAlignment(Qt::AlignCenter);
  hide->setStyleSheet(QStringLiteral("QLabel { background: #fff3b0; border: 1px solid #303030; }"));
  hide->adjustSize();
  hide->resize(hide->width() + 16, hide->height() + 6);
  hide->move((equation->width() - hide->width()) / 2, equation->height() - hide->height() - 6);
  equation->move((width() - equation->width()) / 2, 40);
  equation->raise();

  binding().push();
}

}  // namespace kelvara
