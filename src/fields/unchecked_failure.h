#pragma once
// What a page shows when arithmetic it has no check of its own for fails: the suite's
// messages for a zero divisor, a negative root and a figure the arithmetic cannot carry.
// A box that reads as a number too large for a double is refused by checkedFieldValue.

#include "fields/checked.h"
#include "fields/message.h"

namespace kelvara {

inline Message divisionByZeroMessage() {
  return Message{
      {"Your values have resulted in a division by zero error", "Clear all boxes and try again."}};
}

inline Message negativeRootMessage() {
  return Message{{"Invalid input.", "Your values result in a negative square root.",
                  "Clear all boxes and try again."}};
}

// A box too large for a double, or a result that is not finite.
inline Message invalidInputMessage() {
  return Message{{"Invalid input.", "Clear all boxes and try again."}};
}

inline Message uncheckedFailureMessage(const ArithmeticFailure& failure) {
  switch (failure.kind()) {
    case ArithmeticFailure::Kind::DivisionByZero: return divisionByZeroMessage();
    case ArithmeticFailure::Kind::NegativeRoot: return negativeRootMessage();
    case ArithmeticFailure::Kind::NotFinite: return invalidInputMessage();
  }
  return invalidInputMessage();
}

}  // namespace kelvara
