#include "collision/crush_categories.h"

#include "fields/field_text.h"

namespace kelvara::crush {

namespace {

constexpr std::string_view kTruckTag = "truck";
constexpr std::string_view kLargeVanTag = "Van2";
constexpr Stiffness kTruckStiffness{1751.0, 690.0};
// The large van's code holds 99.9 for its front B; the measured front pair replaces it.
constexpr Stiffness kLargeVanFront{628.0, 106.7};

constexpr std::size_t kFieldWidth = 3;
constexpr double kTenthsPerUnit = 10.0;

double codeField(const std::string& code, std::size_t field) {
  const std::size_t from = field * kFieldWidth;
  if (from >= code.size()) return 0.0;
  return fieldValue(std::string_view(code).substr(from, kFieldWidth));
}

}  // namespace

const std::array<VehicleCategory, kCategoryCount> kVehicleCategories{{
    {"Minicar", "Mini Car (950 kg)", "Mini Car (950 kg)", "Minicar", "Minicar",
     "316497302375155412", 127},
    {"Smallcar", "Small Car (1100 kg)", "Small Car (1100 kg)", "Smallcar", "Smallcar",
     "324451284341175457", 132},
    {"Familycar", "Family Car (1300 kg)", "Family Car (1300 kg)", "Familycar1", "Familycar2",
     "362483332357170536", 143},
    {"Largecar", "Large Car (1650 kg)", "Large Car (1650 kg)", "Largecar", "Largecar",
     "377460326324240655", 141},
    {"Verylargecar", "Very Large Car (1750 kg)", "Very Large Car (1750 kg)", "Verylargecar",
     "Verylargecar", "506782512952240655", 137},
    {"Van", "Van (1500 kg)", "Van (1500 kg)", "Van1", "Van1", "541931492817168538", 140},
    {"Vanlarge", "Van (2300 kg)", "Van (2300 kg)", "Van2", "Van2", "628999547978240655", 159},
    {"MPVsmall", "MPV (1600 kg)", "MPV (1600 kg)", "MPV1", "MPV1", "466751453751180635", 125},
    {"MPVlarge", "MPV (2200 kg)", "MPV (2200 kg)", "MPV2", "MPV2", "385472509848137278", 145},
    // The small pickup's code stops after side A: it has no side B.
    {"Pickupsmall", "Pickup (1300 kg)", "Pick up (1300 kg)", "pickup1", "pickup1",
     "466751453751180", 134},
    {"Pickuplarge", "Pickup (2000 kg)", "Pick up (2000 kg)", "pickup2", "pickup2",
     "385472509848137276", 156},
    {"Truck", "Truck (7500 kg)", "Truck (7500 kg)", "truck", "truck", nullptr, 124},
}};

void chooseCategory(StoredCategory& stored, const VehicleCategory& category, int vehicle) {
  stored.tag = vehicle == 1 ? category.tag1 : category.tag2;
  if (category.stiffnessCode != nullptr) stored.stiffnessCode = category.stiffnessCode;
  stored.radiusOfGyration = category.radiusOfGyration;
}

Stiffness collisionStiffness(const StoredCategory& stored, CollisionType type) {
  if (stored.tag == kTruckTag) return kTruckStiffness;
  if (type == CollisionType::Front && stored.tag == kLargeVanTag) return kLargeVanFront;
  const std::size_t aField = 2 * static_cast<std::size_t>(type);
  return {codeField(stored.stiffnessCode, aField),
          codeField(stored.stiffnessCode, aField + 1) / kTenthsPerUnit};
}

}  // namespace kelvara::crush
