// The paged arrays' model driver over the fuzz bytes.
#include "paged/paged_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    colib_test::Input in(data, size);
    paged_test::run_paged(in);
    return 0;
}
