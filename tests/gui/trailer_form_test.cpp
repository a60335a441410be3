#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <memory>

#include "dynamics/trailer_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class TrailerFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<TrailerForm> form;

  QWidget* widget(const char* name) { return widgetNamed<QWidget>(form.get(), name); }
  QScrollBar* bar(const char* name) { return widgetNamed<QScrollBar>(form.get(), name); }
  // A click on one of the bar's arrows (towards larger radii at the right), or in its
  // trough just inside an arrow for a large step.
  enum class Click { Right, Left, TroughRight };
  void click(const char* name, Click where) {
    QScrollBar* widget = bar(name);
    const int arrow = widget->height() / 2;
    const int x = where == Click::Left          ? arrow
                  : where == Click::Right       ? widget->width() - arrow
                                                : widget->width() - 3 * widget->height();
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(x, widget->height() / 2));
  }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<TrailerForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmTrailer"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Long Vehicles"));
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdClear", "Clear all boxes"}, {"cmdMenu", "Menu"}, {"cmdExit", "Exit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    auto* instructions = form->findChild<QAction*>(QStringLiteral("mnuInstructions"));
    QVERIFY(instructions != nullptr && form->menuBar()->actions().contains(instructions));
    QCOMPARE(instructions->text(), QStringLiteral("Instructions"));

    QStringList titles;
    for (const QGroupBox* box : form->findChildren<QGroupBox*>()) titles << box->title();
    QCOMPARE(titles, QStringList({"ARTICULATED VEHICLE", "RIGID VEHICLE"}));
    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const char* text :
         {"LONG VEHICLE CUT IN", "Distance from 5th wheel to trailer rear axle, d",
          "Tractor width, b   metres", "Tractor Wheelbase, p    metres",
          "Fifth wheel to tractor rear axle, m   metres", "Cut-in (R - X) metres",
          "Wheelbase, L metres", "Cut-in (R-X) metres"})
      QVERIFY2(captions.contains(QString::fromLatin1(text)), text);
    QCOMPARE(captions.count(QStringLiteral("Scroll for different Radii, R")), 2);
    QCOMPARE(captions.count(
                 QStringLiteral("Calculations will start as soon as you begin to scroll")),
             2);

    for (const char* name : {"HScroll1", "HScrollR"}) {
      QCOMPARE(bar(name)->value(), 15);
      QCOMPARE(bar(name)->maximum(), 500);
    }
    for (const char* box : {"txtR", "txtCutIn", "txtR2", "txtCut"})
      QVERIFY2(!widget(box)->isEnabled(), box);
    QVERIFY(widget("Picture1")->isVisible() && widget("Picture2")->isVisible());
  }

  void scrollingRecomputesTheCutIn() {
    typeInto(form.get(), "txtd", "7.5");
    typeInto(form.get(), "txtb", "2.5");
    typeInto(form.get(), "txtp", "3.5");
    typeInto(form.get(), "txtm", "0.5");
    click("HScroll1", Click::Right);
    QCOMPARE(textOf(form.get(), "txtR"), QStringLiteral("16.00"));
    click("HScroll1", Click::Left);
    QCOMPARE(textOf(form.get(), "txtR"), QStringLiteral("15.00"));
    QCOMPARE(textOf(form.get(), "txtCutIn"), QStringLiteral("2.29"));
    // The arrow keys go the way the arrows point.
    bar("HScroll1")->setFocus();
    QTest::keyClick(bar("HScroll1"), Qt::Key_Right);
    QCOMPARE(textOf(form.get(), "txtR"), QStringLiteral("16.00"));
    QTest::keyClick(bar("HScroll1"), Qt::Key_Left);
    bar("HScroll1")->setValue(20);
    QCOMPARE(textOf(form.get(), "txtCutIn"), QStringLiteral("1.69"));

    // The rigid bar is pushed up to the wheelbase plus a metre and stays there.
    typeInto(form.get(), "txtL", "20");
    click("HScrollR", Click::Right);
    QCOMPARE(bar("HScrollR")->value(), 21);
    QCOMPARE(textOf(form.get(), "txtR2"), QStringLiteral("21.00"));
    QCOMPARE(textOf(form.get(), "txtCut"), QStringLiteral("14.60"));
    for (const char* box : {"txtR", "txtCutIn", "txtR2", "txtCut"})
      QVERIFY2(widget(box)->isEnabled(), box);
    QVERIFY(dialogs.shown.empty());

    // Clear: each moved bar runs its handler once, on empty boxes.
    clickOn(form.get(), "cmdClear");
    QCOMPARE(dialogs.lines(), (std::vector<std::vector<std::string>>{
                                  {"Please insert all four data items for this vehicle."},
                                  {"Please insert the vehicle wheelbase"}}));
    QCOMPARE(bar("HScroll1")->value(), 15);
    QCOMPARE(bar("HScrollR")->value(), 15);
    for (const char* box : {"txtd", "txtb", "txtp", "txtm", "txtL", "txtR", "txtCutIn", "txtR2",
                            "txtCut"})
      QVERIFY2(textOf(form.get(), box).isEmpty(), box);
  }

  void instructionsMenuExitAndClose() {
    form->findChild<QAction*>(QStringLiteral("mnuInstructions"))->trigger();
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].lines.size(), std::size_t{5});
    clickOn(form.get(), "cmdMenu");
    QCOMPARE(host.menuShown, 1);
    QVERIFY(form->isHidden());
    form->show();
    typeInto(form.get(), "txtL", "4");
    click("HScrollR", Click::Right);
    QVERIFY(widget("txtCut")->isEnabled());
    clickOn(form.get(), "cmdExit");
    QCOMPARE(host.programEnded, 1);
    QVERIFY(!widget("txtR2")->isEnabled() && !widget("txtCut")->isEnabled());
    form->close();
    QCOMPARE(host.programEnded, 2);
  }
};

QTEST_MAIN(TrailerFormTest)
#include "trailer_form_test.moc"
