#pragma once
// Reading numbers from box texts and writing results back as texts.
//
// Every page reads its boxes and formats its results only through these functions, so that
// the decimal point is always ".", whatever the machine's language, and every figure is
// rounded the same way.

#include <string>
#include <string_view>

namespace kelvara {

// The number a box text stands for. Blanks, tabs and line feeds are dropped wherever they
// stand; "&H"/"&O" introduce hexadecimal/octal integers; otherwise the longest prefix of the
// form [sign] digits [. digits] [E|e|D|d [sign] digits] counts. Never fails: text without
// digits reads as 0, and a number too large for a double reads as the largest finite one.
double fieldValue(std::string_view text);

// The field value of a text whose number must fit a double: where fieldValue gives the
// largest finite double for a number too large for one, this throws
// ArithmeticFailure(NotFinite). For pages that report any arithmetic failure themselves.
double checkedFieldValue(std::string_view text);

// A box counts as not given only when its text has no characters at all.
bool isEmptyText(std::string_view text);

// True when the whole text, less leading and trailing blanks, is one decimal number.
bool isNumericText(std::string_view text);

// The value of a text that passed isNumericText.
double strictNumber(std::string_view text);

// Up to 15 significant digits, no trailing zeros; exponent form (1E+15, 1.5E-05) for
// magnitudes of 1E15 and above or below 0.0001.
std::string shortestText(double value);

// The value through a mask of '0' and '#' placeholders with at most one point, e.g.
// "###0.000": rounded half away from zero on the 15-significant-digit decimal form.
// A negative value that rounds to zero is written without its minus sign.
// Throws ArithmeticFailure for a value that is not finite.
std::string maskFormat(double value, std::string_view mask);

// A box text through a mask: a text that is a number is formatted as that number, any
// other text is returned unchanged.
std::string maskFormatText(std::string_view text, std::string_view mask);

}  // namespace kelvara
