// The paged, hashed and sparse arrays against their models over a few fixed
// input streams; the fuzz targets feed the same drivers.
#include <gtest/gtest.h>

#include "paged/paged_driver.h"

TEST(PagedModel, Seeds) {
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        colib_test::Input in(seed, 20000);
        paged_test::run_paged(in);
    }
}
