#include "harness.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
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

// The page as the player sees it: what can be typed, pressed, moved, chosen and ticked.
struct Box {
  std::string name;
  TextBox* box;
  std::vector<Shape> shapes;  // what the page writes into it
  bool typeable;
  bool echoesTyping;
  std::function<void()> change;  // the box's Change handler, if it has one
};

struct Caption {
  std::string name;
  Label* label;
};

struct Handler {
  std::string name;
  std::function<void()> run;
  const ControlDescription* control;  // pressed only while enabled and shown; null: always
};

struct Scroll {
  std::string name;
  ScrollBar* bar;
  std::function<void()> change;
};

struct OptionChoice {
  std::string name;
  OptionButton* option;
  std::function<void()> click;
};

struct Check {
  std::string name;
  CheckBox* box;
  std::function<void()> click;
};

struct PageTable {
  std::vector<Box> boxes;
  std::vector<Handler> handlers;
  std::vector<Caption> captions;
  std::vector<Scroll> scrolls;
  std::vector<std::vector<OptionChoice>> optionGroups;
  std::vector<Check> checks;
};

bool shownAndEnabled(const ControlDescription& control) {
  return std::visit([](const auto* c) { return c->enabled && c->visible; }, control.state);
}

PageTable tableOf(const PageDescription& page, const std::vector<ExtraAction>& extras = {}) {
  PageTable table;
  for (const ControlDescription& c : page.controls) {
    const std::string name(c.name);
    if (TextBox* box = c.get<TextBox>()) {
      table.boxes.push_back({name, box, c.shapes, c.role != Role::Fixed, c.echoesTyping,
                             page.runFor(c.name, Event::Change)});
    } else if (Label* label = c.get<Label>()) {
      table.captions.push_back({name, label});
    } else if (ScrollBar* bar = c.get<ScrollBar>()) {
      table.scrolls.push_back({name, bar, page.runFor(c.name, Event::Change)});
    } else if (OptionButton* option = c.get<OptionButton>()) {
      if (c.group >= static_cast<int>(table.optionGroups.size()))
        table.optionGroups.resize(static_cast<std::size_t>(c.group) + 1);
      table.optionGroups[static_cast<std::size_t>(c.group)].push_back(
          {name, option, page.runFor(c.name, Event::Click)});
    } else if (CheckBox* check = c.get<CheckBox>()) {
      table.checks.push_back({name, check, page.runFor(c.name, Event::Click)});
    }
  }
  // Buttons, menu items, the pictures and labels that answer a click, and double clicks;
  // options and check boxes are chosen and ticked instead of clicked.
  for (const HandlerDescription& handler : page.handlers) {
    const ControlDescription* control = page.find(handler.control);
    const bool chosen = control != nullptr && (control->kind == ControlKind::Option ||
                                                control->kind == ControlKind::CheckBox);
    if (handler.event == Event::Load || handler.event == Event::Change ||
        (chosen && handler.event != Event::DoubleClick))
      continue;
    table.handlers.push_back({handler.name, handler.run, control});
  }
  for (const ExtraAction& extra : extras)
    table.handlers.push_back({extra.name, extra.run, nullptr});
  return table;
}

class Player {
 public:
  Player(Input& input, FuzzDialogs& dialogs, const PageDescription& page,
         const std::vector<ExtraAction>& extras)
      : input_(input), dialogs_(dialogs), table_(tableOf(page, extras)) {
    for (const Box& box : table_.boxes) held_.insert(box.box->text);
    for (const Caption& caption : table_.captions) atLoad_.push_back(caption.label->caption);
  }

  void play() {
    // No text with figures in it shows a failed figure when the page opens (prose and the
    // word "Infinity" may stand in a fixed text).
    const auto atLoad = [](const std::string& name, const std::string& text) {
      if (text.find_first_of("0123456789") != std::string::npos && showsNonFiniteWord(text))
        finding("at load: " + name + " shows \"" + text + "\"");
    };
    for (const Box& box : table_.boxes) atLoad(box.name, box.box->text);
    for (const Caption& caption : table_.captions) atLoad(caption.name, caption.label->caption);
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
    if (handler.control != nullptr && !shownAndEnabled(*handler.control)) return;
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
  const PageTable table_;
  std::unordered_set<std::string> held_;  // every text any box has held, typed or checked
  std::vector<std::string> typed_;
  std::vector<std::string> atLoad_;
};

}  // namespace

// ---- seeds ----------------------------------------------------------------------------------

