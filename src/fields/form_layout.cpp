#include "fields/form_layout.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QHBoxLayout>
#include <QLayoutItem>
#include <QSet>
#include <QtGlobal>
#include <algorithm>

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

namespace {

// The items of a grid as they are read: line by line, left to right, where an item spanning
// several rows is read once everything to its left in those rows has been read. A block of
// boxes beside a taller block of options is read before the options; a tall block on the left
// before the rows to its right.
QList<int> gridInReadingOrder(QGridLayout* grid) {
  struct Span {
    int index, row, column, lastRow;
  };
  QList<Span> left;
  for (int i = 0; i < grid->count(); ++i) {
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(i, &row, &column, &rows, &columns);
    left.append({i, row, column, row + rows - 1});
  }
  // a comes before b: a stands wholly above it, or beside it on its left.
  const auto before = [](const Span& a, const Span& b) {
    const bool sideBySide = a.row <= b.lastRow && b.row <= a.lastRow;
    return a.lastRow < b.row || (sideBySide && a.column < b.column);
  };
  QList<int> order;
  while (!left.isEmpty()) {
    qsizetype next = -1;
    for (qsizetype i = 0; i < left.size(); ++i) {
      const bool free = std::none_of(left.begin(), left.end(),
                                     [&](const Span& other) { return before(other, left[i]); });
      if (free && (next < 0 || std::pair(left[i].row, left[i].column) <
                                   std::pair(left[next].row, left[next].column)))
        next = i;
    }
    // Blocks that overlap one another crosswise have no order of their own: top-left first.
    if (next < 0)
      next = std::min_element(left.begin(), left.end(),
                              [](const Span& a, const Span& b) {
                                return std::pair(a.row, a.column) < std::pair(b.row, b.column);
                              }) -
             left.begin();
    order.append(left[next].index);
    left.removeAt(next);
  }
  return order;
}

// The items of a layout as they are read: a grid as above, a form row by row, a box in its
// direction.
QList<int> itemsInReadingOrder(QLayout* layout) {
  if (auto* grid = qobject_cast<QGridLayout*>(layout)) return gridInReadingOrder(grid);
  QList<int> indices;
  for (int i = 0; i < layout->count(); ++i) indices.append(i);
  if (auto* form = qobject_cast<QFormLayout*>(layout)) {
    const auto cell = [form](int index) {
      int row = 0;
      QFormLayout::ItemRole role = QFormLayout::LabelRole;
      form->getItemPosition(index, &row, &role);
      return std::pair(row, int(role));
    };
    std::stable_sort(indices.begin(), indices.end(),
                     [&](int a, int b) { return cell(a) < cell(b); });
  } else if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
    if (box->direction() == QBoxLayout::RightToLeft || box->direction() == QBoxLayout::BottomToTop)
      std::reverse(indices.begin(), indices.end());
  }
  return indices;
}

// A widget that only holds others (a frame, a picture with controls laid on it), as opposed
// to a control with parts of its own (a box and its scroll bars).
bool holdsControls(const QWidget* widget) {
  return widget->focusPolicy() == Qt::NoFocus && qobject_cast<const QLabel*>(widget) == nullptr &&
         qobject_cast<const QAbstractScrollArea*>(widget) == nullptr;
}

