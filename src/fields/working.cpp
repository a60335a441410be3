#include "fields/working.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "fields/units.h"

namespace kelvara {

namespace {

// A letter, digit or underscore, or a byte of a letter outside ASCII (θ, μ): a symbol
// continues through them. The operators outside ASCII (×, −, √) are not letters.
bool symbolByte(std::string_view text, std::size_t at) {
  const auto c = static_cast<unsigned char>(text[at]);
  if (c < 0x80) return std::isalnum(c) != 0 || c == '_';
  for (std::string_view op : {"\u00D7", "\u2212", "\u221A", "\u00B2", "\u00B3", "\u00B7"}) {
    // the byte belongs to an operator when the operator starts at or just before it
    for (std::size_t back = 0; back < op.size() && back <= at; ++back)
      if (text.substr(at - back, op.size()) == op) return false;
  }
  return true;
}

}  // namespace

Working& noWorking() {
  static Working none;  // records nothing, so it holds no state
  return none;
}

std::string workingFigure(double value) {
  if (value == 0.0) return "0";
  char text[40];
  std::snprintf(text, sizeof text, "%.10g", value);
  return text;
}

std::string substitute(std::string_view equation, std::span<const Symbol> values) {
  std::string out;
  for (std::size_t at = 0; at < equation.size();) {
    const Symbol* found = nullptr;
    if (at == 0 || !symbolByte(equation, at - 1))
      for (const Symbol& symbol : values) {
        const std::size_t end = at + symbol.name.size();
        if (equation.substr(at, symbol.name.size()) == symbol.name &&
            (end == equation.size() || !symbolByte(equation, end)) &&
            (found == nullptr || symbol.name.size() > found->name.size()))
          found = &symbol;
      }
    if (found == nullptr) {
      out += equation[at++];
      continue;
    }
    const std::string figure = workingFigure(found->value);
    const std::size_t end = at + found->name.size();
    // A negative figure in brackets, unless the equation already has them round its symbol.
    const bool bracketed = !out.empty() && out.back() == '(' && end < equation.size() &&
                           equation[end] == ')';
    out += found->value < 0.0 && !bracketed ? "(" + figure + ")" : figure;
    at = end;
  }
  return out;
}

WorkingRecord::Text WorkingRecord::keep(std::string_view text) {
  const Text kept{static_cast<std::uint32_t>(chars_.size()),
                  static_cast<std::uint32_t>(text.size())};
  chars_.append(text);
  return kept;
}

double WorkingRecord::equation(std::string_view quantity, std::string_view symbol,
                               std::string_view equation, std::initializer_list<Symbol> values,
                               double value, std::string_view unit) {
  const Entry entry{WorkingLine::Kind::Equation,
                    keep(quantity),
                    keep(symbol),
                    keep(equation),
                    keep(unit),
                    {},
                    static_cast<std::uint32_t>(symbols_.size()),
                    static_cast<std::uint32_t>(values.size()),
                    value};
  for (const Symbol& given : values) symbols_.emplace_back(keep(given.name), given.value);
  entries_.push_back(entry);
  return value;
}

double WorkingRecord::value(std::string_view quantity, std::string_view symbol, double value,
                            std::string_view unit) {
  entries_.push_back(
      {WorkingLine::Kind::Value, keep(quantity), keep(symbol), {}, keep(unit), {}, 0, 0, value});
  return value;
}

void WorkingRecord::note(std::string_view text) {
  entries_.push_back({WorkingLine::Kind::Note, {}, {}, {}, {}, keep(text), 0, 0, 0.0});
}

void WorkingRecord::message(const Message& message) {
  entries_.push_back({WorkingLine::Kind::Message, {}, {}, {}, {}, keep(message.text()), 0, 0, 0.0});
}

void WorkingRecord::clear() {
  chars_.clear();
  symbols_.clear();
  entries_.clear();
  lines_.clear();
}

void WorkingRecord::append(const WorkingRecord& other) {
  for (Entry entry : other.entries_) {
    for (Text* text : {&entry.quantity, &entry.symbol, &entry.equation, &entry.unit, &entry.text})
      *text = keep(other.textOf(*text));
    const auto first = static_cast<std::uint32_t>(symbols_.size());
    for (std::uint32_t k = 0; k < entry.symbolCount; ++k) {
      const auto& [name, figure] = other.symbols_[entry.firstSymbol + k];
      symbols_.emplace_back(keep(other.textOf(name)), figure);
    }
    entry.firstSymbol = first;
    entries_.push_back(entry);
  }
}

const std::vector<WorkingLine>& WorkingRecord::lines() const {
  for (std::size_t e = lines_.size(); e < entries_.size(); ++e) {
    const Entry& entry = entries_[e];
    std::vector<Symbol> values;
    for (std::uint32_t k = 0; k < entry.symbolCount; ++k) {
      const auto& [name, figure] = symbols_[entry.firstSymbol + k];
      values.push_back({textOf(name), figure});
    }
    const std::string_view equation = textOf(entry.equation);
    lines_.push_back(
        {entry.kind, std::string(textOf(entry.quantity)), std::string(textOf(entry.symbol)),
         std::string(equation),
         entry.kind == WorkingLine::Kind::Equation ? substitute(equation, values) : std::string(),
         entry.value, std::string(textOf(entry.unit)), std::string(textOf(entry.text))});
  }
  return lines_;
}

double speedInMph(Working& working, std::string_view quantity, double metresPerSecond) {
  const double mph = metresPerSecondToMph(metresPerSecond);
  if (!working.recording()) return mph;
  return working.equation(std::string(quantity) + " in mph", "V(mph)", "V / 0.44704",
                          {{"V", metresPerSecond}}, mph, "mph");
}

}  // namespace kelvara
