// The range engine on models whose answers are known.

#include "analysis/range_engine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvara::analysis {
namespace {

ModelFactory sum() {
  return [] {
    return [](const std::vector<double>& x) { return Evaluation{{x[0] + x[1] + x[2] + x[3]}, {}}; };
  };
}

// JCGM 101, 9.2: the additive model with four standard normal inputs gives u(y) = 2 and
// the 95 % interval ±3.92; with rectangular inputs of unit standard deviation, ±3.88.
TEST(RangeEngine, AdditiveModelOfTheMonteCarloSupplement) {
  const InputRange normal{0.0, -1.959963984540054, 1.959963984540054, Distribution::Normal};
  const std::vector<InputRange> normals(4, normal);
  EXPECT_NEAR(*firstOrder(sum(), normals).figures[0].u, 2.0, 1e-9);
  const RangeResult drawn = monteCarlo(sum(), normals, 100000, 1, 2);
  EXPECT_NEAR(*drawn.figures[0].p025, -3.92, 0.05);
  EXPECT_NEAR(*drawn.figures[0].p975, 3.92, 0.05);
  const double root3 = std::sqrt(3.0);
  const std::vector<InputRange> rectangles(4, {0.0, -root3, root3, Distribution::Uniform});
  EXPECT_NEAR(*firstOrder(sum(), rectangles).figures[0].u, 2.0, 1e-9);
  const RangeResult flat = monteCarlo(sum(), rectangles, 100000, 1, 2);
  EXPECT_NEAR(*flat.figures[0].p025, -3.88, 0.05);
  EXPECT_NEAR(*flat.figures[0].p975, 3.88, 0.05);
  EXPECT_EQ(flat.refused, 0u);
}

TEST(RangeEngine, FirstOrderOnAProductGivesTheTextbookRelativeUncertainty) {
  const ModelFactory product = [] {
    return [](const std::vector<double>& x) { return Evaluation{{x[0] * x[1]}, {}}; };
  };
  const RangeResult result = firstOrder(product, {{10.0, 9.0, 11.0, Distribution::Uniform},
                                                  {5.0, 4.5, 5.5, Distribution::Triangular}});
  const double relative = std::hypot(1.0 / std::sqrt(3.0) / 10.0, 0.5 / std::sqrt(6.0) / 5.0);
  EXPECT_NEAR(*result.figures[0].u / 50.0, relative, 1e-12);
  EXPECT_NEAR(*result.figures[0].U, 2.0 * *result.figures[0].u, 1e-12);
  EXPECT_NEAR(result.figures[0].shares[0] + result.figures[0].shares[1], 1.0, 1e-12);
}

// The launch speed over a slope from 30° to 60°, with no drop, is least at 45°, inside the
// range: corners alone would miss it.
TEST(RangeEngine, BoundsFindAnInteriorExtreme) {
  const ModelFactory launch = [] {
    return [](const std::vector<double>& x) {
      const double angle = x[0] * std::acos(-1.0) / 180.0;
      return Evaluation{{std::sqrt(9.81 * 15.0 / std::sin(2.0 * angle))}, {}};
    };
  };
  const RangeResult result = bounds(launch, {{40.0, 30.0, 60.0, Distribution::Uniform}});
  EXPECT_NEAR(result.figures[0].argMin[0], 45.0, 0.05);
  EXPECT_NEAR(*result.figures[0].min, std::sqrt(9.81 * 15.0), 1e-9);
  EXPECT_FALSE(result.searched);
}

TEST(RangeEngine, TheSameSeedGivesTheSameFiguresWhateverTheThreadsAndRefusalsAreCounted) {
  const ModelFactory refusing = [] {
    return [](const std::vector<double>& x) {
      if (x[0] > 1.0)
        return Evaluation{{std::nullopt}, "The coefficient should be less than unity."};
      return Evaluation{{std::sqrt(x[0]) * x[1]}, {}};
    };
  };
  const std::vector<InputRange> inputs{{1.0, 0.8, 1.2, Distribution::Uniform},
                                       {2.0, 1.5, 2.5, Distribution::Normal}};
  const RangeResult one = monteCarlo(refusing, inputs, 20000, 7, 1);
  for (unsigned threads : {2U, 8U}) {
    const RangeResult many = monteCarlo(refusing, inputs, 20000, 7, threads);
    EXPECT_EQ(many.figures[0].p025, one.figures[0].p025);
    EXPECT_EQ(many.figures[0].p50, one.figures[0].p50);
    EXPECT_EQ(many.figures[0].max, one.figures[0].max);
    EXPECT_EQ(many.refused, one.refused);
  }
  // Half the draws of the coefficient lie above unity.
  EXPECT_NEAR(static_cast<double>(one.refused) / 20000.0, 0.5, 0.02);
  EXPECT_EQ(one.refusals.at("The coefficient should be less than unity."), one.refused);
  EXPECT_EQ(one.figures[0].count, 20000 - one.refused);
}

}  // namespace
}  // namespace kelvara::analysis
