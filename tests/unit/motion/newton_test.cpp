#include "motion/newton.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "motion/newton_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using Lines = std::vector<std::string>;

// Every solver must give back the quantity that produced the other three.
TEST(LinearMotion, EachSolverRecoversTheQuantityThatWasLeftOut) {
  struct Motion {
    double u, a, t;
  };
  for (const Motion m : {Motion{0.0, 2.0, 3.0}, Motion{20.0, -5.0, 4.0}, Motion{5.0, 2.5, 2.0},
                         Motion{13.4112, -7.0, 2.0}, Motion{-3.0, 1.5, 7.0}}) {
    const double v = speedAfterTime(m.u, m.a, m.t);
    const double s = distanceInTime(m.u, m.a, m.t);
    SCOPED_TRACE(::testing::Message() << "u=" << m.u << " a=" << m.a << " t=" << m.t);
    EXPECT_NEAR(speedBeforeTime(v, m.a, m.t), m.u, 1e-9);
    EXPECT_NEAR(squaredSpeedAfterDistance(m.u, m.a, s), v * v, 1e-9);
    EXPECT_NEAR(squaredSpeedBeforeDistance(v, m.a, s), m.u * m.u, 1e-9);
    EXPECT_NEAR(accelerationOverDistance(m.u, v, s), m.a, 1e-9);
    EXPECT_NEAR(accelerationOverTime(m.u, v, m.t), m.a, 1e-9);
    EXPECT_NEAR(accelerationToFinalSpeed(v, s, m.t), m.a, 1e-9);
    EXPECT_NEAR(accelerationFromInitialSpeed(m.u, s, m.t), m.a, 1e-9);
    EXPECT_NEAR(timeToChangeSpeed(m.u, v, m.a), m.t, 1e-9);
    EXPECT_NEAR(initialSpeedOverDistance(s, m.a, m.t), m.u, 1e-9);
  }
  EXPECT_EQ(speedFromSquare(400.0), 20.0);
  EXPECT_EQ(timeAtSteadySpeed(50.0, 10.0), 5.0);
  EXPECT_NEAR(frictionCoefficient(-6.867), 0.7, 1e-12);
}

// The eight boxes of the page, in the order they stand.
struct Boxes {
  std::string u{}, umph{}, v{}, vmph{}, s{}, a{}, mu{}, t{};
  bool operator==(const Boxes&) const = default;
};

void PrintTo(const Boxes& b, std::ostream* out) {
  *out << "{u='" << b.u << "' umph='" << b.umph << "' v='" << b.v << "' vmph='" << b.vmph
       << "' s='" << b.s << "' a='" << b.a << "' mu='" << b.mu << "' t='" << b.t << "'}";
}

void type(NewtonPage& page, const Boxes& b) {
  page.txtu.text = b.u;
  page.txtumph.text = b.umph;
  page.txtv.text = b.v;
  page.txtVmph.text = b.vmph;
  page.txts.text = b.s;
  page.txtA.text = b.a;
  page.txtmu.text = b.mu;
  page.txtt.text = b.t;
}

Boxes shown(const NewtonPage& page) {
  return {page.txtu.text, page.txtumph.text, page.txtv.text, page.txtVmph.text,
          page.txts.text, page.txtA.text,    page.txtmu.text, page.txtt.text};
}

const Lines kDecelerationWarning{
    "Warning!",
    "Your deceleration rate is equivalent to a coefficient of friction greater than unity."};
const Lines kBothUnits{"U should either be in m/s or in mph. Not both.",
                       "Select Clear and start again."};
const Lines kCoefficientWarning{"Warning!", "Coefficient is greater than unity"};
const Lines kTooFew{"You need 3 values before a calculation can be made", "Try again."};
const Lines kTooMany{"You have entered more than three values.",
                     "Clear all boxes and try again."};
const Lines kNegativeRoot{"Invalid input.", "Your values result in a negative square root.",
                          "Clear all boxes and try again."};
const Lines kDivisionByZero{"Your values have resulted in a division by zero error",
                            "Clear all boxes and try again."};
const Lines kNotCalculable{"Your values cannot be calculated.", "Clear all boxes and try again."};
const Lines kNegativeTime{"Your values have resulted in a negative time.",
                          "Clear all boxes and try again."};

