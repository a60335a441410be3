// Renders every window of the suite, as the investigator first sees it, into PNG files: the
// menu window, every page, the crush page as its report prints and the flight page with its
// equation shown. Run under the offscreen platform so that no display is needed; the font is
// fixed so that the pictures do not depend on the machine's own settings.
//
//   kelvara_screenshots <folder>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QTextStream>
#include <QWidget>
#include <cstdio>
#include <utility>
#include <vector>

#include "analysis/range_form.h"
#include "collision/crush_form.h"
#include "fields/message.h"
#include "fields/page_host.h"
#include "shell/application.h"
#include "shell/menu_page.h"
#include "shell/sheet_form.h"

namespace {

using namespace kelvara;

// Answers every message box as its default button would, without showing it.
class SilentDialogs : public Dialogs {
 public:
  int show(const Message& message) override {
    return (message.code & 0x7) == MessageCode::YesNo ? Answer::Yes : Answer::Ok;
  }
};

// A host whose print is a picture of the window as it is printed.
class PictureHost : public PageHost {
 public:
  explicit PictureHost(QString path) : path_(std::move(path)) {}
  void showMenu() override {}
  void endProgram() override {}
  void printWindow(QWidget& window) override { saved_ = window.grab().save(path_); }
  void showPage(const char*) override {}
  bool saved() const { return saved_; }

 private:
  QString path_;
  bool saved_ = false;
};

// A page after the investigator has done something on it: boxes typed into, then buttons
// clicked or menu items chosen, in that order.
struct State {
  const char* page;
  const char* suffix;
  std::vector<std::pair<const char*, const char*>> typed;
  std::vector<const char*> pressed;  // buttons, check boxes and menu items, by name
};

const std::vector<State>& states() {
  static const std::vector<State> all = {
      {"frmNewton",
       "calculated",
       {{"txtu", "20"}, {"txtv", "0"}, {"txtA", "-7"}},
       {"cmdCalculate"}},
      {"frmCurve",
       "calculated",
       {{"txtChord", "40"}, {"txtOrdinate", "2"}, {"txtDeceleration", "0.7"}, {"txtCamber", "2"}},
       {"Command1"}},
      {"frmThrow",
       "calculated",
       {{"txtThrowDistance", "20"}, {"txtCoefficient", "0.7"}},
       {"cmdThrow"}},
      {"frmThrow", "references", {}, {"mnuReferences"}},
      {"frmPartialbraking",
       "calculated",
       {{"txtHL", "0.22"}, {"txtTruemu", "0.8"}, {"txtWf", "0.6"}, {"txtGradient", "0"}},
       {"chkFn", "chkFo", "cmdCalculate"}},
      {"frmAlcohol",
       "calculated",
       {{"txtWeight", "80"},
        {"txtReading", "50"},
        {"txtTimeoftest", "0130"},
        {"txtTimeofevent", "0030"}},
       {"cmdCalculate"}},
      {"frmFlight", "equation", {}, {"mnuEquation"}},
      {"frmOverturn", "equation", {}, {"mnuEquation"}},
      {"frmCycle", "equations", {}, {"mnuMotorcycle", "mnuNarrow"}},
  };
  return all;
}

void apply(QWidget* window, const State& state) {
  for (const auto& [name, text] : state.typed)
    if (auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name)))
      box->setText(QString::fromLatin1(text));
  for (const char* name : state.pressed) {
    if (auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name)))
      button->click();
    else if (auto* item = window->findChild<QAction*>(QString::fromLatin1(name)))
      item->trigger();
    else
      std::fprintf(stderr, "no control %s on %s\n", name, state.page);
  }
}

bool save(QWidget* window, const QString& folder, const QString& name) {
  window->show();
  if (!QTest::qWaitForWindowExposed(window)) return false;
  QApplication::processEvents();
  const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
  const bool saved = window->grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  return saved;
}

}  // namespace

