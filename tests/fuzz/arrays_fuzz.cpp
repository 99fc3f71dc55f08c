// The contiguous arrays and the sorters against their model, on fuzz bytes.
#include "arrays/arrays_driver.h"

COLIB_FUZZ_TARGET(run_arrays)
