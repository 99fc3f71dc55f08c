// The sets, pointer sets and tables against their model, on fuzz bytes.
#include "hashing/hashing_driver.h"

COLIB_FUZZ_TARGET(hashing_model::run_hashing)
