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

// Draws the window's image on a page turned to its shape, centred, shrunk to fit but never
// enlarged beyond its size on screen.
bool paintWindow(QWidget& window, QPrinter& printer) {
  printer.setPageOrientation(window.width() > window.height() ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
  const QPixmap image = window.grab();
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  QSize size = image.size();
  const double screenToPrinter = printer.resolution() / double(window.logicalDpiX());
  size *= screenToPrinter;
  if (size.width() > page.width() || size.height() > page.height())
    size.scale(page.size(), Qt::KeepAspectRatio);
  const QRect target(page.x() + (page.width() - size.width()) / 2, page.y(), size.width(),
                     size.height());
  painter.drawPixmap(target, image);
  return painter.end();
}

}  // namespace

bool PrintService::printToPdf(QWidget& window, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  if (!paintWindow(window, printer)) return false;
  QFileInfo written(path);
  return written.exists() && written.size() > 0;
}

void PrintService::printWindow(QWidget& window) {
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (!defaultPrinter.isNull()) {
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (paintWindow(window, printer)) return;
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
  if (!printToPdf(window, path))
    dialogs_.show(Message{{"The page could not be saved as " + path.toStdString() + "."},
                          MessageCode::Exclamation});
}

}  // namespace kelvara
