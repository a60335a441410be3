// The Calculation sheet through the real windows: the curve page's worked example, its
// working in the sheet, the same lines in the PDF's text, and the header shared by sheets.

#include "shell/sheet_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

#include "shell/application.h"
#include "support/form_driver.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

class SheetFormTest : public QObject {
  Q_OBJECT

 private:
  RecordingDialogs dialogs_;
  std::unique_ptr<Application> suite_;

  QWidget* page(const char* name) {
    QWidget* page = suite_->pages().show(QString::fromLatin1(name));
    return QTest::qWaitForWindowExposed(page) ? page : nullptr;
  }
  SheetForm* sheetOf(QWidget* page) {
    return openAnalysis<SheetForm>(page, "mnuSheet", "frmSheet");
  }

 private slots:
  void init() {
    suite_ = std::make_unique<Application>(dialogs_, 0, QDate(2026, 12, 7));
    suite_->setEndProgram([] {});
    suite_->start();
  }
  void cleanup() { suite_.reset(); }

  void theCurveExampleShowsItsWorkingOnTheSheetAndInThePdf() {
    QWidget* curve = page("frmCurve");
    QVERIFY(curve != nullptr);
    SheetForm* sheet = sheetOf(curve);
    QVERIFY(sheet != nullptr);
    QCOMPARE(QString::fromStdString(analysis::sheetText(sheet->sheet()))
                 .count(QStringLiteral("No calculation has been run on this page yet.")),
             1);
    typeInto(curve, "txtChord", "28");
    typeInto(curve, "txtOrdinate", "2");
    typeInto(curve, "txtDeceleration", "0.7");
    typeInto(curve, "txtCamber", "0");
    clickOn(curve, "Command1");
    typeInto(sheet, "txtCaseRef", "RTC/2026/118");

    // The sheet follows the page: the radius from chord and ordinate, then the critical speed.
    const QString text = QString::fromStdString(analysis::sheetText(sheet->sheet()));
    const QStringList wanted = {
        QStringLiteral("Case reference: RTC/2026/118"),
        QStringLiteral("R = C^2 / (8 \u00D7 M) + M / 2"),
        QStringLiteral("= 28^2 / (8 \u00D7 2) + 2 / 2"),
        QStringLiteral("= 50 m"),
        QStringLiteral("= \u221A(50 \u00D7 (6.867 + 9.81 \u00D7 tan(0)) / (1 \u2212 0.7 \u00D7 "
                       "tan(0)) / (1 + 0.7 \u00D7 50 / 1e+18))"),
        QStringLiteral(": 18.530  m/s       or        41.450 mph"),
        QStringLiteral("All "),
    };
    for (const QString& line : wanted)
      QVERIFY2(text.contains(line), qPrintable(line + "\n" + text));
    QVERIFY(text.contains(QStringLiteral(": ") + textOf(curve, "txtRadius")));
    clickOn(sheet, "cmdCopy");
    QCOMPARE(QApplication::clipboard()->text(), text);

    // The PDF holds the same lines as text.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    suite_->printService().setAskForPdfFile([path](QWidget&, const QString&) { return path; });
    clickOn(sheet, "cmdSavePdf");
    QVERIFY(QFile::exists(path));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext is not installed");
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(20000));
    const QString pdf = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const QString& line : wanted.mid(0, 4))
      QVERIFY2(pdf.contains(line), qPrintable(line + "\n" + pdf));
    QVERIFY(pdf.contains(QStringLiteral("Page 1 of ")));
  }

  // What one sheet's header holds, every sheet shows.
  void theHeaderIsSharedBySheets() {
    SheetForm* first = sheetOf(page("frmCurve"));
    QVERIFY(first != nullptr);
    typeInto(first, "txtInvestigator", "PC 4411 Marsh");
    SheetForm* second = sheetOf(page("frmNewton"));
    QVERIFY(second != nullptr && second != first);
    QCOMPARE(textOf(second, "txtInvestigator"), QStringLiteral("PC 4411 Marsh"));
    QVERIFY(QString::fromStdString(analysis::sheetText(second->sheet()))
                .contains(QStringLiteral("Investigator: PC 4411 Marsh")));
  }
};

QTEST_MAIN(SheetFormTest)
#include "sheet_form_test.moc"
