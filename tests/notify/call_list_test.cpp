#include <colib/notify/call_list.h>
#include <colib/notify/typed_call.h>

#include "support/values.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// What the calls saw, in order: "<receiver name>:<function>".
std::vector<std::string> calls_made;

struct Named : coReceiver {
    explicit Named(std::string n, int limit = 1) : coReceiver(limit), name(std::move(n)) {}
    std::string name;
};

Named *named(void *r) {
    return static_cast<Named *>(static_cast<coReceiver *>(r));
}
void note(void *r, const char *fn) {
    calls_made.push_back(named(r)->name + ":" + fn);
}
void fn0(void *r) {
    note(r, "fn0");
}
void fn1(void *r, void *) {
    note(r, "fn1");
}
void fn1b(void *r, void *) {
    note(r, "fn1b");
}
void fn2(void *r, void *, void *) {
    note(r, "fn2");
}

template <class F> void (*untyped(F f))(void) {
    return reinterpret_cast<void (*)(void)>(f);
}

coCallFunc *reg(coCallReason why, coReceiver *r, coSender &s, void (*f)(void), int kind) {
    auto *c = new coCallFunc(why, r, &s, f, kind);
    s.calls().add(c);
    return c;
}

class CallList : public ::testing::Test {
protected:
    void SetUp() override { calls_made.clear(); }
    void TearDown() override { coCallList::detect_multiple_sets(nullptr); }
    std::vector<std::string> take() { return std::exchange(calls_made, {}); }
};
using Calls = std::vector<std::string>;

TEST_F(CallList, ReasonsTakeConsecutiveIds) {
    coCallReason a, b;
    EXPECT_EQ(b.id(), a.id() + 1);
    EXPECT_EQ(a == b, 0);
    coCallReason c = a;
    EXPECT_EQ(c == a, 1);
    EXPECT_GE(a.id(), 1);
}

// Each apply reaches only its own kind and reason, only active
// registrations, newest first.
TEST_F(CallList, ApplyMatchesKindReasonAndActivity) {
    coCallReason why, other;
    coSender s(1);
    Named a("a"), b("b");
    reg(why, &a, s, untyped(fn0), 0);
    reg(why, &a, s, untyped(fn1), 1);
    reg(why, &b, s, untyped(fn2), 2);
    reg(other, &b, s, untyped(fn1), 1);
    reg(why, &b, s, untyped(fn1b), 1); // newest

    coCBData data;
    s.send_calls(why, data);
    EXPECT_EQ(take(), (Calls{"b:fn1b", "a:fn1"}));
    s.calls().apply(why);
    EXPECT_EQ(take(), (Calls{"a:fn0"}));
    int x = 0;
    s.calls().apply(why, &x, &x);
    EXPECT_EQ(take(), (Calls{"b:fn2"}));
    s.calls().apply(other, &x);
    EXPECT_EQ(take(), (Calls{"b:fn1"}));

    b.set_receiving(0);
    s.calls().apply(why, &x);
    EXPECT_EQ(take(), (Calls{"a:fn1"}));
    b.set_receiving(1);
    s.set_sending(0);
    s.send_calls(why, data);
    EXPECT_TRUE(take().empty());

    // The registration's own apply tests kind and reason, not activity.
    coCallFunc lone(why, &a, nullptr, untyped(fn1), 1);
    EXPECT_EQ(lone.active(), 0);
    lone.apply(why);
    lone.apply(other, &x);
    lone.apply(why, &x);
    EXPECT_EQ(take(), (Calls{"a:fn1"}));
}

