#pragma once
// Effective coefficient of friction of a vehicle braking with only some of its wheel brakes
// working, on the level or on a gradient.
//
// Every function throws ArithmeticFailure where its formula has no finite value (a weight
// transfer term that divides by zero, or a figure too large for a double).

#include <optional>

#include "fields/working.h"

namespace kelvara::partial_braking {

// The page converts degrees to radians with this value of π.
inline constexpr double kPi = 3.14159;
inline constexpr double kHalfCircleDegrees = 180.0;

constexpr double degreesToRadians(double degrees) { return degrees * kPi / kHalfCircleDegrees; }

// The working brakes; nearside is the kerb side.
struct Brakes {
  bool frontNearside = false;
  bool frontOffside = false;
  bool rearNearside = false;
  bool rearOffside = false;
};

// The vehicle's deceleration as a fraction of g, from the true coefficient μ, the ratio
// k = h/L of the height of the centre of gravity to the wheelbase, the static share Wf of
// the weight on the front axle and the gradient γ (uphill positive).
//
// Braking at μe moves μe·k of the weight from the rear axle to the front one, so a front
// brake bringing a share s of its axle's grip gives s·μ·Wf·cosγ / (1 − s·μ·k) and a rear one
// s·μ·Wr·cosγ / (1 + s·μ·k), Wr = 1 − Wf. Brakes that straddle both axles evenly (all four,
// one side, a diagonal) do not depend on the transfer. Every case adds sinγ, the share of
// gravity along the slope. Empty when no brake works.
std::optional<double> effectiveCoefficient(const Brakes& brakes, double mu, double k,
                                           double frontShare, double gradient,
                                           Working& working = noWorking());

}  // namespace kelvara::partial_braking
