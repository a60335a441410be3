#include "motion/quadratic_page.h"

#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/units.h"
#include "motion/quadratic.h"

namespace kelvara {

namespace {

constexpr const char* kCoefficientAMask = "######0.00000";
constexpr const char* kReactionMask = "#######0.00";
constexpr const char* kDistanceMask = "######0.00";
constexpr const char* kLinearRootMask = "######0.00";
constexpr const char* kTwoRootsMask = "#####0.000";
constexpr const char* kSpeedMask = "######0.00";
constexpr const char* kScrolledReactionMask = "######0.00";

constexpr const char* kRootsJoin = "  or  ";
constexpr const char* kNoRealRoots = "No real roots";
// Shown instead of a figure too large (or too small) for the arithmetic to carry.
constexpr const char* kOutOfRange = "Values out of range";

constexpr int kScrollHundredthsPerSecond = 100;
constexpr int kLongestReaction = 250;  // 2.50 s
constexpr int kScrollLargeChange = 25;

Message noXTerms() { return Message{{"You have no x terms in your equation"}}; }

// "0" typed into A, or A left empty, with B given: B·x + C = 0.
bool isLinear(const TextBox& a, const TextBox& b) {
  return (a.text == "0" || isEmptyText(a.text)) && !isEmptyText(b.text);
}

std::string speedLine(double metresPerSecond, Working& working) {
  return maskFormat(metresPerSecond, kSpeedMask) + "  m/s  or   " +
         maskFormat(finite(speedInMph(working, "Speed from which the driver can react and stop",
                                      metresPerSecond)),
                    kSpeedMask) +
         "  mph";
}

}  // namespace

QuadraticPage::QuadraticPage(Dialogs& dialogs) : dialogs_(dialogs) {
  txtx.enabled = false;
  HScroll1.minimum = 0;
  HScroll1.maximum = kLongestReaction;
  HScroll1.smallChange = 1;
  HScroll1.largeChange = kScrollLargeChange;
  HScroll1.value = 0;
}

void QuadraticPage::cmdCalcRoots_Click() { solve(); }

void QuadraticPage::cmdSpeed_Click() { solve(); }

void QuadraticPage::solve() {
  try {
    // A zero deceleration gives no A = 1/(2a) and so no stopping speed; the other two
    // coefficients are still filled in from their boxes.
    bool haveA = true;
    double a = 0.0;
    if (!isEmptyText(txtDeceleration.text)) {
      const double deceleration = fieldValue(txtDeceleration.text);
      if (deceleration == 0.0) {
        haveA = false;
      } else {
        a = coefficientFromDeceleration(deceleration, working());
        txtA.text = maskFormat(a, kCoefficientAMask);
      }
    } else {
      a = fieldValue(txtA.text);
    }

    double b = 0.0;
    if (!isEmptyText(txtReaction.text)) {
      b = working().value("Coefficient B, the reaction time", "B", fieldValue(txtReaction.text),
                          "s");
      txtb.text = maskFormatText(txtReaction.text, kReactionMask);
    } else {
      b = fieldValue(txtb.text);
    }

    double c = 0.0;
    if (!isEmptyText(txtDistance.text)) {
      const double distance = fieldValue(txtDistance.text);
      c = working().equation("Coefficient C, the stopping distance negated", "C", "\u2212D",
                             {{"D", distance}}, -distance, "m");
      txtC.text = maskFormat(c, kDistanceMask);
    } else {
      c = fieldValue(txtC.text);
    }

    txtx.enabled = true;
    if (!haveA) {
      txtx.text = kNoRealRoots;
      return;
    }

    if (isLinear(txtA, txtb)) {
      if (b == 0.0) {
        dialogs_.show(noXTerms());
        return;
      }
      txtx.text = maskFormat(linearRoot(b, c, working()), kLinearRootMask);
      return;
    }

    solveQuadraticCase(a, b, c, {"######0.000", "######0.000"});
  } catch (const ArithmeticFailure&) {
    showOutOfRange();
  }
}

void QuadraticPage::solveQuadraticCase(double a, double b, double c,
                                       DoubleRootMasks doubleRootMasks) {
  if (isEmptyText(txtA.text) && isEmptyText(txtb.text)) {
    dialogs_.show(noXTerms());
    return;
  }

  const QuadraticRoots roots = solveQuadratic(a, b, c, working());
  switch (roots.kind) {
    case QuadraticRoots::Kind::Two:
      txtx.text = maskFormat(roots.x1, kTwoRootsMask) + kRootsJoin +
                  maskFormat(roots.x2, kTwoRootsMask);
      break;
    case QuadraticRoots::Kind::Double:
      txtx.text = maskFormat(roots.x1, doubleRootMasks.first) + kRootsJoin +
                  maskFormat(roots.x2, doubleRootMasks.second);
      break;
    case QuadraticRoots::Kind::None:
      txtx.text = kNoRealRoots;
      break;
  }

  // With a deceleration given the first root is the speed sought; without a current root
  // (a negative deceleration can leave none) there is no speed to show.
  if (!isEmptyText(txtDeceleration.text)) {
    if (roots.kind != QuadraticRoots::Kind::None)
      working().note("The first root is the speed sought, in m/s.");
    txtx.text =
        roots.kind == QuadraticRoots::Kind::None ? kNoRealRoots : speedLine(roots.x1, working());
  }
}

void QuadraticPage::HScroll1_Change() {
  try {
    const std::string reaction = maskFormat(
        static_cast<double>(HScroll1.value) / kScrollHundredthsPerSecond, kScrolledReactionMask);
    txtb.text = reaction;
    txtReaction.text = reaction;

    // The scroll bar changes only the reaction time: A and C are taken from their boxes as
    // they stand, not recomputed from the lower boxes.
    // The linear solution is written without enabling the box: a box left disabled by
    // Clear stays so until a quadratic recompute or a solve.
    const double b = working().value("Coefficient B, the reaction time from the scroll bar", "B",
                                     fieldValue(txtb.text), "s");
    if (isLinear(txtA, txtb) && b != 0.0) {
      txtx.text = maskFormat(linearRoot(b, fieldValue(txtC.text), working()), kLinearRootMask);
      return;
    }

    txtx.enabled = true;
    const double a =
        working().value("Coefficient A, as in its box", "A", fieldValue(txtA.text), "");
    const double c =
        working().value("Coefficient C, as in its box", "C", fieldValue(txtC.text), "");
    // Here the second figure of a double root is written to two decimals.
    solveQuadraticCase(a, b, c, {"#####0.000", "#####0.00"});
  } catch (const ArithmeticFailure&) {
    showOutOfRange();
  }
}

void QuadraticPage::cmdClear2_Click() {
  if (moveScrollBar(HScroll1, 0)) HScroll1_Change();
  for (TextBox* box : {&txtA, &txtb, &txtC, &txtx, &txtDeceleration, &txtReaction, &txtDistance})
    box->text.clear();
  txtx.enabled = false;
}

void QuadraticPage::mnuHelp_Click() {
  dialogs_.show(Message{{"This page has two purposes. It can be used for solving quadratic "
                         "equations in general",
                         "OR",
                         " it can be used to find the speed from which a driver can just "
                         "manage to react and stop in a specified distance."}});
}

void QuadraticPage::showOutOfRange() {
  txtx.enabled = true;
  txtx.text = kOutOfRange;
}

}  // namespace kelvara