class ReadingOrder {
 public:
  void addWidget(QWidget* widget) {
    if (seen_.contains(widget)) return;
    seen_.insert(widget);
    order.append(widget);
    if (!holdsControls(widget)) return;
    if (widget->layout() != nullptr) addLayout(widget->layout());
    // What no layout placed, by where it stands.
    QList<QWidget*> placed;
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (!child->isWindow() && !seen_.contains(child)) placed.append(child);
    std::stable_sort(placed.begin(), placed.end(), [](const QWidget* a, const QWidget* b) {
      return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (QWidget* child : placed) addWidget(child);
  }

  void addLayout(QLayout* layout) {
    for (int index : itemsInReadingOrder(layout)) {
      QLayoutItem* item = layout->itemAt(index);
      if (QWidget* widget = item->widget())
        addWidget(widget);
      else if (QLayout* inner = item->layout())
        addLayout(inner);
    }
  }

  QList<QWidget*> order;

 private:
  QSet<QWidget*> seen_;
};

bool takesTab(const QWidget* widget) { return (widget->focusPolicy() & Qt::TabFocus) != 0; }

bool isCommand(const QWidget* widget) {
  return qobject_cast<const QPushButton*>(widget) != nullptr;
}

// An input a screen reader needs a name for: a button names itself by its caption.
bool needsName(const QWidget* widget) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
    return !isCommand(widget) && button->text().isEmpty();
  return qobject_cast<const QLineEdit*>(widget) != nullptr ||
         qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
         qobject_cast<const QComboBox*>(widget) != nullptr ||
         (qobject_cast<const QAbstractScrollArea*>(widget) != nullptr && takesTab(widget));
}

// What a layout item holds, as far as captions go: labels only, a control or picture, or
// nothing (a spacer).
enum class Content { Nothing, Labels, Other };

Content contentOf(QLayoutItem* item);

Content contentOfWidget(QWidget* widget) {
  if (qobject_cast<QLabel*>(widget) != nullptr) return Content::Labels;
  if (!holdsControls(widget) || widget->layout() == nullptr) return Content::Other;
  // A frame of labels counts as labels; a frame of controls as a control.
  const Content inside = contentOf(widget->layout());
  return inside == Content::Nothing ? Content::Other : inside;
}

Content contentOf(QLayoutItem* item) {
  if (QWidget* widget = item->widget()) return contentOfWidget(widget);
  QLayout* layout = item->layout();
  if (layout == nullptr) return Content::Nothing;
  Content content = Content::Nothing;
  for (int i = 0; i < layout->count(); ++i) {
    const Content inner = contentOf(layout->itemAt(i));
    if (inner == Content::Other) return Content::Other;
    if (inner == Content::Labels) content = Content::Labels;
  }
  return content;
}

using Captions = std::vector<QPointer<QWidget>>;

void addLabelsOf(QLayoutItem* item, Captions& captions) {
  if (QWidget* widget = item->widget()) {
    if (qobject_cast<QLabel*>(widget) != nullptr)
      captions.emplace_back(widget);
    else if (widget->layout() != nullptr)
      addLabelsOf(widget->layout(), captions);
    return;
  }
  if (QLayout* layout = item->layout())
    for (int index : itemsInReadingOrder(layout)) addLabelsOf(layout->itemAt(index), captions);
}

// A label of signs only, such as the degree sign after a box: it marks the unit of the box
// before it, and names no box of its own.
bool isMark(QLayoutItem* item) {
  const auto* label = qobject_cast<const QLabel*>(item->widget());
  if (label == nullptr) return false;
  const QString text = label->text().simplified();
  return !text.isEmpty() &&
         std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// A word that only joins two boxes of one row ("… mph [box] or [box]").
bool isJoiningWord(const Captions& captions) {
  if (captions.size() != 1) return false;
  const auto* label = qobject_cast<const QLabel*>(captions.front().data());
  if (label == nullptr) return false;
  const QString word = label->text().simplified().toLower();
  return word == u"or" || word == u"and";
}

bool isReadOnlyBox(const QWidget* widget) {
  if (const auto* box = qobject_cast<const QLineEdit*>(widget)) return box->isReadOnly();
  if (const auto* area = qobject_cast<const QPlainTextEdit*>(widget)) return area->isReadOnly();
  return false;
}

// One item of a layout and where it stands in it; a box layout is one row of cells or one
// column of them.
struct Cell {
  QLayoutItem* item;
  int row, column, rows, columns;
};

QList<Cell> cellsOf(QLayout* layout) {
  QList<Cell> cells;
  const QList<int> order = itemsInReadingOrder(layout);
  for (int position = 0; position < order.size(); ++position) {
    const int index = order[position];
    Cell cell{layout->itemAt(index), 0, position, 1, 1};
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
      grid->getItemPosition(index, &cell.row, &cell.column, &cell.rows, &cell.columns);
    } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
      QFormLayout::ItemRole role = QFormLayout::LabelRole;
      form->getItemPosition(index, &cell.row, &role);
      cell.column = role == QFormLayout::SpanningRole ? 0 : int(role);
      cell.columns = role == QFormLayout::SpanningRole ? 2 : 1;
    } else if (auto* box = qobject_cast<QBoxLayout*>(layout);
               box != nullptr && (box->direction() == QBoxLayout::TopToBottom ||
                                  box->direction() == QBoxLayout::BottomToTop)) {
      cell.row = position;
      cell.column = 0;
    }
    cells.append(cell);
  }
  return cells;
}

