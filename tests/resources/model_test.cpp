#include <gtest/gtest.h>

#include "resources/resources_driver.h"

TEST(ResourcesModel, SeededRunsMatchTheModel) {
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        colib_test::Input in(seed, 3000);
        run_resources(in);
    }
}
