// Every print command of the suite goes through the one print service; without a printer it
// offers a PDF file, which holds one page with the window's image on it.

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "shell/application.h"
#include "support/every_window.h"
#include "support/recording_dialogs.h"

using namespace kelvara;
using namespace kelvara::testing;

namespace {

// What a PDF file holds, read from its object dictionaries (which Qt writes uncompressed).
struct PdfContents {
  int pages = 0;
  QList<QSize> images;
};

PdfContents readPdf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  if (!bytes.startsWith("%PDF-")) return {};
  const QString text = QString::fromLatin1(bytes);
  PdfContents contents;
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
  contents.pages = int(text.count(page));
  static const QRegularExpression image(QStringLiteral("<<[^>]*/Subtype\\s*/Image[^>]*>>"));
  static const QRegularExpression width(QStringLiteral("/Width\\s+(\\d+)"));
  static const QRegularExpression height(QStringLiteral("/Height\\s+(\\d+)"));
  for (const QRegularExpressionMatch& match : image.globalMatch(text)) {
    const QString dictionary = match.captured();
    contents.images << QSize(width.match(dictionary).captured(1).toInt(),
                             height.match(dictionary).captured(1).toInt());
  }
  return contents;
}

// The print command of a window: a "&Print Form" or "&Print Diagram" button, or the crush
// page's "Print Form" on its menu bar.
std::function<void()> printCommandOf(QWidget* window) {
  for (QPushButton* button : window->findChildren<QPushButton*>())
    if (button->text() == "&Print Form" || button->text() == "&Print Diagram")
      return [button] { QTest::mouseClick(button, Qt::LeftButton); };
  if (auto* main = qobject_cast<QMainWindow*>(window))
    for (QAction* entry : main->menuBar()->actions())
      if (entry->text() == "Print Form") return [entry] { entry->trigger(); };
  return {};
}

}  // namespace

class PrintEveryWindowTest : public QObject {
  Q_OBJECT

 private:
  RecordingDialogs dialogs_;
  std::unique_ptr<Application> suite_;
  QTemporaryDir folder_;
  QString printer_;
  QStringList suggested_;
  QString answer_;  // the file the investigator picks; empty to cancel

  PrintService& service() { return suite_->printService(); }

 private slots:
  void init() {
    QVERIFY(folder_.isValid());
    dialogs_.clear();
    printer_.clear();
    suggested_.clear();
    answer_.clear();
    suite_ = std::make_unique<Application>(dialogs_, 0, QDate(2026, 12, 7));
    suite_->setEndProgram([] {});
    service().setDefaultPrinter([this] { return printer_; });
    service().setAskForPdfFile([this](QWidget&, const QString& suggested) {
      suggested_ << suggested;
      return answer_;
    });
    suite_->start();
  }
  void cleanup() { suite_.reset(); }

  void everyPrintableWindowPrintsOnePageWithItsImage() {
    QStringList printable;
    for (QWidget* window : everyWindow(*suite_)) {
      const std::function<void()> print = printCommandOf(window);
      if (!print) continue;
      const QString page = window->objectName();
      printable << page;
      QVERIFY2(bringToFront(window), qPrintable(page));
      answer_ = folder_.filePath(page + ".pdf");
      print();
      const PdfContents pdf = readPdf(answer_);
      QVERIFY2(dialogs_.shown.empty(), qPrintable(page));
      if (page == "frmCheckFigures") {
        // The list of worked examples prints as sheets of its own, one image a page.
        QVERIFY(pdf.pages >= 1);
        QCOMPARE(pdf.images.size(), pdf.pages);
        continue;
      }
      QVERIFY2(pdf.pages == 1, qPrintable(page + ": " + QString::number(pdf.pages) + " pages"));
      // The window's image, at its size on the screen (a mask of the same size may go with it).
      QVERIFY2(!pdf.images.isEmpty(), qPrintable(page));
      const QSize shown = window->size() * window->devicePixelRatio();
      for (const QSize& image : pdf.images)
        QVERIFY2(image == shown, qPrintable(page + QStringLiteral(": image %1x%2, window %3x%4")
                                                       .arg(image.width())
                                                       .arg(image.height())
                                                       .arg(shown.width())
                                                       .arg(shown.height())));
    }
    printable.sort();
    QCOMPARE(printable, (QStringList{"frmAlcohol", "frmCheckFigures", "frmCrush", "frmDiagram",
                                     "frmMaxspeed", "frmMomentum", "frmNewton", "frmPartialbraking",
                                     "frmReaction", "frmThrow"}));
    // Each offer suggested the window's title as the file's name.
    QVERIFY(std::any_of(suggested_.begin(), suggested_.end(), [](const QString& name) {
      return name.endsWith("/Parameter Diagram.pdf");
    }));
  }

  // The default printer is used when there is one: a printer that cannot be reached is
  // reported by name and no file is offered. A cancelled offer writes nothing and says
  // nothing; a file that cannot be written is reported.
  void failuresAreReportedAndACancelIsSilent() {
    QWidget* newton = suite_->pages().show("frmNewton");
    QVERIFY(QTest::qWaitForWindowExposed(newton));
    const std::function<void()> print = printCommandOf(newton);

    printer_ = QStringLiteral("No such printer");
    print();
    QVERIFY(suggested_.isEmpty());
    QCOMPARE(dialogs_.shown.size(), std::size_t(1));
    QCOMPARE(dialogs_.shown[0].lines[0], std::string("The page could not be sent to the printer "
                                                     "No such printer."));

    printer_.clear();
    dialogs_.clear();
    print();
    QCOMPARE(suggested_.size(), 1);
    QVERIFY(suggested_[0].endsWith("/Linear equations calculator.pdf"));
    QVERIFY(dialogs_.shown.empty());

    answer_ = QStringLiteral("/nonexistent-folder/newton.pdf");
    print();
    QCOMPARE(dialogs_.shown.size(), std::size_t(1));
    QCOMPARE(dialogs_.shown[0].lines[0],
             std::string("The page could not be saved as /nonexistent-folder/newton.pdf."));
  }
};

QTEST_MAIN(PrintEveryWindowTest)
#include "print_every_window_test.moc"
