#include "dynamics/trailer.h"

#include <cmath>

#include "fields/checked.h"

namespace kelvara::trailer {

int rigidRadiusFor(double wheelbase) {
  const double wanted = finite(wheelbase + 1.0);
  double whole = std::floor(wanted);
  const double fraction = wanted - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  // No bar goes further than its largest radius.
  if (whole > kLargestRadius) return kLargestRadius;
  return static_cast<int>(whole);
}

double rigidCutIn(double radius, double wheelbase) {
  const double x = squareRoot(finite(finite(radius * radius) - finite(wheelbase * wheelbase)));
  return finite(radius - x);
}

ArticulatedTurn articulatedTurn(double radius, double trailerLength, double halfWidth,
                                double wheelbase, double fifthWheel) {
  ArticulatedTurn turn;
  double R = radius;
  if (wheelbase > R) R = wheelbase + 1.0;
  if (R < trailerLength) R = trailerLength;
  turn.radius = finite(R);

  const double s = squareRoot(finite(finite(R * R) - finite(wheelbase * wheelbase)));
  const double axle = finite(s + halfWidth);
  const double q = finite(finite(finite(axle * axle) + finite(fifthWheel * fifthWheel)) -
                          finite(trailerLength * trailerLength));
  if (q < 0.0) return turn;
  turn.possible = true;
  turn.cutIn = finite(R - finite(squareRoot(q) - halfWidth));
  return turn;
}

}  // namespace kelvara::trailer
