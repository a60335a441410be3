// The motorcycle and narrow-object crush page.
#include "harness.h"
#include "collision/cycle_page.h"

FUZZ_PAGE(CyclePage)
