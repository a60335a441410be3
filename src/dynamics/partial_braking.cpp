#include "dynamics/partial_braking.h"

#include <cmath>

#include "fields/checked.h"

namespace kelvara::partial_braking {

namespace {

constexpr double kOneWheel = 0.5;  // one brake of an axle brings half that axle's grip

// A front-axle term: s·μ·W·cosγ / (1 − s·μ·k).
double frontTerm(double share, double mu, double weight, double k, double cosGradient) {
  return divide(finite(share * mu * weight * cosGradient), finite(1.0 - finite(share * mu * k)));
}

// A rear-axle term: s·μ·W·cosγ / (1 + s·μ·k).
double rearTerm(double share, double mu, double weight, double k, double cosGradient) {
  return divide(finite(share * mu * weight * cosGradient), finite(1.0 + finite(share * mu * k)));
}

}  // namespace

std::optional<double> effectiveCoefficient(const Brakes& brakes, double mu, double k,
                                           double frontShare, double gradient, Working& working) {
  const int fronts = brakes.frontNearside + brakes.frontOffside;
  const int rears = brakes.rearNearside + brakes.rearOffside;
  if (fronts + rears == 0) return std::nullopt;

  const double cosGradient = std::cos(finite(gradient));
  const double sinGradient = std::sin(gradient);
  const double rearShare = 1.0 - frontShare;
  // The static share on the rear axle, where a case uses it.
  auto recordRearShare = [&] {
    return working.equation("Static share of the weight on the rear axle", "Wr", "1 \u2212 Wf",
                            {{"Wf", frontShare}}, rearShare, "");
  };
  constexpr const char* kBraking = "Braking of the working brakes, as a fraction of g";
  double braking = 0.0;
  if (fronts == 2 && rears == 2) {
    working.note("All four brakes work: the weight transfer plays no part.");
    braking =
        working.equation(kBraking, "\u03BCb", "\u03BC \u00D7 cos(\u03B3)",
                         {{"\u03BC", mu}, {"\u03B3", gradient}}, finite(mu * cosGradient), "");
  } else if (fronts == 2 && rears == 0) {
    working.note(
        "Both front brakes work: the weight transferred to the front axle adds to "
        "their grip.");
    braking = working.equation(kBraking, "\u03BCb",
                               "\u03BC \u00D7 Wf \u00D7 cos(\u03B3) / (1 \u2212 \u03BC \u00D7 k)",
                               {{"\u03BC", mu}, {"Wf", frontShare}, {"\u03B3", gradient}, {"k", k}},
                               frontTerm(1.0, mu, frontShare, k, cosGradient), "");
  } else if (fronts == 0 && rears == 2) {
    working.note(
        "Both rear brakes work: the weight transferred from the rear axle takes from "
        "their grip.");
    const double Wr = recordRearShare();
    braking = working.equation(kBraking, "\u03BCb",
                               "\u03BC \u00D7 Wr \u00D7 cos(\u03B3) / (1 + \u03BC \u00D7 k)",
                               {{"\u03BC", mu}, {"Wr", Wr}, {"\u03B3", gradient}, {"k", k}},
                               rearTerm(1.0, mu, rearShare, k, cosGradient), "");
  } else if (fronts == 1 && rears == 1) {
    // One side, or a diagonal: half the grip of each axle.
    working.note(
        "One front and one rear brake work: half the grip of each axle, whatever the "
        "weight transfer.");
    braking = working.equation(kBraking, "\u03BCb", "0.5 \u00D7 \u03BC \u00D7 cos(\u03B3)",
                               {{"\u03BC", mu}, {"\u03B3", gradient}},
                               finite(kOneWheel * mu * cosGradient), "");
  } else if (fronts == 1 && rears == 0) {
    working.note(
        "One front brake works: half the front axle's grip, with the weight "
        "transferred to it.");
    braking = working.equation(
        kBraking, "\u03BCb",
        "0.5 \u00D7 \u03BC \u00D7 Wf \u00D7 cos(\u03B3) / (1 \u2212 0.5 \u00D7 \u03BC \u00D7 k)",
        {{"\u03BC", mu}, {"Wf", frontShare}, {"\u03B3", gradient}, {"k", k}},
        frontTerm(kOneWheel, mu, frontShare, k, cosGradient), "");
  } else if (fronts == 0 && rears == 1) {
    working.note(
        "One rear brake works: half the rear axle's grip, less the weight "
        "transferred from it.");
    const double Wr = recordRearShare();
    braking = working.equation(
        kBraking, "\u03BCb",
        "0.5 \u00D7 \u03BC \u00D7 Wr \u00D7 cos(\u03B3) / (1 + 0.5 \u00D7 \u03BC \u00D7 k)",
        {{"\u03BC", mu}, {"Wr", Wr}, {"\u03B3", gradient}, {"k", k}},
        rearTerm(kOneWheel, mu, rearShare, k, cosGradient), "");
  } else if (rears == 2) {
    // Both rears and one front.
    working.note("Both rear brakes and one front brake work.");
    braking = working.equation(
        kBraking, "\u03BCb",
        "\u03BC \u00D7 (1 \u2212 0.5 \u00D7 Wf) \u00D7 cos(\u03B3) / "
        "(1 + \u03BC \u00D7 0.5 \u00D7 k)",
        {{"\u03BC", mu}, {"Wf", frontShare}, {"\u03B3", gradient}, {"k", k}},
        rearTerm(1.0, mu, 1.0 - kOneWheel * frontShare, kOneWheel * k, cosGradient), "");
  } else {
    // Both fronts and one rear.
    working.note("Both front brakes and one rear brake work.");
    const double Wr = recordRearShare();
    braking = working.equation(
        kBraking, "\u03BCb",
        "\u03BC \u00D7 (1 \u2212 0.5 \u00D7 Wr) \u00D7 cos(\u03B3) / "
        "(1 \u2212 \u03BC \u00D7 0.5 \u00D7 k)",
        {{"\u03BC", mu}, {"Wr", Wr}, {"\u03B3", gradient}, {"k", k}},
        frontTerm(1.0, mu, 1.0 - kOneWheel * rearShare, kOneWheel * k, cosGradient), "");
  }
  return working.equation("Effective coefficient of friction", "\u03BCe", "\u03BCb + sin(\u03B3)",
                          {{"\u03BCb", braking}, {"\u03B3", gradient}},
                          finite(braking + sinGradient), "");
}

}  // namespace kelvara::partial_braking
