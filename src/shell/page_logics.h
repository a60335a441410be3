#pragma once
// Every calculator page's logic, without its window: built afresh by its page's name
// (frmCurve) with a Dialogs of the caller's, and read through its description. The
// worked-examples runner, the benchmarks and the tests drive pages through this.

#include <memory>
#include <string_view>
#include <vector>

#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

// The names of the pages, in the menu's order.
const std::vector<std::string_view>& pageLogicNames();

// The window title of the named page; empty for a name no page has.
std::string_view pageLogicTitle(std::string_view page);

// A fresh copy of the named page's logic, its Load handlers run as its window runs them
// when it opens; null for a name no page has.
std::unique_ptr<PageLogic> openPageLogic(std::string_view page, Dialogs& dialogs);

}  // namespace kelvara