// A receiver destroyed makes its registrations inactive in every sender at
// once; each sender collects by its own garbage limit.
TEST_F(CallList, ReceiverDropsAreCollectedByTheSendersLimit) {
    coCallReason why;
    coSender every(1), never(0), second(2);
    Named keep("keep");
    coCBData data;
    for (int round = 0; round < 2; ++round) {
        auto gone = std::make_unique<Named>("gone");
        for (coSender *s : {&every, &never, &second}) {
            reg(why, gone.get(), *s, untyped(fn1), 1);
            if (round == 0) reg(why, &keep, *s, untyped(fn1), 1);
        }
        EXPECT_EQ(gone->count_registrations(), 3);
        gone.reset();
        for (coSender *s : {&every, &never, &second}) {
            s->send_calls(why, data);
            EXPECT_EQ(take(), (Calls{"keep:fn1"}));
        }
        EXPECT_EQ(every.calls().count_registrations(), 1);
        EXPECT_EQ(never.calls().count_registrations(), 2 + round);
        EXPECT_EQ(second.calls().count_registrations(), round == 0 ? 2 : 1);
        EXPECT_EQ(second.garbage_count(), round == 0 ? 1 : 0);
    }
    never.calls().sender_garbage_collect();
    EXPECT_EQ(never.calls().count_registrations(), 1);
    EXPECT_EQ(keep.count_registrations(), 3);
}

struct CountingHook : coCBReceiveMultipleSets {
    std::vector<int> told;
    int receive_multiple_sets(int count) override {
        told.push_back(count);
        return 0;
    }
};

TEST_F(CallList, HookIsToldTheCountOfEqualRegistrations) {
    coCallReason why;
    coSender s(0);
    Named a("a");
    CountingHook hook;
    reg(why, &a, s, untyped(fn0), 0); // before the hook: not counted
    coSender::detect_multiple_sets(&hook);
    EXPECT_EQ(coCallList::multiple_sets_hook(), &hook);
    reg(why, &a, s, untyped(fn0), 0);
    reg(why, &a, s, untyped(fn1), 1);
    reg(why, &a, s, untyped(fn0), 0);
    EXPECT_EQ(hook.told, (std::vector<int>{2, 3}));
    s.calls().apply(why); // duplicates are registered all the same
    EXPECT_EQ(take().size(), 3u);
    coCallList::detect_multiple_sets(nullptr);
    reg(why, &a, s, untyped(fn0), 0);
    EXPECT_EQ(hook.told.size(), 2u);
}

// ---- calls that change the list they are called from -------------------

struct Scene {
    coCallReason why;
    std::unique_ptr<coSender> sender = std::make_unique<coSender>(1);
    std::vector<std::unique_ptr<Named>> receivers;
    Named *make(const std::string &name, int limit = 1) {
        receivers.push_back(std::make_unique<Named>(name, limit));
        return receivers.back().get();
    }
    void destroy(std::string name) { // by value: it may be the name of the one destroyed
        for (auto &r : receivers)
            if (r && r->name == name) r.reset();
    }
};
Scene *scene;

void destroy_self(void *r) {
    note(r, "destroy_self");
    scene->destroy(named(r)->name);
}
void destroy_c(void *r) {
    note(r, "destroy_c");
    scene->destroy("c");
}
void destroy_sender(void *r) {
    note(r, "destroy_sender");
    scene->sender.reset();
}
void clear_sender(void *r) {
    note(r, "clear_sender");
    scene->sender->calls().sender_clear();
}
void drop_b(void *r) {
    note(r, "drop_b");
    for (auto &x : scene->receivers)
        if (x && x->name == "b") scene->sender->calls().remove_matching_receiver(x.get());
}
void nested(void *r) {
    static int depth = 0;
    note(r, "nested");
    if (depth++ == 0) {
        scene->sender->calls().apply(scene->why, r); // kind 1: none here
        scene->sender->calls().apply(scene->why);
    }
    --depth;
}
void add_more(void *r) {
    note(r, "add_more");
    reg(scene->why, named(r), *scene->sender, untyped(fn0), 0);
}

