#include "dynamics/curve.h"

#include <cmath>

#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/units.h"

namespace kelvara::curve {

double radiusFromChordAndOrdinate(double chord, double ordinate) {
  return finite(divide(finite(chord * chord), finite(8.0 * ordinate)) + ordinate / 2.0);
}

std::optional<double> chordFromRadiusAndOrdinate(double radius, double ordinate) {
  const double square = finite(finite(8.0 * radius * ordinate) - finite(4.0 * ordinate * ordinate));
  if (square < 0.0) return std::nullopt;
  return squareRoot(square);
}

double ordinateFromRadiusAndChord(double radius, double chord) {
  const double square = finite(finite(radius * radius) - finite(chord * chord) / 4.0);
  return finite(radius - squareRoot(square));
}

double lateralDemand(double radius, double deceleration, double camber) {
  return finite(finite(radius * deceleration) + finite(kGravity * radius * tangent(camber)));
}

bool verticalRadiusTooSmall(double radius, double deceleration, double verticalRadius) {
  const double mu = deceleration / kGravity;
  return finite(1.0 + divide(finite(mu * radius), verticalRadius)) < 0.0;
}

double criticalSpeed(double radius, double deceleration, double camber, double verticalRadius) {
  const double mu = deceleration / kGravity;
  const double tanCamber = tangent(camber);
  // At μ·tanθ ≥ 1 the formula's denominator vanishes or turns negative: no finite speed.
  if (finite(mu * tanCamber) >= 1.0) throw ArithmeticFailure(ArithmeticFailure::Kind::NegativeRoot);
  const double level = divide(finite(radius * finite(deceleration + kGravity * tanCamber)),
                              1.0 - mu * tanCamber);
  const double brow = finite(1.0 + divide(finite(mu * radius), verticalRadius));
  return squareRoot(divide(level, brow));
}

double camberDegreesForSpeed(double speed, double radius, double deceleration) {
  const double tanCamber =
      finite(divide(finite(speed * speed), finite(kGravity * radius)) - deceleration / kGravity);
  return radiansToDegrees(std::atan(tanCamber));
}

double coefficientForSpeed(double speed, double radius, double camber) {
  return finite(divide(finite(speed * speed), finite(kGravity * radius)) - tangent(camber));
}

double brakedFrictionDeceleration(double coefficient) {
  return strictNumber(shortestText(finite(coefficient * kGravity)));
}

bool brakingDecelerationInRange(double braking, double friction) {
  return braking > 0.0 && braking <= friction;
}

double brakedCriticalSpeed(double radius, double friction, double braking, double camber) {
  const double lateral = finite(friction + kGravity * tangent(camber));
  const double gripSquared = finite(finite(lateral * lateral) - finite(braking * braking));
  if (gripSquared < 0.0) throw ArithmeticFailure(ArithmeticFailure::Kind::NegativeRoot);
  return power(finite(finite(radius * radius) * gripSquared), 0.25);
}

}  // namespace kelvara::curve
