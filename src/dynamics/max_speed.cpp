#include "dynamics/max_speed.h"

#include <cmath>

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara::max_speed {

double racingLineRadius(double usableWidth, double halfAngle, double insideRadius,
                        Working& working) {
  const double sag = 1.0 - std::cos(finite(halfAngle));
  return working.equation("Radius of the racing line", "Rmax", "W' / (1 \u2212 cos(\u03B1)) + r",
                          {{"W'", usableWidth}, {"\u03B1", halfAngle}, {"r", insideRadius}},
                          finite(divide(usableWidth, sag) + insideRadius), "m");
}

double maximumSpeed(double radius, double mu, double crossfall, Working& working) {
  const double tanCrossfall = tangent(crossfall);
  const double denominator = finite(1.0 - finite(mu * tanCrossfall));
  const double grip = finite(mu + tanCrossfall);
  if (denominator == 0.0) throw ArithmeticFailure(ArithmeticFailure::Kind::DivisionByZero);
  if (denominator < 0.0 || grip < 0.0 || radius < 0.0)
    throw ArithmeticFailure(ArithmeticFailure::Kind::NegativeRoot);
  return working.equation(
      "Maximum speed", "Vmax",
      "\u221A(g \u00D7 R \u00D7 (\u03BC + tan(\u03C6)) / (1 \u2212 \u03BC \u00D7 tan(\u03C6)))",
      {{"g", kGravity}, {"R", radius}, {"\u03BC", mu}, {"\u03C6", crossfall}},
      squareRoot(divide(finite(kGravity * radius * grip), denominator)), "m/s");
}

}  // namespace kelvara::max_speed
