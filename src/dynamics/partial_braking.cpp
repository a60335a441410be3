#include "dynamics/partial_braking.h"

#include <cmath>

#include "fields/checked.h"

namespace kelvara::partial_braking {

namespace {

constexpr double kOneWheel = 0.5;  // one brake of an axle brings half that axle's grip

// A front-axle term: s·μ·W·cosγ / (1 − s·μ·k).
double frontTerm(double share, double mu, double weight, double k, double cosGradient) {
  return divide(finite(share * mu * weight * cosGradient), finite(1.0 - finite(share * mu * k)));
}

// A rear-axle term: s·μ·W·cosγ / (1 + s·μ·k).
double rearTerm(double share, double mu, double weight, double k, double cosGradient) {
  return divide(finite(share * mu * weight * cosGradient), finite(1.0 + finite(share * mu * k)));
}

}  // namespace

std::optional<double> effectiveCoefficient(const Brakes& brakes, double mu, double k,
                                           double frontShare, double gradient) {
  const int fronts = brakes.frontNearside + brakes.frontOffside;
  const int rears = brakes.rearNearside + brakes.rearOffside;
  if (fronts + rears == 0) return std::nullopt;

  const double cosGradient = std::cos(finite(gradient));
  const double sinGradient = std::sin(gradient);
  const double rearShare = 1.0 - frontShare;
  double braking = 0.0;
  if (fronts == 2 && rears == 2) {
    braking = finite(mu * cosGradient);
  } else if (fronts == 2 && rears == 0) {
    braking = frontTerm(1.0, mu, frontShare, k, cosGradient);
  } else if (fronts == 0 && rears == 2) {
    braking = rearTerm(1.0, mu, rearShare, k, cosGradient);
  } else if (fronts == 1 && rears == 1) {
    // One side, or a diagonal: half the grip of each axle.
    braking = finite(kOneWheel * mu * cosGradient);
  } else if (fronts == 1 && rears == 0) {
    braking = frontTerm(kOneWheel, mu, frontShare, k, cosGradient);
  } else if (fronts == 0 && rears == 1) {
    braking = rearTerm(kOneWheel, mu, rearShare, k, cosGradient);
  } else if (rears == 2) {
    // Both rears and one front.
    braking = rearTerm(1.0, mu, 1.0 - kOneWheel * frontShare, kOneWheel * k, cosGradient);
  } else {
    // Both fronts and one rear.
    braking = frontTerm(1.0, mu, 1.0 - kOneWheel * rearShare, kOneWheel * k, cosGradient);
  }
  return finite(braking + sinGradient);
}

}  // namespace kelvara::partial_braking
