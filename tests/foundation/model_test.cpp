#include <gtest/gtest.h>

#include "foundation_driver.h"

TEST(FoundationModel, SeededRunsMatchTheModel) {
    colib_test::run_seeds(run_foundation, 4, 60000);
}
