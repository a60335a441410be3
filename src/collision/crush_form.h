#pragma once
// The crush analysis window: both vehicles' data, the category and collision-type menus,
// the results, the report print and the way to the parameter diagram.

#include <QWidget>
#include <vector>

#include "collision/crush_page.h"
#include "fields/page_window.h"

namespace kelvara {

class CrushForm : public PageWindow {
  Q_OBJECT

 public:
  CrushForm(PageHost& host, Dialogs& dialogs);
  CrushPage& logic() { return page_; }

  // Print Form: the page as a report, on the light background without its buttons, then
  // the page exactly as it was, whatever became of the print.
  void mnuPrintform_Click();

 private:
  PageHost& host_;
  CrushPage page_;
  std::vector<QWidget*> reportBackground_;  // what the report lays on its light background
  std::vector<QWidget*> reportHidden_;      // the buttons the report leaves out
};

}  // namespace kelvara
