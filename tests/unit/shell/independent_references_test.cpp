// The grid and Sun pages against PROJ and an ephemeris: the same tables Check figures shows.

#include <gtest/gtest.h>

#include <string>

#include "shell/independent_references.h"

namespace kelvara {
namespace {

std::string failures(const ReferenceCheck& check) {
  std::string text;
  for (const ReferenceRow& row : check.rows)
    if (!row.passed) text += row.inputs + " | " + row.expected + " | " + row.obtained + "\n";
  return text;
}

TEST(IndependentReferences, EveryCaseAgreesAtTheShownPrecision) {
  const ReferenceReport report = checkIndependentReferences();
  ASSERT_EQ(report.checks.size(), 3u);
  for (const ReferenceCheck& check : report.checks) {
    EXPECT_GE(check.rows.size(), 250u) << check.title;
    EXPECT_EQ(check.agreed, check.rows.size()) << check.summary << "\n" << failures(check);
  }
  EXPECT_EQ(report.summary, "All 750 independent references agree");
  EXPECT_EQ(report.checks[1].summary,
            "Grid to latitude and longitude: 250 of 250 points agree with PROJ 9.1.1 at the "
            "shown precision");
}

// The first data row of a table with one field replaced.
std::string planted(std::string table, std::size_t field, const std::string& value) {
  std::size_t row = table.find('\n', table.find("\n", table.rfind("# ")) + 1) + 1;
  for (std::size_t i = 0; i < field; ++i) row = table.find(',', row) + 1;
  const std::size_t end = table.find_first_of(",\n", row);
  return table.replace(row, end - row, value);
}

TEST(IndependentReferences, APlantedErrorFails) {
  const std::string grid(referenceTable("grid_forward"));
  // A northing one metre off.
  ReferenceCheck check = checkGridForward(planted(grid, 10, "920406.2968"));
  EXPECT_FALSE(check.rows.front().passed);
  EXPECT_EQ(check.agreed, check.rows.size() - 1);
  EXPECT_NE(check.summary.find(": 249 of 250 points agree with PROJ"), std::string::npos);
  // An instant an hour late.
  const std::string sun(referenceTable("sun"));
  check = checkSun(planted(sun, 3, "17"));
  EXPECT_FALSE(check.rows.front().passed) << check.rows.front().obtained;
  EXPECT_EQ(check.agreed, check.rows.size() - 1);
}

}  // namespace
}  // namespace kelvara
