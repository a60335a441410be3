#pragma once
// A page that is not built yet: its window with its name and caption, Menu and Exit.

#include "fields/page_window.h"

namespace kelvara {

class PlaceholderForm : public PageWindow {
  Q_OBJECT

 public:
  PlaceholderForm(PageHost& host, Dialogs& dialogs, const char* objectName,
                  const QString& caption);
};

}  // namespace kelvara
