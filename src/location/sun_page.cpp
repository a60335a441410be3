#include "location/sun_page.h"

#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "fields/field_text.h"
#include "location/sun.h"

namespace kelvara {

namespace {

constexpr int kMinutesPerDay = 1440;
constexpr int kMinutesPerHour = 60;

const Message kIncomplete{{"You have not completed all the input data."}};
const Message kYear{{"Check that you have entered the Year correctly."}};
const Message kMonth{{"Check that you have entered the Month correctly."}};
const Message kDay{{"Check that you have entered the Day correctly."}};
const Message kHours{{"Check that you have entered the Hours correctly."}};
const Message kMinutes{{"Check that you have entered the Minutes correctly."}};
const Message kLatitude{{"Check that you have entered the Latitude correctly."}};
const Message kSummerTime{{"Have you checked for British Summer time?"}, MessageCode::YesNo,
                          "Summer time?"};
const Message kBritishSummerTime{{"Universal  or Greenwhich Mean Time must be used.",
                                  "    During British Summer Time, subtract one hour"}};
const Message kSunriseSunset{
    {"Use the time scroll bar slider to alter the time of day.",
     "When the altitude of the Sun is 50 minutes below the horizon,",
     "then that is the time of Sunset or Sunrise.",
     "Civil twilight begins when the rising Sun is 6 degrees below the horizon",
     "or ends when the sinking Sun is 6 degrees below the horizon."}};
const Message kNotes{
    {"Universal or Greenwich Mean Time must be used.",
     "For the UK, use local time but subtract one hour during British Summer Time.",
     "The altitude is the angle of the Sun above the horizon.",
     "The Azimuth is the bearing of the Sun measured clockwise from the northerly direction.",
     "The calculated Sun's position is accurate to about one minute of arc.",
     "The calculations refer to the centre of the Sun's disc.",
     "The Sun's disc subtends an angle of 30'.",
     "The precise time of Sunset and Sunrise depends on how you define those terms",
     "Whatever definition you use, the values here are accurate to within 2 minutes."}};

// A whole number as its text in a box, after the blank where a minus sign would stand.
std::string signedText(double whole) { return " " + shortestText(whole); }

// Degrees and minutes as decimal degrees, negative to the south or west.
double degreesAndMinutes(const TextBox& degrees, const TextBox& minutes, bool negative,
                         Working& working, std::string_view quantity, std::string_view symbol) {
  const double d = fieldValue(degrees.text);
  const double m = fieldValue(minutes.text);
  const double angle = d + m / 60.0;
  return working.equation(quantity, symbol, negative ? "−(d + m / 60)" : "d + m / 60",
                          {{"d", d}, {"m", m}}, negative ? -angle : angle, "degrees");
}

}  // namespace

SunPage::SunPage(Dialogs& dialogs) : dialogs_(dialogs) {
  optLatNorth.value = true;
  optLongWest.value = true;
  HScroll1.minimum = 0;
  HScroll1.maximum = kMinutesPerDay;
  HScroll1.smallChange = 1;
  HScroll1.largeChange = kMinutesPerHour;
}

void SunPage::cmdCalc_Click() {
  for (const TextBox* box :
       {&txtYear, &txtMonth, &txtDay, &txtHour, &txtMinutes, &txtLatDeg, &txtLongDeg}) {
    if (isEmptyText(box->text)) {
      dialogs_.show(kIncomplete);
      return;
    }
  }
  const double year = fieldValue(txtYear.text);
  const double month = fieldValue(txtMonth.text);
  const double day = fieldValue(txtDay.text);
  const double hour = fieldValue(txtHour.text);
  const double minutes = fieldValue(txtMinutes.text);
  const double longitude =
      degreesAndMinutes(txtLongDeg, txtLongMin, optLongWest.value, working(),
                        "Longitude of the place in degrees (east positive)", "λo");
  const double latitude = degreesAndMinutes(txtLatDeg, txtLatMin, optLatSouth.value, working(),
                                            "Latitude in degrees (north positive)", "φ°");

  const std::pair<bool, const Message*> checks[] = {
      {year < 1000, &kYear},   {month > 12, &kMonth},    {day > 31, &kDay},
      {hour > 24, &kHours},    {minutes > 60, &kMinutes}, {latitude > 90, &kLatitude}};
  for (const auto& [failed, message] : checks) {
    if (failed) {
      dialogs_.show(*message);
      return;
    }
  }

  // Found before the reminder, so that a date beyond any arithmetic neither asks nor uses
  // up the reminder.
  const sun::Position sun =
      sun::position(year, month, day, hour, minutes, latitude, longitude, working());
  working().note(
      "The altitude is written as its size in degrees and minutes, the minutes rounded to the "
      "nearest; the azimuth's minutes are cut short, not rounded.");
  const double altitude = std::fabs(sun.altitude);
  double altitudeDegrees = std::floor(altitude);
  double altitudeMinutes = std::floor((altitude - altitudeDegrees) * 60.0 + 0.5);
  if (altitudeMinutes >= 60.0) {  // 38° 59.6′ is 39° 0′
    altitudeMinutes -= 60.0;
    altitudeDegrees += 1.0;
  }
  const double azimuthDegrees = std::floor(sun.azimuth);
  const double azimuthMinutes = std::floor((sun.azimuth - azimuthDegrees) * 60.0);
  if (!std::isfinite(sun.altitude) || !std::isfinite(altitudeDegrees) ||
      !std::isfinite(altitudeMinutes) || !std::isfinite(azimuthDegrees) ||
      !std::isfinite(azimuthMinutes)) {
    dialogs_.show(notCalculableMessage());
    return;
  }

  // April to October: has the time been put back to Universal Time? Asked once, by the
  // first calculation since the page was loaded or cleared, whatever its month.
  const bool ask = month > 3 && month < 11 && !summerTimeReminded_;
  summerTimeReminded_ = true;
  if (ask && dialogs_.show(kSummerTime) == Answer::No) return;

  txtAzDeg.text = signedText(azimuthDegrees);
  txtAzMin.text = signedText(azimuthMinutes);
  txtAltDeg.text = signedText(altitudeDegrees);
  txtAltMin.text = signedText(altitudeMinutes);
  txtAboveBelow.text = sun.altitude < 0.0 ? "Below Horizon" : "Above Horizon";
}

// The hour and minutes of the bar's position go into their boxes before the calculation.
void SunPage::HScroll1_Change() {
  const int position = HScroll1.value;
  const int hours = position / kMinutesPerHour;
  txtHour.text = signedText(hours);
  txtMinutes.text = signedText(position - kMinutesPerHour * hours);
  cmdCalc_Click();
}

void SunPage::Command3_Click() {
  for (TextBox* box : {&txtAzDeg, &txtAzMin, &txtAltDeg, &txtAltMin, &txtAboveBelow})
    box->text.clear();
}

void SunPage::cmdClearAll_Click() {
  Command3_Click();
  for (TextBox* box : {&txtYear, &txtMonth, &txtDay, &txtHour, &txtMinutes, &txtLatDeg,
                       &txtLatMin, &txtLongDeg, &txtLongMin})
    box->text.clear();
  summerTimeReminded_ = false;
}

void SunPage::mnuBST_Click() { dialogs_.show(kBritishSummerTime); }

void SunPage::mnuSunRiseSet_Click() { dialogs_.show(kSunriseSunset); }

void SunPage::Notes_Click() { dialogs_.show(kNotes); }

}  // namespace kelvara

