#include "shell/print_service.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

#include "fields/message.h"

namespace kelvara {

namespace {

// Draws each sheet's image on a page of its own, the pages turned to the first sheet's
// shape, centred, shrunk to fit but never enlarged beyond its size on screen.
bool paintSheets(const std::vector<QWidget*>& sheets, QPrinter& printer) {
  if (sheets.empty()) return false;
  const QWidget& first = *sheets.front();
  printer.setPageOrientation(first.width() > first.height() ? QPageLayout::Landscape
                                                             : QPageLayout::Portrait);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (i > 0 && !printer.newPage()) return false;
    QWidget& sheet = *sheets[i];
    const QPixmap image = sheet.grab();
    const QRect page = painter.viewport();
    QSize size = image.size();
    const double screenToPrinter = printer.resolution() / double(sheet.logicalDpiX());
    size *= screenToPrinter;
    if (size.width() > page.width() || size.height() > page.height())
      size.scale(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - size.width()) / 2, page.y(), size.width(),
                       size.height());
    painter.drawPixmap(target, image);
  }
  return painter.end();
}

// The save-file dialog, asking before it overwrites a file and adding ".pdf" to a name typed
// without it.
QString askWithDialog(QWidget& window, const QString& question, const QString& suggested) {
  QFileDialog dialog(&window, question, suggested, QStringLiteral("PDF files (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  const QFileInfo file(suggested);
  dialog.setDirectory(file.absolutePath());
  dialog.selectFile(file.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

PrintService::PrintService(Dialogs& dialogs)
    : dialogs_(dialogs),
      defaultPrinter_([] { return QPrinterInfo::defaultPrinterName(); }),
      askForPdfFile_([this](QWidget& window, const QString& suggested) {
        return askWithDialog(window, question_, suggested);
      }) {}

bool PrintService::printToPdf(QWidget& window, const QString& path) {
  return sheetsToPdf({&window}, path);
}

bool PrintService::sheetsToPdf(const std::vector<QWidget*>& sheets, const QString& path) {
  return paintToPdf([&sheets](QPrinter& printer) { return paintSheets(sheets, printer); }, path);
}

bool PrintService::paintToPdf(const Painting& paint, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  if (!paint(printer)) return false;
  QFileInfo written(path);
  return written.exists() && written.size() > 0;
}

void PrintService::printWindow(QWidget& window) { printSheets(window, {&window}); }

void PrintService::printSheets(QWidget& window, const std::vector<QWidget*>& sheets) {
  printPainted(window, [&sheets](QPrinter& printer) { return paintSheets(sheets, printer); });
}

QString PrintService::suggestedPdf(QWidget& window) const {
  // A window title may hold a slash, which would read as a folder.
  QString name = window.windowTitle();
  name.replace(u'/', u'-');
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QDir(folder).exists()) folder = QDir::homePath();
  return folder + u'/' + name + QStringLiteral(".pdf");
}

void PrintService::writePdf(QWidget& window, const Painting& paint) {
  const QString path = askForPdfFile_(window, suggestedPdf(window));
  if (path.isEmpty()) return;
  if (!paintToPdf(paint, path))
    dialogs_.show(Message{{"The page could not be saved as " + path.toStdString() + "."},
                          MessageCode::Exclamation});
}

void PrintService::savePdf(QWidget& window, const Painting& paint) {
  question_ = QStringLiteral("Save as a PDF file");
  writePdf(window, paint);
}

void PrintService::printPainted(QWidget& window, const Painting& paint) {
  const QString printerName = defaultPrinter_();
  if (!printerName.isEmpty()) {
    const QPrinterInfo printerInfo = QPrinterInfo::printerInfo(printerName);
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    if (!printerInfo.isNull() && paint(printer)) return;
    dialogs_.show(
        Message{{"The page could not be sent to the printer " + printerName.toStdString() + "."},
                MessageCode::Exclamation});
    return;
  }
  question_ = QStringLiteral("No printer is set up: save the page as a PDF file");
  writePdf(window, paint);
}

}  // namespace kelvara
