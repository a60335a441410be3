#include "fields/shape.h"

#include "fields/field_text.h"

namespace kelvara {

Shape::Shape(std::string_view pattern) {
  std::size_t at = 0;
  while (at < pattern.size()) {
    const std::size_t open = pattern.find('{', at);
    if (open != at) {
      const std::size_t end = open == std::string_view::npos ? pattern.size() : open;
      pieces_.push_back({Kind::Literal, std::string(pattern.substr(at, end - at))});
      at = end;
      continue;
    }
    const std::size_t close = pattern.find('}', open);
    const std::string slot(pattern.substr(open + 1, close - open - 1));
    if (slot == "~") pieces_.push_back({Kind::Shortest, ""});
    else if (slot == "n") pieces_.push_back({Kind::Number, ""});
    else if (slot == "*") pieces_.push_back({Kind::Anything, ""});
    else pieces_.push_back({Kind::Mask, slot});
    at = close + 1;
  }
  if (pieces_.empty()) pieces_.push_back({Kind::Literal, ""});
}

bool Shape::matches(std::string_view text) const { return matchFrom(text, 0); }

bool Shape::matchFrom(std::string_view text, std::size_t piece) const {
  if (piece == pieces_.size()) return text.empty();
  const Piece& here = pieces_[piece];
  if (here.kind == Kind::Literal) {
    if (text.substr(0, here.text.size()) != here.text) return false;
    return matchFrom(text.substr(here.text.size()), piece + 1);
  }
  // A slot ends where the next literal begins, or at the end of the text.
  if (piece + 1 == pieces_.size()) return slotAccepts(here, text);
  const std::string& next = pieces_[piece + 1].text;
  for (std::size_t end = text.find(next); end != std::string_view::npos;
       end = text.find(next, end + 1)) {
    if (slotAccepts(here, text.substr(0, end)) && matchFrom(text.substr(end), piece + 1))
      return true;
  }
  return false;
}

bool Shape::slotAccepts(const Piece& slot, std::string_view token) {
  switch (slot.kind) {
    case Kind::Anything: return true;
    case Kind::Number: return isNumericText(token);
    case Kind::Shortest: {
      if (!token.empty() && token.front() == '-') token.remove_prefix(1);
      return !token.empty() && token.front() != '-' && isNumericText(token) &&
             shortestText(strictNumber(token)) == token;
    }
    case Kind::Mask:
      return !token.empty() && token.find_first_of(" \t") == std::string_view::npos &&
             isNumericText(token) && maskFormat(strictNumber(token), slot.text) == token;
    case Kind::Literal: break;
  }
  return false;
}

std::size_t Shape::figureCount() const {
  std::size_t count = 0;
  for (const Piece& piece : pieces_)
    if (piece.kind == Kind::Mask || piece.kind == Kind::Shortest || piece.kind == Kind::Number)
      ++count;
  return count;
}

}  // namespace kelvara
