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

double clockMinutes(std::string_view hhmm, std::string_view quantity, std::string_view symbol,
                    Working& working) {
  const double hours = fieldValue(firstCharacters(hhmm, 2));
  const double minutes = fieldValue(lastCharacters(hhmm, 2));
  return working.equation(quantity, symbol, "60 × hh + mm", {{"hh", hours}, {"mm", minutes}},
                          finite(kMinutesPerHour * hours + minutes), "min");
}

double elapsedHours(double testMinutes, double eventMinutes, Working& working) {
  return working.equation("Hours from the event to the test", "t", "(Tt − Te) / 60",
                          {{"Tt", testMinutes}, {"Te", eventMinutes}},
                          divide(finite(testMinutes - eventMinutes), kMinutesPerHour), "hours");
}

double bodyFactor(double weightKg, Sex sex, Working& working) {
  const double widmark = sex == Sex::Male ? kWidmarkMale : kWidmarkFemale;
  working.note(sex == Sex::Male ? "Widmark factor of a male: 70 per cent of the body weight."
                                : "Widmark factor of a female: 65 per cent of the body weight.");
  return working.equation("Body factor (weight by Widmark factor)", "F", "W × w / 10",
                          {{"W", weightKg}, {"w", widmark}},
                          finite(finite(weightKg * widmark) / 10.0), "× 100 ml");
}

double bloodEquivalent(double reading, TestKind kind, Working& working) {
  constexpr std::string_view quantity = "Blood level at the test";
  switch (kind) {
    case TestKind::Breath:
      return working.equation(quantity, "B", "R × 80 / 35", {{"R", reading}},
                              finite(finite(reading * kBloodLimit) / kBreathLimit), "mg/100ml");
    case TestKind::Urine:
      return working.equation(quantity, "B", "R × 80 / 107", {{"R", reading}},
                              finite(finite(reading * kBloodLimit) / kUrineLimit), "mg/100ml");
    case TestKind::Blood: break;
  }
  return working.equation(quantity, "B", "R", {{"R", reading}}, finite(reading), "mg/100ml");
}

double levelAtEvent(double bloodAtTest, double hours, Working& working) {
  return working.equation("Blood level at the event", "C", "B + 15 × t",
                          {{"B", bloodAtTest}, {"t", hours}},
                          finite(bloodAtTest + finite(kEliminationRate * hours)), "mg/100ml");
}

double totalAlcoholGrams(double bloodLevel, double bodyFactor, Working& working) {
  return working.equation("Alcohol in the body at the event", "G", "C × F / 1000",
                          {{"C", bloodLevel}, {"F", bodyFactor}},
                          finite(finite(bloodLevel * bodyFactor) / kMilligramsPerGramPer100Ml),
                          "grams");
}

double breathEquivalent(double bloodLevel, Working& working) {
  return working.equation("Breath level at the event", "Br", "C × 35 / 80", {{"C", bloodLevel}},
                          finite(finite(bloodLevel * kBreathLimit) / kBloodLimit), "microgm/100ml");
}

double urineEquivalent(double bloodLevel, Working& working) {
  return working.equation("Urine level at the event", "U", "C × 107 / 80", {{"C", bloodLevel}},
                          finite(finite(bloodLevel * kUrineLimit) / kBloodLimit), "mg/100ml");
}

double equivalentPints(double grams, double strengthPercent, Working& working) {
  const double alcoholPerPint = working.equation(
      "Alcohol in a pint of the drink", "P", "S × 568 / 100", {{"S", strengthPercent}},
      finite(finite(strengthPercent * kPintMillilitres) / 100.0), "ml");
  return working.equation("Equivalent pints", "Pints", "G / 0.85 / P",
                          {{"G", grams}, {"P", alcoholPerPint}},
                          divide(divide(grams, kPintsDivisor), alcoholPerPint), "pints");
}

}  // namespace kelvara::alcohol
