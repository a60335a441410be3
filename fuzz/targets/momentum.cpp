// The momentum page.
#include "harness.h"
#include "collision/momentum_page.h"

FUZZ_PAGE(MomentumPage)
