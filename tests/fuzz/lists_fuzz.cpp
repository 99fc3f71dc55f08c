// The lists' driver over the fuzz bytes.
#include "lists/lists_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    colib_test::Input in(data, size);
    colib_test::run_lists(in);
    return 0;
}
