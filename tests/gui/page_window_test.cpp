// The page window base every calculator page is built on: binding, handlers, page buttons.

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include "fields/checked.h"
#include "fields/page_window.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

// A small page: a box, a label, a scroll bar, two options that may both be off.
struct SamplePage {
  explicit SamplePage(Dialogs& dialogs) : dialogs(dialogs) {
    HScroll1.maximum = 250;
    HScroll1.largeChange = 25;
  }
  void cmdCalculate_Click() {
    seenBeforeMessage = txtIn.text;
    txtOut.text = "written " + txtIn.text;
    lblCaption.caption = "Critical Speed:";
    dialogs.show(Message{{"shown after the result"}});
    txtOut.enabled = false;
  }
  void cmdClear_Click() {
    txtIn.text.clear();
    optA.value = false;
    optB.value = false;
    if (moveScrollBar(HScroll1, 0)) HScroll1_Change();
  }
  void cmdFail_Click() {
    txtOut.text = "before";
    txtOut.text = std::to_string(divide(1.0, 0.0));
  }
  void optA_Click() { lblCaption.caption = "A chosen"; }
  void chkFront_Click() { txtOut.text = chkFront.value ? "on" : "off"; }
  void Picture1_Click() { Picture1.visible = false; }
  void mnuNotes_Click() { dialogs.show(Message{{"a note"}}); }
  void HScroll1_Change() {
    ++changes;
    txtOut.text = std::to_string(HScroll1.value);
    if (tellOnChange) dialogs.show(Message{{"the bar moved"}});
  }

  Dialogs& dialogs;
  TextBox txtIn, txtOut;
  Label lblCaption{"Critical Speed in m/s:"};
  ScrollBar HScroll1;
  OptionButton optA, optB;
  CheckBox chkFront;
  PictureBox Picture1;
  MenuItem mnuNotes;
  CommandButton cmdDiagram, cmdCalculate, cmdClear, cmdFail, cmdMenu, cmdExit, cmdPrint;
  std::string seenBeforeMessage;
  int changes = 0;
  bool tellOnChange = false;

  PageDescription describe() {
    PageDescription d("frmSample", "Sample");
    d.input("txtIn", txtIn, "", Nature::Measured);
    d.result("txtOut", txtOut, "", {});
    d.label("lblCaption", lblCaption);
    d.bar("HScroll1", HScroll1, "");
    d.option("optA", optA, "A", 0);
    d.option("optB", optB, "B", 0);
    d.check("chkFront", chkFront, "Front");
    d.picture("Picture1", Picture1);
    d.menuItem("mnuNotes", mnuNotes);
    d.button("cmdDiagram", cmdDiagram);
    d.button("cmdCalculate", cmdCalculate);
    d.button("cmdClear", cmdClear);
    d.button("cmdFail", cmdFail);
    d.button("cmdMenu", cmdMenu, WindowCommand::Menu);
    d.button("cmdExit", cmdExit, WindowCommand::Exit);
    d.button("cmdPrint", cmdPrint, WindowCommand::Print);
    d.on(&HScroll1, Event::Change, "HScroll1_Change", [this] { HScroll1_Change(); });
    d.on(&optA, Event::Click, "optA_Click", [this] { optA_Click(); });
    d.on(&chkFront, Event::Click, "chkFront_Click", [this] { chkFront_Click(); });
    d.on(&Picture1, Event::Click, "Picture1_Click", [this] { Picture1_Click(); });
    d.on(&mnuNotes, Event::Click, "mnuNotes_Click", [this] { mnuNotes_Click(); });
    d.on(&cmdCalculate, Event::Click, "cmdCalculate_Click", [this] { cmdCalculate_Click(); });
    d.on(&cmdClear, Event::Click, "cmdClear_Click", [this] { cmdClear_Click(); });
    d.on(&cmdFail, Event::Click, "cmdFail_Click", [this] { cmdFail_Click(); });
    return d;
  }
};

