#include "analysis/range_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "fields/field_text.h"

namespace kelvara {

using namespace analysis;

namespace {

constexpr std::size_t kFewestSamples = 1000;
constexpr std::size_t kMostSamples = 1000000;

QString text(std::string_view view) {
  return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// The figures of a result a method gives, one column of the results each.
struct Statistic {
  const char* suffix;
  const char* heading;
  std::optional<double> FigureRange::*value;
};
const Statistic kStatistics[] = {{"_nominal", "Nominal", &FigureRange::nominal},
                                 {"_min", "Least", &FigureRange::min},
                                 {"_max", "Greatest", &FigureRange::max},
                                 {"_p025", "2.5 %", &FigureRange::p025},
                                 {"_p50", "50 %", &FigureRange::p50},
                                 {"_p975", "97.5 %", &FigureRange::p975},
                                 {"_u", "u", &FigureRange::u},
                                 {"_U", "U = 2u", &FigureRange::U}};

const char* const kDistributions[] = {"Uniform", "Triangular", "Normal"};

QLineEdit* figureBox(QWidget* parent, const QString& name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setReadOnly(true);
  return box;
}

void clear(QWidget* holder) {
  for (QWidget* child : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) delete child;
}

}  // namespace

RangeForm::RangeForm(const PageDescription& page, PageOpener open, Dialogs& dialogs, PageHost& host)
    : page_(page), open_(std::move(open)), dialogs_(dialogs), host_(host) {
  setObjectName(QStringLiteral("frmRange"));
  setWindowTitle(QStringLiteral("Range of results: ") + text(page.title));
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  auto* calculationCaption = new QLabel(QStringLiteral("Calculation:"), this);
  cboCalculation_ = new QComboBox(this);
  cboCalculation_->setObjectName(QStringLiteral("cboCalculation"));
  calculationCaption->setBuddy(cboCalculation_);
  for (const Calculation& calculation : page.calculations)
    cboCalculation_->addItem(text(calculation.name));
  top->addWidget(calculationCaption);
  top->addWidget(cboCalculation_, 1);
  layout->addLayout(top);

  inputs_ = new QGroupBox(QStringLiteral("Measured inputs"), this);
  inputsGrid_ = new QGridLayout(inputs_);
  layout->addWidget(inputs_);

  auto* method = new QHBoxLayout;
  optBounds_ = new QRadioButton(QStringLiteral("&Bounds"), this);
  optBounds_->setObjectName(QStringLiteral("optBounds"));
  optFirstOrder_ = new QRadioButton(QStringLiteral("&First order"), this);
  optFirstOrder_->setObjectName(QStringLiteral("optFirstOrder"));
  optMonteCarlo_ = new QRadioButton(QStringLiteral("&Monte Carlo"), this);
  optMonteCarlo_->setObjectName(QStringLiteral("optMonteCarlo"));
  optMonteCarlo_->setChecked(true);
  txtSamples_ = new QLineEdit(QStringLiteral("100000"), this);
  txtSamples_->setObjectName(QStringLiteral("txtSamples"));
  txtSamples_->setAccessibleName(QStringLiteral("Samples"));
  txtSeed_ = new QLineEdit(QStringLiteral("1"), this);
  txtSeed_->setObjectName(QStringLiteral("txtSeed"));
  txtSeed_->setAccessibleName(QStringLiteral("Seed"));
  for (QWidget* widget :
       std::initializer_list<QWidget*>{optBounds_, optFirstOrder_, optMonteCarlo_})
    method->addWidget(widget);
  method->addWidget(new QLabel(QStringLiteral("Samples:"), this));
  method->addWidget(txtSamples_);
  method->addWidget(new QLabel(QStringLiteral("Seed:"), this));
  method->addWidget(txtSeed_);
  method->addStretch(1);
  layout->addLayout(method);

  auto* commands = new QHBoxLayout;
  cmdRun_ = new QPushButton(QStringLiteral("&Run"), this);
  cmdRun_->setObjectName(QStringLiteral("cmdRun"));
  cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel_->setEnabled(false);
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("prgRun"));
  progressBar_->setRange(0, 1000);
  progressBar_->setValue(0);
  auto* cmdPrint = new QPushButton(QStringLiteral("&Print Form"), this);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  auto* cmdClose = new QPushButton(QStringLiteral("&Close"), this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  for (QPushButton* button : {cmdRun_, cmdCancel_, cmdPrint, cmdClose})
    button->setAutoDefault(false);
  commands->addWidget(cmdRun_);
  commands->addWidget(cmdCancel_);
  commands->addWidget(progressBar_, 1);
  commands->addWidget(cmdPrint);
  commands->addWidget(cmdClose);
  layout->addLayout(commands);

  auto* resultsFrame = new QGroupBox(QStringLiteral("Results"), this);
  auto* scroll = new QScrollArea(resultsFrame);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  results_ = new QWidget(scroll);
  resultsGrid_ = new QGridLayout(results_);
  scroll->setWidget(results_);
  (new QVBoxLayout(resultsFrame))->addWidget(scroll);
  layout->addWidget(resultsFrame, 2);
  lblRefused_ = new QLabel(this);
  lblRefused_->setObjectName(QStringLiteral("lblRefused"));
  lblRefused_->setTextFormat(Qt::PlainText);
  lblRefused_->setWordWrap(true);
  layout->addWidget(lblRefused_);
  txtExtremes_ = new QPlainTextEdit(this);
  txtExtremes_->setObjectName(QStringLiteral("txtExtremes"));
  txtExtremes_->setAccessibleName(QStringLiteral("Where the extremes lie"));
  txtExtremes_->setReadOnly(true);
  txtExtremes_->setTabChangesFocus(true);
  layout->addWidget(txtExtremes_, 1);

  connect(cboCalculation_, &QComboBox::currentIndexChanged, this, [this] { chooseCalculation(); });
  connect(cmdRun_, &QPushButton::clicked, this, [this] { run(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { cancel(); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { host_.printWindow(*this); });
  connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });
  poller_.setInterval(50);  // the bar moves at least every 0.1 s
  connect(&poller_, &QTimer::timeout, this, [this] { poll(); });
  resize(900, 760);
}

RangeForm::~RangeForm() {
  if (worker_.joinable()) {
    progress_.cancel = true;
    worker_.join();
  }
}

void RangeForm::startFrom(const std::map<std::string, std::string>& texts) {
  texts_ = texts;
  chooseCalculation();
}

void RangeForm::chooseCalculation() {
  if (running()) return;
  const int index = cboCalculation_->currentIndex();
  if (index < 0 || index >= static_cast<int>(page_.calculations.size())) return;
  const Calculation& calculation = page_.calculations[static_cast<std::size_t>(index)];
  varied_ = variableInputs(page_, calculation, texts_);
  model_ = std::make_unique<PageCalculation>(open_, std::string(calculation.name), texts_, varied_);

  clear(inputs_);
  int row = 0;
  for (const char* heading : {"Low", "High", "Distribution"})
    inputsGrid_->addWidget(new QLabel(QString::fromLatin1(heading), inputs_), row,
                           1 + static_cast<int>(std::string_view(heading) == "High") +
                               2 * static_cast<int>(std::string_view(heading) == "Distribution"));
  for (const std::string& name : varied_) {
    ++row;
    const QString words = text(page_.find(name)->words);
    const QString typed = QString::fromStdString(texts_[name]);
    inputsGrid_->addWidget(new QLabel(words, inputs_), row, 0);
    auto* low = new QLineEdit(typed, inputs_);
    low->setObjectName(QString::fromStdString(name + "_low"));
    low->setAccessibleName(words + QStringLiteral(" low"));
    auto* high = new QLineEdit(typed, inputs_);
    high->setObjectName(QString::fromStdString(name + "_high"));
    high->setAccessibleName(words + QStringLiteral(" high"));
    auto* distribution = new QComboBox(inputs_);
    distribution->setObjectName(QString::fromStdString(name + "_dist"));
    distribution->setAccessibleName(words + QStringLiteral(" distribution"));
    for (const char* kind : kDistributions) distribution->addItem(QString::fromLatin1(kind));
    inputsGrid_->addWidget(low, row, 1);
    inputsGrid_->addWidget(high, row, 2);
    inputsGrid_->addWidget(distribution, row, 3);
  }
  if (varied_.empty())
    inputsGrid_->addWidget(
        new QLabel(QStringLiteral("No measured input of this calculation holds a number."),
                   inputs_),
        1, 0, 1, 4);

  // A row a statistic, a column a result box: a box's figures are as wide as the page
  // writes them.
  clear(results_);
  for (std::size_t s = 0; s < std::size(kStatistics); ++s)
    resultsGrid_->addWidget(new QLabel(QString::fromLatin1(kStatistics[s].heading), results_),
                            static_cast<int>(s) + 1, 0);
  int column = 0;
  std::string previous;
  for (const ResultFigure& figure : model_->figures()) {
    if (figure.box == previous) continue;
    previous = figure.box;
    ++column;
    const ControlDescription& box = *page_.find(figure.box);
    const QString words = text(box.words);
    auto* heading = new QLabel(words, results_);
    heading->setWordWrap(true);
    resultsGrid_->addWidget(heading, 0, column);
    // As wide as the box's widest text, eight figures before the point.
    std::vector<double> widest;
    for (const ResultFigure& f : model_->figures())
      if (f.box == figure.box) widest.push_back(-88888888.888888);
    const QString sample = QString::fromStdString(box.shapes[figure.shape].format(widest));
    for (std::size_t s = 0; s < std::size(kStatistics); ++s) {
      QLineEdit* edit =
          figureBox(results_, QString::fromStdString(figure.box + kStatistics[s].suffix));
      edit->setAccessibleName(words + QLatin1Char(' ') +
                              QString::fromLatin1(kStatistics[s].heading));
      edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(sample) / 2 + 24);
      resultsGrid_->addWidget(edit, static_cast<int>(s) + 1, column);
    }
  }
  lblRefused_->clear();
  txtExtremes_->clear();
}

void RangeForm::refuse(const std::string& why) {
  dialogs_.show(Message{{why}, MessageCode::Exclamation, "Range of results"});
}

bool RangeForm::readRanges(std::vector<InputRange>& ranges) {
  for (std::size_t i = 0; i < varied_.size(); ++i) {
    const std::string& name = varied_[i];
    const std::string words(page_.find(name)->words);
    const auto* low = inputs_->findChild<QLineEdit*>(QString::fromStdString(name + "_low"));
    const auto* high = inputs_->findChild<QLineEdit*>(QString::fromStdString(name + "_high"));
    const auto* kind = inputs_->findChild<QComboBox*>(QString::fromStdString(name + "_dist"));
    for (const QLineEdit* box : {low, high})
      if (!isNumericText(box->text().toStdString())) {
        refuse("\"" + box->text().toStdString() + "\" is not a number: " + words);
        return false;
      }
    InputRange range{model_->typed()[i], strictNumber(low->text().toStdString()),
                     strictNumber(high->text().toStdString()),
                     static_cast<Distribution>(kind->currentIndex())};
    if (range.low > range.high) {
      refuse("The low value is above the high value: " + words);
      return false;
    }
    if (range.distribution == Distribution::Triangular &&
        (range.nominal < range.low || range.nominal > range.high)) {
      refuse("A triangular range must hold the typed value: " + words);
      return false;
    }
    ranges.push_back(range);
  }
  return true;
}

void RangeForm::run() {
  if (running() || model_ == nullptr) return;
  std::vector<InputRange> ranges;
  if (!readRanges(ranges)) return;
  const std::string samplesText = txtSamples_->text().toStdString();
  const double samples = isNumericText(samplesText) ? strictNumber(samplesText) : 0.0;
  if (samples != std::floor(samples) || samples < static_cast<double>(kFewestSamples) ||
      samples > static_cast<double>(kMostSamples)) {
    refuse("The number of samples must be from 1000 to 1000000.");
    return;
  }
  const std::string seedText = txtSeed_->text().toStdString();
  const double seed = isNumericText(seedText) ? strictNumber(seedText) : -1.0;
  if (seed < 0.0 || seed != std::floor(seed) || seed > 1e15) {
    refuse("The seed must be a whole number, 0 or more.");
    return;
  }
  progress_.done = 0;
  progress_.cancel = false;
  finished_ = false;
  const bool drawn = optMonteCarlo_->isChecked();
  total_ = drawn ? static_cast<std::size_t>(samples) : 0;
  progressBar_->setRange(0, total_ > 0 ? 1000 : 0);  // a busy bar where the count is unknown
  progressBar_->setValue(0);
  for (QWidget* widget : std::initializer_list<QWidget*>{cmdRun_, cboCalculation_, inputs_})
    widget->setEnabled(false);
  cmdCancel_->setEnabled(true);
  const ModelFactory factory = model_->factory();
  const bool bounded = optBounds_->isChecked();
  worker_ = std::thread([this, factory, ranges, drawn, bounded, samples, seed] {
    if (drawn)
      result_ = monteCarlo(factory, ranges, static_cast<std::size_t>(samples),
                           static_cast<std::uint64_t>(seed), 0, &progress_);
    else if (bounded)
      result_ = bounds(factory, ranges, 0, &progress_);
    else
      result_ = firstOrder(factory, ranges);
    finished_ = true;
  });
  poller_.start();
}

void RangeForm::cancel() { progress_.cancel = true; }

void RangeForm::poll() {
  if (total_ > 0)
    progressBar_->setValue(
        static_cast<int>(progress_.done * 1000 / std::max<std::size_t>(1, total_)));
  if (!finished_) return;
  poller_.stop();
  worker_.join();
  progressBar_->setRange(0, 1000);
  progressBar_->setValue(result_.cancelled ? 0 : 1000);
  for (QWidget* widget : std::initializer_list<QWidget*>{cmdRun_, cboCalculation_, inputs_})
    widget->setEnabled(true);
  cmdCancel_->setEnabled(false);
  if (!result_.cancelled) showResult(result_);  // a cancelled run keeps the figures shown before
}

void RangeForm::showResult(const RangeResult& result) {
  const std::vector<ResultFigure>& figures = model_->figures();
  for (std::size_t first = 0; first < figures.size();) {
    std::size_t last = first;
    while (last < figures.size() && figures[last].box == figures[first].box) ++last;
    const ControlDescription& box = *page_.find(figures[first].box);
    for (const Statistic& statistic : kStatistics) {
      std::vector<double> values;
      for (std::size_t f = first; f < last && f < result.figures.size(); ++f)
        if (const auto& value = result.figures[f].*statistic.value) values.push_back(*value);
      auto* edit = results_->findChild<QLineEdit*>(
          QString::fromStdString(figures[first].box + statistic.suffix));
      edit->setText(values.size() == last - first
                        ? QString::fromStdString(box.shapes[figures[first].shape].format(values))
                        : QString());
    }
    first = last;
  }
  QString refused = QStringLiteral("Refused: %1 of %2").arg(result.refused).arg(result.samples);
  for (const auto& [message, count] : result.refusals)
    refused += QStringLiteral("\n%1: %2").arg(count).arg(QString::fromStdString(message));
  lblRefused_->setText(refused);

  QStringList lines;
  if (result.searched)
    lines << QStringLiteral(
        "More than 12 inputs vary: the extremes were searched, not "
        "enumerated.");
  for (std::size_t f = 0; f < figures.size() && f < result.figures.size(); ++f) {
    const FigureRange& figure = result.figures[f];
    const QString what = text(page_.find(figures[f].box)->words) + QLatin1Char(' ') +
                         QString::fromStdString(figures[f].unit);
    const auto at = [this](const std::vector<double>& inputs) {
      QStringList parts;
      for (std::size_t i = 0; i < inputs.size() && i < varied_.size(); ++i)
        parts << text(page_.find(varied_[i])->words) + QStringLiteral(" = ") +
                     QString::number(inputs[i], 'g', 8);
      return parts.join(QStringLiteral(", "));
    };
    if (figure.min && !figure.argMin.empty())
      lines << what + QStringLiteral(": least %1 at ").arg(*figure.min, 0, 'g', 8) +
                   at(figure.argMin) +
                   QStringLiteral("; greatest %1 at ").arg(*figure.max, 0, 'g', 8) +
                   at(figure.argMax);
    if (figure.u) {
      QStringList shares;
      for (std::size_t i = 0; i < figure.shares.size() && i < varied_.size(); ++i)
        shares << text(page_.find(varied_[i])->words) +
                      QStringLiteral(" %1 %").arg(100.0 * figure.shares[i], 0, 'f', 1);
      lines << what +
                   QStringLiteral(": u = %1, U = %2; shares of the variance: ")
                       .arg(*figure.u, 0, 'g', 6)
                       .arg(*figure.U, 0, 'g', 6) +
                   shares.join(QStringLiteral(", "));
    }
  }
  txtExtremes_->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace kelvara
