#pragma once
// Message boxes on screen: a modal QMessageBox per message.

#include "fields/message.h"

namespace kelvara {

class QtDialogs : public Dialogs {
 public:
  int show(const Message& message) override;
};

}  // namespace kelvara
