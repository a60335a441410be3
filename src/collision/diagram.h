#pragma once
// The parameter diagram: two plan views of a vehicle, the upper damaged across its front,
// the lower along one side, each marked with the dimensions the crush page asks for. The
// drawing is plain geometry here; the diagram window paints it.

#include <array>
#include <string>
#include <vector>

namespace kelvara::diagram {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

enum class Stroke { Solid, Dashed, Thin };
enum class Align { Left, Centre, Right };

struct Segment {
  Point from, to;
  Stroke stroke = Stroke::Solid;
  bool arrowAtFrom = false;  // an arrow head on the `from` end (the force line)
};

// A double-headed dimension arrow.
struct Dimension {
  Point from, to;
};

// An arc about centre, angles in degrees clockwise from the +x axis (screen co-ordinates).
struct Arc {
  Point centre;
  double radius = 0.0;
  double startDegrees = 0.0;
  double spanDegrees = 0.0;
};

struct Text {
  int view = 0;  // 0 the upper view, 1 the lower view, -1 the caption under both
  std::string text;
  Point at;      // on the text's base line
  Align align = Align::Left;
};

struct Drawing {
  double width = 0.0;
  double height = 0.0;
  std::vector<std::vector<Point>> outlines;  // vehicle bodies and crushed profiles
  std::vector<Segment> segments;             // diagonals, original faces, normals, leaders
  std::vector<Dimension> dimensions;
  std::vector<Arc> arcs;
  std::vector<Point> markers;                // area centres, centres of gravity, centroids
  std::vector<Text> labels;
};

// The names every view carries, once each.
inline constexpr std::array<const char*, 10> kDimensionNames{
    "Vehicle length", "Width",    "Area Centre", "CofG",        "La",
    "Damage width",   "Damage centroid", "PDoF", "Angle theta", "Moment arm"};

inline constexpr const char* kCaption =
    "Diagrams showing the various dimensions needed for the Crush Analysis Form";

// The whole picture: both views and the caption.
const Drawing& parameterDiagram();

// The point of the line through `on` along the unit direction `along` nearest to `from`:
// the foot of the moment arm.
Point footOfPerpendicular(Point from, Point on, Point along);

}  // namespace kelvara::diagram
