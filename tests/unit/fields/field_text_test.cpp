#include "fields/field_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara {
namespace {

struct ValueRow {
  const char* text;
  double value;
};

TEST(FieldValue, ReadsTheLongestNumericPrefix) {
  const ValueRow rows[] = {
      {"", 0.0},
      {" ", 0.0},
      {"12.5", 12.5},
      {"-6.867 ms-2", -6.867},
      {"   -6.867 ms-2", -6.867},
      {"13.411mph", 13.411},
      {"abc", 0.0},
      {"1,5", 1.0},
      {"--5", 0.0},
      {"1 2", 12.0},
      {"1\t2\n3", 123.0},
      {"1.5E2", 150.0},
      {"1.5e-2", 0.015},
      {"2d1", 20.0},
      {"2D+1", 20.0},
      {"&H1F", 31.0},
      {"&h1f", 31.0},
      {"&O17", 15.0},
      {"&o78", 7.0},
      {"&H", 0.0},
      {".5", 0.5},
      {"5.", 5.0},
      {".", 0.0},
      {"+3", 3.0},
      {"-", 0.0},
      {"1e", 1.0},
      {"1e+", 1.0},
      {"1.2.3", 1.2},
      {"e5", 0.0},
      {"12.345  metres", 12.345},
      {"Infinity", 0.0},
      {"0.000mph", 0.0},
  };
  for (const auto& row : rows) EXPECT_EQ(fieldValue(row.text), row.value) << '"' << row.text << '"';
}

TEST(FieldValue, NumbersBeyondADoubleStayFinite) {
  EXPECT_EQ(fieldValue("1e999"), std::numeric_limits<double>::max());
  EXPECT_EQ(fieldValue("-1e999"), -std::numeric_limits<double>::max());
  EXPECT_EQ(fieldValue("1e-999"), 0.0);
  EXPECT_EQ(fieldValue("0.0000001e-400"), 0.0);
  EXPECT_EQ(fieldValue(std::string(400, '9')), std::numeric_limits<double>::max());
}

// fieldValue reads such a number as the largest finite double; checkedFieldValue refuses it.
TEST(CheckedFieldValue, RefusesOnlyANumberTooLargeForADouble) {
  const std::string tooLarge[] = {"1E400", "1e999", "-1e999", " -1e999 mph",
                                  std::string(400, '9'), "&H" + std::string(300, 'F')};
  for (const std::string& text : tooLarge) {
    try {
      checkedFieldValue(text);
      ADD_FAILURE() << text;
    } catch (const ArithmeticFailure& failure) {
      EXPECT_EQ(failure.kind(), ArithmeticFailure::Kind::NotFinite) << text;
    }
  }
  EXPECT_EQ(checkedFieldValue("1.7976931348623157E308"), std::numeric_limits<double>::max());
  EXPECT_EQ(checkedFieldValue("1e308 kg"), 1e308);
  EXPECT_EQ(checkedFieldValue("-12.5 metres"), -12.5);
  EXPECT_EQ(checkedFieldValue("1e-999"), 0.0);
  EXPECT_EQ(checkedFieldValue(""), 0.0);
  EXPECT_EQ(checkedFieldValue("abc"), 0.0);
  EXPECT_EQ(checkedFieldValue(" 8 0"), 80.0);
}

TEST(EmptyTest, OnlyTheTextOfLengthZeroIsEmpty) {
  EXPECT_TRUE(isEmptyText(""));
  EXPECT_FALSE(isEmptyText(" "));
  EXPECT_FALSE(isEmptyText("0"));
}

TEST(NumericTest, AcceptsOneWholeNumberBetweenBlanks) {
  for (const char* text : {"0.7", " 0.7 ", "-1", "+2.", ".5", "1E5", "1e-3", "1D2"})
    EXPECT_TRUE(isNumericText(text)) << text;
  for (const char* text : {"", " ", "abc", "0.7x", "1,5", "1.2.3", "--1", "1e", ".", "&H1F"})
    EXPECT_FALSE(isNumericText(text)) << text;
  EXPECT_EQ(strictNumber(" 0.7 "), 0.7);
  EXPECT_EQ(strictNumber("-1.5E2"), -150.0);
}

TEST(ShortestText, WritesUpToFifteenSignificantDigits) {
  EXPECT_EQ(shortestText(0.7 * kGravity), "6.867");
  EXPECT_EQ(shortestText(0.5), "0.5");
  EXPECT_EQ(shortestText(-0.5), "-0.5");
  EXPECT_EQ(shortestText(0.0), "0");
  EXPECT_EQ(shortestText(12.0), "12");
  EXPECT_EQ(shortestText(100.0), "100");
  EXPECT_EQ(shortestText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(shortestText(0.1 + 0.2), "0.3");
  EXPECT_EQ(shortestText(0.0001), "0.0001");
  EXPECT_EQ(shortestText(0.000015), "1.5E-05");
  EXPECT_EQ(shortestText(1e15), "1E+15");
  EXPECT_EQ(shortestText(999999999999999.0), "999999999999999");
  EXPECT_EQ(shortestText(-2.5e20), "-2.5E+20");
  EXPECT_EQ(shortestText(1e-100), "1E-100");
}

struct MaskRow {
  double value;
  const char* mask;
  const char* text;
};

TEST(MaskFormat, RoundsHalfAwayFromZeroOnTheDecimalForm) {
  const MaskRow rows[] = {
      {13.4112, "###0.000", "13.411"},
      {0.5, "###0.000", "0.500"},
      {-0.589, "###0.000", "-0.589"},
      {12345.6789, "###0.000", "12345.679"},
      {2.5, "########0", "3"},
      {-2.5, "########0", "-3"},
      {2.675, "0.00", "2.68"},
      {1.005, "0.00", "1.01"},
      {0.0005, "0.000", "0.001"},
      {0.00049, "0.000", "0.000"},
      {9.9996, "###0.000", "10.000"},
      {999.9995, "###0.000", "1000.000"},
      {0.0, "###0.000", "0.000"},
      {-0.0001, "###0.000", "0.000"},
      {-0.0, "###0.000", "0.000"},
      {5.0, "#####00.0", "05.0"},
      {34567.0, "0#####", "034567"},
      {4567.0, "0#####", "04567"},
      {0.07142857142857142, "######0.00000", "0.07143"},
      {1e20, "###0.000", "100000000000000000000.000"},
      {1.23456789012345678, "0.000000000000000000", "1.234567890123460000"},
      {0.25, "#.0", ".3"},
      {1.5, "0.0#", "1.5"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(maskFormat(row.value, row.mask), row.text) << row.value << " through " << row.mask;
}

TEST(MaskFormat, RefusesAFigureThatIsNotANumber) {
  EXPECT_THROW(maskFormat(std::numeric_limits<double>::infinity(), "0.00"), ArithmeticFailure);
  EXPECT_THROW(maskFormat(std::nan(""), "0.00"), ArithmeticFailure);
  EXPECT_THROW(shortestText(std::numeric_limits<double>::infinity()), ArithmeticFailure);
}

TEST(MaskFormat, FormatsABoxTextOnlyWhenItIsANumber) {
  EXPECT_EQ(maskFormatText("1", "#######0.00"), "1.00");
  EXPECT_EQ(maskFormatText(" 1.255 ", "#######0.00"), "1.26");
  EXPECT_EQ(maskFormatText("one", "#######0.00"), "one");
  EXPECT_EQ(maskFormatText("1.5s", "#######0.00"), "1.5s");
  EXPECT_EQ(maskFormatText("", "#######0.00"), "");
}

// Every mask the pages use, read back as a field value, gives the value rounded to the
// mask's decimals: what a page writes is what the next calculation reads. Rounding works on
// the 15-digit decimal form, so a value a hair below a half may round up; never further.
TEST(MaskFormat, ReadsBackAsTheRoundedValue) {
  const char* masks[] = {"###0.000", "#####0.000", "######0.00", "########0", "0#####",
                         "####0.000", "######0.000", "#####0.00", "######0.00000",
                         "#######0.00", "########0.0", "#####00.0", "0.00", "0.0"};
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-6, 9);
  for (int i = 0; i < 20000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    for (const char* mask : masks) {
      const std::string text = maskFormat(value, mask);
      const std::string m(mask);
      const auto point = m.find('.');
      const int decimals = point == std::string::npos ? 0 : static_cast<int>(m.size() - point - 1);
      const double unit = std::pow(10.0, -decimals);
      const double readBack = fieldValue(text);
      ASSERT_LE(std::fabs(readBack - value), 0.5 * unit + 1e-14 * std::fabs(value))
          << value << " through " << mask << " gave " << text;
      const double steps = readBack / unit;
      ASSERT_NEAR(steps, std::round(steps), 1e-6 * std::max(1.0, std::fabs(steps)) ) << text;
      ASSERT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << text;
    }
  }
}

TEST(Units, ConvertSpeedsByTheExactMileFactor) {
  EXPECT_DOUBLE_EQ(mphToMetresPerSecond(30.0), 13.4112);
  EXPECT_EQ(maskFormat(metresPerSecondToMph(6.0), "###0.000"), "13.422");
}

}  // namespace
}  // namespace kelvara
