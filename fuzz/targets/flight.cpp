// The vault or flight page.
#include "harness.h"
#include "dynamics/flight_page.h"

FUZZ_PAGE(FlightPage)
