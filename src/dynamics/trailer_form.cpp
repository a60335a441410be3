#include "dynamics/trailer_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

namespace {

constexpr const char* kScrollCaption = "Scroll for different Radii, R";
constexpr const char* kScrollNote = "Calculations will start as soon as you begin to scroll";

}  // namespace

TrailerForm::TrailerForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  QLabel* title = titleLabel(addLabel(nullptr, QStringLiteral("LONG VEHICLE CUT IN")));

  auto* articulated = new QGroupBox(QStringLiteral("ARTICULATED VEHICLE"), page());
  auto* articulatedColumn = new QVBoxLayout(articulated);
  articulatedColumn->addWidget(
      addPicture(page_.Picture1, QStringLiteral(":/dynamics/trailer_articulated.svg")), 0,
      Qt::AlignCenter);
  auto* articulatedGrid = new QGridLayout;
  addOneLineCaptionedRow(
      articulatedGrid,
      addLabel(nullptr, QStringLiteral("Distance from 5th wheel to trailer rear axle, d")),
      addTextBox(page_.txtd));
  addOneLineCaptionedRow(articulatedGrid,
                         addLabel(nullptr, QStringLiteral("Tractor width, b   metres")),
                         addTextBox(page_.txtb));
  addOneLineCaptionedRow(articulatedGrid,
                         addLabel(nullptr, QStringLiteral("Tractor Wheelbase, p    metres")),
                         addTextBox(page_.txtp));
  addOneLineCaptionedRow(
      articulatedGrid,
      addLabel(nullptr, QStringLiteral("Fifth wheel to tractor rear axle, m   metres")),
      addTextBox(page_.txtm));
  articulatedGrid->addWidget(addLabel(nullptr, QString::fromLatin1(kScrollCaption)),
                             articulatedGrid->rowCount(), 0, 1, 2);
  QScrollBar* articulatedRadii = addScrollBar(page_.HScroll1);
  articulatedGrid->addWidget(articulatedRadii, articulatedGrid->rowCount(), 0, 1, 2);
  addOneLineCaptionedRow(articulatedGrid, addLabel(nullptr, QStringLiteral("Radius, R metres")),
                         addTextBox(page_.txtR));
  addOneLineCaptionedRow(articulatedGrid,
                         addLabel(nullptr, QStringLiteral("Cut-in (R - X) metres")),
                         addTextBox(page_.txtCutIn));
  articulatedGrid->setColumnStretch(1, 1);
  articulatedColumn->addLayout(articulatedGrid);
  articulatedColumn->addWidget(addLabel(nullptr, QString::fromLatin1(kScrollNote)));
  articulatedColumn->addStretch(1);

  auto* rigid = new QGroupBox(QStringLiteral("RIGID VEHICLE"), page());
  auto* rigidColumn = new QVBoxLayout(rigid);
  rigidColumn->addWidget(addPicture(page_.Picture2, QStringLiteral(":/dynamics/trailer_rigid.svg")),
                         0, Qt::AlignCenter);
  auto* rigidGrid = new QGridLayout;
  addOneLineCaptionedRow(rigidGrid, addLabel(nullptr, QStringLiteral("Wheelbase, L metres")),
                         addTextBox(page_.txtL));
  rigidGrid->addWidget(addLabel(nullptr, QString::fromLatin1(kScrollCaption)),
                       rigidGrid->rowCount(), 0, 1, 2);
  QScrollBar* rigidRadii = addScrollBar(page_.HScrollR);
  rigidGrid->addWidget(rigidRadii, rigidGrid->rowCount(), 0, 1, 2);
  addOneLineCaptionedRow(rigidGrid, addLabel(nullptr, QStringLiteral("Radius, R metres")),
                         addTextBox(page_.txtR2));
  addOneLineCaptionedRow(rigidGrid, addLabel(nullptr, QStringLiteral("Cut-in (R-X) metres")),
                         addTextBox(page_.txtCut));
  rigidGrid->setColumnStretch(1, 1);
  rigidColumn->addLayout(rigidGrid);
  rigidColumn->addWidget(addLabel(nullptr, QString::fromLatin1(kScrollNote)));
  rigidColumn->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addButton(page_.cmdClear, QStringLiteral("Clear all boxes")));
  buttons->addStretch(1);
  // This page's Menu and Exit have no access keys, and its Exit disables the rigid results
  // before the program ends.
  buttons->addWidget(addButton(page_.cmdMenu, QStringLiteral("Menu")));
  buttons->addWidget(addButton(page_.cmdExit, QStringLiteral("Exit")));

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addWidget(articulated, 1, 0);
  layout->addWidget(rigid, 1, 1);
  layout->addLayout(buttons, 2, 0, 1, 2);
  layout->setRowStretch(1, 1);

  addMenuBarItem(page_.mnuInstructions, QStringLiteral("Instructions"));

  resize(sizeHint().expandedTo(QSize(900, 640)));
  binding().push();
}

}  // namespace kelvara
