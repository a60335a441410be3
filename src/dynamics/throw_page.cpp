#include "dynamics/throw_page.h"

#include <string>
#include <string_view>

#include "dynamics/throw_distance.h"
#include "fields/checked.h"
#include "fields/field_text.h"
#include "fields/units.h"

namespace kelvara {

using namespace throw_distance;

namespace {

constexpr const char* kSpeedMask = "####0.000";
constexpr double kHighestCoefficient = 1.0;

const Message kCoefficientAboveUnity{{"The coefficient should be less than unity."}};
const Message kZeroCoefficient{
    {"A zero coefficient of friction will not yield any speeds for the Searle based equations"}};
const Message kNoDistance{{"You must type in a throw distance."}};
const Message kInvalidInput{{"Your input data is invalid"}};

// A speed in m/s and mph, with the separator and unit text of its box.
std::string speedPair(Working& working, std::string_view quantity, double metresPerSecond,
                      const char* between, const char* unit) {
  return maskFormat(metresPerSecond, kSpeedMask) + between +
         maskFormat(finite(speedInMph(working, quantity, metresPerSecond)), kSpeedMask) + unit;
}

// The box of one of the empirical fits d = k·V², its estimate named as the box names it.
std::string fittedPair(Working& working, std::string_view estimate, double distance, double k,
                       const char* between, const char* unit) {
  const bool recording = working.recording();  // the names are built only to be recorded
  if (recording) working.note(std::string(estimate) + ": the empirical fit d = k \u00D7 V\u00B2.");
  const double speed = empiricalSpeed(distance, k, working);
  return speedPair(working, recording ? std::string(estimate) + " impact speed" : std::string(),
                   speed, between, unit);
}

}  // namespace

ThrowPage::ThrowPage(Dialogs& dialogs) : dialogs_(dialogs) {
  enableResults(false);
  Text2.text =
      "Throw distance of adult and child pedestrians struck by car fronts of different "
      "shapes: empirical relations from full-scale tests. Accident investigation literature.\n"
      "\n"
      "Minimum and maximum impact speeds from the throw distance of a pedestrian or cyclist "
      "and the friction between the body and the ground. Accident investigation journal.\n"
      "\n"
      "The probable impact speed as a fixed multiple of the minimum throw speed. Accident "
      "investigation journal.\n"
      "\n"
      "Impact speed from throw distance: a fit to reconstructed collisions, with its 95% "
      "confidence band. Accident investigation literature.";
  Text3.text = "You can copy references from this list and paste them into your document";
  Text2.visible = false;
  Text3.visible = false;
  Option1.visible = false;
}

void ThrowPage::enableResults(bool enabled) {
  for (TextBox* box :
       {&txtAdult, &txtChild, &txtRounded, &txtVertical, &txtMax, &txtMin, &txtZandor})
    box->enabled = enabled;
}

void ThrowPage::cmdThrow_Click() {
  enableResults(true);
  txtTorvane.enabled = true;
  const double d = fieldValue(txtThrowDistance.text);
  const double mu = fieldValue(txtCoefficient.text);
  if (mu > kHighestCoefficient) {
    dialogs_.show(kCoefficientAboveUnity);
    return;
  }
  if (mu == 0.0) dialogs_.show(kZeroCoefficient);
  if (isEmptyText(txtThrowDistance.text)) dialogs_.show(kNoDistance);

  // Each box is written as soon as its figure is known: a failure keeps the boxes already
  // written with their new texts and the rest as they were.
  try {
    constexpr const char* kOr = "     m/s or     ";
    Working& w = working();
    txtAdult.text = fittedPair(w, "Adult pedestrian", d, kAdult, "     m/s  or    ", " mph");
    txtChild.text = fittedPair(w, "Child pedestrian", d, kChild, kOr, " mph");
    txtRounded.text = fittedPair(w, "Adult, rounded front", d, kAdultRoundedFront, kOr, " mph");
    txtVertical.text = fittedPair(w, "Vertical front end", d, kVerticalFront, kOr, "mph");
    txtMax.text = speedPair(w, "Maximum impact speed", maximumSpeed(d, mu, w), kOr, " mph");
    txtMin.text = speedPair(w, "Minimum impact speed", minimumSpeed(d, mu, w), kOr, " mph");
    txtZandor.text = speedPair(w, "Probable impact speed", probableSpeed(d, mu, w), kOr, " mph");
    txtTorvane.text = fittedPair(w, "Fit to reconstructed collisions", d, kReconstructedThrows,
                                 "     m/s  or     ", " mph");
  } catch (const ArithmeticFailure&) {
    dialogs_.show(kInvalidInput);
    return;
  }

  // Without a coefficient only the distance-only estimates stand.
  if (isEmptyText(txtCoefficient.text)) {
    working().note(
        "No coefficient was given: the maximum, minimum and probable speeds are not "
        "shown.");
    txtMax.text.clear();
    txtMin.text.clear();
    txtZandor.text.clear();
  }
}

void ThrowPage::cmdClear1_Click() {
  for (TextBox* box : {&txtThrowDistance, &txtCoefficient, &txtAdult, &txtChild, &txtRounded,
                       &txtVertical, &txtMax, &txtMin, &txtZandor, &txtTorvane})
    box->text.clear();
  enableResults(false);
}

void ThrowPage::mnuReferences_Click() {
  Text2.visible = true;
  Text3.visible = true;
  Option1.visible = true;
}

void ThrowPage::Option1_Click() {
  Text2.visible = false;
  Text3.visible = false;
  Option1.value = false;
  Option1.visible = false;
}

}  // namespace kelvara

