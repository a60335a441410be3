// The form kit's reading order, Tab chain and input names, on small pages laid out here.

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include "fields/form_layout.h"

using namespace kelvara;

namespace {

template <class Widget>
Widget* named(QWidget* parent, const char* name, const char* text = nullptr) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  if constexpr (std::is_base_of_v<QLabel, Widget> || std::is_base_of_v<QAbstractButton, Widget>)
    if (text != nullptr) widget->setText(QString::fromUtf8(text));
  return widget;
}

QStringList namesOf(const QList<QWidget*>& widgets) {
  QStringList names;
  for (const QWidget* widget : widgets)
    if (!widget->objectName().isEmpty()) names << widget->objectName();
  return names;
}

}  // namespace

class ReadingOrderTest : public QObject {
  Q_OBJECT

 private slots:
  // A grid row by row; a taller block beside rows of boxes after them when it stands on their
  // right, before them when on their left; nested layouts and frames where they stand; hidden
  // widgets in their place; widgets laid on a picture by their position.
  void readsAsTheEyeDoes() {
    QWidget page;
    auto* grid = new QGridLayout(&page);
    auto* left = named<QGroupBox>(&page, "left");
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->addWidget(named<QLineEdit>(left, "a1"));
    leftColumn->addWidget(named<QLineEdit>(left, "a2"));
    grid->addWidget(left, 0, 0, 2, 1);
    grid->addWidget(named<QLineEdit>(&page, "b1"), 0, 1);
    grid->addWidget(named<QLineEdit>(&page, "c1"), 0, 2);
    auto* hidden = named<QLineEdit>(&page, "b2");
    hidden->hide();
    grid->addWidget(hidden, 1, 1);
    grid->addWidget(named<QLineEdit>(&page, "c2"), 1, 2);
    auto* options = new QVBoxLayout;
    options->addWidget(named<QCheckBox>(&page, "d1"));
    options->addWidget(named<QCheckBox>(&page, "d2"));
    grid->addLayout(options, 0, 3, 2, 1);
    grid->addWidget(named<QLineEdit>(&page, "e"), 2, 0);
    auto* picture = named<QWidget>(&page, "picture");
    named<QCheckBox>(picture, "lowerLeft")->move(10, 80);
    named<QCheckBox>(picture, "upperRight")->move(90, 10);
    named<QCheckBox>(picture, "upperLeft")->move(10, 10);
    grid->addWidget(picture, 3, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(named<QPushButton>(&page, "ok"));
    buttons->setDirection(QBoxLayout::RightToLeft);
    buttons->addWidget(named<QPushButton>(&page, "cancel"));
    grid->addLayout(buttons, 4, 0, 1, 4);

    QCOMPARE(namesOf(readingOrder(&page)),
             (QStringList{"left", "a1", "a2", "b1", "c1", "b2", "c2", "d1", "d2", "e", "picture",
                          "upperLeft", "upperRight", "lowerLeft", "cancel", "ok"}));
  }

  // Each box takes the caption just before it; a box after another in its row the row's
  // caption and its column's heading; the marks after the boxes of an angle name their
  // units; units at the row's end go with the box before them; a joining word gives way to
  // the row's caption; a scroll bar the caption above it and the ends either side.
  void namesComeFromTheLabelsBeside() {
    QWidget page;
    auto* grid = new QGridLayout(&page);
    grid->addWidget(named<QLabel>(&page, "", "Vehicle 1"), 0, 1);
    grid->addWidget(named<QLabel>(&page, "", "Vehicle 2"), 0, 3);
    grid->addWidget(named<QLabel>(&page, "", "Mass,   kg"), 1, 0);
    grid->addWidget(named<QLineEdit>(&page, "mass1"), 1, 1);
    grid->addWidget(named<QLineEdit>(&page, "mass2"), 1, 3);
    grid->addWidget(named<QLabel>(&page, "", "Latitude"), 2, 0);
    grid->addWidget(named<QLineEdit>(&page, "degrees"), 2, 1);
    grid->addWidget(named<QLabel>(&page, "", "\u00B0"), 2, 2);
    grid->addWidget(named<QLineEdit>(&page, "minutes"), 2, 3);
    grid->addWidget(named<QLabel>(&page, "", "'"), 2, 4);
    grid->addWidget(named<QLabel>(&page, "", "initial velocity u: ms-1 mph"), 3, 0);
    grid->addWidget(named<QLineEdit>(&page, "metric"), 3, 1);
    grid->addWidget(named<QLabel>(&page, "", " or"), 3, 2);
    grid->addWidget(named<QLineEdit>(&page, "imperial"), 3, 3);
    grid->addWidget(named<QLabel>(&page, "", " Time scroll bar"), 4, 0, 1, 5);
    grid->addWidget(named<QLabel>(&page, "", "0 hrs"), 5, 0);
    grid->addWidget(named<QScrollBar>(&page, "time"), 5, 1, 1, 3);
    grid->addWidget(named<QLabel>(&page, "", "24 hrs"), 5, 4);
    auto* credit = named<QLineEdit>(&page, "credit");
    credit->setText("Kelvara Software Ltd, 2026");
    credit->setReadOnly(true);
    grid->addWidget(credit, 6, 0, 1, 5);
    auto* named = ::named<QLineEdit>(&page, "given");
    named->setAccessibleName("Named by its form");
    grid->addWidget(::named<QLabel>(&page, "", "Ignored"), 7, 0);
    grid->addWidget(named, 7, 1);

    InputNames names;
    names.collect(&page);
    const auto nameOf = [&page](const char* box) {
      return page.findChild<QWidget*>(QString::fromLatin1(box))->accessibleName();
    };
    QCOMPARE(nameOf("mass1"), QStringLiteral("Mass, kg Vehicle 1"));
    QCOMPARE(nameOf("mass2"), QStringLiteral("Mass, kg Vehicle 2"));
    QCOMPARE(nameOf("degrees"), QStringLiteral("Latitude degrees Vehicle 1"));
    QCOMPARE(nameOf("minutes"), QStringLiteral("Latitude minutes Vehicle 2"));
    QCOMPARE(nameOf("metric"), QStringLiteral("initial velocity u: ms-1 mph Vehicle 1"));
    QCOMPARE(nameOf("imperial"), QStringLiteral("initial velocity u: ms-1 mph Vehicle 2"));
    QCOMPARE(nameOf("time"), QStringLiteral("Time scroll bar 0 hrs 24 hrs"));
    QCOMPARE(nameOf("credit"), QStringLiteral("Kelvara Software Ltd, 2026"));
    QCOMPARE(nameOf("given"), QStringLiteral("Named by its form"));
  }

  // A buddy's label names it without the access key's mark; a box under a read-only box
  // that serves as its heading takes the heading's text; names follow changed captions.
  void buddiesHeadingsAndChangedCaptions() {
    QWidget page;
    auto* column = new QVBoxLayout(&page);
    auto* weight = named<QLineEdit>(&page, "weight");
    auto* caption = named<QLabel>(&page, "caption", "&Weight && height");
    caption->setBuddy(weight);
    auto* unit = named<QLabel>(&page, "unit", "kg");
    auto* row = new QHBoxLayout;
    row->addWidget(weight);
    row->addWidget(unit);
    column->addWidget(caption);
    column->addLayout(row);
    auto* heading = named<QLineEdit>(&page, "heading");
    heading->setText("Deceleration rate:");
    heading->setReadOnly(true);
    column->addWidget(heading);
    auto* rate = named<QLineEdit>(&page, "rate");
    column->addWidget(rate);
    auto* speed = named<QLineEdit>(&page, "speed");
    auto* speedUnit = named<QLabel>(&page, "speedUnit", "mph");
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(named<QLabel>(&page, "", "Speed"));
    speedRow->addWidget(speed);
    speedRow->addWidget(speedUnit);
    column->addLayout(speedRow);

    InputNames names;
    names.collect(&page);
    QCOMPARE(weight->accessibleName(), QStringLiteral("Weight & height"));
    QCOMPARE(rate->accessibleName(), QStringLiteral("Deceleration rate:"));
    QCOMPARE(speed->accessibleName(), QStringLiteral("Speed mph"));
    speedUnit->setText("m/s");
    names.refresh();
    QCOMPARE(speed->accessibleName(), QStringLiteral("Speed m/s"));
  }
};

QTEST_MAIN(ReadingOrderTest)
#include "reading_order_test.moc"
