#include "shell/check_figures_form.h"

#include <QColor>
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

// Fills the table with the examples first to last (not included), numbered from 1 as in
// the summary line.
void fillTable(QTableWidget* table, const std::vector<WorkedExample>& examples,
               const CheckReport& report, std::size_t first, std::size_t last) {
  const QFont fixed = fixedPitchFont(table->font());
  QFont bold = table->font();
  bold.setBold(true);
  table->setRowCount(static_cast<int>(last - first));
  QStringList numbers;
  for (std::size_t i = first; i < last; ++i) {
    const int row = static_cast<int>(i - first);
    const WorkedExample& example = examples[i];
    const ExampleOutcome& outcome = report.outcomes[i];
    numbers << QString::number(i + 1);
    const QString cells[kColumns] = {
        text(examplePageCaption(example.page)) + QLatin1Char('\n') + text(example.title),
        text(example.source),
        text(stepsText(example)),
        text(expectedText(example)),
        text(obtainedText(outcome)),
        outcome.passed ? QStringLiteral("pass") : QStringLiteral("fail")};
    for (int column = 0; column < kColumns; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
      if (column == kInputs || column == kExpected || column == kObtained) item->setFont(fixed);
      if (column == kResult) {
        item->setFont(bold);
        if (!outcome.passed) item->setForeground(Qt::red);
      }
      table->setItem(row, column, item);
    }
  }
  table->setVerticalHeaderLabels(numbers);
  table->resizeRowsToContents();
}

QString todayLine(const QString& date) { return QStringLiteral("Today's date: ") + date; }

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
  lblSummary_ = boldLabel(addLabel("lblSummary", QString()));
  lblSummary_->setWordWrap(true);
  layout->addWidget(lblSummary_);

  tblExamples_ = newTable(page());
  tblExamples_->setObjectName(QStringLiteral("tblExamples"));
  layout->addWidget(tblExamples_, 1);

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
  date_ = menuDateText(QDate::currentDate());
  lblDate_->setText(todayLine(date_));
  lblSummary_->setText(text(report_.summary));
  QPalette palette = lblSummary_->palette();
  palette.setColor(QPalette::WindowText, report_.failed.empty()
                                             ? palette.color(QPalette::Active, QPalette::WindowText)
                                             : QColor(Qt::red));
  lblSummary_->setPalette(palette);
  fillTable(tblExamples_, workedExamples(), report_, 0, workedExamples().size());
}

void CheckFiguresForm::showEvent(QShowEvent* event) {
  // Shown again from the menu: the figures are checked afresh, under today's date.
  if (!event->spontaneous()) refresh();
  PageWindow::showEvent(event);
}

std::vector<QWidget*> CheckFiguresForm::printedSheets() {
  const std::vector<WorkedExample>& examples = workedExamples();
  sheets_.clear();

  // The rows' heights as they print, to share them out between the sheets.
  std::unique_ptr<QTableWidget> measure(newTable(nullptr));
  fillTable(measure.get(), examples, report_, 0, examples.size());
  int width = measure->verticalHeader()->sizeHint().width() + 2 * measure->frameWidth();
  for (int column = 0; column < kColumns; ++column) width += measure->columnWidth(column);
  const int headingHeight = 8 * measure->fontMetrics().lineSpacing();
  const int rowsHeight = static_cast<int>(width * kSheetHeightPerWidth) - headingHeight -
                         measure->horizontalHeader()->sizeHint().height();

  std::vector<std::pair<std::size_t, std::size_t>> ranges;
  std::size_t first = 0;
  int height = 0;
  for (std::size_t i = 0; i < examples.size(); ++i) {
    const int row = measure->rowHeight(static_cast<int>(i));
    if (i > first && height + row > rowsHeight) {
      ranges.emplace_back(first, i);
      first = i;
      height = 0;
    }
    height += row;
  }
  ranges.emplace_back(first, examples.size());

  std::vector<QWidget*> sheets;
  for (std::size_t k = 0; k < ranges.size(); ++k) {
    auto sheet = std::make_unique<QWidget>();
    sheet->setObjectName(QStringLiteral("sheet%1").arg(k + 1));
    sheet->setWindowTitle(windowTitle());
    sheet->setAutoFillBackground(true);
    QPalette palette = sheet->palette();
    palette.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(palette);
    auto* layout = new QVBoxLayout(sheet.get());
    layout->addWidget(titleLabel(new QLabel(QStringLiteral("Check figures"), sheet.get())));
    layout->addWidget(new QLabel(QString::fromLatin1(kVersionText), sheet.get()));
    layout->addWidget(new QLabel(todayLine(date_), sheet.get()));
    auto* summary = boldLabel(new QLabel(text(report_.summary), sheet.get()));
    summary->setWordWrap(true);
    layout->addWidget(summary);
    layout->addWidget(
        new QLabel(QStringLiteral("Sheet %1 of %2").arg(k + 1).arg(ranges.size()), sheet.get()));
    QTableWidget* table = newTable(sheet.get());
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setStretchLastSection(false);
    fillTable(table, examples, report_, ranges[k].first, ranges[k].second);
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
    sheets_.push_back(std::move(sheet));
  }
  return sheets;
}

void CheckFiguresForm::printForm() { printSheets(printedSheets()); }

}  // namespace kelvara
