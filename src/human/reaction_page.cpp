#include "human/reaction_page.h"

#include "human/reaction.h"

namespace kelvara {

using namespace reaction;

ReactionPage::ReactionPage() {
  lblReactionHeading.caption = kReactionHeading;
  lblReactionSource.caption = kReactionSource;
  lblReactionColumns.caption = kReactionHeader;
  for (std::size_t i = 0; i < lblReactionRows.size(); ++i)
    lblReactionRows[i].caption = alignedRow(kReactionHeader, kReactionHeadings, kReactionTimes[i]);
  lblWalkingHeading.caption = kWalkingHeading;
  lblWalkingSource.caption = kWalkingSource;
  lblWalkingColumns.caption = kWalkingHeader;
  const auto rows = walkingRows();
  for (std::size_t i = 0; i < rows.size(); ++i)
    rows[i]->text = alignedRow(kWalkingHeader, kWalkingHeadings, kWalkingSpeeds[i]);
}

std::array<TextBox*, 19> ReactionPage::walkingRows() {
  return {&Text1,  &Text2,  &Text3,  &Text4,  &Text5,  &Text6,  &Text7,  &Text8,  &Text9, &Text10,
          &Text11, &Text12, &Text13, &Text14, &Text15, &Text16, &Text17, &Text18, &Text19};
}

}  // namespace kelvara
