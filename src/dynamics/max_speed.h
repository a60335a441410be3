#pragma once
// Maximum speed on a bend along the racing line: the widest circular path the road or lane
// allows, and the critical speed on it.
//
// Lengths in metres, angles in radians, speeds in m/s. Every function throws
// ArithmeticFailure where its formula has no real, finite value.

#include "fields/working.h"

namespace kelvara::max_speed {

// The page converts degrees to radians with this value of π.
inline constexpr double kPi = 3.14159;
inline constexpr double kHalfCircleDegrees = 180.0;

constexpr double degreesToRadians(double degrees) { return degrees * kPi / kHalfCircleDegrees; }

// Radius of the path that touches the outside edge at both ends of the bend and the inside
// edge at its apex: Rmax = W' / (1 − cos α) + r, with W' the width the vehicle's centre can
// use, α half the bend's change of direction and r the inside radius. A bend that does not
// turn (1 − cos α = 0) is a DivisionByZero.
double racingLineRadius(double usableWidth, double halfAngle, double insideRadius,
                        Working& working = noWorking());

// Critical speed on a cambered curve of radius R:
//   V = √( g·R·(μ + tanφ) / (1 − μ·tanφ) ),  φ the crossfall, positive when favourable.
// Each factor is judged on its own, so that two negatives never cancel: 1 − μ·tanφ = 0 is a
// DivisionByZero; 1 − μ·tanφ < 0 (the crossfall alone holds the vehicle at any speed),
// μ + tanφ < 0 (an adverse crossfall beyond the friction) or R < 0 is a NegativeRoot.
double maximumSpeed(double radius, double mu, double crossfall, Working& working = noWorking());

}  // namespace kelvara::max_speed
