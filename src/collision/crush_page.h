#pragma once
// The crush analysis page: two vehicles' stiffness, crush profile, force direction, moment
// arm and mass; their crush energies, peak forces, equivalent barrier speeds and delta V.

#include <array>
#include <string>

#include "collision/crush_categories.h"
#include "fields/controls.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara {

class CrushPage : public RecordsWorking {
 public:
  explicit CrushPage(Dialogs& dialogs);
  PageDescription describe();

  // Menus: a vehicle category and a collision type per vehicle, help, and Print Form.
  MenuItem mnuVehicle1category;
  MenuItem mnuMinicar1, mnuSmallcar1, mnuFamilycar1, mnuLargecar1, mnuVerylargecar1, mnuVan1,
      mnuVanlarge1, mnuMPVsmall1, mnuMPVlarge1, mnuPickupsmall1, mnuPickuplarge1, mnuTruck1;
  MenuItem mnuVehicle2category;
  MenuItem mnuMinicar2, mnuSmallcar2, mnuFamilycar2, mnuLargecar2, mnuVerylargecar2, mnuVan2,
      mnuVanlarge2, mnuMPVsmall2, mnuMPVlarge2, mnuPickupsmall2, mnuPickuplarge2, mnuTruck2;
  MenuItem mnuCollisiontype1, mnuFront1, mnuRear1, mnuSide1;
  MenuItem mnuCollisiontype2, mnuFront2, mnuRear2, mnuSide2;
  MenuItem mnuHelp, mnuInstructions, mnuAbout, mnuLimitations, mnuPrintform;

  Label lblInput{"Input"}, lblVehicle1{"Vehicle 1"}, lblVehicle2{"Vehicle 2"};
  Label lblVehiclemodel{"Vehicle model      (eg Ford Focus)"};
  TextBox txtVehicle1model, txtVehicle2model;
  Label lblStiffnessA{"Stiffness Coefficient A"};
  TextBox txtCoefficientA1, txtCoefficientA2;
  Label lblStiffnessB{"Stiffness Coefficient B"};
  TextBox txtCoefficientB1, txtCoefficientB2;
  Label lblDamageWidth{"Width of damage, cm"};
  TextBox txtWidthdamage1, txtWidthdamage2;
  Label lblCrush{"Crush measurements, cm:       "};
  // txtC<reading><vehicle>.
  TextBox txtC11, txtC21, txtC31, txtC41, txtC51, txtC61;
  TextBox txtC12, txtC22, txtC32, txtC42, txtC52, txtC62;
  Label lblForcedirection{" Force direction to surface normal angle, degrees "};
  TextBox txtForceangle1, txtForceangle2;
  Label lblMomentarm{" CofG to Force Direction (moment arm) cm"};
  TextBox txth1, txth2;
  Label lblMass{" Mass of vehicle, kg"};
  TextBox txtMass1, txtMass2;
  Label lblOutput{"Output"};
  Label lblEnergy{" Energy dissipated in Joules"};
  TextBox txtEnergy1, txtEnergy2;
  Label lblImpactforce{" Maximum impact force, Newtons"};
  TextBox txtForce1, txtForce2;
  Label lblBarrierspeed{" Equivalent Barrier Speed, mph"};
  TextBox txtEBS1, txtEBS2;
  Label lblDeltaV{"                        Delta V"};
  TextBox txtDeltaV1, txtDeltaV2;
  CommandButton cmdCalculate7, cmdEdit, cmdClear2, cmdDiagram, cmdMenu7, cmdExit7;
  Label lblCrushTitle{"Crush Analysis"};
  TextBox Text1;  // credit line
  Label lblC1, lblC2, lblC3, lblC4, lblC5, lblC6;
  OptionButton opt2readings, opt4readings, opt6readings;

