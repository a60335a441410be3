#include "dynamics/curve.h"

#include <cmath>

#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/units.h"

namespace kelvara::curve {

double radiusFromChordAndOrdinate(double chord, double ordinate, Working& working) {
  return working.equation(
      "Radius from chord and middle ordinate", "R", "C^2 / (8 × M) + M / 2",
      {{"C", chord}, {"M", ordinate}},
      finite(divide(finite(chord * chord), finite(8.0 * ordinate)) + ordinate / 2.0), "m");
}

std::optional<double> chordFromRadiusAndOrdinate(double radius, double ordinate,
                                                 Working& working) {
  const double square = finite(finite(8.0 * radius * ordinate) - finite(4.0 * ordinate * ordinate));
  if (square < 0.0) return std::nullopt;
  return working.equation("Chord from radius and middle ordinate", "C",
                          "√(8 × R × M − 4 × M^2)",
                          {{"R", radius}, {"M", ordinate}}, squareRoot(square), "m");
}

double ordinateFromRadiusAndChord(double radius, double chord, Working& working) {
  const double square = finite(finite(radius * radius) - finite(chord * chord) / 4.0);
  return working.equation("Middle ordinate from radius and chord", "M",
                          "R − √(R^2 − C^2 / 4)", {{"R", radius}, {"C", chord}},
                          finite(radius - squareRoot(square)), "m");
}

double lateralDemand(double radius, double deceleration, double camber) {
  return finite(finite(radius * deceleration) + finite(kGravity * radius * tangent(camber)));
}

bool verticalRadiusTooSmall(double radius, double deceleration, double verticalRadius) {
  const double mu = deceleration / kGravity;
  return finite(1.0 + divide(finite(mu * radius), verticalRadius)) < 0.0;
}

double criticalSpeed(double radius, double deceleration, double camber, double verticalRadius,
                     Working& working) {
  const double mu = working.equation("Coefficient of friction", "μ", "a / g",
                                     {{"a", deceleration}, {"g", kGravity}},
                                     deceleration / kGravity, "");
  const double tanCamber = tangent(camber);
  // At μ·tanθ ≥ 1 the formula's denominator vanishes or turns negative: no finite speed.
  if (finite(mu * tanCamber) >= 1.0) throw ArithmeticFailure(ArithmeticFailure::Kind::NegativeRoot);
  const double level = divide(finite(radius * finite(deceleration + kGravity * tanCamber)),
                              1.0 - mu * tanCamber);
  const double brow = finite(1.0 + divide(finite(mu * radius), verticalRadius));
  return working.equation(
      "Critical speed", "V",
      "√(R × (a + g × tan(θ)) / (1 − μ × tan(θ)) / "
      "(1 + μ × R / VR))",
      {{"R", radius}, {"a", deceleration}, {"g", kGravity}, {"θ", camber}, {"μ", mu},
       {"VR", verticalRadius}},
      squareRoot(divide(level, brow)), "m/s");
}

double camberDegreesForSpeed(double speed, double radius, double deceleration, Working& working) {
  const double tanCamber =
      finite(divide(finite(speed * speed), finite(kGravity * radius)) - deceleration / kGravity);
  return working.equation("Camber for the speed", "θ",
                          "atan(V^2 / (g × R) − a / g) × 180 / π",
                          {{"V", speed}, {"g", kGravity}, {"R", radius}, {"a", deceleration},
                           {"π", kPi}},
                          radiansToDegrees(std::atan(tanCamber)), "degrees");
}

double coefficientForSpeed(double speed, double radius, double camber, Working& working) {
  return working.equation(
      "Coefficient of friction for the speed", "μ", "V^2 / (g × R) − tan(θ)",
      {{"V", speed}, {"g", kGravity}, {"R", radius}, {"θ", camber}},
      finite(divide(finite(speed * speed), finite(kGravity * radius)) - tangent(camber)), "");
}

double brakedFrictionDeceleration(double coefficient, Working& working) {
  return working.equation("Friction deceleration", "af", "μ × g",
                          {{"μ", coefficient}, {"g", kGravity}},
                          strictNumber(shortestText(finite(coefficient * kGravity))), "m/s²");
}

bool brakingDecelerationInRange(double braking, double friction) {
  return braking > 0.0 && braking <= friction;
}

double brakedCriticalSpeed(double radius, double friction, double braking, double camber,
                           Working& working) {
  const double lateral = finite(friction + kGravity * tangent(camber));
  const double gripSquared = finite(finite(lateral * lateral) - finite(braking * braking));
  if (gripSquared < 0.0) throw ArithmeticFailure(ArithmeticFailure::Kind::NegativeRoot);
  return working.equation(
      "Critical speed under braking", "Vb",
      "(R^2 × ((af + g × tan(θ))^2 − ab^2))^0.25",
      {{"R", radius}, {"af", friction}, {"g", kGravity}, {"θ", camber}, {"ab", braking}},
      power(finite(finite(radius * radius) * gripSquared), 0.25), "m/s");
}

}  // namespace kelvara::curve