struct Row {
  const char* name;
  Boxes typed;
  Boxes written;  // the boxes the page filled in; every other box keeps what was typed
  std::vector<Lines> messages;
  bool calculated;  // Calculate is disabled afterwards
};

void check(const Row& row) {
  SCOPED_TRACE(row.name);
  testing::RecordingDialogs dialogs;
  NewtonPage page(dialogs);
  type(page, row.typed);
  page.cmdCalculate_Click();
  Boxes expected = row.typed;
  for (std::string Boxes::*box : {&Boxes::u, &Boxes::umph, &Boxes::v, &Boxes::vmph, &Boxes::s,
                                  &Boxes::a, &Boxes::mu, &Boxes::t})
    if (!(row.written.*box).empty()) expected.*box = row.written.*box;
  EXPECT_EQ(shown(page), expected);
  EXPECT_EQ(dialogs.lines(), row.messages);
  for (const Message& message : dialogs.shown) {
    EXPECT_EQ(message.code, MessageCode::Ok);
    EXPECT_EQ(message.title, "Kelvara");
  }
  EXPECT_EQ(page.cmdCalculate.enabled, !row.calculated);
}

TEST(NewtonPage, SolvesEachPairOfUnknowns) {
  const Row rows[] = {
      {"u=0 a=2 t=3", {.u = "0", .a = "2", .t = "3"},
       {.umph = "0.000mph", .v = "6.000  ms-1", .vmph = "13.422 mph", .s = "9.000 metres"}, {},
       true},
      {"u=10 a=-5 s=10 stops exactly", {.u = "10", .s = "10", .a = "-5"},
       {.umph = "22.369mph", .v = "0.000 ms-1", .vmph = "0.000 mph", .mu = "0.510",
        .t = "2.000 seconds"}, {}, true},
      {"u=10 v=10 s=50 is a steady speed", {.u = "10", .v = "10", .s = "50"},
       {.umph = "22.369mph", .vmph = "22.369 mph", .a = "0.000 ms-2", .t = "5.000 seconds"}, {},
       true},
      {"u=20 v=0 s=40", {.u = "20", .v = "0", .s = "40"},
       {.umph = "44.739mph", .vmph = "0.000 mph", .a = "-5.000 ms-2", .mu = "0.510",
        .t = "4.000 seconds"}, {}, true},
      {"v=0 a=-5 t=4", {.v = "0", .a = "-5", .t = "4"},
       {.u = "20.000 ms-1", .umph = "44.739 mph", .vmph = "0.000 mph", .s = "40.000 metres",
        .mu = "0.510"}, {}, true},
      {"v=10 s=15 t=2 started at 5 m/s", {.v = "10", .s = "15", .t = "2"},
       {.u = "5.000 ms-1", .umph = "11.185 mph", .vmph = "22.369 mph", .a = "2.500 ms-2"}, {},
       true},
      {"u=5 s=15 t=2", {.u = "5", .s = "15", .t = "2"},
       {.umph = "11.185mph", .v = "10.000 ms-1", .vmph = "22.369 mph", .a = "2.500 ms-2"}, {},
       true},
      {"u=20 v=0 t=4", {.u = "20", .v = "0", .t = "4"},
       {.umph = "44.739mph", .vmph = "0.000 mph", .s = "40.000 metres", .a = "-5.000 ms-2",
        .mu = "0.510"}, {}, true},
      {"u=0 v=1 t=6 reads back the rounded a", {.u = "0", .v = "1", .t = "6"},
       {.umph = "0.000mph", .vmph = "2.237 mph", .s = "3.006 metres", .a = "0.167 ms-2"}, {}, true},
      {"v=0 a=-5 s=40", {.v = "0", .s = "40", .a = "-5"},
       {.u = "20.000 ms-1", .umph = "44.739 mph", .vmph = "0.000 mph", .mu = "0.510",
        .t = "4.000 seconds"}, {}, true},
      {"u=20 v=0 a=-5", {.u = "20", .v = "0", .a = "-5"},
       {.umph = "44.739mph", .vmph = "0.000 mph", .s = "40.000 metres", .mu = "0.510",
        .t = "4.000 seconds"}, {}, true},
      {"u=10 v=20 a=-5 gives a negative time", {.u = "10", .v = "20", .a = "-5"},
       {.umph = "22.369mph", .vmph = "44.739 mph", .s = "-30.000 metres", .t = "-2.000 seconds"},
       {kNegativeTime}, true},
      {"s=40 a=-5 t=4", {.s = "40", .a = "-5", .t = "4"},
       {.u = "20.000 ms-1", .umph = "44.739 mph", .v = "0.000 ms-1", .vmph = "0.000 mph",
        .mu = "0.510"}, {}, true},
  };
  for (const Row& row : rows) check(row);
}

