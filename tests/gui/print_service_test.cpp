// Print Form renders a window's image; without a printer it goes to a PDF file.

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

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

  void reportsAFileThatCannotBeWritten() {
    QWidget window;
    window.resize(200, 100);
    QVERIFY(!PrintService::printToPdf(window, QStringLiteral("/nonexistent-folder/page.pdf")));
  }
};

QTEST_MAIN(PrintServiceTest)
#include "print_service_test.moc"
