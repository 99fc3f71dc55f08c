#include "resources/resources_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    colib_test::Input in(data, size);
    run_resources(in);
    return 0;
}
