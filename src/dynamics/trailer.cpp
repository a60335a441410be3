#include "dynamics/trailer.h"

#include <cmath>

#include "fields/checked.h"

namespace kelvara::trailer {

int rigidRadiusFor(double wheelbase, Working& working) {
  const double wanted = finite(wheelbase + 1.0);
  double whole = std::floor(wanted);
  const double fraction = wanted - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  // No bar goes further than its largest radius.
  if (whole > kLargestRadius) whole = kLargestRadius;
  working.note("The bar is pushed up to L + 1 metres, to the nearest whole metre.");
  working.value("Radius raised clear of the wheelbase", "R", whole, "m");
  return static_cast<int>(whole);
}

double rigidCutIn(double radius, double wheelbase, Working& working) {
  const double x = working.equation(
      "Radius of the path of the inside rear wheel", "X", "(R^2 \u2212 L^2)^0.5",
      {{"R", radius}, {"L", wheelbase}},
      squareRoot(finite(finite(radius * radius) - finite(wheelbase * wheelbase))), "m");
  return working.equation("Cut-in", "c", "R \u2212 X", {{"R", radius}, {"X", x}},
                          finite(radius - x), "m");
}

ArticulatedTurn articulatedTurn(double radius, double trailerLength, double halfWidth,
                                double wheelbase, double fifthWheel, Working& working) {
  ArticulatedTurn turn;
  double R = radius;
  if (wheelbase > R) {
    R = wheelbase + 1.0;
    working.note("The radius is below the tractor wheelbase p: it is raised to p + 1.");
  }
  if (R < trailerLength) {
    R = trailerLength;
    working.note("The radius is below the trailer length d: it is raised to d.");
  }
  turn.radius = working.value("Radius of the path of the inside front wheel", "R", finite(R), "m");

  const double s =
      working.equation("Radius of the path of the tractor's inside rear wheel", "s",
                       "(R^2 \u2212 p^2)^0.5", {{"R", R}, {"p", wheelbase}},
                       squareRoot(finite(finite(R * R) - finite(wheelbase * wheelbase))), "m");
  const double axle = finite(s + halfWidth);
  const double q = working.equation(
      "Square of the radius of the trailer axle centre", "Q", "(s + h)^2 + m^2 \u2212 d^2",
      {{"s", s}, {"h", halfWidth}, {"m", fifthWheel}, {"d", trailerLength}},
      finite(finite(finite(axle * axle) + finite(fifthWheel * fifthWheel)) -
             finite(trailerLength * trailerLength)),
      "m\u00B2");
  if (q < 0.0) {
    working.note("Q is negative: the trailer axle cannot reach the turn.");
    return turn;
  }
  turn.possible = true;
  const double x = working.equation("Radius of the path of the trailer's inside rear wheel", "X",
                                    "Q^0.5 \u2212 h", {{"Q", q}, {"h", halfWidth}},
                                    finite(squareRoot(q) - halfWidth), "m");
  turn.cutIn =
      working.equation("Cut-in", "c", "R \u2212 X", {{"R", R}, {"X", x}}, finite(R - x), "m");
  return turn;
}

}  // namespace kelvara::trailer
