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
    : PageWindow(host, dialogs, "frmCurve", QStringLiteral("Curves and Critical Speed")),
      page_(PageWindow::dialogs()) {
  auto* title = titleLabel(
      addLabel(nullptr, QStringLiteral("Curves and Critical Speed (Unbraked & Braked)")));

  // Geometry: any two of radius, chord and middle ordinate, or the radius alone.
  auto* geometry = new QGroupBox(page());
  auto* geometryGrid = new QGridLayout(geometry);
  geometryGrid->addWidget(
      addLabel("lblTypein1", QStringLiteral("Type in the Radius of Curvature on its own OR any "
                                            "two of the following values:")),
      0, 0, 1, 2);
  addOneLineCaptionedRow(geometryGrid,
                         addLabel(nullptr, QStringLiteral("Radius of Curvature in metres:")),
                         addTextBox("txtRadius", page_.txtRadius));
  addOneLineCaptionedRow(geometryGrid, addLabel(nullptr, QStringLiteral("Chord length in metres:")),
                         addTextBox("txtChord", page_.txtChord));
  addOneLineCaptionedRow(geometryGrid, addLabel(nullptr, QStringLiteral("Middle Ordinate:")),
                         addTextBox("txtOrdinate", page_.txtOrdinate));

  // Critical speed, or the camber or coefficient that goes with a given speed.
  auto* lower = new QGroupBox(page());
  auto* lowerGrid = new QGridLayout(lower);
  lowerGrid->addWidget(
      addLabel("lblInstructions3", QStringLiteral("Type in any two of the following values:")),
      0, 0, 1, 2);
  addOneLineCaptionedRow(lowerGrid, addLabel(nullptr, QStringLiteral("Coefficient of friction:")),
                         addTextBox("txtDeceleration", page_.txtDeceleration));
  addOneLineCaptionedRow(
      lowerGrid, addLabel(nullptr, QStringLiteral("Camber in degrees (negative if unfavourable):")),
      addTextBox("txtCamber", page_.txtCamber));
  QLineEdit* speed = addTextBox("txtCriticalSpeed", page_.txtCriticalSpeed);
  addOneLineCaptionedRow(lowerGrid, addLabel("lblLabel6", page_.lblLabel6), speed);
  lowerGrid->setColumnStretch(1, 1);
  geometryGrid->setColumnStretch(1, 1);

  // Vertical profile: hill brow or dip.
  auto* vertical = new QGroupBox(page());
  auto* verticalGrid = new QGridLayout(vertical);
  verticalGrid->addWidget(addLabel(nullptr, QStringLiteral("At a hill brow:")), 0, 0, 1, 2);
  addOneLineCaptionedRow(
      verticalGrid, addLabel(nullptr, QStringLiteral("Vertical radius of curvature in metres: ")),
      addTextBox("txtVerticalRadius", page_.txtVerticalRadius));
  verticalGrid->addWidget(
      addLabel("Label6",
               QStringLiteral(
                   "If you are taking into account the vertical profile of the road, use "
                   "surveyed data to determine the vertical radius of curvature and change the "
                   "default value  here. A convex surface or hill brow will have a positive "
                   "radius. A concave surface or dip will have a negative radius. The default "
                   "value for a surface which is level or has a constant longitudinal gradient "
                   "is infinity.")),
      verticalGrid->rowCount(), 0, 1, 2);
  verticalGrid->setColumnStretch(1, 1);
  verticalGrid->setRowStretch(verticalGrid->rowCount(), 1);
  alignColumns({geometryGrid, lowerGrid, verticalGrid}, 0);

  // Braked critical speed, usable once the left-hand side has been calculated.
  auto* braked = new QGroupBox(page());
  auto* brakedColumn = new QVBoxLayout(braked);
  brakedColumn->addWidget(addLabel("lblBraked", page_.lblBraked));
  // Text3 and txtCritSpBraked only carry the headings of the boxes beneath them.
  QLineEdit* decelerationHeading = addTextBox("Text3", page_.Text3);
  decelerationHeading->setReadOnly(true);
  QLineEdit* speedHeading = addTextBox("txtCritSpBraked", page_.txtCritSpBraked);
  speedHeading->setReadOnly(true);
  brakedColumn->addWidget(decelerationHeading);
  brakedColumn->addWidget(addTextBox("txta2", page_.txta2));
  brakedColumn->addWidget(speedHeading);
  QLineEdit* brakedSpeed = addTextBox("txtBraked", page_.txtBraked);
  brakedColumn->addWidget(brakedSpeed);
  brakedColumn->addWidget(addButton("cmdCalcBraked",
                                    QStringLiteral("Calculate braked critical &speed"),
                                    &page_.cmdCalcBraked, [this] { page_.cmdCalcBraked_Click(); }));
  brakedColumn->addStretch(1);

  auto* buttons = pageButtonRow({addButton("Command1", QStringLiteral("&Calculate"),
                                           &page_.Command1, [this] { page_.Command1_Click(); }),
                                 addButton("cmdClear", QStringLiteral("Clear all &boxes"), nullptr,
                                           [this] { page_.cmdClear_Click(); })},
                                {addMenuButton("cmdMenu2"), addExitButton("cmdExit2")});

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

  addMenuBarItem("mnuNotes", QStringLiteral("Notes"), [this] { page_.mnuNotes_Click(); });

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
