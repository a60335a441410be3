#include "shell/independent_references.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fields/field_text.h"
#include "fields/message.h"
#include "location/longitude_latitude_page.h"
#include "location/sun_page.h"
#include "location/uk_grid_page.h"

namespace kelvara {

namespace {

// Adds a line to a text of lines.
void appendLine(std::string& text, const std::string& line) {
  if (!text.empty()) text += '\n';
  text += line;
}

constexpr double kBoundaryMetres = 0.005;    // 5 mm either side of a half metre
constexpr double kBoundarySeconds = 0.0005;  // either side of a whole second
constexpr double kSunMargin = 1.0;           // arc minutes beyond what a text stands for

// Answers every Yes/No box Yes (the Sun page's summer-time reminder: the times are UT) and
// keeps every message, its lines joined by " / ".
class ReferenceDialogs : public Dialogs {
 public:
  int show(const Message& message) override {
    std::string text;
    for (const std::string& line : message.lines) text += (text.empty() ? "" : " / ") + line;
    shown += " [" + text + "]";
    return (message.code & MessageCode::YesNo) == MessageCode::YesNo ? Answer::Yes : Answer::Ok;
  }
  std::string shown;
};

using Fields = std::vector<std::string>;

std::vector<std::string> linesOf(std::string_view table) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < table.size()) {
    std::size_t end = table.find('\n', at);
    if (end == std::string_view::npos) end = table.size();
    if (end > at) lines.emplace_back(table.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

Fields split(const std::string& line) {
  Fields fields;
  std::size_t at = 0;
  for (std::size_t comma = line.find(','); comma != std::string::npos;
       at = comma + 1, comma = line.find(',', at))
    fields.push_back(line.substr(at, comma - at));
  fields.push_back(line.substr(at));
  return fields;
}

// The table's heading (its lines behind "# ") and its rows after the line of column names.
ReferenceCheck begin(std::string_view table, const char* title, std::vector<Fields>& rows) {
  ReferenceCheck check;
  check.title = title;
  bool columns = false;
  for (const std::string& line : linesOf(table)) {
    if (line.rfind("# ", 0) == 0) {
      appendLine(check.provenance, line.substr(2));
      if (line.rfind("# tool: ", 0) == 0) {
        // "PROJ cs2cs 9.1.1" is PROJ 9.1.1: the first word and the version.
        const std::string tool = line.substr(8);
        check.tool = tool.substr(0, tool.find(' ')) + tool.substr(tool.rfind(' '));
      }
    } else if (!columns) {
      columns = true;
    } else {
      rows.push_back(split(line));
    }
  }
  return check;
}

void finish(ReferenceCheck& check, const char* cases, double largest, const char* format) {
  char text[64];
  std::snprintf(text, sizeof text, format, largest);
  check.largest = text;
  check.summary = check.title + ": " + std::to_string(check.agreed) + " of " +
                  std::to_string(check.rows.size()) + " " + cases + " agree with " + check.tool +
                  " at the shown precision";
}

double number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

std::string padded(long value, std::size_t digits) {
  std::string text = std::to_string(value);
  return std::string(text.size() < digits ? digits - text.size() : 0, '0') + text;
}

// The letters of the 100 km square holding a point, by the grid's own lettering (the 25
// letters without I, in squares of 500 km and then of 100 km).
std::string squareLetters(long easting, long northing) {
  constexpr const char* kLetters = "ABCDEFGHJKLMNOPQRSTUVWXYZ";
  const long e = easting / 100000;
  const long n = northing / 100000;
  const long first = 19 - n - (19 - n) % 5 + (e + 10) / 5;
  const long second = (19 - n) * 5 % 25 + e % 5;
  return {kLetters[first], kLetters[second]};
}

double fractionOf(double value) { return value - std::floor(value); }

}  // namespace

ReferenceCheck checkGridForward(std::string_view table) {
  std::vector<Fields> rows;
  ReferenceCheck check = begin(table, "Latitude and longitude to grid", rows);
  double largest = 0.0;
  for (const Fields& f : rows) {
    // lat_deg lat_min lat_sec lon_deg lon_min lon_sec lon_side latitude longitude E N
    const double easting = number(f[9]);
    const double northing = number(f[10]);
    const long wantE = std::lround(easting);
    const long wantN = std::lround(northing);
    const std::string wantResult = squareLetters(wantE, wantN) + "   " + padded(wantE % 100000, 5) +
                                   "   " + padded(wantN % 100000, 5);
    ReferenceRow row;
    row.nearBoundary = std::fabs(fractionOf(easting) - 0.5) < kBoundaryMetres ||
                       std::fabs(fractionOf(northing) - 0.5) < kBoundaryMetres;
    row.expected = "E " + f[9] + ", N " + f[10] + ": " + std::to_string(wantE) + " " +
                   std::to_string(wantN) + " \"" + wantResult + "\"";
    const std::string longitude = f[8].front() == '-' ? f[8].substr(1) : f[8];
    const std::string forms[2][6] = {{f[0], f[1], f[2], f[3], f[4], f[5]},
                                     {f[7], "", "", longitude, "", ""}};
    row.passed = true;
    for (const auto& typed : forms) {
      ReferenceDialogs dialogs;
      UKGridPage page(dialogs);
      page.txtLaDeg.text = typed[0];
      page.txtLaMin.text = typed[1];
      page.txtLaSec.text = typed[2];
      page.txtLoDeg.text = typed[3];
      page.txtLoMin.text = typed[4];
      page.txtLoSec.text = typed[5];
      page.optWest.value = f[6] == "W";  // one of the two, as the window's choice leaves them
      page.optEast.value = f[6] != "W";
      page.cmdCalculate_Click();
      const double shownE = fieldValue(page.txtE.text);
      const double shownN = fieldValue(page.txtN.text);
      largest = std::max({largest, std::fabs(shownE - easting), std::fabs(shownN - northing)});
      const bool exact = dialogs.shown.empty() && page.txtResult.text == wantResult &&
                         shownE == static_cast<double>(wantE) &&
                         shownN == static_cast<double>(wantN);
      const bool withinOne = dialogs.shown.empty() && row.nearBoundary &&
                             std::fabs(shownE - static_cast<double>(wantE)) <= 1.0 &&
                             std::fabs(shownN - static_cast<double>(wantN)) <= 1.0;
      row.passed = row.passed && (exact || withinOne);
      appendLine(row.inputs, typed[0] + " " + typed[1] + " " + typed[2] + " N, " + typed[3] + " " +
                                 typed[4] + " " + typed[5] + " " + f[6]);
      appendLine(row.obtained, page.txtE.text + " " + page.txtN.text + " \"" + page.txtResult.text +
                                   "\"" + dialogs.shown);
    }
    if (row.passed) ++check.agreed;
    check.rows.push_back(std::move(row));
  }
  finish(check, "points", largest, "%.3f m");
  return check;
}

ReferenceCheck checkGridInverse(std::string_view table) {
  std::vector<Fields> rows;
  ReferenceCheck check = begin(table, "Grid to latitude and longitude", rows);
  double largest = 0.0;
  for (const Fields& f : rows) {
    // easting northing letters latitude longitude
    const long easting = std::atol(f[0].c_str());
    const long northing = std::atol(f[1].c_str());
    const double latitude = number(f[3]) * 3600.0;  // arc seconds
    const double longitude = std::fabs(number(f[4])) * 3600.0;
    const std::string side = number(f[4]) < 0.0 ? " W" : " E";
    // The page cuts each figure to whole seconds.
    const auto cut = [](double seconds) {
      const long whole = static_cast<long>(std::floor(seconds));
      return std::to_string(whole / 3600) + " " + std::to_string(whole % 3600 / 60) + " " +
             std::to_string(whole % 60);
    };
    ReferenceRow row;
    row.nearBoundary =
        std::min(fractionOf(latitude), 1.0 - fractionOf(latitude)) < kBoundarySeconds ||
        std::min(fractionOf(longitude), 1.0 - fractionOf(longitude)) < kBoundarySeconds;
    const std::string wanted = cut(latitude) + " N, " + cut(longitude) + side;
    row.expected = f[3] + ", " + f[4] + ": " + wanted;
    row.passed = true;
    for (bool twoLetter : {false, true}) {
      ReferenceDialogs dialogs;
      LongitudeLatitudePage page(dialogs);
      if (twoLetter) {
        page.Option1.value = false;
        page.Option2.value = true;
        page.Option2_Click();
        page.txtTwoLetter.text = f[2];
        page.txtEastings.text = padded(easting % 100000, 5);
        page.txtNorthings.text = padded(northing % 100000, 5);
      } else {
        page.Option2.value = false;
        page.Option1.value = true;
        page.Option1_Click();
        page.txtE.text = padded(easting, 6);
        page.txtN.text = padded(northing, 6);
      }
      page.cmdCalculate_Click();
      const std::string shown = page.txtLaDeg.text + " " + page.txtLaMin.text + " " +
                                page.txtLaSec.text + " N, " + page.txtLoDeg.text + " " +
                                page.txtLoMin.text + " " + page.txtLoSec.text +
                                page.txtEastWest.text;
      const auto seconds = [](const TextBox& d, const TextBox& m, const TextBox& s) {
        return fieldValue(d.text) * 3600.0 + fieldValue(m.text) * 60.0 + fieldValue(s.text);
      };
      const double shownLatitude = seconds(page.txtLaDeg, page.txtLaMin, page.txtLaSec);
      const double shownLongitude = seconds(page.txtLoDeg, page.txtLoMin, page.txtLoSec);
      largest = std::max(
          {largest, std::fabs(latitude - shownLatitude), std::fabs(longitude - shownLongitude)});
      const bool withinOne = row.nearBoundary && page.txtEastWest.text == side &&
                             std::fabs(latitude - shownLatitude) < 1.0 + kBoundarySeconds &&
                             std::fabs(longitude - shownLongitude) < 1.0 + kBoundarySeconds;
      row.passed = row.passed && dialogs.shown.empty() && (shown == wanted || withinOne);
      appendLine(row.inputs,
                 (twoLetter ? f[2] + " " + page.txtEastings.text + " " + page.txtNorthings.text
                            : page.txtE.text + " " + page.txtN.text));
      appendLine(row.obtained, shown + dialogs.shown);
    }
    if (row.passed) ++check.agreed;
    check.rows.push_back(std::move(row));
  }
  finish(check, "points", largest, "%.4f\u2033");
  return check;
}

ReferenceCheck checkSun(std::string_view table) {
  std::vector<Fields> rows;
  ReferenceCheck check = begin(table, "Sun's position", rows);
  double largest = 0.0;
  for (const Fields& f : rows) {
    // year month day hour minute lat_deg lat_min lat_side lon_deg lon_min lon_side alt az
    const double altitude = number(f[11]);
    const double azimuth = number(f[12]);
    ReferenceDialogs dialogs;
    SunPage page(dialogs);
    page.txtYear.text = f[0];
    page.txtMonth.text = f[1];
    page.txtDay.text = f[2];
    page.txtHour.text = f[3];
    page.txtMinutes.text = f[4];
    page.txtLatDeg.text = f[5];
    page.txtLatMin.text = f[6];
    page.optLatSouth.value = f[7] == "S";  // one of each two, as the window's choice leaves them
    page.optLatNorth.value = f[7] != "S";
    page.txtLongDeg.text = f[8];
    page.txtLongMin.text = f[9];
    page.optLongWest.value = f[10] == "W";
    page.optLongEast.value = f[10] != "W";
    page.cmdCalc_Click();
    // The altitude's minutes are rounded: its text stands for half a minute either side. The
    // azimuth's are cut: its text stands for the minute that follows.
    const double shownAltitude =
        fieldValue(page.txtAltDeg.text) + fieldValue(page.txtAltMin.text) / 60.0;
    const double shownAzimuth =
        fieldValue(page.txtAzDeg.text) + (fieldValue(page.txtAzMin.text) + 0.5) / 60.0;
    const double altitudeOff = std::fabs(std::fabs(altitude) - shownAltitude) * 60.0;
    double azimuthOff = std::fmod(std::fabs(azimuth - shownAzimuth), 360.0);
    azimuthOff = std::min(azimuthOff, 360.0 - azimuthOff) * 60.0;
    const std::string horizon = altitude < 0.0 ? "Below Horizon" : "Above Horizon";
    largest = std::max({largest, altitudeOff, azimuthOff});
    ReferenceRow row;
    row.inputs = f[0] + "-" + f[1] + "-" + f[2] + " " + f[3] + ":" +
                 padded(std::atol(f[4].c_str()), 2) + " UT, " + f[5] + " " + f[6] + " " + f[7] +
                 ", " + f[8] + " " + f[9] + " " + f[10];
    row.expected = "altitude " + f[11] + ", azimuth " + f[12] + ", " + horizon;
    row.obtained = page.txtAltDeg.text + " " + page.txtAltMin.text + ", " + page.txtAzDeg.text +
                   " " + page.txtAzMin.text + ", " + page.txtAboveBelow.text + dialogs.shown;
    row.passed = altitudeOff <= 0.5 + kSunMargin && azimuthOff <= 0.5 + kSunMargin &&
                 (page.txtAboveBelow.text == horizon || std::fabs(altitude) * 60.0 < kSunMargin);
    if (row.passed) ++check.agreed;
    check.rows.push_back(std::move(row));
  }
  finish(check, "instants", largest, "%.2f\u2032");
  return check;
}

ReferenceReport checkIndependentReferences() {
  ReferenceReport report;
  report.checks = {checkGridForward(referenceTable("grid_forward")),
                   checkGridInverse(referenceTable("grid_inverse")),
                   checkSun(referenceTable("sun"))};
  std::size_t cases = 0;
  std::size_t disagreed = 0;
  std::string which;
  for (const ReferenceCheck& check : report.checks) {
    cases += check.rows.size();
    const std::size_t off = check.rows.size() - check.agreed;
    disagreed += off;
    if (off > 0)
      which += (which.empty() ? " " : ", ") + check.title + " (" + std::to_string(off) + ")";
  }
  report.summary = disagreed == 0 ? "All " + std::to_string(cases) + " independent references agree"
                                  : std::to_string(disagreed) + " of " + std::to_string(cases) +
                                        " independent references do not agree:" + which;
  return report;
}

}  // namespace kelvara
