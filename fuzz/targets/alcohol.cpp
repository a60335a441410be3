// The blood-alcohol page.
#include "harness.h"
#include "human/alcohol_page.h"

FUZZ_PAGE(AlcoholPage)