TEST(NewtonPage, ConvertsMphAndCoefficientsAndWarns) {
  const Row rows[] = {
      {"30 mph a=-7 t=2", {.umph = "30", .a = "-7", .t = "2"},
       {.u = "13.411", .v = "-0.589  ms-1", .vmph = "-1.318 mph", .s = "12.822 metres",
        .mu = "0.714"}, {}, true},
      {"u in both units", {.u = "10", .umph = "30", .a = "-7", .t = "2"},
       {.u = "13.411", .v = "-0.589  ms-1", .vmph = "-1.318 mph", .s = "12.822 metres",
        .mu = "0.714"}, {kBothUnits}, true},
      {"v of 30 mph u=0 t=4", {.u = "0", .vmph = "30", .t = "4"},
       {.umph = "0.000mph", .v = "13.411", .s = "26.824 metres", .a = "3.353 ms-2"}, {}, true},
      {"mu 0.7 u=20 s=10", {.u = "20", .s = "10", .mu = "0.7"},
       {.umph = "44.739mph", .v = "16.207 ms-1", .vmph = "36.254 mph", .a = "-6.867 ms-2",
        .mu = "0.700", .t = "0.552 seconds"}, {}, true},
      {"mu 1.2 warns only of the coefficient", {.u = "20", .s = "10", .mu = "1.2"},
       {.umph = "44.739mph", .v = "12.828 ms-1", .vmph = "28.695 mph", .a = "-11.772 ms-2",
        .mu = "1.200", .t = "0.609 seconds"}, {kCoefficientWarning}, true},
      {"a=-12 typed is warned of, then mu 0.5 replaces it",
       {.u = "20", .s = "10", .a = "-12", .mu = "0.5"},
       {.umph = "44.739mph", .v = "17.375 ms-1", .vmph = "38.867 mph", .a = "-4.905 ms-2",
        .mu = "0.500", .t = "0.535 seconds"}, {kDecelerationWarning}, true},
      {"a=-10 is not warned of", {.u = "30", .a = "-10", .t = "1"},
       {.umph = "67.108mph", .v = "20.000  ms-1", .vmph = "44.739 mph", .s = "25.000 metres",
        .mu = "1.019"}, {}, true},
      {"a=-14.715 gives 1.500", {.u = "29.43", .v = "0", .a = "-14.715"},
       {.umph = "65.833mph", .vmph = "0.000 mph", .s = "29.430 metres", .mu = "1.500",
        .t = "2.000 seconds"}, {kDecelerationWarning}, true},
      {"a=-15 leaves mu alone", {.u = "30", .a = "-15", .t = "1"},
       {.umph = "67.108mph", .v = "15.000  ms-1", .vmph = "33.554 mph", .s = "22.500 metres"},
       {kDecelerationWarning}, true},
      {"mu 1.6 beyond -15 keeps the typed coefficient", {.u = "30", .mu = "1.6", .t = "1"},
       {.umph = "67.108mph", .v = "14.304  ms-1", .vmph = "31.997 mph", .s = "22.152 metres",
        .a = "-15.696 ms-2"}, {kCoefficientWarning}, true},
      {"negative mu gives a positive acceleration", {.u = "20", .s = "10", .mu = "-0.5"},
       {.umph = "44.739mph", .v = "22.318 ms-1", .vmph = "49.924 mph", .a = "4.905 ms-2",
        .t = "0.473 seconds"}, {}, true},
      {"mu that is not a number is ignored", {.u = "0", .a = "2", .mu = "1.5x", .t = "3"},
       {.umph = "0.000mph", .v = "6.000  ms-1", .vmph = "13.422 mph", .s = "9.000 metres"}, {},
       true},
  };
  for (const Row& row : rows) check(row);
}

