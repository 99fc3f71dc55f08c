// The call lists and the feature pool against their model, on fuzz bytes.
#include "notify/notify_driver.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    colib_test::Input in(data, size);
    colib_test::notify::run_notify(in);
    return 0;
}
