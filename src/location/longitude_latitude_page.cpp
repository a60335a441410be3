#include "location/longitude_latitude_page.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "fields/field_text.h"
#include "location/national_grid.h"
#include "location/sexagesimal.h"

namespace kelvara {

namespace {

const Message kBadPrefix{{"Your two-letter prefix is not valid"}};
const Message kNoForm{{"You must select which type of input you intend to use"}};
const Message kEastingsNotNumeric{{"Eastings should contain only numeric characters."}};
const Message kNorthingsNotNumeric{{"Northings should contain only numeric characters."}};
const Message kInvalid{{"Your input data is invalid. Check and start again."}};
const Message kNotes{
    {"Eastings and Northings are in metres. The numbers in a six figure reference such as NZ "
     "576 060 are in units of 100 metres. They should be entered as 57600 and 06000 "
     "respectively."}};

const Message kSixDigitEastings{{"Your eastings should have 6 digits. Use zeros if necessary."}};
const Message kSixDigitNorthings{
    {"Your northings should have 6 digits. Use zeros if necessary."}};
const Message kFiveDigitEastings{{"Your eastings should have 5 digits. Use zeros if necessary."}};
const Message kFiveDigitNorthings{
    {"Your northings should have 5 digits. Use zeros if necessary."}};

// Characters, not bytes, of a box text (the boxes hold UTF-8).
std::size_t characterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool onlyDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool finiteAngle(const DegreesMinutesSeconds& angle) {
  return std::isfinite(angle.degrees) && std::isfinite(angle.minutes) &&
         std::isfinite(angle.seconds);
}

}  // namespace

LongitudeLatitudePage::LongitudeLatitudePage(Dialogs& dialogs) : dialogs_(dialogs) {
  for (TextBox* box : {&txtE, &txtN, &txtTwoLetter, &txtEastings, &txtNorthings})
    box->enabled = false;
}

void LongitudeLatitudePage::cmdCalculate_Click() {
  std::transform(txtTwoLetter.text.begin(), txtTwoLetter.text.end(), txtTwoLetter.text.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });

  double easting = 0.0;
  double northing = 0.0;
  if (Option2.value) {
    const std::optional<grid::Square> square = grid::squareNamed(txtTwoLetter.text);
    if (!square) {
      dialogs_.show(kBadPrefix);
      return;
    }
    easting = fieldValue(std::to_string(square->eastingDigit()) + txtEastings.text);
    northing = fieldValue(std::to_string(square->northingDigit()) + txtNorthings.text);
    if (working().recording())
      working().note("The 100 km square " + std::string(square->letters) + " has easting digit " +
                     std::to_string(square->eastingDigit()) + " and northing digit " +
                     std::to_string(square->northingDigit()) +
                     " (hundreds of kilometres), written before the five figures of each.");
    working().value("Easting", "E", easting, "m");
    working().value("Northing", "N", northing, "m");
  }
  if (Option1.value) {
    northing = fieldValue(txtN.text);
    easting = fieldValue(txtE.text);
  }
  if (!Option1.value && !Option2.value) {
    dialogs_.show(kNoForm);
    return;
  }
  if (Option1.value && !checkFigures(txtE, txtN, 6, kSixDigitEastings, kSixDigitNorthings))
    return;
  if (Option2.value &&
      !checkFigures(txtEastings, txtNorthings, 5, kFiveDigitEastings, kFiveDigitNorthings))
    return;

  const grid::GeographicPoint point = grid::toLatitudeLongitude(easting, northing, working());
  if (!std::isfinite(point.latitude) || !std::isfinite(point.longitude)) {
    dialogs_.show(kInvalid);
    return;
  }
  const bool west = point.longitude < 0.0;
  const DegreesMinutesSeconds longitude =
      truncatedDegreesMinutesSeconds(west ? -point.longitude : point.longitude);
  const DegreesMinutesSeconds latitude = truncatedDegreesMinutesSeconds(point.latitude);
  // All six figures are found before any is written: a failure writes none.
  if (!finiteAngle(longitude) || !finiteAngle(latitude)) {
    dialogs_.show(kInvalid);
    return;
  }
  if (working().recording())
    working().note(std::string("Degrees, minutes and seconds are each cut short, not rounded") +
                   (west ? "; the longitude is west, written as its size with W." : "."));
  txtEastWest.text = west ? " W" : " E";
  txtLoDeg.text = shortestText(longitude.degrees);
  txtLaDeg.text = shortestText(latitude.degrees);
  txtLoMin.text = shortestText(longitude.minutes);
  txtLaMin.text = shortestText(latitude.minutes);
  txtLoSec.text = shortestText(longitude.seconds);
  txtLaSec.text = shortestText(latitude.seconds);
}

