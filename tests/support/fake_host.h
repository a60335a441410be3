#pragma once
// A PageHost for form tests: records what a page asked of the shell.

#include <QWidget>
#include <string>
#include <vector>

#include "fields/page_host.h"

namespace kelvara::testing {

class FakeHost : public PageHost {
 public:
  void showMenu() override { ++menuShown; }
  void endProgram() override { ++programEnded; }
  void printWindow(QWidget& window) override { printed = &window; }
  void showPage(const char* page) override { pagesShown.push_back(page); }

  int menuShown = 0;
  int programEnded = 0;
  QWidget* printed = nullptr;
  std::vector<std::string> pagesShown;
};

}  // namespace kelvara::testing
