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
    : PageWindow(host, dialogs, "frmThrow", QStringLiteral("Throw Calculations")),
      page_(PageWindow::dialogs()) {
  QLabel* title =
      headingLabel(addLabel(nullptr, QStringLiteral("Speed from Throw Distance:")), 1.4);

  // Inputs and results in one grid, so that every box stands in the same column.
  enum Column { kCaption, kBox, kSymbol, kNote };
  auto* boxes = new QGridLayout;
  boxes->addWidget(
      keepOnOneLine(addLabel(nullptr, QStringLiteral("Type in the throw distance in metres:"))), 0,
      kCaption);
  boxes->addWidget(addTextBox("txtThrowDistance", page_.txtThrowDistance), 0, kBox);
  boxes->addWidget(keepOnOneLine(addLabel(
                       nullptr, QStringLiteral("Type in the coefficient of friction  between the "
                                               "ground and the object:"))),
                   1, kCaption);
  boxes->addWidget(addTextBox("txtCoefficient", page_.txtCoefficient), 1, kBox);
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
    const char* box;
    TextBox& control;
    const char* caption;
    const char* note;
  };
  const Row rows[] = {
      {"txtAdult", page_.txtAdult, "Adult pedestrian:        (Error 10%)", nullptr},
      {"txtChild", page_.txtChild, "Child pedestrian:        (Error 6%)", nullptr},
      {"txtRounded", page_.txtRounded, "Adult. Rounded front: (Error 16%)", nullptr},
      {"txtVertical", page_.txtVertical, "Vertical front end:       (Error 7%)", nullptr},
      {"txtMax", page_.txtMax, "Searle's maximum speed: ", nullptr},
      {"txtMin", page_.txtMin, "Searle's minimum speed:", nullptr},
      {"txtZandor", page_.txtZandor, "Probable speed (1.15 x the minimum speed):", nullptr},
      {"txtTorvane", page_.txtTorvane, "Fit to reconstructed collisions:",
       "(95% confidence + or - 2.16 m/s or 5 mph)"},
  };
  boxes->addWidget(headingLabel(addLabel(nullptr, QStringLiteral("Output")), 1.1),
                   boxes->rowCount(), kCaption, 1, 4);
  for (const Row& row : rows) {
    const int line = boxes->rowCount();
    QLabel* caption = keepOnOneLine(addLabel(nullptr, QString::fromUtf8(row.caption)));
    boxes->addWidget(caption, line, kCaption);
    QLineEdit* box = addTextBox(row.box, row.control);
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
  QPlainTextEdit* references = addTextArea("Text2", page_.Text2);
  references->setReadOnly(true);
  references->setAccessibleName(QStringLiteral("References"));
  references->setMinimumHeight(references->fontMetrics().lineSpacing() * 8);
  QPlainTextEdit* copyNote = addTextArea("Text3", page_.Text3);
  copyNote->setReadOnly(true);
  copyNote->setFixedHeight(copyNote->fontMetrics().lineSpacing() * 3);
  QButtonGroup* hideGroup = addOptionGroup();
  QWidget* hide = addOptionButton("Option1", QStringLiteral("Click here to hide this box"),
                                  page_.Option1, hideGroup, [this] { page_.Option1_Click(); });
  auto* referenceColumn = new QVBoxLayout;
  referenceColumn->addWidget(references, 1);
  referenceColumn->addWidget(copyNote);
  referenceColumn->addWidget(hide);

  auto* buttons = pageButtonRow({addButton("cmdThrow", QStringLiteral("&Calculate Speed"), nullptr,
                                           [this] { page_.cmdThrow_Click(); }),
                                 addButton("cmdClear1", QStringLiteral("Clear all &boxes"), nullptr,
                                           [this] { page_.cmdClear1_Click(); }),
                                 addPrintButton("CmdPrint")},
                                {addMenuButton("cmdMenu5"), addExitButton("cmdExit5")});

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addLayout(boxes, 1, 0);
  layout->addLayout(referenceColumn, 1, 1);
  layout->addLayout(buttons, 2, 0, 1, 2);
  layout->setColumnStretch(0, 3);
  layout->setColumnStretch(1, 2);
  layout->setRowStretch(1, 1);

  addMenuBarItem("mnuReferences", QStringLiteral("References"),
                 [this] { page_.mnuReferences_Click(); });

  resize(sizeHint().expandedTo(QSize(1100, 440)));
  binding().push();
}

}  // namespace kelvara
