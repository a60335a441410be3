#pragma once
// What a page window needs of the application around it: going back to the menu, ending
// the program and printing. The shell implements it; form tests pass a recorder.

#include <vector>

class QWidget;

namespace kelvara {

class PageHost {
 public:
  virtual ~PageHost() = default;
  // Shows the menu window (the page has hidden itself).
  virtual void showMenu() = 0;
  // Ends the program at once; nothing is saved.
  virtual void endProgram() = 0;
  // Prints an image of the window as it is displayed.
  virtual void printWindow(QWidget& window) = 0;
  // Prints sheets that a window lays its contents out on for printing (widgets never shown
  // on the screen), one sheet a page, for a window that cannot show everything at once.
  // A host without a print of several pages prints each sheet on its own.
  virtual void printSheets(QWidget& window, const std::vector<QWidget*>& sheets) {
    (void)window;
    for (QWidget* sheet : sheets) printWindow(*sheet);
  }
  // Shows another page of the suite by its name (frmDiagram), creating it on first show.
  // The calling page has hidden itself.
  virtual void showPage(const char* page) = 0;
  // Whether the host opens the analysis windows of a page (openRange, openSheet).
  virtual bool offersAnalysis() const { return false; }
  // Opens the Range of results window of a calculator page, from what it shows now.
  virtual void openRange(QWidget& page) { (void)page; }
  // Opens the calculation sheet of a calculator page.
  virtual void openSheet(QWidget& page) { (void)page; }
};

}  // namespace kelvara
