#pragma once
// The Range of results window of a calculator page: the page's measured inputs given ranges
// and distributions, a calculation run by bounds, first order or Monte Carlo on worker
// threads over copies of the page logic, and every result box's figures in the box's own
// shape. It never changes the page it analyses.

#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "analysis/page_model.h"
#include "analysis/range_engine.h"
#include "fields/page_description.h"
#include "fields/page_host.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace kelvara {

class RangeForm : public QWidget {
  Q_OBJECT

 public:
  // page: the description of the page analysed (its window keeps it); open: a fresh copy of
  // the page's logic.
  RangeForm(const PageDescription& page, analysis::PageOpener open, Dialogs& dialogs,
            PageHost& host);
  ~RangeForm() override;

  using Texts = std::map<std::string, std::string>;
  // Takes the page's texts as they stand now as the ranges' starting figures, or for a
  // calculation in runStarts, the texts its last run began from.
  void startFrom(const Texts& texts, std::map<std::string, Texts> runStarts = {});
  // The last range of results shown, one line each, if it was run for the run's calculation
  // from the texts the run began with; else nothing.
  std::vector<std::string> linesFor(const CalculationRun& run) const;
  bool running() const { return worker_.joinable(); }

 private:
  void chooseCalculation();
  void run();
  void cancel();
  void poll();
  void showResult(const analysis::RangeResult& result);
  void drawCharts();
  bool readRanges(std::vector<analysis::InputRange>& ranges);
  void refuse(const std::string& why);

  const PageDescription& page_;
  analysis::PageOpener open_;
  Dialogs& dialogs_;
  PageHost& host_;
  Texts texts_;  // the chosen calculation's starting texts
  Texts current_;
  std::map<std::string, Texts> runStarts_;
  // The range shown: its calculation, starting texts and lines.
  std::string shownCalculation_;
  Texts shownStart_;
  std::vector<std::string> shownLines_;
  std::string method_;
  std::unique_ptr<analysis::PageCalculation> model_;
  std::vector<std::string> varied_;

  QComboBox* cboCalculation_;
  QWidget* inputs_;
  QGridLayout* inputsGrid_;
  QRadioButton* optBounds_;
  QRadioButton* optFirstOrder_;
  QRadioButton* optMonteCarlo_;
  QLineEdit* txtSamples_;
  QLineEdit* txtSeed_;
  QPushButton* cmdRun_;
  QPushButton* cmdCancel_;
  QProgressBar* progressBar_;
  QWidget* results_;
  QGridLayout* resultsGrid_;
  QLabel* lblRefused_;
  QPlainTextEdit* txtExtremes_;
  QComboBox* cboFigure_;
  QWidget* picHistogram_;
  QWidget* picTornado_;

  std::thread worker_;
  analysis::Progress progress_;
  std::size_t total_ = 0;
  std::atomic<bool> finished_{false};
  analysis::RangeResult result_;
  analysis::OneAtATime runBars_;  // the worker's, until the run ends
  analysis::OneAtATime bars_;     // of the run shown
  analysis::RangeResult shown_;
  QTimer poller_;
};

}  // namespace kelvara
