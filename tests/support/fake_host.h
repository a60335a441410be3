#pragma once
// A PageHost for form tests: records what a page asked of the shell.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "fields/page_host.h"

namespace kelvara::testing {

class FakeHost : public PageHost {
 public:
  void showMenu() override { ++menuShown; }
  void endProgram() override { ++programEnded; }
  void printWindow(QWidget& window) override {
    printed = &window;
    if (onPrint) onPrint(window);
  }
  void showPage(const char* page) override { pagesShown.push_back(page); }

  int menuShown = 0;
  int programEnded = 0;
  QWidget* printed = nullptr;
  // Runs while the window is being printed: to look at it then, or to act as a print
  // service that fails or is cancelled.
  std::function<void(QWidget&)> onPrint;
  std::vector<std::string> pagesShown;
};

}  // namespace kelvara::testing
