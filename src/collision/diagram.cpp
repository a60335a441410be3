#include "collision/diagram.h"

#include <cmath>

namespace kelvara::diagram {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kThetaDegrees = 20.0;  // the force direction the views show
constexpr double kForceOutside = 100.0;  // length of the force line outside the body
constexpr double kNormalLength = 120.0;

Point offset(Point p, Point direction, double distance) {
  return {p.x + direction.x * distance, p.y + direction.y * distance};
}

// One plan view. The body spans [left, right] × [top, bottom]; the damage sits on the face
// whose outward normal is `normal`, its crushed profile given by `profile` (from one end
// of the damage to the other, ends on the original face).
struct View {
  int index;
  double left, top, right, bottom;
  Point normal;
  std::vector<Point> profile;
  Point centroid;
};

void addView(Drawing& d, const View& v, Point force /* unit, outward */, double forceInside) {
  const Point centre{(v.left + v.right) / 2, (v.top + v.bottom) / 2};
  const Point cofg{centre.x - 30.0, centre.y};
  const Point damageFrom = v.profile.front();
  const Point damageTo = v.profile.back();

  // Body: the outline runs from one end of the damage round the body to the other.
  std::vector<Point> body;
  if (v.normal.x > 0) {  // damage across the front (right-hand) end
    body = {damageFrom, {v.right, v.top}, {v.left, v.top}, {v.left, v.bottom},
            {v.right, v.bottom}, damageTo};
  } else {  // damage along the lower side
    body = {damageFrom, {v.left, v.bottom}, {v.left, v.top}, {v.right, v.top},
            {v.right, v.bottom}, damageTo};
  }
  d.outlines.push_back(body);
  d.outlines.push_back(v.profile);
  d.segments.push_back({damageFrom, damageTo, Stroke::Dashed});
  d.segments.push_back({{v.left, v.top}, {v.right, v.bottom}, Stroke::Thin});
  d.segments.push_back({{v.left, v.bottom}, {v.right, v.top}, Stroke::Thin});
  d.markers.insert(d.markers.end(), {centre, cofg, v.centroid});

  // Overall dimensions.
  d.dimensions.push_back({{v.left, v.top - 22}, {v.right, v.top - 22}});
  d.labels.push_back({v.index, "Vehicle length", {centre.x, v.top - 30}, Align::Centre});
  d.dimensions.push_back({{v.left - 25, v.top}, {v.left - 25, v.bottom}});
  d.labels.push_back({v.index, "Width", {v.left - 32, centre.y + 5}, Align::Right});
  d.labels.push_back({v.index, "Area Centre", {centre.x + 8, centre.y - 8}, Align::Left});
  d.labels.push_back({v.index, "CofG", {cofg.x - 8, cofg.y - 8}, Align::Right});

  // La: lengthwise from the centre of gravity to the area centre.
  d.segments.push_back({cofg, {cofg.x, cofg.y - 24}, Stroke::Thin});
  d.segments.push_back({centre, {centre.x, centre.y - 24}, Stroke::Thin});
  d.dimensions.push_back({{cofg.x, cofg.y - 20}, {centre.x, centre.y - 20}});
  d.labels.push_back({v.index, "La", {(cofg.x + centre.x) / 2, centre.y - 28}, Align::Centre});

  // Damage width, measured along the original face beyond the force line.
  const double reach = v.normal.x > 0 ? 180.0 : 135.0;
  const Point widthFrom = offset(damageFrom, v.normal, reach);
  const Point widthTo = offset(damageTo, v.normal, reach);
  d.segments.push_back({damageFrom, offset(damageFrom, v.normal, reach + 8), Stroke::Thin});
  d.segments.push_back({damageTo, offset(damageTo, v.normal, reach + 8), Stroke::Thin});
  d.dimensions.push_back({widthFrom, widthTo});
  if (v.normal.x > 0)
    d.labels.push_back({v.index, "Damage width", {widthFrom.x + 10, centre.y + 5}, Align::Left});
  else
    d.labels.push_back(
        {v.index, "Damage width", {(widthFrom.x + widthTo.x) / 2, widthFrom.y + 22}, Align::Centre});

  // Damage centroid, with a leader to its label.
  const Point centroidLabel = v.normal.x > 0 ? Point{v.centroid.x + 38, v.centroid.y + 80}
                                             : Point{v.centroid.x + 114, v.centroid.y + 69};
  d.segments.push_back({v.centroid, {centroidLabel.x - 4, centroidLabel.y - 6}, Stroke::Thin});
  d.labels.push_back({v.index, "Damage centroid", centroidLabel, Align::Left});

  // The normal to the damaged face and the principal direction of force through the
  // centroid, at theta to it; the arrow shows the force acting on the body.
  d.segments.push_back({v.centroid, offset(v.centroid, v.normal, kNormalLength), Stroke::Dashed});
  const Point outer = offset(v.centroid, force, kForceOutside);
  const Point inner = offset(v.centroid, force, -forceInside);
  d.segments.push_back({outer, inner, Stroke::Solid, false});
  d.segments.push_back({offset(v.centroid, force, 12.0), v.centroid, Stroke::Solid, true});
  if (v.normal.x > 0)
    d.labels.push_back({v.index, "PDoF", {outer.x + 6, outer.y - 4}, Align::Left});
  else
    d.labels.push_back({v.index, "PDoF", {outer.x - 8, outer.y + 10}, Align::Right});

  const double normalAngle = std::atan2(v.normal.y, v.normal.x) * 180.0 / kPi;
  const double forceAngle = std::atan2(force.y, force.x) * 180.0 / kPi;
  d.arcs.push_back({v.centroid, 50.0, normalAngle, forceAngle - normalAngle});
  const double middle = (normalAngle + forceAngle) / 2 * kPi / 180.0;
  const Point onArc{v.centroid.x + 50.0 * std::cos(middle), v.centroid.y + 50.0 * std::sin(middle)};
  const Point thetaLabel = v.normal.x > 0 ? Point{v.centroid.x + 60, v.centroid.y + 22}
                                          : Point{v.centroid.x + 16, v.centroid.y + 114};
  d.segments.push_back({onArc, {thetaLabel.x - 2, thetaLabel.y - 8}, Stroke::Thin});
  d.labels.push_back({v.index, "Angle theta", thetaLabel, Align::Left});

  // Moment arm: from the centre of gravity square to the force line.
  const Point foot = footOfPerpendicular(cofg, v.centroid, force);
  d.dimensions.push_back({cofg, foot});
  const Point armLabel = v.normal.x > 0 ? Point{(cofg.x + foot.x) / 2 - 8, (cofg.y + foot.y) / 2 + 14}
                                        : Point{(cofg.x + foot.x) / 2 - 10, (cofg.y + foot.y) / 2 + 30};
  d.labels.push_back({v.index, "Moment arm", armLabel, Align::Right});
}

Drawing build() {
  Drawing d;
  d.width = 880;
  d.height = 820;
  const double theta = kThetaDegrees * kPi / 180.0;

  // Upper view: the front (right-hand end) crushed in across part of the width.
  View front{0, 140, 70, 580, 250, {1, 0},
             {{580, 100}, {562, 120}, {550, 140}, {546, 160}, {550, 180}, {562, 200}, {580, 220}},
             {566, 160}};
  addView(d, front, {std::cos(theta), -std::sin(theta)}, 260.0);

  // Lower view: the near side (lower edge) pushed in along part of the length.
  View side{1, 140, 420, 580, 600, {0, 1},
            {{280, 600}, {300, 585}, {330, 572}, {360, 568}, {390, 572}, {420, 585}, {440, 600}},
            {360, 586}};
  addView(d, side, {-std::sin(theta), std::cos(theta)}, 170.0);

  d.labels.push_back({-1, kCaption, {d.width / 2, 805}, Align::Centre});
  return d;
}

}  // namespace

Point footOfPerpendicular(Point from, Point on, Point along) {
  const double t = (from.x - on.x) * along.x + (from.y - on.y) * along.y;
  return offset(on, along, t);
}

const Drawing& parameterDiagram() {
  static const Drawing drawing = build();
  return drawing;
}

}  // namespace kelvara::diagram
