#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "dynamics/max_speed_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class MaxSpeedFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<MaxSpeedForm> form;

  bool enabled(const char* name) { return widgetNamed<QWidget>(form.get(), name)->isEnabled(); }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<MaxSpeedForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmMaxspeed"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Maximum Speed"));
    const std::pair<const char*, const char*> buttons[] = {{"cmdCalculate", "&Calculate"},
                                                           {"cmdClear", "Clear all &boxes"},
                                                           {"Command1", "&Print Form"},
                                                           {"cmdMenu", "&Menu"},
                                                           {"cmdExit", "E&xit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    auto* reference = form->findChild<QAction*>(QStringLiteral("mnuReference"));
    QVERIFY(reference != nullptr);
    QCOMPARE(reference->text(), QStringLiteral("Reference"));

    QStringList captions;
    for (const QLabel* label : form->findChildren<QLabel*>()) captions << label->text();
    for (const QGroupBox* group : form->findChildren<QGroupBox*>()) captions << group->title();
    for (const char* text :
         {"Maximum speed on a bend - Racing Line", "Input", "Output",
          "Road or lane width in metres", "Inside radius of curvature of bend in metres",
          "Angle of road direction change caused by bend", "Coefficient of friction",
          "Crossfall in degrees (positive if favourable)", "Width of vehicle in metres",
          "Maximum radius of steered path", "Maximum speed"})
      QVERIFY2(captions.contains(QString::fromUtf8(text)), text);
    for (const char* box : {"txtRoadwidth", "txtr", "txttheta", "txtCoefficient",
                            "txtCrossfall", "txtCarwidth"})
      QVERIFY2(enabled(box), box);
    QVERIFY(!enabled("txtMaxradius"));
    QVERIFY(!enabled("txtMaxspeed"));
  }

  void racingLineThenARefusalThenClear() {
    typeInto(form.get(), "txtRoadwidth", "7.3");
    typeInto(form.get(), "txtr", "20");
    typeInto(form.get(), "txttheta", "90");
    typeInto(form.get(), "txtCrossfall", "3");
    typeInto(form.get(), "txtCarwidth", "1.8");
    clickOn(form.get(), "cmdCalculate");
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(dialogs.shown[0].lines, std::vector<std::string>{
                                         "This calculation requires a value for the coefficient "
                                         "of friction."});
    QCOMPARE(textOf(form.get(), "txtMaxradius"), QString());
    QVERIFY(!enabled("txtMaxspeed"));

    typeInto(form.get(), "txtCoefficient", "0.8");
    clickOn(form.get(), "cmdCalculate");
    QCOMPARE(textOf(form.get(), "txtMaxradius"), QStringLiteral("38.78 metres"));
    QCOMPARE(textOf(form.get(), "txtMaxspeed"), QStringLiteral("18.40 m/s   or   41.15  mph"));
    QVERIFY(enabled("txtMaxradius") && enabled("txtMaxspeed"));

    typeInto(form.get(), "txtRoadwidth", "2");
    typeInto(form.get(), "txtCarwidth", "3");
    typeInto(form.get(), "txtr", "1");
    typeInto(form.get(), "txtCrossfall", "-60");
    clickOn(form.get(), "cmdCalculate");
    QCOMPARE(dialogs.shown.back().lines.front(), std::string("Invalid input."));
    QCOMPARE(textOf(form.get(), "txtMaxradius"), QStringLiteral("-2.41 metres"));
    QCOMPARE(textOf(form.get(), "txtMaxspeed"), QString());

    clickOn(form.get(), "cmdClear");
    for (const char* box : {"txtRoadwidth", "txtr", "txttheta", "txtCoefficient", "txtCrossfall",
                            "txtCarwidth", "txtMaxradius", "txtMaxspeed"})
      QCOMPARE(textOf(form.get(), box), QString());
    QVERIFY(enabled("txtMaxradius") && enabled("txtMaxspeed"));
  }
};

QTEST_MAIN(MaxSpeedFormTest)
#include "max_speed_form_test.moc"
