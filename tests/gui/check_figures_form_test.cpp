// The Check figures window: opened from the menu's Help, it shows every worked example with
// what the pages give now, and prints them all legibly.

#include "shell/check_figures_form.h"

#include <QAction>
#include <QDate>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "shell/application.h"
#include "shell/menu_page.h"
#include "shell/print_service.h"
#include "support/fake_host.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

// Records the sheets a window prints.
class SheetHost : public FakeHost {
 public:
  void printSheets(QWidget& window, const std::vector<QWidget*>& sheets) override {
    printing = &window;
    printedSheets = sheets;
    if (onSheets) onSheets(sheets);
  }
  QWidget* printing = nullptr;
  std::vector<QWidget*> printedSheets;
  std::function<void(const std::vector<QWidget*>&)> onSheets;
};

}  // namespace

class CheckFiguresFormTest : public QObject {
  Q_OBJECT

 private:
  RecordingDialogs dialogs;

  static QString cell(QTableWidget* table, int row, int column) {
    return table->item(row, column)->text();
  }

 private slots:
  void helpMenuOpensItAndItFollowsThePageConventions() {
    Application suite(dialogs, 0, QDate(2026, 12, 7));
    int ended = 0;
    suite.setEndProgram([&ended] { ++ended; });
    suite.start();
    QWidget* menu = &suite.menu();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QVERIFY(suite.pages().existing(QStringLiteral("frmCheckFigures")) == nullptr);

    widgetNamed<QAction>(menu, "mnuCheckFigures")->trigger();
    auto* page = suite.pages().existing(QStringLiteral("frmCheckFigures"));
    QVERIFY(page != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(page));
    QVERIFY(!menu->isVisible());
    QCOMPARE(page->windowTitle(), QStringLiteral("Check figures"));
    const std::pair<const char*, const char*> buttons[] = {
        {"cmdPrint", "&Print Form"}, {"cmdMenu", "&Menu"}, {"cmdExit", "E&xit"}};
    for (const auto& [name, caption] : buttons)
      QCOMPARE(widgetNamed<QPushButton>(page, name)->text(), QString::fromLatin1(caption));

    clickOn(page, "cmdMenu");
    QVERIFY(!page->isVisible());
    QVERIFY(menu->isVisible());
    widgetNamed<QAction>(menu, "mnuCheckFigures")->trigger();
    QCOMPARE(suite.pages().existing(QStringLiteral("frmCheckFigures")), page);
    QVERIFY(page->isVisible());

    page->close();
    QCOMPARE(ended, 1);
    clickOn(page, "cmdExit");
    QCOMPARE(ended, 2);
    QVERIFY(dialogs.shown.empty());
  }

  void showsEveryExampleWithTheVersionTheDateAndTheSummary() {
    FakeHost host;
    CheckFiguresForm form(host, dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto& examples = workedExamples();
    const QString count = QString::number(examples.size());
    QCOMPARE(widgetNamed<QLabel>(&form, "lblSummary")->text(),
             QStringLiteral("All ") + count + QStringLiteral(" worked examples reproduced"));
    QCOMPARE(widgetNamed<QLabel>(&form, "lblVersion")->text(), QString::fromLatin1(kVersionText));
    QCOMPARE(widgetNamed<QLabel>(&form, "lblDate")->text(),
             QStringLiteral("Today's date: ") + menuDateText(QDate::currentDate()));

    auto* table = widgetNamed<QTableWidget>(&form, "tblExamples");
    QCOMPARE(table->rowCount(), int(examples.size()));
    QStringList columns;
    for (int column = 0; column < table->columnCount(); ++column)
      columns << table->horizontalHeaderItem(column)->text();
    QCOMPARE(columns, (QStringList{"Page", "Source", "Inputs", "Expected", "Obtained", "Result"}));
    for (int row = 0; row < table->rowCount(); ++row) {
      QCOMPARE(cell(table, row, 5), QStringLiteral("pass"));
      QCOMPARE(cell(table, row, 3), cell(table, row, 4));
      QCOMPARE(table->verticalHeaderItem(row)->text(), QString::number(row + 1));
    }
    // The first example as a person reads it.
    QCOMPARE(cell(table, 0, 0), QStringLiteral("Linear equations calculator\nu = 0, a = 2, t = 3"));
    QCOMPARE(cell(table, 0, 1), QStringLiteral("Worked example of the page"));
    QCOMPARE(cell(table, 0, 2),
             QStringLiteral("txtu = \"0\"\ntxtA = \"2\"\ntxtt = \"3\"\nrun cmdCalculate_Click"));
    QVERIFY(cell(table, 0, 3).startsWith(QStringLiteral("txtv = \"6.000  ms-1\"\n")));
    // The grid and the Sun name their published sources.
    QStringList sources;
    for (int row = 0; row < table->rowCount(); ++row) sources << cell(table, row, 1);
    QVERIFY(sources.filter(QStringLiteral("Ordnance Survey")).size() >= 1);
    QVERIFY(sources.filter(QStringLiteral("almanac")).size() == 1);
  }

  // Print Form prints every example, through the host's print service, on sheets that
  // each fit one page; the PDF has one page a sheet.
  void printsEveryExampleOnSheetsThatFitAPage() {
    SheetHost host;
    CheckFiguresForm form(host, dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("check.pdf"));
    bool written = false;
    host.onSheets = [&](const std::vector<QWidget*>& sheets) {
      written = PrintService::sheetsToPdf(sheets, path);
    };
    clickOn(&form, "cmdPrint");
    QCOMPARE(host.printing, &form);
    QVERIFY(host.printedSheets.size() >= 2);
    QVERIFY(written);

    int rows = 0;
    for (QWidget* sheet : host.printedSheets) {
      auto* table = sheet->findChild<QTableWidget*>();
      QVERIFY(table != nullptr);
      // Every row of the sheet stands whole on it.
      const int bottom = table->mapTo(sheet, QPoint(0, table->height())).y();
      QVERIFY2(bottom <= sheet->height(), qPrintable(sheet->objectName()));
      int rowsHeight = table->horizontalHeader()->height();
      for (int row = 0; row < table->rowCount(); ++row) rowsHeight += table->rowHeight(row);
      QVERIFY2(rowsHeight <= table->height(), qPrintable(sheet->objectName()));
      // The examples, then the reference cases numbered afresh within each table.
      if (rows < int(workedExamples().size()))
        QCOMPARE(table->verticalHeaderItem(0)->text(), QString::number(rows + 1));
      rows += table->rowCount();
      // Landscape, so that the printer turns the page and keeps the text large.
      QVERIFY(sheet->width() > sheet->height());
    }
    std::size_t references = 0;
    for (const ReferenceCheck& check : form.references().checks) references += check.rows.size();
    QCOMPARE(rows, int(workedExamples().size() + references));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
  }
};

QTEST_MAIN(CheckFiguresFormTest)
#include "check_figures_form_test.moc"
