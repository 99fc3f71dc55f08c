// The hashed arrays, their key sets and the sparse arrays, on fuzz bytes.
#include "paged/hashed_driver.h"

COLIB_FUZZ_TARGET(paged_test::run_hashed)
