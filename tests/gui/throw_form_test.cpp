#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "dynamics/throw_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class ThrowFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<ThrowForm> form;

  static constexpr const char* kResults[] = {"txtAdult", "txtChild", "txtRounded", "txtVertical",
                                             "txtMax",   "txtMin",   "txtZandor",  "txtTorvane"};
  QWidget* widget(const char* name) { return widgetNamed<QWidget>(form.get(), name); }
  QAction* referencesItem() {
    auto* item = form->findChild<QAction*>(QStringLiteral("mnuReferences"));
    return item != nullptr && form->menuBar()->actions().contains(item) ? item : nullptr;
  }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<ThrowForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmThrow"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Throw Calculations"));
    const std::pair<const char*, const char*> buttons[] = {{"cmdThrow", "&Calculate Speed"},
                                                           {"cmdClear1", "Clear all &boxes"},
                                                           {"CmdPrint", "&Print Form"},
                                                           {"cmdMenu5", "&Menu"},
                                                           {"cmdExit5", "E&xit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    QVERIFY(referencesItem() != nullptr);
    QCOMPARE(referencesItem()->text(), QStringLiteral("References"));
    QCOMPARE(widgetNamed<QRadioButton>(form.get(), "Option1")->text(),
             QStringLiteral("Click here to hide this box"));
    QCOMPARE(widgetNamed<QPlainTextEdit>(form.get(), "Text3")->toPlainText(),
             QStringLiteral("You can copy references from this list and paste them into your "
                            "document"));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const char* text :
         {"Speed from Throw Distance:", "Type in the throw distance in metres:",
          "Type in the coefficient of friction  between the ground and the object:",
          "This is needed  for the Searle Equations", "Output",
          "Adult pedestrian:        (Error 10%)", "Child pedestrian:        (Error 6%)",
          "Adult. Rounded front: (Error 16%)", "Vertical front end:       (Error 7%)",
          "Searle's maximum speed: ", "Searle's minimum speed:",
          "(95% confidence + or - 2.16 m/s or 5 mph)"})
      QVERIFY2(captions.contains(QString::fromLatin1(text)), text);

    for (int i = 0; i < 8; ++i) QCOMPARE(widget(kResults[i])->isEnabled(), i == 7);
    for (const char* name : {"Text2", "Text3", "Option1"}) QVERIFY2(widget(name)->isHidden(), name);
  }

  void estimatesThenAFailureThenClear() {
    typeInto(form.get(), "txtThrowDistance", "14");
    typeInto(form.get(), "txtCoefficient", "0.7");
    clickOn(form.get(), "cmdThrow");
    QVERIFY(dialogs.shown.empty());
    QCOMPARE(textOf(form.get(), "txtAdult"), QStringLiteral("14.142     m/s  or    31.635 mph"));
    QCOMPARE(textOf(form.get(), "txtVertical"), QStringLiteral("12.910     m/s or     28.879mph"));
    QCOMPARE(textOf(form.get(), "txtZandor"), QStringLiteral("13.064     m/s or     29.223 mph"));
    QCOMPARE(textOf(form.get(), "txtTorvane"),
             QStringLiteral("13.397     m/s  or     29.969 mph"));
    for (const char* box : kResults) QVERIFY2(widget(box)->isEnabled(), box);

    // A negative coefficient: the four distance-only boxes are new, the rest kept.
    typeInto(form.get(), "txtThrowDistance", "10");
    typeInto(form.get(), "txtCoefficient", "-0.5");
    clickOn(form.get(), "cmdThrow");
    QCOMPARE(dialogs.lines(),
             (std::vector<std::vector<std::string>>{{"Your input data is invalid"}}));
    QCOMPARE(textOf(form.get(), "txtAdult"), QStringLiteral("11.952     m/s  or    26.737 mph"));
    QCOMPARE(textOf(form.get(), "txtMax"), QStringLiteral("13.866     m/s or     31.018 mph"));
    QCOMPARE(textOf(form.get(), "txtTorvane"),
             QStringLiteral("13.397     m/s  or     29.969 mph"));

    clickOn(form.get(), "cmdClear1");
    for (const char* box : {"txtThrowDistance", "txtCoefficient"})
      QVERIFY2(textOf(form.get(), box).isEmpty(), box);
    for (int i = 0; i < 8; ++i) {
      QVERIFY(textOf(form.get(), kResults[i]).isEmpty());
      QCOMPARE(widget(kResults[i])->isEnabled(), i == 7);
    }
  }

  void theReferencesShowAndTheirOptionHidesThemUnchecked() {
    auto* option = widgetNamed<QRadioButton>(form.get(), "Option1");
    for (int round = 0; round < 2; ++round) {
      referencesItem()->trigger();
      for (const char* name : {"Text2", "Text3", "Option1"})
        QVERIFY2(widget(name)->isVisible(), name);
      QVERIFY(!option->isChecked());
      QVERIFY(!widgetNamed<QPlainTextEdit>(form.get(), "Text2")->toPlainText().isEmpty());
      clickOption(form.get(), "Option1");
      for (const char* name : {"Text2", "Text3", "Option1"})
        QVERIFY2(widget(name)->isHidden(), name);
      QVERIFY(!option->isChecked());
    }
  }

  void printMenuExitAndClose() {
    clickOn(form.get(), "CmdPrint");
    QCOMPARE(host.printed, form.get());
    clickOn(form.get(), "cmdMenu5");
    QCOMPARE(host.menuShown, 1);
    QVERIFY(form->isHidden());
    form->show();
    clickOn(form.get(), "cmdExit5");
    QCOMPARE(host.programEnded, 1);
    form->close();
    QCOMPARE(host.programEnded, 2);
  }
};

QTEST_MAIN(ThrowFormTest)
#include "throw_form_test.moc"
