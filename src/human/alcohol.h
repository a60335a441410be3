#pragma once
// Alcohol back-calculation: from a blood, breath or urine reading taken at the test time
// back to the blood level at an earlier event, by a fixed elimination rate, and the alcohol
// in the body at that time by the Widmark formula.
//
// Every function throws ArithmeticFailure rather than return a figure that is not finite.

#include <string_view>

#include "fields/working.h"

namespace kelvara::alcohol {

enum class Sex { Male, Female };
enum class TestKind { Blood, Breath, Urine };

// Widmark factors as per cent of the body weight.
inline constexpr double kWidmarkMale = 70.0;
inline constexpr double kWidmarkFemale = 65.0;
// Fall of the blood level, mg/100 ml per hour.
inline constexpr double kEliminationRate = 15.0;
// UK legal limits, which relate the three body fluids: mg/100 ml of blood, micrograms/100 ml
// of breath, mg/100 ml of urine.
inline constexpr double kBloodLimit = 80.0;
inline constexpr double kBreathLimit = 35.0;
inline constexpr double kUrineLimit = 107.0;
// Pints of a drink: grams in the body are divided by this before the pint's alcohol.
inline constexpr double kPintsDivisor = 0.85;
inline constexpr double kPintMillilitres = 568.0;

// Minutes after midnight of a time typed as hhmm: 60 × (the first two characters) + (the
// last two characters), each read as a field value. Characters, not bytes, are counted; a
// text of fewer than two characters is both parts, so "5" is 305 and "" is 0. Hours past 23
// count on: "2513" is 1513.
// The working names the time by quantity and symbol.
double clockMinutes(std::string_view hhmm, std::string_view quantity = "Clock time in minutes",
                    std::string_view symbol = "T", Working& working = noWorking());

// Hours from the event to the test; negative when the event comes later on the same day.
double elapsedHours(double testMinutes, double eventMinutes, Working& working = noWorking());

// F = W × w / 10 with w the Widmark percentage of the sex.
double bodyFactor(double weightKg, Sex sex, Working& working = noWorking());

// The reading as a blood level, mg/100 ml.
double bloodEquivalent(double reading, TestKind kind, Working& working = noWorking());

// C = B + 15 × t: the level t hours before a test that found the blood level B.
double levelAtEvent(double bloodAtTest, double hours, Working& working = noWorking());

// Grams of alcohol in the body, C × F / 1000.
double totalAlcoholGrams(double bloodLevel, double bodyFactor, Working& working = noWorking());

// The breath and urine levels that go with a blood level.
double breathEquivalent(double bloodLevel, Working& working = noWorking());
double urineEquivalent(double bloodLevel, Working& working = noWorking());

// Pints of a drink of strength S % v/v that hold those grams: (G / 0.85) / (S × 568 / 100).
double equivalentPints(double grams, double strengthPercent, Working& working = noWorking());

}  // namespace kelvara::alcohol
