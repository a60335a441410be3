// Print Form renders a window's image; without a printer it goes to a PDF file.

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <vector>

#include "shell/print_service.h"

using namespace kelvara;

class PrintServiceTest : public QObject {
  Q_OBJECT

 private slots:
  void writesANonEmptyPdf() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Critical speed 26.205  m/s"), &window));
    window.resize(500, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("page.pdf"));
    QVERIFY(PrintService::printToPdf(window, path));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.size() > 1000);
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
  }

  // Sheets laid out for printing and never shown print one a page, in one file.
  void printsSheetsOneAPage() {
    std::vector<std::unique_ptr<QWidget>> sheets;
    std::vector<QWidget*> printed;
    for (int i = 1; i <= 3; ++i) {
      auto sheet = std::make_unique<QWidget>();
      auto* layout = new QVBoxLayout(sheet.get());
      layout->addWidget(new QLabel(QStringLiteral("Sheet %1").arg(i), sheet.get()));
      sheet->resize(600, 400);
      printed.push_back(sheet.get());
      sheets.push_back(std::move(sheet));
    }
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("sheets.pdf"));
    QVERIFY(PrintService::sheetsToPdf(printed, path));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QCOMPARE(content.left(5), QByteArray("%PDF-"));
    QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page\r") +
                 content.count("/Type /Page>") + content.count("/Type /Page "),
             3);
    QVERIFY(!PrintService::sheetsToPdf({}, folder.filePath(QStringLiteral("none.pdf"))));
  }

  void reportsAFileThatCannotBeWritten() {
    QWidget window;
    window.resize(200, 100);
    QVERIFY(!PrintService::printToPdf(window, QStringLiteral("/nonexistent-folder/page.pdf")));
  }
};

QTEST_MAIN(PrintServiceTest)
#include "print_service_test.moc"
