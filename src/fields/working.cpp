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

std::string substitute(std::string_view equation, std::initializer_list<Symbol> values) {
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

double WorkingRecord::equation(std::string_view quantity, std::string_view symbol,
                               std::string_view equation, std::initializer_list<Symbol> values,
                               double value, std::string_view unit) {
  lines_.push_back({WorkingLine::Kind::Equation,
                    std::string(quantity),
                    std::string(symbol),
                    std::string(equation),
                    substitute(equation, values),
                    value,
                    std::string(unit),
                    {}});
  return value;
}

double WorkingRecord::value(std::string_view quantity, std::string_view symbol, double value,
                            std::string_view unit) {
  lines_.push_back({WorkingLine::Kind::Value,
                    std::string(quantity),
                    std::string(symbol),
                    {},
                    {},
                    value,
                    std::string(unit),
                    {}});
  return value;
}

void WorkingRecord::note(std::string_view text) {
  WorkingLine line;
  line.kind = WorkingLine::Kind::Note;
  line.text = text;
  lines_.push_back(std::move(line));
}

void WorkingRecord::message(const Message& message) {
  WorkingLine line;
  line.kind = WorkingLine::Kind::Message;
  for (const std::string& part : message.lines) line.text += (line.text.empty() ? "" : "\n") + part;
  lines_.push_back(std::move(line));
}

double speedInMph(Working& working, std::string_view quantity, double metresPerSecond) {
  const double mph = metresPerSecondToMph(metresPerSecond);
  if (!working.recording()) return mph;
  return working.equation(std::string(quantity) + " in mph", "V(mph)", "V / 0.44704",
                          {{"V", metresPerSecond}}, mph, "mph");
}

}  // namespace kelvara
