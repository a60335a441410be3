#include "collision/cycle.h"

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara::cycle {

namespace {
constexpr double kMotorcycleThresholdInches = 9.0;  // crush taken up before any speed shows
constexpr double kMotorcycleEnergyFactor = 2660.0;
constexpr double kNoCrushSpeedMph = 5.0;
constexpr double kNarrowStiffness = 0.964;  // mph per inch of crush
constexpr double kNarrowStiffnessPerKg = 0.0000159214;

double inches(double metres) { return finite(metres / kMetresPerInch); }
}  // namespace

double motorcycleCrushBeyondThreshold(double crush, Working& working) {
  return working.equation("Crush beyond the first 9 inches", "dx", "d / 0.0254 \u2212 9",
                          {{"d", crush}}, inches(crush) - kMotorcycleThresholdInches, "in");
}

double motorcycleBarrierSpeed(double mass, double crush, Working& working) {
  const double beyond = motorcycleCrushBeyondThreshold(crush, working);
  const double energy = finite(kMotorcycleEnergyFactor * beyond);
  return working.equation("Equivalent barrier speed", "V", "\u221A(2660 \u00D7 dx / M)",
                          {{"dx", beyond}, {"M", mass}}, squareRoot(divide(energy, mass)), "m/s");
}

double narrowObjectCrushTerm(double mass, double crush, Working& working) {
  return working.equation(
      "Crush part of the barrier speed", "Vc",
      "(0.964 + 0.0000159214 \u00D7 M) \u00D7 (d / 0.0254)", {{"M", mass}, {"d", crush}},
      finite(finite(kNarrowStiffness + kNarrowStiffnessPerKg * mass) * inches(crush)), "mph");
}

double narrowObjectBarrierSpeed(double mass, double crush, Working& working) {
  const double term = narrowObjectCrushTerm(mass, crush, working);
  return working.equation("Equivalent barrier speed", "V", "(5 + Vc) \u00D7 0.44704",
                          {{"Vc", term}}, finite(mphToMetresPerSecond(kNoCrushSpeedMph + term)),
                          "m/s");
}

}  // namespace kelvara::cycle
