// The quadratic and stopping-distance page.
#include "harness.h"
#include "motion/quadratic_page.h"

FUZZ_PAGE(QuadraticPage)
