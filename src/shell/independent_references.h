#pragma once
// The grid and Sun pages against references independent of Kelvara: PROJ's transformation of
// the National Grid both ways and an ephemeris of the Sun, in tables made once by
// tools/references.py and compiled in. Each case is typed into a fresh copy of the page's
// logic as the investigator types it, in each form the page accepts, and the page's texts are
// compared at the precision they show. The Check figures window and the unit tests run the
// same tables.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

struct ReferenceRow {
  std::string inputs;    // as typed, one form a line
  std::string expected;  // what the reference makes the page show
  std::string obtained;  // what the page shows, one form a line
  bool passed = false;
  // The reference lies within 5 mm or 0.0005″ of a rounding boundary: the page may show the
  // figure on either side of it.
  bool nearBoundary = false;
};

struct ReferenceCheck {
  std::string title;       // "Grid to latitude and longitude"
  std::string tool;        // "PROJ 9.1.1"
  std::string provenance;  // the table's heading: what it is, tool, command, seed, date made
  std::vector<ReferenceRow> rows;
  std::size_t agreed = 0;
  std::string largest;  // the largest difference from the reference, with its unit
  // "Grid to latitude and longitude: 250 of 250 points agree with PROJ 9.1.1 at the shown
  // precision"
  std::string summary;
};

struct ReferenceReport {
  std::vector<ReferenceCheck> checks;
  // "All 750 independent references agree", or how many do not, and on which pages.
  std::string summary;
};

// A reference table as made, by its name ("grid_forward", "grid_inverse", "sun"); empty for
// a name there is none of.
std::string_view referenceTable(std::string_view name);

// Each table through its page: latitude and longitude to grid (degrees, minutes and seconds;
// decimal degrees), grid to latitude and longitude (six-digit and two-letter forms), and the
// Sun's position.
ReferenceCheck checkGridForward(std::string_view table);
ReferenceCheck checkGridInverse(std::string_view table);
ReferenceCheck checkSun(std::string_view table);

ReferenceReport checkIndependentReferences();

}  // namespace kelvara
