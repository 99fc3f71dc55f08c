// The contiguous arrays and the sorters against their model, on fuzz bytes.
#include "arrays/arrays_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    colib_test::Input in(data, size);
    run_arrays(in);
    return 0;
}
