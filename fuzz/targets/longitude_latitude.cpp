// The grid reference to latitude and longitude page.
#include "harness.h"
#include "location/longitude_latitude_page.h"

FUZZ_PAGE(LongitudeLatitudePage)
