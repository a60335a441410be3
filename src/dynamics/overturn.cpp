#include "dynamics/overturn.h"

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara::overturn {

namespace {
constexpr double kHalf = 0.5;
}

double overturnSpeed(double track, double radius, double height, double crossfall,
                     Working& working) {
  const double tanCrossfall = tangent(crossfall);
  const double halfTrack = kHalf * track;
  const double numerator = finite(halfTrack + finite(height * tanCrossfall));
  const double denominator = finite(height - finite(halfTrack * tanCrossfall));
  if (denominator == 0.0) throw ArithmeticFailure(ArithmeticFailure::Kind::DivisionByZero);
  if (denominator < 0.0 || numerator < 0.0 || height < 0.0)
    throw ArithmeticFailure(ArithmeticFailure::Kind::NegativeRoot);
  return working.equation(
      "Overturn speed", "V",
      "\u221A(g \u00D7 R \u00D7 (T / 2 + h \u00D7 tan(\u03B8)) / "
      "(h \u2212 T / 2 \u00D7 tan(\u03B8)))",
      {{"g", kGravity}, {"R", radius}, {"T", track}, {"h", height}, {"\u03B8", crossfall}},
      squareRoot(divide(finite(kGravity * radius * numerator), denominator)), "m/s");
}

bool skidsBeforeOverturning(double track, double height, double mu, Working& working) {
  const double stability =
      working.equation("Stability ratio", "SR", "T / (2 \u00D7 h)", {{"T", track}, {"h", height}},
                       divide(track, 2.0 * height), "");
  const bool skids = stability > mu;
  working.note(skids ? "The stability ratio exceeds the coefficient of friction: the vehicle "
                       "skids before it can overturn."
                     : "The stability ratio does not exceed the coefficient of friction: the "
                       "vehicle overturns before it skids.");
  return skids;
}

}  // namespace kelvara::overturn
