#pragma once
// The working of a calculation, recorded by the code that computes it while it computes:
// each quantity with its equation in symbols, the same equation with the values it used,
// and the value. A page window keeps the record of the last run of each calculation; the
// range engine's reruns, the fuzzers and the benchmarks record nothing (noWorking).

#include <cstdint>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fields/message.h"

namespace kelvara {

// A symbol of an equation and the value it stands for in this run.
struct Symbol {
  std::string_view name;
  double value;
};

struct WorkingLine {
  enum class Kind { Equation, Value, Message, Note };
  Kind kind = Kind::Equation;
  std::string quantity;     // what it is: "Radius of the curve"
  std::string symbol;       // "R"
  std::string equation;     // its right-hand side in symbols: "C^2/(8 × M) + M/2"
  std::string substituted;  // the same with the values used: "40/(8 × 2) + ..."
  double value = 0.0;
  std::string unit;
  std::string text;  // a message's lines, or a note
};

class Working {
 public:
  virtual ~Working() = default;
  // Whether anything is kept: a caller that must build a text for the record asks first.
  virtual bool recording() const { return false; }
  // symbol = equation, its symbols standing for values; gives back value, so that a
  // computation can be recorded where it is written.
  virtual double equation(std::string_view quantity, std::string_view symbol,
                          std::string_view equation, std::initializer_list<Symbol> values,
                          double value, std::string_view unit) {
    (void)quantity, (void)symbol, (void)equation, (void)values, (void)unit;
    return value;
  }
  // A named quantity given without its equation (a step of a long algorithm, a figure read
  // from a table, the end of a search).
  virtual double value(std::string_view quantity, std::string_view symbol, double value,
                       std::string_view unit) {
    (void)quantity, (void)symbol, (void)unit;
    return value;
  }
  // A sentence of the method (which case applies, which branch was taken).
  virtual void note(std::string_view text) { (void)text; }
  // A message the calculation showed, where it showed it.
  virtual void message(const Message& message) { (void)message; }
};

// Records nothing.
Working& noWorking();

// Keeps every line. Recording only copies the texts and figures given into one buffer (a
// calculation run at every position of a scroll bar records at every position); the lines
// are written out, figures substituted, when first read.
class WorkingRecord : public Working {
 public:
  bool recording() const override { return true; }
  double equation(std::string_view quantity, std::string_view symbol, std::string_view equation,
                  std::initializer_list<Symbol> values, double value,
                  std::string_view unit) override;
  double value(std::string_view quantity, std::string_view symbol, double value,
               std::string_view unit) override;
  void note(std::string_view text) override;
  void message(const Message& message) override;

  const std::vector<WorkingLine>& lines() const;
  // Empties the record, keeping its room for the next run.
  void clear();
  void append(const WorkingRecord& other);

 private:
  struct Text {
    std::uint32_t at = 0, size = 0;  // in chars_
  };
  struct Entry {
    WorkingLine::Kind kind;
    Text quantity, symbol, equation, unit, text;
    std::uint32_t firstSymbol = 0, symbolCount = 0;  // in symbols_
    double value = 0.0;
  };
  Text keep(std::string_view text);
  std::string_view textOf(Text text) const {
    return std::string_view(chars_).substr(text.at, text.size);
  }

  std::string chars_;
  std::vector<std::pair<Text, double>> symbols_;
  std::vector<Entry> entries_;
  mutable std::vector<WorkingLine> lines_;  // the entries written out so far
};

// A completed run of a calculation, as its window saw it.
struct CalculationRun {
  std::string calculation;
  // The texts of the calculation's inputs and results as the run began, and as it ended.
  std::map<std::string, std::string, std::less<>> before, after;
  std::int64_t when = 0;  // when it ended, seconds since 1970 (UTC)
  WorkingRecord working;
};

// A value as the working writes it: ten significant figures, enough for a reader with a
// calculator to reproduce a box's last decimal.
std::string workingFigure(double value);
// The equation with each symbol (a whole word of it) replaced by its value, a negative value
// in brackets.
std::string substitute(std::string_view equation, std::span<const Symbol> values);
inline std::string substitute(std::string_view equation, std::initializer_list<Symbol> values) {
  return substitute(equation, std::span<const Symbol>(values.begin(), values.size()));
}

// A speed in miles an hour, recorded as the conversion from metres a second.
double speedInMph(Working& working, std::string_view quantity, double metresPerSecond);

// A page logic whose calculations record their working: the window points it at its record
// while a calculation runs.
class RecordsWorking {
 public:
  void recordInto(Working& working) { working_ = &working; }

 protected:
  Working& working() const { return *working_; }

 private:
  Working* working_ = &noWorking();
};

}  // namespace kelvara
