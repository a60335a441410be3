#pragma once
// The menu window: the start window and the hub between the calculator pages.

#include <QString>
#include <array>
#include <functional>

#include "fields/page_window.h"
#include "shell/menu_page.h"

class QRadioButton;

namespace kelvara {

class MenuForm : public PageWindow {
  Q_OBJECT

 public:
  using PageOpener = std::function<void(const QString& page)>;

  // openPage shows a page by its objectName; photograph (0 to 2) is the picture shown and
  // date today's date as the menu displays it.
  MenuForm(PageHost& host, Dialogs& dialogs, PageOpener openPage, int photograph,
           const QString& date);

  MenuPage& logic() { return page_; }

 private:
  void openEntryPage(const char* page);
  QWidget* buildMenuList();
  QWidget* buildPictures();
  QWidget* buildStopwatch();

  MenuPage page_;
  PageOpener openPage_;
};

// Today's date as the menu shows it, in the machine's language: "Monday,7 December, 2026".
QString menuDateText(const QDate& date);

}  // namespace kelvara
