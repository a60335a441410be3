#pragma once
// Reference tables for judging driver reaction and pedestrian movement: perception-reaction
// times of drivers by age group and walking speeds of pedestrians by age. Every cell is a
// text, as published.

#include <array>
#include <string>
#include <string_view>

namespace kelvara::reaction {

inline constexpr const char* kReactionHeading =
    "Reaction times: TRRL Laboratory Report 1004, 1981";
inline constexpr const char* kReactionSource =
    "From a published report on the performance of drivers: perception-reaction times by age "
    "group, in seconds.";
inline constexpr const char* kReactionHeader =
    "Age group             15th percentile             median                   85th percentile";

// Age group, 15th percentile, median, 85th percentile. Only the first row carries the unit.
inline constexpr std::array<std::array<const char*, 4>, 6> kReactionTimes{{
    {"Under 25", "1.76 seconds", "1.88 seconds", "2.00 seconds"},
    {"25 - 34", "1.54", "1.62", "1.70"},
    {"35 - 44", "1.45", "1.52", "1.59"},
    {"45 - 54", "1.33", "1.40", "1.47"},
    {"55 - 64", "1.67", "1.86", "2.05"},
    {"Over 64", "1.69", "1.96", "2.15"},
}};

inline constexpr const char* kWalkingHeading = "Walking Speeds:  Impact, 1, 1, 5, 1990";
inline constexpr const char* kWalkingSource =
    "Walking speeds m/s.  Measured in a published study of pedestrians of all ages.";
inline constexpr const char* kWalkingHeader =
    "    Age    Sample size   15th  percentile        Median                   85th percentile";

// Age, sample size, 15th percentile, median, 85th percentile: one year of age at a time
// from 2 to 11, then age groups.
inline constexpr std::array<std::array<const char*, 5>, 19> kWalkingSpeeds{{
    {"2", "14", "0.76", "0.85", "1.04"},     {"3", "49", "0.79", "1.07", "1.31"},
    {"4", "63", "0.98", "1.25", "1.55"},     {"5", "59", "1.13", "1.37", "1.77"},
    {"6", "76", "1.28", "1.46", "1.89"},     {"7", "72", "1.25", "1.52", "1.92"},
    {"8", "64", "1.31", "1.55", "1.95"},     {"9", "61", "1.37", "1.58", "1.80"},
    {"10", "51", "1.40", "1.64", "1.92"},    {"11", "24", "1.40", "1.58", "1.83"},
    {"5 - 9", "26", "1.40", "1.83", "2.41"}, {"10-14", "37", "1.37", "1.68", "2.10"},
    {"15-19", "47", "1.46", "1.64", "2.07"}, {"20-24", "65", "1.40", "1.61", "1.86"},
    {"25-34", "70", "1.46", "1.61", "1.98"}, {"35-44", "67", "1.34", "1.61", "1.95"},
    {"45-54", "73", "1.31", "1.52", "1.74"}, {"55-64", "90", "1.28", "1.46", "1.68"},
    {"65+", "67", "1.07", "1.28", "1.46"},
}};

// The headings of the two headers, as they stand in them.
inline constexpr std::array<const char*, 4> kReactionHeadings{
    "Age group", "15th percentile", "median", "85th percentile"};
inline constexpr std::array<const char*, 5> kWalkingHeadings{
    "Age", "Sample size", "15th  percentile", "Median", "85th percentile"};

// Where heading stands in header at or after from; the end of the header when it is not
// there.
std::size_t headingStart(std::string_view header, std::string_view heading, std::size_t from);

// One line of a table under its header: each cell starts where its heading starts, so that
// in a fixed-pitch font the cells stand under their headings. A cell too long for its
// column is followed by one blank.
template <std::size_t N>
std::string alignedRow(std::string_view header, const std::array<const char*, N>& headings,
                       const std::array<const char*, N>& cells) {
  std::string line;
  std::size_t from = 0;
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t start = headingStart(header, headings[i], from);
    from = start;
    if (line.size() < start) line.append(start - line.size(), ' ');
    else if (i > 0) line += ' ';
    line += cells[i];
  }
  return line;
}

}  // namespace kelvara::reaction
