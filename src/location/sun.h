#pragma once
// The Sun's altitude and azimuth from the low-precision solar formulas of the almanacs
// (about one minute of arc).
//
// Dates are Gregorian, times Universal Time; latitude north and longitude east positive,
// in degrees. Nothing is refused: absurd dates give figures that may not be finite, and
// the page checks for that.

#include "fields/working.h"

namespace kelvara::sun {

// The page converts degrees and radians with this value of π, everywhere.
inline constexpr double kPi = 3.1415926535;

constexpr double degreesToRadians(double degrees) { return degrees * kPi / 180.0; }
constexpr double radiansToDegrees(double radians) { return radians * 180.0 / kPi; }

// x − R·⌊x/R⌋: the angle brought into [0, R).
double reduce(double x, double range);

// Days from the epoch J2000.0 (the Julian Day less 2451545.0 from 1901 to 2099):
//   d = 367Y − ⌊7(Y + ⌊(Mo + 9)/12⌋)/4⌋ + ⌊275·Mo/9⌋ + D + (H + Mi/60)/24 − 730531.5
double dayNumber(double year, double month, double day, double hour, double minutes,
                 Working& working = noWorking());

struct Position {
  double altitude;  // degrees above the horizon, negative below
  double azimuth;   // degrees clockwise from north, 0 to 360
};

// The Sun's mean longitude and anomaly, its ecliptic longitude with a two-term equation of
// the centre (ecliptic latitude 0), the obliquity, right ascension and declination, then
// the hour angle from the local sidereal time and the horizon co-ordinates. The arcsine and
// arccosine take their argument within [−1, 1], so the Sun at the zenith or nadir and an
// observer at a pole have figures.
Position position(double year, double month, double day, double hour, double minutes,
                  double latitude, double longitude, Working& working = noWorking());

}  // namespace kelvara::sun
