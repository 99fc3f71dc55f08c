// The paged, hashed and sparse arrays against their models over a few fixed
// input streams; the fuzz targets feed the same drivers.
#include <gtest/gtest.h>

#include "paged/hashed_driver.h"

TEST(PagedModel, Seeds) {
    colib_test::run_seeds(paged_test::run_paged, 4, 12000);
    colib_test::run_seeds(paged_test::run_hashed, 4, 12000);
}
