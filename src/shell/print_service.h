#pragma once
// Print Form: an image of a page's window, as displayed, on the default printer. Where the
// machine has no printer the investigator may save the image as a PDF file instead.

#include <QString>
#include <functional>
#include <vector>

class QPrinter;
class QWidget;

namespace kelvara {

class Dialogs;

class PrintService {
 public:
  // The name of the machine's default printer, empty when it has none.
  using DefaultPrinter = std::function<QString()>;
  // Asks where to save the page as a PDF file, suggesting a name; empty when cancelled.
  using AskForPdfFile = std::function<QString(QWidget& window, const QString& suggested)>;
  // Draws a window's pages on a printer; false when it could not.
  using Painting = std::function<bool(QPrinter& printer)>;

  // Uses the system's default printer and a save-file dialog.
  explicit PrintService(Dialogs& dialogs);

  void printWindow(QWidget& window);
  // Sheets a window lays its contents out on, one a page of the same print; window is the
  // window printing them.
  void printSheets(QWidget& window, const std::vector<QWidget*>& sheets);
  // Pages the window draws itself (a document of selectable text), on the default printer
  // or else offered as a PDF file.
  void printPainted(QWidget& window, const Painting& paint);
  // Asks for a PDF file, as the offer does, and writes the pages there.
  void savePdf(QWidget& window, const Painting& paint);

  // Replace the printer lookup and the question (tests print to files without a dialog).
  void setDefaultPrinter(DefaultPrinter printer) { defaultPrinter_ = std::move(printer); }
  void setAskForPdfFile(AskForPdfFile ask) { askForPdfFile_ = std::move(ask); }

  // Writes the window's image, scaled to fit an A4 page, to a PDF file. False when the
  // file could not be written.
  static bool printToPdf(QWidget& window, const QString& path);
  // The same for sheets, one a page.
  static bool sheetsToPdf(const std::vector<QWidget*>& sheets, const QString& path);
  static bool paintToPdf(const Painting& paint, const QString& path);

 private:
  Dialogs& dialogs_;
  DefaultPrinter defaultPrinter_;
  AskForPdfFile askForPdfFile_;
  QString question_;  // the file dialog's title
  QString suggestedPdf(QWidget& window) const;
  void writePdf(QWidget& window, const Painting& paint);
};

}  // namespace kelvara
