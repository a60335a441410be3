#include "human/reaction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "human/reaction_page.h"

namespace kelvara {
namespace {

using namespace reaction;

// The column a cell starts in, found as the text after two or more blanks.
std::size_t cellStart(const std::string& line, std::size_t cell) {
  std::size_t at = line.find_first_not_of(' ');
  for (std::size_t i = 0; i < cell; ++i) {
    at = line.find("  ", at);
    at = line.find_first_not_of(' ', at);
  }
  return at;
}

TEST(ReactionTables, CellsStartUnderTheirHeadings) {
  ReactionPage page;
  const std::string header = kReactionHeader;
  for (const auto& row : page.lblReactionRows) {
    EXPECT_EQ(cellStart(row.caption, 0), 0u) << row.caption;
    EXPECT_EQ(cellStart(row.caption, 1), header.find("15th")) << row.caption;
    EXPECT_EQ(cellStart(row.caption, 2), header.find("median")) << row.caption;
    EXPECT_EQ(cellStart(row.caption, 3), header.find("85th")) << row.caption;
  }
  const std::string walking = kWalkingHeader;
  for (const TextBox* row : page.walkingRows()) {
    EXPECT_EQ(cellStart(row->text, 0), walking.find("Age")) << row->text;
    EXPECT_EQ(cellStart(row->text, 1), walking.find("Sample")) << row->text;
    EXPECT_EQ(cellStart(row->text, 2), walking.find("15th")) << row->text;
    EXPECT_EQ(cellStart(row->text, 3), walking.find("Median")) << row->text;
    EXPECT_EQ(cellStart(row->text, 4), walking.find("85th")) << row->text;
  }
}

TEST(ReactionTables, RowsAsPublished) {
  ReactionPage page;
  // The cells of a line, joined by '|': a cell ends at two blanks or more.
  const auto words = [](const std::string& line) {
    std::string joined;
    for (std::size_t at = line.find_first_not_of(' '); at != std::string::npos;) {
      const std::size_t end = std::min(line.find("  ", at), line.size());
      if (!joined.empty()) joined += '|';
      joined += line.substr(at, end - at);
      at = line.find_first_not_of(' ', end);
    }
    return joined;
  };
  EXPECT_EQ(words(page.lblReactionRows[0].caption),
            "Under 25|1.76 seconds|1.88 seconds|2.00 seconds");
  EXPECT_EQ(words(page.lblReactionRows[5].caption), "Over 64|1.69|1.96|2.15");
  EXPECT_EQ(words(page.Text1.text), "2|14|0.76|0.85|1.04");
  EXPECT_EQ(words(page.Text8.text), "9|61|1.37|1.58|1.80");
  EXPECT_EQ(words(page.Text11.text), "5 - 9|26|1.40|1.83|2.41");
  EXPECT_EQ(words(page.Text19.text), "65+|67|1.07|1.28|1.46");
  EXPECT_EQ(page.lblReactionColumns.caption, kReactionHeader);
  EXPECT_EQ(page.lblWalkingColumns.caption, kWalkingHeader);
  EXPECT_EQ(page.lblWalkingSource.caption.rfind("Walking speeds m/s.", 0), 0u);
}

TEST(ReactionTables, ACellTooLongForItsColumnIsStillSeparated) {
  EXPECT_EQ(alignedRow<2>("a  b", {"a", "b"}, {"long", "x"}), "long x");
  EXPECT_EQ(alignedRow<2>("a  b", {"a", "b"}, {"", "x"}), "   x");
}

}  // namespace
}  // namespace kelvara
