// The field rules every page reads and writes its boxes with.
//   field value      never fails: every text reads as a finite number
//   strict number    equals the field value on every numeric text
//   mask format      of a finite double reads back as the value rounded to the mask's decimals
//   shortest text    reads back as the same double to 15 significant digits
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "fields/checked.h"
#include "fields/field_text.h"
#include "harness.h"

using namespace kelvara;
using namespace kelvara::fuzz;

namespace {

constexpr std::size_t kLongestIntegerMask = 12;
constexpr std::size_t kMostDecimals = 9;

std::string describe(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

void checkText(const std::string& text) {
  double value = 0.0;
  try {
    value = fieldValue(text);
  } catch (...) {
    finding("fieldValue failed on \"" + text + "\"");
  }
  if (!std::isfinite(value)) finding("fieldValue of \"" + text + "\" is not finite");
  try {
    const double checked = checkedFieldValue(text);
    if (checked != value) finding("checkedFieldValue differs from fieldValue on \"" + text + "\"");
  } catch (const ArithmeticFailure&) {
    if (std::fabs(value) != std::numeric_limits<double>::max())
      finding("checkedFieldValue refused \"" + text + "\", which is no number too large");
  }
  if (isNumericText(text) && strictNumber(text) != value)
    finding("strictNumber differs from fieldValue on the numeric text \"" + text + "\"");
  if (isEmptyText(text) != text.empty()) finding("isEmptyText wrong on \"" + text + "\"");
}

// A mask of '#' and '0' placeholders, with a point and decimals (zeros, then hashes) or not.
std::string maskFrom(Input& input, std::size_t& decimals) {
  std::string mask;
  const std::size_t integer = 1 + input.pick(kLongestIntegerMask);
  for (std::size_t i = 0; i < integer; ++i) mask += input.byte() & 1 ? '#' : '0';
  // At least one '0': a mask of '#' alone writes nothing at all for a zero, by design.
  if (mask.find('0') == std::string::npos) mask.back() = '0';
  decimals = input.pick(kMostDecimals + 1);
  if (decimals > 0) {
    const std::size_t zeros = input.pick(decimals + 1);
    mask += '.';
    mask += std::string(zeros, '0') + std::string(decimals - zeros, '#');
  }
  return mask;
}

double doubleFrom(Input& input) {
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits = bits << 8 | input.byte();
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void checkMask(double value, const std::string& mask, std::size_t decimals) {
  if (!std::isfinite(value)) {
    try {
      maskFormat(value, mask);
    } catch (const ArithmeticFailure&) {
      return;
    }
    finding("maskFormat wrote a text for " + describe(value));
  }
  const std::string text = maskFormat(value, mask);
  const std::string where = "maskFormat(" + describe(value) + ", \"" + mask + "\") = \"" + text + "\"";
  if (!isNumericText(text) || text.find(' ') != std::string::npos)
    finding(where + " is no number");
  const double back = fieldValue(text);
  // Rounded to the mask's decimals: within half a unit of the last decimal, allowing for the
  // 15 significant digits the value is rounded from.
  const double unit = std::pow(10.0, -static_cast<double>(decimals));
  const double slack = std::fabs(value) * 1e-14 + unit * 1e-9;
  if (std::fabs(back - value) > unit / 2 + slack) finding(where + " reads back too far off");
  const std::size_t point = text.find('.');
  if (point != std::string::npos && text.size() - point - 1 > decimals)
    finding(where + " has more decimals than its mask");
  if (text.front() == '-' && back == 0.0) finding(where + " is a negative zero");
  if (maskFormat(back, mask) != text) finding(where + " does not read back as itself");
}

void checkShortest(double value) {
  if (!std::isfinite(value)) {
    try {
      shortestText(value);
    } catch (const ArithmeticFailure&) {
      return;
    }
    finding("shortestText wrote a text for " + describe(value));
  }
  const std::string text = shortestText(value);
  const std::string where = "shortestText(" + describe(value) + ") = \"" + text + "\"";
  if (!isNumericText(text)) finding(where + " is no number");
  const double back = fieldValue(text);
  char original[32], readBack[32];
  std::snprintf(original, sizeof original, "%.14e", value);
  std::snprintf(readBack, sizeof readBack, "%.14e", back);
  if (std::strcmp(original, readBack) != 0 && !(value == 0.0 && back == 0.0))
    finding(where + " reads back as " + describe(back));
  if (strictNumber(text) != back) finding(where + ": strictNumber differs from fieldValue");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  while (!input.done()) {
    switch (input.byte() % 4) {
      case 0: checkText(input.text()); break;
      case 1: {
        std::size_t decimals = 0;
        const std::string mask = maskFrom(input, decimals);
        checkMask(doubleFrom(input), mask, decimals);
        break;
      }
      case 2: checkShortest(doubleFrom(input)); break;
      case 3: {
        // A value read from a text, as the pages format what they read.
        const double value = fieldValue(input.text());
        std::size_t decimals = 0;
        const std::string mask = maskFrom(input, decimals);
        checkMask(value, mask, decimals);
        checkShortest(value);
        break;
      }
    }
  }
  return 0;
}
