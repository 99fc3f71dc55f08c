// The paged, hashed and sparse arrays against their models over a few fixed
// input streams; the fuzz targets feed the same drivers.
#include <gtest/gtest.h>

#include "paged/hashed_driver.h"

TEST(PagedModel, Seeds) {
    for (uint64_t seed = 1; seed <= 8; ++seed) {
        colib_test::Input in(seed, 12000);
        seed % 2 ? paged_test::run_paged(in) : paged_test::run_hashed(in);
    }
}
