// The arrays driver over fixed seeds, the worked growth figures and the
// golden printouts, one per layout.
#include <gtest/gtest.h>

#include "arrays_driver.h"

using arrays_model::printed;

TEST(ArraysModel, SeededRunsMatchTheModel) {
    colib_test::run_seeds(run_arrays, 8, 40000);
}

TEST(ArraysPinned, GrowthFigures) {
    intcoDynArr d, s10(0, 10), a(10, 4), e(5, 2), big{1, 2, 3, 4}, b;
    for (int i = 0; i < 3; ++i)
        d.append(i);
    s10.append(1);
    a.expand(10), a[25] = 1, e.expand(3), e.expand(8), e.expand(2), big.reserve(1);
    intcoDynArr src(4, 7);
    src.expand(4), b.become(utCOPY, src);
    intcoDynArr c(utCOPY, s10);
    intcoStackFast st(0, 3);
    std::vector<int> caps;
    for (int i = 0; i < 30; ++i)
        st.push(i), caps.push_back(st.array().capacity());
    intcoDynArr2D m, g(4, 4, 2, 3);
    m(2, 5) = 1, g(5, 1) = 1;
    intcoDynArr3D t, u(4, 4, 8, 1, 1, 1);
    t(1, 2, 3) = 1, u.expand(4, 4, 8), u.shrink(2, 1, 5, 1);
    intcoVariableArr v;
    v[3000] = 1;
    // clang-format off
    std::vector<int> got = {d.capacity(), s10.capacity(), c.capacity(), a.capacity(), a.size(),
        e.capacity(), e.size(), big.capacity(), b.capacity(), b.step(), caps[0], caps[3], caps[9],
        caps[29], m.capacity_i(), m.capacity_j(), g.capacity_i(), g.capacity_j(), t.capacity_i(),
        t.capacity_j(), t.capacity_k(), u.capacity_i(), u.capacity_j(), u.capacity_k(), u.k_size(),
        v.block_count(), v.size(), intcoVariableArr::block_mask(3000) & 3000};
    // clang-format on
    EXPECT_EQ(got, (std::vector<int>{3, 10, 10, 26, 26, 9, 8, 4, 4, 7, 3, 6,  12,   33,
                                     3, 6,  6,  4,  2,  3, 4, 2, 1, 5, 5, 10, 3001, 952}));
}

TEST(ArraysPinned, GoldenPrintouts) {
    EXPECT_EQ(printed(intcoDynArr{3, 5}), "coDynArr {\n  size 2\n  3\n  5\n}\n");
    EXPECT_EQ(printed(floatcoDynArr{0.1f}), printed(doublecoDynArr{double(0.1f)}));
    EXPECT_EQ(printed(utStringcoFixedArr{"p", utString()}), "coFixedArr {\n  size 2\n  p\n\n}\n");
    intcoStackFast s;
    s.push(1), s.push(2);
    EXPECT_EQ(printed(s), "coFastStack\ncoDynArr {\n  size 2\n  1\n  2\n}\n");
    EXPECT_EQ(printed(intcoDynArr2D{{1, 2, 3}, {4, 5, 6}}),
              "coDynArr2D {\n  size 3 2\n  1 4 \n  2 5 \n  3 6 \n}\n");
    EXPECT_EQ(printed(intcoFixedArr2D{{1, 2}, {3, 4}, {5, 6}}),
              "coFixedArr2D {\n  size 2 3\n  1 3 5 \n  2 4 6 \n}\n");
    EXPECT_EQ(printed(intcoDynArr3D{{{7}}, {{8}}}), "coDynArr3D {\n  size 1 1 2 \n  7 8 \n\n}\n");
    EXPECT_EQ(printed(charcoVariableArr{'x', 'y'}), "coVariableArr {\n  size 2\n  x\n  y\n}\n");
}

TEST(ArraysPinned, SharedFixedArray) {
    doublecoFixedArrcoPrf a(new doublecoFixedArr{1.5, 2.5}), b = a;
    EXPECT_EQ(b.use_count() * 10 + (*b)[1], 22.5);
    doublecoFixedArr mine(1);
    {
        doublecoFixedArrcoPrf c(coPRF_EXTERN, &mine), d = c;
        EXPECT_EQ(std::shared_ptr<doublecoFixedArr>(d).get(), &mine);
    }
    EXPECT_EQ(mine.size(), 1); // never freed by its holders
}
