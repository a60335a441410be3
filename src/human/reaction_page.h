#pragma once
// The reference page of reaction times and walking speeds: fixed texts only, laid out in
// lines whose columns line up in a fixed-pitch font.

#include <array>

#include "fields/controls.h"
#include "fields/page_description.h"

namespace kelvara {

class ReactionPage {
 public:
  ReactionPage();
  PageDescription describe();

  Label lblReactionHeading, lblReactionSource, lblReactionColumns;
  std::array<Label, 6> lblReactionRows;  // youngest drivers first
  Label lblWalkingHeading, lblWalkingSource, lblWalkingColumns;
  // The walking-speed rows, age 2 in Text1 to the 65+ group in Text19.
  TextBox Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12,
      Text13, Text14, Text15, Text16, Text17, Text18, Text19;
  CommandButton cmdPrint;
  CommandButton Command1;  // Menu
  CommandButton Command2;  // Exit

  // Text1 to Text19 in order.
  std::array<TextBox*, 19> walkingRows();
};

}  // namespace kelvara
