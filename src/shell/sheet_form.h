#pragma once
// The Calculation sheet window of a calculator page: the last completed run of one of its
// calculations as one document (header, inputs, working, results, sources and the range of
// results), to save as a PDF of text, copy or print. It never changes the page.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "analysis/calculation_sheet.h"
#include "fields/page_window.h"
#include "shell/print_service.h"

class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QTextBrowser;

namespace kelvara {

class SheetForm : public QWidget {
  Q_OBJECT

 public:
  // header: what the investigator types, shared by every sheet for the run of the program;
  // rangeOf: the range of results' lines for a run, empty when none was run for its inputs.
  using RangeLines = std::function<std::vector<std::string>(const CalculationRun& run)>;
  SheetForm(PageWindow& page, analysis::SheetHeader& header, PrintService& printService,
            RangeLines rangeOf);

  // Builds the document again: the page's last run, the header as it stands.
  void refresh();
  const analysis::Sheet& sheet() const { return sheet_; }
  // Draws the sheet on A4 pages: selectable text, the header on every page, page numbers.
  bool paint(QPrinter& printer) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  PageWindow& page_;
  analysis::SheetHeader& header_;
  PrintService& printService_;
  RangeLines rangeOf_;
  std::vector<std::string> sources_;
  analysis::Sheet sheet_;

  QLineEdit* txtCaseRef_;
  QLineEdit* txtInvestigator_;
  QPlainTextEdit* txtNotes_;
  QTextBrowser* txtSheet_;
};

// The references a page gives for its method: the texts of its Notes and References.
std::vector<std::string> pageSources(const PageDescription& page);

}  // namespace kelvara