// The cells of one row, left to right.
QList<Cell> rowOf(const QList<Cell>& cells, int row) {
  QList<Cell> found;
  for (const Cell& cell : cells)
    if (cell.row <= row && row < cell.row + cell.rows) found.append(cell);
  std::stable_sort(found.begin(), found.end(),
                   [](const Cell& a, const Cell& b) { return a.column < b.column; });
  return found;
}

// The cells of a row that stand over (or under) the columns of cell.
QList<Cell> overlapping(const QList<Cell>& row, const Cell& cell) {
  QList<Cell> found;
  for (const Cell& other : row)
    if (other.column < cell.column + cell.columns && cell.column < other.column + other.columns)
      found.append(other);
  return found;
}

bool allLabels(const QList<Cell>& cells) {
  return !cells.isEmpty() && std::all_of(cells.begin(), cells.end(), [](const Cell& cell) {
    return contentOf(cell.item) == Content::Labels;
  });
}

class Neighbours {
 public:
  Neighbours(QLayout* layout, QLayoutItem* subject) : cells_(cellsOf(layout)) {
    for (const Cell& cell : cells_)
      if (cell.item == subject) self_ = cell;
    if (self_.item == nullptr) return;
    row_ = rowOf(cells_, self_.row);
    while (row_[at_].item != subject) ++at_;
  }

  bool found() const { return self_.item != nullptr; }

  // The labels beside the subject in its row: its own caption just before it (with a caption
  // spanning the rows of a block first), or the row's caption when another box comes between;
  // the units after it when nothing follows them in the row, and the unit marks after it
  // always; and in a row of several boxes, the heading of its column.
  Captions beside(bool slider) const {
    Captions before;
    if (at_ > 0 && contentOf(row_[at_ - 1].item) == Content::Labels &&
        !isMark(row_[at_ - 1].item)) {
      addLabelsOf(row_[at_ - 1].item, before);
      if (isJoiningWord(before)) before.clear();
    }
    if (!before.empty()) {
      // A caption spanning the rows of a block goes first ("Crush measurements" before "C1").
      Captions block;
      for (int i = at_ - 2; i >= 0 && contentOf(row_[i].item) == Content::Labels; --i)
        if (row_[i].rows > self_.rows) {
          Captions spanning;
          addLabelsOf(row_[i].item, spanning);
          block.insert(block.begin(), spanning.begin(), spanning.end());
        }
      before.insert(before.begin(), block.begin(), block.end());
    }
    int inputs = 0;
    for (const Cell& cell : row_)
      if (contentOf(cell.item) == Content::Other) ++inputs;
    // The row's own caption, before its first box, when the subject has none of its own.
    Captions caption;
    if (before.empty())
      for (int i = 0; i < at_ && contentOf(row_[i].item) != Content::Other; ++i)
        if (!isMark(row_[i].item)) addLabelsOf(row_[i].item, caption);

    Captions after;
    int last = at_;
    while (last + 1 < row_.size() && contentOf(row_[last + 1].item) == Content::Labels) ++last;
    const bool endsRow = last + 1 == row_.size();
    for (int i = at_ + 1; i <= last; ++i)
      if (isMark(row_[i].item) || endsRow || slider || (before.empty() && caption.empty()))
        addLabelsOf(row_[i].item, after);

    Captions heading;
    if (inputs > 1 && !slider) heading = columnHeading();

    Captions all = caption;
    all.insert(all.end(), before.begin(), before.end());
    all.insert(all.end(), after.begin(), after.end());
    all.insert(all.end(), heading.begin(), heading.end());
    return all;
  }

