// The lists against their models, on fuzz bytes.
#include "lists/lists_driver.h"

COLIB_FUZZ_TARGET(colib_test::run_lists)
