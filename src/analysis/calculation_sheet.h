#pragma once
// The calculation sheet of a page: the last completed run of one of its calculations laid out
// for an investigator's statement (header, inputs, working with the messages where they were
// shown, results, sources, and the range of results when one was run for those inputs), as
// plain text and as the rich text the window shows and prints.

#include <string>
#include <vector>

#include "fields/page_description.h"
#include "fields/working.h"

namespace kelvara::analysis {

// What the investigator types at the top of every sheet, and what the program adds.
struct SheetHeader {
  std::string caseReference;
  std::string investigator;
  std::string notes;
  std::string program;       // the program and its version
  std::string checkSummary;  // Check figures' summary line as it stands
};

struct SheetBlock {
  enum class Kind { Title, Heading, Field, Working, Message, Text };
  Kind kind = Kind::Text;
  std::string label;  // a field's name, a working line's quantity
  std::string text;   // its text; a working line's equation, substitution and value
};

struct Sheet {
  std::vector<SheetBlock> header;  // repeated at the top of every printed page
  std::vector<SheetBlock> body;
};

// run: the run to show, or none yet; when: its date and time as the sheet writes it;
// sources: the method's references; range: the range of results' lines, empty when none
// was run for these inputs.
Sheet calculationSheet(const PageDescription& page, const CalculationRun* run,
                       const std::string& when, const SheetHeader& header,
                       const std::vector<std::string>& sources,
                       const std::vector<std::string>& range);

// A working line as the sheet writes it: the equation, the same with the figures used, and
// the value with its unit, one under the other.
std::string workingText(const WorkingLine& line);

std::string sheetText(const Sheet& sheet);
// A control's words as a sheet names it (without the colon of its caption).
std::string wordsOf(const PageDescription& page, std::string_view name);
// Rich text of blocks (a small subset of HTML).
std::string sheetHtml(const std::vector<SheetBlock>& blocks);

}  // namespace kelvara::analysis
