// The lists' driver over a few fixed streams.
#include "lists/lists_driver.h"

#include <gtest/gtest.h>

TEST(ListsModel, EveryMemberAgainstItsModel) {
    for (uint64_t seed : {1, 2, 3, 4, 5, 6}) {
        colib_test::Input in(seed, 1 << 16);
        while (!in.done())
            colib_test::run_lists(in);
    }
}
