#pragma once
// The built-in vehicle categories of the crush page: each category's stiffness code (the
// default stiffness coefficients A and B for the front, rear and side) and its radius of
// gyration, and the coefficients a collision type inserts for a vehicle.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kelvara::crush {

enum class CollisionType { Front, Rear, Side };

// What choosing a category stores for a vehicle. Empty tag and code and k = 0 until a
// category is chosen.
struct StoredCategory {
  std::string tag;
  std::string stiffnessCode;
  int radiusOfGyration = 0;  // k, cm

  bool operator==(const StoredCategory&) const = default;
};

struct VehicleCategory {
  const char* item;              // menu item stem: mnu<item>1 / mnu<item>2
  const char* caption1;          // caption in the vehicle 1 menu
  const char* caption2;          // caption in the vehicle 2 menu
  const char* tag1;
  const char* tag2;
  const char* stiffnessCode;     // null: choosing the category leaves the stored code as it was
  int radiusOfGyration;          // k, cm
};

inline constexpr std::size_t kCategoryCount = 12;
extern const std::array<VehicleCategory, kCategoryCount> kVehicleCategories;

// Stores a category for vehicle 1 or 2 (the truck keeps the code stored before it).
void chooseCategory(StoredCategory& stored, const VehicleCategory& category, int vehicle);

struct Stiffness {
  double A = 0.0;  // N/cm
  double B = 0.0;  // N/cm²
};

// The A and B that a collision type inserts for a vehicle with this stored category: the
// truck's fixed pair for any type, the 2300 kg van's own front pair, otherwise the type's
// two fields of the stiffness code (three characters each, front A B, rear A B, side A B;
// B in tenths). A field beyond the end of a short code reads 0.
Stiffness collisionStiffness(const StoredCategory& stored, CollisionType type);

}  // namespace kelvara::crush
