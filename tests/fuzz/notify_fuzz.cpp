// The call lists and the feature pool against their model, on fuzz bytes.
#include "notify/notify_driver.h"

COLIB_FUZZ_TARGET(colib_test::notify::run_notify)
