#include <colib/arrays/stack_fast.h>
#include <gtest/gtest.h>

#include <sstream>

namespace {
template <class S> class StackFastFamily : public ::testing::Test {};
using Members = ::testing::Types<charcoStackFast, intcoStackFast, doublecoStackFast,
                                 utAnycoStackFast, utStringcoStackFast>;
TYPED_TEST_SUITE(StackFastFamily, Members, );

template <class T> T value(int i) {
    if constexpr (std::is_same_v<T, utString>)
        return utString(std::to_string(i));
    else if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<T>(std::uintptr_t(i) * 8);
    else
        return static_cast<T>('0' + i);
}

TYPED_TEST(StackFastFamily, LastInFirstOutOverTheArray) {
    using T = typename TypeParam::value_type;
    TypeParam s;
    EXPECT_TRUE(s.empty());
    for (int i = 1; i <= 3; ++i)
        s.push(value<T>(i));
    // A full stack reserves half as much again (1, 2, 4), in whole steps.
    EXPECT_EQ(s.array().capacity(), 4);
    EXPECT_EQ(s.top(), value<T>(3));
    EXPECT_EQ(s.array()[0], value<T>(1)); // the bottom is index 0
    s.pop();
    EXPECT_EQ(s.size(), 2);
    EXPECT_EQ(s.top(), value<T>(2));
    EXPECT_EQ(s.array().capacity(), 4); // popping keeps the buffer
    for (int i = 3; i <= 5; ++i)
        s.array().append(value<T>(i));
    EXPECT_EQ(s.array().capacity(), 5); // the array's own append: one step of 1
    for (int i = 0; i < 3; ++i)
        s.pop();

    TypeParam copy(utCOPY, s);
    copy.top() = value<T>(9);
    EXPECT_EQ(s.top(), value<T>(2));
    TypeParam other(0, 16);
    other.become(utCOPY, copy);
    EXPECT_EQ(other.size(), 2);
    EXPECT_EQ(other.top(), value<T>(9));
    EXPECT_EQ(other.array().step(), 1); // the source's step comes along
    while (!other.empty())
        other.pop();
    EXPECT_EQ(other.size(), 0);
}
} // namespace

TEST(StackFast, PushGrowsByHalfInWholeSteps) {
    intcoStackFast s(0, 3);
    int growths = 0;
    for (int i = 0; i < 10000; ++i) {
        int before = s.array().capacity();
        s.push(i);
        if (s.array().capacity() != before) {
            ++growths;
            EXPECT_EQ(s.array().capacity() % 3, 0);
            EXPECT_GE(s.array().capacity(), before + before / 2 + 1);
        }
    }
    EXPECT_LE(growths, 25); // 3, 6, 9, 15, 24, ... where one step each would be 3334
    for (int i = 9999; i >= 0; --i) {
        ASSERT_EQ(s.top(), i);
        s.pop();
    }
}

TEST(StackFast, PrintsItsNameThenTheArray) {
    intcoStackFast s;
    s.push(1);
    s.push(2);
    std::ostringstream os;
    os << s;
    EXPECT_EQ(os.str(), "coFastStack\ncoDynArr {\n  size 2\n  1\n  2\n}\n");
    std::ostringstream inner;
    inner << s.array();
    EXPECT_EQ(inner.str(), "coDynArr {\n  size 2\n  1\n  2\n}\n");
}

TEST(StackFastDeathTest, EmptyStackHasNoTop) {
#if COLIB_HARDENED
    intcoStackFast s;
    EXPECT_DEATH(s.pop(), "colib: intcoStackFast::pop: the stack is empty");
    EXPECT_DEATH(s.top(), "colib: intcoStackFast::top: the stack is empty");
#else
    GTEST_SKIP() << "contract checks are off in this build";
#endif
}
