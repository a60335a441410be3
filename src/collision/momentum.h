#pragma once
// Conservation of linear momentum in an angled collision of two vehicles.
//
// Vehicle 1 travels up the Y axis before the impact; every direction is an angle measured
// clockwise from that direction of travel. Masses in kg; speeds in any one unit (the
// pre-impact speeds come out in the unit of the post-impact ones).

#include <string_view>

#include "fields/working.h"

namespace kelvara::momentum {

// The page converts degrees to radians with this value of π.
inline constexpr double kPi = 3.14159;
inline constexpr double kRadiansPerDegree = kPi / 180.0;

constexpr double degreesToRadians(double degrees) { return degrees * kRadiansPerDegree; }

struct PreImpactSpeeds {
  double vehicle1 = 0.0;  // u1
  double vehicle2 = 0.0;  // u2
};

// Momentum across vehicle 1's line of approach, then along it:
//   u2 = (m1·v1·sin φ1' + m2·v2·sin φ2') / (m2·sin φ2)
//   u1 = (m1·v1·cos φ1' + m2·v2·cos φ2' − m2·u2·cos φ2) / m1
// Angles in radians. A zero m1, m2 or sin φ2, or any figure too large for a double, throws
// ArithmeticFailure. The working gives the speeds in speedUnit, the unit the page shows.
PreImpactSpeeds preImpactSpeeds(double m1, double m2, double phi2, double phi1After,
                                double phi2After, double v1, double v2,
                                std::string_view speedUnit = "", Working& working = noWorking());

// True when vehicle 2's pre-impact direction, in degrees, lies within 20 degrees of vehicle
// 1's line, ahead or behind: below 20, between 160 and 200, above 340. The bounds themselves
// are outside the band, and the angle is taken as given, not brought into 0 to 360.
bool approachNearlyInLine(double phi2Degrees);

}  // namespace kelvara::momentum
