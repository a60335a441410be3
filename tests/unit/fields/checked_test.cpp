#include "fields/checked.h"

#include <gtest/gtest.h>

#include <limits>

namespace kelvara {
namespace {

using Kind = ArithmeticFailure::Kind;

Kind failureOf(double (*operation)()) {
  try {
    operation();
  } catch (const ArithmeticFailure& failure) {
    return failure.kind();
  }
  ADD_FAILURE() << "no arithmetic failure";
  return Kind::NotFinite;
}

TEST(CheckedArithmetic, ComputesOrdinaryValues) {
  EXPECT_EQ(divide(6.0, 3.0), 2.0);
  EXPECT_EQ(squareRoot(0.0), 0.0);
  EXPECT_EQ(squareRoot(9.0), 3.0);
  EXPECT_EQ(power(-2.0, 2.0), 4.0);
  EXPECT_EQ(power(16.0, 0.25), 2.0);
  EXPECT_EQ(power(0.0, 0.5), 0.0);
}

TEST(CheckedArithmetic, RaisesOneFailureTypeForEachFault) {
  EXPECT_EQ(failureOf([] { return divide(1.0, 0.0); }), Kind::DivisionByZero);
  EXPECT_EQ(failureOf([] { return divide(0.0, -0.0); }), Kind::DivisionByZero);
  EXPECT_EQ(failureOf([] { return squareRoot(-1e-300); }), Kind::NegativeRoot);
  EXPECT_EQ(failureOf([] { return power(-8.0, 0.5); }), Kind::NegativeRoot);
  EXPECT_EQ(failureOf([] { return power(0.0, -1.0); }), Kind::DivisionByZero);
  EXPECT_EQ(failureOf([] { return divide(1e308, 1e-308); }), Kind::NotFinite);
  EXPECT_EQ(failureOf([] { return power(10.0, 400.0); }), Kind::NotFinite);
  EXPECT_EQ(failureOf([] { return finite(std::numeric_limits<double>::quiet_NaN()); }),
            Kind::NotFinite);
}

}  // namespace
}  // namespace kelvara
