#include "analysis/calculation_sheet.h"

#include <algorithm>

namespace kelvara::analysis {

namespace {

using Kind = SheetBlock::Kind;

void add(std::vector<SheetBlock>& blocks, Kind kind, std::string label, std::string text = {}) {
  blocks.push_back({kind, std::move(label), std::move(text)});
}

std::string orNone(const std::string& text) { return text.empty() ? "(empty)" : text; }

std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\n':
        out += "<br>";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::string wordsOf(const PageDescription& page, std::string_view name) {
  const ControlDescription* control = page.find(name);
  if (control == nullptr || control->words.empty()) return std::string(name);
  std::string_view words = control->words;
  while (!words.empty() && (words.back() == ':' || words.back() == ' ')) words.remove_suffix(1);
  return std::string(words);
}

namespace {}  // namespace

std::string workingText(const WorkingLine& line) {
  const std::string value = workingFigure(line.value) + (line.unit.empty() ? "" : " " + line.unit);
  if (line.kind == WorkingLine::Kind::Value) return line.symbol + " = " + value;
  // As wide as the symbol in characters, not bytes (θ is two).
  const auto characters = std::count_if(line.symbol.begin(), line.symbol.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  });
  const std::string indent(static_cast<std::size_t>(characters) + 1, ' ');
  return line.symbol + " = " + line.equation + "\n" + indent + "= " + line.substituted + "\n" +
         indent + "= " + value;
}

Sheet calculationSheet(const PageDescription& page, const CalculationRun* run,
                       const std::string& when, const SheetHeader& header,
                       const std::vector<std::string>& sources,
                       const std::vector<std::string>& range) {
  Sheet sheet;
  add(sheet.header, Kind::Title, "Calculation sheet: " + std::string(page.title));
  add(sheet.header, Kind::Field, "Case reference", header.caseReference);
  add(sheet.header, Kind::Field, "Investigator", header.investigator);
  if (!header.notes.empty()) add(sheet.header, Kind::Field, "Notes", header.notes);
  add(sheet.header, Kind::Field, "Program", header.program);
  add(sheet.header, Kind::Field, "Check figures", header.checkSummary);
  if (run == nullptr) {
    add(sheet.body, Kind::Text, {}, "No calculation has been run on this page yet.");
    return sheet;
  }
  const auto calculation =
      std::find_if(page.calculations.begin(), page.calculations.end(),
                   [&](const Calculation& c) { return c.name == run->calculation; });
  if (calculation == page.calculations.end()) return sheet;
  add(sheet.header, Kind::Field, "Calculation", run->calculation);
  add(sheet.header, Kind::Field, "Calculated", when);

  add(sheet.body, Kind::Heading, "Inputs");
  for (std::string_view name : calculation->inputs) {
    const auto text = run->before.find(std::string(name));
    if (text != run->before.end())
      add(sheet.body, Kind::Field, wordsOf(page, name), orNone(text->second));
  }

  add(sheet.body, Kind::Heading, "Working");
  for (const WorkingLine& line : run->working.lines()) {
    switch (line.kind) {
      case WorkingLine::Kind::Equation:
      case WorkingLine::Kind::Value:
        add(sheet.body, Kind::Working, line.quantity, workingText(line));
        break;
      case WorkingLine::Kind::Message:
        add(sheet.body, Kind::Message, "Message shown", line.text);
        break;
      case WorkingLine::Kind::Note:
        add(sheet.body, Kind::Text, {}, line.text);
        break;
    }
  }
  if (run->working.lines().empty()) add(sheet.body, Kind::Text, {}, "The run computed nothing.");

  add(sheet.body, Kind::Heading, "Results");
  for (std::string_view name : calculation->results) {
    const ControlDescription* control = page.find(name);
    const auto after = run->after.find(std::string(name));
    const auto before = run->before.find(std::string(name));
    if (control == nullptr || after == run->after.end()) continue;
    // A box that is both an input and a result is a result when the run wrote it.
    if (control->role == Role::Both && before != run->before.end() &&
        before->second == after->second)
      continue;
    add(sheet.body, Kind::Field, wordsOf(page, name), orNone(after->second));
  }

  add(sheet.body, Kind::Heading, "Sources");
  add(sheet.body, Kind::Field, "Method", run->calculation + " (" + std::string(page.title) + ")");
  for (const std::string& source : sources) add(sheet.body, Kind::Text, {}, source);

  if (!range.empty()) {
    add(sheet.body, Kind::Heading, "Range of results");
    for (const std::string& line : range) add(sheet.body, Kind::Text, {}, line);
  }
  return sheet;
}

std::string sheetText(const Sheet& sheet) {
  std::string text;
  for (const auto* blocks : {&sheet.header, &sheet.body})
    for (const SheetBlock& block : *blocks) {
      switch (block.kind) {
        case Kind::Title:
          text += block.label + "\n\n";
          break;
        case Kind::Heading:
          text += "\n" + block.label + "\n";
          break;
        case Kind::Field:
          text += block.label + ": " + block.text + "\n";
          break;
        case Kind::Working: {
          std::string indented = "  ";
          for (const char c : block.text)
            indented += c == '\n' ? std::string("\n  ") : std::string(1, c);
          text += block.label + "\n" + indented + "\n";
          break;
        }
        case Kind::Message:
          text += block.label + ": \"" + block.text + "\"\n";
          break;
        case Kind::Text:
          text += block.text + "\n";
          break;
      }
    }
  return text;
}

std::string sheetHtml(const std::vector<SheetBlock>& blocks) {
  std::string html;
  for (const SheetBlock& block : blocks) {
    switch (block.kind) {
      case Kind::Title:
        html += "<h2>" + escaped(block.label) + "</h2>";
        break;
      case Kind::Heading:
        html += "<h3>" + escaped(block.label) + "</h3>";
        break;
      case Kind::Field:
        html += "<p style=\"margin-top: 0; margin-bottom: 3px\"><b>" + escaped(block.label) +
                ":</b> " + escaped(block.text) + "</p>";
        break;
      case Kind::Working:
        html += "<p>" + escaped(block.label) + "</p><pre style=\"margin-left: 16px\">" +
                escaped(block.text) + "</pre>";
        break;
      case Kind::Message:
        html +=
            "<p><i>" + escaped(block.label) + ":</i> \u201C" + escaped(block.text) + "\u201D</p>";
        break;
      case Kind::Text:
        html += "<p>" + escaped(block.text) + "</p>";
        break;
    }
  }
  return html;
}

}  // namespace kelvara::analysis
