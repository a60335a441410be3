// Multi-line text boxes on a page window, and an Exit that runs a page handler first.

#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>

#include "fields/page_window.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

struct ListPage {
  TextBox Text2;
  TextBox txtOut;
  int exitsSeen = 0;
  void cmdCopy_Click() { txtOut.text = Text2.text; }
  void cmdFill_Click() {
    Text2.text = "first line\nsecond line";
    Text2.visible = true;
  }
  void cmdHide_Click() { Text2.visible = false; }

  PageDescription describe() {
    PageDescription d("frmList", "List");
    d.input("Text2", Text2, "", Nature::Text).kind = ControlKind::TextArea;
    d.result("txtOut", txtOut, "", {});
    d.button("cmdCopy", cmdCopy);
    d.button("cmdFill", cmdFill);
    d.button("cmdHide", cmdHide);
    d.button("cmdExit", cmdExit);
    d.on(&cmdCopy, Event::Click, "cmdCopy_Click", [this] { cmdCopy_Click(); });
    d.on(&cmdFill, Event::Click, "cmdFill_Click", [this] { cmdFill_Click(); });
    d.on(&cmdHide, Event::Click, "cmdHide_Click", [this] { cmdHide_Click(); });
    return d;
  }
  CommandButton cmdCopy, cmdFill, cmdHide, cmdExit;
};

class ListForm : public PageWindow {
 public:
  ListForm(PageHost& host, Dialogs& dialogs, const FakeHost& fake)
      : PageWindow(host, dialogs) {
    describe(page_.describe());
    auto* layout = new QVBoxLayout(page());
    layout->addWidget(addTextArea(page_.Text2));
    layout->addWidget(addTextBox(page_.txtOut));
    layout->addWidget(addButton(page_.cmdCopy, QStringLiteral("Copy")));
    layout->addWidget(addButton(page_.cmdFill, QStringLiteral("Fill")));
    layout->addWidget(addButton(page_.cmdHide, QStringLiteral("Hide")));
    layout->addWidget(addButton(page_.cmdExit, QStringLiteral("Exit"), [this, &fake] {
      page_.exitsSeen = fake.programEnded;
      endProgram();
    }));
    binding().push();
  }
  ListPage page_;
};

}  // namespace

class TextAreaTest : public QObject {
  Q_OBJECT

 private slots:
  void aTextAreaKeepsItsLinesBothWays() {
    FakeHost host;
    RecordingDialogs dialogs;
    ListForm form(host, dialogs, host);
    form.show();
    auto* area = widgetNamed<QPlainTextEdit>(&form, "Text2");
    clickOn(&form, "cmdFill");
    QCOMPARE(area->toPlainText(), QStringLiteral("first line\nsecond line"));
    QVERIFY(area->isVisible());

    area->selectAll();
    QTest::keyClicks(area, QStringLiteral("typed"));
    QTest::keyClick(area, Qt::Key_Return);
    QTest::keyClicks(area, QStringLiteral("again"));
    clickOn(&form, "cmdCopy");
    QCOMPARE(form.page_.txtOut.text, std::string("typed\nagain"));

    clickOn(&form, "cmdHide");
    QVERIFY(area->isHidden());
  }

  void endProgramGoesThroughTheHostAfterThePageHandler() {
    FakeHost host;
    RecordingDialogs dialogs;
    ListForm form(host, dialogs, host);
    form.show();
    clickOn(&form, "cmdExit");
    QCOMPARE(form.page_.exitsSeen, 0);
    QCOMPARE(host.programEnded, 1);
  }
};

QTEST_MAIN(TextAreaTest)
#include "page_window_text_area_test.moc"
