// The position of the sun.
#include "harness.h"
#include "location/sun_page.h"

FUZZ_PAGE(SunPage)
