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

namespace kelvara {

PageDescription ReactionPage::describe() {
  PageDescription d("frmReaction", "Reaction times and Walking Speeds");
  d.label("lblReactionHeading", lblReactionHeading);
  d.label("lblReactionSource", lblReactionSource);
  d.label("lblReactionColumns", lblReactionColumns);
  d.label("lblReactionRow1", lblReactionRows[0]);
  d.label("lblReactionRow2", lblReactionRows[1]);
  d.label("lblReactionRow3", lblReactionRows[2]);
  d.label("lblReactionRow4", lblReactionRows[3]);
  d.label("lblReactionRow5", lblReactionRows[4]);
  d.label("lblReactionRow6", lblReactionRows[5]);
  d.label("lblWalkingHeading", lblWalkingHeading);
  d.label("lblWalkingSource", lblWalkingSource);
  d.label("lblWalkingColumns", lblWalkingColumns);
  d.fixed("Text1", Text1);
  d.fixed("Text2", Text2);
  d.fixed("Text3", Text3);
  d.fixed("Text4", Text4);
  d.fixed("Text5", Text5);
  d.fixed("Text6", Text6);
  d.fixed("Text7", Text7);
  d.fixed("Text8", Text8);
  d.fixed("Text9", Text9);
  d.fixed("Text10", Text10);
  d.fixed("Text11", Text11);
  d.fixed("Text12", Text12);
  d.fixed("Text13", Text13);
  d.fixed("Text14", Text14);
  d.fixed("Text15", Text15);
  d.fixed("Text16", Text16);
  d.fixed("Text17", Text17);
  d.fixed("Text18", Text18);
  d.fixed("Text19", Text19);
  d.button("cmdPrint", cmdPrint, WindowCommand::Print);
  d.button("Command1", Command1, WindowCommand::Menu);
  d.button("Command2", Command2, WindowCommand::Exit);
  return d;
}

}  // namespace kelvara
