#pragma once
// Cut-in of the rear wheels of a long vehicle in a steady low-speed turn without tyre slip.
//
// The centre of the turn lies on the line of the rear axle (rigid vehicle or tractor) and on
// the line of the trailer axle. R is the radius of the path of the inside front wheel, X that
// of the inside rear wheel; R − X is the cut-in. Lengths in metres. Every function throws
// ArithmeticFailure where its formula has no real, finite value.

#include "fields/working.h"

namespace kelvara::trailer {

// Both radius bars run over whole metres up to this radius.
inline constexpr int kLargestRadius = 500;
inline constexpr double kLongestWheelbase = 500.0;

// The whole-metre radius the rigid bar is pushed up to for a wheelbase L: L + 1, rounded
// to the nearest whole number with halves to the even one, and at most the largest radius.
int rigidRadiusFor(double wheelbase, Working& working = noWorking());

// Rigid vehicle: X = (R² − L²)^0.5, cut-in R − X.
double rigidCutIn(double radius, double wheelbase, Working& working = noWorking());

struct ArticulatedTurn {
  double radius = 0.0;     // R after raising it to clear the tractor and the trailer
  bool possible = false;   // false when the trailer axle cannot reach the turn (Q < 0)
  double cutIn = 0.0;      // R − X when possible
};

// Articulated vehicle (tractor wheelbase p, half width h, fifth wheel m ahead of the tractor
// rear axle, trailer axle d behind the fifth wheel) turning with its inside front wheel on
// radius R. R is first raised to p + 1 when below p, then to d when below d. Then
//   s = (R² − p²)^0.5        the inside rear wheel of the tractor,
//   Q = (s + h)² + m² − d²   the square of the radius of the trailer axle centre,
//   X = Q^0.5 − h            the inside rear wheel of the trailer.
ArticulatedTurn articulatedTurn(double radius, double trailerLength, double halfWidth,
                                double wheelbase, double fifthWheel,
                                Working& working = noWorking());

}  // namespace kelvara::trailer