TEST(NewtonPage, RefusesAndStaysReady) {
  const Row rows[] = {
      {"four values", {.u = "1", .v = "2", .s = "3", .t = "4"}, {}, {kTooMany}, false},
      {"two values", {.u = "1", .t = "2"}, {}, {kTooFew}, false},
      {"converted mph stays", {.umph = "30", .a = "2"}, {.u = "13.411"}, {kTooFew}, false},
      {"mu makes a fourth value", {.u = "1", .v = "2", .mu = "0.5", .t = "3"},
       {.a = "-4.905 ms-2"}, {kTooMany}, false},
      {"u=10 a=-5 s=30 stops short", {.u = "10", .s = "30", .a = "-5"}, {}, {kNegativeRoot}, false},
      {"u s a with a=0", {.u = "10", .s = "5", .a = "0"}, {}, {kDivisionByZero}, false},
      {"v=10 a=5 s=20 never reached", {.v = "10", .s = "20", .a = "5"}, {}, {kNegativeRoot}, false},
      {"v s a with a=0", {.v = "10", .s = "5", .a = "0"}, {}, {kDivisionByZero}, false},
      {"u v a with a=0", {.u = "10", .v = "20", .a = "0"}, {}, {kDivisionByZero}, false},
      {"u v s with s=0", {.u = "1", .v = "2", .s = "0"}, {}, {kDivisionByZero}, false},
      {"u=v=0 over 10 m", {.u = "0", .v = "0", .s = "10"}, {}, {kDivisionByZero}, false},
      {"v s t with t=0", {.v = "10", .s = "15", .t = "0"}, {}, {kDivisionByZero}, false},
      {"u s t with t=0", {.u = "5", .s = "15", .t = "0"}, {}, {kDivisionByZero}, false},
      {"u v t with t=0", {.u = "1", .v = "2", .t = "0"}, {}, {kDivisionByZero}, false},
      {"s a t with t=0", {.s = "10", .a = "1", .t = "0"}, {}, {kDivisionByZero}, false},
      {"an mph figure beyond a double writes nothing of the case",
       {.u = "1e308", .a = "0", .t = "1"}, {}, {kNotCalculable}, false},
      {"a coefficient beyond a double", {.u = "1", .s = "1", .mu = "1e308"},
       {}, {kNotCalculable}, false},
  };
  for (const Row& row : rows) check(row);
}

TEST(NewtonPage, ClearEmptiesEveryBoxAndMakesThePageReady) {
  testing::RecordingDialogs dialogs;
  NewtonPage page(dialogs);
  type(page, {.umph = "30", .a = "-7", .t = "2"});
  page.cmdCalculate_Click();
  ASSERT_FALSE(page.cmdCalculate.enabled);
  page.cmdClear_Click();
  EXPECT_EQ(shown(page), Boxes{});
  EXPECT_TRUE(page.cmdCalculate.enabled);

  type(page, {.u = "0", .a = "2", .t = "3"});
  page.cmdCalculate_Click();
  EXPECT_EQ(page.txtv.text, "6.000  ms-1");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(NewtonPage, HelpMessages) {
  testing::RecordingDialogs dialogs;
  NewtonPage page(dialogs);
  page.mnuInfo_Click();
  page.mnuAbout_Click();
  page.mnuAuthor_Click();
  ASSERT_EQ(dialogs.shown.size(), 3u);
  EXPECT_EQ(dialogs.shown[0].lines,
  Lines{"The programme was last updated on the 3rd of May 2011."});
  EXPECT_EQ(dialogs.shown[1].lines,
            (Lines{"This programme has been designed as an aid to the scientific investigation "
                   "of accidents.",
                   "It is based purely on Newton's three equations of linear motion under "
                   "constant acceleration"}));
  EXPECT_EQ(dialogs.shown[2].lines.size(), 2u);
  for (const Message& message : dialogs.shown) {
    EXPECT_EQ(message.code, MessageCode::Ok);
    EXPECT_EQ(message.title, "Kelvara");
  }
}

}  // namespace
}  // namespace kelvara
