#include "fields/checked.h"

#include <cmath>

namespace kelvara {

namespace {
const char* describe(ArithmeticFailure::Kind kind) {
  switch (kind) {
    case ArithmeticFailure::Kind::DivisionByZero: return "division by zero";
    case ArithmeticFailure::Kind::NegativeRoot: return "root of a negative number";
    case ArithmeticFailure::Kind::NotFinite: return "result is not a finite number";
  }
  return "arithmetic failure";
}
}  // namespace

ArithmeticFailure::ArithmeticFailure(Kind kind) : std::runtime_error(describe(kind)), kind_(kind) {}

double finite(double value) {
  if (!std::isfinite(value)) throw ArithmeticFailure(ArithmeticFailure::Kind::NotFinite);
  return value;
}

double divide(double numerator, double denominator) {
  if (denominator == 0.0) throw ArithmeticFailure(ArithmeticFailure::Kind::DivisionByZero);
  return finite(numerator / denominator);
}

double squareRoot(double x) {
  if (x < 0.0) throw ArithmeticFailure(ArithmeticFailure::Kind::NegativeRoot);
  return finite(std::sqrt(x));
}

double power(double base, double exponent) {
  if (base < 0.0 && std::trunc(exponent) != exponent)
    throw ArithmeticFailure(ArithmeticFailure::Kind::NegativeRoot);
  if (base == 0.0 && exponent < 0.0)
    throw ArithmeticFailure(ArithmeticFailure::Kind::DivisionByZero);
  return finite(std::pow(base, exponent));
}

double tangent(double radians) { return finite(std::tan(finite(radians))); }

}  // namespace kelvara
