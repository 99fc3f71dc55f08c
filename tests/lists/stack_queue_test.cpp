#include <colib/lists/slist.h>
#include <colib/lists/stack_queue.h>
#include <gtest/gtest.h>

#include <sstream>
#include <type_traits>

namespace {

// The internal lists are types of their own.
static_assert(!std::is_same<intcoStackINTERNALcoSListB, intcoQueueINTERNALcoSListB>::value, "");
static_assert(!std::is_base_of<intcoSListB, intcoStackINTERNALcoSListB>::value, "");
static_assert(std::is_base_of<intcoStackINTERNALcoSListBcoIterator,
                              intcoStackINTERNALcoSListBcoCursor>::value,
              "");

TEST(StackQueue, LastInFirstOutAndFirstInFirstOut) {
    intcoStack s{1, 2, 3};
    EXPECT_EQ(s.size(), 3);
    EXPECT_EQ(s.top(), 3);
    s.pop();
    EXPECT_EQ(s.top(), 2);
    EXPECT_EQ(s.push(9), 1);
    EXPECT_EQ(s.top(), 9);
    intcoStack t(utCOPY, s);
    s.clear();
    EXPECT_EQ(s.empty(), 1);
    EXPECT_EQ(t.size(), 3);
    EXPECT_EQ(s.push(4), 1);
    EXPECT_EQ(&s.list().first_item(), &s.list().last_item());
    s.become(utCOPY, t);
    intcoStackINTERNALcoSListBcoIterator it(&s.list());
    std::vector<int> seen;
    while (++it)
        seen.push_back(it());
    EXPECT_EQ(seen, (std::vector<int>{9, 2, 1}));

    utStringcoQueue q{"a", "b"};
    EXPECT_EQ(q.head(), utString("a"));
    EXPECT_EQ(q.tail(), utString("b"));
    EXPECT_EQ(q.append("c"), 1);
    EXPECT_EQ(q.push("d"), 1);
    q.pop();
    EXPECT_EQ(q.head(), utString("b"));
    EXPECT_EQ(q.tail(), utString("d"));
    EXPECT_EQ(q.size(), 3);
    utStringcoQueue r = q;
    q.pop();
    EXPECT_EQ(r.head(), utString("b"));
}

TEST(StackQueue, Prints) {
    std::ostringstream os;
    intcoStack s{1, 2, 3};
    os << s;
    EXPECT_EQ(os.str(), "coStack\n{\n  size 3\n  3\n  2\n  1\n}\n");
    os.str("");
    intcoQueue q{1, 2, 3};
    os << q;
    EXPECT_EQ(os.str(), "coQueue \n{\n  size 3\n  1\n  2\n  3\n}\n");
    os.str("");
    os << q.list();
    EXPECT_EQ(os.str(), "{\n  size 3\n  1\n  2\n  3\n}\n");
    os.str("");
    charcoStack c{'a'};
    doublecoQueue d{0.25};
    utAnycoStack p{nullptr};
    os << c << d << p;
    EXPECT_EQ(os.str(), "coStack\n{\n  size 1\n  a\n}\ncoQueue \n{\n  size 1\n  0.25\n}\n"
                        "coStack\n{\n  size 1\n  0x0\n}\n");
}

#if COLIB_HARDENED
TEST(StackQueueDeath, TakingFromAnEmptyOne) {
    intcoStack s;
    EXPECT_DEATH(s.pop(), "colib: intcoStack::pop: empty stack");
    EXPECT_DEATH(s.top(), "colib: intcoStack::top: empty stack");
    doublecoQueue q;
    EXPECT_DEATH(q.pop(), "colib: doublecoQueue::pop: empty queue");
    EXPECT_DEATH(q.head(), "colib: doublecoQueue::head: empty queue");
    EXPECT_DEATH(q.tail(), "colib: doublecoQueue::tail: empty queue");
}
#endif

} // namespace
