// The latitude and longitude to grid reference page.
#include "harness.h"
#include "location/uk_grid_page.h"

FUZZ_PAGE(UKGridPage)
