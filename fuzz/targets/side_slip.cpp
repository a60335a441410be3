// The side-slip page.
#include "harness.h"
#include "dynamics/side_slip_page.h"

FUZZ_PAGE(SideSlipPage)
