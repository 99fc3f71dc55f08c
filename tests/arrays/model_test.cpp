#include <gtest/gtest.h>

#include "arrays_driver.h"

TEST(ArraysModel, SeededRunsMatchTheModel) {
    colib_test::run_seeds(run_arrays, 8, 40000);
}
