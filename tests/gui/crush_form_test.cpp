// The crush analysis window through its real widgets and menus, its report print and the
// way to the parameter diagram and back.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "collision/crush_categories.h"
#include "collision/crush_form.h"
#include "fields/page_window.h"
#include "shell/application.h"
#include "shell/menu_form.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

const char* const kInputs[] = {
    "txtVehicle1model", "txtVehicle2model", "txtCoefficientA1", "txtCoefficientA2",
    "txtCoefficientB1", "txtCoefficientB2", "txtWidthdamage1",  "txtWidthdamage2",
    "txtC11",           "txtC21",           "txtC31",           "txtC41",
    "txtC51",           "txtC61",           "txtC12",           "txtC22",
    "txtC32",           "txtC42",           "txtC52",           "txtC62",
    "txtForceangle1",   "txtForceangle2",   "txth1",            "txth2",
    "txtMass1",         "txtMass2"};
const char* const kResults[] = {"txtEnergy1", "txtEnergy2", "txtForce1",  "txtForce2",
                                "txtEBS1",    "txtEBS2",    "txtDeltaV1", "txtDeltaV2"};
const char* const kButtons[] = {"cmdClear2", "cmdCalculate7", "cmdEdit",
                                "cmdExit7",  "cmdMenu7",      "cmdDiagram"};

// What the report print may touch on a widget.
struct Look {
  QString name;
  bool hidden;
  bool enabled;
  bool ownPalette;
  QPalette palette;
  bool autoFill;
  bool operator==(const Look&) const = default;
};

std::vector<Look> looks(QWidget* window) {
  std::vector<Look> all;
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets)
    all.push_back({w->objectName(), w->isHidden(), w->isEnabled(),
                   w->testAttribute(Qt::WA_SetPalette), w->palette(), w->autoFillBackground()});
  return all;
}

}  // namespace

class CrushFormTest : public QObject {
  Q_OBJECT

 private:
  FakeHost host;
  RecordingDialogs dialogs;
  std::unique_ptr<CrushForm> form;

  QAction* item(const char* name) {
    auto* action = form->findChild<QAction*>(QString::fromLatin1(name));
    if (action == nullptr) throw std::logic_error(std::string("no menu item ") + name);
    return action;
  }
  bool enabled(const char* name) { return widgetNamed<QWidget>(form.get(), name)->isEnabled(); }
  bool shown(const char* name) { return !widgetNamed<QWidget>(form.get(), name)->isHidden(); }
  QString caption(const char* name) { return widgetNamed<QLabel>(form.get(), name)->text(); }
  void fill(const std::vector<std::pair<const char*, const char*>>& boxes) {
    for (const auto& [box, text] : boxes) typeInto(form.get(), box, QString::fromLatin1(text));
  }
  void secondWorkedExample() {
    item("mnuFamilycar1")->trigger();
    item("mnuSmallcar2")->trigger();
    item("mnuFront1")->trigger();
    item("mnuRear2")->trigger();
    fill({{"txtWidthdamage1", "120"}, {"txtC11", "10"}, {"txtC21", "15"},
          {"txtForceangle1", "20"},   {"txth1", "30"},   {"txtMass1", "1300"},
          {"txtWidthdamage2", "150"}, {"txtC12", "5"},   {"txtC22", "8"},
          {"txtForceangle2", "0"},    {"txth2", "0"},    {"txtMass2", "1100"}});
    // Cells 3 to 6 are disabled at load: choose six readings before typing them.
    clickOption(form.get(), "opt6readings");
    fill({{"txtC31", "20"}, {"txtC41", "20"}, {"txtC51", "15"}, {"txtC61", "10"},
          {"txtC32", "10"}, {"txtC42", "10"}, {"txtC52", "8"},  {"txtC62", "5"}});
  }