// Calls run newest first; the list is c, b, a from front to back when
// registered a, b, c. fn is registered for a (called last) or as given.
void run_scene(Scene &s, void (*first)(void *), int garbage_limit_of_a = 1) {
    scene = &s;
    Named *a = s.make("a", garbage_limit_of_a), *b = s.make("b"), *c = s.make("c");
    reg(s.why, a, *s.sender, untyped(fn0), 0);
    reg(s.why, c, *s.sender, untyped(fn0), 0);
    reg(s.why, b, *s.sender, untyped(first), 0);
    reg(s.why, c, *s.sender, untyped(fn0), 0);
    // front to back: c:fn0, b:first, c:fn0, a:fn0
    s.sender->calls().apply(s.why);
}

TEST_F(CallList, CallsMayDestroyTheirOwnReceiver) {
    for (int limit : {0, 1, 2}) {
        Scene s;
        s.sender = std::make_unique<coSender>(limit);
        run_scene(s, destroy_self);
        EXPECT_EQ(take(), (Calls{"c:fn0", "b:destroy_self", "c:fn0", "a:fn0"}));
        // b's registration is left; a collection it caused waits for the
        // walk to end.
        EXPECT_EQ(s.sender->calls().walking(), 0);
        EXPECT_EQ(s.sender->calls().count_registrations(), limit == 1 ? 3 : 4);
        s.sender->calls().apply(s.why);
        EXPECT_EQ(take(), (Calls{"c:fn0", "c:fn0", "a:fn0"}));
    }
}

TEST_F(CallList, CallsMayDestroyAReceiverLaterInTheList) {
    Scene s;
    run_scene(s, destroy_c);
    EXPECT_EQ(take(), (Calls{"c:fn0", "b:destroy_c", "a:fn0"}));
    EXPECT_EQ(s.sender->calls().count_registrations(), 2); // collected at the walk's end
    for (coCallFunc *f : s.sender->calls())
        ASSERT_NE(f, nullptr);
}

TEST_F(CallList, CallsMayDestroyTheSender) {
    Scene s;
    run_scene(s, destroy_sender);
    EXPECT_EQ(take(), (Calls{"c:fn0", "b:destroy_sender"}));
    EXPECT_EQ(s.sender, nullptr);
    for (auto &r : s.receivers) {
        EXPECT_EQ(r->count_registrations(), 0) << r->name; // limit 1: collected
    }
}

TEST_F(CallList, CallsMayClearOrDropFromTheList) {
    {
        Scene s;
        run_scene(s, clear_sender);
        EXPECT_EQ(take(), (Calls{"c:fn0", "b:clear_sender"}));
        EXPECT_TRUE(s.sender->calls().empty());
        for (auto &r : s.receivers)
            EXPECT_EQ(r->count_registrations(), 0);
    }
    {
        Scene s;
        run_scene(s, drop_b);
        EXPECT_EQ(take(), (Calls{"c:fn0", "b:drop_b", "c:fn0", "a:fn0"}));
        EXPECT_EQ(s.sender->calls().count_registrations(), 3);
        EXPECT_EQ(s.receivers[1]->count_registrations(), 1); // b still holds it
    }
}

TEST_F(CallList, NestedWalksAndAdditionsDuringAWalk) {
    {
        Scene s;
        run_scene(s, nested);
        EXPECT_EQ(take(), (Calls{"c:fn0", "b:nested", "c:fn0", "b:nested", "c:fn0", "a:fn0",
                                 "c:fn0", "a:fn0"}));
    }
    {
        Scene s;
        run_scene(s, add_more);
        EXPECT_EQ(take(), (Calls{"c:fn0", "b:add_more", "c:fn0", "a:fn0"}));
        s.sender->calls().apply(s.why);
        EXPECT_EQ(take(), (Calls{"b:fn0", "c:fn0", "b:add_more", "c:fn0", "a:fn0"}));
    }
}

