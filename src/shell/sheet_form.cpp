#include "shell/sheet_form.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "shell/page_logics.h"

namespace kelvara {

using namespace analysis;

namespace {

QString text(std::string_view view) {
  return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// Keeps the text of every message shown.
class KeptDialogs : public Dialogs {
 public:
  int show(const Message& message) override {
    shown.push_back(message.text());
    return Answer::Ok;
  }
  std::vector<std::string> shown;
};

// The menu items whose messages are the page's notes and references.
constexpr std::string_view kSourceItems[] = {"mnuNotes", "Notes", "mnuReferences", "mnuReference"};

}  // namespace

std::vector<std::string> pageSources(const PageDescription& page) {
  KeptDialogs dialogs;
  const auto logic = openPageLogic(page.page, dialogs);
  if (logic == nullptr) return {};
  for (std::string_view item : kSourceItems)
    if (const auto handler = logic->description().runFor(item, Event::Click)) handler();
  return dialogs.shown;
}

SheetForm::SheetForm(PageWindow& page, SheetHeader& header, PrintService& printService,
                     RangeLines rangeOf)
    : page_(page),
      header_(header),
      printService_(printService),
      rangeOf_(std::move(rangeOf)),
      sources_(pageSources(page.description())) {
  setObjectName(QStringLiteral("frmSheet"));
  setWindowTitle(QStringLiteral("Calculation sheet: ") + text(page.description().title));
  auto* layout = new QVBoxLayout(this);
  auto* fields = new QFormLayout;
  txtCaseRef_ = new QLineEdit(this);
  txtCaseRef_->setObjectName(QStringLiteral("txtCaseRef"));
  txtInvestigator_ = new QLineEdit(this);
  txtInvestigator_->setObjectName(QStringLiteral("txtInvestigator"));
  txtNotes_ = new QPlainTextEdit(this);
  txtNotes_->setObjectName(QStringLiteral("txtNotes"));
  txtNotes_->setTabChangesFocus(true);
  txtNotes_->setFixedHeight(txtNotes_->fontMetrics().lineSpacing() * 3 + 12);
  const std::pair<const char*, QWidget*> rows[] = {{"Case &reference:", txtCaseRef_},
                                                   {"&Investigator:", txtInvestigator_},
                                                   {"&Notes:", txtNotes_}};
  for (const auto& [caption, field] : rows) {
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    label->setBuddy(field);
    field->setAccessibleName(label->text().remove(u'&').chopped(1));
    fields->addRow(label, field);
  }
  layout->addLayout(fields);

  txtSheet_ = new QTextBrowser(this);
  txtSheet_->setObjectName(QStringLiteral("txtSheet"));
  txtSheet_->setAccessibleName(QStringLiteral("Calculation sheet"));
  txtSheet_->setTabChangesFocus(true);
  layout->addWidget(txtSheet_, 1);

  auto* commands = new QHBoxLayout;
  commands->addStretch(1);
  const std::pair<const char*, const char*> buttons[] = {{"cmdSavePdf", "Save as &PDF..."},
                                                         {"cmdCopy", "&Copy"},
                                                         {"cmdPrint", "&Print"},
                                                         {"cmdClose", "&Close"}};
  for (const auto& [name, caption] : buttons) {
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    commands->addWidget(button);
  }
  layout->addLayout(commands);

  const auto button = [this](const char* name) {
    return findChild<QPushButton*>(QString::fromLatin1(name));
  };
  const auto paintPages = [this](QPrinter& printer) { return paint(printer); };
  connect(button("cmdSavePdf"), &QPushButton::clicked, this,
          [this, paintPages] { printService_.savePdf(*this, paintPages); });
  connect(button("cmdCopy"), &QPushButton::clicked, this, [this] {
    QApplication::clipboard()->setText(QString::fromStdString(sheetText(sheet_)));
  });
  connect(button("cmdPrint"), &QPushButton::clicked, this,
          [this, paintPages] { printService_.printPainted(*this, paintPages); });
  connect(button("cmdClose"), &QPushButton::clicked, this, [this] { close(); });
  // The document follows the header as it is typed, and the page as it calculates.
  const auto typed = [this] {
    header_.caseReference = txtCaseRef_->text().toStdString();
    header_.investigator = txtInvestigator_->text().toStdString();
    header_.notes = txtNotes_->toPlainText().toStdString();
    refresh();
  };
  connect(txtCaseRef_, &QLineEdit::textEdited, this, typed);
  connect(txtInvestigator_, &QLineEdit::textEdited, this, typed);
  connect(txtNotes_, &QPlainTextEdit::textChanged, this, [this, typed] {
    if (txtNotes_->hasFocus()) typed();
  });
  connect(&page_, &PageWindow::calculated, this, [this] { refresh(); });
  resize(720, 760);
}

void SheetForm::showEvent(QShowEvent* event) {
  // Another sheet may have changed the shared header meanwhile.
  txtCaseRef_->setText(QString::fromStdString(header_.caseReference));
  txtInvestigator_->setText(QString::fromStdString(header_.investigator));
  if (txtNotes_->toPlainText().toStdString() != header_.notes)
    txtNotes_->setPlainText(QString::fromStdString(header_.notes));
  refresh();
  QWidget::showEvent(event);
}

void SheetForm::refresh() {
  const CalculationRun* run = page_.latestRun();
  const QString when = run == nullptr ? QString()
                                      : QDateTime::fromSecsSinceEpoch(run->when).toString(
                                            QStringLiteral("d MMMM yyyy, HH:mm:ss"));
  sheet_ = calculationSheet(page_.description(), run, when.toStdString(), header_, sources_,
                            run == nullptr ? std::vector<std::string>() : rangeOf_(*run));
  const int scrolled = txtSheet_->verticalScrollBar()->value();
  txtSheet_->setHtml(QString::fromStdString(sheetHtml(sheet_.header) + sheetHtml(sheet_.body)));
  txtSheet_->verticalScrollBar()->setValue(scrolled);
}

bool SheetForm::paint(QPrinter& printer) const {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // Lay the text out at the screen's 96 points an inch and scale it to the printer.
  const double scale = printer.resolution() / 96.0;
  const QRectF paper = printer.pageLayout().paintRectPixels(printer.resolution());
  const QSizeF page(paper.width() / scale, paper.height() / scale);
  QTextDocument header;
  header.setHtml(QString::fromStdString(sheetHtml(sheet_.header)));
  header.setTextWidth(page.width());
  const double headerHeight = header.size().height() + 6;
  const double footerHeight = 28;
  QTextDocument body;
  body.setHtml(QString::fromStdString(sheetHtml(sheet_.body)));
  const double bodyHeight = page.height() - headerHeight - footerHeight;
  body.setPageSize(QSizeF(page.width(), bodyHeight));
  const int pages = body.pageCount();
  painter.scale(scale, scale);
  for (int p = 0; p < pages; ++p) {
    if (p > 0 && !printer.newPage()) return false;
    header.drawContents(&painter);
    painter.drawLine(QPointF(0, headerHeight - 3), QPointF(page.width(), headerHeight - 3));
    painter.save();
    painter.translate(0, headerHeight - p * bodyHeight);
    body.drawContents(&painter, QRectF(0, p * bodyHeight, page.width(), bodyHeight));
    painter.restore();
    // The printer's own font is sized for its resolution, which the scale would enlarge.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(QRectF(0, page.height() - footerHeight, page.width(), footerHeight),
                     Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages));
  }
  return painter.end();
}

}  // namespace kelvara
