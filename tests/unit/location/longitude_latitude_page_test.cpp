#include "location/longitude_latitude_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "location/national_grid.h"
#include "location/sexagesimal.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kBadPrefix{"Your two-letter prefix is not valid"};
const std::vector<std::string> kNoForm{"You must select which type of input you intend to use"};
const std::vector<std::string> kEastingsNotNumeric{
    "Eastings should contain only numeric characters."};
const std::vector<std::string> kNorthingsNotNumeric{
    "Northings should contain only numeric characters."};

TEST(Sexagesimal, PartsAreTruncatedAndNeverReachSixty) {
  const DegreesMinutesSeconds example = truncatedDegreesMinutesSeconds(52.6575683);
  EXPECT_EQ(example.degrees, 52);
  EXPECT_EQ(example.minutes, 39);
  EXPECT_EQ(example.seconds, 27);
  // Whole seconds written in decimal degrees land a hair either side of the second: the
  // parts stay in range and add up to the truncated whole seconds.
  for (int second = 0; second < 60 * 3600; ++second) {
    const double angle = second / 3600.0;
    const DegreesMinutesSeconds parts = truncatedDegreesMinutesSeconds(angle);
    ASSERT_TRUE(parts.minutes >= 0 && parts.minutes < 60) << second;
    ASSERT_TRUE(parts.seconds >= 0 && parts.seconds < 60) << second;
    ASSERT_EQ(parts.degrees * 3600 + parts.minutes * 60 + parts.seconds,
              std::floor(angle * 3600))
        << second;
  }
  EXPECT_FALSE(std::isfinite(truncatedDegreesMinutesSeconds(NAN).seconds));
}

class LongitudeLatitudePageTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const Message& message : dialogs.shown) {
      EXPECT_EQ(message.code, 0);
      EXPECT_EQ(message.title, "Kelvara");
    }
  }
  void sixDigits(const char* easting, const char* northing) {
    page.Option1.value = true;
    page.Option2.value = false;
    page.txtE.text = easting;
    page.txtN.text = northing;
  }
  void twoLetters(const char* prefix, const char* easting, const char* northing) {
    page.Option1.value = false;
    page.Option2.value = true;
    page.txtTwoLetter.text = prefix;
    page.txtEastings.text = easting;
    page.txtNorthings.text = northing;
  }
  std::vector<std::string> results() const {
    return {page.txtLaDeg.text, page.txtLaMin.text, page.txtLaSec.text, page.txtLoDeg.text,
            page.txtLoMin.text, page.txtLoSec.text, page.txtEastWest.text};
  }

  testing::RecordingDialogs dialogs;
  LongitudeLatitudePage page{dialogs};
};

TEST_F(LongitudeLatitudePageTest, BothFormsGiveTruncatedDegreesMinutesAndSeconds) {
  sixDigits("651409", "313177");
  page.cmdCalculate_Click();
  EXPECT_EQ(results(), (std::vector<std::string>{"52", "39", "27", "1", "43", "4", " E"}));

  twoLetters("nz", "57600", "06000");
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtTwoLetter.text, "NZ");
  EXPECT_EQ(results(), (std::vector<std::string>{"54", "26", "45", "1", "6", "41", " W"}));

  sixDigits("400000", "313177");  // on the central meridian, 2° W
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtEastWest.text, " W");
  EXPECT_EQ(page.txtLoDeg.text, "2");
  EXPECT_TRUE(dialogs.shown.empty());
}

// A square and the figures inside it mean the same point as the full figures.
TEST_F(LongitudeLatitudePageTest, AllFortyEightSquaresAgreeWithTheSixDigitForm) {
  for (const grid::Square& square : grid::kSquares) {
    SCOPED_TRACE(std::string(square.letters));
    twoLetters(std::string(square.letters).c_str(), "12345", "67890");
    page.cmdCalculate_Click();
    const std::vector<std::string> fromSquare = results();
    const std::string easting = std::to_string(square.eastingDigit()) + "12345";
    const std::string northing = std::to_string(square.northingDigit()) + "67890";
    sixDigits(easting.c_str(), northing.c_str());
    page.cmdCalculate_Click();
    EXPECT_EQ(results(), fromSquare);
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(LongitudeLatitudePageTest, PrefixIsUpperCasedWhicheverFormAndOnlyWholePairsCount) {
  for (const char* prefix : {"HU", "hy", "NA", "NF", "SV", "", "N", "NZ ", "N Z", " NZ", "NZZ"}) {
    dialogs.clear();
    twoLetters(prefix, "57600", "06000");
    page.cmdCalculate_Click();
    EXPECT_EQ(dialogs.lines(), Lines{kBadPrefix}) << prefix;
  }
  EXPECT_EQ(page.txtLaDeg.text, "");

  dialogs.clear();
  sixDigits("651409", "313177");
  page.txtTwoLetter.text = "tg";
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtTwoLetter.text, "TG");

  page.Option1.value = false;
  page.txtTwoLetter.text = "sw";
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtTwoLetter.text, "SW");
  EXPECT_EQ(dialogs.lines(), Lines{kNoForm});
}

struct FigureRow {
  const char* easting;
  const char* northing;
  std::string message;
};

TEST_F(LongitudeLatitudePageTest, FiguresMustBeExactlySoManyDigits) {
  const FigureRow sixDigitRows[] = {
      {"65140", "313177", "Your eastings should have 6 digits. Use zeros if necessary."},
      {"", "", "Your eastings should have 6 digits. Use zeros if necessary."},
      {"651409", "3131770", "Your northings should have 6 digits. Use zeros if necessary."},
      {"65140x", "31317y", kEastingsNotNumeric[0]},
      {" 51409", "313177", kEastingsNotNumeric[0]},
      {"651409", "-13177", kNorthingsNotNumeric[0]},
      {"651409", "3131.7", kNorthingsNotNumeric[0]},
      {"65140\xC3\xA9", "313177", kEastingsNotNumeric[0]},  // six characters, seven bytes
  };
  for (const FigureRow& row : sixDigitRows) {
    dialogs.clear();
    sixDigits(row.easting, row.northing);
    page.txtEastings.text = "bad";  // the other form's boxes are not looked at
    page.cmdCalculate_Click();
    EXPECT_EQ(dialogs.lines(), Lines{{row.message}}) << row.easting << " " << row.northing;
  }
  const FigureRow squareRows[] = {
      {"5760", "06000", "Your eastings should have 5 digits. Use zeros if necessary."},
      {"57600", "6000", "Your northings should have 5 digits. Use zeros if necessary."},
      {"5760 ", "06000", kEastingsNotNumeric[0]},
      {"57600", "+6000", kNorthingsNotNumeric[0]},
  };
  for (const FigureRow& row : squareRows) {
    dialogs.clear();
    twoLetters("NZ", row.easting, row.northing);
    page.txtE.text = "bad";
    page.cmdCalculate_Click();
    EXPECT_EQ(dialogs.lines(), Lines{{row.message}}) << row.easting << " " << row.northing;
  }
  EXPECT_EQ(page.txtLaDeg.text, "");
  EXPECT_EQ(page.txtEastWest.text, "");
}

}  // namespace
}  // namespace kelvara
