#include "analysis/range_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>

#include "analysis/calculation_sheet.h"
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

// A picture drawn by a function of the painter and the area inside its margin.
class Chart : public QWidget {
 public:
  Chart(QWidget* parent, const char* name, const QString& words) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(words);
    setMinimumSize(300, 190);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }
  std::function<void(QPainter&, const QRectF&)> draw;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().text().color());
    if (draw) draw(painter, QRectF(rect()).adjusted(8, 6, -8, -6));
  }
};

QString figure(double value) { return QString::number(value, 'g', 6); }

// The Monte Carlo figures in 40 bins, the 95 % interval dashed and the nominal figure red.
void drawHistogram(QPainter& painter, const QRectF& area, const QString& title,
                   const FigureRange& range) {
  const qreal line = painter.fontMetrics().height();
  painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignLeft, title);
  const std::vector<double>& values = range.values;
  if (values.empty()) {
    painter.drawText(area, Qt::AlignCenter,
                     QStringLiteral("A Monte Carlo run shows its spread here."));
    return;
  }
  double low = *range.min;
  double high = *range.max;
  if (range.nominal) low = std::min(low, *range.nominal), high = std::max(high, *range.nominal);
  if (high <= low) high = low + std::max(1e-9, std::fabs(low) * 1e-9);
  constexpr int kBins = 40;
  std::vector<std::size_t> counts(kBins, 0);
  for (double value : values)
    ++counts[std::min<std::size_t>(kBins - 1,
                                   static_cast<std::size_t>((value - low) / (high - low) * kBins))];
  const double most = static_cast<double>(*std::max_element(counts.begin(), counts.end()));
  const QRectF plot = area.adjusted(0, line + 4, 0, -(line + 4));
  const auto x = [&](double value) {
    return plot.left() + (value - low) / (high - low) * plot.width();
  };
  for (int bin = 0; bin < kBins; ++bin) {
    const qreal height = static_cast<double>(counts[bin]) / most * plot.height();
    painter.fillRect(QRectF(plot.left() + bin * plot.width() / kBins, plot.bottom() - height,
                            plot.width() / kBins - 1, height),
                     QColor(90, 130, 200));
  }
  painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
  for (const auto& point : {range.p025, range.p975})
    if (point) painter.drawLine(QPointF(x(*point), plot.top()), QPointF(x(*point), plot.bottom()));
  if (range.nominal) {
    painter.setPen(QPen(QColor(200, 30, 30), 2));
    painter.drawLine(QPointF(x(*range.nominal), plot.top()),
                     QPointF(x(*range.nominal), plot.bottom()));
  }
  painter.setPen(Qt::black);
  const QRectF axis(area.left(), plot.bottom() + 4, area.width(), line);
  painter.drawText(axis, Qt::AlignLeft, figure(low));
  painter.drawText(axis, Qt::AlignRight, figure(high));
  if (range.p025 && range.p975)
    painter.drawText(
        axis, Qt::AlignHCenter,
        QStringLiteral("95 %: %1 to %2").arg(figure(*range.p025), figure(*range.p975)));
}

