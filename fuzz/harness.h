#pragma once
// What every page's fuzz target shares: the input bytes read as a sequence of the
// investigator's actions (typing into a box, pressing a button or menu entry, moving a
// scroll bar, choosing an option, ticking a check box), a Dialogs that answers Yes or No
// from the same bytes, and the checks made after every handler and before every message
// box. A target only names its page: the controls, handlers and the shapes of what the page
// writes come from the page's own description.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "fields/message.h"
#include "fields/page_description.h"
#include "shell/worked_examples.h"

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

// An action of a target's own besides the page's handlers (time passing on a clock).
struct ExtraAction {
  std::string name;
  std::function<void()> run;
};

// Plays the input's actions on the described page, checking after each one. Aborts with a
// description of the fault on the first finding.
void exercise(Input& input, FuzzDialogs& dialogs, const PageDescription& page,
              const std::vector<ExtraAction>& extras = {});

// True when text shows "nan" or "inf" as a word or inside a number, as a failed figure
// would: "information" and "Infinity typed" are words, "-nan", "inf", "1.#INF" are not.
bool showsNonFiniteWord(std::string_view text);

// Ends the run as a finding: what went wrong, where.
[[noreturn]] void finding(const std::string& what);

// A page built as its window builds it: with the dialogs, unless it is a page of fixed
// texts that shows no message.
template <class Page>
Page openPage(Dialogs& dialogs) {
  if constexpr (std::is_constructible_v<Page, Dialogs&>)
    return Page(dialogs);
  else
    return Page();
}

// A page's target: FUZZ_PAGE(NewtonPage) builds the page afresh for every input, runs its
// Load handlers as its window does, and plays the input on it.
template <class Page>
int fuzzPage(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  FuzzDialogs dialogs(input);
  Page page = openPage<Page>(dialogs);
  const PageDescription description = page.describe();
  description.load();
  exercise(input, dialogs, description);
  return 0;
}

// ---- Seeds: each worked example of the page, as the input bytes that play it.

// Answers the Yes/No boxes from an example's answers (No once they run out), writing the
// byte the harness reads for each answer where the box asks for it.
class SeedDialogs : public Dialogs {
 public:
  SeedDialogs(const std::vector<int>& answers, std::vector<std::uint8_t>& bytes)
      : answers_(answers), bytes_(bytes) {}
  int show(const Message& message) override;

 private:
  std::vector<int> answers_;
  std::size_t next_ = 0;
  std::vector<std::uint8_t>& bytes_;
};

// Appends to bytes the actions that play the example on the described page, which was
// built with a SeedDialogs writing to the same bytes; the actions are played as encoded.
void encodeExample(const PageDescription& page, const WorkedExample& example,
                   std::vector<std::uint8_t>& bytes);

using ExampleEncoder = std::function<std::vector<std::uint8_t>(const WorkedExample&)>;
// With KELVARA_FUZZ_SEEDS=<folder> set, writes every example of the page as
// <folder>/<target>/example-N (the target named after the program, fuzz_<target>) and ends.
void writeSeedsIfAsked(const char* program, std::string_view page, const ExampleEncoder& encode);

template <class Page>
void seedsIfAsked(const char* program) {
  std::vector<std::uint8_t> unused;
  SeedDialogs none({}, unused);
  Page named = openPage<Page>(none);
  writeSeedsIfAsked(program, named.describe().page, [](const WorkedExample& example) {
    std::vector<std::uint8_t> bytes;
    SeedDialogs dialogs(example.answers, bytes);
    Page page = openPage<Page>(dialogs);
    const PageDescription description = page.describe();
    description.load();
    encodeExample(description, example, bytes);
    return bytes;
  });
}

#define FUZZ_PAGE(Page)                                                               \
  extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {                           \
    ::kelvara::fuzz::seedsIfAsked<::kelvara::Page>((*argv)[0]);                       \
    return 0;                                                                         \
  }                                                                                   \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
    return ::kelvara::fuzz::fuzzPage<::kelvara::Page>(data, size);                    \
  }

}  // namespace kelvara::fuzz
