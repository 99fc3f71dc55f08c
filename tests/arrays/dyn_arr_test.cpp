#include <colib/arrays/dyn_arr.h>
#include <gtest/gtest.h>
TEST(DynArr, Smoke) { intcoDynArr a; a.append(1); EXPECT_EQ(a.size(), 1); }
