#include "location/uk_grid_page.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "fields/field_text.h"
#include "location/national_grid.h"

namespace kelvara {

namespace {

constexpr const char* kMetresMask = "0#####";
constexpr const char* kGap = "   ";
// The longitude degrees above which latitude and longitude were probably typed the wrong
// way round (the mainland lies within 2° E and 8° W).
constexpr double kLargestLongitude = 40.0;
constexpr double kNorthernLimit = 1000000.0;
constexpr double kEasternLimit = 700000.0;

const Message kSwapped{{"Have you got the longitude and latitude in the correct boxes?"}};
const Message kNoSide{{"Select either east or west for your longitude"}};
const Message kTooFarNorth{{"You are not on the UK mainland. You are too far north."}};
const Message kTooFarEast{{"You are not on the UK mainland. You are too far east."}};
const Message kNotOnMainland{
    {"These co-ordinates are incorrect because you are not on the UK mainland!"}};
const Message kNotes{
    {"The algorithm used in this programme is described  at Ordnance Survey's \"A Guide to "
     "Coordinate Systems in Great Britain\"."}};

// Degrees, minutes and seconds as decimal degrees, negative to the west.
double degrees(const TextBox& whole, const TextBox& minutes, const TextBox& seconds,
               Working& working, std::string_view quantity, std::string_view symbol,
               bool negative = false) {
  const double d = fieldValue(whole.text);
  const double m = fieldValue(minutes.text);
  const double s = fieldValue(seconds.text);
  const double angle = d + m / 60.0 + s / 3600.0;
  return working.equation(quantity, symbol,
                          negative ? "−(d + m / 60 + s / 3600)" : "d + m / 60 + s / 3600",
                          {{"d", d}, {"m", m}, {"s", s}}, negative ? -angle : angle, "degrees");
}

// The figure inside its 100 km square, always five digits. A negative figure has no square;
// it keeps the last five characters of its box text.
std::string withinSquare(double metres, const std::string& boxText) {
  if (metres < 0.0) return boxText.size() > 5 ? boxText.substr(boxText.size() - 5) : boxText;
  const double inside = metres - grid::kSquareSize * std::floor(metres / grid::kSquareSize);
  std::string digits = std::to_string(static_cast<long>(inside));
  return std::string(digits.size() < 5 ? 5 - digits.size() : 0, '0') + digits;
}

}  // namespace

UKGridPage::UKGridPage(Dialogs& dialogs) : dialogs_(dialogs) {
  txtE.enabled = false;
  txtN.enabled = false;
  txtResult.enabled = false;
}

void UKGridPage::cmdCalculate_Click() {
  if (fieldValue(txtLoDeg.text) > kLargestLongitude) {
    dialogs_.show(kSwapped);
    return;
  }
  if (!optEast.value && !optWest.value) {
    dialogs_.show(kNoSide);
    return;
  }
  const double longitude = degrees(txtLoDeg, txtLoMin, txtLoSec, working(),
                                   "Longitude in degrees (east positive)", "λ°", optWest.value);
  const double latitude =
      degrees(txtLaDeg, txtLaMin, txtLaSec, working(), "Latitude in degrees", "φ°");

  const grid::GridPoint point = grid::toGrid(latitude, longitude, working());
  // A NaN passes both bounds below: absurd input is refused before them.
  if (!std::isfinite(point.easting) || !std::isfinite(point.northing)) {
    dialogs_.show(kNotOnMainland);
    return;
  }
  if (point.northing > kNorthernLimit) {
    dialogs_.show(kTooFarNorth);
    return;
  }
  if (point.easting > kEasternLimit) {
    dialogs_.show(kTooFarEast);
    return;
  }

  txtN.enabled = true;
  txtE.enabled = true;
  txtResult.enabled = true;
  txtN.text = maskFormat(point.northing, kMetresMask);
  txtE.text = maskFormat(point.easting, kMetresMask);

  // The square of the whole metres just written, so that a figure rounded up to the next
  // 100 km line falls in the square it is written in.
  const double easting = fieldValue(txtE.text);
  const double northing = fieldValue(txtN.text);
  const std::optional<grid::Square> square = grid::squareAt(easting, northing);
  if (square && working().recording())
    working().note("The reference is taken from the whole metres written: the 100 km square " +
                   std::string(square->letters) + " holds easting digit " +
                   std::to_string(square->eastingDigit()) + " and northing digit " +
                   std::to_string(square->northingDigit()) +
                   " (hundreds of kilometres), and the five figures of each are the metres "
                   "within it.");
  const std::string prefix = square ? std::string(square->letters) : std::string();
  txtResult.text = prefix + kGap + withinSquare(easting, txtE.text) + kGap +
                   withinSquare(northing, txtN.text);
  if (!square) dialogs_.show(kNotOnMainland);
}

void UKGridPage::cmdClear_Click() {
  for (TextBox* box : {&txtLoDeg, &txtLoMin, &txtLoSec, &txtLaDeg, &txtLaMin, &txtLaSec, &txtE,
                       &txtN, &txtResult})
    box->text.clear();
  optEast.value = false;
  optWest.value = false;
}

void UKGridPage::mnuNotes_Click() { dialogs_.show(kNotes); }

}  // namespace kelvara

namespace kelvara {

PageDescription UKGridPage::describe() {
  PageDescription d("frmUKGrid", "Longitude and Latitude to OS Grid Reference");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.input("txtLaDeg", txtLaDeg, "Latitude degrees", measured);
  d.input("txtLaMin", txtLaMin, "Latitude minutes", measured);
  d.input("txtLaSec", txtLaSec, "Latitude seconds", measured);
  d.input("txtLoDeg", txtLoDeg, "Longitude degrees", measured);
  d.input("txtLoMin", txtLoMin, "Longitude minutes", measured);
  d.input("txtLoSec", txtLoSec, "Longitude seconds", measured);
  d.option("optEast", optEast, "East", 0);
  d.option("optWest", optWest, "West", 0);
  d.result("txtE", txtE, "Eastings", {"{0#####}"});
  d.result("txtN", txtN, "Northings", {"{0#####}"});
  d.result("txtResult", txtResult, "OS Grid Ref", {"{*}"});
  d.button("cmdcalculate", cmdcalculate);
  d.button("cmdclear", cmdclear);
  d.button("cmdmenu", cmdmenu, WindowCommand::Menu);
  d.button("cmdexit", cmdexit, WindowCommand::Exit);
  d.menuItem("mnuNotes", mnuNotes, [this] { mnuNotes_Click(); });

  d.on(&cmdcalculate, Event::Click, "cmdCalculate_Click", [this] { cmdCalculate_Click(); });
  d.on(&cmdclear, Event::Click, "cmdClear_Click", [this] { cmdClear_Click(); });

  d.calculation("Grid reference", {"cmdCalculate_Click"});
  return d;
}

}  // namespace kelvara
