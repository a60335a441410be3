#include "harness.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <unordered_set>

#include "fields/field_text.h"

namespace kelvara::fuzz {

namespace {

// A handler that takes longer than this has hung, as far as an investigator can tell.
constexpr auto kHandlerBound = std::chrono::seconds(2);
// No handler has a reason to show more boxes than this in one run.
constexpr std::size_t kMostBoxesPerHandler = 200;

constexpr std::size_t kLongestNumber = 20;     // digits of a number built from the bytes
constexpr int kWidestExponent = 400;           // beyond a double both ways

std::string lower(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return result;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The trail of actions of this input, printed with a finding.
std::vector<std::string>& trail() {
  static std::vector<std::string> actions;
  return actions;
}

}  // namespace

const std::vector<std::string>& awkwardTexts() {
  static const std::vector<std::string> texts{
      "", " ", "  ", "\t", "\n", "0", "-0", "+0", "00", "0.0", "1", "-1", "2", "3", "5", "7",
      "9", "10", "12", "15", "20", "24", "30", "31", "45", "50", "59", "60", "61", "80", "89",
      "90", "91", "100", "180", "270", "360", "361", "1000", "1500", "2000", "2026", "9999",
      "32767", "32768", "65535", "65536", "100000", "1000000", "0.5", "-0.5", "0.1", "0.01",
      "0.0001", "0.00001", "1E-05", "0.7", "0.8", "1.1", "1.5", "9.81", "-9.81", "-15", "-10",
      "3.14159", "12.345", "2.675", "0.005", "1E15", "1E16", "99999999999999999999",
      "1E308", "-1E308", "1.7976931348623157E308", "1.8E308", "1E400", "-1E400", "1E-400",
      "4.9E-324", "1E-320", "1D3", "1e3", "2E", "2E+", "E5", ".", "-", "+", ".5", "5.",
      "-.5", "1.2.3", "1,5", "1,000", "--1", "+-1", "1 2", " 7 ", "&H", "&HFF", "&H7FFFFFFF",
      "&HFFFFFFFFFFFFFFFFFFFF", "&O", "&O17", "&o777", "abc", "x", "NZ", "SV", "TQ", "hp", "nan",
      "NaN", "inf", "-inf", "Infinity", "12:30", "23:59", "0:00", "\xC2\xA0" "5", "\xC2\xB0",
  };
  return texts;
}

std::string Input::text() {
  const std::vector<std::string>& texts = awkwardTexts();
  const std::uint8_t choice = byte();
  if (choice < texts.size()) return texts[choice];
  if (choice < 224) {
    std::string joined = texts[pick(texts.size())];
    return joined + texts[pick(texts.size())];
  }
  if (choice < 255) {
    std::string number = byte() & 1 ? "-" : "";
    const std::size_t digits = 1 + pick(kLongestNumber);
    const std::size_t point = pick(digits + 1);
    for (std::size_t i = 0; i < digits; ++i) {
      if (i == point && i > 0) number += '.';
      number += static_cast<char>('0' + byte() % 10);
    }
    if (byte() & 1)
      number += "E" + std::to_string(static_cast<int>(word() % (2 * kWidestExponent + 1)) -
                                     kWidestExponent);
    return number;
  }
  const std::size_t length = byte();
  std::string literal;
  for (std::size_t i = 0; i < length && !done(); ++i) literal += static_cast<char>(byte());
  return literal;
}

// ---- shapes -------------------------------------------------------------------------------

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

// ---- checks -------------------------------------------------------------------------------

bool showsNonFiniteWord(std::string_view text) {
  const std::string low = lower(text);
  for (const char* bad : {"nan", "inf"}) {
    for (std::size_t at = low.find(bad); at != std::string::npos; at = low.find(bad, at + 1)) {
      std::size_t from = at;
      while (from > 0 && isLetter(low[from - 1])) --from;
      std::size_t to = at + 3;
      while (to < low.size() && isLetter(low[to])) ++to;
      const std::string word = low.substr(from, to - from);
      if (word == "nan" || word == "inf" || word == "infinity" || word == "snan" ||
          word == "qnan" || word == "nanq" || word == "nans")
        return true;
    }
  }
  return false;
}

void finding(const std::string& what) {
  std::fprintf(stderr, "\n*** FINDING: %s\n*** after:", what.c_str());
  for (const std::string& action : trail()) std::fprintf(stderr, "\n    %s", action.c_str());
  std::fprintf(stderr, "\n");
  std::abort();
}

int FuzzDialogs::show(const Message& message) {
  if (beforeEachBox) beforeEachBox();
  for (const std::string& line : message.lines)
    if (showsNonFiniteWord(line)) finding("a message shows a failed figure: " + message.text());
  if (++shownSinceReset > kMostBoxesPerHandler) finding("a handler shows box after box");
  trail().push_back("  box: " + message.text().substr(0, 60));
  if ((message.code & MessageCode::YesNo) == MessageCode::YesNo)
    return input_.byte() & 1 ? Answer::No : Answer::Yes;
  return Answer::Ok;
}

namespace {

class Player {
 public:
  Player(Input& input, FuzzDialogs& dialogs, const PageTable& table)
      : input_(input), dialogs_(dialogs), table_(table) {
    for (const Box& box : table_.boxes) held_.insert(box.box->text);
    for (const Caption& caption : table_.captions) atLoad_.push_back(caption.label->caption);
  }

