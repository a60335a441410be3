// The linear-motion page.
#include "harness.h"
#include "motion/newton_page.h"

FUZZ_PAGE(NewtonPage)
