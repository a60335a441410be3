#pragma once
// The reference page of reaction times and walking speeds: fixed texts only, laid out in
// lines whose columns line up in a fixed-pitch font.

#include <array>

#include "fields/controls.h"

namespace kelvara {

class ReactionPage {
 public:
  ReactionPage();

  Label lblReactionHeading;
  Label lblReactionSource;
  Label lblReactionColumns;
  std::array<Label, 6> lblReactionRows;  // youngest drivers first
  Label lblWalkingHeading;
  Label lblWalkingSource;
  Label lblWalkingColumns;
  // The walking-speed rows, age 2 in Text1 to the 65+ group in Text19.
  TextBox Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12,
      Text13, Text14, Text15, Text16, Text17, Text18, Text19;

  // Text1 to Text19 in order.
  std::array<TextBox*, 19> walkingRows();
};

}  // namespace kelvara
