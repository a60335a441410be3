#pragma once
// Impact speed of a vehicle that struck a pedestrian, from the throw distance d (m) from the
// point of impact to where the body came to rest. Speeds in m/s. Every function throws
// ArithmeticFailure where its formula has no real, finite value (a negative distance or
// coefficient).

#include "fields/working.h"

namespace kelvara::throw_distance {

// Empirical fits d = k·V², k in s²/m.
inline constexpr double kAdult = 0.07;
inline constexpr double kChild = 0.088;
inline constexpr double kAdultRoundedFront = 0.065;
inline constexpr double kVerticalFront = 0.084;
inline constexpr double kReconstructedThrows = 0.078;
// The probable speed as a multiple of the minimum speed of a body sliding to rest.
inline constexpr double kProbableOverMinimum = 1.15;

// V = (d / k)^0.5 for one of the empirical fits.
double empiricalSpeed(double distance, double k, Working& working = noWorking());

// Upper bound of the throw speed with friction μ between body and ground: V = (2μgd)^0.5.
double maximumSpeed(double distance, double coefficient, Working& working = noWorking());

// Lower bound, for the most favourable launch angle: V = (2μgd / (1 + μ²))^0.5.
double minimumSpeed(double distance, double coefficient, Working& working = noWorking());

// The probable speed, 1.15 × the lower bound.
double probableSpeed(double distance, double coefficient, Working& working = noWorking());

}  // namespace kelvara::throw_distance
