#include "motion/newton.h"

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara {

namespace {
constexpr double kHalf = 0.5;
constexpr double kTwice = 2.0;
constexpr double kSquare = 2.0;
constexpr double kRoot = 0.5;
}  // namespace

double speedAfterTime(double u, double a, double t) { return finite(u + a * t); }

double speedBeforeTime(double v, double a, double t) { return finite(v - t * a); }

double distanceInTime(double u, double a, double t) {
  return finite(u * t + kHalf * a * t * t);
}

double squaredSpeedAfterDistance(double u, double a, double s) {
  return finite(power(u, kSquare) + kTwice * a * s);
}

double squaredSpeedBeforeDistance(double v, double a, double s) {
  return finite(power(v, kSquare) - kTwice * a * s);
}

double speedFromSquare(double squared) { return power(squared, kRoot); }

double accelerationOverDistance(double u, double v, double s) {
  return divide(finite(power(v, kSquare) - power(u, kSquare)), kTwice * s);
}

double accelerationOverTime(double u, double v, double t) { return divide(finite(v - u), t); }

double accelerationToFinalSpeed(double v, double s, double t) {
  return divide(finite(kTwice * (t * v - s)), power(t, kSquare));
}

double accelerationFromInitialSpeed(double u, double s, double t) {
  return divide(finite(kTwice * (s - t * u)), power(t, kSquare));
}

double timeToChangeSpeed(double u, double v, double a) { return divide(finite(v - u), a); }

double timeAtSteadySpeed(double s, double v) { return divide(s, v); }

double initialSpeedOverDistance(double s, double a, double t) {
  return divide(finite(s - power(t, kSquare) * kHalf * a), t);
}

double frictionDeceleration(double mu) { return finite(mu * kGravity); }

double frictionCoefficient(double a) { return -a / kGravity; }

}  // namespace kelvara
