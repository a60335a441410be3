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

}  // namespace kelvara
