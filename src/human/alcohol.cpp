#include "human/alcohol.h"

#include "fields/checked.h"
#include "fields/field_text.h"

namespace kelvara::alcohol {

namespace {

constexpr double kMinutesPerHour = 60.0;
constexpr double kMilligramsPerGramPer100Ml = 1000.0;

// Whether a byte of UTF-8 text begins a character (is not a continuation byte).
bool beginsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The first n characters of a UTF-8 text (all of it when it is shorter).
std::string_view firstCharacters(std::string_view text, std::size_t n) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (beginsCharacter(text[i]) && count++ == n) return text.substr(0, i);
  }
  return text;
}

// The last n characters of a UTF-8 text (all of it when it is shorter).
std::string_view lastCharacters(std::string_view text, std::size_t n) {
  std::size_t count = 0;
  for (std::size_t i = text.size(); i > 0; --i) {
    if (beginsCharacter(text[i - 1]) && ++count == n) return text.substr(i - 1);
  }
  return text;
}

}  // namespace

double clockMinutes(std::string_view hhmm) {
  return finite(kMinutesPerHour * fieldValue(firstCharacters(hhmm, 2)) +
                fieldValue(lastCharacters(hhmm, 2)));
}

double elapsedHours(double testMinutes, double eventMinutes) {
  return divide(finite(testMinutes - eventMinutes), kMinutesPerHour);
}

double bodyFactor(double weightKg, Sex sex) {
  const double widmark = sex == Sex::Male ? kWidmarkMale : kWidmarkFemale;
  return finite(finite(weightKg * widmark) / 10.0);
}

double bloodEquivalent(double reading, TestKind kind) {
  switch (kind) {
    case TestKind::Breath: return finite(finite(reading * kBloodLimit) / kBreathLimit);
    case TestKind::Urine: return finite(finite(reading * kBloodLimit) / kUrineLimit);
    case TestKind::Blood: break;
  }
  return finite(reading);
}

double levelAtEvent(double bloodAtTest, double hours) {
  return finite(bloodAtTest + finite(kEliminationRate * hours));
}

double totalAlcoholGrams(double bloodLevel, double bodyFactor) {
  return finite(finite(bloodLevel * bodyFactor) / kMilligramsPerGramPer100Ml);
}

double breathEquivalent(double bloodLevel) {
  return finite(finite(bloodLevel * kBreathLimit) / kBloodLimit);
}

double urineEquivalent(double bloodLevel) {
  return finite(finite(bloodLevel * kUrineLimit) / kBloodLimit);
}

double equivalentPints(double grams, double strengthPercent) {
  const double alcoholPerPint = finite(finite(strengthPercent * kPintMillilitres) / 100.0);
  return divide(divide(grams, kPintsDivisor), alcoholPerPint);
}

}  // namespace kelvara::alcohol
