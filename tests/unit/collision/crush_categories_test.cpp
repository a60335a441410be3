#include "collision/crush_categories.h"

#include <gtest/gtest.h>

#include <string>

#include "collision/crush_page.h"
#include "support/recording_dialogs.h"

namespace kelvara {
namespace {

using crush::CollisionType;

struct DefaultRow {
  const char* category;
  const char* front[2];
  const char* rear[2];
  const char* side[2];
};

// The A and B boxes each collision type fills for each category, as the investigator sees them.
const DefaultRow kDefaults[] = {
    {"Mini car", {"316", "49.7"}, {"302", "37.5"}, {"155", "41.2"}},
    {"Small car", {"324", "45.1"}, {"284", "34.1"}, {"175", "45.7"}},
    {"Family car", {"362", "48.3"}, {"332", "35.7"}, {"170", "53.6"}},
    {"Large car", {"377", "46"}, {"326", "32.4"}, {"240", "65.5"}},
    {"Very large car", {"506", "78.2"}, {"512", "95.2"}, {"240", "65.5"}},
    {"Van 1500 kg", {"541", "93.1"}, {"492", "81.7"}, {"168", "53.8"}},
    {"Van 2300 kg", {"628", "106.7"}, {"547", "97.8"}, {"240", "65.5"}},
    {"MPV 1600 kg", {"466", "75.1"}, {"453", "75.1"}, {"180", "63.5"}},
    {"MPV 2200 kg", {"385", "47.2"}, {"509", "84.8"}, {"137", "27.8"}},
    {"Pickup 1300 kg", {"466", "75.1"}, {"453", "75.1"}, {"180", "0"}},
    {"Pickup 2000 kg", {"385", "47.2"}, {"509", "84.8"}, {"137", "27.6"}},
    {"Truck 7500 kg", {"1751", "690"}, {"1751", "690"}, {"1751", "690"}},
};
static_assert(std::size(kDefaults) == crush::kCategoryCount);

struct Vehicle {
  TextBox* A;
  TextBox* B;
};

Vehicle boxes(CrushPage& page, int vehicle) {
  return vehicle == 1 ? Vehicle{&page.txtCoefficientA1, &page.txtCoefficientB1}
                      : Vehicle{&page.txtCoefficientA2, &page.txtCoefficientB2};
}

TEST(CrushCategories, EveryCategoryAndCollisionTypeFillsItsDefaultsOnEitherVehicle) {
  testing::RecordingDialogs dialogs;
  for (std::size_t row = 0; row < crush::kCategoryCount; ++row) {
    const DefaultRow& expected = kDefaults[row];
    for (int vehicle : {1, 2}) {
      const std::pair<CollisionType, const char* const*> types[] = {
          {CollisionType::Front, expected.front},
          {CollisionType::Rear, expected.rear},
          {CollisionType::Side, expected.side}};
      for (const auto& [type, coefficients] : types) {
        CrushPage page(dialogs);
        page.category_Click(vehicle, row);
        page.collisionType_Click(vehicle, type);
        const Vehicle filled = boxes(page, vehicle);
        const Vehicle other = boxes(page, 3 - vehicle);
        SCOPED_TRACE(std::string(expected.category) + " vehicle " + std::to_string(vehicle) +
                     " type " + std::to_string(static_cast<int>(type)));
        EXPECT_EQ(filled.A->text, coefficients[0]);
        EXPECT_EQ(filled.B->text, coefficients[1]);
        EXPECT_EQ(other.A->text, "");
        EXPECT_EQ(other.B->text, "");
      }
    }
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(CrushCategories, ItemsStoreTagCodeAndRadiusOfGyrationForTheirOwnVehicle) {
  testing::RecordingDialogs dialogs;
  CrushPage page(dialogs);
  EXPECT_EQ(page.storedCategory(1), crush::StoredCategory{});
  page.mnuFamilycar1_Click();
  page.mnuFamilycar2_Click();
  EXPECT_EQ(page.storedCategory(1),
            (crush::StoredCategory{"Familycar1", "362483332357170536", 143}));
  EXPECT_EQ(page.storedCategory(2),
            (crush::StoredCategory{"Familycar2", "362483332357170536", 143}));

  page.mnuPickupsmall2_Click();
  EXPECT_EQ(page.storedCategory(2), (crush::StoredCategory{"pickup1", "466751453751180", 134}));
  EXPECT_EQ(page.storedCategory(1).tag, "Familycar1");

  // The truck keeps the code stored before it.
  page.mnuTruck1_Click();
  EXPECT_EQ(page.storedCategory(1), (crush::StoredCategory{"truck", "362483332357170536", 124}));

  // No box changes on choosing a category.
  for (const TextBox* box : {&page.txtCoefficientA1, &page.txtCoefficientB1,
                             &page.txtCoefficientA2, &page.txtCoefficientB2, &page.txtMass1})
    EXPECT_EQ(box->text, "");
}

TEST(CrushCategories, CoefficientsFollowOnlyTheNextCollisionType) {
  testing::RecordingDialogs dialogs;
  CrushPage page(dialogs);
  // Before any category: an empty code gives zeros.
  page.mnuSide1_Click();
  EXPECT_EQ(page.txtCoefficientA1.text, "0");
  EXPECT_EQ(page.txtCoefficientB1.text, "0");

  page.mnuLargecar1_Click();
  page.mnuFront1_Click();
  page.mnuVanlarge1_Click();
  EXPECT_EQ(page.txtCoefficientA1.text, "377");
  EXPECT_EQ(page.txtCoefficientB1.text, "46");

  // Typed coefficients give way to the next collision type.
  page.txtCoefficientA1.text = "999";
  page.mnuFront1_Click();
  EXPECT_EQ(page.txtCoefficientA1.text, "628");
  EXPECT_EQ(page.txtCoefficientB1.text, "106.7");
  page.mnuRear1_Click();
  EXPECT_EQ(page.txtCoefficientB1.text, "97.8");
}

TEST(CrushCategories, ATruckChosenFirstHasNoCodeButItsFixedPair) {
  crush::StoredCategory stored;
  crush::chooseCategory(stored, crush::kVehicleCategories[11], 2);
  EXPECT_EQ(stored, (crush::StoredCategory{"truck", "", 124}));
  const crush::Stiffness side = crush::collisionStiffness(stored, CollisionType::Side);
  EXPECT_EQ(side.A, 1751.0);
  EXPECT_EQ(side.B, 690.0);
}

TEST(CrushCategories, CodesShorterThanSixFieldsReadZeroBeyondTheirEnd) {
  const crush::StoredCategory shortCode{"", "3164", 0};
  const crush::Stiffness front = crush::collisionStiffness(shortCode, CollisionType::Front);
  EXPECT_EQ(front.A, 316.0);
  EXPECT_EQ(front.B, 0.4);
  const crush::Stiffness side = crush::collisionStiffness(shortCode, CollisionType::Side);
  EXPECT_EQ(side.A, 0.0);
  EXPECT_EQ(side.B, 0.0);
}

}  // namespace
}  // namespace kelvara
