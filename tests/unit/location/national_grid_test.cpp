#include "location/national_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace kelvara {
namespace {

using namespace grid;

double dms(double degrees, double minutes, double seconds) {
  return degrees + minutes / 60.0 + seconds / 3600.0;
}

// A round trip cannot catch a constant that both directions share, so fixed points first.
TEST(NationalGrid, KnownPointsBothWays) {
  const GridPoint grid = toGrid(dms(52, 39, 27.2531), dms(1, 43, 4.5177));
  EXPECT_NEAR(grid.easting, 651409.903, 0.0005);
  EXPECT_NEAR(grid.northing, 313177.270, 0.0005);

  const GeographicPoint back = toLatitudeLongitude(651409, 313177);
  EXPECT_NEAR(back.latitude, 52.657568, 5e-7);
  EXPECT_NEAR(back.longitude, 1.717908, 5e-7);

  const GeographicPoint square = toLatitudeLongitude(457600, 506000);
  EXPECT_NEAR(square.latitude, 54.445994, 5e-7);
  EXPECT_NEAR(square.longitude, -1.111657, 5e-7);

  // On the central meridian at the true origin's latitude: the false origin's offsets.
  const GridPoint origin = toGrid(49, -2);
  EXPECT_NEAR(origin.easting, 400000, 1e-6);
  EXPECT_NEAR(origin.northing, -100000, 1e-6);
}

TEST(NationalGrid, RoundTripOverTheWholeGrid) {
  for (double easting = 0; easting <= 700000; easting += 25000) {
    for (double northing = 0; northing <= 1000000; northing += 25000) {
      const GeographicPoint point = toLatitudeLongitude(easting, northing);
      const GridPoint back = toGrid(point.latitude, point.longitude);
      // The series are truncated: under a centimetre 400 km off the central meridian.
      EXPECT_NEAR(back.easting, easting, 0.01) << easting << " " << northing;
      EXPECT_NEAR(back.northing, northing, 0.01) << easting << " " << northing;
    }
  }
}

TEST(NationalGrid, FortyEightSquaresBothWays) {
  EXPECT_EQ(kSquares.size(), 48u);
  std::set<int> codes;
  std::set<std::string> letters;
  for (const Square& square : kSquares) {
    codes.insert(square.code);
    letters.insert(std::string(square.letters));
    const auto found = squareAt(square.eastingDigit() * 100000.0 + 12345.0,
                                square.northingDigit() * 100000.0 + 99999.0);
    ASSERT_TRUE(found) << square.letters;
    EXPECT_EQ(found->letters, square.letters);
    const auto named = squareNamed(square.letters);
    ASSERT_TRUE(named) << square.letters;
    EXPECT_EQ(named->code, square.code);
  }
  EXPECT_EQ(codes.size(), 48u);
  EXPECT_EQ(letters.size(), 48u);
  ASSERT_TRUE(squareAt(651410, 313177));
  EXPECT_EQ(squareAt(651410, 313177)->letters, "TG");
  ASSERT_TRUE(squareAt(100000, 0));
  EXPECT_EQ(squareAt(100000, 0)->letters, "SW");  // a corner belongs to the square it opens
  ASSERT_TRUE(squareAt(699999, 99999.5));
  EXPECT_EQ(squareAt(699999, 99999.5)->letters, "TW");
  EXPECT_EQ(squareNamed("NZ")->code, 45);
  EXPECT_EQ(kSquares.front().letters, "SW");
  EXPECT_EQ(kSquares.back().letters, "ND");
}

TEST(NationalGrid, NoSquareOutsideTheTable) {
  const GridPoint outside[] = {
      {0, 0},             {50000, 300000},    // west of the 100 km easting line
      {650000, 450000},   // the missing squares of the north-east
      {450000, 950000},
      {342361, 1000000},  // the 1000 km northing line itself
      {700000, 300000},   // the 700 km easting line
      {-0.5, 300000},     {300000, -1},   {1e300, 1e300}, {-1e300, 500000},
  };
  for (const GridPoint& point : outside)
    EXPECT_FALSE(squareAt(point.easting, point.northing)) << point.easting << " " << point.northing;
  EXPECT_FALSE(squareAt(std::nan(""), 300000));
  for (const char* name : {"HU", "HY", "NA", "NF", "SV", "nz", "NZ ", "N Z", "N", ""})
    EXPECT_FALSE(squareNamed(name)) << name;
}

}  // namespace
}  // namespace kelvara
