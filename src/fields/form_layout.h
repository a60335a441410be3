#pragma once
// Small layout helpers the page windows share: captions beside their boxes in a grid, labels
// kept on one line, and bold headings and titles.

#include <QList>
#include <QPointer>
#include <utility>
#include <vector>
#include <initializer_list>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QWidget;

namespace kelvara {

// How much larger than the page's own text a page title stands.
inline constexpr double kTitleScale = 1.4;

// Turns a label's word wrap off, so that its caption keeps to one line and its blanks stand
// as they are; returns the label.
QLabel* keepOnOneLine(QLabel* label);

// Sets a label's text in bold at its present size; returns the label.
QLabel* boldLabel(QLabel* label);

// Sets a label's text in bold at `scale` times its present point size; returns the label.
QLabel* headingLabel(QLabel* label, double scale);

// A window's title: a heading at `scale` times the page's size, centred; returns the label.
QLabel* titleLabel(QLabel* label, double scale = kTitleScale);

// Adds a row beneath the grid's last: the caption in column 0 and its box in column 1, and,
// when a hint is given, the hint across both columns in the row beneath them.
void addCaptionedRow(QGridLayout* grid, QLabel* caption, QWidget* box, QLabel* hint = nullptr);

// The same, with the caption kept on one line so that the caption column fits it whole.
void addOneLineCaptionedRow(QGridLayout* grid, QLabel* caption, QWidget* box);

// The page's widgets in the order the eye reads them: each layout top to bottom and left to
// right, a grid row by row, a nested layout or frame where it stands; widgets laid on a
// picture rather than in a layout by their position on it. Hidden widgets keep their place.
QList<QWidget*> readingOrder(QWidget* page);

// Chains the keyboard's Tab key through the page: every box, option, check box and scroll
// bar in reading order, then the command buttons in reading order; a table passes Tab on
// rather than keeping it for its cells. Returns the chain.
QList<QWidget*> chainTabOrder(QWidget* page);

// The names a screen reader gives a page's inputs (boxes, scroll bars, and option buttons
// and check boxes without a caption of their own): the captions of the labels beside each
// one. An input whose form named it already keeps its name.
class InputNames {
 public:
  // Finds the labels beside every input of the page that has no name yet, and names it.
  void collect(QWidget* page);
  // Names each input again from its labels' present captions (a handler may change them).
  // Runs after every handler, a scroll bar's too: when no caption changed it only compares
  // the captions' texts with those it last saw.
  void refresh();

 private:
  struct Named {
    QPointer<QWidget> input;
    std::vector<QPointer<QWidget>> captions;  // labels, or boxes that serve as headings
  };
  struct Seen {
    QPointer<QWidget> caption;
    QString text;
  };
  bool captionsChanged();
  void nameInputs() const;
  std::vector<Named> named_;
  std::vector<Seen> seen_;  // every caption once, with its text at the last naming
};
// Makes `column` as wide in every grid as the widest it would be in any of them, so that the
// captions or boxes of separate groups (Input and Output) stand in one line down the page.
void alignColumns(std::initializer_list<QGridLayout*> grids, int column);

// A page's row of buttons: its own commands from the left, in order, then the page buttons
// (Menu, Exit) at the right end. Returns the row, for the page's layout to take.
QHBoxLayout* pageButtonRow(std::initializer_list<QWidget*> commands,
                           std::initializer_list<QWidget*> pageButtons);

}  // namespace kelvara
