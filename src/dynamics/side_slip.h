#pragma once
// Side slip: the effective coefficient of friction of a vehicle sliding sideways while it
// yaws or spins, with no braking, averaged over the yaw angles passed between two points.

#include <cstdint>
#include <optional>

#include "fields/working.h"

namespace kelvara::side_slip {

// This page converts degrees to radians with its own, longer value of π.
inline constexpr double kPi = 3.1415927;
inline constexpr double kHalfCircleDegrees = 180.0;
// Angles are 16-bit whole numbers of degrees, and so is the number of angles averaged.
inline constexpr std::int32_t kLowestAngle = -32768;
inline constexpr std::int32_t kHighestAngle = 32767;
inline constexpr std::int32_t kMostAngles = 32767;

// The whole number of degrees nearest to an angle, halves to the even number (10.5 is 10,
// 11.5 is 12). Empty when it falls outside the 16-bit range.
std::optional<std::int16_t> wholeDegrees(double degrees);

// The retarding coefficient at a yaw angle θ between heading and direction of travel: full
// friction μ across the tyres, rolling resistance μr along them,
//   c(θ) = √( (μ·sinθ)² + (μr·cosθ)² ).
double coefficientAtYaw(double yaw, double mu, double rolling);

// The mean of c over every whole degree from a to b inclusive (a ≤ b), equal steps of yaw
// angle between the two points. The working gives c at both ends, the sum and the count.
double meanEffectiveCoefficient(std::int32_t a, std::int32_t b, double mu, double rolling,
                                Working& working = noWorking());

}  // namespace kelvara::side_slip
