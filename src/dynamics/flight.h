#pragma once
// Launch speed of a vehicle from the geometry of its flight.
//
// Angles in radians, lengths in metres, speeds in m/s. The launch angle θ is positive for an
// upward launch; h is the height of the landing point above the launch point (negative when
// the vehicle lands lower). Every function throws ArithmeticFailure where its formula has no
// real, finite value.

#include "fields/working.h"

namespace kelvara::flight {

// The page converts degrees to radians with this value of π.
inline constexpr double kPi = 3.14159;
inline constexpr double kHalfCircleDegrees = 180.0;
// Launch angles beyond a vertical take-off, either way, are not realistic.
inline constexpr double kSteepestLaunchDegrees = 90.0;

double degreesToRadians(double degrees, Working& working = noWorking());

// The flight term D = 2·cosθ·(L·sinθ − h·cosθ), from x = V·cosθ·t and
// h = V·sinθ·t − g·t²/2 eliminated for t. A negative D has no launch speed.
double flightTerm(double theta, double height, double distance, Working& working = noWorking());

// The launch speed that covers the horizontal distance L with the flight term D:
// V = L·(g / D)^0.5. A zero D is a DivisionByZero, a negative one a NegativeRoot.
double launchSpeed(double distance, double flightTerm, Working& working = noWorking());

// The same speed in mph, L·(1 / 0.44704)·(g / D)^0.5.
double launchSpeedMph(double distance, double flightTerm, Working& working = noWorking());

}  // namespace kelvara::flight
