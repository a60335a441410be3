#pragma once
// Roots of A·x² + B·x + C = 0, and the coefficients of the reaction-stop equation
// x²/(2a) + t·x − D = 0, whose positive root is the speed x (m/s) from which a driver
// reacting for t seconds can just stop within D metres under a deceleration a.
//
// Every function uses checked arithmetic: a figure that would overflow throws
// ArithmeticFailure instead of giving an infinity or a NaN.

#include "fields/working.h"

namespace kelvara {

// A = 1 / (2a). A zero deceleration is a DivisionByZero.
double coefficientFromDeceleration(double deceleration, Working& working = noWorking());

// The root of the linear equation B·x + C = 0: x = −C / B. A zero B is a DivisionByZero.
double linearRoot(double b, double c, Working& working = noWorking());

struct QuadraticRoots {
  enum class Kind { Two, Double, None };
  Kind kind = Kind::None;
  // x1 = (−B + √Δ) / (2A), x2 = (−B − √Δ) / (2A); both −B / (2A) for a double root.
  double x1 = 0.0;
  double x2 = 0.0;
};

// Solves A·x² + B·x + C = 0 with Δ = B² − 4·A·C: two roots for Δ > 0, a double root for
// Δ = 0, none for Δ < 0 or for A = 0 (a linear equation is solved by linearRoot).
QuadraticRoots solveQuadratic(double a, double b, double c, Working& working = noWorking());

}  // namespace kelvara
