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
};

class ListForm : public PageWindow {
 public:
  ListForm(PageHost& host, Dialogs& dialogs, const FakeHost& fake)
      : PageWindow(host, dialogs, "frmList", QStringLiteral("List")) {
    auto* layout = new QVBoxLayout(page());
    layout->addWidget(addTextArea("Text2", page_.Text2));
    layout->addWidget(addTextBox("txtOut", page_.txtOut));
    layout->addWidget(addButton("cmdCopy", QStringLiteral("Copy"), nullptr,
                                [this] { page_.cmdCopy_Click(); }));
    layout->addWidget(addButton("cmdFill", QStringLiteral("Fill"), nullptr,
                                [this] { page_.cmdFill_Click(); }));
    layout->addWidget(addButton("cmdHide", QStringLiteral("Hide"), nullptr,
                                [this] { page_.cmdHide_Click(); }));
    layout->addWidget(addButton("cmdExit", QStringLiteral("Exit"), nullptr, [this, &fake] {
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
