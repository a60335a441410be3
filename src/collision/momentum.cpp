#include "collision/momentum.h"

#include <cmath>
#include <string>

#include "fields/checked.h"

namespace kelvara::momentum {

namespace {
constexpr double kInLineBand = 20.0;  // degrees either side of vehicle 1's line
constexpr double kHalfTurn = 180.0;
constexpr double kFullTurn = 360.0;
}  // namespace

PreImpactSpeeds preImpactSpeeds(double m1, double m2, double phi2, double phi1After,
                                double phi2After, double v1, double v2, std::string_view speedUnit,
                                Working& working) {
  const std::string momentumUnit = "kg\u00B7" + std::string(speedUnit);
  const double momentum1 =
      working.equation("Momentum of vehicle 1 after the impact", "p1'", "m1 \u00D7 v1",
                       {{"m1", m1}, {"v1", v1}}, finite(m1 * v1), momentumUnit);
  const double momentum2 =
      working.equation("Momentum of vehicle 2 after the impact", "p2'", "m2 \u00D7 v2",
                       {{"m2", m2}, {"v2", v2}}, finite(m2 * v2), momentumUnit);
  const double across = working.equation(
      "Momentum across vehicle 1's line of approach", "Px",
      "p1' \u00D7 sin(\u03C61') + p2' \u00D7 sin(\u03C62')",
      {{"p1'", momentum1}, {"p2'", momentum2}, {"\u03C61'", phi1After}, {"\u03C62'", phi2After}},
      finite(momentum1 * std::sin(phi1After) + momentum2 * std::sin(phi2After)), momentumUnit);
  const double u2 =
      working.equation("Pre-impact speed of vehicle 2", "u2", "Px / (m2 \u00D7 sin(\u03C62))",
                       {{"Px", across}, {"m2", m2}, {"\u03C62", phi2}},
                       divide(across, finite(m2 * std::sin(phi2))), speedUnit);
  const double along = working.equation(
      "Momentum of vehicle 1 before the impact, along its line", "p1",
      "p1' \u00D7 cos(\u03C61') + p2' \u00D7 cos(\u03C62') \u2212 m2 \u00D7 u2 \u00D7 "
      "cos(\u03C62)",
      {{"p1'", momentum1},
       {"p2'", momentum2},
       {"\u03C61'", phi1After},
       {"\u03C62'", phi2After},
       {"m2", m2},
       {"u2", u2},
       {"\u03C62", phi2}},
      finite(momentum1 * std::cos(phi1After) + momentum2 * std::cos(phi2After) -
             finite(m2 * u2) * std::cos(phi2)),
      momentumUnit);
  const double u1 = working.equation("Pre-impact speed of vehicle 1", "u1", "p1 / m1",
                                     {{"p1", along}, {"m1", m1}}, divide(along, m1), speedUnit);
  return {u1, u2};
}

bool approachNearlyInLine(double x) {
  return x < kInLineBand || (kHalfTurn - kInLineBand < x && x < kHalfTurn + kInLineBand) ||
         x > kFullTurn - kInLineBand;
}

}  // namespace kelvara::momentum
