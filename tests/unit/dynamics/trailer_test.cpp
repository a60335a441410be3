#include "dynamics/trailer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dynamics/trailer_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using testing::RecordingDialogs;

const Message kFourItems{{"Please insert all four data items for this vehicle."}};
const Message kNoWheelbase{{"Please insert the vehicle wheelbase"}};
const Message kTooLong{{"Your wheelbase is far too long"}};
const Message kNegative{{"Your wheelbase cannot be negative"}};
const Message kInvalid{
    {"Your data for this vehicle is invalid", "Clear all boxes and start again."}};

constexpr const char* kOld = "old";

// The investigator drags a bar to a value: the toolkit runs its change handler.
void scrollTo(ScrollBar& bar, int value, TrailerPage& page, void (TrailerPage::*handler)()) {
  bar.value = value;
  (page.*handler)();
}

struct RigidRow {
  const char* name;
  const char* L;
  int scrolledTo;
  int barAfter;
  const char* radius;
  const char* cutIn;
  std::vector<Message> messages;
};

TEST(TrailerPage, RigidCutInAndTheBarPushedUpToTheWheelbase) {
  const RigidRow rows[] = {
      {"L 4 at 15", "4", 15, 15, "15.00", "0.54", {}},
      {"L 20 at 15 jumps to 21", "20", 15, 21, "21.00", "14.60", {}},
      {"L 2.5 wants 3.5, rounded to 4", "2.5", 3, 4, "4.00", "0.88", {}},
      {"L 3.5 wants 4.5, rounded to the even 4", "3.5", 4, 4, "4.00", "2.06", {}},
      {"L 499 reaches the end of the bar", "499", 15, 500, "500.00", "468.39", {}},
      {"L 499.5 would need a radius beyond the bar", "499.5", 15, 15, kOld, kOld, {kTooLong}},
      {"L beyond a double", "1e999", 15, 15, kOld, kOld, {kTooLong}},
      {"negative wheelbase", "-1", 15, 15, kOld, kOld, {kNegative}},
      {"no wheelbase", "", 15, 15, kOld, kOld, {kNoWheelbase}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingDialogs dialogs;
    TrailerPage page(dialogs);
    page.txtR2.text = kOld;
    page.txtCut.text = kOld;
    page.txtL.text = row.L;
    scrollTo(page.HScrollR, row.scrolledTo, page, &TrailerPage::HScrollR_Change);
    EXPECT_EQ(page.HScrollR.value, row.barAfter);
    EXPECT_EQ(page.txtR2.text, row.radius);
    EXPECT_EQ(page.txtCut.text, row.cutIn);
    EXPECT_EQ(dialogs.shown, row.messages);
    EXPECT_EQ(page.txtR2.enabled, row.messages.empty());
  }
}

struct ArticulatedRow {
  const char* name;
  const char* d;
  const char* b;
  const char* p;
  const char* m;
  int scrolledTo;
  const char* radius;
  const char* cutIn;
  std::vector<Message> messages;
};

TEST(TrailerPage, ArticulatedCutInWithTheRadiusRaisedAndEachRefusal) {
  const ArticulatedRow rows[] = {
      {"R 15", "7.5", "2.5", "3.5", "0.5", 15, "15.00", "2.29", {}},
      {"R 20", "7.5", "2.5", "3.5", "0.5", 20, "20.00", "1.69", {}},
      {"m typed as 0", "7.5", "2.5", "3.5", "0", 500, "500.00", "0.07", {}},
      {"R raised to the trailer length", "40", "2.5", "3.5", "0.5", 15, "40.00", "31.81", {}},
      {"R raised past the wheelbase, then to d", "7.5", "2.5", "3.5", "0.5", 1, "7.50", "6.27",
       {}},
      {"b left empty", "7.5", "", "3.5", "0.5", 15, kOld, kOld, {kFourItems}},
      {"the trailer axle cannot reach the turn", "20", "0", "5", "0", 15, "20.00", kOld,
       {kInvalid}},
      {"R raised to p + 1 still too tight", "7.5", "2.5", "16", "0.5", 15, "17.00", kOld,
       {kInvalid}},
      {"wheelbase above 500", "7.5", "2.5", "501", "0.5", 15, "15.00", kOld, {kTooLong}},
      {"negative wheelbase", "7.5", "2.5", "-1", "0.5", 15, "15.00", kOld, {kNegative}},
      {"a trailer beyond a double is refused before R is written", "1e999", "2.5", "3.5", "0.5",
       15, kOld, kOld, {kInvalid}},
      {"a fifth-wheel offset whose square overflows", "7.5", "2.5", "3.5", "1e200", 15, kOld,
       kOld, {kInvalid}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingDialogs dialogs;
    TrailerPage page(dialogs);
    page.txtR.text = kOld;
    page.txtCutIn.text = kOld;
    page.txtd.text = row.d;
    page.txtb.text = row.b;
    page.txtp.text = row.p;
    page.txtm.text = row.m;
    scrollTo(page.HScroll1, row.scrolledTo, page, &TrailerPage::HScroll1_Change);
    EXPECT_EQ(page.txtR.text, row.radius);
    EXPECT_EQ(page.txtCutIn.text, row.cutIn);
    EXPECT_EQ(dialogs.shown, row.messages);
    // The first movement enables the pair whatever happens next.
    EXPECT_TRUE(page.txtR.enabled && page.txtCutIn.enabled);
  }
}

TEST(TrailerPage, ClearEmptiesTheBoxesThenRunsEachBarThatMovesOnce) {
  RecordingDialogs dialogs;
  TrailerPage page(dialogs);
  for (const ScrollBar* bar : {&page.HScroll1, &page.HScrollR}) {
    EXPECT_EQ(bar->value, 15);
    EXPECT_EQ(bar->maximum, 500);
    EXPECT_LE(bar->minimum, 15);
  }
  for (const TextBox* box : {&page.txtR, &page.txtCutIn, &page.txtR2, &page.txtCut})
    EXPECT_FALSE(box->enabled);

  // Bars at their start: nothing moves, nothing is shown.
  page.txtL.text = "4";
  page.cmdClear_Click();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(page.txtL.text, "");

  page.txtd.text = "7.5";
  page.txtb.text = "2.5";
  page.txtp.text = "3.5";
  page.txtm.text = "0.5";
  scrollTo(page.HScroll1, 20, page, &TrailerPage::HScroll1_Change);
  page.txtL.text = "20";
  scrollTo(page.HScrollR, 16, page, &TrailerPage::HScrollR_Change);
  ASSERT_EQ(page.HScrollR.value, 21);
  ASSERT_TRUE(dialogs.shown.empty());

  page.cmdClear_Click();
  EXPECT_EQ(dialogs.shown, (std::vector<Message>{kFourItems, kNoWheelbase}));
  EXPECT_EQ(page.HScroll1.value, 15);
  EXPECT_EQ(page.HScrollR.value, 15);
  for (const TextBox* box : {&page.txtd, &page.txtb, &page.txtp, &page.txtm, &page.txtL,
                             &page.txtR, &page.txtCutIn, &page.txtCut, &page.txtR2})
    EXPECT_EQ(box->text, "");

  page.cmdExit_Click();
  EXPECT_FALSE(page.txtR2.enabled || page.txtCut.enabled);
  EXPECT_TRUE(page.txtR.enabled && page.txtCutIn.enabled);
}

TEST(TrailerGeometry, ThePushedRadiusRoundsHalvesToEvenAndStaysOnTheBar) {
  const std::pair<double, int> pushed[] = {{3.5, 4}, {2.5, 4}, {20.0, 21}, {20.4, 21},
                                           {20.6, 22}, {0.0, 1}, {499.0, 500}, {600.0, 500}};
  for (const auto& [wheelbase, radius] : pushed)
    EXPECT_EQ(trailer::rigidRadiusFor(wheelbase), radius);
}

}  // namespace
}  // namespace kelvara
