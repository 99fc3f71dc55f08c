#include <gtest/gtest.h>

#include "arrays_driver.h"

TEST(ArraysModel, SeededRunsMatchTheModel) {
    for (uint64_t seed : {1, 2, 3, 4, 5, 6, 7, 8}) {
        colib_test::Input in(seed, 40000);
        run_arrays(in);
    }
}
