#include "motion/newton_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "fields/form_layout.h"

namespace kelvara {

namespace {

enum Column { kLabelColumn, kMetricColumn, kOrColumn, kAlternativeColumn, kNoteColumn };

// Wide enough for a result such as "-1234.567 seconds".
QLineEdit* resultWidth(QLineEdit* box) {
  box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-12345.678 seconds")));
  return box;
}

}  // namespace

NewtonForm::NewtonForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
  describe(page_.describe());
  QLabel* heading = titleLabel(addLabel(page_.lblHeading));
  QLabel* instruction = boldLabel(addLabel(page_.lblInstruction));

  // Unit labels carry their blanks as they stand; they must not wrap.
  auto* boxes = new QGridLayout;
  boxes->setColumnStretch(kMetricColumn, 1);
  boxes->setColumnStretch(kAlternativeColumn, 1);

  boxes->addWidget(keepOnOneLine(addLabel(page_.lblu)), 0, kLabelColumn);
  boxes->addWidget(resultWidth(addTextBox(page_.txtu)), 0, kMetricColumn);
  boxes->addWidget(keepOnOneLine(addLabel(page_.lblOrU)), 0, kOrColumn);
  boxes->addWidget(resultWidth(addTextBox(page_.txtumph)), 0, kAlternativeColumn);

  boxes->addWidget(keepOnOneLine(addLabel(page_.lblv)), 1, kLabelColumn);
  boxes->addWidget(resultWidth(addTextBox(page_.txtv)), 1, kMetricColumn);
  boxes->addWidget(keepOnOneLine(addLabel(page_.lblOrV)), 1, kOrColumn);
  boxes->addWidget(resultWidth(addTextBox(page_.txtVmph)), 1, kAlternativeColumn);

  boxes->addWidget(keepOnOneLine(addLabel(page_.lbls)), 2, kLabelColumn);
  boxes->addWidget(resultWidth(addTextBox(page_.txts)), 2, kMetricColumn);

  boxes->addWidget(keepOnOneLine(addLabel(page_.lblA)), 3, kLabelColumn);
  boxes->addWidget(resultWidth(addTextBox(page_.txtA)), 3, kMetricColumn);
  boxes->addWidget(keepOnOneLine(addLabel(page_.lblOrA)), 3, kOrColumn);
  boxes->addWidget(resultWidth(addTextBox(page_.txtmu)), 3, kAlternativeColumn);
  boxes->addWidget(keepOnOneLine(addLabel(page_.lblmu)), 3, kNoteColumn);

  boxes->addWidget(keepOnOneLine(addLabel(page_.lblt)), 4, kLabelColumn);
  boxes->addWidget(resultWidth(addTextBox(page_.txtt)), 4, kMetricColumn);

  auto* buttons = pageButtonRow(
      {addButton(page_.cmdCalculate, QStringLiteral("Calculate all &values")),
       addButton(page_.cmdClear, QStringLiteral("&Clear all boxes"))},
      {addPrintButton(page_.cmdPrint), addMenuButton(page_.cmdMenu), addExitButton(page_.cmdExit)});

  QLabel* credit = addLabel(page_.lblCredit);
  credit->setAlignment(Qt::AlignRight);

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(heading);
  layout->addWidget(instruction);
  layout->addLayout(boxes);
  layout->addSpacing(instruction->fontMetrics().height());
  layout->addLayout(buttons);
  layout->addStretch();
  layout->addWidget(credit);

  QMenu* help = addMenu(page_.mnuHelp, QStringLiteral("HELP"));
  addMenuItem(help, page_.mnuInfo, QStringLiteral("Information"));
  addMenuItem(help, page_.mnuAuthor, QStringLiteral("Author"));
  addMenuItem(help, page_.mnuAbout, QStringLiteral("About"));

  binding().push();
}

}  // namespace kelvara
