// The hashing driver over fixed seeds, and what its model cannot vouch for:
// the placement arithmetic and the printouts, pinned.
#include "hashing/hashing_driver.h"

#include <gtest/gtest.h>

namespace {

TEST(Hashing, AgreesWithTheModel) {
    colib_test::run_seeds(hashing_model::run_hashing, 6, 30000);
}

// Hash, home slot of 16 and the one element of a default set, per value.
TEST(Hashing, PinnedArithmetic) {
    const int homes[] = {0, 9, 3, 13, 7, 1, 11, 5, 15};
    for (int h = 0; h < 9; ++h) {
        intcoSet s;
        s.add(h);
        intcoSetcoIterator it(&s);
        EXPECT_TRUE(++it && it.index() == homes[h]) << h;
    }
    doublecoSet zeros{0.0, -0.0}; // equal, but hashes 0 and 80000000: slots 0 and 8
    doublecoSetcoIterator z(&zeros);
    EXPECT_TRUE(++z && z.index() == 0 && ++z && z.index() == 8 && zeros.size() == 2);

    unsigned char b[] = {1, 2, 3, 4, 5};
    EXPECT_EQ(co_hash(b, 4), 0x04030201u);
    EXPECT_EQ(co_hash(b, 5), 0x04030204u);
    EXPECT_EQ(co_hash(b, 0) + co_hash(b, -1) + co_hash(utString()) + co_hash(utString("")), 0u);
    EXPECT_EQ(co_hash(1.0), 0x3FF00000u);
    EXPECT_EQ(co_hash(utString("\x01\x02\x03\x04\x05")), 0x04030204u);
    EXPECT_EQ(co_hash_pointer(reinterpret_cast<void *>(0x100000000ull)), 1u);
    EXPECT_EQ(co_hash(reinterpret_cast<coPointerSetObject *>(0x1234567800000001ull)), 0x12345679u);
    EXPECT_EQ(co_hash(utStringintcoTableP(utString("ab"), 9)), co_hash(utString("ab")));
    EXPECT_EQ(co_hash(intdoublecoTableP(-5, 1.5)), co_hash(-5));
    // Same head, home slot of 16 and tag: only the bytes past the head differ.
    utStringcoSet words{utString("abcdefgh")};
    EXPECT_FALSE(words.member(utString("abcdeare")) || words.member("abcdeare"));

    // Bits after each insertion: 16 -> 32 slots on the 8th element; a
    // rebuild that reaches the load limit again grows again.
    auto bits_after = [](int bits, int load, int n) {
        intcoSet s(bits, load);
        std::vector<int> v;
        for (int i = 1; i <= n; ++i)
            v.push_back((s.add(i), s.bits()));
        return v;
    };
    EXPECT_EQ(bits_after(4, 50, 8), (std::vector<int>{4, 4, 4, 4, 4, 4, 4, 5}));
    EXPECT_EQ(bits_after(0, 50, 1), (std::vector<int>{2}));
    EXPECT_EQ(bits_after(2, 10, 4), (std::vector<int>{4, 5, 5, 6}));
}

TEST(Hashing, Printouts) {
    EXPECT_EQ(hashing_model::printed(intcoSet{1, 2, 3}), "coSet {\n  size 3\n  2\n  1\n  3\n}\n");
    EXPECT_EQ(hashing_model::printed(intcoSet{7}), "coSet {\n  size 1\n  7\n}\n");
    EXPECT_EQ(hashing_model::printed(intintcoTable{{1, 2}, {1, 3}}),
              "coTable {\n  size 1\n  key: 1  item: 2\n}\n");
}

} // namespace
