// The strings, conversions and numeric helpers against their model, on fuzz bytes.
#include "foundation/foundation_driver.h"

COLIB_FUZZ_TARGET(run_foundation)
