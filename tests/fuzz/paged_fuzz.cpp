// The paged arrays against their model, on fuzz bytes.
#include "paged/paged_driver.h"

COLIB_FUZZ_TARGET(paged_test::run_paged)
