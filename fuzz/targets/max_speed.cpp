// The maximum speed on a bend.
#include "harness.h"
#include "dynamics/max_speed_page.h"

FUZZ_PAGE(MaxSpeedPage)
