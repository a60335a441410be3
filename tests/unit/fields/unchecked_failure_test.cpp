#include "fields/unchecked_failure.h"
#include "fields/field_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvara {
namespace {

TEST(CheckedFieldValue, RefusesOnlyANumberTooLargeForADouble) {
  EXPECT_EQ(checkedFieldValue("1e308"), 1e308);
  EXPECT_EQ(checkedFieldValue("-12.5 metres"), -12.5);
  EXPECT_EQ(checkedFieldValue(""), 0.0);
  EXPECT_EQ(checkedFieldValue("1e-999"), 0.0);
  const std::string tooLarge[] = {"1e999", "-1e999", std::string(400, '9'),
                                  "&H" + std::string(300, 'F')};
  for (const std::string& text : tooLarge) {
    try {
      checkedFieldValue(text);
      ADD_FAILURE() << text;
    } catch (const ArithmeticFailure& failure) {
      EXPECT_EQ(failure.kind(), ArithmeticFailure::Kind::NotFinite) << text;
    }
  }
}

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
