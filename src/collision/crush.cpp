#include "collision/crush.h"

#include <cmath>
#include <stdexcept>
#include <string>

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

// A sum over the readings, recorded with the readings named C1 to C6 like the page's columns.
double recordSum(Working& working, std::string_view quantity, std::string_view symbol,
                 const std::string& equation, const CrushReadings& c, double value,
                 std::string_view unit) {
  return working.equation(
      quantity, symbol, equation,
      {{"C1", c[0]}, {"C2", c[1]}, {"C3", c[2]}, {"C4", c[3]}, {"C5", c[4]}, {"C6", c[5]}}, value,
      unit);
}

std::string reading(int i) { return "C" + std::to_string(i + 1); }

// "C1<power> + 2 × C2<power> + … + Cn<power>": each reading weighted as in the energy.
std::string weightedSum(int readings, const std::string& power) {
  std::string terms;
  for (int i = 0; i < readings; ++i) {
    if (i > 0) terms += " + ";
    if (weight(i, readings) != 1.0) terms += "2 \u00D7 ";
    terms += reading(i) + power;
  }
  return terms;
}

// " + C1 × C2 + C2 × C3 + …"
std::string neighbourProducts(int readings) {
  std::string terms;
  for (int i = 0; i + 1 < readings; ++i) terms += " + " + reading(i) + " \u00D7 " + reading(i + 1);
  return terms;
}

// "C1 / 2 + C2 + … + Cn / 2"
std::string halvedEndsSum(int readings) {
  std::string terms;
  for (int i = 0; i < readings; ++i) {
    if (i > 0) terms += " + ";
    terms += reading(i);
    if (weight(i, readings) == 1.0) terms += " / 2";
  }
  return terms;
}

}  // namespace

double crushConstant(double A, double B, Working& working) {
  return working.equation("Crush constant (energy absorbed without permanent crush, per cm)", "G",
                          "A^2 / (2 \u00D7 B)", {{"A", A}, {"B", B}},
                          divide(product(A, A), product(2.0, B)), "N");
}

double crushEnergy(int readings, const CrushReadings& c, double L, double thetaDegrees, double A,
                   double B, double G, Working& working) {
  checkReadings(readings);
  const double intervals =
      working.value("Intervals between the crush readings", "n", readings - 1, "");
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
  if (working.recording()) {  // the sums' equations are written out only to be recorded
    recordSum(working, "Sum of the crush depths, inner readings twice", "S1",
              weightedSum(readings, ""), c, depths, "cm");
    recordSum(working,
              "Sum of the squared depths (inner readings twice) and of each depth times the next",
              "S2", weightedSum(readings, "^2") + neighbourProducts(readings), c, squares,
              "cm\u00B2");
  }

  const double tanTheta = tangent(radians(thetaDegrees));
  const double f = working.equation(
      "Force direction factor", "f", "1 + tan(\u03B8 \u00D7 \u03C0 / 180)^2",
      {{"\u03B8", thetaDegrees}, {"\u03C0", kPi}}, sum(1.0, product(tanTheta, tanTheta)), "");
  const double termA = working.equation("Crush energy term of A", "EA", "A / 2 \u00D7 S1",
                                        {{"A", A}, {"S1", depths}}, product(A / 2.0, depths), "N");
  const double termB =
      working.equation("Crush energy term of B", "EB", "B / 6 \u00D7 S2",
                       {{"B", B}, {"S2", squares}}, product(B / 6.0, squares), "N");
  const double termG = working.equation("Crush energy term of G", "EG", "n \u00D7 G",
                                        {{"n", intervals}, {"G", G}}, product(intervals, G), "N");
  const double bracket = sum(sum(termA, termB), termG);
  return working.equation(
      "Crush energy", "E", "f \u00D7 (L / n) \u00D7 (EA + EB + EG) / 100",
      {{"f", f}, {"L", L}, {"n", intervals}, {"EA", termA}, {"EB", termB}, {"EG", termG}},
      divide(product(product(f, divide(L, intervals)), bracket), kNewtonCentimetresPerJoule), "J");
}

double impactForce(int readings, const CrushReadings& c, double L, double thetaDegrees, double A,
                   double B, Working& working) {
  checkReadings(readings);
  const double intervals = readings - 1;
  double depths = 0.0;  // Σ wᵢcᵢ / 2
  for (int i = 0; i < readings; ++i) {
    const double ci = c[static_cast<std::size_t>(i)];
    depths = sum(depths, weight(i, readings) == 1.0 ? ci / 2.0 : ci);
  }
  if (working.recording())
    recordSum(working, "Sum of the crush depths, end readings half", "Sf", halvedEndsSum(readings),
              c, depths, "cm");
  const double perWidth =
      working.equation("Force per cm of damage width", "Fw", "A + B \u00D7 Sf / n",
                       {{"A", A}, {"B", B}, {"Sf", depths}, {"n", intervals}},
                       sum(A, divide(product(B, depths), intervals)), "N/cm");
  return working.equation("Maximum impact force", "F",
                          "Fw \u00D7 L / cos(\u03B8 \u00D7 \u03C0 / 180)",
                          {{"Fw", perWidth}, {"L", L}, {"\u03B8", thetaDegrees}, {"\u03C0", kPi}},
                          divide(product(perWidth, L), std::cos(radians(thetaDegrees))), "N");
}

double effectiveMassFactor(double k, double h, Working& working) {
  const double k2 = product(k, k);
  return working.equation("Effective-mass factor", "\u03B3", "k^2 / (k^2 + h^2)",
                          {{"k", k}, {"h", h}}, divide(k2, sum(k2, product(h, h))), "");
}

double barrierSpeedMph(double E, double gamma, double mass, Working& working) {
  return working.equation(
      "Equivalent barrier speed", "EBS", "\u221A(2 \u00D7 E \u00D7 \u03B3 / m) / 0.44704",
      {{"E", E}, {"\u03B3", gamma}, {"m", mass}},
      metresPerSecondToMph(squareRoot(divide(product(product(2.0, E), gamma), mass))), "mph");
}

double deltaVMph(double totalEnergy, double gamma, double mass, double otherGamma, double otherMass,
                 Working& working) {
  const double massRatio = working.equation(
      "Effective mass ratio to the other vehicle", "R", "\u03B3 \u00D7 m / (\u03B3o \u00D7 mo)",
      {{"\u03B3", gamma}, {"m", mass}, {"\u03B3o", otherGamma}, {"mo", otherMass}},
      divide(product(gamma, mass), product(otherGamma, otherMass)), "");
  const double denominator = product(mass, sum(1.0, massRatio));
  const double numerator = product(product(2.0, gamma), totalEnergy);
  return working.equation("Delta V", "\u0394V",
                          "\u221A(2 \u00D7 \u03B3 \u00D7 Et / (m \u00D7 (1 + R))) / 0.44704",
                          {{"\u03B3", gamma}, {"Et", totalEnergy}, {"m", mass}, {"R", massRatio}},
                          metresPerSecondToMph(squareRoot(divide(numerator, denominator))), "mph");
}

}  // namespace kelvara::crush
