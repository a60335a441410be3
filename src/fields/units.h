#pragma once
// Units and constants every page shares.

namespace kelvara {

inline constexpr double kMetresPerSecondPerMph = 0.44704;  // exact by definition
inline constexpr double kGravity = 9.81;                    // m/s², as used in every formula

constexpr double mphToMetresPerSecond(double mph) { return mph * kMetresPerSecondPerMph; }
constexpr double metresPerSecondToMph(double metresPerSecond) {
  return metresPerSecond / kMetresPerSecondPerMph;
}

}  // namespace kelvara