  // Vehicle category items: store the category for that vehicle.
  void mnuMinicar1_Click() { category_Click(1, 0); }
  void mnuSmallcar1_Click() { category_Click(1, 1); }
  void mnuFamilycar1_Click() { category_Click(1, 2); }
  void mnuLargecar1_Click() { category_Click(1, 3); }
  void mnuVerylargecar1_Click() { category_Click(1, 4); }
  void mnuVan1_Click() { category_Click(1, 5); }
  void mnuVanlarge1_Click() { category_Click(1, 6); }
  void mnuMPVsmall1_Click() { category_Click(1, 7); }
  void mnuMPVlarge1_Click() { category_Click(1, 8); }
  void mnuPickupsmall1_Click() { category_Click(1, 9); }
  void mnuPickuplarge1_Click() { category_Click(1, 10); }
  void mnuTruck1_Click() { category_Click(1, 11); }
  void mnuMinicar2_Click() { category_Click(2, 0); }
  void mnuSmallcar2_Click() { category_Click(2, 1); }
  void mnuFamilycar2_Click() { category_Click(2, 2); }
  void mnuLargecar2_Click() { category_Click(2, 3); }
  void mnuVerylargecar2_Click() { category_Click(2, 4); }
  void mnuVan2_Click() { category_Click(2, 5); }
  void mnuVanlarge2_Click() { category_Click(2, 6); }
  void mnuMPVsmall2_Click() { category_Click(2, 7); }
  void mnuMPVlarge2_Click() { category_Click(2, 8); }
  void mnuPickupsmall2_Click() { category_Click(2, 9); }
  void mnuPickuplarge2_Click() { category_Click(2, 10); }
  void mnuTruck2_Click() { category_Click(2, 11); }
  // The category item of row `category` of kVehicleCategories for vehicle 1 or 2.
  void category_Click(int vehicle, std::size_t category);

  // Collision type items: insert the vehicle's default A and B.
  void mnuFront1_Click() { collisionType_Click(1, crush::CollisionType::Front); }
  void mnuRear1_Click() { collisionType_Click(1, crush::CollisionType::Rear); }
  void mnuSide1_Click() { collisionType_Click(1, crush::CollisionType::Side); }
  void mnuFront2_Click() { collisionType_Click(2, crush::CollisionType::Front); }
  void mnuRear2_Click() { collisionType_Click(2, crush::CollisionType::Rear); }
  void mnuSide2_Click() { collisionType_Click(2, crush::CollisionType::Side); }
  void collisionType_Click(int vehicle, crush::CollisionType type);

  void opt2readings_Click();
  void opt4readings_Click();
  void opt6readings_Click();

  void cmdCalculate7_Click();
  void cmdEdit_Click();
  void cmdClear2_Click();

  void mnuInstructions_Click();
  void mnuLimitations_Click();
  void mnuAbout_Click();

  const crush::StoredCategory& storedCategory(int vehicle) const {
    return vehicle == 1 ? category1_ : category2_;
  }
  // The crush readings the formulas use: 2, 4 or 6, from the selected option.
  int readings() const;

 private:
  // The per-vehicle boxes and values of one side of the page.
  struct Vehicle {
    TextBox* A;
    TextBox* B;
    TextBox* width;
    std::array<TextBox*, 6> cells;
    TextBox* angle;
    TextBox* momentArm;
    TextBox* mass;
    TextBox* energy;
    TextBox* force;
    TextBox* barrierSpeed;
    TextBox* deltaV;
  };
  Vehicle vehicle(int number);
  std::array<TextBox*, 8> resultBoxes();

  void layOutReadings(int readings);
  void selectReadings(OptionButton& option, int readings);
  void chooseReadingsFromVehicle1();
  void calculate();

  Dialogs& dialogs_;
  crush::StoredCategory category1_, category2_;

  // Page values kept between Calculate runs, per vehicle.
  struct Results {
    double G = 0.0;       // N
    double E = 0.0;       // J
    double F = 0.0;       // N
    double gamma = 0.0;   // effective-mass factor
    double EBS = 0.0;     // mph
    double deltaV = 0.0;  // mph
  };
  Results results1_, results2_;
};

}  // namespace kelvara
