// The overturn page.
#include "harness.h"
#include "dynamics/overturn_page.h"

FUZZ_PAGE(OverturnPage)
