// The call lists and the feature pool under allocation failure, and the
// randomized model of the call lists, whose last check is that every
// registration was freed exactly once (the injector's live count comes back
// to where it started; a second free is ASan's to report).
#include <colib/notify/call_list.h>
#include <colib/notify/feature_pool.h>
#include <colib/notify/typed_call.h>

#include "alloc/alloc_injector.h"

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {
using alloc_injector::for_each_throw;
using NotifyAlloc = alloc_injector::NoLeaks;

// ---- call lists -------------------------------------------------------------

struct Recv : coReceiver {
    Recv(int id_, int limit) : coReceiver(limit), id(id_) {}
    int id;
};

struct Call {
    int receiver, fn, kind;
    bool operator==(const Call &o) const {
        return receiver == o.receiver && fn == o.fn && kind == o.kind;
    }
};
std::vector<Call> *calls_seen;

void seen(void *r, int fn, int kind) {
    calls_seen->push_back({static_cast<Recv *>(static_cast<coReceiver *>(r))->id, fn, kind});
}
template <int I> void call0(void *r) {
    seen(r, I, 0);
}
template <int I> void call1(void *r, void *) {
    seen(r, I, 1);
}
template <int I> void call2(void *r, void *, void *) {
    seen(r, I, 2);
}
using Untyped = void (*)(void);
template <class F> Untyped untyped(F f) {
    return reinterpret_cast<Untyped>(f);
}
const Untyped fns[3][2] = {{untyped(call0<0>), untyped(call0<1>)},
                           {untyped(call1<0>), untyped(call1<1>)},
                           {untyped(call2<0>), untyped(call2<1>)}};

void call_typed(Recv *r) {
    seen(r, 9, 0);
}

std::vector<coCallFunc *> walk(const coCallList &l) {
    return std::vector<coCallFunc *>(l.begin(), l.end());
}

TEST_F(NotifyAlloc, AddThatCannotLinkChangesNothing) {
    coCallReason why;
    coSender s(0);
    Recv r(1, 0);
    s.calls().add(new coCallFunc(why, &r, &s, fns[0][0], 0));
    const auto sender_before = walk(s.calls()), receiver_before = walk(r);
    auto *f = new coCallFunc(why, &r, &s, fns[0][1], 0);
    int failures = for_each_throw([&] { s.calls().add(f); },
                                  [&] {
                                      EXPECT_EQ(walk(s.calls()), sender_before);
                                      EXPECT_EQ(walk(r), receiver_before);
                                  });
    EXPECT_EQ(failures, 2); // the sender's link, then the receiver's
    EXPECT_EQ(s.calls().count_registrations(), 2);

    // The typed helper frees what it made when it cannot register it.
    failures = for_each_throw([&] { co_register<call_typed>(why, &r, &s); },
                              [&] {
                                  EXPECT_EQ(s.calls().count_registrations(), 2);
                                  EXPECT_EQ(r.count_registrations(), 2);
                              });
    EXPECT_EQ(failures, 3);
}

// ---- feature pool -------------------------------------------------------------

class Num : public basecoFeature {
public:
    Num(int id, int v) : id_(id) { set_data(new int(v)); }
    explicit Num(int id) : id_(id) {}
    ~Num() override { delete static_cast<int *>(data()); }
    basecoFeature *create() const override { return new Num(id_); }
    void build() override { set_data(new int(0)); }
    void assign(const basecoFeature &o) override {
        set_data(new int(*static_cast<int *>(o.data())));
    }
    coFeatureID feature_id() const override { return coFeatureID(id_); }

private:
    int id_;
};

std::vector<std::pair<int, int>> contents(const coFeaturePool &p) {
    std::vector<std::pair<int, int>> out;
    for (const basecoFeature &f : p)
        out.emplace_back(f.feature_id().id(), *static_cast<int *>(f.data()));
    return out;
}

TEST_F(NotifyAlloc, FeaturePoolCopyAndBecomeChangeNothingOnFailure) {
    coFeaturePool pool, other;
    Num a(1, 10), b(2, 20), a2(1, 11), c(3, 30);
    pool.copy(a);
    pool.copy(b);
    const auto before = contents(pool);
    int failures =
        for_each_throw([&] { pool.copy(a2); }, [&] { EXPECT_EQ(contents(pool), before); });
    EXPECT_EQ(failures, 3); // the object, its data, the link
    EXPECT_EQ(contents(pool), (std::vector<std::pair<int, int>>{{2, 20}, {1, 11}}));

    other.copy(c);
    const auto other_before = contents(other);
    failures = for_each_throw([&] { other.become(utCOPY, pool); },
                              [&] { EXPECT_EQ(contents(other), other_before); });
    EXPECT_EQ(failures, 6);
    EXPECT_EQ(contents(other), contents(pool));
}

// ---- the randomized model ------------------------------------------------------

// One registration as the model sees it: which lists still hold it.
struct MReg {
    int sender, receiver, reason, kind, fn;
    bool in_sender, in_receiver;
};
// One end: alive, its flag, its garbage limit and count, and the ids of the
// registrations its list holds, front to back.
struct MEnd {
    bool alive = false;
    int flag = 1, limit = 0, count = 0;
    std::vector<int> list;
};

class Model {
public:
    explicit Model(unsigned seed) : rng_(seed) {}

    void run(int steps) {
        std::vector<Call> log;
        calls_seen = &log;
        for (int step = 0; step < steps; ++step) {
            this->step(log);
            check();
            if (::testing::Test::HasFailure()) {
                ADD_FAILURE() << "at step " << step;
                break;
            }
        }
        for (int i = 0; i < kEnds; ++i) {
            if (pick(2)) {
                destroy_receiver(i);
                destroy_sender(i);
            } else {
                destroy_sender(i);
                destroy_receiver(i);
            }
        }
        coCallList::detect_multiple_sets(nullptr);
        calls_seen = nullptr;
    }

private:
    static constexpr int kEnds = 4;

    struct Hook : coCBReceiveMultipleSets {
        std::vector<int> told;
        int receive_multiple_sets(int n) override {
            told.push_back(n);
            return 0;
        }
    };

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void step(std::vector<Call> &log) {
        const int s = pick(kEnds), r = pick(kEnds);
        switch (pick(14)) {
        case 0:
            if (!ms_[s].alive) make_sender(s);
            break;
        case 1:
            if (!mr_[r].alive) make_receiver(r);
            break;
        case 2:
            if (pick(3) == 0) destroy_sender(s);
            break;
        case 3:
            if (pick(3) == 0) destroy_receiver(r);
            break;
        case 4:
        case 5:
        case 6:
            if (ms_[s].alive && mr_[r].alive) add(s, r, pick(2), pick(3), pick(2));
            break;
        case 7: // a duplicate of a live registration
            if (!regs_.empty()) {
                const MReg m = regs_[pick(static_cast<int>(regs_.size()))];
                if (ms_[m.sender].alive && mr_[m.receiver].alive)
                    add(m.sender, m.receiver, m.reason, m.kind, m.fn);
            }
            break;
        case 8:
        case 9:
            if (ms_[s].alive) apply(s, pick(2), pick(4), log);
            break;
        case 10:
            if (ms_[s].alive && (!mr_[r].alive || pick(3) == 0)) {
                EXPECT_EQ(senders_[s]->calls().remove_matching_receiver(nullptr),
                          collect(ms_[s], true));
            } else if (ms_[s].alive) {
                EXPECT_EQ(senders_[s]->calls().remove_matching_receiver(receivers_[r].get()),
                          model_remove(ms_[s], r, true));
            }
            break;
        case 11:
            if (mr_[r].alive && ms_[s].alive) {
                EXPECT_EQ(receivers_[r]->remove_matching_sender(senders_[s].get()),
                          model_remove(mr_[r], s, false));
            } else if (mr_[r].alive) {
                receivers_[r]->receiver_garbage_collect();
                collect(mr_[r], false);
            }
            break;
        case 12:
            if (ms_[s].alive && pick(4) == 0) {
                senders_[s]->calls().sender_clear();
                sender_leaves(s);
            } else if (mr_[r].alive && pick(4) == 0) {
                receivers_[r]->receiver_clear();
                receiver_leaves(r);
            }
            break;
        case 13:
            if (ms_[s].alive && pick(2)) {
                ms_[s].flag = pick(3) != 0;
                senders_[s]->set_sending(ms_[s].flag);
            } else if (mr_[r].alive) {
                mr_[r].flag = pick(3) != 0;
                receivers_[r]->set_receiving(mr_[r].flag);
            } else if (pick(2)) {
                coCallList::detect_multiple_sets(coCallList::multiple_sets_hook() ? nullptr
                                                                                  : &hook_);
            }
            break;
        }
    }

    void make_sender(int s) {
        ms_[s] = MEnd{};
        ms_[s].alive = true;
        ms_[s].limit = pick(4);
        senders_[s] = std::make_unique<coSender>(ms_[s].limit);
    }
    void make_receiver(int r) {
        mr_[r] = MEnd{};
        mr_[r].alive = true;
        mr_[r].limit = pick(4);
        receivers_[r] = std::make_unique<Recv>(r, mr_[r].limit);
    }
    void destroy_sender(int s) {
        if (!ms_[s].alive) return;
        senders_[s].reset();
        sender_leaves(s);
        ms_[s].alive = false;
    }
    void destroy_receiver(int r) {
        if (!mr_[r].alive) return;
        receivers_[r].reset();
        receiver_leaves(r);
        mr_[r].alive = false;
    }

    void add(int s, int r, int reason, int kind, int fn) {
        int equal = 1;
        for (int id : ms_[s].list) {
            const MReg &m = regs_[id];
            equal += m.in_receiver && m.receiver == r && m.reason == reason && m.kind == kind &&
                     m.fn == fn;
        }
        const std::size_t told = hook_.told.size();
        auto *f = new coCallFunc(reasons_[reason], receivers_[r].get(), senders_[s].get(),
                                 fns[kind][fn], kind);
        senders_[s]->calls().add(f);
        const int id = static_cast<int>(regs_.size());
        regs_.push_back({s, r, reason, kind, fn, true, true});
        ids_[f] = id;
        ms_[s].list.insert(ms_[s].list.begin(), id);
        mr_[r].list.insert(mr_[r].list.begin(), id);
        if (coCallList::multiple_sets_hook() && equal > 1) {
            ASSERT_EQ(hook_.told.size(), told + 1);
            EXPECT_EQ(hook_.told.back(), equal);
        } else {
            EXPECT_EQ(hook_.told.size(), told);
        }
    }

    void apply(int s, int reason, int how, std::vector<Call> &log) {
        const int kind = how == 3 ? 1 : how;
        std::vector<Call> expected;
        if (how != 3 || ms_[s].flag)
            for (int id : ms_[s].list) {
                const MReg &m = regs_[id];
                if (m.in_receiver && mr_[m.receiver].flag && m.kind == kind && m.reason == reason)
                    expected.push_back({m.receiver, m.fn, m.kind});
            }
        log.clear();
        int x = 0;
        coCBData data;
        const coSender &sender = *senders_[s];
        switch (how) {
        case 0:
            sender.calls().apply(reasons_[reason]);
            break;
        case 1:
            sender.calls().apply(reasons_[reason], &x);
            break;
        case 2:
            sender.calls().apply(reasons_[reason], &x, &x);
            break;
        default:
            sender.send_calls(reasons_[reason], data);
            break;
        }
        EXPECT_EQ(log, expected);
    }

    // remove_matching_receiver (on_sender) or remove_matching_sender with a
    // live other end `other`.
    int model_remove(MEnd &end, int other, bool on_sender) {
        int removed = 0;
        std::vector<int> keep;
        for (int id : end.list) {
            MReg &m = regs_[id];
            const bool match =
                on_sender ? m.in_receiver && m.receiver == other : m.in_sender && m.sender == other;
            if (!match) {
                keep.push_back(id);
                continue;
            }
            removed = 1;
            (on_sender ? m.in_sender : m.in_receiver) = false;
        }
        end.list = keep;
        return removed;
    }
    // The collection: drops (frees) those the other side has left.
    int collect(MEnd &end, bool on_sender) {
        int removed = 0;
        std::vector<int> keep;
        for (int id : end.list) {
            MReg &m = regs_[id];
            if (on_sender ? m.in_receiver : m.in_sender) {
                keep.push_back(id);
            } else {
                removed = 1;
                (on_sender ? m.in_sender : m.in_receiver) = false;
            }
        }
        end.list = keep;
        return removed;
    }
    void count_drop(MEnd &end, bool on_sender) {
        if (end.limit == 0) return;
        if (++end.count == end.limit) {
            end.count = 0;
            collect(end, on_sender);
        }
    }
    void sender_leaves(int s) {
        const std::vector<int> list = std::exchange(ms_[s].list, {});
        for (int id : list) {
            MReg &m = regs_[id];
            m.in_sender = false;
            if (m.in_receiver) count_drop(mr_[m.receiver], false);
        }
    }
    void receiver_leaves(int r) {
        const std::vector<int> list = std::exchange(mr_[r].list, {});
        for (int id : list) {
            MReg &m = regs_[id];
            m.in_receiver = false;
            if (m.in_sender) count_drop(ms_[m.sender], true);
        }
    }

    std::vector<int> ids(const coCallList &l) {
        std::vector<int> out;
        for (coCallFunc *f : l)
            out.push_back(f ? ids_.at(f) : -1);
        return out;
    }
    void check() {
        for (int i = 0; i < kEnds; ++i) {
            if (ms_[i].alive) {
                EXPECT_EQ(ids(senders_[i]->calls()), ms_[i].list) << "sender " << i;
                EXPECT_EQ(senders_[i]->garbage_count(), ms_[i].count);
            }
            if (mr_[i].alive) {
                EXPECT_EQ(ids(*receivers_[i]), mr_[i].list) << "receiver " << i;
                EXPECT_EQ(receivers_[i]->garbage_count(), mr_[i].count);
            }
        }
    }

    std::mt19937 rng_;
    coCallReason reasons_[2];
    MEnd ms_[kEnds], mr_[kEnds];
    std::unique_ptr<coSender> senders_[kEnds];
    std::unique_ptr<Recv> receivers_[kEnds];
    std::vector<MReg> regs_;
    std::map<const coCallFunc *, int> ids_;
    Hook hook_;
};

TEST_F(NotifyAlloc, RandomizedModelFreesEveryRegistrationOnce) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Model(seed).run(600);
        if (HasFailure()) {
            ADD_FAILURE() << "seed " << seed;
            break;
        }
    }
}

} // namespace
