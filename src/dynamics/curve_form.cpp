#include "dynamics/curve_form.h"

#include <QAction>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

CurveForm::CurveForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  auto* title = titleLabel(
      addLabel(nullptr, QStringLiteral("Curves and Critical Speed (Unbraked & Braked)")));

  // Geometry: any two of radius, chord and middle ordinate, or the radius alone.
  auto* geometry = new QGroupBox(page());
  auto* geometryGrid = new QGridLayout(geometry);
  geometryGrid->addWidget(addLabel(page_.lblTypein1), 0, 0, 1, 2);
  addOneLineCaptionedRow(geometryGrid,
                         addLabel(nullptr, QStringLiteral("Radius of Curvature in metres:")),
                         addTextBox(page_.txtRadius));
  addOneLineCaptionedRow(geometryGrid, addLabel(nullptr, QStringLiteral("Chord length in metres:")),
                         addTextBox(page_.txtChord));
  addOneLineCaptionedRow(geometryGrid, addLabel(nullptr, QStringLiteral("Middle Ordinate:")),
                         addTextBox(page_.txtOrdinate));

  // Critical speed, or the camber or coefficient that goes with a given speed.
  auto* lower = new QGroupBox(page());
  auto* lowerGrid = new QGridLayout(lower);
  lowerGrid->addWidget(addLabel(page_.lblInstructions3), 0, 0, 1, 2);
  addOneLineCaptionedRow(lowerGrid, addLabel(nullptr, QStringLiteral("Coefficient of friction:")),
                         addTextBox(page_.txtDeceleration));
  addOneLineCaptionedRow(
      lowerGrid, addLabel(nullptr, QStringLiteral("Camber in degrees (negative if unfavourable):")),
      addTextBox(page_.txtCamber));
  QLineEdit* speed = addTextBox(page_.txtCriticalSpeed);
  addOneLineCaptionedRow(lowerGrid, addLabel(page_.lblLabel6), speed);
  lowerGrid->setColumnStretch(1, 1);
  geometryGrid->setColumnStretch(1, 1);

  // Vertical profile: hill brow or dip.
  auto* vertical = new QGroupBox(page());
  auto* verticalGrid = new QGridLayout(vertical);
  verticalGrid->addWidget(addLabel(nullptr, QStringLiteral("At a hill brow:")), 0, 0, 1, 2);
  addOneLineCaptionedRow(
      verticalGrid, addLabel(nullptr, QStringLiteral("Vertical radius of curvature in metres: ")),
      addTextBox(page_.txtVerticalRadius));
  verticalGrid->addWidget(addLabel(page_.Label6), verticalGrid->rowCount(), 0, 1, 2);
  verticalGrid->setColumnStretch(1, 1);
  verticalGrid->setRowStretch(verticalGrid->rowCount(), 1);
  alignColumns({geometryGrid, lowerGrid, verticalGrid}, 0);

  // Braked critical speed, usable once the left-hand side has been calculated.
  auto* braked = new QGroupBox(page());
  auto* brakedColumn = new QVBoxLayout(braked);
  brakedColumn->addWidget(addLabel(page_.lblBraked));
  // Text3 and txtCritSpBraked only carry the headings of the boxes beneath them.
  QLineEdit* decelerationHeading = addTextBox(page_.Text3);
  QLineEdit* speedHeading = addTextBox(page_.txtCritSpBraked);
  brakedColumn->addWidget(decelerationHeading);
  brakedColumn->addWidget(addTextBox(page_.txta2));
  brakedColumn->addWidget(speedHeading);
  QLineEdit* brakedSpeed = addTextBox(page_.txtBraked);
  brakedColumn->addWidget(brakedSpeed);
  brakedColumn->addWidget(
      addButton(page_.cmdCalcBraked, QStringLiteral("Calculate braked critical &speed")));
  brakedColumn->addStretch(1);

  auto* buttons = pageButtonRow({addButton(page_.Command1, QStringLiteral("&Calculate")),
                                 addButton(page_.cmdClear, QStringLiteral("Clear all &boxes"))},
                                {addMenuButton(page_.cmdMenu2), addExitButton(page_.cmdExit2)});

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addWidget(geometry, 1, 0);
  layout->addWidget(lower, 2, 0);
  layout->addWidget(vertical, 3, 0);
  layout->addWidget(braked, 1, 1, 3, 1);
  layout->addLayout(buttons, 4, 0, 1, 2);
  layout->setColumnStretch(0, 3);
  layout->setColumnStretch(1, 2);
  layout->setRowStretch(3, 1);

  addMenuBarItem(page_.mnuNotes, QStringLiteral("Notes"));

  // Wide enough for a speed with its mph figure and for the braked box's headings.
  const QFontMetrics metrics = speed->fontMetrics();
  speed->setMinimumWidth(metrics.horizontalAdvance(
      QStringLiteral("00000.000  m/s       or        00000.000 mph  ")));
  brakedSpeed->setMinimumWidth(
      metrics.horizontalAdvance(QStringLiteral("000000.000 m/s or 000000.000 mph  ")));
  speedHeading->setMinimumWidth(
      metrics.horizontalAdvance(QStringLiteral("Critical speed for braked conditions:  ")));
  resize(sizeHint().expandedTo(QSize(860, 540)));

  binding().push();
  decelerationHeading->setCursorPosition(0);
  speedHeading->setCursorPosition(0);
}

}  // namespace kelvara
