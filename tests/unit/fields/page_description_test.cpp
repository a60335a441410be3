// What every page says of itself, and the two ways the tools read and give a control's text.

#include <gtest/gtest.h>

#include "fields/page_description.h"
#include "shell/page_logics.h"

namespace kelvara {
namespace {

class NoBoxes : public Dialogs {
 public:
  int show(const Message&) override { return Answer::Ok; }
};

// A calculation's figures are read back through the shapes of its result boxes, and only a
// measured quantity is a box whose figure can vary.
TEST(PageDescriptions, EveryResultHasItsShapesAndEveryMeasuredInputIsABox) {
  NoBoxes dialogs;
  for (std::string_view name : pageLogicNames()) {
    const auto logic = openPageLogic(name, dialogs);
    const PageDescription& page = logic->description();
    EXPECT_EQ(page.page, name);
    for (const Calculation& calculation : page.calculations) {
      EXPECT_FALSE(calculation.results.empty()) << name << ": " << calculation.name;
      for (std::string_view result : calculation.results) {
        EXPECT_FALSE(page.find(result)->shapes.empty()) << name << "." << result;
      }
    }
    for (const ControlDescription& control : page.controls)
      EXPECT_TRUE(!control.measured() || control.kind == ControlKind::TextBox) << control.name;
  }
}

TEST(PageDescriptions, GivingTextsAsTheInvestigatorDoes) {
  TextBox box;
  OptionButton north, south;
  ScrollBar bar;
  bar.maximum = 100;
  PageDescription page("frmSample", "Sample");
  page.input("txtBox", box, "Box", Nature::Measured);
  page.option("optNorth", north, "North", 0);
  page.option("optSouth", south, "South", 0);
  page.bar("HScroll1", bar, "Bar");
  north.value = true;
  EXPECT_TRUE(giveText(page, *page.find("optSouth"), "True"));
  EXPECT_FALSE(north.value);  // choosing an option clears the others of its group
  EXPECT_TRUE(giveText(page, *page.find("HScroll1"), "150"));
  EXPECT_EQ(shownText(*page.find("HScroll1")), "100");  // a bar stays within its range
  EXPECT_FALSE(giveText(page, *page.find("HScroll1"), "12a"));
  EXPECT_TRUE(giveText(page, *page.find("txtBox"), "12.5"));
  EXPECT_EQ(shownText(*page.find("txtBox")), "12.5");
  EXPECT_EQ(shownText(*page.find("optNorth")), "False");
  // A calculation given no inputs and results reads every input and writes every result.
  page.calculation("Everything", {});
  EXPECT_EQ(page.calculations.back().inputs.size(), 4u);
  EXPECT_THROW(page.calculation("Unknown", {"cmdNothing_Click"}), std::logic_error);
}

// A box's text read as its figures, and figures written back in the box's shape.
TEST(Shapes, ReadAndWriteTheFiguresOfABox) {
  const Shape speed("{#####0.000}  m/s       or        {####0.000} mph");
  const auto figures = speed.figures("26.205  m/s       or        58.619 mph");
  ASSERT_TRUE(figures);
  EXPECT_EQ(*figures, (std::vector<double>{26.205, 58.619}));
  EXPECT_EQ(speed.format({11.36, 25.4118}), "11.360  m/s       or        25.412 mph");
  EXPECT_EQ(speed.unitAfter(0), "m/s");
  EXPECT_EQ(speed.unitAfter(1), "mph");
  EXPECT_FALSE(speed.figures("26.205 m/s"));
  EXPECT_FALSE(Shape("Infinity").figures("Infinity")->size());
}

}  // namespace
}  // namespace kelvara
