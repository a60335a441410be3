#include "location/national_grid.h"

#include <cmath>

namespace kelvara::grid {

namespace {

constexpr double a = kSemiMajorAxis;
constexpr double b = kSemiMinorAxis;
constexpr double F0 = kCentralScale;
constexpr double e2 = kEccentricitySquared;
constexpr double n = kThirdFlattening;

// Radii of curvature at latitude φ: ν across the meridian, ρ along it, and η² = ν/ρ − 1.
struct Curvature {
  double nu;
  double rho;
  double eta2;
};

Curvature curvatureAt(double sinLatitude) {
  const double base = 1.0 - e2 * sinLatitude * sinLatitude;
  const double nu = a * F0 * std::pow(base, -0.5);
  const double rho = a * F0 * (1.0 - e2) * std::pow(base, -1.5);
  return {nu, rho, nu / rho - 1.0};
}

}  // namespace

const std::array<Square, 48> kSquares{{
    {10, "SW"}, {20, "SX"}, {30, "SY"}, {40, "SZ"}, {50, "TV"}, {60, "TW"},
    {11, "SR"}, {21, "SS"}, {31, "ST"}, {41, "SU"}, {51, "TQ"}, {61, "TR"},
    {12, "SM"}, {22, "SN"}, {32, "SO"}, {42, "SP"}, {52, "TL"}, {62, "TM"},
    {13, "SG"}, {23, "SH"}, {33, "SJ"}, {43, "SK"}, {53, "TF"}, {63, "TG"},
    {14, "SB"}, {24, "SC"}, {34, "SD"}, {44, "SE"}, {54, "TA"},
    {15, "NW"}, {25, "NX"}, {35, "NY"}, {45, "NZ"},
    {16, "NR"}, {26, "NS"}, {36, "NT"}, {46, "NU"},
    {17, "NM"}, {27, "NN"}, {37, "NO"}, {47, "NP"},
    {18, "NG"}, {28, "NH"}, {38, "NJ"}, {48, "NK"},
    {19, "NB"}, {29, "NC"}, {39, "ND"},
}};

// M = b·F0·[(1 + n + 5/4·n² + 5/4·n³)(φ − φ0) − (3n + 3n² + 21/8·n³)·sin(φ − φ0)·cos(φ + φ0)
//          + (15/8·n² + 15/8·n³)·sin 2(φ − φ0)·cos 2(φ + φ0) − 35/24·n³·sin 3(φ − φ0)·cos 3(φ + φ0)]
double meridionalArc(double latitude) {
  const double n2 = n * n;
  const double n3 = n2 * n;
  const double difference = latitude - kOriginLatitude;
  const double sum = latitude + kOriginLatitude;
  return b * F0 *
         ((1.0 + n + 5.0 / 4.0 * n2 + 5.0 / 4.0 * n3) * difference -
          (3.0 * n + 3.0 * n2 + 21.0 / 8.0 * n3) * std::sin(difference) * std::cos(sum) +
          (15.0 / 8.0 * n2 + 15.0 / 8.0 * n3) * std::sin(2.0 * difference) *
              std::cos(2.0 * sum) -
          35.0 / 24.0 * n3 * std::sin(3.0 * difference) * std::cos(3.0 * sum));
}

// The series I to VI of the Transverse Mercator projection.
GridPoint toGrid(double latitude, double longitude) {
  const double phi = degreesToRadians(latitude);
  const double lambda = degreesToRadians(longitude);
  const double s = std::sin(phi);
  const double c = std::cos(phi);
  const double t = std::tan(phi);
  const double t2 = t * t;
  const double t4 = t2 * t2;
  const double c3 = c * c * c;
  const double c5 = c3 * c * c;
  const auto [nu, rho, eta2] = curvatureAt(s);

  const double I = meridionalArc(phi) + kFalseNorthing;
  const double II = nu / 2.0 * s * c;
  const double III = nu / 24.0 * s * c3 * (5.0 - t2 + 9.0 * eta2);
  const double IIIA = nu / 720.0 * s * c5 * (61.0 - 58.0 * t2 + t4);
  const double IV = nu * c;
  const double V = nu / 6.0 * c3 * (nu / rho - t2);
  const double VI = nu / 120.0 * c5 * (5.0 - 18.0 * t2 + t4 + 14.0 * eta2 - 58.0 * t2 * eta2);

  const double dl = lambda - kOriginLongitude;
  const double dl2 = dl * dl;
  const double northing = I + II * dl2 + III * dl2 * dl2 + IIIA * dl2 * dl2 * dl2;
  const double easting = kFalseEasting + IV * dl + V * dl2 * dl + VI * dl2 * dl2 * dl;
  return {easting, northing};
}

// The series VII to XIIA of the inverse projection about the footpoint latitude φ′.
GeographicPoint toLatitudeLongitude(double easting, double northing) {
  double footpoint = (northing - kFalseNorthing) / (a * F0) + kOriginLatitude;
  double arc = meridionalArc(footpoint);
  for (int refinement = 0; refinement < 3; ++refinement) {
    footpoint += (northing - kFalseNorthing - arc) / (a * F0);
    arc = meridionalArc(footpoint);
  }

  const double s = std::sin(footpoint);
  const double c = std::cos(footpoint);
  const double t = std::tan(footpoint);
  const double t2 = t * t;
  const double t4 = t2 * t2;
  const double t6 = t4 * t2;
  const auto [nu, rho, eta2] = curvatureAt(s);
  const double nu3 = nu * nu * nu;
  const double nu5 = nu3 * nu * nu;
  const double nu7 = nu5 * nu * nu;

  const double VII = t / (2.0 * rho * nu);
  const double VIII = t / (24.0 * rho * nu3) * (5.0 + 3.0 * t2 + eta2 - 9.0 * t2 * eta2);
  const double IX = t / (720.0 * rho * nu5) * (61.0 + 90.0 * t2 + 45.0 * t4);
  const double X = 1.0 / (c * nu);
  const double XI = 1.0 / (6.0 * nu3 * c) * (nu / rho + 2.0 * t2);
  const double XII = 1.0 / (120.0 * nu5 * c) * (5.0 + 28.0 * t2 + 24.0 * t4);
  const double XIIA = 1.0 / (5040.0 * nu7 * c) * (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6);

  const double dE = easting - kFalseEasting;
  const double dE2 = dE * dE;
  const double phi = footpoint - VII * dE2 + VIII * dE2 * dE2 - IX * dE2 * dE2 * dE2;
  const double lambda = kOriginLongitude + X * dE - XI * dE2 * dE + XII * dE2 * dE2 * dE -
                        XIIA * dE2 * dE2 * dE2 * dE;
  return {radiansToDegrees(phi), radiansToDegrees(lambda)};
}

std::optional<Square> squareAt(double easting, double northing) {
  // Range-checked as doubles first: a NaN or a figure beyond any integer fails here.
  if (!(easting >= 0.0 && easting < kGridExtent && northing >= 0.0 && northing < kGridExtent))
    return std::nullopt;
  const int code = 10 * static_cast<int>(std::floor(easting / kSquareSize)) +
                   static_cast<int>(std::floor(northing / kSquareSize));
  for (const Square& square : kSquares)
    if (square.code == code) return square;
  return std::nullopt;
}

std::optional<Square> squareNamed(std::string_view letters) {
  for (const Square& square : kSquares)
    if (square.letters == letters) return square;
  return std::nullopt;
}

}  // namespace kelvara::grid