// A call that throws ends the walk cleanly: the list is settled and can be
// walked again.
bool throw_once = false;
void throw_after_destroying_c(void *r) {
    destroy_c(r);
    if (std::exchange(throw_once, false)) throw 42;
}
TEST_F(CallList, ACallThatThrowsLeavesTheListSettled) {
    Scene s;
    throw_once = true;
    EXPECT_THROW(run_scene(s, throw_after_destroying_c), int);
    EXPECT_EQ(s.sender->calls().walking(), 0);
    EXPECT_EQ(s.sender->calls().count_registrations(), 2);
    take();
    s.sender->calls().apply(s.why);
    EXPECT_EQ(take(), (Calls{"b:destroy_c", "a:fn0"}));
}

// ---- typed registration --------------------------------------------------

struct Base {
    virtual ~Base() = default;
    int pad = 0;
};
// coReceiver is not the first base: its subobject is not at offset 0.
struct View : Base, coReceiver {
    View() : coReceiver(1) {}
    int seen = 0;
    int last = 0;
};
struct Change : coCBData {
    int value = 0;
};
struct Other {
    int value = 0;
};
void on_none(View *v) noexcept {
    v->seen += 1;
}
void on_change(View *v, const Change *c) {
    v->seen += 1;
    v->last = c->value;
}
void on_two(View *v, Other *a, int *b) {
    v->seen += 1;
    v->last = a->value + *b;
}
void wrong_first(int *, Change *) {}
void too_many(View *, int *, int *, int *) {}

static_assert(co_is_call_target<on_none>);
static_assert(co_is_call_target<on_change>);
static_assert(co_is_call_target<&on_two>);
static_assert(!co_is_call_target<wrong_first>);
static_assert(!co_is_call_target<too_many>);

TEST_F(CallList, TypedRegistrationDeducesKindAndConvertsPointers) {
    coCallReason why;
    coSender s(1);
    View v;
    EXPECT_EQ(std::unique_ptr<coCallFunc>(co_make_call<on_none>(why, &v, &s))->kind(), 0);
    s.calls().add(co_make_call<on_none>(why, &v, &s));
    EXPECT_EQ(co_register<on_change>(why, &v, &s)->kind(), 1);
    EXPECT_EQ(co_register<on_two>(why, &v, &s)->kind(), 2);

    Change c;
    c.value = 5;
    s.send_calls(why, c);
    EXPECT_EQ(v.seen, 1);
    EXPECT_EQ(v.last, 5);
    s.calls().apply(why);
    EXPECT_EQ(v.seen, 2);
    Other o;
    o.value = 3;
    int four = 4;
    s.calls().apply(why, &o, &four);
    EXPECT_EQ(v.seen, 3);
    EXPECT_EQ(v.last, 7);
}

// ---- contract checks ------------------------------------------------------

void walk_from_another_thread(void *) {
    std::thread t([] { scene->sender->calls().apply(scene->why); });
    t.join();
}

TEST(CallListDeathTest, ContractViolationsAbortWithTheirName) {
    coCallReason why;
    coSender s(0), t(0);
    Named a("a");
    coCallFunc *f = new coCallFunc(why, &a, &s, untyped(fn0), 0);
    s.calls().add(f);
    colib_test::expect_deaths(
        "coCallList::add: ",
        {
            {[&] { s.calls().add(new coCallFunc(why, nullptr, &s, untyped(fn0), 0)); },
             "registration without a receiver"},
            {[&] { s.calls().add(new coCallFunc(why, &a, nullptr, untyped(fn0), 0)); },
             "registration without a sender"},
            {[&] { s.calls().add(f); }, "registration 0x[0-9a-f]+ added twice"},
            {[&] { t.calls().add(new coCallFunc(why, &a, &s, untyped(fn0), 0)); },
             "not the calls\\(\\) of the registration's sender"},
        });
#if COLIB_HARDENED
    EXPECT_DEATH(
        {
            Scene sc;
            scene = &sc;
            reg(sc.why, sc.make("b"), *sc.sender, untyped(walk_from_another_thread), 0);
            sc.sender->calls().apply(sc.why);
        },
        "colib: coCallList::apply: list is being walked by another thread");
#endif
}

} // namespace