 private slots:
  void init() {
    host = FakeHost();
    dialogs = RecordingDialogs();
    form = std::make_unique<CrushForm>(host, dialogs);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void namesCaptionsMenusAndTheStateAtLoad() {
    QCOMPARE(form->objectName(), QStringLiteral("frmCrush"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Crush Analysis"));
    for (const char* box : kInputs) {
      QVERIFY2(form->findChild<QLineEdit*>(QString::fromLatin1(box)), box);
      QCOMPARE(textOf(form.get(), box), QString());
    }
    for (const char* box : kResults) QVERIFY2(!enabled(box), box);
    QVERIFY(!textOf(form.get(), "Text1").isEmpty());
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdCalculate7", "&Calculate"}, {"cmdEdit", "&Edit cells"},
        {"cmdClear2", "C&lear all cells"}, {"cmdDiagram", "Paramater Diagram"},
        {"cmdMenu7", "&Menu"}, {"cmdExit7", "E&xit"}};
    for (const auto& [name, text] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(form.get(), name)->text(), QString::fromLatin1(text));
    QCOMPARE(caption("lblCrushTitle"), QStringLiteral("Crush Analysis"));
    QCOMPARE(caption("lblVehiclemodel"), QStringLiteral("Vehicle model      (eg Ford Focus)"));
    QCOMPARE(caption("lblCrush"), QStringLiteral("Crush measurements, cm:       "));
    QCOMPARE(caption("lblForcedirection"),
             QStringLiteral(" Force direction to surface normal angle, degrees "));
    QCOMPARE(caption("lblMomentarm"), QStringLiteral(" CofG to Force Direction (moment arm) cm"));
    QCOMPARE(caption("lblDeltaV"), QStringLiteral("                        Delta V"));
    for (const char* label : {"lblStiffnessA", "lblStiffnessB", "lblDamageWidth", "lblVehicle1",
                              "lblVehicle2", "lblMass", "lblInput", "lblOutput", "lblEnergy",
                              "lblImpactforce", "lblBarrierspeed"})
      QVERIFY2(form->findChild<QLabel*>(QString::fromLatin1(label)), label);

    // The bar, left to right; Print Form is a command on the bar itself.
    const QStringList bar{"Vehicle 1 Category", "Vehicle 2 Category", "Collision Type Vehicle 1",
                          "Collision type vehicle 2", "Help and Instructions", "Print Form"};
    QStringList titles;
    for (QAction* action : form->menuBar()->actions()) titles << action->text();
    QCOMPARE(titles, bar);
    QAction* print = form->menuBar()->actions().last();
    QCOMPARE(print->objectName(), QStringLiteral("mnuPrintform"));
    QVERIFY(print->menu() == nullptr);
    for (const char* menu : {"mnuVehicle1category", "mnuVehicle2category", "mnuCollisiontype1",
                             "mnuCollisiontype2", "mnuHelp"}) {
      auto* found = form->findChild<QMenu*>(QString::fromLatin1(menu));
      QVERIFY2(found != nullptr && found->window() == found, menu);
    }
    for (int vehicle : {1, 2}) {
      auto* menu = form->findChild<QMenu*>(QStringLiteral("mnuVehicle%1category").arg(vehicle));
      QCOMPARE(menu->actions().size(), qsizetype(crush::kCategoryCount));
      for (std::size_t row = 0; row < crush::kCategoryCount; ++row) {
        const auto& category = crush::kVehicleCategories[row];
        QAction* action = menu->actions().at(qsizetype(row));
        QCOMPARE(action->objectName(),
                 QStringLiteral("mnu%1%2").arg(QString::fromLatin1(category.item)).arg(vehicle));
        QCOMPARE(action->text(),
                 QString::fromLatin1(vehicle == 1 ? category.caption1 : category.caption2));
      }
    }
    QCOMPARE(item("mnuPickupsmall1")->text(), QStringLiteral("Pickup (1300 kg)"));
    QCOMPARE(item("mnuPickuplarge2")->text(), QStringLiteral("Pick up (2000 kg)"));
    QCOMPARE(item("mnuVanlarge2")->text(), QStringLiteral("Van (2300 kg)"));
    for (const char* name : {"mnuFront1", "mnuRear1", "mnuSide1", "mnuFront2", "mnuRear2",
                             "mnuSide2", "mnuInstructions", "mnuAbout", "mnuLimitations"})
      item(name);
    QCOMPARE(item("mnuSide2")->text(), QStringLiteral("Side"));

    QVERIFY(widgetNamed<QRadioButton>(form.get(), "opt2readings")->isChecked());
    QCOMPARE(widgetNamed<QRadioButton>(form.get(), "opt4readings")->text(),
             QStringLiteral("4 measurements"));
    for (const char* cell : {"txtC11", "txtC21", "txtC12", "txtC22"}) QVERIFY(enabled(cell));
    for (const char* cell : {"txtC31", "txtC41", "txtC51", "txtC61", "txtC32", "txtC62"})
      QVERIFY(!enabled(cell));
    for (const char* head : {"lblC1", "lblC2", "lblC3", "lblC4", "lblC5", "lblC6"})
      QVERIFY2(shown(head), head);
  }

  void theSecondWorkedExampleThroughTheMenusAndButtons() {
    secondWorkedExample();
    QCOMPARE(textOf(form.get(), "txtCoefficientA1"), QStringLiteral("362"));
    QCOMPARE(textOf(form.get(), "txtCoefficientB2"), QStringLiteral("34.1"));
    clickOn(form.get(), "cmdCalculate7");
    QVERIFY(dialogs.shown.empty());
    const QStringList expected{"18466", "7051", "144915", "84543", "11.7", "8.0",
                               "9.4 mph  or  4.2 m/s", "11.1 mph  or  5.0 m/s"};
    QStringList actual;
    for (const char* box : kResults) {
      actual << textOf(form.get(), box);
      QVERIFY(enabled(box));
    }
    QCOMPARE(actual, expected);

    clickOn(form.get(), "cmdEdit");
    for (const char* box : kResults) {
      QCOMPARE(textOf(form.get(), box), QString());
      QVERIFY(!enabled(box));
    }
    clickOn(form.get(), "cmdCalculate7");
    QCOMPARE(textOf(form.get(), "txtDeltaV2"), QStringLiteral("11.1 mph  or  5.0 m/s"));

    clickOn(form.get(), "cmdClear2");
    for (const char* box : kInputs) QCOMPARE(textOf(form.get(), box), QString());
    for (const char* box : kResults) QCOMPARE(textOf(form.get(), box), QString());
    QVERIFY(widgetNamed<QRadioButton>(form.get(), "opt6readings")->isChecked());
    QVERIFY(enabled("txtC61"));
    QCOMPARE(form->logic().storedCategory(2).tag, std::string("Smallcar"));
  }

  void aClickOnTheSelectedOptionLaysOutItsCells() {
    clickOption(form.get(), "opt2readings");
    QVERIFY(shown("lblC2"));
    QVERIFY(!shown("lblC3"));
    QVERIFY(!shown("lblC6"));
    clickOption(form.get(), "opt6readings");
    typeInto(form.get(), "txtC61", QStringLiteral("12"));
    clickOption(form.get(), "opt4readings");
    QVERIFY(!enabled("txtC61"));
    QVERIFY(enabled("txtC42"));
    QVERIFY(!shown("lblC5"));
    QCOMPARE(textOf(form.get(), "txtC61"), QStringLiteral("12"));
  }

  void calculateRefusesAndFailsWithItsMessages() {
    item("mnuFront1")->trigger();  // no category yet
    QCOMPARE(textOf(form.get(), "txtCoefficientA1"), QStringLiteral("0"));
    clickOn(form.get(), "cmdCalculate7");
    QCOMPARE(dialogs.lines(),
             (std::vector<std::vector<std::string>>{{"You have not entered any Crush Coefficients"}}));
    for (const char* box : kResults) QVERIFY(enabled(box));

    dialogs.clear();
    secondWorkedExample();
    typeInto(form.get(), "txtMass2", QStringLiteral("0"));
    clickOn(form.get(), "cmdCalculate7");
    QCOMPARE(dialogs.shown.size(), std::size_t(1));
    QCOMPARE(dialogs.shown[0].lines.front(),
             std::string("Your data is invalid. Check the data. Have you used the data from the "
                         "pull down menus? "));
    for (const char* box : kResults) QCOMPARE(textOf(form.get(), box), QString());
  }

  // The report: light background and no buttons while printing; afterwards the page
  // exactly as before, whether the print worked, failed or was cancelled.
  void printFormPrintsAReportAndPutsThePageBack() {
    secondWorkedExample();
    clickOn(form.get(), "cmdCalculate7");
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    widgetNamed<QLineEdit>(form.get(), "txtMass2")->setFocus();
    QCOMPARE(form->focusWidget()->objectName(), QStringLiteral("txtMass2"));
    const std::vector<Look> before = looks(form.get());
    const auto selected = [this] {
      for (QLineEdit* box : form->findChildren<QLineEdit*>())
        if (box->hasSelectedText()) return box->objectName();
      return QString();
    };
    const QColor light = form->palette().color(QPalette::Light);
    QVERIFY(light != form->palette().color(QPalette::Window));

    enum class Outcome { Printed, Failed, Cancelled };
    for (Outcome outcome : {Outcome::Printed, Outcome::Failed, Outcome::Cancelled}) {
      dialogs.clear();
      bool looked = false;
      host.onPrint = [&](QWidget& window) {
        looked = true;
        QCOMPARE(&window, static_cast<QWidget*>(form.get()));
        QCOMPARE(window.palette().color(QPalette::Window), light);
        for (const char* name : {"lblCrushTitle", "lblC4", "lblBarrierspeed", "opt6readings"}) {
          auto* widget = widgetNamed<QWidget>(form.get(), name);
          QCOMPARE(widget->palette().color(widget->backgroundRole()), light);
          QVERIFY(widget->autoFillBackground());
        }
        for (const char* button : kButtons) QVERIFY2(!shown(button), button);
        QCOMPARE(selected(), QString());
        QVERIFY(shown("txtEnergy1"));
        QCOMPARE(textOf(form.get(), "txtEnergy1"), QStringLiteral("18466"));
        if (outcome == Outcome::Failed)
          dialogs.show(Message{{"The page could not be sent to the printer."}, 48});
      };
      item("mnuPrintform")->trigger();
      QVERIFY(looked);
      QVERIFY(looks(form.get()) == before);
      QCOMPARE(form->focusWidget()->objectName(), QStringLiteral("txtMass2"));
      for (const char* button : kButtons) QVERIFY2(shown(button), button);
      QCOMPARE(dialogs.shown.size(), std::size_t(outcome == Outcome::Failed ? 1 : 0));
    }

    // Printed from the Calculate button: the focus is not handed on to a box meanwhile,
    // and comes back to the button.
    widgetNamed<QPushButton>(form.get(), "cmdCalculate7")->setFocus();
    host.onPrint = [&](QWidget&) {
      QCOMPARE(selected(), QString());
      QVERIFY(qobject_cast<QLineEdit*>(form->focusWidget()) == nullptr);
    };
    item("mnuPrintform")->trigger();
    QCOMPARE(form->focusWidget()->objectName(), QStringLiteral("cmdCalculate7"));
    QCOMPARE(selected(), QString());
  }

  void menuAndExit() {
    clickOn(form.get(), "cmdMenu7");
    QCOMPARE(host.menuShown, 1);
    QVERIFY(form->isHidden());
    form->show();
    clickOn(form.get(), "cmdExit7");
    QCOMPARE(host.programEnded, 1);
  }
};

// Through the running suite: the menu opens the page, the page opens the diagram and the
// diagram gives it back as it was left.
class CrushNavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void diagramRoundTripKeepsThePage() {
    RecordingDialogs dialogs;
    Application suite(dialogs, 0, QDate(2026, 12, 7));
    int ended = 0;
    suite.setEndProgram([&] { ++ended; });
    suite.start();
    QWidget* menu = &suite.menu();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    clickOption(menu, "optCrush");
    clickOn(menu, "cmdOK");
    QWidget* crush = suite.pages().existing(QStringLiteral("frmCrush"));
    QVERIFY(crush != nullptr && crush->isVisible());
    QVERIFY(qobject_cast<CrushForm*>(crush) != nullptr);

    auto* page = static_cast<CrushForm*>(crush);
    page->findChild<QAction*>(QStringLiteral("mnuVanlarge1"))->trigger();
    page->findChild<QAction*>(QStringLiteral("mnuFront1"))->trigger();
    typeInto(crush, "txtMass1", QStringLiteral("2300"));
    clickOption(crush, "opt4readings");
    typeInto(crush, "txtC41", QStringLiteral("7"));

    clickOn(crush, "cmdDiagram");
    QWidget* diagram = suite.pages().existing(QStringLiteral("frmDiagram"));
    QVERIFY(diagram != nullptr && diagram->isVisible());
    QVERIFY(!crush->isVisible());
    QVERIFY(!menu->isVisible());
    QVERIFY(!diagram->isModal());
    QVERIFY(diagram->findChild<QPushButton*>(QStringLiteral("cmdMenu")) == nullptr);

    clickOn(diagram, "cmdReturntocrushfrm");
    QVERIFY(!diagram->isVisible());
    QVERIFY(crush->isVisible());
    QCOMPARE(textOf(crush, "txtCoefficientA1"), QStringLiteral("628"));
    QCOMPARE(textOf(crush, "txtCoefficientB1"), QStringLiteral("106.7"));
    QCOMPARE(textOf(crush, "txtMass1"), QStringLiteral("2300"));
    QCOMPARE(textOf(crush, "txtC41"), QStringLiteral("7"));
    QVERIFY(widgetNamed<QRadioButton>(crush, "opt4readings")->isChecked());
    QCOMPARE(page->logic().storedCategory(1).tag, std::string("Van2"));

    // Again, and the same diagram window comes back; closing it ends the program.
    clickOn(crush, "cmdDiagram");
    QCOMPARE(suite.pages().existing(QStringLiteral("frmDiagram")), diagram);
    diagram->close();
    QCOMPARE(ended, 1);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int status = 0;
  {
    CrushFormTest test;
    status |= QTest::qExec(&test, argc, argv);
  }
  {
    CrushNavigationTest test;
    status |= QTest::qExec(&test, argc, argv);
  }
  return status;
}

#include "crush_form_test.moc"
