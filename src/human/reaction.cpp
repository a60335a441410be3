#include "human/reaction.h"

namespace kelvara::reaction {

std::size_t headingStart(std::string_view header, std::string_view heading, std::size_t from) {
  const std::size_t at = header.find(heading, from);
  return at == std::string_view::npos ? header.size() : at;
}

}  // namespace kelvara::reaction
