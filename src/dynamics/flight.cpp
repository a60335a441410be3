#include "dynamics/flight.h"

#include <cmath>

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara::flight {

double degreesToRadians(double degrees, Working& working) {
  return working.equation("Launch angle in radians", "\u03B8", "\u03C0 / 180 \u00D7 \u03B8\u00B0",
                          {{"\u03C0", kPi}, {"\u03B8\u00B0", degrees}},
                          finite(kPi / kHalfCircleDegrees * degrees), "rad");
}

double flightTerm(double theta, double height, double distance, Working& working) {
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  return working.equation(
      "Flight term", "D",
      "2 \u00D7 cos(\u03B8) \u00D7 (L \u00D7 sin(\u03B8) \u2212 h \u00D7 cos(\u03B8))",
      {{"\u03B8", theta}, {"L", distance}, {"h", height}},
      finite(2.0 * c * finite(finite(distance * s) - finite(height * c))), "m");
}

double launchSpeed(double distance, double flightTerm, Working& working) {
  return working.equation("Launch speed", "V", "L \u00D7 (g / D)^0.5",
                          {{"L", distance}, {"g", kGravity}, {"D", flightTerm}},
                          finite(distance * power(divide(kGravity, flightTerm), 0.5)), "m/s");
}

double launchSpeedMph(double distance, double flightTerm, Working& working) {
  return working.equation(
      "Launch speed in mph", "V(mph)", "L \u00D7 (1 / 0.44704) \u00D7 (g / D)^0.5",
      {{"L", distance}, {"g", kGravity}, {"D", flightTerm}},
      finite(distance * (1.0 / kMetresPerSecondPerMph) * power(divide(kGravity, flightTerm), 0.5)),
      "mph");
}

}  // namespace kelvara::flight
