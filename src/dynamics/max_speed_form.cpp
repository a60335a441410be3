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
    : PageWindow(host, dialogs, "frmMaxspeed", QStringLiteral("Maximum Speed")),
      page_(PageWindow::dialogs()) {
  auto* title =
      titleLabel(addLabel(nullptr, QStringLiteral("Maximum speed on a bend - Racing Line")));

  auto* input = new QGroupBox(QStringLiteral("Input"), page());
  auto* inputGrid = new QGridLayout(input);
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Road or lane width in metres")),
                  addTextBox("txtRoadwidth", page_.txtRoadwidth));
  addCaptionedRow(inputGrid,
                  addLabel(nullptr, QStringLiteral("Inside radius of curvature of bend in metres")),
                  addTextBox("txtr", page_.txtr));
  addCaptionedRow(
      inputGrid, addLabel(nullptr, QStringLiteral("Angle of road direction change caused by bend")),
      addTextBox("txttheta", page_.txttheta));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Coefficient of friction")),
                  addTextBox("txtCoefficient", page_.txtCoefficient));
  addCaptionedRow(
      inputGrid, addLabel(nullptr, QStringLiteral("Crossfall in degrees (positive if favourable)")),
      addTextBox("txtCrossfall", page_.txtCrossfall));
  addCaptionedRow(inputGrid, addLabel(nullptr, QStringLiteral("Width of vehicle in metres")),
                  addTextBox("txtCarwidth", page_.txtCarwidth));
  inputGrid->setColumnStretch(0, 1);

  auto* output = new QGroupBox(QStringLiteral("Output"), page());
  auto* outputGrid = new QGridLayout(output);
  addCaptionedRow(outputGrid, addLabel(nullptr, QStringLiteral("Maximum radius of steered path")),
                  addTextBox("txtMaxradius", page_.txtMaxradius));
  QLineEdit* speed = addTextBox("txtMaxspeed", page_.txtMaxspeed);
  addCaptionedRow(outputGrid, addLabel(nullptr, QStringLiteral("Maximum speed")), speed);
  outputGrid->setColumnStretch(0, 1);
  speed->setMinimumWidth(speed->fontMetrics().horizontalAdvance(
      QStringLiteral("000000.00 m/s   or   000000.00  mph  ")));
  alignColumns({inputGrid, outputGrid}, 1);

  auto* buttons = pageButtonRow({addButton("cmdCalculate", QStringLiteral("&Calculate"), nullptr,
                                           [this] { page_.cmdCalculate_Click(); }),
                                 addButton("cmdClear", QStringLiteral("Clear all &boxes"), nullptr,
                                           [this] { page_.cmdClear_Click(); }),
                                 addPrintButton("Command1")},
                                {addMenuButton("cmdMenu"), addExitButton("cmdExit")});

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(title);
  layout->addWidget(input);
  layout->addWidget(output);
  layout->addStretch(1);
  layout->addLayout(buttons);

  addMenuBarItem("mnuReference", QStringLiteral("Reference"),
                 [this] { page_.mnuReference_Click(); });

  resize(sizeHint().expandedTo(QSize(620, 420)));
  binding().push();
}

}  // namespace kelvara
