#pragma once
// Straight-line motion under constant acceleration.
//
// Initial speed u and final speed v in m/s, distance s in metres, acceleration a in m/s²
// (negative for a deceleration) and time t in seconds are tied together by
//     v = u + a·t        s = u·t + ½·a·t²        v² = u² + 2·a·s
// so that any three give the other two. Each function below solves for one quantity.
// A zero divisor, or a result too large for a double, throws ArithmeticFailure.

#include "fields/working.h"

namespace kelvara {

// v = u + a·t
double speedAfterTime(double u, double a, double t, Working& working = noWorking());

// u = v − t·a
double speedBeforeTime(double v, double a, double t, Working& working = noWorking());

// s = u·t + ½·a·t·t
double distanceInTime(double u, double a, double t, Working& working = noWorking());

// v² = u² + 2·a·s: the square of the final speed; negative when a deceleration stops the
// vehicle before it covers s.
double squaredSpeedAfterDistance(double u, double a, double s, Working& working = noWorking());

// u² = v² − 2·a·s: the square of the initial speed.
double squaredSpeedBeforeDistance(double v, double a, double s, Working& working = noWorking());

// The speed whose square is given: squared^0.5 (a negative square is a NegativeRoot).
double speedFromSquare(double squared);
// The same root, recorded as the final speed v = (v²)^0.5 or the initial speed u = (u²)^0.5.
double finalSpeedFromSquare(double squared, Working& working = noWorking());
double initialSpeedFromSquare(double squared, Working& working = noWorking());

// a = (v² − u²) / (2·s)
double accelerationOverDistance(double u, double v, double s, Working& working = noWorking());

// a = (v − u) / t
double accelerationOverTime(double u, double v, double t, Working& working = noWorking());

// From s = (u + v)/2·t with u = v − a·t:  a = 2·(t·v − s) / t²
double accelerationToFinalSpeed(double v, double s, double t, Working& working = noWorking());

// From s = u·t + ½·a·t²:  a = 2·(s − t·u) / t²
double accelerationFromInitialSpeed(double u, double s, double t, Working& working = noWorking());

// t = (v − u) / a
double timeToChangeSpeed(double u, double v, double a, Working& working = noWorking());

// t = s / v, the time to cover s at the steady speed v.
double timeAtSteadySpeed(double s, double v, Working& working = noWorking());

// From s = u·t + ½·a·t²:  u = (s − t²·½·a) / t
double initialSpeedOverDistance(double s, double a, double t, Working& working = noWorking());

// The deceleration a coefficient of friction μ can give, as a magnitude: μ·g.
double frictionDeceleration(double mu, Working& working = noWorking());

// The coefficient of friction equivalent to an acceleration: μ = −a / g (positive for a
// deceleration).
double frictionCoefficient(double a, Working& working = noWorking());

}  // namespace kelvara
