#include "location/sun.h"

#include <algorithm>
#include <cmath>

namespace kelvara::sun {

namespace {

constexpr double kFullCircle = 360.0;
constexpr double kTwoPi = 2.0 * kPi;

// Rounding can take a figure a hair past ±1 where the Sun stands at the zenith or nadir.
double withinUnit(double x) { return std::clamp(x, -1.0, 1.0); }

}  // namespace

double reduce(double x, double range) { return x - range * std::floor(x / range); }

double dayNumber(double year, double month, double day, double hour, double minutes) {
  return 367.0 * year - std::floor(7.0 * (year + std::floor((month + 9.0) / 12.0)) / 4.0) +
         std::floor(275.0 * month / 9.0) + day + (hour + minutes / 60.0) / 24.0 - 730531.5;
}

Position position(double year, double month, double day, double hour, double minutes,
                  double latitude, double longitude) {
  const double d = dayNumber(year, month, day, hour, minutes);

  const double siderealTime = reduce(280.46061837 + 360.98564736629 * d + longitude, kFullCircle);
  const double centuries = d / 36525.0;
  const double meanLongitude = reduce(280.461 + 0.9856474 * d, kFullCircle);
  const double meanAnomaly = degreesToRadians(reduce(357.528 + 0.9856003 * d, kFullCircle));
  const double eclipticLongitude = degreesToRadians(
      meanLongitude + 1.915 * std::sin(meanAnomaly) + 0.02 * std::sin(2.0 * meanAnomaly));
  const double obliquity = degreesToRadians((84381.448 - 46.815 * centuries) / 3600.0);

  // α = arctan(sin λ·cos ε / cos λ), in the half-turn of λ. Where cos λ is 0 the quotient is
  // infinite and its arctangent the right angle.
  double rightAscension =
      std::atan(std::sin(eclipticLongitude) * std::cos(obliquity) / std::cos(eclipticLongitude));
  if (std::cos(eclipticLongitude) < 0.0) rightAscension += kPi;
  const double declination =
      std::asin(withinUnit(std::sin(obliquity) * std::sin(eclipticLongitude)));

  const double hourAngle = reduce(degreesToRadians(siderealTime) - rightAscension, kTwoPi);
  const double phi = degreesToRadians(latitude);
  const double altitude =
      std::asin(withinUnit(std::sin(declination) * std::sin(phi) +
                           std::cos(declination) * std::cos(phi) * std::cos(hourAngle)));

  const double c = (std::sin(declination) - std::sin(phi) * std::sin(altitude)) /
                   (std::cos(phi) * std::cos(altitude));
  const double bearing = std::acos(withinUnit(c));
  const double azimuth = std::sin(hourAngle) < 0.0 ? bearing : kTwoPi - bearing;
  return {radiansToDegrees(altitude), radiansToDegrees(azimuth)};
}

}  // namespace kelvara::sun
