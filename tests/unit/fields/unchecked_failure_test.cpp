#include "fields/unchecked_failure.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvara {
namespace {

TEST(UncheckedFailureMessage, OneMessagePerKindOfFailure) {
  using Kind = ArithmeticFailure::Kind;
  EXPECT_EQ(uncheckedFailureMessage(ArithmeticFailure(Kind::DivisionByZero)).lines,
            (std::vector<std::string>{"Your values have resulted in a division by zero error",
                                      "Clear all boxes and try again."}));
  EXPECT_EQ(uncheckedFailureMessage(ArithmeticFailure(Kind::NegativeRoot)).lines,
            (std::vector<std::string>{"Invalid input.",
                                      "Your values result in a negative square root.",
                                      "Clear all boxes and try again."}));
  const Message invalid = uncheckedFailureMessage(ArithmeticFailure(Kind::NotFinite));
  EXPECT_EQ(invalid.lines,
            (std::vector<std::string>{"Invalid input.", "Clear all boxes and try again."}));
  EXPECT_EQ(invalid.code, MessageCode::Ok);
  EXPECT_EQ(invalid.title, "Kelvara");
}

}  // namespace
}  // namespace kelvara