// Both figures must be exactly so many characters, and every one a digit.
bool LongitudeLatitudePage::checkFigures(const TextBox& eastings, const TextBox& northings,
                                         std::size_t digits, const Message& eastingsLength,
                                         const Message& northingsLength) {
  if (characterCount(eastings.text) != digits) {
    dialogs_.show(eastingsLength);
    return false;
  }
  if (characterCount(northings.text) != digits) {
    dialogs_.show(northingsLength);
    return false;
  }
  if (!onlyDigits(eastings.text)) {
    dialogs_.show(kEastingsNotNumeric);
    return false;
  }
  if (!onlyDigits(northings.text)) {
    dialogs_.show(kNorthingsNotNumeric);
    return false;
  }
  return true;
}

void LongitudeLatitudePage::cmdClear_Click() {
  for (TextBox* box : {&txtE, &txtN, &txtTwoLetter, &txtEastings, &txtNorthings, &txtLoDeg,
                       &txtLoMin, &txtLoSec, &txtLaDeg, &txtLaMin, &txtLaSec})
    box->text.clear();
  Option1.value = false;
  Option2.value = false;
}

void LongitudeLatitudePage::Option1_Click() {
  txtE.enabled = true;
  txtN.enabled = true;
}

void LongitudeLatitudePage::Option2_Click() {
  txtTwoLetter.enabled = true;
  txtEastings.enabled = true;
  txtNorthings.enabled = true;
}

void LongitudeLatitudePage::mnuNotes_Click() { dialogs_.show(kNotes); }

}  // namespace kelvara

namespace kelvara {

PageDescription LongitudeLatitudePage::describe() {
  PageDescription d("frmLongitudeLatitude", "OSGrid to Longitude and Latitude Converter");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.option("Option1", Option1, "Input", 0, [this] { Option1_Click(); });
  d.input("txtE", txtE, "Eastings", measured);
  d.input("txtN", txtN, "Northings", measured);
  d.option("Option2", Option2, "Input", 0, [this] { Option2_Click(); });
  d.input("txtTwoLetter", txtTwoLetter, "OS Grid Ref NZ", Nature::Text).echoesTyping = true;
  d.input("txtEastings", txtEastings, "Eastings 57600", measured);
  d.input("txtNorthings", txtNorthings, "Northings 06000", measured);
  d.result("txtLaDeg", txtLaDeg, "Latitude degrees", {"{~}"});
  d.result("txtLaMin", txtLaMin, "Latitude minutes", {"{~}"});
  d.result("txtLaSec", txtLaSec, "Latitude seconds", {"{~}"});
  d.result("txtLoDeg", txtLoDeg, "Longitude degrees", {"{~}"});
  d.result("txtLoMin", txtLoMin, "Longitude minutes", {"{~}"});
  d.result("txtLoSec", txtLoSec, "Longitude seconds", {"{~}"});
  d.result("txtEastWest", txtEastWest, "Longitude", {" W", " E"});
  d.button("cmdcalculate", cmdcalculate);
  d.button("cmdclear", cmdclear);
  d.button("cmdmenu", cmdmenu, WindowCommand::Menu);
  d.button("cmdexit", cmdexit, WindowCommand::Exit);
  d.menuItem("mnuNotes", mnuNotes, [this] { mnuNotes_Click(); });

  d.on(&cmdcalculate, Event::Click, "cmdCalculate_Click", [this] { cmdCalculate_Click(); });
  d.on(&cmdclear, Event::Click, "cmdClear_Click", [this] { cmdClear_Click(); });

  d.calculation("Latitude and longitude from eastings and northings",
                {"Option1_Click", "cmdCalculate_Click"}, {&Option1, &txtE, &txtN},
                {&txtLaDeg, &txtLaMin, &txtLaSec, &txtLoDeg, &txtLoMin, &txtLoSec, &txtEastWest});
  d.calculation("Latitude and longitude from a grid square",
                {"Option2_Click", "cmdCalculate_Click"},
                {&Option2, &txtTwoLetter, &txtEastings, &txtNorthings},
                {&txtLaDeg, &txtLaMin, &txtLaSec, &txtLoDeg, &txtLoMin, &txtLoSec, &txtEastWest});
  return d;
}

}  // namespace kelvara
