#pragma once
// The menu window: the start window and the hub between the calculator pages.

#include <QString>
#include <QTimer>
#include <array>
#include <functional>

#include "fields/page_window.h"
#include "shell/menu_page.h"

class QRadioButton;

namespace kelvara {

// The machine's beep.
class QtBeeper : public Beeper {
 public:
  void beep() override;
};

class MenuForm : public PageWindow {
  Q_OBJECT

 public:
  using PageOpener = std::function<void(const QString& page)>;

  // openPage shows a page by its objectName; photograph (0 to 2) is the picture shown and
  // date today's date as the menu displays it; beeper and clock serve the stopwatch.
  MenuForm(PageHost& host, Dialogs& dialogs, Beeper& beeper, TimerState::Clock clock,
           PageOpener openPage, int photograph, const QString& date);

  MenuPage& logic() { return page_; }

 private:
  void openEntryPage(const char* page);
  QWidget* buildMenuList();
  QWidget* buildPictures();
  QWidget* buildStopwatch();
  // Arms the stopwatch's timer for the next step of a run, or stops it when none runs.
  void scheduleStopwatch();

  MenuPage page_;
  PageOpener openPage_;
  QTimer stopwatchTimer_;
};

// Today's date as the menu shows it, in the machine's language: "Monday,7 December, 2026".
QString menuDateText(const QDate& date);

}  // namespace kelvara
