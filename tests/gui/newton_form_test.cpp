#include "motion/newton_form.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

const char* const kBoxes[] = {"txtu", "txtumph", "txtv", "txtVmph",
                              "txts", "txtA",    "txtmu", "txtt"};

}  // namespace

class NewtonFormTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    host_ = std::make_unique<FakeHost>();
    dialogs_ = std::make_unique<RecordingDialogs>();
    form_ = std::make_unique<NewtonForm>(*host_, *dialogs_);
    form_->show();
  }
  void cleanup() {
    form_.reset();
    dialogs_.reset();
    host_.reset();
  }

  void namesAndCaptions() {
    QCOMPARE(form_->objectName(), QStringLiteral("frmNewton"));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Linear equations calculator"));
    for (const char* box : kBoxes) QVERIFY2(textOf(form_.get(), box).isEmpty(), box);

    const std::pair<const char*, const char*> buttons[] = {
        {"cmdCalculate", "Calculate all &values"}, {"cmdClear", "&Clear all boxes"},
        {"cmdMenu", "&Menu"}, {"cmdPrint", "&Print Form"}, {"cmdExit", "E&xit"}};
    for (const auto& [name, caption] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form_.get(), name)->text(), QString::fromUtf8(caption));

    const std::pair<const char*, const char*> labels[] = {
        {"lblHeading", "Newton's Equations of linear motion"},
        {"lblInstruction", " Type in any 3 values "},
        {"lblu", "initial velocity u:  ms-1                    mph"},
        {"lblv", "final velocity v:   ms-1                     mph"},
        {"lbls", "Distance s:    metres"},
        {"lblA", "acceleration a:  ms-2             coefficient  "},
        {"lblmu", "\xCE\xBCg gives negative acceleration"},
        {"lblt", "time t:          seconds"},
        {"lblOrU", " or"}, {"lblOrV", " or"}, {"lblOrA", " or"}};
    for (const auto& [name, text] : labels)
      QCOMPARE(widgetNamed<QLabel>(form_.get(), name)->text(), QString::fromUtf8(text));

    auto* help = form_->findChild<QMenu*>(QStringLiteral("mnuHelp"));
    QVERIFY(help != nullptr);
    QCOMPARE(help->title(), QStringLiteral("HELP"));
    QCOMPARE(help->menuAction()->objectName(), QStringLiteral("mnuHelp"));
    const std::pair<const char*, const char*> items[] = {
        {"mnuInfo", "Information"}, {"mnuAuthor", "Author"}, {"mnuAbout", "About"}};
    QCOMPARE(help->actions().size(), 3);
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(help->actions()[i]->objectName(), QString::fromLatin1(items[i].first));
      QCOMPARE(help->actions()[i]->text(), QString::fromLatin1(items[i].second));
    }
  }

  void solvesFromInitialSpeedAccelerationAndTime() {
    typeInto(form_.get(), "txtu", "0");
    typeInto(form_.get(), "txtA", "2");
    typeInto(form_.get(), "txtt", "3");
    clickOn(form_.get(), "cmdCalculate");
    QCOMPARE(textOf(form_.get(), "txtv"), QStringLiteral("6.000  ms-1"));
    QCOMPARE(textOf(form_.get(), "txts"), QStringLiteral("9.000 metres"));
    QCOMPARE(textOf(form_.get(), "txtVmph"), QStringLiteral("13.422 mph"));
    QCOMPARE(textOf(form_.get(), "txtumph"), QStringLiteral("0.000mph"));
    QCOMPARE(textOf(form_.get(), "txtmu"), QString());
    QVERIFY(dialogs_->shown.empty());
    QVERIFY(!widgetNamed<QPushButton>(form_.get(), "cmdCalculate")->isEnabled());
  }

  void convertsMphAndGivesTheCoefficient() {
    typeInto(form_.get(), "txtumph", "30");
    typeInto(form_.get(), "txtA", "-7");
    typeInto(form_.get(), "txtt", "2");
    clickOn(form_.get(), "cmdCalculate");
    QCOMPARE(textOf(form_.get(), "txtu"), QStringLiteral("13.411"));
    QCOMPARE(textOf(form_.get(), "txtumph"), QStringLiteral("30"));
    QCOMPARE(textOf(form_.get(), "txtv"), QStringLiteral("-0.589  ms-1"));
    QCOMPARE(textOf(form_.get(), "txts"), QStringLiteral("12.822 metres"));
    QCOMPARE(textOf(form_.get(), "txtVmph"), QStringLiteral("-1.318 mph"));
    QCOMPARE(textOf(form_.get(), "txtmu"), QStringLiteral("0.714"));
  }


  void refusalLeavesThePageReadyUntilAResultAndClear() {
    typeInto(form_.get(), "txtu", "10");
    typeInto(form_.get(), "txtA", "-5");
    typeInto(form_.get(), "txts", "30");
    clickOn(form_.get(), "cmdCalculate");
    QCOMPARE(dialogs_->lines(),
             (std::vector<std::vector<std::string>>{
                 {"Invalid input.", "Your values result in a negative square root.",
                  "Clear all boxes and try again."}}));
    QCOMPARE(textOf(form_.get(), "txtv"), QString());
    QCOMPARE(textOf(form_.get(), "txtt"), QString());
    QVERIFY(widgetNamed<QPushButton>(form_.get(), "cmdCalculate")->isEnabled());
  }


  void helpItemsShowTheirMessages() {
    for (const char* item : {"mnuInfo", "mnuAbout", "mnuAuthor"})
      form_->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    QCOMPARE(dialogs_->shown.size(), std::size_t{3});
    QCOMPARE(dialogs_->shown[0].text(),
             std::string("The programme was last updated on the 3rd of May 2011."));
    QCOMPARE(dialogs_->shown[1].lines.front(),
             std::string("This programme has been designed as an aid to the scientific "
                         "investigation of accidents."));
    QCOMPARE(dialogs_->shown[2].lines.size(), std::size_t{2});
  }

  void pageButtonsAndClosing() {
    clickOn(form_.get(), "cmdMenu");
    QCOMPARE(host_->menuShown, 1);
    QVERIFY(form_->isHidden());

    form_->show();
    clickOn(form_.get(), "cmdPrint");
    QCOMPARE(host_->printed, static_cast<QWidget*>(form_.get()));

    clickOn(form_.get(), "cmdExit");
    QCOMPARE(host_->programEnded, 1);
    form_->close();
    QCOMPARE(host_->programEnded, 2);
  }


 private:
  std::unique_ptr<FakeHost> host_;
  std::unique_ptr<RecordingDialogs> dialogs_;
  std::unique_ptr<NewtonForm> form_;
};

QTEST_MAIN(NewtonFormTest)
#include "newton_form_test.moc"
