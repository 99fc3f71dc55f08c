#include <colib/arrays/prg_array.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <type_traits>

static_assert(sizeof(intcoPrgArray) == sizeof(int *), "a handle is one pointer");
static_assert(!std::is_copy_constructible_v<intcoPrgArray>, "handles are not copyable");
static_assert(std::is_nothrow_move_constructible_v<doublecoPrgArray>, "handles move");

TEST(PrgArray, OwnershipMovesReleasesAndSwaps) {
    intcoPrgArray empty;
    EXPECT_EQ(empty.release(), nullptr);
    empty.reset();
    empty.reset();

    int *raw = new int[4]{1, 2, 3, 4};
    intcoPrgArray a(raw);
    EXPECT_EQ(a.get(), raw);
    a = new int[2]; // releases raw (ASan would see a leak or a double free)
    int *back = a.release();
    EXPECT_FALSE(a);
    delete[] back;

    charcoPrgArray full(new char[8]), none;
    full.swap(none);
    EXPECT_EQ(full.get(), nullptr);
    EXPECT_NE(none.get(), nullptr);
    charcoPrgArray moved(std::move(none));
    EXPECT_EQ(none.get(), nullptr);
    EXPECT_TRUE(moved);
    coBytecoPrgArray bytes(new coByte[3]);
    bytes = coBytecoPrgArray(new coByte[5]);
    boolcoPrgArray flags;
    flags.become(new bool[1]);
}

TEST(PrgArrayDeathTest, BecomingTheHeldArrayAborts) {
    doublecoPrgArray h(new double[2]);
    colib_test::expect_deaths(
        "doublecoPrgArray::",
        {{[&] { h.become(h.get()); }, "become: the handle already owns this array"}});
}
