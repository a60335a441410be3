#include "location/national_grid.h"

#include <cmath>
#include <string>

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

// The working writes the latitude as the symbol given (φ, or φ′ for the footpoint).
Curvature curvatureAt(double sinLatitude, double latitude, std::string_view symbol,
                      Working& working) {
  const double base = 1.0 - e2 * sinLatitude * sinLatitude;
  if (!working.recording()) {  // the equations name the latitude only to be recorded
    const double nu = a * F0 * std::pow(base, -0.5);
    const double rho = a * F0 * (1.0 - e2) * std::pow(base, -1.5);
    return {nu, rho, nu / rho - 1.0};
  }
  const std::string sine = "sin(" + std::string(symbol) + ")²";
  const double nu = working.equation(
      "Radius of curvature across the meridian", "ν", "a × F0 × (1 − e² × " + sine + ")^(−0.5)",
      {{"a", a}, {"F0", F0}, {"e²", e2}, {symbol, latitude}}, a * F0 * std::pow(base, -0.5), "m");
  const double rho = working.equation("Radius of curvature along the meridian", "ρ",
                                      "a × F0 × (1 − e²) × (1 − e² × " + sine + ")^(−1.5)",
                                      {{"a", a}, {"F0", F0}, {"e²", e2}, {symbol, latitude}},
                                      a * F0 * (1.0 - e2) * std::pow(base, -1.5), "m");
  const double eta2 = working.equation("Ratio of the radii less one", "η²", "ν / ρ − 1",
                                       {{"ν", nu}, {"ρ", rho}}, nu / rho - 1.0, "");
  return {nu, rho, eta2};
}

