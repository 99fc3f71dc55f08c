// The strings, conversions and numeric helpers against their model, on fuzz
// bytes.
#include "foundation/foundation_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    colib_test::Input in(data, size);
    run_foundation(in);
    return 0;
}
