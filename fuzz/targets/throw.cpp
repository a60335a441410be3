// The pedestrian-throw page.
#include "harness.h"
#include "dynamics/throw_page.h"

FUZZ_PAGE(ThrowPage)
