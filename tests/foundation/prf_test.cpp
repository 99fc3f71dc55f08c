#include <colib/arrays/fixed_arr.h>
#include <colib/foundation/prf.h>
#include <colib/hashing/set.h>
#include <gtest/gtest.h>

namespace {

struct Thing {
    static int alive;
    Thing() { ++alive; }
    ~Thing() { --alive; }
};
int Thing::alive = 0;
class ThingPrf : public coPrfT<ThingPrf, Thing> {
public:
    using coPrfT::coPrfT;
};

// Each holder reaches its protected external(), as a derived class may.
template <class P> struct Probe : P {
    using P::P;
    int is_external() const { return this->external(); }
};
template <class P> class Holders : public ::testing::Test {};
using Members = ::testing::Types<ThingPrf, doublecoFixedArrcoPrf, intcoSetcoPrf>;
TYPED_TEST_SUITE(Holders, Members, );

TYPED_TEST(Holders, OwnOrBorrowTheirObject) {
    using P = Probe<TypeParam>;
    using T = typename TypeParam::element_type;
    P none;
    EXPECT_FALSE(none);
    EXPECT_EQ(none.is_external() + none.use_count(), 0);

    std::weak_ptr<T> watch;
    {
        P a(new T);
        TypeParam b = a;
        EXPECT_EQ(a.use_count(), 2);
        EXPECT_EQ(a.is_external(), 0);
        std::shared_ptr<T> p = b;
        watch = p;
        EXPECT_EQ(p.get(), a.get());
        EXPECT_EQ(&*b, a.get());
        P c(p);
        EXPECT_EQ(c.use_count(), 4);
        a = P();
        EXPECT_FALSE(watch.expired());
    }
    EXPECT_TRUE(watch.expired()); // deleted with the last holder

    int alive = Thing::alive;
    {
        T mine;
        {
            P c(coPRF_EXTERN, &mine);
            P d = c;
            EXPECT_EQ(d.is_external(), 1);
            EXPECT_EQ(d.operator->(), &mine);
        }
        EXPECT_EQ(Thing::alive, alive + (std::is_same_v<T, Thing>)); // still alive
    }
    EXPECT_EQ(Thing::alive, alive);
}

TEST(Holders, ReachTheContainer) {
    doublecoFixedArrcoPrf a(new doublecoFixedArr{1.5, 2.5});
    EXPECT_EQ((*a)[1], 2.5);
    intcoSetcoPrf s(new intcoSet{1, 2}), t = s;
    t->add(3);
    EXPECT_EQ(s->size(), 3);
}

} // namespace
