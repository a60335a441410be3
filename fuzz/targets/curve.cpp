// The critical-speed page.
#include "harness.h"
#include "dynamics/curve_page.h"

FUZZ_PAGE(CurvePage)
