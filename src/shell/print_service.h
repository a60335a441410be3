#pragma once
// Print Form: an image of a page's window, as displayed, on the default printer. Where the
// machine has no printer the investigator may save the image as a PDF file instead.

#include <QString>
#include <vector>

class QWidget;

namespace kelvara {

class Dialogs;

class PrintService {
 public:
  explicit PrintService(Dialogs& dialogs) : dialogs_(dialogs) {}

  void printWindow(QWidget& window);
  // Sheets a window lays its contents out on, one a page of the same print; window is the
  // window printing them.
  void printSheets(QWidget& window, const std::vector<QWidget*>& sheets);

  // Writes the window's image, scaled to fit an A4 page, to a PDF file. False when the
  // file could not be written.
  static bool printToPdf(QWidget& window, const QString& path);
  // The same for sheets, one a page.
  static bool sheetsToPdf(const std::vector<QWidget*>& sheets, const QString& path);

 private:
  Dialogs& dialogs_;
};

}  // namespace kelvara
