#include "dynamics/overturn.h"

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara::overturn {

namespace {
constexpr double kHalf = 0.5;
}

double overturnSpeed(double track, double radius, double height, double crossfall) {
  const double tanCrossfall = tangent(crossfall);
  const double halfTrack = kHalf * track;
  const double numerator = finite(halfTrack + finite(height * tanCrossfall));
  const double denominator = finite(height - finite(halfTrack * tanCrossfall));
  if (denominator == 0.0) throw ArithmeticFailure(ArithmeticFailure::Kind::DivisionByZero);
  if (denominator < 0.0 || numerator < 0.0 || height < 0.0)
    throw ArithmeticFailure(ArithmeticFailure::Kind::NegativeRoot);
  return squareRoot(divide(finite(kGravity * radius * numerator), denominator));
}

bool skidsBeforeOverturning(double track, double height, double mu) {
  return divide(track, 2.0 * height) > mu;
}

}  // namespace kelvara::overturn
