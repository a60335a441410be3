#include "collision/momentum.h"

#include <cmath>

#include "fields/checked.h"

namespace kelvara::momentum {

namespace {
constexpr double kInLineBand = 20.0;  // degrees either side of vehicle 1's line
constexpr double kHalfTurn = 180.0;
constexpr double kFullTurn = 360.0;
}  // namespace

PreImpactSpeeds preImpactSpeeds(double m1, double m2, double phi2, double phi1After,
                                double phi2After, double v1, double v2) {
  const double momentum1 = finite(m1 * v1);
  const double momentum2 = finite(m2 * v2);
  const double across = finite(momentum1 * std::sin(phi1After) + momentum2 * std::sin(phi2After));
  const double u2 = divide(across, finite(m2 * std::sin(phi2)));
  const double along = finite(momentum1 * std::cos(phi1After) + momentum2 * std::cos(phi2After) -
                              finite(m2 * u2) * std::cos(phi2));
  const double u1 = divide(along, m1);
  return {u1, u2};
}

bool approachNearlyInLine(double x) {
  return x < kInLineBand || (kHalfTurn - kInLineBand < x && x < kHalfTurn + kInLineBand) ||
         x > kFullTurn - kInLineBand;
}

}  // namespace kelvara::momentum