// Each input alone at its low and high value: a bar each, the longest first, about the
// nominal figure.
void drawTornado(QPainter& painter, const QRectF& area, const QString& title,
                 std::optional<double> nominal, const std::vector<QString>& inputs,
                 const OneAtATime& bars, std::size_t f) {
  const qreal line = painter.fontMetrics().height();
  painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignLeft, title);
  struct Bar {
    QString words;
    double low, high;
  };
  std::vector<Bar> shown;
  for (std::size_t k = 0; k < inputs.size() && k < bars.low.size(); ++k) {
    const auto& low = bars.low[k];
    const auto& high = bars.high[k];
    if (!low || !high || f >= low->figures.size() || f >= high->figures.size() ||
        !low->figures[f] || !high->figures[f])
      continue;
    shown.push_back({inputs[k], *low->figures[f], *high->figures[f]});
  }
  if (shown.empty() || !nominal) {
    painter.drawText(area, Qt::AlignCenter,
                     QStringLiteral("A run with a varied input shows its bars here."));
    return;
  }
  std::stable_sort(shown.begin(), shown.end(), [](const Bar& a, const Bar& b) {
    return std::fabs(a.high - a.low) > std::fabs(b.high - b.low);
  });
  double least = *nominal, greatest = *nominal;
  for (const Bar& bar : shown)
    least = std::min({least, bar.low, bar.high}),
    greatest = std::max({greatest, bar.low, bar.high});
  if (greatest <= least) greatest = least + std::max(1e-9, std::fabs(least) * 1e-9);
  const QRectF plot = area.adjusted(area.width() * 0.35, line + 4, 0, -(line + 4));
  const auto x = [&](double value) {
    return plot.left() + (value - least) / (greatest - least) * plot.width();
  };
  const qreal row = std::min<qreal>(line + 6, plot.height() / static_cast<qreal>(shown.size()));
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const qreal top = plot.top() + static_cast<qreal>(i) * row;
    painter.drawText(QRectF(area.left(), top, area.width() * 0.35 - 6, row),
                     Qt::AlignRight | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(shown[i].words, Qt::ElideRight,
                                                      static_cast<int>(area.width() * 0.35 - 6)));
    // The low value's bar above the high value's, so that neither hides the other.
    const qreal half = (row - 4) / 2;
    for (const auto& [end, colour, y] :
         {std::tuple{shown[i].low, QColor(90, 130, 200), top + 2},
          std::tuple{shown[i].high, QColor(220, 150, 60), top + 2 + half}})
      painter.fillRect(QRectF(QPointF(std::min(x(*nominal), x(end)), y),
                              QPointF(std::max(x(*nominal), x(end)), y + half)),
                       colour);
  }
  painter.setPen(QPen(QColor(200, 30, 30), 2));
  painter.drawLine(QPointF(x(*nominal), plot.top()), QPointF(x(*nominal), plot.bottom()));
  painter.setPen(Qt::black);
  const QRectF axis(plot.left(), plot.bottom() + 4, plot.width(), line);
  painter.drawText(axis, Qt::AlignLeft, figure(least));
  painter.drawText(axis, Qt::AlignRight, figure(greatest));
  painter.drawText(axis, Qt::AlignHCenter, QStringLiteral("blue: low value, orange: high"));
}

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
  resultsGrid_->setAlignment(Qt::AlignTop);
  scroll->setWidget(results_);
  (new QVBoxLayout(resultsFrame))->addWidget(scroll);
  layout->addWidget(resultsFrame, 3);
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
  txtExtremes_->setFixedHeight(txtExtremes_->fontMetrics().lineSpacing() * 4 + 12);
  layout->addWidget(txtExtremes_);

  auto* chartRow = new QHBoxLayout;
  auto* chartCaption = new QLabel(QStringLiteral("C&hart of:"), this);
  cboFigure_ = new QComboBox(this);
  cboFigure_->setObjectName(QStringLiteral("cboFigure"));
  chartCaption->setBuddy(cboFigure_);
  chartRow->addWidget(chartCaption);
  chartRow->addWidget(cboFigure_, 1);
  layout->addLayout(chartRow);
  auto* charts = new QHBoxLayout;
  picHistogram_ =
      new Chart(this, "picHistogram", QStringLiteral("Histogram of the Monte Carlo figures"));
  picTornado_ = new Chart(this, "picTornado", QStringLiteral("Sensitivity to each input"));
  charts->addWidget(picHistogram_);
  charts->addWidget(picTornado_);
  layout->addLayout(charts, 2);
  connect(cboFigure_, &QComboBox::currentIndexChanged, this, [this] { drawCharts(); });

  connect(cboCalculation_, &QComboBox::currentIndexChanged, this, [this] { chooseCalculation(); });
  connect(cmdRun_, &QPushButton::clicked, this, [this] { run(); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { cancel(); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { host_.printWindow(*this); });
  connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });
  poller_.setInterval(50);  // the bar moves at least every 0.1 s
  connect(&poller_, &QTimer::timeout, this, [this] { poll(); });
  resize(960, 940);
}

RangeForm::~RangeForm() {
  if (worker_.joinable()) {
    progress_.cancel = true;
    worker_.join();
  }
}

void RangeForm::startFrom(const Texts& texts, std::map<std::string, Texts> runStarts) {
  current_ = texts;
  runStarts_ = std::move(runStarts);
  chooseCalculation();
}

