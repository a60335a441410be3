#pragma once
// The running suite: the menu window, the page registry and the services pages use.

#include <QDate>
#include <map>
#include <memory>
#include <string>

#include "analysis/range_form.h"
#include "fields/page_host.h"
#include "fields/qt_dialogs.h"
#include "shell/menu_form.h"
#include "shell/page_registry.h"
#include "shell/print_service.h"
#include "shell/sheet_form.h"

namespace kelvara {

class Application : public PageHost {
 public:
  // dialogs shows every message box of the suite; photograph (0 to 2) is the menu's picture.
  Application(Dialogs& dialogs, int photograph, const QDate& today);
  ~Application() override;

  // Shows the menu window.
  void start();

  MenuForm& menu() { return *menu_; }
  PageRegistry& pages() { return registry_; }
  PrintService& printService() { return printService_; }

  void showMenu() override;
  void endProgram() override;
  void printWindow(QWidget& window) override;
  void printSheets(QWidget& window, const std::vector<QWidget*>& sheets) override;
  void showPage(const char* page) override;
  bool offersAnalysis() const override { return true; }
  void openRange(QWidget& page) override;
  void openSheet(QWidget& page) override;

  // Replaces how the program ends (tests watch for it instead of quitting).
  void setEndProgram(std::function<void()> end) { end_ = std::move(end); }

 private:
  void registerPages();
  template <class Form>
  void registerForm(const char* page);

  Dialogs& dialogs_;
  QtBeeper beeper_;
  PrintService printService_;
  PageRegistry registry_;
  // Each page's Range of results window, by page; closed before the pages they analyse.
  std::map<std::string, std::unique_ptr<RangeForm>> ranges_;
  // Each page's Calculation sheet, and the header every sheet shares.
  std::map<std::string, std::unique_ptr<SheetForm>> sheets_;
  analysis::SheetHeader sheetHeader_;
  std::unique_ptr<MenuForm> menu_;
  std::function<void()> end_;
};

// A photograph index drawn from a generator seeded by the clock.
int randomPhotograph();

}  // namespace kelvara
