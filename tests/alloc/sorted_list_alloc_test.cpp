// Allocation failure in the sorted lists: add throws std::bad_alloc and
// leaves the list as it was.
#include <colib/lists/sorted_list.h>
#include <gtest/gtest.h>

#include <vector>

#include "alloc/alloc_injector.h"

namespace {

TEST(SortedListAlloc, AddThrowsAndChangesNothing) {
    long before = alloc_injector::live();
    {
        utStringcoSortedList l{"b", "a"};
        std::vector<utString> snapshot(l.begin(), l.end());
        int runs = alloc_injector::for_each_failure(
            [&] {
                try {
                    l.add("a");
                    return true;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [&] { EXPECT_EQ(std::vector<utString>(l.begin(), l.end()), snapshot); });
        EXPECT_GE(runs, 1);
        EXPECT_EQ(l.size(), 3);
    }
    EXPECT_EQ(alloc_injector::live(), before);
}
} // namespace
