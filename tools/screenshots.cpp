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
#include <QPixmap>
#include <QTest>
#include <QTextStream>
#include <QWidget>
#include <cstdio>

#include "collision/crush_form.h"
#include "fields/message.h"
#include "fields/page_host.h"
#include "shell/application.h"
#include "shell/menu_page.h"

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

int main(int argc, char* argv[]) {
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
    pages << QStringLiteral("frmDiagram");
    for (const QString& page : pages) {
      QWidget* window = suite.pages().show(page);
      ok &= save(window, folder, page);
      if (page == QStringLiteral("frmFlight")) {
        // The equation, as the Equation menu shows it.
        auto* item = window->findChild<QAction*>(QStringLiteral("mnuEquation"));
        if (item != nullptr) item->trigger();
        ok &= save(window, folder, page + QStringLiteral("-equation"));
      }
      window->hide();
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