  // The caption standing just above the subject: a label, or for a box that takes input a
  // read-only box that serves as its heading. A read-only box passes over the read-only boxes
  // above it, as a row of a table passes over the rows above it to the table's header.
  Captions above(bool readOnly) const {
    for (int r = self_.row - 1; r >= 0; --r) {
      const QList<Cell> row = rowOf(cells_, r);
      if (row.isEmpty()) continue;
      const QList<Cell> over = overlapping(row, self_);
      if (allLabels(over)) {
        Captions captions;
        for (const Cell& cell : over) addLabelsOf(cell.item, captions);
        return captions;
      }
      if (over.size() != 1 || !isReadOnlyBox(over.front().item->widget())) return {};
      if (!readOnly) return {QPointer<QWidget>(over.front().item->widget())};
    }
    return {};
  }

 private:
  // The labels over the subject's column in the nearest rows of labels above it that hold
  // one, passing over the rows of boxes between ("Vehicle 1" over a column of boxes).
  Captions columnHeading() const {
    const auto over = [this](int r) {
      Captions line;
      for (const Cell& cell : rowOf(cells_, r))
        if (cell.column >= self_.column &&
            cell.column + cell.columns <= self_.column + self_.columns)
          addLabelsOf(cell.item, line);
      return line;
    };
    int r = self_.row - 1;
    while (r >= 0 && (!allLabels(rowOf(cells_, r)) || over(r).empty())) --r;
    Captions heading;
    for (; r >= 0 && allLabels(rowOf(cells_, r)); --r) {
      const Captions line = over(r);
      heading.insert(heading.begin(), line.begin(), line.end());
    }
    return heading;
  }

  QList<Cell> cells_;
  Cell self_{nullptr, 0, 0, 0, 0};
  QList<Cell> row_;
  int at_ = 0;
};

// The layout under root that holds widget directly, and the widget's item in it.
std::pair<QLayout*, QLayoutItem*> placeIn(QLayout* root, const QWidget* widget) {
  const int index = root->indexOf(widget);
  if (index >= 0) return {root, root->itemAt(index)};
  for (int i = 0; i < root->count(); ++i)
    if (QLayout* nested = root->itemAt(i)->layout()) {
      auto found = placeIn(nested, widget);
      if (found.first != nullptr) return found;
    }
  return {nullptr, nullptr};
}

// Where a widget is laid out in its parent; null when no layout places it.
std::pair<QLayout*, QLayoutItem*> placeOf(const QWidget* widget) {
  QWidget* parent = widget->parentWidget();
  if (parent == nullptr || parent->layout() == nullptr) return {nullptr, nullptr};
  return placeIn(parent->layout(), widget);
}

// The captions that name input: the label whose buddy it is; the labels beside it, or just
// above it; or else the labels beside the layout or untitled frame that holds it. Empty for
// an input laid by position (on a picture), whose neighbours are unknown, and for one in a
// titled frame with nothing beside it: the title names it.
Captions captionsFor(QWidget* input, QWidget* page) {
  for (QLabel* label : page->findChildren<QLabel*>())
    if (label->buddy() == input) return {QPointer<QWidget>(label)};
  const bool slider = qobject_cast<QAbstractSlider*>(input) != nullptr;
  for (QWidget* widget = input; widget != page; widget = widget->parentWidget()) {
    if (widget != input) {
      auto* frame = qobject_cast<QGroupBox*>(widget);
      if (frame != nullptr && !frame->title().isEmpty()) return {};
    }
    auto [layout, item] = placeOf(widget);
    if (layout == nullptr) return {};
    for (bool own = widget == input; layout != nullptr; own = false) {
      const Neighbours neighbours(layout, item);
      if (neighbours.found()) {
        Captions captions = neighbours.beside(slider);
        if (own && (slider || captions.empty())) {
          Captions above = neighbours.above(isReadOnlyBox(input));
          captions.insert(captions.begin(), above.begin(), above.end());
        }
        if (!captions.empty()) return captions;
      }
      // Out through the nested layouts to the one of the widget's parent.
      item = layout;
      layout = qobject_cast<QLayout*>(layout->parent());
    }
  }
  return {};
}

