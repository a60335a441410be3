#include "dynamics/throw_distance.h"

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara::throw_distance {

double empiricalSpeed(double distance, double k, Working& working) {
  return working.equation("Impact speed from the empirical fit", "V", "(d / k)^0.5",
                          {{"d", distance}, {"k", k}}, power(divide(distance, k), 0.5), "m/s");
}

double maximumSpeed(double distance, double coefficient, Working& working) {
  return working.equation("Maximum impact speed", "Vmax", "(2 \u00D7 \u03BC \u00D7 g \u00D7 d)^0.5",
                          {{"\u03BC", coefficient}, {"g", kGravity}, {"d", distance}},
                          power(finite(2.0 * coefficient * kGravity * distance), 0.5), "m/s");
}

double minimumSpeed(double distance, double coefficient, Working& working) {
  const double sliding = finite(2.0 * coefficient * kGravity * distance);
  return working.equation(
      "Minimum impact speed", "Vmin", "(2 \u00D7 \u03BC \u00D7 g \u00D7 d / (1 + \u03BC^2))^0.5",
      {{"\u03BC", coefficient}, {"g", kGravity}, {"d", distance}},
      power(divide(sliding, finite(1.0 + coefficient * coefficient)), 0.5), "m/s");
}

double probableSpeed(double distance, double coefficient, Working& working) {
  const double minimum = minimumSpeed(distance, coefficient);
  return working.equation("Probable impact speed", "Vp", "1.15 \u00D7 Vmin", {{"Vmin", minimum}},
                          finite(kProbableOverMinimum * minimum), "m/s");
}

}  // namespace kelvara::throw_distance
