#include "fields/field_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "fields/checked.h"

namespace kelvara {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// The extent of one decimal number at the start of text: [sign] digits [. digits]
// [exponent [sign] digits]. Returns its length, 0 when the text does not start with one.
struct NumberExtent {
  std::size_t length = 0;
  std::size_t exponentAt = 0;   // index of the exponent letter, or 0 when there is none
  int integerDigits = 0;        // significant digits before the point
};

NumberExtent numberPrefix(std::string_view text) {
  NumberExtent extent;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  int mantissaDigits = 0;
  bool significant = false;
  while (i < text.size() && isDigit(text[i])) {
    significant = significant || text[i] != '0';
    if (significant) ++extent.integerDigits;
    ++mantissaDigits;
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) {
      ++mantissaDigits;
      ++i;
    }
  }
  if (mantissaDigits == 0) return {};
  extent.length = i;
  if (i < text.size() && isExponentLetter(text[i])) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t exponentDigitsFrom = j;
    while (j < text.size() && isDigit(text[j])) ++j;
    if (j > exponentDigitsFrom) {
      extent.exponentAt = i;
      extent.length = j;
    }
  }
  return extent;
}

// Converts a text that numberPrefix accepted in full. Too large a number gives the largest
// finite double of its sign, too small a one gives zero.
double convertNumber(std::string_view number, const NumberExtent& extent,
                     bool* tooLarge = nullptr) {
  std::string normal(number);
  if (extent.exponentAt != 0) normal[extent.exponentAt] = 'e';
  bool negative = !normal.empty() && normal[0] == '-';
  std::size_t from = (!normal.empty() && (normal[0] == '+' || normal[0] == '-')) ? 1 : 0;
  double value = 0.0;
  auto [end, error] =
      std::from_chars(normal.data() + from, normal.data() + normal.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    long long exponent = 0;
    if (extent.exponentAt != 0) {
      std::string_view digits(normal.data() + extent.exponentAt + 1,
                              normal.size() - extent.exponentAt - 1);
      bool exponentNegative = digits.front() == '-';
      if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
      // Saturate: only the sign of the exponent and its rough size matter here.
      for (char c : digits) exponent = std::min<long long>(exponent * 10 + (c - '0'), 100000);
      if (exponentNegative) exponent = -exponent;
    }
    bool overflow = extent.integerDigits + exponent > 0;
    value = overflow ? std::numeric_limits<double>::max() : 0.0;
    if (overflow && tooLarge != nullptr) *tooLarge = true;
  }
  return negative ? -value : value;
}

double radixInteger(std::string_view digits, int radix, bool* tooLarge) {
  double value = 0.0;
  for (char c : digits) {
    int digit;
    if (isDigit(c)) digit = c - '0';
    else if (radix == 16 && std::isxdigit(static_cast<unsigned char>(c)))
      digit = 10 + (std::toupper(static_cast<unsigned char>(c)) - 'A');
    else break;
    if (digit >= radix) break;
    value = value * radix + digit;
  }
  if (std::isfinite(value)) return value;
  if (tooLarge != nullptr) *tooLarge = true;
  return std::numeric_limits<double>::max();
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A finite double as its 15 significant decimal digits: value = 0.digits × 10^pointAt.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int pointAt = 0;
};

DecimalDigits decimalDigits(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                              std::chars_format::scientific, 14);
  std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  std::size_t e = text.find('e');
  DecimalDigits decimal;
  decimal.negative = std::signbit(value);
  decimal.digits.push_back(text[0]);
  decimal.digits.append(text.substr(2, e - 2));
  int exponent = 0;
  std::string_view exponentText = text.substr(e + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  decimal.pointAt = exponent + 1;
  return decimal;
}

// The value × 10^decimals rounded half away from zero to a whole number, as its digits
// (possibly empty or with leading zeros).
std::string scaledRounded(const DecimalDigits& decimal, int decimals) {
  int keep = decimal.pointAt + decimals;
  const int available = static_cast<int>(decimal.digits.size());
  if (keep < 0) return "";
  if (keep >= available) return decimal.digits + std::string(keep - available, '0');
  std::string kept = decimal.digits.substr(0, keep);
  if (decimal.digits[keep] >= '5') {
    int i = keep - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i >= 0) ++kept[i];
    else kept.insert(kept.begin(), '1');
  }
  return kept;
}

// The field value; tooLarge (may be null) is set when the number does not fit a double.
double readFieldValue(std::string_view text, bool* tooLarge) {
  std::string packed;
  packed.reserve(text.size());
  for (char c : text)
    if (!isBlank(c)) packed.push_back(c);
  std::string_view rest(packed);
  if (rest.size() >= 2 && rest[0] == '&') {
    char radix = static_cast<char>(std::toupper(static_cast<unsigned char>(rest[1])));
    if (radix == 'H') return radixInteger(rest.substr(2), 16, tooLarge);
    if (radix == 'O') return radixInteger(rest.substr(2), 8, tooLarge);
  }
  NumberExtent extent = numberPrefix(rest);
  if (extent.length == 0) return 0.0;
  return convertNumber(rest.substr(0, extent.length), extent, tooLarge);
}

}  // namespace

