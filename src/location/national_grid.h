#pragma once
// The OS National Grid: Transverse Mercator on the Airy 1830 ellipsoid, both ways, and the
// 100 km squares of the grid reference.
//
// Latitudes and longitudes are taken as already on Airy 1830 (OSGB36): no datum shift is
// made. Angles are in degrees at this interface (longitude east positive), lengths in
// metres. The functions do not refuse anything: a point far outside the grid, or absurd
// input, gives whatever the series give, possibly not finite; the pages check for that.

#include <array>
#include <optional>
#include <string_view>

#include "fields/working.h"

namespace kelvara::grid {

// Both conversions use exactly these figures.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kSemiMajorAxis = 6377563.396;  // a
// b as the conversions have always used it (the published Airy figure is 6356256.909).
inline constexpr double kSemiMinorAxis = 6356256.91;
inline constexpr double kCentralScale = 0.9996012717;  // F0
inline constexpr double kOriginLatitude = 49.0 * kPi / 180.0;    // φ0, 49° N
inline constexpr double kOriginLongitude = -2.0 * kPi / 180.0;   // λ0, 2° W
inline constexpr double kFalseEasting = 400000.0;                // E0
inline constexpr double kFalseNorthing = -100000.0;              // N0
// e² = (a² − b²)/a² and n = (a − b)/(a + b).
inline constexpr double kEccentricitySquared =
    (kSemiMajorAxis * kSemiMajorAxis - kSemiMinorAxis * kSemiMinorAxis) /
    (kSemiMajorAxis * kSemiMajorAxis);
inline constexpr double kThirdFlattening =
    (kSemiMajorAxis - kSemiMinorAxis) / (kSemiMajorAxis + kSemiMinorAxis);

inline constexpr double kSquareSize = 100000.0;  // metres
inline constexpr double kGridExtent = 1000000.0;  // the squares cover [0, 1000 km) both ways

constexpr double degreesToRadians(double degrees) { return degrees * kPi / 180.0; }
constexpr double radiansToDegrees(double radians) { return radians * 180.0 / kPi; }

struct GridPoint {
  double easting;
  double northing;
};

struct GeographicPoint {
  double latitude;   // degrees north
  double longitude;  // degrees east
};

// Meridional arc from the true origin's latitude to φ (radians), in metres.
double meridionalArc(double latitude, Working& working = noWorking());

// Latitude and longitude (degrees, east positive) to easting and northing.
GridPoint toGrid(double latitude, double longitude, Working& working = noWorking());

// Easting and northing to latitude and longitude (degrees, east positive): the footpoint
// latitude from three refinements of the meridional arc, then the inverse series.
GeographicPoint toLatitudeLongitude(double easting, double northing,
                                    Working& working = noWorking());

// One 100 km square: code 10·e + n from the hundreds-of-kilometres digits of its easting
// (e) and northing (n), and its letters.
struct Square {
  int code;
  std::string_view letters;
  int eastingDigit() const { return code / 10; }
  int northingDigit() const { return code % 10; }
};

// The 48 squares of the mainland and its near islands, rows of northing digit 0 first,
// easting digit ascending within a row.
extern const std::array<Square, 48> kSquares;

// The square holding a point, when it is one of the 48: 0 ≤ E < 1000 km and
// 0 ≤ N < 1000 km and its code is in the table.
std::optional<Square> squareAt(double easting, double northing);

// The square whose letters are exactly and wholly these (upper case).
std::optional<Square> squareNamed(std::string_view letters);

}  // namespace kelvara::grid
