#include <gtest/gtest.h>

#include "foundation_driver.h"

TEST(FoundationModel, SeededRunsMatchTheModel) {
    for (uint64_t seed : {1, 2, 3, 4}) {
        colib_test::Input in(seed, 60000);
        run_foundation(in);
    }
}
