#include "motion/quadratic.h"

#include <cmath>

#include "fields/checked.h"

namespace kelvara {

double coefficientFromDeceleration(double deceleration, Working& working) {
  return working.equation("Coefficient A from the deceleration", "A", "1 / (2 \u00D7 a)",
                          {{"a", deceleration}}, divide(1.0, finite(2.0 * deceleration)),
                          "s\u00B2/m");
}

double linearRoot(double b, double c, Working& working) {
  working.note("The equation has no x\u00B2 term: it is linear, B \u00D7 x + C = 0.");
  return working.equation("Root", "x", "\u2212C / B", {{"B", b}, {"C", c}}, divide(-c, b), "");
}

QuadraticRoots solveQuadratic(double a, double b, double c, Working& working) {
  QuadraticRoots roots;
  if (a == 0.0) {
    working.note("A is 0: there is no quadratic to solve.");
    return roots;
  }
  const double discriminant = working.equation(
      "Discriminant", "\u0394", "B^2 \u2212 4 \u00D7 (A \u00D7 C)", {{"A", a}, {"B", b}, {"C", c}},
      finite(finite(b * b) - finite(4.0 * finite(a * c))), "");
  if (discriminant < 0.0) {
    working.note("The discriminant is negative: no real roots.");
    return roots;
  }
  if (discriminant == 0.0) {
    roots.kind = QuadraticRoots::Kind::Double;
    roots.x1 = roots.x2 = working.equation("Double root", "x", "\u2212B / 2 / A",
                                           {{"A", a}, {"B", b}}, divide(-b / 2.0, a), "");
    return roots;
  }
  // q = −(B + sign(B)·√Δ) / 2 gives the two roots as q / A and C / q. This is the same pair
  // as (−B ± √Δ) / (2A) but never subtracts two nearly equal numbers, so a small root next
  // to a large one keeps its digits. For B ≥ 0, q / A is the "−√Δ" root x2.
  working.note(
      "The roots are taken as q / A and C / q, the same pair as (\u2212B \u00B1 "
      "\u221A\u0394) / (2 \u00D7 A) without the loss of digits of a difference of "
      "nearly equal numbers.");
  const bool negativeB = std::signbit(b);
  const double root = squareRoot(discriminant);
  const double q = working.equation(
      "Intermediate quantity of the roots", "q",
      negativeB ? "\u2212(B \u2212 \u221A\u0394) / 2" : "\u2212(B + \u221A\u0394) / 2",
      {{"B", b}, {"\u0394", discriminant}}, -(b + std::copysign(root, b)) / 2.0, "");
  const double viaA = divide(q, a);
  const double viaC = divide(c, q);
  roots.kind = QuadraticRoots::Kind::Two;
  roots.x1 = working.equation("First root", "x1", negativeB ? "q / A" : "C / q",
                              {{"q", q}, {"A", a}, {"C", c}}, negativeB ? viaA : viaC, "");
  roots.x2 = working.equation("Second root", "x2", negativeB ? "C / q" : "q / A",
                              {{"q", q}, {"A", a}, {"C", c}}, negativeB ? viaC : viaA, "");
  return roots;
}

}  // namespace kelvara