// A caption's text as it stands, marks and all: cheap to read and compare.
QString rawCaption(const QWidget* caption) {
  if (const auto* box = qobject_cast<const QLineEdit*>(caption)) return box->text();
  if (const auto* area = qobject_cast<const QPlainTextEdit*>(caption)) return area->toPlainText();
  if (const auto* label = qobject_cast<const QLabel*>(caption)) return label->text();
  return {};
}

QString captionText(const QWidget* caption) {
  if (const auto* box = qobject_cast<const QLineEdit*>(caption)) return box->text().simplified();
  if (const auto* area = qobject_cast<const QPlainTextEdit*>(caption))
    return area->toPlainText().simplified();
  const auto* label = qobject_cast<const QLabel*>(caption);
  if (label == nullptr) return {};
  QString text = label->text();
  if (label->buddy() != nullptr) {
    // The access key's mark is no part of what is read out; "&&" stands for "&".
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
      if (text[i] == u'&' && i + 1 < text.size()) ++i;
      plain += text[i];
    }
    text = plain;
  }
  text = text.simplified();
  // The marks after the boxes of an angle.
  if (text == u"\u00B0") return QStringLiteral("degrees");
  if (text == u"'") return QStringLiteral("minutes");
  if (text == u"\"") return QStringLiteral("seconds");
  return text;
}

QString frameTitleFor(const QWidget* input, const QWidget* page) {
  for (QWidget* widget = input->parentWidget(); widget != nullptr && widget != page;
       widget = widget->parentWidget())
    if (auto* frame = qobject_cast<QGroupBox*>(widget);
        frame != nullptr && !frame->title().isEmpty())
      return frame->title().simplified();
  return {};
}

}  // namespace

QList<QWidget*> readingOrder(QWidget* page) {
  ReadingOrder reading;
  reading.addWidget(page);
  reading.order.removeFirst();
  return reading.order;
}

QList<QWidget*> chainTabOrder(QWidget* page) {
  QList<QWidget*> inputs;
  QList<QWidget*> commands;
  for (QWidget* widget : readingOrder(page)) {
    if (!takesTab(widget)) continue;
    // A table's arrow keys move between its cells; Tab goes on to the next control.
    if (auto* table = qobject_cast<QAbstractItemView*>(widget)) table->setTabKeyNavigation(false);
    (isCommand(widget) ? commands : inputs).append(widget);
  }
  const QList<QWidget*> chain = inputs + commands;
  for (qsizetype i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
  return chain;
}

void InputNames::collect(QWidget* page) {
  for (QWidget* widget : readingOrder(page)) {
    if (!needsName(widget) || !widget->accessibleName().isEmpty()) continue;
    Captions captions = captionsFor(widget, page);
    if (captions.empty()) {
      const QString title = frameTitleFor(widget, page);
      if (!title.isEmpty()) {
        widget->setAccessibleName(title);
        continue;
      }
      // A read-only box with nothing beside it (a credit line, a heading) says what it shows.
      if (isReadOnlyBox(widget)) captions.emplace_back(widget);
    }
    if (!captions.empty()) named_.push_back({widget, std::move(captions)});
  }
  seen_.clear();
  for (const Named& named : named_)
    for (const QPointer<QWidget>& caption : named.captions)
      if (std::none_of(seen_.begin(), seen_.end(),
                       [&caption](const Seen& seen) { return seen.caption == caption; }))
        seen_.push_back({caption, QString()});
  captionsChanged();
  nameInputs();
}

bool InputNames::captionsChanged() {
  bool changed = false;
  for (Seen& seen : seen_) {
    if (seen.caption.isNull()) continue;
    QString text = rawCaption(seen.caption);
    if (text != seen.text) {
      seen.text = std::move(text);
      changed = true;
    }
  }
  return changed;
}

void InputNames::refresh() {
  if (captionsChanged()) nameInputs();
}

void InputNames::nameInputs() const {
  for (const Named& named : named_) {
    if (named.input.isNull()) continue;
    QStringList parts;
    for (const QPointer<QWidget>& caption : named.captions)
      if (!caption.isNull() && !captionText(caption).isEmpty()) parts << captionText(caption);
    const QString name = parts.join(u' ');
    if (named.input->accessibleName() != name) named.input->setAccessibleName(name);
  }
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
