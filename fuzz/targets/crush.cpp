// The crush-analysis page.
#include "harness.h"
#include "collision/crush_page.h"

FUZZ_PAGE(CrushPage)
