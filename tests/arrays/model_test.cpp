#include <gtest/gtest.h>

#include "arrays_driver.h"

TEST(ArraysModel, SeededRunsMatchTheModel) {
    for (uint64_t seed : {1, 2, 3, 4, 5, 6}) {
        colib_test::Input in(seed, 6000);
        run_arrays(in);
    }
}
