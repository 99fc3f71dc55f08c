#include <colib/foundation/buffer_guard.h>
#include <colib/foundation/types.h>
#include <gtest/gtest.h>

TEST(Numeric, MixedSignComparisonAndCast) {
    using IU = utNumericHelper<int, utUInt64, true, false>;
    using UI = utNumericHelper<utUInt64, int, false, true>;
    EXPECT_TRUE(IU::less(-1, 0));
    EXPECT_FALSE(IU::greater(-1, 0));
    EXPECT_TRUE(IU::greater(5, 4));
    EXPECT_TRUE(UI::greater(0, -1));
    EXPECT_FALSE(UI::less(0, -1));
    EXPECT_TRUE(UI::less(3, 4));
    EXPECT_TRUE(ut_compare(-1) < utUInt64(0));
    EXPECT_TRUE(ut_compare(utUInt64(1) << 40) > 7);

    bool flag = false;
    EXPECT_EQ((ut_numeric_cast<int, utUInt64>(2147483648ull, flag)), -2147483647 - 1);
    EXPECT_TRUE(flag);
    EXPECT_EQ((ut_numeric_cast<int, utUInt64>(2147483647ull, flag)), 2147483647);
    EXPECT_FALSE(flag);
    ut_numeric_cast<utUInt64, int>(-1, flag);
    EXPECT_TRUE(flag);
    EXPECT_EQ((ut_numeric_cast<utUInt64, int>(9, flag)), 9u);
    EXPECT_FALSE(flag);

    EXPECT_EQ(utMath::max(-3, 2), 2);
    EXPECT_EQ(utMath::min(-3, 2), -3);
    EXPECT_EQ(utMath::max_double(), 1.7976931348623157e308);
    EXPECT_EQ(utMath::min_int(), -2147483647 - 1);
}

TEST(BufferGuard, CopiesOnlyInsideTheGuardedBuffer) {
    int buffer[5] = {0, 0, 0, 0, 9};
    const int src[5] = {1, 2, 3, 4, 5};
    coBufferGuard<int, 1> guard(buffer, 4);
    EXPECT_EQ(guard.count(), 4u);
    guard.copy(buffer, src, 5);
    guard.copy(buffer, nullptr, 4);
    guard.copy(buffer + 1, src, 4);
    coBufferGuard<int, 1>(buffer + 1, 3).copy(buffer, src, 1); // starts before the guarded part
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 0);
    guard.copy(buffer, src, 4);
    EXPECT_EQ(buffer[3], 4);
    EXPECT_EQ(buffer[4], 9);
    guard.copy(buffer + 4, src, 0); // an empty range at the end fits
    EXPECT_EQ((coBufferGuard<int, 1>::convert(-5)), 0u);
    EXPECT_EQ((coBufferGuard<int, 1>(buffer, -1).count()), 0u);

    utString strings[3];
    const utString words[2] = {"x", "y"};
    coBufferGuard<utString, 0>(strings, 3).copy(strings + 1, words, 2);
    EXPECT_TRUE(strings[0].invalid());
    EXPECT_STREQ(strings[2], "y");
    EXPECT_EQ(words[1].ref().use_count(), 2);
}