namespace kelvara {

PageDescription ThrowPage::describe() {
  PageDescription d("frmThrow", "Throw Calculations");
  d.records(*this);
  constexpr Nature measured = Nature::Measured;
  constexpr const char* kSpeed = "{####0.000}     m/s or     {####0.000} mph";
  d.input("txtThrowDistance", txtThrowDistance, "Type in the throw distance in metres:", measured);
  d.input("txtCoefficient", txtCoefficient,
          "Type in the coefficient of friction between the ground and the object: μ This is "
          "needed for the Searle Equations",
          measured);
  d.result("txtAdult", txtAdult, "Adult pedestrian: (Error 10%)",
           {"{####0.000}     m/s  or    {####0.000} mph"});
  d.result("txtChild", txtChild, "Child pedestrian: (Error 6%)", {kSpeed});
  d.result("txtRounded", txtRounded, "Adult. Rounded front: (Error 16%)", {kSpeed});
  d.result("txtVertical", txtVertical, "Vertical front end: (Error 7%)",
           {"{####0.000}     m/s or     {####0.000}mph"});
  d.result("txtMax", txtMax, "Searle's maximum speed:", {kSpeed});
  d.result("txtMin", txtMin, "Searle's minimum speed:", {kSpeed});
  d.result("txtZandor", txtZandor, "Probable speed (1.15 x the minimum speed):", {kSpeed});
  d.result("txtTorvane", txtTorvane,
           "Fit to reconstructed collisions: (95% confidence + or - 2.16 m/s or 5 mph)",
           {"{####0.000}     m/s  or     {####0.000} mph"});
  // The references and the note beneath them, shown from the menu.
  d.fixed("Text2", Text2).kind = ControlKind::TextArea;
  d.fixed("Text3", Text3).kind = ControlKind::TextArea;
  d.option("Option1", Option1, "Click here to hide this box", 0, [this] { Option1_Click(); });
  d.button("cmdThrow", cmdThrow, [this] { cmdThrow_Click(); });
  d.button("cmdClear1", cmdClear1, [this] { cmdClear1_Click(); });
  d.button("CmdPrint", CmdPrint, WindowCommand::Print);
  d.button("cmdMenu5", cmdMenu5, WindowCommand::Menu);
  d.button("cmdExit5", cmdExit5, WindowCommand::Exit);
  d.menuItem("mnuReferences", mnuReferences, [this] { mnuReferences_Click(); });

  d.calculation(
      "Impact speed from throw distance", {"cmdThrow_Click"}, {&txtThrowDistance, &txtCoefficient},
      {&txtAdult, &txtChild, &txtRounded, &txtVertical, &txtMax, &txtMin, &txtZandor, &txtTorvane});
  return d;
}

}  // namespace kelvara
