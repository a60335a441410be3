#include "dynamics/max_speed.h"

#include <cmath>

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara::max_speed {

double racingLineRadius(double usableWidth, double halfAngle, double insideRadius) {
  const double sag = 1.0 - std::cos(finite(halfAngle));
  return finite(divide(usableWidth, sag) + insideRadius);
}

double maximumSpeed(double radius, double mu, double crossfall) {
  const double tanCrossfall = tangent(crossfall);
  const double denominator = finite(1.0 - finite(mu * tanCrossfall));
  const double grip = finite(mu + tanCrossfall);
  if (denominator == 0.0) throw ArithmeticFailure(ArithmeticFailure::Kind::DivisionByZero);
  if (denominator < 0.0 || grip < 0.0 || radius < 0.0)
    throw ArithmeticFailure(ArithmeticFailure::Kind::NegativeRoot);
  return squareRoot(divide(finite(kGravity * radius * grip), denominator));
}

}  // namespace kelvara::max_speed
