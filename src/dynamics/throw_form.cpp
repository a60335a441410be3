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

  auto* inputs = new QGridLayout;
  inputs->addWidget(addLabel(nullptr, QStringLiteral("Type in the throw distance in metres:")), 0,
                    0);
  inputs->addWidget(addTextBox("txtThrowDistance", page_.txtThrowDistance), 0, 1);
  inputs->addWidget(
      addLabel(nullptr, QStringLiteral(
                            "Type in the coefficient of friction  between the ground and the "
                            "object:")),
      1, 0);
  inputs->addWidget(addTextBox("txtCoefficient", page_.txtCoefficient), 1, 1);
  // The Greek letter mu, as a symbol beside its box.
  QLabel* mu = addLabel(nullptr, QStringLiteral("μ"));
  QFont symbol = mu->font();
  symbol.setFamily(QStringLiteral("serif"));
  symbol.setStyleHint(QFont::Serif);
  symbol.setPointSizeF(symbol.pointSizeF() * 1.5);
  symbol.setItalic(true);
  mu->setFont(symbol);
  inputs->addWidget(mu, 1, 2);
  inputs->addWidget(addLabel(nullptr, QStringLiteral("This is needed  for the Searle Equations")),
                    1, 3);
  inputs->setColumnStretch(0, 3);
  inputs->setColumnStretch(1, 1);
  inputs->setColumnStretch(3, 2);

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
  auto* outputs = new QGridLayout;
  outputs->addWidget(headingLabel(addLabel(nullptr, QStringLiteral("Output")), 1.1), 0, 0, 1, 3);
  for (const Row& row : rows) {
    const int line = outputs->rowCount();
    QLabel* caption = keepOnOneLine(addLabel(nullptr, QString::fromUtf8(row.caption)));
    outputs->addWidget(caption, line, 0);
    QLineEdit* box = addTextBox(row.box, row.control);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(
        QStringLiteral("00000.000     m/s  or     00000.000 mph   ")));
    outputs->addWidget(box, line, 1);
    if (row.note != nullptr) {
      QLabel* note = keepOnOneLine(addLabel(nullptr, QString::fromUtf8(row.note)));
      outputs->addWidget(note, line, 2);
    }
  }
  outputs->setColumnStretch(1, 1);
  outputs->setRowStretch(outputs->rowCount(), 1);

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

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(addButton("cmdThrow", QStringLiteral("&Calculate Speed"), nullptr,
                               [this] { page_.cmdThrow_Click(); }));
  buttons->addWidget(addButton("cmdClear1", QStringLiteral("Clear all &boxes"), nullptr,
                               [this] { page_.cmdClear1_Click(); }));
  buttons->addWidget(addPrintButton("CmdPrint"));
  buttons->addStretch(1);
  buttons->addWidget(addMenuButton("cmdMenu5"));
  buttons->addWidget(addExitButton("cmdExit5"));

  auto* layout = new QGridLayout(page());
  layout->addWidget(title, 0, 0, 1, 2);
  layout->addLayout(inputs, 1, 0, 1, 2);
  layout->addLayout(outputs, 2, 0);
  layout->addLayout(referenceColumn, 2, 1);
  layout->addLayout(buttons, 3, 0, 1, 2);
  layout->setColumnStretch(0, 3);
  layout->setColumnStretch(1, 2);
  layout->setRowStretch(2, 1);

  addMenuBarItem("mnuReferences", QStringLiteral("References"),
                 [this] { page_.mnuReferences_Click(); });

  resize(sizeHint().expandedTo(QSize(1100, 520)));
  binding().push();
}

}  // namespace kelvara
