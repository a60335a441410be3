#include "dynamics/throw_distance.h"

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara::throw_distance {

double empiricalSpeed(double distance, double k) { return power(divide(distance, k), 0.5); }

double maximumSpeed(double distance, double coefficient) {
  return power(finite(2.0 * coefficient * kGravity * distance), 0.5);
}

double minimumSpeed(double distance, double coefficient) {
  const double sliding = finite(2.0 * coefficient * kGravity * distance);
  return power(divide(sliding, finite(1.0 + coefficient * coefficient)), 0.5);
}

double probableSpeed(double distance, double coefficient) {
  return finite(kProbableOverMinimum * minimumSpeed(distance, coefficient));
}

}  // namespace kelvara::throw_distance
