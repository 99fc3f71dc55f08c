#include <colib/arrays/stack_fast.h>
#include <gtest/gtest.h>

#include "support/values.h"

namespace {
using namespace colib_test;

template <class S> class StackFastFamily : public ::testing::Test {};
using Members = ::testing::Types<charcoStackFast, intcoStackFast, doublecoStackFast,
                                 utAnycoStackFast, utStringcoStackFast>;
TYPED_TEST_SUITE(StackFastFamily, Members, );

TYPED_TEST(StackFastFamily, LastInFirstOutOverTheArray) {
    using T = typename TypeParam::value_type;
    TypeParam s;
    EXPECT_TRUE(s.empty());
    for (int i = 1; i <= 3; ++i)
        s.push(value<T>(i));
    EXPECT_EQ(s.array().capacity(), 3); // the default array grows one slot per push
    EXPECT_EQ(s.top(), value<T>(3));
    EXPECT_EQ(s.array()[0], value<T>(1)); // the bottom is index 0
    s.pop();
    EXPECT_EQ(s.size(), 2);
    EXPECT_EQ(s.top(), value<T>(2));
    EXPECT_EQ(s.array().capacity(), 3); // popping keeps the buffer

    TypeParam copy(utCOPY, s), other(0, 16);
    copy.top() = value<T>(9);
    EXPECT_EQ(s.top(), value<T>(2));
    other.become(utCOPY, copy);
    EXPECT_EQ(other.size(), 2);
    EXPECT_EQ(other.top(), value<T>(9));
    EXPECT_EQ(other.array().step(), 1); // the source's step comes along
    while (!other.empty())
        other.pop();
    EXPECT_EQ(other.size(), 0);
}

TEST(StackFast, PrintsItsNameThenTheArray) {
    intcoStackFast s;
    s.push(1);
    s.push(2);
    EXPECT_EQ(printed(s), "coFastStack\ncoDynArr {\n  size 2\n  1\n  2\n}\n");
    EXPECT_EQ(printed(s.array()), "coDynArr {\n  size 2\n  1\n  2\n}\n");
}

TEST(StackFastDeathTest, EmptyStackHasNoTop) {
    intcoStackFast s;
    expect_deaths("intcoStackFast::", {{[&] { s.pop(); }, "pop: the stack is empty"},
                                       {[&] { s.top(); }, "top: the stack is empty"}});
}

} // namespace
