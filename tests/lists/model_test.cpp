// The lists' driver over a few fixed streams.
#include "lists/lists_driver.h"

#include <gtest/gtest.h>

TEST(ListsModel, EveryMemberAgainstItsModel) {
    colib_test::run_seeds(
        [](colib_test::Input &in) {
            while (!in.done())
                colib_test::run_lists(in);
        },
        6, 1 << 16);
}