namespace kelvara {

PageDescription QuadraticPage::describe() {
  PageDescription d("frmQuadratic", "Quadratic Equations");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  d.label("lblHeading", lblHeading);
  d.label("lblEither", lblEither);
  d.label("lblRearrange", lblRearrange);
  d.label("lblTypeIn", lblTypeIn);
  d.label("lblA", lblA);
  d.both("txtA", txtA, "A =", measured, {"{######0.00000}"});
  d.label("lblB", lblB);
  d.both("txtb", txtb, "B =", measured, {"{#######0.00}", "{######0.00}"});
  d.label("lblC", lblC);
  d.both("txtC", txtC, "C =", measured, {"{######0.00}"});
  d.label("lblOutput", lblOutput);
  d.label("lblX", lblX);
  d.result("txtx", txtx, "x =",
           {"{######0.00}", "{#####0.000}  or  {#####0.000}", "{######0.000}  or  {######0.000}",
            "{#####0.000}  or  {#####0.00}", "{######0.00}  m/s  or   {######0.00}  mph",
            "No real roots", "Values out of range"});
  d.button("cmdCalcRoots", cmdCalcRoots, [this] { cmdCalcRoots_Click(); });
  d.label("lblNote", lblNote);
  d.label("lblCalculateSpeed", lblCalculateSpeed);
  d.label("lblDeceleration", lblDeceleration);
  d.input("txtDeceleration", txtDeceleration, "Deceleration in m/s/s", measured);
  d.label("lblReaction", lblReaction);
  d.both("txtReaction", txtReaction, "Reaction time /seconds", measured, {"{######0.00}"});
  d.label("lblDistance", lblDistance);
  d.input("txtDistance", txtDistance, "Available stopping distance", measured);
  d.label("lblScrollRange", lblScrollRange);
  d.label("lblScrollLimits", lblScrollLimits);
  d.bar("HScroll1", HScroll1, "0.00 to 2.50 seconds", [this] { HScroll1_Change(); });
  d.button("cmdSpeed", cmdSpeed, [this] { cmdSpeed_Click(); });
  d.button("cmdClear2", cmdClear2, [this] { cmdClear2_Click(); });
  d.button("cmdMenu1", cmdMenu1, WindowCommand::Menu);
  d.button("Exit", Exit, WindowCommand::Exit);
  d.label("lblCredit", lblCredit);
  d.menuItem("mnuHelp", mnuHelp, [this] { mnuHelp_Click(); });

  // Both buttons solve from the lower boxes where they are filled in, else from A, B and C.
  d.calculation("Roots of the quadratic", {"cmdCalcRoots_Click"},
                {&txtA, &txtb, &txtC, &txtDeceleration, &txtReaction, &txtDistance},
                {&txtA, &txtb, &txtC, &txtx});
  d.calculation("Reaction-stop speed", {"cmdSpeed_Click"},
                {&txtA, &txtb, &txtC, &txtDeceleration, &txtReaction, &txtDistance},
                {&txtA, &txtb, &txtC, &txtx});
  // The scroll bar gives the reaction time; A and C are taken from their boxes as they stand.
  d.calculation("Reaction-stop speed, reaction time from the scroll bar", {"HScroll1_Change"},
                {&txtA, &txtC, &txtDeceleration, &HScroll1}, {&txtb, &txtReaction, &txtx});
  return d;
}

}  // namespace kelvara
