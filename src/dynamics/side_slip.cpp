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

double meanEffectiveCoefficient(std::int32_t a, std::int32_t b, double mu, double rolling) {
  double sum = 0.0;
  for (std::int32_t k = a; k <= b; ++k)
    sum = finite(sum + coefficientAtYaw(k * kPi / kHalfCircleDegrees, mu, rolling));
  return divide(sum, static_cast<double>(b - a + 1));
}

}  // namespace kelvara::side_slip
