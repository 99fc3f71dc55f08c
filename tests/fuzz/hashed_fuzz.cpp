// The hashed arrays' model driver over the fuzz bytes.
#include "paged/hashed_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    colib_test::Input in(data, size);
    paged_test::run_hashed(in);
    return 0;
}
