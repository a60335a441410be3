#include "shell/check_figures_form.h"

#include <QColor>
#include <algorithm>
#include <QDate>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QShowEvent>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "fields/form_layout.h"
#include "shell/menu_form.h"
#include "shell/menu_page.h"

namespace kelvara {

namespace {

enum Column { kPage, kSource, kInputs, kExpected, kObtained, kResult, kColumns };

// Widths in characters of the page's font; the texts wrap within them.
constexpr int kColumnWidths[kColumns] = {18, 20, 34, 44, 44, 6};

// A printed sheet is as tall as a landscape A4 page is for its width.
constexpr double kSheetHeightPerWidth = 210.0 / 297.0;

QFont fixedPitchFont(const QFont& like) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (!QFontInfo(font).fixedPitch()) {
    font.setFamilies({QStringLiteral("monospace"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
  }
  font.setFixedPitch(true);
  font.setPointSizeF(like.pointSizeF());
  return font;
}

QString text(const std::string& s) { return QString::fromStdString(s); }

QTableWidget* newTable(QWidget* parent) {
  auto* table = new QTableWidget(0, kColumns, parent);
  table->setHorizontalHeaderLabels({QStringLiteral("Page"), QStringLiteral("Source"),
                                    QStringLiteral("Inputs"), QStringLiteral("Expected"),
                                    QStringLiteral("Obtained"), QStringLiteral("Result")});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setWordWrap(true);
  table->setTextElideMode(Qt::ElideNone);
  table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  table->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignTop);
  const int character = table->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  for (int column = 0; column < kColumns; ++column)
    table->setColumnWidth(column, kColumnWidths[column] * character);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

// A row of a table: its number and its cells.
struct Row {
  QString number;
  QString cells[kColumns];
  bool passed;
};

std::vector<Row> exampleRows(const std::vector<WorkedExample>& examples,
                             const CheckReport& report) {
  std::vector<Row> rows;
  for (std::size_t i = 0; i < examples.size(); ++i) {
    const WorkedExample& example = examples[i];
    const ExampleOutcome& outcome = report.outcomes[i];
    rows.push_back({QString::number(i + 1),
                    {text(examplePageCaption(example.page)) + QLatin1Char('\n') + text(example.title),
                     text(example.source), text(stepsText(example)), text(expectedText(example)),
                     text(obtainedText(outcome)),
                     outcome.passed ? QStringLiteral("pass") : QStringLiteral("fail")},
                    outcome.passed});
  }
  return rows;
}

// Each reference case, numbered within its table; a case the page may show on either side
// of a rounding boundary says so.
std::vector<Row> referenceRows(const ReferenceReport& report) {
  std::vector<Row> rows;
  for (const ReferenceCheck& check : report.checks)
    for (std::size_t i = 0; i < check.rows.size(); ++i) {
      const ReferenceRow& row = check.rows[i];
      const QString result = row.passed ? QStringLiteral("pass") : QStringLiteral("fail");
      rows.push_back({QString::number(i + 1),
                      {text(check.title), text(check.tool), text(row.inputs), text(row.expected),
                       text(row.obtained),
                       row.nearBoundary ? result + QStringLiteral("\n(at a rounding boundary)")
                                        : result},
                      row.passed});
    }
  return rows;
}

// Fills the table with the rows first to last (not included).
void fillTable(QTableWidget* table, const std::vector<Row>& rows, std::size_t first,
               std::size_t last) {
  const QFont fixed = fixedPitchFont(table->font());
  QFont bold = table->font();
  bold.setBold(true);
  table->setRowCount(static_cast<int>(last - first));
  QStringList numbers;
  for (std::size_t i = first; i < last; ++i) {
    numbers << rows[i].number;
    for (int column = 0; column < kColumns; ++column) {
      auto* item = new QTableWidgetItem(rows[i].cells[column]);
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
      if (column == kInputs || column == kExpected || column == kObtained) item->setFont(fixed);
      if (column == kResult) {
        item->setFont(bold);
        if (!rows[i].passed) item->setForeground(Qt::red);
      }
      table->setItem(static_cast<int>(i - first), column, item);
    }
  }
  table->setVerticalHeaderLabels(numbers);
  table->resizeRowsToContents();
}

// A summary line in bold, red when something failed.
QLabel* summaryLabel(QLabel* label, const std::string& summary, bool failed) {
  boldLabel(label)->setText(text(summary));
  label->setWordWrap(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText,
                   failed ? QColor(Qt::red) : palette.color(QPalette::Active, QPalette::WindowText));
  label->setPalette(palette);
  return label;
}

// One line a table: its summary and largest difference.
QString referenceLines(const ReferenceReport& report) {
  QStringList lines;
  for (const ReferenceCheck& check : report.checks)
    lines << text(check.summary) + QStringLiteral("; largest difference ") + text(check.largest);
  return lines.join(QLatin1Char('\n'));
}

QString todayLine(const QString& date) { return QStringLiteral("Today's date: ") + date; }

// What every printed sheet repeats above its rows.
struct SheetHeading {
  QString windowTitle, date;
  std::string summary, referencesSummary;
  QStringList lines;  // the lines of this part of the print
};

// Sheets of the rows, as many to a sheet as fit one printed page legibly, each under the
// heading; the sheets are numbered once all are made.
void addSheets(std::vector<std::unique_ptr<QWidget>>& owned, std::vector<QWidget*>& sheets,
               const std::vector<Row>& rows, const SheetHeading& heading) {
  // The rows' heights as they print, to share them out between the sheets.
  std::unique_ptr<QTableWidget> measure(newTable(nullptr));
  fillTable(measure.get(), rows, 0, rows.size());
  int width = measure->verticalHeader()->sizeHint().width() + 2 * measure->frameWidth();
  for (int column = 0; column < kColumns; ++column) width += measure->columnWidth(column);
  int headingLines = 9;
  for (const QString& part : heading.lines) headingLines += static_cast<int>(part.count('\n')) + 1;
  const int headingHeight = headingLines * measure->fontMetrics().lineSpacing();
  const int rowsHeight = static_cast<int>(width * kSheetHeightPerWidth) - headingHeight -
                         measure->horizontalHeader()->sizeHint().height();

  std::vector<std::pair<std::size_t, std::size_t>> ranges;
  std::size_t first = 0;
  int height = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = measure->rowHeight(static_cast<int>(i));
    if (i > first && height + row > rowsHeight) {
      ranges.emplace_back(first, i);
      first = i;
      height = 0;
    }
    height += row;
  }
  ranges.emplace_back(first, rows.size());

  for (const auto& [from, to] : ranges) {
    auto sheet = std::make_unique<QWidget>();
    sheet->setObjectName(QStringLiteral("sheet%1").arg(sheets.size() + 1));
    sheet->setWindowTitle(heading.windowTitle);
    sheet->setAutoFillBackground(true);
    QPalette palette = sheet->palette();
    palette.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(palette);
    auto* layout = new QVBoxLayout(sheet.get());
    layout->addWidget(titleLabel(new QLabel(QStringLiteral("Check figures"), sheet.get())));
    layout->addWidget(new QLabel(QString::fromLatin1(kVersionText), sheet.get()));
    layout->addWidget(new QLabel(todayLine(heading.date), sheet.get()));
    layout->addWidget(summaryLabel(new QLabel(sheet.get()), heading.summary, false));
    layout->addWidget(summaryLabel(new QLabel(sheet.get()), heading.referencesSummary, false));
    for (const QString& part : heading.lines) layout->addWidget(new QLabel(part, sheet.get()));
    auto* number = new QLabel(sheet.get());
    number->setObjectName(QStringLiteral("lblSheet"));
    layout->addWidget(number);
    QTableWidget* table = newTable(sheet.get());
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setStretchLastSection(false);
    fillTable(table, rows, from, to);
    // The whole of its rows, without scrolling.
    int tableHeight = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row) tableHeight += table->rowHeight(row);
    table->setFixedSize(width, tableHeight);
    layout->addWidget(table);
    layout->addStretch(1);
    const int sheetHeight = static_cast<int>(width * kSheetHeightPerWidth);
    sheet->resize(width + layout->contentsMargins().left() + layout->contentsMargins().right(),
                  sheetHeight);
    layout->activate();
    sheets.push_back(sheet.get());
    owned.push_back(std::move(sheet));
  }
}

}  // namespace

CheckFiguresForm::CheckFiguresForm(PageHost& host, Dialogs& dialogs)
    : PageWindow(host, dialogs, "frmCheckFigures", QStringLiteral("Check figures")) {
  auto* layout = new QVBoxLayout(page());
  layout->addWidget(titleLabel(addLabel("lblTitle", QStringLiteral("Check figures"))));
  layout->addWidget(addLabel(
      "lblPurpose", QStringLiteral("Every worked example of every calculator, run through the "
                                   "calculator's own logic, with the texts it gives now.")));
  layout->addWidget(addLabel("lblVersion", QString::fromLatin1(kVersionText)));
  lblDate_ = addLabel("lblDate", QString());
  layout->addWidget(lblDate_);
  lblSummary_ = addLabel("lblSummary", QString());
  layout->addWidget(lblSummary_);
  lblReferencesSummary_ = addLabel("lblReferencesSummary", QString());
  layout->addWidget(lblReferencesSummary_);

  tblExamples_ = newTable(page());
  tblExamples_->setObjectName(QStringLiteral("tblExamples"));
  layout->addWidget(tblExamples_, 2);

  // The grid and Sun pages against references independent of Kelvara.
  layout->addWidget(headingLabel(
      addLabel("lblReferences", QStringLiteral("Independent references")), 1.2));
  lblReferenceChecks_ = addLabel("lblReferenceChecks", QString());
  layout->addWidget(lblReferenceChecks_);
  tblReferences_ = newTable(page());
  tblReferences_->setObjectName(QStringLiteral("tblReferences"));
  layout->addWidget(tblReferences_, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(
      addButton("cmdPrint", QStringLiteral("&Print Form"), nullptr, [this] { printForm(); }));
  buttons->addStretch(1);
  buttons->addWidget(
      addButton("cmdMenu", QStringLiteral("&Menu"), nullptr, [this] { returnToMenu(); }));
  buttons->addWidget(
      addButton("cmdExit", QStringLiteral("E&xit"), nullptr, [this] { endProgram(); }));
  layout->addLayout(buttons);

  int tableWidth = tblExamples_->verticalHeader()->sizeHint().width() + 80;
  for (int column = 0; column < kColumns; ++column) tableWidth += tblExamples_->columnWidth(column);
  resize(tableWidth, 760);
  refresh();
}

CheckFiguresForm::~CheckFiguresForm() = default;

void CheckFiguresForm::refresh() {
  report_ = checkWorkedExamples(workedExamples());
  references_ = checkIndependentReferences();
  date_ = menuDateText(QDate::currentDate());
  lblDate_->setText(todayLine(date_));
  summaryLabel(lblSummary_, report_.summary, !report_.failed.empty());
  summaryLabel(lblReferencesSummary_, references_.summary, !referencesAgree());
  lblReferenceChecks_->setText(referenceLines(references_));
  const std::vector<Row> examples = exampleRows(workedExamples(), report_);
  fillTable(tblExamples_, examples, 0, examples.size());
  const std::vector<Row> references = referenceRows(references_);
  fillTable(tblReferences_, references, 0, references.size());
}

bool CheckFiguresForm::referencesAgree() const {
  return std::all_of(references_.checks.begin(), references_.checks.end(),
                     [](const ReferenceCheck& check) { return check.agreed == check.rows.size(); });
}

void CheckFiguresForm::showEvent(QShowEvent* event) {
  // Shown again from the menu: the figures are checked afresh, under today's date.
  if (!event->spontaneous()) refresh();
  PageWindow::showEvent(event);
}

std::vector<QWidget*> CheckFiguresForm::printedSheets() {
  sheets_.clear();
  std::vector<QWidget*> sheets;
  // The worked examples, then the independent references under their summaries and where
  // each table comes from.
  QStringList provenance;
  for (const ReferenceCheck& check : references_.checks)
    provenance << text(check.provenance).replace(QLatin1Char('\n'), QStringLiteral("; "));
  SheetHeading heading{windowTitle(), date_, report_.summary, references_.summary, {}};
  addSheets(sheets_, sheets, exampleRows(workedExamples(), report_), heading);
  heading.lines = {QStringLiteral("Independent references"), referenceLines(references_),
                   provenance.join(QLatin1Char('\n'))};
  addSheets(sheets_, sheets, referenceRows(references_), heading);
  for (std::size_t k = 0; k < sheets.size(); ++k)
    sheets[k]->findChild<QLabel*>(QStringLiteral("lblSheet"))
        ->setText(QStringLiteral("Sheet %1 of %2").arg(k + 1).arg(sheets.size()));
  return sheets;
}

void CheckFiguresForm::printForm() { printSheets(printedSheets()); }

}  // namespace kelvara
