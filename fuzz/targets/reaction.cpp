// The reaction times and walking speeds: fixed texts, none of which may show a failed figure.
#include "harness.h"
#include "human/reaction_page.h"

FUZZ_PAGE(ReactionPage)
