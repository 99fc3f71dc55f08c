#include "hashing/hashing_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    colib_test::Input in(data, size);
    hashing_model::run_hashing(in);
    return 0;
}
