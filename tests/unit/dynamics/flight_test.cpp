#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dynamics/flight_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using testing::RecordingDialogs;

const Message kUnrealistic{{"Your launch angle is unrealistic"}};
const Message kBothZero{{"h and theta cannot be zero at the same time"}};
const Message kNegativeTerm{
    {"Invalid data. Should your value for h have been negative? Try again."}};

struct FlightRow {
  const char* name;
  const char* theta;
  const char* h;
  const char* L;
  const char* speed;  // the text of txtVmph afterwards; "kept" keeps the earlier text
  std::vector<Message> messages;
  bool enabled;
};

TEST(FlightPage, LaunchSpeedAndEachRefusal) {
  const std::string earlier = "earlier text";
  const FlightRow rows[] = {
      {"level launch, landing 2 m lower", "0", "-2", "20",
       "31.321  m/s   or   70.063  mph", {}, true},
      {"upward launch to level ground", "10", "0", "15", "20.742  m/s   or   46.399  mph", {},
       true},
      {"90 degrees is still a launch angle", "90", "0", "15",
       "7446.689  m/s   or   16657.770  mph", {}, true},
      {"landing higher after a downward launch", "-5", "1", "15", "kept", {kNegativeTerm}, true},
      {"above 90 degrees", "95", "-2", "20", "kept", {kUnrealistic}, false},
      {"below -90 degrees", "-95", "-2", "20", "kept", {kUnrealistic}, false},
      {"h and theta both zero end silently after the warning", "0", "0", "20", "kept",
       {kBothZero}, true},
      {"empty boxes are zero too", "", "", "", "kept", {kBothZero}, true},
      {"a flight term beyond a double ends silently", "0", "-1e308", "1", "kept", {}, true},
      // Boxes too large for a double end the calculation as they are read, even where the
      // arithmetic would stay finite with the largest double in their place.
      {"a flight distance beyond a double", "45", "0", "1e999", "kept", {}, false},
      {"a height beyond a double", "80", "-1e999", "1", "kept", {}, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingDialogs dialogs;
    FlightPage page(dialogs);
    page.txtVmph.text = earlier;
    page.txtTheta.text = row.theta;
    page.txth.text = row.h;
    page.txtL.text = row.L;
    page.cmdCalculate_Click();
    EXPECT_EQ(page.txtVmph.text, std::string(row.speed) == "kept" ? earlier : row.speed);
    EXPECT_EQ(dialogs.shown, row.messages);
    EXPECT_EQ(page.txtVmph.enabled, row.enabled);
    for (const Message& message : dialogs.shown) EXPECT_EQ(message.title, "Kelvara");
  }
}

}  // namespace
}  // namespace kelvara
