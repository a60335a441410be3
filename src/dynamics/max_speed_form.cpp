#include "dynamics/max_speed_form.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

MaxSpeedForm::MaxSpeedForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  auto* title =
      titleLabel(addLabel(nullptr, QStringLiteral("Maximum speed on a bend - Racing Line")));

  auto* input = new QGroupBox(QStringLiteral("Input"), page());
  auto* inputGrid = new QGridLayout(input);
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Road or lane width in metres")),
                  addTextBox(page_.txtRoadwidth));
  addCaptionedRow(inputGrid,
                  addLabel(nullptr, QStringLiteral("Inside radius of curvature of bend in metres")),
                  addTextBox(page_.txtr));
  addCaptionedRow(
      inputGrid, addLabel(nullptr, QStringLiteral("Angle of road direction change caused by bend")),
      addTextBox(page_.txttheta));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Coefficient of friction")),
                  addTextBox(page_.txtCoefficient));
  addCaptionedRow(
      inputGrid, addLabel(nullptr, QStringLiteral("Crossfall in degrees (positive if favourable)")),
      addTextBox(page_.txtCrossfall));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Width of vehicle in metres")),
                  addTextBox(page_.txtCarwidth));
  inputGrid->setColumnStretch(0, 1);

  auto* output = new QGroupBox(QStringLiteral("Output"), page());
  auto* outputGrid = new QGridLayout(output);
  addCaptionedRow(outputGrid, addLabel(nullptr, QStringLiteral("Maximum radius of steered path")),
                  addTextBox(page_.txtMaxradius));
  QLineEdit* speed = addTextBox(page_.txtMaxspeed);
  addCaptionedRow(outputGrid, addLabel(nullptr, QStringLiteral("Maximum speed")), speed);
  outputGrid->setColumnStretch(0, 1);
  speed->setMinimumWidth(speed->fontMetrics().horizontalAdvance(
      QStringLiteral("000000.00 m/s   or   000000.00  mph  ")));
  alignColumns({inputGrid, outputGrid}, 1);

  auto* buttons = pageButtonRow({addButton(page_.cmdCalculate, QStringLiteral("&Calculate")),
                                 addButton(page_.cmdClear, QStringLiteral("Clear all &boxes")),
                                 addPrintButton(page_.Command1)},
                                {addMenuButton(page_.cmdMenu), addExitButton(page_.cmdExit)});

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(title);
  layout->addWidget(input);
  layout->addWidget(output);
  layout->addStretch(1);
  layout->addLayout(buttons);

  addMenuBarItem(page_.mnuReference, QStringLiteral("Reference"));

  resize(sizeHint().expandedTo(QSize(620, 420)));
  binding().push();
}

}  // namespace kelvara
