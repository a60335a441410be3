#include "fields/message.h"

namespace kelvara {

std::string Message::text() const {
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i != 0) joined += '\n';
    joined += lines[i];
  }
  return joined;
}

Message notCalculableMessage() {
  return Message{{"Your values cannot be calculated.", "Clear all boxes and try again."}};
}

}  // namespace kelvara
