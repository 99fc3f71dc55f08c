// Allocation failure in the hashed arrays: a first write that cannot get
// its storage block or its key slot throws std::bad_alloc and leaves the
// array as it was (no half-created index); nothing leaks.
#include <colib/paged/hashed_arr.h>
#include <colib/paged/hashed_arr2d.h>

#include "alloc/legacy.h"

#include <map>
#include <utility>

namespace {
using alloc_injector::for_each_throw;
using HashedAlloc = alloc_injector::NoLeaks;

// The visible state of a one-dimensional array.
std::map<int, int> contents(const intcoHashedArr &a) {
    std::map<int, int> m;
    for (auto [i, v] : a)
        m[i] = v;
    return m;
}

TEST_F(HashedAlloc, FirstWritesFailWithoutAHalfCreatedIndex) {
    intcoHashedArr a;
    // Writes that hit every kind of allocation: the first key table and
    // block, the key table doublings (8th, 16th, ... key) and the second
    // storage block (257th element).
    for (int n = 0; n < 300; ++n) {
        int k = n * 7919 - 1000000;
        auto before = contents(a);
        int slots = a.keys().slot_count();
        int size = a.size();
        int runs = for_each_throw([&] { a[k] = n; },
                                  [&] {
                                      ASSERT_EQ(a.member(k), 0);
                                      ASSERT_EQ(a.count(), n);
                                      ASSERT_EQ(a.storage().size(), n);
                                      ASSERT_EQ(a.size(), size);
                                      ASSERT_EQ(a.keys().slot_count(), slots);
                                      ASSERT_EQ(contents(a), before);
                                  });
        if (n == 0 || n == 7 || n == 15 || n == 256) {
            EXPECT_GE(runs, 1) << n;
        }
        ASSERT_EQ(a.read(k), n);
    }
    // Rewrites allocate nothing.
    EXPECT_EQ(for_each_throw([&] { a[-1000000] = 5; }, [] {}), 0);
    EXPECT_EQ(a.read(-1000000), 5);
}

TEST_F(HashedAlloc, PairWritesFailWithoutAHalfCreatedPair) {
    intcoHashedArr2D a;
    for (int n = 0; n < 20; ++n) {
        int count = a.count();
        int l1 = a.largest_first();
        int l2 = a.largest_second();
        for_each_throw([&] { a[n][100 - n] = n; },
                       [&] {
                           ASSERT_EQ(a.member(n, 100 - n), 0);
                           ASSERT_EQ(a.count(), count);
                           ASSERT_EQ(a.largest_first(), l1);
                           ASSERT_EQ(a.largest_second(), l2);
                       });
        ASSERT_EQ(a.read(n, 100 - n), n);
    }
}

} // namespace
