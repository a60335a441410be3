#include "motion/newton_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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
    : PageWindow(host, dialogs, "frmNewton", QStringLiteral("Linear equations calculator")),
      page_(PageWindow::dialogs()) {
  QLabel* heading =
      titleLabel(addLabel("lblHeading", QStringLiteral("Newton's Equations of linear motion")));
  QLabel* instruction =
      boldLabel(addLabel("lblInstruction", QStringLiteral(" Type in any 3 values ")));

  // Unit labels carry their blanks as they stand; they must not wrap.
  auto* boxes = new QGridLayout;
  boxes->setColumnStretch(kMetricColumn, 1);
  boxes->setColumnStretch(kAlternativeColumn, 1);

  boxes->addWidget(keepOnOneLine(addLabel(
                       "lblu", QStringLiteral("initial velocity u:  ms-1                    mph"))),
                   0, kLabelColumn);
  boxes->addWidget(resultWidth(addTextBox("txtu", page_.txtu)), 0, kMetricColumn);
  boxes->addWidget(keepOnOneLine(addLabel("lblOrU", QStringLiteral(" or"))), 0, kOrColumn);
  boxes->addWidget(resultWidth(addTextBox("txtumph", page_.txtumph)), 0, kAlternativeColumn);

  boxes->addWidget(keepOnOneLine(addLabel(
                       "lblv", QStringLiteral("final velocity v:   ms-1                     mph"))),
                   1, kLabelColumn);
  boxes->addWidget(resultWidth(addTextBox("txtv", page_.txtv)), 1, kMetricColumn);
  boxes->addWidget(keepOnOneLine(addLabel("lblOrV", QStringLiteral(" or"))), 1, kOrColumn);
  boxes->addWidget(resultWidth(addTextBox("txtVmph", page_.txtVmph)), 1, kAlternativeColumn);

  boxes->addWidget(keepOnOneLine(addLabel("lbls", QStringLiteral("Distance s:    metres"))), 2,
                   kLabelColumn);
  boxes->addWidget(resultWidth(addTextBox("txts", page_.txts)), 2, kMetricColumn);

  boxes->addWidget(keepOnOneLine(addLabel(
                       "lblA", QStringLiteral("acceleration a:  ms-2             coefficient  "))),
                   3, kLabelColumn);
  boxes->addWidget(resultWidth(addTextBox("txtA", page_.txtA)), 3, kMetricColumn);
  boxes->addWidget(keepOnOneLine(addLabel("lblOrA", QStringLiteral(" or"))), 3, kOrColumn);
  boxes->addWidget(resultWidth(addTextBox("txtmu", page_.txtmu)), 3, kAlternativeColumn);
  boxes->addWidget(keepOnOneLine(addLabel(
                       "lblmu", QStringLiteral("\u03BCg gives negative acceleration"))),
                   3, kNoteColumn);

  boxes->addWidget(keepOnOneLine(addLabel("lblt", QStringLiteral("time t:          seconds"))), 4,
                   kLabelColumn);
  boxes->addWidget(resultWidth(addTextBox("txtt", page_.txtt)), 4, kMetricColumn);

  auto* buttons = pageButtonRow(
      {addButton("cmdCalculate", QStringLiteral("Calculate all &values"), &page_.cmdCalculate,
                 [this] { page_.cmdCalculate_Click(); }),
       addButton("cmdClear", QStringLiteral("&Clear all boxes"), &page_.cmdClear,
                 [this] { page_.cmdClear_Click(); })},
      {addPrintButton("cmdPrint"), addMenuButton("cmdMenu"), addExitButton("cmdExit")});

  QLabel* credit = addLabel("lblCredit", QStringLiteral("Kelvara Software Ltd, 2026"));
  credit->setAlignment(Qt::AlignRight);

  auto* layout = new QVBoxLayout(page());
  layout->addWidget(heading);
  layout->addWidget(instruction);
  layout->addLayout(boxes);
  layout->addSpacing(instruction->fontMetrics().height());
  layout->addLayout(buttons);
  layout->addStretch();
  layout->addWidget(credit);

  QMenu* help = menuBar()->addMenu(QStringLiteral("HELP"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
  addMenuItem(help, "mnuInfo", QStringLiteral("Information"), [this] { page_.mnuInfo_Click(); });
  addMenuItem(help, "mnuAuthor", QStringLiteral("Author"), [this] { page_.mnuAuthor_Click(); });
  addMenuItem(help, "mnuAbout", QStringLiteral("About"), [this] { page_.mnuAbout_Click(); });

  binding().push();
}

}  // namespace kelvara
