#pragma once
// What every page's fuzz target shares: the input bytes read as a sequence of the
// investigator's actions (typing into a box, pressing a button or menu entry, moving a
// scroll bar, choosing an option, ticking a check box), a Dialogs that answers Yes or No
// from the same bytes, and the checks made after every handler and before every message
// box. A target only lists its page's controls and handlers in a PageTable.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fields/controls.h"
#include "fields/message.h"

namespace kelvara::fuzz {

// The input bytes, read front to back; past the end every byte reads as 0.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return position_ >= size_; }
  std::uint8_t byte() { return done() ? 0 : data_[position_++]; }
  std::size_t pick(std::size_t count) { return count == 0 ? 0 : byte() % count; }
  std::uint16_t word() { return static_cast<std::uint16_t>(byte() | (byte() << 8)); }

  // A box text: one of the awkward texts, two of them run together, a number built from
  // the bytes, or a literal of up to 255 bytes.
  std::string text();

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

// The texts investigators (and fuzzers) type: numbers of every magnitude, too large for a
// double, blanks, letters, radix prefixes, commas, bare exponents, the empty text.
const std::vector<std::string>& awkwardTexts();

// What a box written by its page may hold, as a pattern of literal text and slots:
// "{###0.000}" a number through that mask, "{~}" a shortest text (a minus sign may stand
// before it), "{n}" any decimal number as typed, "{*}" any text at all. For example
// "{###0.000}  m/s  or  {###0.000} mph".
class Shape {
 public:
  Shape(const char* pattern) : Shape(std::string_view(pattern)) {}  // NOLINT: a table entry
  explicit Shape(std::string_view pattern);
  bool matches(std::string_view text) const;
  bool isLiteral() const { return pieces_.size() == 1 && pieces_[0].kind == Kind::Literal; }

 private:
  enum class Kind { Literal, Mask, Shortest, Number, Anything };
  struct Piece {
    Kind kind;
    std::string text;  // the literal or the mask
  };
  bool matchFrom(std::string_view text, std::size_t piece) const;
  static bool slotAccepts(const Piece& slot, std::string_view token);

  std::vector<Piece> pieces_;
};

struct Box {
  const char* name;
  TextBox* box;
  // What the page writes into it; empty for a box the page only reads (or only clears).
  std::vector<Shape> shapes = {};
  bool typeable = true;  // false for a read-only box
  // A box whose text the page rewrites from what was typed (in capitals, say): not checked.
  bool echoesTyping = false;
  std::function<void()> change = {};  // the box's Change handler, if it has one
};

struct Caption {
  const char* name;
  Label* label;
};

struct Handler {
  const char* name;
  std::function<void()> run;
  const CommandButton* button = nullptr;  // pressed only while enabled
};

struct Scroll {
  const char* name;
  ScrollBar* bar;
  std::function<void()> change;
};

struct OptionChoice {
  const char* name;
  OptionButton* option;
  std::function<void()> click = {};
};

struct Check {
  const char* name;
  CheckBox* box;
  std::function<void()> click = {};
};

struct PageTable {
  std::vector<Box> boxes;
  std::vector<Handler> handlers;
  std::vector<Caption> captions = {};
  std::vector<Scroll> scrolls = {};
  std::vector<std::vector<OptionChoice>> optionGroups = {};
  std::vector<Check> checks = {};
};

// Table entries with the control's own name: FUZZ_CONTROL(page, txtu) gives "txtu", &page.txtu;
// FUZZ_HANDLER(page, cmdClear_Click) a handler entry, optionally gated by its button.
#define FUZZ_CONTROL(page, member) #member, &(page).member
#define FUZZ_HANDLER(page, handler, ...) \
  ::kelvara::fuzz::Handler { #handler, [&page] { (page).handler(); }, __VA_ARGS__ }

// Answers Yes or No from the input; checks the page on screen, and the message's own
// lines, before answering.
class FuzzDialogs : public Dialogs {
 public:
  explicit FuzzDialogs(Input& input) : input_(input) {}
  int show(const Message& message) override;
  // Called before each box is answered: the form copies the page onto the screen then.
  std::function<void()> beforeEachBox;
  std::size_t shownSinceReset = 0;

 private:
  Input& input_;
};

// Plays the input's actions on the page described by table, checking after each one.
// Aborts with a description of the fault on the first finding.
void exercise(Input& input, FuzzDialogs& dialogs, const PageTable& table);

// True when text shows "nan" or "inf" as a word or inside a number, as a failed figure
// would: "information" and "Infinity typed" are words, "-nan", "inf", "1.#INF" are not.
bool showsNonFiniteWord(std::string_view text);

// Ends the run as a finding: what went wrong, where.
[[noreturn]] void finding(const std::string& what);

// A page's target: FUZZ_PAGE(NewtonPage, p) { return PageTable{...}; } lists the page's
// controls for the harness, which builds the page afresh for every input.
#define FUZZ_PAGE(Page, p)                                                            \
  static ::kelvara::fuzz::PageTable describePage(Page& p);                           \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
    return ::kelvara::fuzz::fuzzPage<Page>(data, size, describePage);                 \
  }                                                                                   \
  static ::kelvara::fuzz::PageTable describePage(Page& p)

// The common body of a page's target: builds the page with a FuzzDialogs, lets describe
// list its controls, and plays the input on it.
template <class Page, class Describe>
int fuzzPage(const std::uint8_t* data, std::size_t size, Describe describe) {
  Input input(data, size);
  FuzzDialogs dialogs(input);
  Page page(dialogs);
  const PageTable table = describe(page);
  exercise(input, dialogs, table);
  return 0;
}

}  // namespace kelvara::fuzz
