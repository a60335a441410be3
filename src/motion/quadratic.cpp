#include "motion/quadratic.h"

#include <cmath>

#include "fields/checked.h"

namespace kelvara {

double coefficientFromDeceleration(double deceleration) {
  return divide(1.0, finite(2.0 * deceleration));
}

double linearRoot(double b, double c) { return divide(-c, b); }

QuadraticRoots solveQuadratic(double a, double b, double c) {
  QuadraticRoots roots;
  if (a == 0.0) return roots;
  const double discriminant = finite(finite(b * b) - finite(4.0 * finite(a * c)));
  if (discriminant < 0.0) return roots;
  if (discriminant == 0.0) {
    roots.kind = QuadraticRoots::Kind::Double;
    roots.x1 = roots.x2 = divide(-b / 2.0, a);
    return roots;
  }
  // q = −(B + sign(B)·√Δ) / 2 gives the two roots as q / A and C / q. This is the same pair
  // as (−B ± √Δ) / (2A) but never subtracts two nearly equal numbers, so a small root next
  // to a large one keeps its digits. For B ≥ 0, q / A is the "−√Δ" root x2.
  const double root = squareRoot(discriminant);
  const double q = -(b + std::copysign(root, b)) / 2.0;
  const double viaA = divide(q, a);
  const double viaC = divide(c, q);
  roots.kind = QuadraticRoots::Kind::Two;
  roots.x1 = std::signbit(b) ? viaA : viaC;
  roots.x2 = std::signbit(b) ? viaC : viaA;
  return roots;
}

}  // namespace kelvara