namespace kelvara {

PageDescription SunPage::describe() {
  PageDescription d("frmSun", "Sun's position");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  constexpr Nature text = Nature::Text;
  d.input("txtYear", txtYear, "Year eg 2004", text);
  d.input("txtMonth", txtMonth, "Month (1 to 12)", text);
  d.input("txtDay", txtDay, "Day (1 to 31)", text);
  // The scroll bar writes its time of day into the hour and minutes.
  d.both("txtHour", txtHour, "Hour (0 to 24)", text, {" {~}"});
  d.both("txtMinutes", txtMinutes, "Minutes (0 to 60)", text, {" {~}"});
  d.input("txtLatDeg", txtLatDeg, "Latitude: Degrees", measured);
  d.input("txtLatMin", txtLatMin, "Latitude: Minutes", measured);
  d.option("optLatNorth", optLatNorth, "North", 0);
  d.option("optLatSouth", optLatSouth, "South", 0);
  d.input("txtLongDeg", txtLongDeg, "Longitude: Degrees", measured);
  d.input("txtLongMin", txtLongMin, "Longitude: Minutes", measured);
  d.option("optLongEast", optLongEast, "East", 1);
  d.option("optLongWest", optLongWest, "West", 1);
  d.bar("HScroll1", HScroll1, "Time scroll bar 0 hrs 24 hrs", [this] { HScroll1_Change(); });
  d.result("txtAltDeg", txtAltDeg, "Altitude degrees", {" {~}"});
  d.result("txtAltMin", txtAltMin, "Altitude minutes", {" {~}"});
  d.result("txtAzDeg", txtAzDeg, "Azimuth degrees", {" {~}"});
  d.result("txtAzMin", txtAzMin, "Azimuth minutes", {" {~}"});
  d.result("txtAboveBelow", txtAboveBelow, "Sun above or below the horizon",
           {"Below Horizon", "Above Horizon"});
  d.button("cmdCalc", cmdCalc, [this] { cmdCalc_Click(); });
  d.button("Command3", Command3, [this] { Command3_Click(); });
  d.button("cmdClearAll", cmdClearAll, [this] { cmdClearAll_Click(); });
  d.button("Command1", Command1, WindowCommand::Menu);
  d.button("Command2", Command2, WindowCommand::Exit);
  d.menuItem("mnuBST", mnuBST, [this] { mnuBST_Click(); });
  d.menuItem("mnuBlank1", mnuBlank1);
  d.menuItem("mnuSunRiseSet", mnuSunRiseSet, [this] { mnuSunRiseSet_Click(); });
  d.menuItem("mnuBlank2", mnuBlank2);
  d.menuItem("Notes", Notes, [this] { Notes_Click(); });

  // From April to October the first calculation asks whether British Summer Time has been
  // taken off: Yes goes on to the figures, No leaves the boxes as they were.
  d.calculation("Sun's position", {"cmdCalc_Click"},
                {&txtYear, &txtMonth, &txtDay, &txtHour, &txtMinutes, &txtLatDeg, &txtLatMin,
                 &optLatNorth, &optLatSouth, &txtLongDeg, &txtLongMin, &optLongEast, &optLongWest},
                {&txtAltDeg, &txtAltMin, &txtAzDeg, &txtAzMin, &txtAboveBelow}, Answer::Yes);
  d.calculation(
      "Sun's position at the time on the scroll bar", {"HScroll1_Change"},
      {&txtYear, &txtMonth, &txtDay, &txtLatDeg, &txtLatMin, &optLatNorth, &optLatSouth,
       &txtLongDeg, &txtLongMin, &optLongEast, &optLongWest, &HScroll1},
      {&txtHour, &txtMinutes, &txtAltDeg, &txtAltMin, &txtAzDeg, &txtAzMin, &txtAboveBelow},
      Answer::Yes);
  return d;
}

}  // namespace kelvara
