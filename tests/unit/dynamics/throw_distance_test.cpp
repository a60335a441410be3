#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dynamics/throw_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using testing::RecordingDialogs;

const Message kAboveUnity{{"The coefficient should be less than unity."}};
const Message kZero{
    {"A zero coefficient of friction will not yield any speeds for the Searle based equations"}};
const Message kNoDistance{{"You must type in a throw distance."}};
const Message kInvalid{{"Your input data is invalid"}};

constexpr const char* kOld = "old";

// The eight result boxes in the order the page writes them.
std::vector<TextBox*> results(ThrowPage& page) {
  return {&page.txtAdult, &page.txtChild, &page.txtRounded, &page.txtVertical,
          &page.txtMax,   &page.txtMin,   &page.txtZandor,  &page.txtTorvane};
}

struct ThrowRow {
  const char* name;
  const char* distance;
  const char* coefficient;
  std::vector<Message> messages;
  std::vector<std::string> want;  // the eight boxes afterwards; "old" where a box kept its text
};

TEST(ThrowPage, EightEstimatesWithTheirSeparatorsAndEachWarning) {
  const std::string none;
  const ThrowRow rows[] = {
      {"14 m, coefficient 0.7",
       "14",
       "0.7",
       {},
       {"14.142     m/s  or    31.635 mph", "12.613     m/s or     28.215 mph",
        "14.676     m/s or     32.829 mph", "12.910     m/s or     28.879mph",
        "13.866     m/s or     31.018 mph", "11.360     m/s or     25.411 mph",
        "13.064     m/s or     29.223 mph", "13.397     m/s  or     29.969 mph"}},
      {"a coefficient of exactly 1 is accepted",
       "1",
       "1",
       {},
       {"3.780     m/s  or    8.455 mph", "3.371     m/s or     7.541 mph",
        "3.922     m/s or     8.774 mph", "3.450     m/s or     7.718mph",
        "4.429     m/s or     9.908 mph", "3.132     m/s or     7.006 mph",
        "3.602     m/s or     8.057 mph", "3.581     m/s  or     8.010 mph"}},
      {"an empty coefficient leaves only the distance-only estimates",
       "10",
       "",
       {kZero},
       {"11.952     m/s  or    26.737 mph", "10.660     m/s or     23.846 mph",
        "12.403     m/s or     27.746 mph", "10.911     m/s or     24.407mph", none, none, none,
        "11.323     m/s  or     25.328 mph"}},
      {"a typed zero coefficient gives zero friction speeds",
       "10",
       "0",
       {kZero},
       {"11.952     m/s  or    26.737 mph", "10.660     m/s or     23.846 mph",
        "12.403     m/s or     27.746 mph", "10.911     m/s or     24.407mph",
        "0.000     m/s or     0.000 mph", "0.000     m/s or     0.000 mph",
        "0.000     m/s or     0.000 mph", "11.323     m/s  or     25.328 mph"}},
      {"no distance: its warning, then zeros",
       "",
       "0.5",
       {kNoDistance},
       {"0.000     m/s  or    0.000 mph", "0.000     m/s or     0.000 mph",
        "0.000     m/s or     0.000 mph", "0.000     m/s or     0.000mph",
        "0.000     m/s or     0.000 mph", "0.000     m/s or     0.000 mph",
        "0.000     m/s or     0.000 mph", "0.000     m/s  or     0.000 mph"}},
      {"both boxes empty: the two warnings in order",
       "",
       "",
       {kZero, kNoDistance},
       {"0.000     m/s  or    0.000 mph", "0.000     m/s or     0.000 mph",
        "0.000     m/s or     0.000 mph", "0.000     m/s or     0.000mph", none, none, none,
        "0.000     m/s  or     0.000 mph"}},
      {"a coefficient above unity writes nothing",
       "14",
       "1.5",
       {kAboveUnity},
       {kOld, kOld, kOld, kOld, kOld, kOld, kOld, kOld}},
      {"a negative distance fails at the first estimate",
       "-5",
       "0.7",
       {kInvalid},
       {kOld, kOld, kOld, kOld, kOld, kOld, kOld, kOld}},
      {"a negative coefficient fails at the maximum speed",
       "10",
       "-0.5",
       {kInvalid},
       {"11.952     m/s  or    26.737 mph", "10.660     m/s or     23.846 mph",
        "12.403     m/s or     27.746 mph", "10.911     m/s or     24.407mph", kOld, kOld, kOld,
        kOld}},
      {"a distance beyond a double is invalid, not infinite",
       "1e999",
       "0.7",
       {kInvalid},
       {kOld, kOld, kOld, kOld, kOld, kOld, kOld, kOld}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingDialogs dialogs;
    ThrowPage page(dialogs);
    for (TextBox* box : results(page)) box->text = kOld;
    page.txtThrowDistance.text = row.distance;
    page.txtCoefficient.text = row.coefficient;
    page.cmdThrow_Click();
    EXPECT_EQ(dialogs.shown, row.messages);
    std::vector<std::string> got;
    for (TextBox* box : results(page)) {
      got.push_back(box->text);
      EXPECT_TRUE(box->enabled);
    }
    EXPECT_EQ(got, row.want);
  }
}

}  // namespace
}  // namespace kelvara
