#include "motion/quadratic_form.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

namespace kelvara {

using testing::clickOn;
using testing::textOf;
using testing::typeInto;
using testing::widgetNamed;

class QuadraticFormTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    host_ = std::make_unique<testing::FakeHost>();
    dialogs_ = std::make_unique<testing::RecordingDialogs>();
    form_ = std::make_unique<QuadraticForm>(*host_, *dialogs_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }

  void cleanup() { form_.reset(); }

  void namedControlsAndFixedTexts() {
    QCOMPARE(form_->objectName(), QStringLiteral("frmQuadratic"));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Quadratic Equations"));
    for (const char* box :
         {"txtA", "txtb", "txtC", "txtx", "txtDeceleration", "txtReaction", "txtDistance"})
      widgetNamed<QLineEdit>(form_.get(), box);
    const char* buttons[][2] = {{"cmdCalcRoots", "&Calculate value of x"},
                                {"cmdSpeed", "Calculate &Speed"},
                                {"cmdClear2", "Clear all &boxes"},
                                {"cmdMenu1", "&Menu"},
                                {"Exit", "E&xit"}};
    for (const auto& button : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form_.get(), button[0])->text(),
               QString::fromLatin1(button[1]));
    auto* help = form_->findChild<QAction*>(QStringLiteral("mnuHelp"));
    QVERIFY(help != nullptr && form_->menuBar()->actions().contains(help));
    QCOMPARE(help->text(), QStringLiteral("Help"));

    auto* bar = widgetNamed<QScrollBar>(form_.get(), "HScroll1");
    QCOMPARE(QList<int>({bar->minimum(), bar->maximum(), bar->singleStep(), bar->pageStep()}),
             QList<int>({0, 250, 1, 25}));
    QVERIFY(!widgetNamed<QLineEdit>(form_.get(), "txtx")->isEnabled());

    QStringList captions;
    for (const QLabel* label : form_->findChildren<QLabel*>()) captions << label->text();
    for (const char* text :
         {"Quadratic Equations:", "re-arrange your equation into the form Ax^2 + Bx + C = 0   ",
          "and then type in your values of A, B and C",
          "EITHER complete the three boxes at the bottom of the form OR", "Output",
          "Calculate Speed", "       A = ", "        B =", "       C = ", "       x =",
          "Deceleration in m/s/s", "Reaction time /seconds", "Available stopping distance",
          "Scroll bar for reaction times in the range", "0.00 to 2.50 seconds",
          "Kelvara Software Ltd, 2026",
          "Note: To calculate the speed, 'x' m/s,  from which a driver can react and stop in a "
          "given distance, 'D' metres, under a deceleration 'a' m/s/s,  use A = 1/(2a), B = "
          "reaction time, and C = -D. Choose the positive value of x.  Your can input the "
          "relevant parameters in the boxes below. Leave the boxes above empty, they will be "
          "filled in for you.  Use the scroll bar to vary the reaction time.  "})
      QVERIFY2(captions.contains(QString::fromLatin1(text)), text);
  }

  void speedThenScrollThenClear() {
    typeInto(form_.get(), "txtDeceleration", "7");
    typeInto(form_.get(), "txtReaction", "1");
    typeInto(form_.get(), "txtDistance", "50");
    clickOn(form_.get(), "cmdSpeed");
    QCOMPARE(textOf(form_.get(), "txtA"), QStringLiteral("0.07143"));
    QCOMPARE(textOf(form_.get(), "txtb"), QStringLiteral("1.00"));
    QCOMPARE(textOf(form_.get(), "txtC"), QStringLiteral("-50.00"));
    QCOMPARE(textOf(form_.get(), "txtx"), QStringLiteral("20.37  m/s  or   45.56  mph"));
    QVERIFY(widgetNamed<QLineEdit>(form_.get(), "txtx")->isEnabled());

    auto* bar = widgetNamed<QScrollBar>(form_.get(), "HScroll1");
    bar->setValue(150);
    QCOMPARE(textOf(form_.get(), "txtb"), QStringLiteral("1.50"));
    QCOMPARE(textOf(form_.get(), "txtReaction"), QStringLiteral("1.50"));
    QCOMPARE(textOf(form_.get(), "txtx"), QStringLiteral("17.96  m/s  or   40.19  mph"));
    const QRegularExpression speedLine(
        QStringLiteral(R"(^\d+\.\d\d  m/s  or   \d+\.\d\d  mph$)"));
    for (int value = 250; value >= 0; --value) {
      bar->setValue(value);
      const QString speed = textOf(form_.get(), "txtx");
      QVERIFY2(speedLine.match(speed).hasMatch(), qPrintable(speed));
    }
    QCOMPARE(textOf(form_.get(), "txtx"), QStringLiteral("26.46  m/s  or   59.18  mph"));

    bar->setValue(90);
    clickOn(form_.get(), "cmdClear2");
    QCOMPARE(bar->value(), 0);
    for (const char* box :
         {"txtA", "txtb", "txtC", "txtx", "txtDeceleration", "txtReaction", "txtDistance"})
      QVERIFY2(textOf(form_.get(), box).isEmpty(), box);
    QVERIFY(!widgetNamed<QLineEdit>(form_.get(), "txtx")->isEnabled());
    QVERIFY(dialogs_->shown.empty());
  }

  void typedCoefficients() {
    typeInto(form_.get(), "txtA", "1");
    typeInto(form_.get(), "txtb", "-3");
    typeInto(form_.get(), "txtC", "2");
    clickOn(form_.get(), "cmdCalcRoots");
    QCOMPARE(textOf(form_.get(), "txtx"), QStringLiteral("2.000  or  1.000"));
  }

  void helpMenuExitAndClose() {
    form_->findChild<QAction*>(QStringLiteral("mnuHelp"))->trigger();
    QCOMPARE(dialogs_->lines(),
             (std::vector<std::vector<std::string>>{
                 {"This page has two purposes. It can be used for solving quadratic equations "
                  "in general",
                  "OR",
                  " it can be used to find the speed from which a driver can just manage to "
                  "react and stop in a specified distance."}}));
    clickOn(form_.get(), "cmdMenu1");
    QCOMPARE(host_->menuShown, 1);
    QVERIFY(form_->isHidden());
    form_->show();
    clickOn(form_.get(), "Exit");
    QCOMPARE(host_->programEnded, 1);
    form_->close();
    QCOMPARE(host_->programEnded, 2);
  }

 private:
  std::unique_ptr<testing::FakeHost> host_;
  std::unique_ptr<testing::RecordingDialogs> dialogs_;
  std::unique_ptr<QuadraticForm> form_;
};

}  // namespace kelvara

QTEST_MAIN(kelvara::QuadraticFormTest)
#include "quadratic_form_test.moc"