std::vector<std::string> RangeForm::linesFor(const CalculationRun& run) const {
  if (run.calculation != shownCalculation_) return {};
  for (const auto& [control, text] : run.before) {
    const auto shown = shownStart_.find(control);
    if (shown == shownStart_.end() || shown->second != text) return {};
  }
  return shownLines_;
}

void RangeForm::chooseCalculation() {
  if (running()) return;
  const int index = cboCalculation_->currentIndex();
  if (index < 0 || index >= static_cast<int>(page_.calculations.size())) return;
  const Calculation& calculation = page_.calculations[static_cast<std::size_t>(index)];
  const auto runStart = runStarts_.find(std::string(calculation.name));
  texts_ = runStart == runStarts_.end() ? current_ : runStart->second;
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
  cboFigure_->clear();
  for (const ResultFigure& figure : model_->figures())
    cboFigure_->addItem(
        text(page_.find(figure.box)->words) +
        (figure.unit.empty() ? QString() : QStringLiteral(" (%1)").arg(text(figure.unit))));
  shown_ = {};
  bars_ = {};
  drawCharts();
}

void RangeForm::drawCharts() {
  const int index = cboFigure_->currentIndex();
  const std::size_t f = index < 0 ? 0 : static_cast<std::size_t>(index);
  const QString what = cboFigure_->currentText();
  FigureRange none;
  const FigureRange& range = f < shown_.figures.size() ? shown_.figures[f] : none;
  std::vector<QString> inputs;
  for (const std::string& name : varied_) inputs.push_back(text(page_.find(name)->words));
  static_cast<Chart*>(picHistogram_)->draw = [what, range](QPainter& painter, const QRectF& area) {
    drawHistogram(painter, area, QStringLiteral("Monte Carlo figures: ") + what, range);
  };
  static_cast<Chart*>(picTornado_)->draw = [what, nominal = range.nominal, inputs, bars = bars_, f](
                                               QPainter& painter, const QRectF& area) {
    drawTornado(painter, area, QStringLiteral("Each input alone: ") + what, nominal, inputs, bars,
                f);
  };
  picHistogram_->update();
  picTornado_->update();
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
  method_ = drawn                     ? "Monte Carlo, " + samplesText + " samples, seed " + seedText
            : optBounds_->isChecked() ? std::string("Bounds")
                                      : std::string("First order");
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
    if (!progress_.cancel) runBars_ = oneAtATime(factory, ranges);
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
  if (result_.cancelled) return;  // a cancelled run keeps the figures shown before
  bars_ = std::move(runBars_);
  showResult(result_);
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

  // What a calculation sheet of the same run shows of it.
  shownCalculation_ = cboCalculation_->currentText().toStdString();
  shownStart_ = texts_;
  shownLines_ = {method_};
  for (std::size_t i = 0; i < varied_.size(); ++i) {
    const std::string name = varied_[i];
    const auto* low = inputs_->findChild<QLineEdit*>(QString::fromStdString(name + "_low"));
    const auto* high = inputs_->findChild<QLineEdit*>(QString::fromStdString(name + "_high"));
    const auto* kind = inputs_->findChild<QComboBox*>(QString::fromStdString(name + "_dist"));
    if (low->text() == high->text()) continue;  // held at its typed value
    shownLines_.push_back(wordsOf(page_, name) + ": from " + low->text().toStdString() + " to " +
                          high->text().toStdString() + ", " + kind->currentText().toStdString());
  }
  for (std::size_t f = 0; f < figures.size(); ++f) {
    if (f > 0 && figures[f].box == figures[f - 1].box) continue;
    std::string line = wordsOf(page_, figures[f].box) + ":";
    for (const Statistic& statistic : kStatistics) {
      const auto* edit = results_->findChild<QLineEdit*>(
          QString::fromStdString(figures[f].box + statistic.suffix));
      if (!edit->text().isEmpty())
        line += std::string(" ") + statistic.heading + " " + edit->text().toStdString() + ";";
    }
    shownLines_.push_back(line);
  }
  shownLines_.push_back(refused.toStdString());

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
  shown_ = result;
  drawCharts();
}

}  // namespace kelvara
