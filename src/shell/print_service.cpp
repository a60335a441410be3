#include "shell/print_service.h"

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

}  // namespace

bool PrintService::printToPdf(QWidget& window, const QString& path) {
  return sheetsToPdf({&window}, path);
}

bool PrintService::sheetsToPdf(const std::vector<QWidget*>& sheets, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  if (!paintSheets(sheets, printer)) return false;
  QFileInfo written(path);
  return written.exists() && written.size() > 0;
}

void PrintService::printWindow(QWidget& window) { printSheets(window, {&window}); }

void PrintService::printSheets(QWidget& window, const std::vector<QWidget*>& sheets) {
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (!defaultPrinter.isNull()) {
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (paintSheets(sheets, printer)) return;
    dialogs_.show(Message{{"The page could not be sent to the printer " +
                           defaultPrinter.printerName().toStdString() + "."},
                          MessageCode::Exclamation});
    return;
  }
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = QFileDialog::getSaveFileName(
      &window, QStringLiteral("No printer is set up: save the page as a PDF file"),
      folder + '/' + window.windowTitle() + QStringLiteral(".pdf"),
      QStringLiteral("PDF files (*.pdf)"));
  if (path.isEmpty()) return;
  if (!sheetsToPdf(sheets, path))
    dialogs_.show(Message{{"The page could not be saved as " + path.toStdString() + "."},
                          MessageCode::Exclamation});
}

}  // namespace kelvara
