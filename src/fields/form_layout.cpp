#include "fields/form_layout.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QtGlobal>

namespace kelvara {

QLabel* keepOnOneLine(QLabel* label) {
  label->setWordWrap(false);
  return label;
}

QLabel* boldLabel(QLabel* label) {
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLabel* headingLabel(QLabel* label, double scale) {
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * scale);
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLabel* titleLabel(QLabel* label, double scale) {
  headingLabel(label, scale)->setAlignment(Qt::AlignCenter);
  return label;
}

void addCaptionedRow(QGridLayout* grid, QLabel* caption, QWidget* box, QLabel* hint) {
  const int row = grid->rowCount();
  grid->addWidget(caption, row, 0);
  grid->addWidget(box, row, 1);
  if (hint != nullptr) grid->addWidget(hint, row + 1, 0, 1, 2);
}

void addOneLineCaptionedRow(QGridLayout* grid, QLabel* caption, QWidget* box) {
  addCaptionedRow(grid, keepOnOneLine(caption), box);
}

void alignColumns(std::initializer_list<QGridLayout*> grids, int column) {
  int width = 0;
  for (QGridLayout* grid : grids) {
    width = qMax(width, grid->columnMinimumWidth(column));
    for (int index = 0; index < grid->count(); ++index) {
      int row = 0, itemColumn = 0, rows = 0, columns = 0;
      grid->getItemPosition(index, &row, &itemColumn, &rows, &columns);
      if (itemColumn != column || columns != 1) continue;
      const QLayoutItem* item = grid->itemAt(index);
      width = qMax(width, qMax(item->sizeHint().width(), item->minimumSize().width()));
    }
  }
  for (QGridLayout* grid : grids) grid->setColumnMinimumWidth(column, width);
}

QHBoxLayout* pageButtonRow(std::initializer_list<QWidget*> commands,
                           std::initializer_list<QWidget*> pageButtons) {
  auto* row = new QHBoxLayout;
  for (QWidget* button : commands) row->addWidget(button);
  row->addStretch(1);
  for (QWidget* button : pageButtons) row->addWidget(button);
  return row;
}

}  // namespace kelvara
