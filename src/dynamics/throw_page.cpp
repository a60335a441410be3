#include "dynamics/throw_page.h"

#include <string>

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
std::string speedPair(double metresPerSecond, const char* between, const char* unit) {
  return maskFormat(metresPerSecond, kSpeedMask) + between +
         maskFormat(finite(metresPerSecondToMph(metresPerSecond)), kSpeedMask) + unit;
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
    txtAdult.text = speedPair(empiricalSpeed(d, kAdult), "     m/s  or    ", " mph");
    txtChild.text = speedPair(empiricalSpeed(d, kChild), kOr, " mph");
    txtRounded.text = speedPair(empiricalSpeed(d, kAdultRoundedFront), kOr, " mph");
    txtVertical.text = speedPair(empiricalSpeed(d, kVerticalFront), kOr, "mph");
    txtMax.text = speedPair(maximumSpeed(d, mu), kOr, " mph");
    txtMin.text = speedPair(minimumSpeed(d, mu), kOr, " mph");
    txtZandor.text = speedPair(probableSpeed(d, mu), kOr, " mph");
    txtTorvane.text =
        speedPair(empiricalSpeed(d, kReconstructedThrows), "     m/s  or     ", " mph");
  } catch (const ArithmeticFailure&) {
    dialogs_.show(kInvalidInput);
    return;
  }

  // Without a coefficient only the distance-only estimates stand.
  if (isEmptyText(txtCoefficient.text)) {
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
