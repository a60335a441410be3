#pragma once
// Curve geometry and the critical speed of a vehicle on a curve.
//
// Lengths in metres, speeds in m/s, decelerations in m/s², cambers in radians unless a name
// says degrees. Every function throws ArithmeticFailure where its formula has no real,
// finite value.

#include <optional>

#include "fields/working.h"

namespace kelvara::curve {

// The page converts degrees and radians with this value of π, in both directions.
inline constexpr double kPi = 3.14159;
// The vertical radius of a level road or a constant gradient ("Infinity" in its box).
inline constexpr double kInfiniteVerticalRadius = 1e18;
// The highest coefficient of friction the page accepts.
inline constexpr double kHighestCoefficient = 1.1;

inline constexpr double kHalfCircleDegrees = 180.0;

// Plain conversions: a figure too large to convert reaches the checked formulas as an
// infinity, and they refuse it there.
constexpr double degreesToRadians(double degrees) { return degrees * kPi / kHalfCircleDegrees; }
constexpr double radiansToDegrees(double radians) { return radians * kHalfCircleDegrees / kPi; }

// Radius of the circle through a chord C with middle ordinate M: R = C²/(8M) + M/2.
double radiusFromChordAndOrdinate(double chord, double ordinate,
    Working& working = noWorking());

// Chord of a circle of radius R at middle ordinate M: C = √(8RM − 4M²). Empty when
// 8RM − 4M² is negative (no such chord).
std::optional<double> chordFromRadiusAndOrdinate(double radius, double ordinate,
    Working& working = noWorking());

// Middle ordinate of a chord C on a circle of radius R: M = R − √(R² − C²/4). A chord
// longer than the diameter has none (NegativeRoot).
double ordinateFromRadiusAndChord(double radius, double chord,
    Working& working = noWorking());

// The lateral demand R·a + g·R·tanθ: negative when friction and camber together would push
// the vehicle outwards, for which no critical speed exists.
double lateralDemand(double radius, double deceleration, double camber);

// A dip (negative vertical radius VR) too tight for the brow correction: 1 + μR/VR < 0,
// with μ = a/g. A vertical radius of zero is a DivisionByZero.
bool verticalRadiusTooSmall(double radius, double deceleration, double verticalRadius);

// Critical speed on a cambered curve with a vertical radius VR (hill brow VR > 0, dip VR < 0):
//   V = √( [R(a + g·tanθ) / (1 − μ·tanθ)] / (1 + μR/VR) ),  μ = a/g.
// μ·tanθ ≥ 1 (the camber alone holds the vehicle at any speed) has no finite value.
double criticalSpeed(double radius, double deceleration, double camber, double verticalRadius,
    Working& working = noWorking());

// The camber, in degrees, that holds speed V on radius R with friction deceleration a, by the
// simple relation μ + tanθ = V²/(gR):  θ = arctan(V²/(gR) − a/g).
double camberDegreesForSpeed(double speed, double radius, double deceleration,
    Working& working = noWorking());

// The coefficient of friction that holds speed V on radius R with camber θ:
//   μ = V²/(gR) − tanθ.
double coefficientForSpeed(double speed, double radius, double camber,
    Working& working = noWorking());

// The friction deceleration 9.81 × μ for the braked step, to 15 significant digits: the
// decimal product the investigator works out (0.57 gives 5.5917, where the binary product
// falls a hair short), so that braking at exactly that figure is accepted and leaves no grip
// rather than a negative one.
double brakedFrictionDeceleration(double coefficient,
    Working& working = noWorking());

// A braking deceleration ab is usable when 0 < ab ≤ af.
bool brakingDecelerationInRange(double braking, double friction);

// Critical speed while braking at ab (friction circle: the grip left for cornering is
// √((af + g·tanθ)² − ab²)):  Vb = (R²·((af + g·tanθ)² − ab²))^¼.
// An adverse camber that leaves less lateral grip than ab has no real value.
double brakedCriticalSpeed(double radius, double friction, double braking, double camber,
    Working& working = noWorking());

}  // namespace kelvara::curve
