#include "location/sun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fields/field_text.h"
#include "location/sun_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kIncomplete{"You have not completed all the input data."};
const std::vector<std::string> kSummerTime{"Have you checked for British Summer time?"};
const std::vector<std::string> kNotCalculable{"Your values cannot be calculated.",
                                              "Clear all boxes and try again."};

// ---- calculation ------------------------------------------------------------------------

TEST(SunCalculation, DayNumberAndReduction) {
  EXPECT_EQ(sun::dayNumber(2004, 3, 21, 12, 0), 1541.0);  // JD 2453086.0
  EXPECT_EQ(sun::dayNumber(2000, 1, 1, 12, 0), 0.0);
  EXPECT_NEAR(sun::dayNumber(2000, 1, 1, 0, 30), -0.5 + 0.5 / 24, 1e-9);
  EXPECT_EQ(sun::reduce(-1, 360), 359);
  EXPECT_EQ(sun::reduce(720, 360), 0);
  EXPECT_EQ(sun::kPi, 3.1415926535);
}

TEST(SunCalculation, PositionAtNoonNearTheEquinoxInLondon) {
  const sun::Position noon = sun::position(2004, 3, 21, 12, 0, 51.5, -7.0 / 60);
  EXPECT_NEAR(noon.altitude, 38 + 57.0 / 60, 0.5 / 60);
  EXPECT_NEAR(noon.azimuth, 177 + 34.5 / 60, 0.5 / 60);
  // Midnight: below the horizon, near north.
  const sun::Position midnight = sun::position(2004, 3, 21, 0, 0, 51.5, -7.0 / 60);
  EXPECT_LT(midnight.altitude, -30);
  EXPECT_TRUE(midnight.azimuth < 20 || midnight.azimuth > 340);
}

// At the poles cos φ is a hair from 0 and the arccosine's argument far outside [−1, 1].
TEST(SunCalculation, PolesGiveFiniteFigures) {
  for (double latitude : {90.0, -90.0}) {
    for (double hour = 0; hour <= 24; hour += 3) {
      const sun::Position at = sun::position(2004, 6, 21, hour, 0, latitude, 0);
      EXPECT_TRUE(std::isfinite(at.altitude) && std::isfinite(at.azimuth)) << latitude << " " << hour;
      EXPECT_GE(at.azimuth, 0);
      EXPECT_LE(at.azimuth, 360);
    }
  }
}

// ---- page logic ------------------------------------------------------------------------

class SunPageTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const Message& message : dialogs.shown) {
      if (message.lines == kSummerTime) {
        EXPECT_EQ(message.code, 4);
        EXPECT_EQ(message.title, "Summer time?");
      } else {
        EXPECT_EQ(message.code, 0);
        EXPECT_EQ(message.title, "Kelvara");
      }
    }
  }
  void enter(const char* year, const char* month, const char* day, const char* hour,
             const char* minutes) {
    page.txtYear.text = year;
    page.txtMonth.text = month;
    page.txtDay.text = day;
    page.txtHour.text = hour;
    page.txtMinutes.text = minutes;
  }
  void london() {
    page.txtLatDeg.text = "51";
    page.txtLatMin.text = "30";
    page.txtLongDeg.text = "0";
    page.txtLongMin.text = "7";
  }
  std::vector<std::string> results() const {
    return {page.txtAltDeg.text, page.txtAltMin.text, page.txtAzDeg.text, page.txtAzMin.text,
            page.txtAboveBelow.text};
  }
  bool noResults() const {
    for (const std::string& text : results())
      if (!text.empty()) return false;
    return true;
  }

  testing::RecordingDialogs dialogs;
  SunPage page{dialogs};
};

TEST_F(SunPageTest, WorkedExample) {
  EXPECT_TRUE(page.optLatNorth.value && page.optLongWest.value);
  enter("2004", "3", "21", "12", "0");
  london();
  page.cmdCalc_Click();
  EXPECT_EQ(results(), (std::vector<std::string>{" 38", " 57", " 177", " 34", "Above Horizon"}));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(page.summerTimeReminded());
}

