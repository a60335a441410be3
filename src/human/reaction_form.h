#pragma once
// The reaction times and walking speeds window: a reference sheet to read or print.

#include "fields/page_window.h"
#include "human/reaction_page.h"

namespace kelvara {

class ReactionForm : public PageWindow {
  Q_OBJECT

 public:
  ReactionForm(PageHost& host, Dialogs& dialogs);

 private:
  ReactionPage page_;
};

}  // namespace kelvara
