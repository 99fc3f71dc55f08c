#include <gtest/gtest.h>
TEST(Alloc, Smoke) {}