int SeedDialogs::show(const Message& message) {
  if ((message.code & MessageCode::YesNo) != MessageCode::YesNo) return Answer::Ok;
  const int answer = next_ < answers_.size() ? answers_[next_++] : Answer::No;
  bytes_.push_back(answer == Answer::Yes ? 0 : 1);  // as FuzzDialogs reads it
  return answer;
}

void encodeExample(const PageDescription& page, const WorkedExample& example,
                   std::vector<std::uint8_t>& bytes) {
  const PageTable table = tableOf(page);
  const auto indexOf = [](const auto& list, std::string_view name) {
    std::size_t i = 0;
    while (i < list.size() && list[i].name != name) ++i;
    return i;
  };
  const auto index = [](std::size_t i) { return static_cast<std::uint8_t>(i); };
  for (const ExampleStep& step : example.steps) {
    if (step.kind == ExampleStep::Kind::Run) {
      // Options, check boxes and scroll bars ran their handlers as they were given.
      const std::size_t h = indexOf(table.handlers, step.control);
      if (h == table.handlers.size()) continue;
      bytes.insert(bytes.end(), {1, index(h)});
      table.handlers[h].run();
      continue;
    }
    const std::string& value = step.value;
    if (const std::size_t b = indexOf(table.boxes, step.control); b < table.boxes.size()) {
      const Box& box = table.boxes[b];
      if (!box.typeable || value.size() > 255) continue;
      bytes.insert(bytes.end(), {0, index(b), 255, index(value.size())});
      bytes.insert(bytes.end(), value.begin(), value.end());
      box.box->text = value;
      if (box.change) box.change();
    } else if (const std::size_t c = indexOf(table.checks, step.control); c < table.checks.size()) {
      const Check& check = table.checks[c];
      if (check.box->value == (value == "True")) continue;
      bytes.insert(bytes.end(), {4, index(c)});
      check.box->value = !check.box->value;
      if (check.click) check.click();
    } else if (const std::size_t s = indexOf(table.scrolls, step.control);
               s < table.scrolls.size()) {
      ScrollBar& bar = *table.scrolls[s].bar;
      const int offset = std::stoi(value) - bar.minimum;
      bytes.insert(bytes.end(), {2, index(s), 4, index(offset & 0xFF), index(offset >> 8)});
      if (moveScrollBar(bar, std::stoi(value))) table.scrolls[s].change();
    } else {
      for (std::size_t g = 0; g < table.optionGroups.size(); ++g) {
        const auto& group = table.optionGroups[g];
        const std::size_t o = indexOf(group, step.control);
        if (o == group.size() || value != "True" || group[o].option->value) continue;
        bytes.insert(bytes.end(), {3, index(g), index(o)});
        for (const OptionChoice& other : group) other.option->value = false;
        group[o].option->value = true;
        if (group[o].click) group[o].click();
      }
    }
  }
}

void writeSeedsIfAsked(const char* program, std::string_view page, const ExampleEncoder& encode) {
  const char* folder = std::getenv("KELVARA_FUZZ_SEEDS");
  if (folder == nullptr) return;
  std::string target = program;
  target = target.substr(target.find_last_of('/') + 1);
  if (target.rfind("fuzz_", 0) == 0) target.erase(0, 5);
  const std::filesystem::path where = std::filesystem::path(folder) / target;
  std::filesystem::create_directories(where);
  int number = 0;
  for (const WorkedExample& example : workedExamples()) {
    if (example.page != page) continue;
    const std::vector<std::uint8_t> bytes = encode(example);
    std::ofstream file(where / ("example-" + std::to_string(++number)), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  std::fprintf(stderr, "%d seeds in %s\n", number, where.c_str());
  std::exit(0);
}

void exercise(Input& input, FuzzDialogs& dialogs, const PageDescription& page,
              const std::vector<ExtraAction>& extras) {
  trail().clear();
  Player player(input, dialogs, page, extras);
  player.play();
  // KELVARA_FUZZ_TRACE=1 shows what an input did: run a target on one file to read a seed.
  if (std::getenv("KELVARA_FUZZ_TRACE") == nullptr) return;
  for (const std::string& action : trail()) std::fprintf(stderr, "%s\n", action.c_str());
  for (const ControlDescription& control : page.controls)
    if (const TextBox* box = control.get<TextBox>())
      std::fprintf(stderr, "  %.*s = \"%s\"\n", static_cast<int>(control.name.size()),
                   control.name.data(), box->text.c_str());
}

}  // namespace kelvara::fuzz
