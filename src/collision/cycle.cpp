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

double motorcycleCrushBeyondThreshold(double crush) {
  return inches(crush) - kMotorcycleThresholdInches;
}

double motorcycleBarrierSpeed(double mass, double crush) {
  const double energy = finite(kMotorcycleEnergyFactor * motorcycleCrushBeyondThreshold(crush));
  return squareRoot(divide(energy, mass));
}

double narrowObjectCrushTerm(double mass, double crush) {
  return finite(finite(kNarrowStiffness + kNarrowStiffnessPerKg * mass) * inches(crush));
}

double narrowObjectBarrierSpeed(double mass, double crush) {
  return finite(mphToMetresPerSecond(kNoCrushSpeedMph + narrowObjectCrushTerm(mass, crush)));
}

}  // namespace kelvara::cycle
