// The trailer and rigid-vehicle cut-in page.
#include "harness.h"
#include "dynamics/trailer_page.h"

FUZZ_PAGE(TrailerPage)