double fieldValue(std::string_view text) { return readFieldValue(text, nullptr); }

double checkedFieldValue(std::string_view text) {
  bool tooLarge = false;
  const double value = readFieldValue(text, &tooLarge);
  if (tooLarge) throw ArithmeticFailure(ArithmeticFailure::Kind::NotFinite);
  return value;
}

bool isEmptyText(std::string_view text) { return text.empty(); }

bool isNumericText(std::string_view text) {
  std::string_view trimmed = trimBlanks(text);
  if (trimmed.empty()) return false;
  return numberPrefix(trimmed).length == trimmed.size();
}

double strictNumber(std::string_view text) {
  std::string_view trimmed = trimBlanks(text);
  NumberExtent extent = numberPrefix(trimmed);
  return convertNumber(trimmed.substr(0, extent.length), extent);
}

std::string shortestText(double value) {
  finite(value);
  if (value == 0.0) return "0";
  // Fifteen significant digits, written without a heap copy on the way: the range of results
  // writes millions of these.
  // A value whose shortest exact form has at most fifteen digits has those digits (a normal
  // double tells every fifteen-digit decimal apart), which is far quicker to find.
  char scientific[40];
  auto written = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                               std::chars_format::scientific);
  if (std::find(scientific, written.ptr, 'e') - scientific > 16 ||
      std::fabs(value) < std::numeric_limits<double>::min())  // apart from the subnormals
    written = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                            std::chars_format::scientific, 14);
  const char* e = std::find(scientific, written.ptr, 'e');
  char digits[24];
  int count = 0;
  digits[count++] = scientific[0];
  for (const char* at = scientific + 2; at < e; ++at) digits[count++] = *at;
  while (count > 1 && digits[count - 1] == '0') --count;
  int exponent = 0;
  std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), written.ptr, exponent);
  const int pointAt = exponent + 1;
  char text[64];
  int n = 0;
  const auto put = [&](char c) { text[n++] = c; };
  if (std::signbit(value)) put('-');
  if (exponent >= 15 || exponent < -4) {
    put(digits[0]);
    if (count > 1) {
      put('.');
      for (int i = 1; i < count; ++i) put(digits[i]);
    }
    put('E');
    put(exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) put('0');
    n = static_cast<int>(std::to_chars(text + n, text + sizeof text, magnitude).ptr - text);
  } else if (pointAt <= 0) {
    put('0');
    put('.');
    for (int i = 0; i < -pointAt; ++i) put('0');
    for (int i = 0; i < count; ++i) put(digits[i]);
  } else if (pointAt >= count) {
    for (int i = 0; i < count; ++i) put(digits[i]);
    for (int i = count; i < pointAt; ++i) put('0');
  } else {
    for (int i = 0; i < pointAt; ++i) put(digits[i]);
    put('.');
    for (int i = pointAt; i < count; ++i) put(digits[i]);
  }
  return std::string(text, static_cast<std::size_t>(n));
}

std::string maskFormat(double value, std::string_view mask) {
  finite(value);
  std::size_t point = mask.find('.');
  std::string_view integerMask = mask.substr(0, point);
  std::string_view fractionMask =
      point == std::string_view::npos ? std::string_view{} : mask.substr(point + 1);
  const int decimals = static_cast<int>(fractionMask.size());

  DecimalDigits decimal = decimalDigits(value);
  std::string scaled = scaledRounded(decimal, decimals);
  std::size_t firstSignificant = scaled.find_first_not_of('0');
  const bool zero = firstSignificant == std::string::npos;

  if (static_cast<int>(scaled.size()) < decimals)
    scaled.insert(0, std::string(decimals - scaled.size(), '0'));
  std::string integerDigits = scaled.substr(0, scaled.size() - decimals);
  std::string fractionDigits = scaled.substr(scaled.size() - decimals);
  integerDigits.erase(0, integerDigits.find_first_not_of('0'));

  // Trailing '#' placeholders after the point drop trailing zeros.
  for (std::size_t i = fractionMask.size(); i > 0 && fractionMask[i - 1] == '#'; --i) {
    if (fractionDigits.back() != '0') break;
    fractionDigits.pop_back();
  }

  std::string text = (decimal.negative && !zero) ? "-" : "";
  // Placeholders beyond the number's own digits, counted from the right: '0' shows a zero,
  // '#' nothing.
  const std::size_t spare = integerMask.size() > integerDigits.size()
                                ? integerMask.size() - integerDigits.size()
                                : 0;
  for (std::size_t i = 0; i < spare; ++i)
    if (integerMask[i] == '0') text += '0';
  text += integerDigits;
  if (!fractionDigits.empty()) text += "." + fractionDigits;
  return text;
}

std::string maskFormatText(std::string_view text, std::string_view mask) {
  if (!isNumericText(text)) return std::string(text);
  return maskFormat(strictNumber(text), mask);
}

}  // namespace kelvara
