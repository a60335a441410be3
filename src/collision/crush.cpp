#include "collision/crush.h"

#include <cmath>
#include <stdexcept>

#include "fields/checked.h"
#include "fields/units.h"

namespace kelvara::crush {

namespace {

constexpr double kDegreesPerHalfTurn = 180.0;

double radians(double degrees) { return finite(finite(degrees) * kPi / kDegreesPerHalfTurn); }

double product(double a, double b) { return finite(a * b); }
double sum(double a, double b) { return finite(a + b); }

void checkReadings(int readings) {
  if (readings != 2 && readings != 4 && readings != 6)
    throw std::invalid_argument("crush readings must be 2, 4 or 6");
}

// Ends count once, inner readings twice.
double weight(int i, int readings) { return (i == 0 || i == readings - 1) ? 1.0 : 2.0; }

}  // namespace

double crushConstant(double A, double B) { return divide(product(A, A), product(2.0, B)); }

double crushEnergy(int readings, const CrushReadings& c, double L, double thetaDegrees,
                   double A, double B, double G) {
  checkReadings(readings);
  const double intervals = readings - 1;
  double depths = 0.0;   // Σ wᵢcᵢ
  double squares = 0.0;  // Σ wᵢcᵢ² + Σ cᵢcᵢ₊₁
  for (int i = 0; i < readings; ++i)
    depths = sum(depths, product(weight(i, readings), c[static_cast<std::size_t>(i)]));
  for (int i = 0; i < readings; ++i) {
    const double ci = c[static_cast<std::size_t>(i)];
    squares = sum(squares, product(weight(i, readings), product(ci, ci)));
  }
  for (int i = 0; i + 1 < readings; ++i)
    squares = sum(squares,
                  product(c[static_cast<std::size_t>(i)], c[static_cast<std::size_t>(i) + 1]));

  const double tanTheta = tangent(radians(thetaDegrees));
  const double f = sum(1.0, product(tanTheta, tanTheta));
  const double bracket = sum(sum(product(A / 2.0, depths), product(B / 6.0, squares)),
                             product(intervals, G));
  return divide(product(product(f, divide(L, intervals)), bracket), kNewtonCentimetresPerJoule);
}

double impactForce(int readings, const CrushReadings& c, double L, double thetaDegrees,
                   double A, double B) {
  checkReadings(readings);
  const double intervals = readings - 1;
  double depths = 0.0;  // Σ wᵢcᵢ / 2
  for (int i = 0; i < readings; ++i) {
    const double ci = c[static_cast<std::size_t>(i)];
    depths = sum(depths, weight(i, readings) == 1.0 ? ci / 2.0 : ci);
  }
  const double perWidth = sum(A, divide(product(B, depths), intervals));
  return divide(product(perWidth, L), std::cos(radians(thetaDegrees)));
}

double effectiveMassFactor(double k, double h) {
  const double k2 = product(k, k);
  return divide(k2, sum(k2, product(h, h)));
}

double barrierSpeedMph(double E, double gamma, double mass) {
  return metresPerSecondToMph(squareRoot(divide(product(product(2.0, E), gamma), mass)));
}

double deltaVMph(double totalEnergy, double gamma, double mass, double otherGamma,
                 double otherMass) {
  const double massRatio = divide(product(gamma, mass), product(otherGamma, otherMass));
  const double denominator = product(mass, sum(1.0, massRatio));
  const double numerator = product(product(2.0, gamma), totalEnergy);
  return metresPerSecondToMph(squareRoot(divide(numerator, denominator)));
}

}  // namespace kelvara::crush
