#include "dynamics/throw_form.h"

#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

ThrowForm::ThrowForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  QLabel* title =
      headingLabel(addLabel(nullptr, QStringLiteral("Speed from Throw Distance:")), 1.4);

  // Inputs and results in one grid, so that every box stands in the same column.
  enum Column { kCaption, kBox, kSymbol, kNote };
  auto* boxes = new QGridLayout;
  boxes->addWidget(
      keepOnOneLine(addLabel(nullptr, QStringLiteral("Type in the throw distance in metres:"))), 0,
      kCaption);
  boxes->addWidget(addTextBox(page_.txtThrowDistance), 0, kBox);
  boxes->addWidget(keepOnOneLine(addLabel(
                       nullptr, QStringLiteral("Type in the coefficient of friction  between the "
                                               "ground and the object:"))),
                   1, kCaption);
  boxes->addWidget(addTextBox(page_.txtCoefficient), 1, kBox);
  // The Greek letter mu, as a symbol beside its box.
  QLabel* mu = addLabel(nullptr, QStringLiteral("μ"));
  QFont symbol = mu->font();
  symbol.setFamily(QStringLiteral("serif"));
  symbol.setStyleHint(QFont::Serif);
  symbol.setPointSizeF(symbol.pointSizeF() * 1.5);
  symbol.setItalic(true);
  mu->setFont(symbol);
  auto* note = new QHBoxLayout;
  note->addWidget(mu);
  note->addWidget(
      keepOnOneLine(addLabel(nullptr, QStringLiteral("This is needed  for the Searle Equations"))));
  note->addStretch(1);
  boxes->addLayout(note, 1, kSymbol, 1, 2);

  // The estimates, each with its caption and any note beside it.
  struct Row {
    TextBox& control;
    const char* caption;
    const char* note;
  };
  const Row rows[] = {
      {page_.txtAdult, "Adult pedestrian:        (Error 10%)", nullptr},
      {page_.txtChild, "Child pedestrian:        (Error 6%)", nullptr},
      {page_.txtRounded, "Adult. Rounded front: (Error 16%)", nullptr},
      {page_.txtVertical, "Vertical front end:       (Error 7%)", nullptr},
      {page_.txtMax, "Searle's maximum speed: ", nullptr},
      {page_.txtMin, "Searle's minimum speed:", nullptr},
      {page_.txtZandor, "Probable speed (1.15 x the minimum speed):", nullptr},
      {page_.txtTorvane, "Fit to reconstructed collisions:",
       "(95% confidence + or - 2.16 m/s or 5 mph)"},
  };
  boxes->addWidget(headingLabel(addLabel(nullptr, QStringLiteral("Output")), 1.1),
                   boxes->rowCount(), kCaption, 1, 4);
  for (const Row& row : rows) {
    const int line = boxes->rowCount();
    QLabel* caption = keepOnOneLine(addLabel(nullptr, QString::fromUtf8(row.caption)));
    boxes->addWidget(caption, line, kCaption);
    QLineEdit* box = addTextBox(row.control);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(
        QStringLiteral("00000.000     m/s  or     00000.000 mph   ")));
    boxes->addWidget(box, line, kBox);
    if (row.note != nullptr)
      boxes->addWidget(keepOnOneLine(addLabel(nullptr, QString::fromUtf8(row.note))), line, kSymbol,
                       1, 2);
  }
  boxes->setColumnStretch(kNote, 1);
  boxes->setRowStretch(boxes->rowCount(), 1);

  // The references box, shown from the menu and hidden by its option button.
  QPlainTextEdit* references = addTextArea(page_.Text2);
  references->setAccessibleName(QStringLiteral("References"));
  references->setMinimumHeight(references->fontMetrics().lineSpacing() * 8);
  QPlainTextEdit* copyNote = addTextArea(page_.Text3);
  copyNote->setFixedHeight(copyNote->fontMetrics().lineSpacing() * 3);
  QButtonGroup* hideGroup = addOptionGroup();
  QWidget* hide =
      addOptionButton(page_.Option1, QStringLiteral("Click here to hide this box"), hideGroup);
  auto* referenceColumn = new QVBoxLayout;
  referenceColumn->addWidget(references, 1);
  referenceColumn->addWidget(copyNote);
  referenceColumn->addWidget(hide);

  auto* buttons = pageButtonRow({addButton(page_.cmdThrow, QStringLiteral("&Calculate Speed")),
                                 addButton(page_.cmdClear1, QStringLiteral("Clear all &boxes")),
                                 addPrintButton(page_.CmdPrint)},
                                {addMenuButton(page_.cmdMenu5), addExitButton(page_.cmdExit5)});

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addLayout(boxes, 1, 0);
  layout->addLayout(referenceColumn, 1, 1);
  layout->addLayout(buttons, 2, 0, 1, 2);
  layout->setColumnStretch(0, 3);
  layout->setColumnStretch(1, 2);
  layout->setRowStretch(1, 1);

  addMenuBarItem(page_.mnuReferences, QStringLiteral("References"));

  resize(sizeHint().expandedTo(QSize(1100, 440)));
  binding().push();
}

}  // namespace kelvara