// The offscreen platform's notes about what it cannot do for a window say nothing here.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
    return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int main(int argc, char* argv[]) {
  qInstallMessageHandler(quietOffscreen);
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  QApplication::setApplicationName(QStringLiteral("Kelvara"));
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot make %s\n", argv[1]);
    return 1;
  }

  SilentDialogs dialogs;
  bool ok = true;
  {
    Application suite(dialogs, 0, QDate(2026, 12, 7));
    suite.setEndProgram([] {});
    suite.start();
    ok &= save(&suite.menu(), folder, QStringLiteral("frmMenu"));
    suite.menu().hide();

    QStringList pages;
    for (const auto& entry : kMenuEntries)
      if (!pages.contains(QString::fromLatin1(entry.page))) pages << QString::fromLatin1(entry.page);
    // Windows that the menu entries do not name: the crush page's diagram and Help's check.
    pages << QStringLiteral("frmDiagram") << QStringLiteral("frmCheckFigures");
    for (const QString& page : pages) {
      QWidget* window = suite.pages().show(page);
      ok &= save(window, folder, page);
      window->hide();
    }
  }
  for (const State& state : states()) {
    // Each state on a fresh page, as the investigator would meet it.
    Application suite(dialogs, 0, QDate(2026, 12, 7));
    suite.setEndProgram([] {});
    QWidget* window = suite.pages().show(QString::fromLatin1(state.page));
    if (!QTest::qWaitForWindowExposed(window)) return 1;
    apply(window, state);
    ok &= save(
        window, folder,
        QString::fromLatin1(state.page) + QLatin1Char('-') + QString::fromLatin1(state.suffix));
  }
  {
    // The analyses: the flight page's range of results (slope from 30° to 60°), and the curve
    // page's calculation sheet after a range was run for it, with a page of its PDF.
    Application suite(dialogs, 0, QDate(2026, 12, 7));
    suite.setEndProgram([] {});
    const auto analyse = [&](const char* page,
                             std::vector<std::pair<const char*, const char*>> typed,
                             const char* calculate, const char* low, const char* high,
                             const char* from, const char* to) -> QWidget* {
      QWidget* window = suite.pages().show(QString::fromLatin1(page));
      if (!QTest::qWaitForWindowExposed(window)) return nullptr;
      for (const auto& [box, text] : typed)
        window->findChild<QLineEdit*>(QString::fromLatin1(box))->setText(QString::fromUtf8(text));
      if (calculate != nullptr)
        window->findChild<QAbstractButton*>(QString::fromLatin1(calculate))->click();
      window->findChild<QAction*>(QStringLiteral("mnuRange"))->trigger();
      RangeForm* range = nullptr;
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmRange") && top->isVisible() &&
            top->windowTitle().endsWith(window->windowTitle()))
          range = static_cast<RangeForm*>(top);
      if (range == nullptr) return nullptr;
      range->findChild<QLineEdit*>(QString::fromLatin1(low))->setText(QString::fromLatin1(from));
      range->findChild<QLineEdit*>(QString::fromLatin1(high))->setText(QString::fromLatin1(to));
      range->findChild<QAbstractButton*>(QStringLiteral("cmdRun"))->click();
      while (range->running()) QTest::qWait(50);
      QTest::qWait(100);
      return range;
    };
    QWidget* flightRange = analyse("frmFlight", {{"txtTheta", "40"}, {"txth", "0"}, {"txtL", "15"}},
                                   nullptr, "txtTheta_low", "txtTheta_high", "30", "60");
    ok &= flightRange != nullptr && save(flightRange, folder, QStringLiteral("frmRange-flight"));
    QWidget* curveRange = analyse(
        "frmCurve",
        {{"txtChord", "28"}, {"txtOrdinate", "2"}, {"txtDeceleration", "0.7"}, {"txtCamber", "0"}},
        "Command1", "txtDeceleration_low", "txtDeceleration_high", "0.65", "0.75");
    ok &= curveRange != nullptr;
    QWidget* curve = suite.pages().show(QStringLiteral("frmCurve"));
    curve->findChild<QAction*>(QStringLiteral("mnuSheet"))->trigger();
    SheetForm* sheet = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == QLatin1String("frmSheet") && top->isVisible())
        sheet = static_cast<SheetForm*>(top);
    if (sheet != nullptr) {
      sheet->findChild<QLineEdit*>(QStringLiteral("txtCaseRef"))
          ->setText(QStringLiteral("RTC/2026/118"));
      sheet->findChild<QLineEdit*>(QStringLiteral("txtInvestigator"))
          ->setText(QStringLiteral("PC 4411 Marsh"));
      // As if typed: the shared header follows the boxes.
      for (const char* box : {"txtCaseRef", "txtInvestigator"})
        emit sheet->findChild<QLineEdit*>(QString::fromLatin1(box))->textEdited({});
      ok &= save(sheet, folder, QStringLiteral("frmSheet-curve"));
      const QString pdf = folder + QStringLiteral("/frmSheet-curve.pdf");
      const bool written = PrintService::paintToPdf(
          [sheet](QPrinter& printer) { return sheet->paint(printer); }, pdf);
      std::printf("%s %s\n", written ? "wrote" : "FAILED", qPrintable(pdf));
      ok &= written;
    } else {
      ok = false;
    }
  }
  {
    // The crush page as its report prints: the light background, without the buttons.
    PictureHost host(folder + QStringLiteral("/frmCrush-report.png"));
    CrushForm crush(host, dialogs);
    crush.show();
    if (QTest::qWaitForWindowExposed(&crush)) crush.mnuPrintform_Click();
    std::printf("%s %s/frmCrush-report.png\n", host.saved() ? "wrote" : "FAILED",
                qPrintable(folder));
    ok &= host.saved();
  }
  return ok ? 0 : 1;
}