TEST_F(SunPageTest, SummerTimeIsAskedOnceByTheFirstCalculation) {
  london();
  enter("2004", "7", "1", "12", "0");
  dialogs.answers = {Answer::No};
  page.cmdCalc_Click();  // asked; No computes nothing
  EXPECT_EQ(dialogs.lines(), Lines{kSummerTime});
  EXPECT_TRUE(noResults());
  page.cmdCalc_Click();  // not asked again
  EXPECT_EQ(dialogs.lines(), Lines{kSummerTime});
  EXPECT_EQ(page.txtAboveBelow.text, "Above Horizon");

  page.Command3_Click();  // clearing the output keeps the reminder used
  EXPECT_TRUE(noResults());
  page.cmdCalc_Click();
  EXPECT_EQ(dialogs.shown.size(), 1u);

  page.cmdClearAll_Click();
  EXPECT_FALSE(page.summerTimeReminded());
  london();
  enter("2004", "1", "1", "12", "0");  // January uses the reminder without asking
  page.cmdCalc_Click();
  enter("2004", "10", "1", "12", "0");
  page.cmdCalc_Click();
  EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(SunPageTest, RefusalsLeaveTheReminderForTheNextCalculation) {
  london();
  enter("2004", "7", "1", "12", "");
  page.cmdCalc_Click();  // incomplete
  enter("2004", "7", "32", "12", "0");
  page.cmdCalc_Click();  // day
  enter("1E308", "7", "1", "12", "0");
  page.cmdCalc_Click();  // no figure at all: told so before any question
  EXPECT_EQ(dialogs.lines(),
            (Lines{kIncomplete, {"Check that you have entered the Day correctly."}, kNotCalculable}));
  EXPECT_FALSE(page.summerTimeReminded());
  EXPECT_TRUE(noResults());
  enter("2004", "7", "1", "12", "0");
  page.cmdCalc_Click();
  EXPECT_EQ(dialogs.lines().back(), kSummerTime);
  EXPECT_FALSE(noResults());
}

struct CheckRow {
  const char* year;
  const char* month;
  const char* day;
  const char* hour;
  const char* minutes;
  const char* latitude;
  bool south;
  const char* message;  // null: computed
};

TEST_F(SunPageTest, ChecksAndTheirBounds) {
  const CheckRow rows[] = {
      {"999", "3", "21", "12", "0", "51", false, "Check that you have entered the Year correctly."},
      {"1000", "13", "21", "12", "0", "51", false,
       "Check that you have entered the Month correctly."},
      {"2004", "0", "21", "12", "0", "51", false, nullptr},
      {"2004", "3", "32", "12", "0", "51", false, "Check that you have entered the Day correctly."},
      {"2004", "3", "-5", "24", "60", "51", false, nullptr},
      {"2004", "3", "21", "24.01", "0", "51", false,
       "Check that you have entered the Hours correctly."},
      {"2004", "3", "21", "12", "60.5", "51", false,
       "Check that you have entered the Minutes correctly."},
      {"2004", "3", "21", "12", "0", "90.01", false,
       "Check that you have entered the Latitude correctly."},
      {"2004", "3", "21", "12", "0", "90", false, nullptr},
      {"2004", "3", "21", "12", "0", "200", true, nullptr},
      {"2004", "13", "32", "25", "61", "91", false,
       "Check that you have entered the Month correctly."},
  };
  for (const CheckRow& row : rows) {
    SCOPED_TRACE(std::string(row.month) + "/" + row.day + " " + row.hour + ":" + row.minutes +
                 " lat " + row.latitude);
    dialogs.clear();
    page.Command3_Click();
    london();
    page.txtLatDeg.text = row.latitude;
    page.txtLatMin.text.clear();
    page.optLatSouth.value = row.south;
    page.optLatNorth.value = !row.south;
    enter(row.year, row.month, row.day, row.hour, row.minutes);
    page.cmdCalc_Click();
    if (row.message != nullptr) {
      EXPECT_EQ(dialogs.lines(), Lines{{row.message}});
      EXPECT_TRUE(noResults());
    } else {
      EXPECT_TRUE(dialogs.shown.empty());
      for (const std::string& text : results()) {
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find("nan"), std::string::npos);
      }
    }
  }
}

// Minutes of altitude are rounded: 59.5 and more make the next whole degree.
TEST_F(SunPageTest, AltitudeMinutesThatRoundToSixtyCarryIntoTheDegrees) {
  double carried = -1;
  for (double minutes = 0; minutes < 60 && carried < 0; minutes += 0.01) {
    const double altitude = std::fabs(sun::position(2004, 3, 21, 9, minutes, 51.5, -7.0 / 60).altitude);
    if ((altitude - std::floor(altitude)) * 60 >= 59.5) carried = minutes;
  }
  ASSERT_GE(carried, 0);
  const double altitude = std::fabs(sun::position(2004, 3, 21, 9, carried, 51.5, -7.0 / 60).altitude);
  enter("2004", "3", "21", "9", shortestText(carried).c_str());
  london();
  page.cmdCalc_Click();
  EXPECT_EQ(page.txtAltDeg.text, " " + shortestText(std::floor(altitude) + 1));
  EXPECT_EQ(page.txtAltMin.text, " 0");
}

// The bar's last position is 24:00, which passes the hour check.
TEST_F(SunPageTest, ScrollBarWritesTheTimeThenCalculates) {
  EXPECT_EQ(page.HScroll1.maximum, 1440);
  enter("2004", "3", "21", "", "");
  london();
  page.txtLatMin.text.clear();  // minutes of arc may be left empty
  page.HScroll1.value = 1440;
  page.HScroll1_Change();
  EXPECT_EQ(page.txtHour.text, " 24");
  EXPECT_EQ(page.txtMinutes.text, " 0");
  EXPECT_EQ(page.txtAboveBelow.text, "Below Horizon");
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace kelvara
