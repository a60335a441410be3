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

double speedAfterTime(double u, double a, double t, Working& working) {
  return working.equation("Final speed", "v", "u + a \u00D7 t", {{"u", u}, {"a", a}, {"t", t}},
                          finite(u + a * t), "m/s");
}

double speedBeforeTime(double v, double a, double t, Working& working) {
  return working.equation("Initial speed", "u", "v \u2212 t \u00D7 a",
                          {{"v", v}, {"a", a}, {"t", t}}, finite(v - t * a), "m/s");
}

double distanceInTime(double u, double a, double t, Working& working) {
  return working.equation("Distance", "s", "u \u00D7 t + 0.5 \u00D7 a \u00D7 t \u00D7 t",
                          {{"u", u}, {"a", a}, {"t", t}}, finite(u * t + kHalf * a * t * t), "m");
}

double squaredSpeedAfterDistance(double u, double a, double s, Working& working) {
  return working.equation("Square of the final speed", "v\u00B2", "u^2 + 2 \u00D7 a \u00D7 s",
                          {{"u", u}, {"a", a}, {"s", s}},
                          finite(power(u, kSquare) + kTwice * a * s), "m\u00B2/s\u00B2");
}

double squaredSpeedBeforeDistance(double v, double a, double s, Working& working) {
  return working.equation("Square of the initial speed", "u\u00B2",
                          "v^2 \u2212 2 \u00D7 a \u00D7 s", {{"v", v}, {"a", a}, {"s", s}},
                          finite(power(v, kSquare) - kTwice * a * s), "m\u00B2/s\u00B2");
}

double speedFromSquare(double squared) { return power(squared, kRoot); }

double finalSpeedFromSquare(double squared, Working& working) {
  return working.equation("Final speed", "v", "(v\u00B2)^0.5", {{"v\u00B2", squared}},
                          speedFromSquare(squared), "m/s");
}

double initialSpeedFromSquare(double squared, Working& working) {
  return working.equation("Initial speed", "u", "(u\u00B2)^0.5", {{"u\u00B2", squared}},
                          speedFromSquare(squared), "m/s");
}

double accelerationOverDistance(double u, double v, double s, Working& working) {
  return working.equation(
      "Acceleration", "a", "(v^2 \u2212 u^2) / (2 \u00D7 s)", {{"u", u}, {"v", v}, {"s", s}},
      divide(finite(power(v, kSquare) - power(u, kSquare)), kTwice * s), "m/s\u00B2");
}

double accelerationOverTime(double u, double v, double t, Working& working) {
  return working.equation("Acceleration", "a", "(v \u2212 u) / t", {{"u", u}, {"v", v}, {"t", t}},
                          divide(finite(v - u), t), "m/s\u00B2");
}

double accelerationToFinalSpeed(double v, double s, double t, Working& working) {
  return working.equation("Acceleration", "a", "2 \u00D7 (t \u00D7 v \u2212 s) / t^2",
                          {{"v", v}, {"s", s}, {"t", t}},
                          divide(finite(kTwice * (t * v - s)), power(t, kSquare)), "m/s\u00B2");
}

double accelerationFromInitialSpeed(double u, double s, double t, Working& working) {
  return working.equation("Acceleration", "a", "2 \u00D7 (s \u2212 t \u00D7 u) / t^2",
                          {{"u", u}, {"s", s}, {"t", t}},
                          divide(finite(kTwice * (s - t * u)), power(t, kSquare)), "m/s\u00B2");
}

double timeToChangeSpeed(double u, double v, double a, Working& working) {
  return working.equation("Time", "t", "(v \u2212 u) / a", {{"u", u}, {"v", v}, {"a", a}},
                          divide(finite(v - u), a), "s");
}

double timeAtSteadySpeed(double s, double v, Working& working) {
  return working.equation("Time at the steady speed", "t", "s / v", {{"s", s}, {"v", v}},
                          divide(s, v), "s");
}

double initialSpeedOverDistance(double s, double a, double t, Working& working) {
  return working.equation("Initial speed", "u", "(s \u2212 t^2 \u00D7 0.5 \u00D7 a) / t",
                          {{"s", s}, {"a", a}, {"t", t}},
                          divide(finite(s - power(t, kSquare) * kHalf * a), t), "m/s");
}

double frictionDeceleration(double mu, Working& working) {
  return working.equation("Deceleration the coefficient of friction gives", "a\u03BC",
                          "\u03BC \u00D7 g", {{"\u03BC", mu}, {"g", kGravity}},
                          finite(mu * kGravity), "m/s\u00B2");
}

double frictionCoefficient(double a, Working& working) {
  return working.equation("Coefficient of friction", "\u03BC", "\u2212a / g",
                          {{"a", a}, {"g", kGravity}}, -a / kGravity, "");
}

}  // namespace kelvara
