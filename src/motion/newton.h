#pragma once
// Straight-line motion under constant acceleration.
//
// Initial speed u and final speed v in m/s, distance s in metres, acceleration a in m/s²
// (negative for a deceleration) and time t in seconds are tied together by
//     v = u + a·t        s = u·t + ½·a·t²        v² = u² + 2·a·s
// so that any three give the other two. Each function below solves for one quantity.
// A zero divisor, or a result too large for a double, throws ArithmeticFailure.

namespace kelvara {

// v = u + a·t
double speedAfterTime(double u, double a, double t);

// u = v − t·a
double speedBeforeTime(double v, double a, double t);

// s = u·t + ½·a·t·t
double distanceInTime(double u, double a, double t);

// v² = u² + 2·a·s: the square of the final speed; negative when a deceleration stops the
// vehicle before it covers s.
double squaredSpeedAfterDistance(double u, double a, double s);

// u² = v² − 2·a·s: the square of the initial speed.
double squaredSpeedBeforeDistance(double v, double a, double s);

// The speed whose square is given: squared^0.5 (a negative square is a NegativeRoot).
double speedFromSquare(double squared);

// a = (v² − u²) / (2·s)
double accelerationOverDistance(double u, double v, double s);

// a = (v − u) / t
double accelerationOverTime(double u, double v, double t);

// From s = (u + v)/2·t with u = v − a·t:  a = 2·(t·v − s) / t²
double accelerationToFinalSpeed(double v, double s, double t);

// From s = u·t + ½·a·t²:  a = 2·(s − t·u) / t²
double accelerationFromInitialSpeed(double u, double s, double t);

// t = (v − u) / a
double timeToChangeSpeed(double u, double v, double a);

// t = s / v, the time to cover s at the steady speed v.
double timeAtSteadySpeed(double s, double v);

// From s = u·t + ½·a·t²:  u = (s − t²·½·a) / t
double initialSpeedOverDistance(double s, double a, double t);

// The deceleration a coefficient of friction μ can give, as a magnitude: μ·g.
double frictionDeceleration(double mu);

// The coefficient of friction equivalent to an acceleration: μ = −a / g (positive for a
// deceleration).
double frictionCoefficient(double a);

}  // namespace kelvara
