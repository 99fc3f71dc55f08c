#include <colib/foundation/prf.h>
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
    using coPrfT::external;
};

TEST(Prf, OwningHoldersDeleteWithTheLastOne) {
    {
        ThingPrf a(new Thing);
        EXPECT_EQ(a.external(), 0);
        ThingPrf b = a;
        EXPECT_EQ(a.use_count(), 2);
        EXPECT_EQ(a.get(), b.get());
        std::shared_ptr<Thing> s = b;
        ThingPrf c(s);
        EXPECT_EQ(c.use_count(), 4);
        a = ThingPrf();
        EXPECT_EQ(Thing::alive, 1);
    }
    EXPECT_EQ(Thing::alive, 0);
}

TEST(Prf, ExternalHoldersNeverDelete) {
    ThingPrf empty;
    EXPECT_FALSE(empty);
    EXPECT_EQ(empty.external(), 0);
    {
        Thing mine;
        {
            ThingPrf a(coPRF_EXTERN, &mine);
            ThingPrf b = a;
            EXPECT_EQ(b.external(), 1);
            EXPECT_EQ(b.get(), &mine);
        }
        EXPECT_EQ(Thing::alive, 1);
    }
    EXPECT_EQ(Thing::alive, 0);
}

} // namespace