// The ellipsoid's eccentricity and third flattening, from its axes.
void recordEllipsoid(Working& working) {
  working.note(
      "Transverse Mercator on the Airy 1830 ellipsoid: semi-axes a and b, scale F0 on the "
      "central meridian, true origin φ0 = 49° N, λ0 = 2° W, false origin "
      "E0 = 400000 m, N0 = −100000 m. Latitudes and longitudes are taken as already "
      "on that ellipsoid (no datum shift).");
  working.equation("Eccentricity squared", "e²", "(a² − b²) / a²", {{"a", a}, {"b", b}}, e2, "");
  working.equation("Third flattening", "n", "(a − b) / (a + b)", {{"a", a}, {"b", b}}, n, "");
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
double meridionalArc(double latitude, Working& working) {
  const double n2 = n * n;
  const double n3 = n2 * n;
  const double difference = working.equation("Latitude less the true origin's", "Δφ", "φ − φ0",
                                             {{"φ", latitude}, {"φ0", kOriginLatitude}},
                                             latitude - kOriginLatitude, "rad");
  const double sum = working.equation("Latitude plus the true origin's", "Σφ", "φ + φ0",
                                      {{"φ", latitude}, {"φ0", kOriginLatitude}},
                                      latitude + kOriginLatitude, "rad");
  return working.equation(
      "Meridional arc from the true origin's latitude", "M",
      "b × F0 × ((1 + n + 5/4 × n² + 5/4 × n³) × Δφ"
      " − (3 × n + 3 × n² + 21/8 × n³) × sin(Δφ) × cos(Σφ)"
      " + (15/8 × n² + 15/8 × n³) × sin(2 × Δφ) × cos(2 × Σφ)"
      " − 35/24 × n³ × sin(3 × Δφ) × cos(3 × Σφ))",
      {{"b", b}, {"F0", F0}, {"n", n}, {"Δφ", difference}, {"Σφ", sum}},
      b * F0 *
          ((1.0 + n + 5.0 / 4.0 * n2 + 5.0 / 4.0 * n3) * difference -
           (3.0 * n + 3.0 * n2 + 21.0 / 8.0 * n3) * std::sin(difference) * std::cos(sum) +
           (15.0 / 8.0 * n2 + 15.0 / 8.0 * n3) * std::sin(2.0 * difference) * std::cos(2.0 * sum) -
           35.0 / 24.0 * n3 * std::sin(3.0 * difference) * std::cos(3.0 * sum)),
      "m");
}

// The series I to VI of the Transverse Mercator projection.
GridPoint toGrid(double latitude, double longitude, Working& working) {
  recordEllipsoid(working);
  const double phi =
      working.equation("Latitude in radians", "φ", "φ° × π / 180", {{"φ°", latitude}, {"π", kPi}},
                       degreesToRadians(latitude), "rad");
  const double lambda =
      working.equation("Longitude in radians", "λ", "λ° × π / 180", {{"λ°", longitude}, {"π", kPi}},
                       degreesToRadians(longitude), "rad");
  const double s = std::sin(phi);
  const double c = std::cos(phi);
  const double t = std::tan(phi);
  const double t2 = t * t;
  const double t4 = t2 * t2;
  const double c3 = c * c * c;
  const double c5 = c3 * c * c;
  const auto [nu, rho, eta2] = curvatureAt(s, phi, "φ", working);

  const double arc = meridionalArc(phi, working);
  const double I =
      working.equation("Series term I", "I", "M + N0", {{"M", arc}, {"N0", kFalseNorthing}},
                       arc + kFalseNorthing, "m");
  const double II = working.equation("Series term II", "II", "ν / 2 × sin(φ) × cos(φ)",
                                     {{"ν", nu}, {"φ", phi}}, nu / 2.0 * s * c, "m/rad²");
  const double III = working.equation("Series term III", "III",
                                      "ν / 24 × sin(φ) × cos(φ)³ × (5 − tan(φ)² + 9 × η²)",
                                      {{"ν", nu}, {"φ", phi}, {"η²", eta2}},
                                      nu / 24.0 * s * c3 * (5.0 - t2 + 9.0 * eta2), "m/rad⁴");
  const double IIIA = working.equation(
      "Series term IIIA", "IIIA", "ν / 720 × sin(φ) × cos(φ)^5 × (61 − 58 × tan(φ)² + tan(φ)^4)",
      {{"ν", nu}, {"φ", phi}}, nu / 720.0 * s * c5 * (61.0 - 58.0 * t2 + t4), "m/rad⁶");
  const double IV = working.equation("Series term IV", "IV", "ν × cos(φ)", {{"ν", nu}, {"φ", phi}},
                                     nu * c, "m/rad");
  const double V = working.equation("Series term V", "V", "ν / 6 × cos(φ)³ × (ν / ρ − tan(φ)²)",
                                    {{"ν", nu}, {"ρ", rho}, {"φ", phi}},
                                    nu / 6.0 * c3 * (nu / rho - t2), "m/rad³");
  const double VI = working.equation(
      "Series term VI", "VI",
      "ν / 120 × cos(φ)^5 × (5 − 18 × tan(φ)² + tan(φ)^4 + 14 × η² − 58 × tan(φ)² × η²)",
      {{"ν", nu}, {"φ", phi}, {"η²", eta2}},
      nu / 120.0 * c5 * (5.0 - 18.0 * t2 + t4 + 14.0 * eta2 - 58.0 * t2 * eta2), "m/rad⁵");

  const double dl =
      working.equation("Longitude from the central meridian", "Δλ", "λ − λ0",
                       {{"λ", lambda}, {"λ0", kOriginLongitude}}, lambda - kOriginLongitude, "rad");
  const double dl2 = dl * dl;
  const double northing =
      working.equation("Northing", "N", "I + II × Δλ² + III × Δλ^4 + IIIA × Δλ^6",
                       {{"I", I}, {"II", II}, {"III", III}, {"IIIA", IIIA}, {"Δλ", dl}},
                       I + II * dl2 + III * dl2 * dl2 + IIIA * dl2 * dl2 * dl2, "m");
  const double easting =
      working.equation("Easting", "E", "E0 + IV × Δλ + V × Δλ³ + VI × Δλ^5",
                       {{"E0", kFalseEasting}, {"IV", IV}, {"V", V}, {"VI", VI}, {"Δλ", dl}},
                       kFalseEasting + IV * dl + V * dl2 * dl + VI * dl2 * dl2 * dl, "m");
  return {easting, northing};
}

// The series VII to XIIA of the inverse projection about the footpoint latitude φ′.
GeographicPoint toLatitudeLongitude(double easting, double northing, Working& working) {
  recordEllipsoid(working);
  double footpoint = (northing - kFalseNorthing) / (a * F0) + kOriginLatitude;
  double arc = meridionalArc(footpoint);
  for (int refinement = 0; refinement < 3; ++refinement) {
    footpoint += (northing - kFalseNorthing - arc) / (a * F0);
    arc = meridionalArc(footpoint);
  }
  working.note(
      "The footpoint latitude φ′ is the latitude on the central meridian whose meridional arc "
      "M is the northing less N0: first φ′ = (N − N0) / (a × F0) + φ0, then three times "
      "φ′ + (N − N0 − M) / (a × F0) with M at the last φ′.");
  working.value("Footpoint latitude", "φ′", footpoint, "rad");

  const double s = std::sin(footpoint);
  const double c = std::cos(footpoint);
  const double t = std::tan(footpoint);
  const double t2 = t * t;
  const double t4 = t2 * t2;
  const double t6 = t4 * t2;
  const auto [nu, rho, eta2] = curvatureAt(s, footpoint, "φ′", working);
  const double nu3 = nu * nu * nu;
  const double nu5 = nu3 * nu * nu;
  const double nu7 = nu5 * nu * nu;

  const double VII =
      working.equation("Series term VII", "VII", "tan(φ′) / (2 × ρ × ν)",
                       {{"φ′", footpoint}, {"ρ", rho}, {"ν", nu}}, t / (2.0 * rho * nu), "rad/m²");
  const double VIII = working.equation(
      "Series term VIII", "VIII",
      "tan(φ′) / (24 × ρ × ν³) × (5 + 3 × tan(φ′)² + η² − 9 × tan(φ′)² × η²)",
      {{"φ′", footpoint}, {"ρ", rho}, {"ν", nu}, {"η²", eta2}},
      t / (24.0 * rho * nu3) * (5.0 + 3.0 * t2 + eta2 - 9.0 * t2 * eta2), "rad/m⁴");
  const double IX = working.equation(
      "Series term IX", "IX", "tan(φ′) / (720 × ρ × ν^5) × (61 + 90 × tan(φ′)² + 45 × tan(φ′)^4)",
      {{"φ′", footpoint}, {"ρ", rho}, {"ν", nu}},
      t / (720.0 * rho * nu5) * (61.0 + 90.0 * t2 + 45.0 * t4), "rad/m⁶");
  const double X = working.equation("Series term X", "X", "1 / (cos(φ′) × ν)",
                                    {{"φ′", footpoint}, {"ν", nu}}, 1.0 / (c * nu), "rad/m");
  const double XI =
      working.equation("Series term XI", "XI", "1 / (6 × ν³ × cos(φ′)) × (ν / ρ + 2 × tan(φ′)²)",
                       {{"φ′", footpoint}, {"ν", nu}, {"ρ", rho}},
                       1.0 / (6.0 * nu3 * c) * (nu / rho + 2.0 * t2), "rad/m³");
  const double XII = working.equation(
      "Series term XII", "XII", "1 / (120 × ν^5 × cos(φ′)) × (5 + 28 × tan(φ′)² + 24 × tan(φ′)^4)",
      {{"φ′", footpoint}, {"ν", nu}}, 1.0 / (120.0 * nu5 * c) * (5.0 + 28.0 * t2 + 24.0 * t4),
      "rad/m⁵");
  const double XIIA = working.equation(
      "Series term XIIA", "XIIA",
      "1 / (5040 × ν^7 × cos(φ′)) × (61 + 662 × tan(φ′)² + 1320 × tan(φ′)^4 + 720 × tan(φ′)^6)",
      {{"φ′", footpoint}, {"ν", nu}},
      1.0 / (5040.0 * nu7 * c) * (61.0 + 662.0 * t2 + 1320.0 * t4 + 720.0 * t6), "rad/m⁷");

  const double dE =
      working.equation("Easting from the central meridian", "ΔE", "E − E0",
                       {{"E", easting}, {"E0", kFalseEasting}}, easting - kFalseEasting, "m");
  const double dE2 = dE * dE;
  const double phi =
      working.equation("Latitude in radians", "φ", "φ′ − VII × ΔE² + VIII × ΔE^4 − IX × ΔE^6",
                       {{"φ′", footpoint}, {"VII", VII}, {"VIII", VIII}, {"IX", IX}, {"ΔE", dE}},
                       footpoint - VII * dE2 + VIII * dE2 * dE2 - IX * dE2 * dE2 * dE2, "rad");
  const double lambda = working.equation(
      "Longitude in radians", "λ", "λ0 + X × ΔE − XI × ΔE³ + XII × ΔE^5 − XIIA × ΔE^7",
      {{"λ0", kOriginLongitude}, {"X", X}, {"XI", XI}, {"XII", XII}, {"XIIA", XIIA}, {"ΔE", dE}},
      kOriginLongitude + X * dE - XI * dE2 * dE + XII * dE2 * dE2 * dE -
          XIIA * dE2 * dE2 * dE2 * dE,
      "rad");
  return {working.equation("Latitude in degrees", "φ°", "φ × 180 / π", {{"φ", phi}, {"π", kPi}},
                           radiansToDegrees(phi), "degrees"),
          working.equation("Longitude in degrees (east positive)", "λ°", "λ × 180 / π",
                           {{"λ", lambda}, {"π", kPi}}, radiansToDegrees(lambda), "degrees")};
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
