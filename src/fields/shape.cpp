#include "fields/shape.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

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

namespace {

// A figure written plainly, as a page writes it into a box (digits, a sign, a point, an
// exponent), read in one pass.
std::optional<double> plainFigure(std::string_view token) {
  if (token.empty()) return std::nullopt;
  const char first = token.front();
  if (std::isdigit(static_cast<unsigned char>(first)) == 0 && first != '-' && first != '.')
    return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

}  // namespace

bool Shape::matches(std::string_view text) const { return matchFrom(text, 0, true, nullptr); }

std::optional<std::vector<double>> Shape::figures(std::string_view text, bool exact) const {
  std::vector<std::string_view> tokens;
  tokens.reserve(pieces_.size());
  if (!matchFrom(text, 0, exact, &tokens)) return std::nullopt;
  std::vector<double> figures;
  figures.reserve(tokens.size());
  for (std::string_view token : tokens) {
    const std::optional<double> plain = plainFigure(token);
    figures.push_back(plain ? *plain : strictNumber(token));
  }
  return figures;
}

bool Shape::matchFrom(std::string_view text, std::size_t piece, bool exact,
                      std::vector<std::string_view>* tokens) const {
  if (piece == pieces_.size()) return text.empty();
  const Piece& here = pieces_[piece];
  if (here.kind == Kind::Literal) {
    if (text.substr(0, here.text.size()) != here.text) return false;
    return matchFrom(text.substr(here.text.size()), piece + 1, exact, tokens);
  }
  // A slot ends where the next literal begins, or at the end of the text; a number slot's
  // token is kept as a figure on the way that matches.
  const auto take = [&](std::string_view token, std::string_view rest) {
    if (!slotAccepts(here, token, exact)) return false;
    const bool figure = tokens != nullptr && here.kind != Kind::Anything;
    if (figure) tokens->push_back(token);
    if (rest.empty() && piece + 1 == pieces_.size()) return true;
    if (piece + 1 < pieces_.size() && matchFrom(rest, piece + 1, exact, tokens)) return true;
    if (figure) tokens->pop_back();
    return false;
  };
  if (piece + 1 == pieces_.size()) return take(text, {});
  const std::string& next = pieces_[piece + 1].text;
  for (std::size_t end = text.find(next); end != std::string_view::npos;
       end = text.find(next, end + 1))
    if (take(text.substr(0, end), text.substr(end))) return true;
  return false;
}

std::string Shape::format(const std::vector<double>& figures) const {
  std::string text;
  std::size_t next = 0;
  for (const Piece& piece : pieces_) {
    if (piece.kind == Kind::Literal) {
      text += piece.text;
    } else if (piece.kind != Kind::Anything) {
      const double figure = next < figures.size() ? figures[next] : 0.0;
      ++next;
      text += piece.kind == Kind::Mask ? maskFormat(figure, piece.text) : shortestText(figure);
    }
  }
  return text;
}

std::string Shape::unitAfter(std::size_t figure) const {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    if (pieces_[i].kind == Kind::Literal || pieces_[i].kind == Kind::Anything) continue;
    if (seen++ != figure) continue;
    if (i + 1 == pieces_.size() || pieces_[i + 1].kind != Kind::Literal) return {};
    // The words after the figure up to the next "or": "m/s" of "  m/s       or  ".
    std::string unit = pieces_[i + 1].text;
    if (const std::size_t joint = unit.find(" or "); joint != std::string::npos)
      unit.erase(joint);
    const std::size_t first = unit.find_first_not_of(' ');
    const std::size_t last = unit.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : unit.substr(first, last - first + 1);
  }
  return {};
}

bool Shape::slotAccepts(const Piece& slot, std::string_view token, bool exact) {
  if (!exact && (slot.kind == Kind::Mask || slot.kind == Kind::Shortest))
    return plainFigure(token).has_value();
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
