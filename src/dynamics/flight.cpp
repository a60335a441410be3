#include "dynamics/flight.h"

#include <cmath>

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara::flight {

double degreesToRadians(double degrees) { return finite(kPi / kHalfCircleDegrees * degrees); }

double flightTerm(double theta, double height, double distance) {
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  return finite(2.0 * c * finite(finite(distance * s) - finite(height * c)));
}

double launchSpeed(double distance, double flightTerm) {
  return finite(distance * power(divide(kGravity, flightTerm), 0.5));
}

double launchSpeedMph(double distance, double flightTerm) {
  return finite(distance * (1.0 / kMetresPerSecondPerMph) *
                power(divide(kGravity, flightTerm), 0.5));
}

}  // namespace kelvara::flight
