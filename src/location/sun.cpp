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

double dayNumber(double year, double month, double day, double hour, double minutes,
                 Working& working) {
  working.note(
      "Days from noon UT on 1 January 2000, d = 367 × Y − ⌊7 × (Y + ⌊(Mo + 9) / 12⌋) / 4⌋ + "
      "⌊275 × Mo / 9⌋ + D + (H + Mi / 60) / 24 − 730531.5, each ⌊ ⌋ the whole part.");
  return working.value(
      "Days from the epoch J2000.0", "d",
      367.0 * year - std::floor(7.0 * (year + std::floor((month + 9.0) / 12.0)) / 4.0) +
          std::floor(275.0 * month / 9.0) + day + (hour + minutes / 60.0) / 24.0 - 730531.5,
      "days");
}

Position position(double year, double month, double day, double hour, double minutes,
                  double latitude, double longitude, Working& working) {
  const double d = dayNumber(year, month, day, hour, minutes, working);
  working.note(
      "Angles of many turns are brought into 0 to 360 degrees (0 to 2π for the hour "
      "angle) by taking off whole turns.");

  const double sidereal =
      working.equation("Local sidereal time, whole turns included", "LST′",
                       "280.46061837 + 360.98564736629 × d + λo", {{"d", d}, {"λo", longitude}},
                       280.46061837 + 360.98564736629 * d + longitude, "degrees");
  const double siderealTime =
      working.value("Local sidereal time", "LST", reduce(sidereal, kFullCircle), "degrees");
  const double centuries = working.equation("Julian centuries from J2000.0", "T", "d / 36525",
                                            {{"d", d}}, d / 36525.0, "");
  const double meanLongitude =
      working.value("Sun's mean longitude", "L",
                    reduce(working.equation("Sun's mean longitude, whole turns included", "L′",
                                            "280.461 + 0.9856474 × d", {{"d", d}},
                                            280.461 + 0.9856474 * d, "degrees"),
                           kFullCircle),
                    "degrees");
  const double anomalyDegrees =
      working.value("Sun's mean anomaly", "g°",
                    reduce(working.equation("Sun's mean anomaly, whole turns included", "g′",
                                            "357.528 + 0.9856003 × d", {{"d", d}},
                                            357.528 + 0.9856003 * d, "degrees"),
                           kFullCircle),
                    "degrees");
  const double meanAnomaly = working.equation("Sun's mean anomaly in radians", "g", "g° × π / 180",
                                              {{"g°", anomalyDegrees}, {"π", kPi}},
                                              degreesToRadians(anomalyDegrees), "rad");
  const double eclipticLongitude = working.equation(
      "Sun's ecliptic longitude", "λ", "(L + 1.915 × sin(g) + 0.02 × sin(2 × g)) × π / 180",
      {{"L", meanLongitude}, {"g", meanAnomaly}, {"π", kPi}},
      degreesToRadians(meanLongitude + 1.915 * std::sin(meanAnomaly) +
                       0.02 * std::sin(2.0 * meanAnomaly)),
      "rad");
  const double obliquity =
      working.equation("Obliquity of the ecliptic", "ε",
                       "(84381.448 − 46.815 × T) / 3600 × π / 180", {{"T", centuries}, {"π", kPi}},
                       degreesToRadians((84381.448 - 46.815 * centuries) / 3600.0), "rad");

  // α = arctan(sin λ·cos ε / cos λ), in the half-turn of λ. Where cos λ is 0 the quotient is
  // infinite and its arctangent the right angle.
  double rightAscension =
      std::atan(std::sin(eclipticLongitude) * std::cos(obliquity) / std::cos(eclipticLongitude));
  const bool backHalf = std::cos(eclipticLongitude) < 0.0;
  if (backHalf) rightAscension += kPi;
  working.equation(
      "Sun's right ascension", "α",
      backHalf ? "atan(sin(λ) × cos(ε) / cos(λ)) + π" : "atan(sin(λ) × cos(ε) / cos(λ))",
      {{"λ", eclipticLongitude}, {"ε", obliquity}, {"π", kPi}}, rightAscension, "rad");
  const double declination = working.equation(
      "Sun's declination", "δ", "asin(sin(ε) × sin(λ))",
      {{"ε", obliquity}, {"λ", eclipticLongitude}},
      std::asin(withinUnit(std::sin(obliquity) * std::sin(eclipticLongitude))), "rad");

  const double hourAngle = working.value(
      "Hour angle", "H",
      reduce(working.equation("Hour angle, whole turns included", "H′", "LST × π / 180 − α",
                              {{"LST", siderealTime}, {"π", kPi}, {"α", rightAscension}},
                              degreesToRadians(siderealTime) - rightAscension, "rad"),
             kTwoPi),
      "rad");
  const double phi =
      working.equation("Latitude in radians", "φ", "φ° × π / 180", {{"φ°", latitude}, {"π", kPi}},
                       degreesToRadians(latitude), "rad");
  const double altitude = working.equation(
      "Sun's altitude", "h", "asin(sin(δ) × sin(φ) + cos(δ) × cos(φ) × cos(H))",
      {{"δ", declination}, {"φ", phi}, {"H", hourAngle}},
      std::asin(withinUnit(std::sin(declination) * std::sin(phi) +
                           std::cos(declination) * std::cos(phi) * std::cos(hourAngle))),
      "rad");

  const double c = working.equation("Cosine of the azimuth", "cosA",
                                    "(sin(δ) − sin(φ) × sin(h)) / (cos(φ) × cos(h))",
                                    {{"δ", declination}, {"φ", phi}, {"h", altitude}},
                                    (std::sin(declination) - std::sin(phi) * std::sin(altitude)) /
                                        (std::cos(phi) * std::cos(altitude)),
                                    "");
  const double bearing = std::acos(withinUnit(c));
  const bool east = std::sin(hourAngle) < 0.0;
  working.note(east ? "The hour angle's sine is negative: the Sun is east of the meridian and "
                      "the azimuth is the angle whose cosine is cosA."
                    : "The hour angle's sine is not negative: the Sun is west of the meridian "
                      "and the azimuth is a full turn less the angle whose cosine is cosA.");
  const double azimuth =
      working.equation("Sun's azimuth", "A", east ? "acos(cosA)" : "2 × π − acos(cosA)",
                       {{"cosA", c}, {"π", kPi}}, east ? bearing : kTwoPi - bearing, "rad");
  return {working.equation("Sun's altitude in degrees", "h°", "h × 180 / π",
                           {{"h", altitude}, {"π", kPi}}, radiansToDegrees(altitude), "degrees"),
          working.equation("Sun's azimuth in degrees", "A°", "A × 180 / π",
                           {{"A", azimuth}, {"π", kPi}}, radiansToDegrees(azimuth), "degrees")};
}

}  // namespace kelvara::sun
