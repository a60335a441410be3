// The partial-braking page.
#include "harness.h"
#include "dynamics/partial_braking_page.h"

FUZZ_PAGE(PartialBrakingPage)
