#pragma once
// Overturning on a bend: the speed at which a rigid vehicle rolls over on a curved path with
// crossfall, and whether it would skid sideways first.
//
// Lengths in metres, angles in radians, speeds in m/s. Every function throws
// ArithmeticFailure where its formula has no real, finite value.

#include "fields/working.h"

namespace kelvara::overturn {

// The page converts degrees to radians with this value of π.
inline constexpr double kPi = 3.14159;
inline constexpr double kHalfCircleDegrees = 180.0;

constexpr double degreesToRadians(double degrees) { return degrees * kPi / kHalfCircleDegrees; }

// Speed at which the lateral acceleration V²/R, with the crossfall θ (favourable positive),
// moves the resultant force on the vehicle to its outer wheels:
//   V = √( g·R·(T/2 + h·tanθ) / (h − (T/2)·tanθ) ),  T the track, h the height of the
// centre of gravity.
// Each factor is judged on its own, so that two negatives never cancel: h − (T/2)·tanθ = 0 is
// a DivisionByZero; a negative denominator (a crossfall so steep that the vehicle tips at
// rest), a negative numerator T/2 + h·tanθ, a negative height or a negative radicand is a
// NegativeRoot.
double overturnSpeed(double track, double radius, double height, double crossfall,
                     Working& working = noWorking());

// A vehicle skids sideways before it can overturn when its stability ratio T/(2h) exceeds
// the coefficient of friction. The crossfall plays no part.
bool skidsBeforeOverturning(double track, double height, double mu, Working& working = noWorking());

}  // namespace kelvara::overturn
