#include "dynamics/side_slip.h"

#include <cmath>

#include "fields/checked.h"

namespace kelvara::side_slip {

std::optional<std::int16_t> wholeDegrees(double degrees) {
  double whole = std::floor(finite(degrees));
  const double fraction = degrees - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  if (whole < kLowestAngle || whole > kHighestAngle) return std::nullopt;
  return static_cast<std::int16_t>(whole);
}

double coefficientAtYaw(double yaw, double mu, double rolling) {
  const double across = finite(mu * std::sin(yaw));
  const double along = finite(rolling * std::cos(yaw));
  return squareRoot(finite(finite(across * across) + finite(along * along)));
}

double meanEffectiveCoefficient(std::int32_t a, std::int32_t b, double mu, double rolling,
                                Working& working) {
  double sum = 0.0;
  for (std::int32_t k = a; k <= b; ++k) {
    const double c = coefficientAtYaw(k * kPi / kHalfCircleDegrees, mu, rolling);
    // The coefficient at each end of the range, as the reader can work it out.
    if (k == a || k == b)
      working.equation(k == a ? "Coefficient at angle A" : "Coefficient at angle B",
                       k == a ? "cA" : "cB",
                       "\u221A((\u03BC \u00D7 sin(\u03C8 \u00D7 \u03C0 / 180))^2 + "
                       "(\u03BCr \u00D7 cos(\u03C8 \u00D7 \u03C0 / 180))^2)",
                       {{"\u03BC", mu},
                        {"\u03BCr", rolling},
                        {"\u03C8", static_cast<double>(k)},
                        {"\u03C0", kPi}},
                       c, "");
    sum = finite(sum + c);
  }
  working.value("Sum of the coefficients at every whole degree from A to B", "\u03A3c", sum, "");
  const double count =
      working.equation("Number of whole degrees from A to B", "N", "B \u2212 A + 1",
                       {{"A", static_cast<double>(a)}, {"B", static_cast<double>(b)}},
                       static_cast<double>(b - a + 1), "");
  return working.equation("Mean effective coefficient of friction", "\u03BCe", "\u03A3c / N",
                          {{"\u03A3c", sum}, {"N", count}}, divide(sum, count), "");
}

}  // namespace kelvara::side_slip
