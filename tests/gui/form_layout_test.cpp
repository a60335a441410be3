#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "fields/form_layout.h"

using namespace kelvara;

class FormLayoutTest : public QObject {
  Q_OBJECT

  static QLabel* wrappedLabel(QWidget* parent, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setWordWrap(true);
    return label;
  }

  // Row, column, row span and column span of a widget in its grid.
  static QList<int> cell(QGridLayout* grid, QWidget* widget) {
    int row = -1, column = -1, rows = -1, columns = -1;
    grid->getItemPosition(grid->indexOf(widget), &row, &column, &rows, &columns);
    return {row, column, rows, columns};
  }

 private slots:
  // Rows go beneath whatever the grid already holds, a hint takes the row under its box, and
  // the next row goes beneath the hint.
  void rowsStackBeneathTheGridsLastRow() {
    QWidget page;
    auto* grid = new QGridLayout(&page);
    auto* instruction = wrappedLabel(&page, "Type in any two of the following values:");
    grid->addWidget(instruction, 0, 0, 1, 2);

    auto* first = wrappedLabel(&page, "Gradient in degrees");
    auto* firstBox = new QLineEdit(&page);
    auto* hint = wrappedLabel(&page, "(Uphill is positive, downhill is negative, level is zero)");
    addCaptionedRow(grid, first, firstBox, hint);
    auto* second = wrappedLabel(&page, "True coefficient of friction");
    auto* secondBox = new QLineEdit(&page);
    addOneLineCaptionedRow(grid, second, secondBox);

    QCOMPARE(cell(grid, first), (QList<int>{1, 0, 1, 1}));
    QCOMPARE(cell(grid, firstBox), (QList<int>{1, 1, 1, 1}));
    QCOMPARE(cell(grid, hint), (QList<int>{2, 0, 1, 2}));
    QCOMPARE(cell(grid, second), (QList<int>{3, 0, 1, 1}));
    QCOMPARE(cell(grid, secondBox), (QList<int>{3, 1, 1, 1}));
    // Only the one-line row changes its caption's wrapping.
    QVERIFY(first->wordWrap());
    QVERIFY(hint->wordWrap());
    QVERIFY(!second->wordWrap());
  }

  void headingsAndTitles() {
    QWidget page;
    QFont pageFont = page.font();
    pageFont.setPointSizeF(10.0);
    page.setFont(pageFont);

    QLabel* heading = headingLabel(wrappedLabel(&page, "Input"), 1.05);
    QVERIFY(heading->font().bold());
    QCOMPARE(heading->font().pointSizeF(), 10.5);

    QLabel* title = titleLabel(wrappedLabel(&page, "Side Slip Calculations"));
    QVERIFY(title->font().bold());
    QCOMPARE(title->font().pointSizeF(), 10.0 * kTitleScale);
    QCOMPARE(title->alignment(), Qt::AlignCenter);
    QVERIFY(title->wordWrap());
    QCOMPARE(titleLabel(wrappedLabel(&page, "Crush Analysis"), 1.5)->font().pointSizeF(), 15.0);

    QLabel* bold = boldLabel(wrappedLabel(&page, "FIRST"));
    QVERIFY(bold->font().bold());
    QCOMPARE(bold->font().pointSizeF(), 10.0);

    QLabel* unit = keepOnOneLine(wrappedLabel(&page, "initial velocity u:  ms-1"));
    QVERIFY(!unit->wordWrap());
  }

  // Boxes of an Input and an Output group stand in one line down the page, whichever group
  // has the longer captions or the wider boxes.
  void alignedColumnsLineUpAcrossGroups() {
    QWidget page;
    auto* layout = new QVBoxLayout(&page);
    auto* input = new QGroupBox(QStringLiteral("Input"), &page);
    auto* inputGrid = new QGridLayout(input);
    auto* output = new QGroupBox(QStringLiteral("Output"), &page);
    auto* outputGrid = new QGridLayout(output);
    layout->addWidget(input);
    layout->addWidget(output);
    auto* track = new QLineEdit(&page);
    addCaptionedRow(inputGrid, new QLabel(QStringLiteral("Track width of vehicle /metres"), &page),
                    track);
    auto* speed = new QLineEdit(&page);
    speed->setMinimumWidth(300);
    addCaptionedRow(outputGrid, new QLabel(QStringLiteral("Speed"), &page), speed);
    inputGrid->setColumnStretch(0, 1);
    outputGrid->setColumnStretch(0, 1);
    alignColumns({inputGrid, outputGrid}, 1);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QCOMPARE(track->mapTo(&page, QPoint(0, 0)).x(), speed->mapTo(&page, QPoint(0, 0)).x());
    QCOMPARE(track->width(), speed->width());
    QVERIFY(track->width() >= 300);
  }

  // The page's commands stand at the left in their order, Menu and Exit at the right end.
  void pageButtonsStandAtTheRightOfTheCommands() {
    QWidget page;
    auto* calculate = new QPushButton(QStringLiteral("&Calculate"), &page);
    auto* clear = new QPushButton(QStringLiteral("Clear all &boxes"), &page);
    auto* menu = new QPushButton(QStringLiteral("&Menu"), &page);
    auto* exit = new QPushButton(QStringLiteral("E&xit"), &page);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(new QLineEdit(&page));
    layout->addLayout(pageButtonRow({calculate, clear}, {menu, exit}));
    page.resize(800, 100);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QVERIFY(calculate->geometry().right() < clear->geometry().left());
    QVERIFY(clear->geometry().right() < menu->geometry().left());
    QVERIFY(menu->geometry().right() < exit->geometry().left());
    // The gap between the two sets takes the width the buttons leave.
    QVERIFY(menu->geometry().left() - clear->geometry().right() > 300);
    QCOMPARE(exit->geometry().right(), layout->contentsRect().right());
  }
};

QTEST_MAIN(FormLayoutTest)
#include "form_layout_test.moc"
