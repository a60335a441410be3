#pragma once
// What a box written by its page may hold, as a pattern of literal text and slots:
// "{###0.000}" a number through that mask, "{~}" a shortest text (a minus sign may stand
// before it), "{n}" any decimal number as typed, "{*}" any text at all. For example
// "{###0.000}  m/s  or  {###0.000} mph": two figures, in m/s and in mph.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

class Shape {
 public:
  Shape(const char* pattern) : Shape(std::string_view(pattern)) {}  // NOLINT: a table entry
  explicit Shape(std::string_view pattern);
  bool matches(std::string_view text) const;
  bool isLiteral() const { return pieces_.size() == 1 && pieces_[0].kind == Kind::Literal; }
  // The figures a text of this shape carries: one for each number slot.
  std::size_t figureCount() const;
  // The figures of a text of this shape, in order; nothing for a text of another shape.
  // exact: each figure written exactly as its mask writes it; else any number in its place
  // (reading back a text known to be of this shape, many times a second).
  std::optional<std::vector<double>> figures(std::string_view text, bool exact = true) const;
  // A text of this shape carrying the figures, as the page writes them.
  std::string format(const std::vector<double>& figures) const;
  // The unit written after a figure ("m/s" of "{###0.000}  m/s  or  {###0.000} mph").
  std::string unitAfter(std::size_t figure) const;

 private:
  enum class Kind { Literal, Mask, Shortest, Number, Anything };
  struct Piece {
    Kind kind;
    std::string text;  // the literal or the mask
  };
  bool matchFrom(std::string_view text, std::size_t piece, bool exact,
                 std::vector<std::string_view>* tokens) const;
  static bool slotAccepts(const Piece& slot, std::string_view token, bool exact);

  std::vector<Piece> pieces_;
};

}  // namespace kelvara
