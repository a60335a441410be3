#include "human/reaction_form.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QVBoxLayout>

#include "fields/form_layout.h"
#include "human/reaction.h"

namespace kelvara {

namespace {

// The machine's fixed-pitch font, falling back on the monospace family by name where the
// platform names no fixed font of its own.
QFont fixedPitchFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (!QFontInfo(font).fixedPitch()) {
    font.setFamilies({QStringLiteral("monospace"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
  }
  font.setFixedPitch(true);
  return font;
}

// A table line: fixed pitch and never wrapped, so that its columns stay aligned.
QLabel* tableLine(QLabel* label, const QFont& font) {
  keepOnOneLine(label)->setFont(font);
  return label;
}

}  // namespace

ReactionForm::ReactionForm(PageHost& host, Dialogs& dialogs) : PageWindow(host, dialogs) {
  describe(page_.describe());
  const QFont fixed = fixedPitchFont();
  auto* layout = new QVBoxLayout(page());

  layout->addWidget(headingLabel(addLabel(page_.lblReactionHeading), 1.2));
  layout->addWidget(addLabel(page_.lblReactionSource));
  layout->addWidget(tableLine(addLabel(page_.lblReactionColumns), fixed));
  for (Label& row : page_.lblReactionRows) layout->addWidget(tableLine(addLabel(row), fixed));
  layout->addSpacing(16);

  layout->addWidget(headingLabel(addLabel(page_.lblWalkingHeading), 1.2));
  layout->addWidget(addLabel(page_.lblWalkingSource));
  QLabel* walkingColumns = tableLine(addLabel(page_.lblWalkingColumns), fixed);
  layout->addWidget(walkingColumns);
  const auto rows = page_.walkingRows();
  const int lineWidth = QFontMetrics(fixed).horizontalAdvance(
      QString::fromLatin1(reaction::kWalkingHeader) + QStringLiteral("    "));
  // The rows' boxes keep a small margin before their text; the header keeps the same.
  constexpr int kBoxTextMargin = 2;
  walkingColumns->setContentsMargins(kBoxTextMargin, 0, 0, 0);
  for (TextBox* row : rows) {
    QLineEdit* box = addTextBox(*row);
    box->setFrame(false);
    box->setFont(fixed);
    box->setMinimumWidth(lineWidth);
    box->setTextMargins(0, 0, 0, 0);
    // Coloured like the page, so that the rows read as the table they are.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
    layout->addWidget(box);
  }
  layout->addStretch(1);

  auto* buttons = pageButtonRow({addPrintButton(page_.cmdPrint)},
                                {addMenuButton(page_.Command1), addExitButton(page_.Command2)});
  layout->addLayout(buttons);

  binding().push();
  for (QLineEdit* box : findChildren<QLineEdit*>()) box->setCursorPosition(0);
}

}  // namespace kelvara
