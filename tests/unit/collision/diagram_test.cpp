#include "collision/diagram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kelvara {
namespace {

using namespace diagram;

TEST(ParameterDiagram, EachViewCarriesEveryDimensionOnceAndTheCaptionIsUnderBoth) {
  const Drawing& d = parameterDiagram();
  for (int view : {0, 1}) {
    for (const char* name : kDimensionNames) {
      int count = 0;
      for (const Text& label : d.labels) count += label.view == view && label.text == name;
      EXPECT_EQ(count, 1) << name << " in view " << view;
    }
  }
  int captions = 0;
  for (const Text& label : d.labels) {
    if (label.view == -1) {
      ++captions;
      EXPECT_EQ(label.text,
                "Diagrams showing the various dimensions needed for the Crush Analysis Form");
    }
  }
  EXPECT_EQ(captions, 1);
  EXPECT_EQ(d.labels.size(), 2 * kDimensionNames.size() + 1);
}

TEST(ParameterDiagram, EverythingLiesOnThePicture) {
  const Drawing& d = parameterDiagram();
  const auto inside = [&](Point p) {
    return p.x >= 0 && p.y >= 0 && p.x <= d.width && p.y <= d.height;
  };
  for (const Text& label : d.labels) EXPECT_TRUE(inside(label.at)) << label.text;
  for (const Segment& segment : d.segments) {
    EXPECT_TRUE(inside(segment.from));
    EXPECT_TRUE(inside(segment.to));
  }
  for (const Dimension& dimension : d.dimensions) {
    EXPECT_TRUE(inside(dimension.from));
    EXPECT_TRUE(inside(dimension.to));
  }
  for (const auto& outline : d.outlines)
    for (Point p : outline) EXPECT_TRUE(inside(p));
}

TEST(ParameterDiagram, TheMomentArmMeetsTheForceLineSquare) {
  const Point along{std::cos(0.3), std::sin(0.3)};
  const Point foot = footOfPerpendicular({10, 50}, {100, 100}, along);
  EXPECT_NEAR((foot.x - 10) * along.x + (foot.y - 50) * along.y, 0.0, 1e-9);
  // The foot lies on the line.
  EXPECT_NEAR((foot.x - 100) * along.y - (foot.y - 100) * along.x, 0.0, 1e-9);
}

}  // namespace
}  // namespace kelvara
