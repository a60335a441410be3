#pragma once
// Arithmetic that refuses to produce a figure no box may show.
//
// Each operation throws ArithmeticFailure instead of returning an infinity or a NaN: a
// division by zero, the square root or fractional power of a negative number, or any
// result that is not finite. A handler catches it where its page reports the failure.

#include <stdexcept>

namespace kelvara {

class ArithmeticFailure : public std::runtime_error {
 public:
  enum class Kind { DivisionByZero, NegativeRoot, NotFinite };
  explicit ArithmeticFailure(Kind kind);
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// The value itself, or ArithmeticFailure(NotFinite).
double finite(double value);
// numerator / denominator; a zero denominator is a DivisionByZero.
double divide(double numerator, double denominator);
// √x; a negative x is a NegativeRoot.
double squareRoot(double x);
// base^exponent; a negative base with a fractional exponent is a NegativeRoot, zero to a
// negative power a DivisionByZero.
double power(double base, double exponent);
// tan x, refusing the poles where the result is not finite.
double tangent(double radians);

}  // namespace kelvara