class SampleForm : public PageWindow {
 public:
  SampleForm(PageHost& host, Dialogs& dialogs)
      : PageWindow(host, dialogs), page_(PageWindow::dialogs()) {
    describe(page_.describe());
    auto* layout = new QVBoxLayout(page());
    layout->addWidget(addTextBox(page_.txtIn));
    layout->addWidget(addTextBox(page_.txtOut));
    layout->addWidget(addLabel(page_.lblCaption));
    layout->addWidget(addScrollBar(page_.HScroll1));
    QButtonGroup* group = addOptionGroup();
    layout->addWidget(addOptionButton(page_.optA, QStringLiteral("A"), group));
    layout->addWidget(addOptionButton(page_.optB, QStringLiteral("B"), group));
    layout->addWidget(addCheckBox(page_.chkFront, QStringLiteral("Front")));
    layout->addWidget(addPicture(page_.Picture1, QStringLiteral(":/photographs/bend.svg")));
    addMenuBarItem(page_.mnuNotes, QStringLiteral("Notes"));
    layout->addWidget(
        addButton(page_.cmdDiagram, QStringLiteral("Diagram"), [this] { goToPage("frmDiagram"); }));
    layout->addWidget(addButton(page_.cmdCalculate, QStringLiteral("&Calculate")));
    layout->addWidget(addButton(page_.cmdClear, QStringLiteral("&Clear")));
    layout->addWidget(addButton(page_.cmdFail, QStringLiteral("Fail")));
    layout->addWidget(addMenuButton(page_.cmdMenu));
    layout->addWidget(addExitButton(page_.cmdExit));
    layout->addWidget(addPrintButton(page_.cmdPrint));
    binding().push();
  }
  SamplePage page_;
};

// Records what the screen showed when each message box appeared.
class ScreenAtMessage : public RecordingDialogs {
 public:
  int show(const Message& message) override {
    screenText = form ? textOf(form, "txtOut") : QString();
    return RecordingDialogs::show(message);
  }
  QWidget* form = nullptr;
  QString screenText;
};

// Moves the scroll bar while its box is open, as a held-down arrow of the bar does.
class MovesBarAtMessage : public RecordingDialogs {
 public:
  int show(const Message& message) override {
    if (form != nullptr) widgetNamed<QScrollBar>(form, "HScroll1")->setValue(120);
    return RecordingDialogs::show(message);
  }
  QWidget* form = nullptr;
};

}  // namespace

class PageWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void handlerSeesTypedTextAndScreenIsCurrentAtEachMessage() {
    FakeHost host;
    ScreenAtMessage dialogs;
    SampleForm form(host, dialogs);
    dialogs.form = &form;
    form.show();
    typeInto(&form, "txtIn", QStringLiteral("12.5"));
    clickOn(&form, "cmdCalculate");
    QCOMPARE(form.page_.seenBeforeMessage, std::string("12.5"));
    QCOMPARE(dialogs.screenText, QStringLiteral("written 12.5"));
    QVERIFY(!widgetNamed<QLineEdit>(&form, "txtOut")->isEnabled());
    QCOMPARE(widgetNamed<QLabel>(&form, "lblCaption")->text(), QStringLiteral("Critical Speed:"));
  }

  void scrollBarRunsItsHandlerOnceForEachMovementOnly() {
    FakeHost host;
    RecordingDialogs dialogs;
    SampleForm form(host, dialogs);
    form.show();
    auto* bar = widgetNamed<QScrollBar>(&form, "HScroll1");
    QCOMPARE(bar->maximum(), 250);
    QCOMPARE(bar->pageStep(), 25);
    bar->setValue(150);
    QCOMPARE(form.page_.changes, 1);
    QCOMPARE(textOf(&form, "txtOut"), QStringLiteral("150"));
    clickOn(&form, "cmdClear");  // the program moves the bar back: one change, not two
    QCOMPARE(form.page_.changes, 2);
    QCOMPARE(bar->value(), 0);
    clickOn(&form, "cmdClear");  // already at 0: no change event
    QCOMPARE(form.page_.changes, 2);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);  // the keys follow the bar's arrows
    QCOMPARE(bar->value(), 1);
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(bar->value(), 0);
  }

  void aScrollBarMovedWhileAHandlerRunsDoesNotRunInsideIt() {
    FakeHost host;
    MovesBarAtMessage dialogs;
    SampleForm form(host, dialogs);
    dialogs.form = &form;
    form.show();
    clickOn(&form, "cmdCalculate");
    QCOMPARE(form.page_.changes, 0);
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(widgetNamed<QScrollBar>(&form, "HScroll1")->value(), 0);
    dialogs.form = nullptr;
    widgetNamed<QScrollBar>(&form, "HScroll1")->setValue(40);  // and runs again afterwards
    QCOMPARE(form.page_.changes, 1);
  }

  // Holding the bar's arrow steps it on and on; a box from the first step takes the
  // button's release, and the bar must not go on stepping behind it.
  void aBoxLetsGoOfAHeldScrollBar() {
    FakeHost host;
    RecordingDialogs dialogs;
    SampleForm form(host, dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.page_.tellOnChange = true;
    auto* bar = widgetNamed<QScrollBar>(&form, "HScroll1");
    const QPoint addArrow(bar->width() - 4, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, addArrow);
    QTest::qWait(800);  // past the bar's first repeat delay and several repeats
    QCOMPARE(form.page_.changes, 1);
    QCOMPARE(dialogs.shown.size(), std::size_t{1});
    QCOMPARE(bar->value(), 1);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, addArrow);

    form.page_.tellOnChange = false;  // held without a box, it steps on as usual
    QTest::mousePress(bar, Qt::LeftButton, {}, addArrow);
    QTest::qWait(800);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, addArrow);
    QVERIFY(form.page_.changes > 3);
  }

  void anOptionGroupCanBeLeftWithNoneSelected() {
    FakeHost host;
    RecordingDialogs dialogs;
    SampleForm form(host, dialogs);
    form.show();
    clickOption(&form, "optB");
    QVERIFY(widgetNamed<QRadioButton>(&form, "optB")->isChecked());
    clickOn(&form, "cmdClear");
    QVERIFY(!widgetNamed<QRadioButton>(&form, "optA")->isChecked());
    QVERIFY(!widgetNamed<QRadioButton>(&form, "optB")->isChecked());
    clickOption(&form, "optA");  // the group is exclusive again
    clickOption(&form, "optB");
    QVERIFY(!widgetNamed<QRadioButton>(&form, "optA")->isChecked());
  }

  void optionsCheckBoxesPicturesAndMenuItemsRunTheirHandlers() {
    FakeHost host;
    RecordingDialogs dialogs;
    SampleForm form(host, dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickOption(&form, "optA");
    QVERIFY(form.page_.optA.value);
    QCOMPARE(widgetNamed<QLabel>(&form, "lblCaption")->text(), QStringLiteral("A chosen"));
    clickOption(&form, "chkFront");
    QCOMPARE(textOf(&form, "txtOut"), QStringLiteral("on"));
    clickOption(&form, "chkFront");
    QCOMPARE(textOf(&form, "txtOut"), QStringLiteral("off"));

    auto* picture = widgetNamed<QWidget>(&form, "Picture1");
    QVERIFY(picture->isVisible());
    // A click is a press and a release on the picture: a press alone, or one released off
    // the picture, leaves it as it is.
    QTest::mousePress(picture, Qt::LeftButton);
    QVERIFY(picture->isVisible());
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(-5, -5));
    QVERIFY(picture->isVisible());
    QTest::mouseClick(picture, Qt::RightButton);
    QVERIFY(picture->isVisible());
    QTest::mouseClick(picture, Qt::LeftButton);
    QVERIFY(!picture->isVisible());

    auto* notes = form.findChild<QAction*>(QStringLiteral("mnuNotes"));
    QVERIFY(notes != nullptr);
    notes->trigger();
    QCOMPARE(dialogs.lines(), (std::vector<std::vector<std::string>>{{"a note"}}));

    clickOn(&form, "cmdDiagram");
    QVERIFY(!form.isVisible());
    QCOMPARE(host.pagesShown, std::vector<std::string>{"frmDiagram"});
  }

  void anUnreportedArithmeticFailureNeverReachesABox() {
    FakeHost host;
    RecordingDialogs dialogs;
    SampleForm form(host, dialogs);
    form.show();
    clickOn(&form, "cmdFail");
    QCOMPARE(textOf(&form, "txtOut"), QStringLiteral("before"));
    QCOMPARE(dialogs.shown.size(), std::size_t(1));
  }

  void pageButtonsAndClosingGoThroughTheHost() {
    FakeHost host;
    RecordingDialogs dialogs;
    SampleForm form(host, dialogs);
    form.show();
    QCOMPARE(form.objectName(), QStringLiteral("frmSample"));
    QCOMPARE(widgetNamed<QAbstractButton>(&form, "cmdMenu")->text(), QStringLiteral("&Menu"));
    QCOMPARE(widgetNamed<QAbstractButton>(&form, "cmdExit")->text(), QStringLiteral("E&xit"));
    clickOn(&form, "cmdPrint");
    QCOMPARE(host.printed, &form);
    clickOn(&form, "cmdMenu");
    QCOMPARE(host.menuShown, 1);
    QVERIFY(!form.isVisible());
    form.show();
    clickOn(&form, "cmdExit");
    QCOMPARE(host.programEnded, 1);
    form.close();
    QCOMPARE(host.programEnded, 2);
  }
};

QTEST_MAIN(PageWindowTest)
#include "page_window_test.moc"