  void play() {
    check("at load", snapshot());
    while (!input_.done()) step();
  }

 private:
  std::vector<std::string> snapshot() const {
    std::vector<std::string> texts;
    for (const Box& box : table_.boxes) texts.push_back(box.box->text);
    return texts;
  }

  void step() {
    switch (input_.byte() % 5) {
      case 0: type(); break;
      case 1: press(); break;
      case 2: scroll(); break;
      case 3: choose(); break;
      case 4: tick(); break;
    }
  }

  void type() {
    if (table_.boxes.empty()) return;
    const Box& box = table_.boxes[input_.pick(table_.boxes.size())];
    const std::string text = input_.text();
    if (!box.typeable || !box.box->enabled || !box.box->visible) return;
    trail().push_back(std::string("type into ") + box.name + ": \"" + text + "\"");
    held_.insert(text);
    typed_.push_back(lower(text));
    if (box.change) {
      run(std::string(box.name) + "_Change", [&] {
        box.box->text = text;
        box.change();
      });
    } else {
      box.box->text = text;
    }
  }

  void press() {
    if (table_.handlers.empty()) return;
    const Handler& handler = table_.handlers[input_.pick(table_.handlers.size())];
    if (handler.button != nullptr && (!handler.button->enabled || !handler.button->visible))
      return;
    run(handler.name, handler.run);
  }

  void scroll() {
    if (table_.scrolls.empty()) return;
    const Scroll& scroll = table_.scrolls[input_.pick(table_.scrolls.size())];
    ScrollBar& bar = *scroll.bar;
    const std::uint8_t how = input_.byte();
    const int sign = how & 1 ? -1 : 1;
    int to = bar.value;
    switch ((how >> 1) % 4) {
      case 0: to += sign * bar.smallChange; break;
      case 1: to += sign * bar.largeChange; break;
      case 2: to = bar.minimum + input_.word() % (bar.maximum - bar.minimum + 1); break;
      case 3: to = sign < 0 ? bar.minimum : bar.maximum; break;
    }
    if (!bar.enabled || !bar.visible) return;
    run(std::string(scroll.name) + " to " + std::to_string(to), [&] {
      if (moveScrollBar(bar, to)) scroll.change();
    });
  }

  void choose() {
    if (table_.optionGroups.empty()) return;
    const auto& group = table_.optionGroups[input_.pick(table_.optionGroups.size())];
    const OptionChoice& choice = group[input_.pick(group.size())];
    OptionButton& option = *choice.option;
    if (!option.enabled || !option.visible || option.value) return;
    run(std::string(choice.name) + "_Click", [&] {
      for (const OptionChoice& other : group) other.option->value = false;
      option.value = true;
      if (choice.click) choice.click();
    });
  }

