#include "location/uk_grid_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fields/field_text.h"  // shortestText
#include "location/national_grid.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::vector<std::string>>;

const std::vector<std::string> kNotOnMainland{
    "These co-ordinates are incorrect because you are not on the UK mainland!"};
const std::vector<std::string> kTooFarNorth{
    "You are not on the UK mainland. You are too far north."};
const std::vector<std::string> kTooFarEast{"You are not on the UK mainland. You are too far east."};
const std::vector<std::string> kSwapped{
    "Have you got the longitude and latitude in the correct boxes?"};
const std::vector<std::string> kNoSide{"Select either east or west for your longitude"};

class UKGridPageTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const Message& message : dialogs.shown) {
      EXPECT_EQ(message.code, 0);
      EXPECT_EQ(message.title, "Kelvara");
    }
  }

  void enter(const char* laDeg, const char* laMin, const char* laSec, const char* loDeg,
             const char* loMin, const char* loSec, bool west) {
    page.txtLaDeg.text = laDeg;
    page.txtLaMin.text = laMin;
    page.txtLaSec.text = laSec;
    page.txtLoDeg.text = loDeg;
    page.txtLoMin.text = loMin;
    page.txtLoSec.text = loSec;
    page.optWest.value = west;
    page.optEast.value = !west;
  }
  bool resultsEnabled() const {
    return page.txtE.enabled && page.txtN.enabled && page.txtResult.enabled;
  }
  bool resultsUntouched() const {
    return page.txtE.text.empty() && page.txtN.text.empty() && page.txtResult.text.empty() &&
           !page.txtE.enabled && !page.txtN.enabled && !page.txtResult.enabled;
  }

  testing::RecordingDialogs dialogs;
  UKGridPage page{dialogs};
};

struct GridRow {
  const char* name;
  const char* laDeg;
  const char* laMin;
  const char* laSec;
  const char* loDeg;
  const char* loMin;
  const char* loSec;
  bool west;
  const char* easting;
  const char* northing;
  const char* reference;
  bool offMainland;
};

TEST_F(UKGridPageTest, WritesEastingNorthingAndReference) {
  const GridRow rows[] = {
      {"the worked example", "52", "39", "27.2531", "1", "43", "4.5177", false, "651410", "313177",
       "TG   51410   13177", false},
      // 999 999.751 m is written 1000000: that is north of every square, not in ST.
      {"a northing rounded up to the 1000 km line", "58", "53", "1.9575", "3", "0", "0", true,
       "342361", "1000000", "   42361   00000", true},
      {"a northing of a few hundred metres keeps five digits", "49", "51", "4.35", "5", "30", "",
       true, "148442", "0500", "SW   48442   00500", false},
      {"a negative northing has no square", "45", "", "", "2", "10", "", true, "386865", "-544455",
       "   86865   44455", true},
      {"blank boxes read as 0, latitude north only", "52.5", "", "", " 1", "", "", false,
       "603606", "293393", "TM   03606   93393", false},
  };
  for (const GridRow& row : rows) {
    SCOPED_TRACE(row.name);
    dialogs.clear();
    enter(row.laDeg, row.laMin, row.laSec, row.loDeg, row.loMin, row.loSec, row.west);
    page.cmdCalculate_Click();
    EXPECT_EQ(page.txtE.text, row.easting);
    EXPECT_EQ(page.txtN.text, row.northing);
    EXPECT_EQ(page.txtResult.text, row.reference);
    EXPECT_EQ(dialogs.lines(), row.offMainland ? Lines{kNotOnMainland} : Lines{});
    EXPECT_TRUE(resultsEnabled());
  }
}

TEST_F(UKGridPageTest, WestOfTheFalseOriginTheEastingIsNegativeAndHasNoSquare) {
  enter("55", "", "", "10", "", "", true);
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtE.text.front(), '-');
  EXPECT_EQ(page.txtResult.text.substr(0, 3), "   ");
  EXPECT_EQ(dialogs.lines(), Lines{kNotOnMainland});
}

// A longitude whose easting falls a few decimetres short of 700 km passes the east check
// but is written 700000, which lies east of every square.
TEST_F(UKGridPageTest, AnEastingRoundedUpTo700000HasNoSquare) {
  double low = 1, high = 5;
  for (int i = 0; i < 100; ++i) {
    const double middle = (low + high) / 2;
    (grid::toGrid(52, middle).easting < 699999.8 ? low : high) = middle;
  }
  enter("52", "", "", shortestText(low).c_str(), "", "", false);
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtE.text, "700000");
  EXPECT_EQ(page.txtResult.text.substr(0, 11), "   00000   ");
  EXPECT_EQ(dialogs.lines(), Lines{kNotOnMainland});
}

TEST_F(UKGridPageTest, ChecksComeInTheirOrderAndWriteNothing) {
  enter("52", "", "", "41", "", "", false);
  page.optEast.value = false;
  page.cmdCalculate_Click();  // swapped boxes win over the missing side
  EXPECT_EQ(dialogs.lines(), Lines{kSwapped});

  dialogs.clear();
  page.txtLoDeg.text = "40";  // exactly 40 passes
  page.cmdCalculate_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kNoSide});

  dialogs.clear();
  enter("70", "", "", "40", "", "", false);  // too far north and east: north is told
  page.cmdCalculate_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kTooFarNorth});

  dialogs.clear();
  enter("52", "", "", "5", "", "", false);
  page.cmdCalculate_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kTooFarEast});

  dialogs.clear();
  enter("90", "", "", "0", "", "", false);
  page.cmdCalculate_Click();
  EXPECT_EQ(dialogs.lines(), Lines{kTooFarNorth});
  EXPECT_TRUE(resultsUntouched());
}

TEST_F(UKGridPageTest, AbsurdInputThatLeavesNoFigureIsRefused) {
  enter("1E308", "", "", "0", "", "", false);
  page.cmdCalculate_Click();
  enter("52", "", "", "-1E200", "", "", false);
  page.cmdCalculate_Click();
  EXPECT_EQ(dialogs.lines(), (Lines{kNotOnMainland, kNotOnMainland}));
  EXPECT_TRUE(resultsUntouched());
}

}  // namespace
}  // namespace kelvara
