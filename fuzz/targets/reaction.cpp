// The reaction-time and walking-speed tables: no handlers, only what the page shows at load.
#include "harness.h"
#include "human/reaction_page.h"

using namespace kelvara;
using namespace kelvara::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ReactionPage page;
  for (const Label* label : {&page.lblReactionHeading, &page.lblReactionSource,
                             &page.lblReactionColumns, &page.lblWalkingHeading,
                             &page.lblWalkingSource, &page.lblWalkingColumns})
    if (showsNonFiniteWord(label->caption)) finding("a heading shows " + label->caption);
  for (const Label& row : page.lblReactionRows)
    if (showsNonFiniteWord(row.caption)) finding("a reaction row shows " + row.caption);
  // The input only picks which rows are looked at again, in which order.
  Input input(data, size);
  const auto rows = page.walkingRows();
  while (!input.done()) {
    const TextBox* row = rows[input.pick(rows.size())];
    if (showsNonFiniteWord(row->text)) finding("a walking row shows " + row->text);
  }
  for (const TextBox* row : rows)
    if (showsNonFiniteWord(row->text)) finding("a walking row shows " + row->text);
  return 0;
}