  void tick() {
    if (table_.checks.empty()) return;
    const Check& check = table_.checks[input_.pick(table_.checks.size())];
    if (!check.box->enabled || !check.box->visible) return;
    run(std::string(check.name) + "_Click", [&] {
      check.box->value = !check.box->value;
      if (check.click) check.click();
    });
  }

  template <class Body>
  void run(const std::string& name, Body&& body) {
    trail().push_back(name);
    const std::vector<std::string> before = snapshot();
    dialogs_.shownSinceReset = 0;
    dialogs_.beforeEachBox = [this, &before, &name] { check(name + " (at a box)", before); };
    const auto start = std::chrono::steady_clock::now();
    try {
      body();
    } catch (const std::exception& failure) {
      finding(name + " let an exception escape: " + failure.what());
    } catch (...) {
      finding(name + " let an exception escape");
    }
    if (std::chrono::steady_clock::now() - start > kHandlerBound)
      finding(name + " did not return in time");
    dialogs_.beforeEachBox = nullptr;
    check(name, before);
    for (std::size_t i = 0; i < table_.boxes.size(); ++i)
      if (table_.boxes[i].box->text != before[i]) held_.insert(table_.boxes[i].box->text);
  }

  void check(const std::string& where, const std::vector<std::string>& before) {
    for (std::size_t i = 0; i < table_.boxes.size(); ++i) {
      const Box& box = table_.boxes[i];
      const std::string& text = box.box->text;
      if (box.echoesTyping || text == before[i] || text.empty() || held_.count(text) != 0)
        continue;
      const auto shape = std::find_if(box.shapes.begin(), box.shapes.end(),
                                      [&](const Shape& s) { return s.matches(text); });
      if (shape == box.shapes.end())
        finding(where + ": " + box.name + " holds a text of none of its shapes: \"" + text +
                "\"");
      if (!shape->isLiteral() && showsNonFiniteWord(text))
        finding(where + ": " + box.name + " shows a failed figure: \"" + text + "\"");
    }
    for (std::size_t i = 0; i < table_.captions.size(); ++i) {
      const Caption& caption = table_.captions[i];
      if (caption.label->caption == atLoad_[i]) continue;
      std::string text = lower(caption.label->caption);
      // What the investigator typed may stand in a caption as typed; the longest first, so
      // that no shorter text typed earlier cuts into it.
      std::vector<std::string> longestFirst = typed_;
      std::sort(longestFirst.begin(), longestFirst.end(),
                [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
      for (const std::string& typed : longestFirst) {
        if (typed.empty()) continue;
        for (std::size_t at = text.find(typed); at != std::string::npos; at = text.find(typed))
          text.erase(at, typed.size());
      }
      if (showsNonFiniteWord(text))
        finding(where + ": " + caption.name + " shows a failed figure: \"" +
                caption.label->caption + "\"");
    }
  }

  Input& input_;
  FuzzDialogs& dialogs_;
  const PageTable& table_;
  std::unordered_set<std::string> held_;  // every text any box has held, typed or checked
  std::vector<std::string> typed_;
  std::vector<std::string> atLoad_;
};

}  // namespace

void exercise(Input& input, FuzzDialogs& dialogs, const PageTable& table) {
  trail().clear();
  Player player(input, dialogs, table);
  player.play();
  // KELVARA_FUZZ_TRACE=1 shows what an input did: run a target on one file to read a seed.
  if (std::getenv("KELVARA_FUZZ_TRACE") == nullptr) return;
  for (const std::string& action : trail()) std::fprintf(stderr, "%s\n", action.c_str());
  for (const Box& box : table.boxes)
    std::fprintf(stderr, "  %s = \"%s\"\n", box.name, box.box->text.c_str());
}

}  // namespace kelvara::fuzz
