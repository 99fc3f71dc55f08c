#include <gtest/gtest.h>

#include "resources/resources_driver.h"

TEST(ResourcesModel, SeededRunsMatchTheModel) {
    colib_test::run_seeds(run_resources, 12, 3000);
}
