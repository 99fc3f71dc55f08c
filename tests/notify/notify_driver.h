// The call lists and the feature pool against a model of their rules. Three
// send and three recv come and go while registrations of every kind
// are added, called, removed, cleared and collected. The model keeps each
// end's list front to back (-1: a link emptied during a walk) and walks beside
// every real apply; a call may run any step itself (destroy its receiver or
// sender, walk again, throw). Two feature pools are mirrored by (identity,
// value) vectors. Allocation failures must change nothing; nothing may leak.
#pragma once

#include <colib/notify/call_list.h>
#include <colib/notify/feature_pool.h>
#include <colib/notify/typed_call.h>

#include "support/alloc_injector.h"
#include "support/driver.h"

#include <algorithm>
#include <list>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace colib_test::notify {

struct Data : coCBData {};
// coReceiver is not the first base: calls must find the receiver through it.
struct Recv : Data, coReceiver {
    using coReceiver::coReceiver;
};

// A feature holding an int, owned by objects made with a value and by
// factory-made ones; askers only refer to it.
struct Feat : basecoFeature {
    explicit Feat(int id) : id(id) {}
    Feat(int id, int v) : id(id), own(true) { set_data(new int(v)); }
    ~Feat() override { delete (own || factory_made() ? static_cast<int *>(data()) : nullptr); }
    basecoFeature *create() override { return new Feat(id); }
    void build() override { set_data(new int(-1)); }
    void assign(const basecoFeature &o) override {
        set_data(o.invalid() ? nullptr : new int(*static_cast<int *>(o.data())));
    }
    coFeatureID feature_id() const override { return coFeatureID(id); }
    int value() const { return *static_cast<int *>(data()); }
    using basecoFeature::copy, basecoFeature::make, basecoFeature::check_out;
    int id, own = 0;
};
struct Pool : coFeaturePool {
    using coFeaturePool::coFeaturePool, coFeaturePool::insert_copy;
};
using Held = std::vector<std::pair<int, int>>;

// Sides: 0 a sender's calls, 1 a receiver's own list. The driver is also the
// duplicate hook.
struct Driver : coCBReceiveMultipleSets {
    static constexpr int K = 3;
    struct MReg {
        int end[2], reason, kind, fn;
        bool in[2]; // held by the sender's, the receiver's list
        const coCallFunc *f;
    };
    struct MEnd {
        int flag = 1, limit = 0, count = 0, walks = 0, alive = 1, collect = 0; // 1 << side
        std::list<int> ids;
    };
    struct Walk {
        MEnd *end;
        std::list<int>::iterator at;
        int s, reason, kind;
    };
    int receive_multiple_sets(int n) override { return ++told, last_told = n; }

    // The functions called: 0 untyped, 1 typed.
    static inline Driver *self = nullptr;
    static void u0(void *r) { self->hit(static_cast<coReceiver *>(r), 0, 0, 0, 0); }
    static void u1(void *r, void *a) { self->hit(static_cast<coReceiver *>(r), 0, 1, a, 0); }
    static void u2(void *r, void *a, void *b) {
        self->hit(static_cast<coReceiver *>(r), 0, 2, a, b);
    }
    static void t0(Recv *r) { self->hit(r, 1, 0, 0, 0); }
    static void t1(Recv *r, Data *a) { self->hit(r, 1, 1, a, 0); }
    static void t2(Recv *r, Data *a, int *b) { self->hit(r, 1, 2, a, b); }

    Input &in;
    coCallReason reasons[2];
    std::unique_ptr<coSender> send[K];
    std::unique_ptr<Recv> recv[K];
    std::unique_ptr<MEnd> me[2][K];
    std::vector<std::unique_ptr<MEnd>> dead;
    std::vector<MReg> regs;
    std::map<const coCallFunc *, int> ids;
    std::vector<Walk> walks;
    Data data;
    int extra = 0, told = 0, last_told = 0;
    Pool pools[2];
    Held mp[2];

    explicit Driver(Input &input) : in(input) {
        MODEL_CHECK(reasons[1].id() == reasons[0].id() + 1 && !(reasons[0] == reasons[1]));
        self = this;
        for (int i = 0; i < 2 * K; ++i)
            make(i % 2, i / 2);
    }
    ~Driver() {
        for (int i = 0; i < 2 * K; ++i)
            drop(in.flag(), i / 2), drop(i % 2, i / 2);
        coCallList::detect_multiple_sets(nullptr);
    }
    bool live(int side, int i) const { return me[side][i] != nullptr; }
    const void *real(int side, int i) const {
        return side ? static_cast<const void *>(static_cast<coReceiver *>(recv[i].get()))
                    : send[i].get();
    }
    void make(int side, int i) {
        const int limit = (me[side][i] = std::make_unique<MEnd>())->limit = in.below(4);
        side ? recv[i].reset(new Recv(limit)) : send[i].reset(new coSender(limit));
    }
    void drop(int side, int i) {
        if (!live(side, i)) return;
        side ? recv[i].reset() : send[i].reset();
        m_leave_all(*me[side][i], side);
        dead.emplace_back(std::move(me[side][i]))->alive = 0; // maybe still walked
    }

    void free_reg(int id) {
        regs[id].in[0] = regs[id].in[1] = false;
        ids.erase(regs[id].f);
    }
    // remove_matching_... on a side's list: what reaches the other end
    // `other` leaves; other -1: what the other side left is freed, or only
    // noted while the list is walked. During a walk links are emptied.
    int m_remove(MEnd &e, int side, int other) {
        int any = 0;
        for (int &id : e.ids) {
            MReg *g = id >= 0 ? &regs[id] : nullptr;
            if (!g || (other < 0 ? g->in[!side] : !g->in[!side] || g->end[!side] != other))
                continue;
            any = 1;
            if (other < 0 && e.walks) continue;
            other < 0 ? free_reg(id) : void(g->in[side] = false);
            id = -1;
        }
        if (other < 0 && e.walks) e.collect |= 1 << side; // noted even when nothing is due yet
        if (!e.walks) e.ids.remove(-1);
        return any;
    }
    // The side leaves all; the other ends count their drops.
    void m_leave_all(MEnd &e, int side) {
        for (int &slot : e.ids) {
            const int id = std::exchange(slot, -1);
            const bool held = id >= 0 && regs[id].in[!side];
            if (id >= 0) held ? void(regs[id].in[side] = false) : free_reg(id);
            MEnd *o = held ? me[!side][regs[id].end[!side]].get() : nullptr;
            if (o && o->limit && ++o->count == o->limit) o->count = 0, m_remove(*o, !side, -1);
        }
        if (!e.walks) e.ids.clear();
    }
    bool calls_now(int id, const Walk &w) const {
        const MReg *g = id >= 0 ? &regs[id] : nullptr;
        return g && g->in[0] && g->in[1] && me[1][g->end[1]]->flag && g->kind == w.kind &&
               g->reason == w.reason;
    }

    void step(int depth) {
        const int op = in.below(depth ? 11 : 21), j = in.below(K);
        int side = in.below(2), i = in.below(K);
        if (depth && in.flag()) side = 0, i = walks.back().s; // mostly the list walked
        const int s = side ? j : i, r = side ? i : j, pick = in.below(3);
        if (op >= 11) return pool_step(op - 11);
        if (!live(side, i)) return make(side, i);
        if (op == 0) return in.one_in(depth ? 2 : 6) ? drop(side, i) : void();
        MEnd &e = *me[side][i];
        coCallList &L = side ? *recv[i] : send[i]->calls();
        const MReg *g = regs.empty()
                            ? nullptr
                            : &regs[regs.size() - 1 - in.below(std::min<int>(regs.size(), 8))];
        if (op < 4 && live(!side, j)) return add(s, r, in.below(2), in.below(3), in.below(2));
        if (op == 4 && g && live(0, g->end[0]) && live(1, g->end[1])) // a recent one again
            return add(g->end[0], g->end[1], g->reason, g->kind, g->fn);
        if (op == 10 && depth) throw 0; // through the walks, up to the step loop
        if ((op == 5 || op >= 9) && live(0, s)) return apply(s, in.below(2), in.below(4));
        const int o = op == 6 && live(!side, j) && pick ? j : -1,
                  want = op == 6 ? m_remove(e, side, o) : 0;
        if (op == 6 && o < 0 && in.flag()) {
            side ? L.receiver_garbage_collect() : L.sender_garbage_collect();
            // A receiver leaves the walked sender after the request: what it
            // leaves goes with the noted collection when the walk ends.
            if (depth && !side && live(1, j) && in.flag())
                MODEL_CHECK(m_remove(*me[1][j], 1, i) ==
                            recv[j]->remove_matching_sender(send[i].get()));
            return;
        }
        if (op == 6)
            MODEL_CHECK((side ? L.remove_matching_sender(o < 0 ? nullptr : send[o].get())
                              : L.remove_matching_receiver(o < 0 ? nullptr : recv[o].get())) ==
                        want);
        if (op == 7 && !pick) {
            side ? (in.flag() ? recv[i]->cancel_receiving() : L.receiver_clear())
                 : L.sender_clear();
            m_leave_all(e, side);
        }
        if (op == 8)
            side ? recv[i]->set_receiving(e.flag = pick != 0)
                 : send[i]->set_sending(e.flag = pick != 0);
        if (op == 8 && in.one_in(3))
            (in.flag() ? coSender::detect_multiple_sets : coCallList::detect_multiple_sets)(
                coCallList::multiple_sets_hook() ? nullptr : this);
    }
    void add(int s, int r, int reason, int kind, int fn) {
        int equal = 1; // registrations in s's list equal to the new one, and itself
        for (const MReg &g : regs)
            equal += g.in[0] && g.in[1] && g.end[0] == s && g.end[1] == r && g.reason == reason &&
                     g.kind == kind && g.fn == fn;
        const bool tell = coCallList::multiple_sets_hook() && equal > 1;
        const int calls = told + tell;
        coSender *S = send[s].get();
        Recv *R = recv[r].get();
        const coCallReason why = reasons[reason];
        using Untyped = void (*)(void);
        const Untyped u[] = {reinterpret_cast<Untyped>(u0), reinterpret_cast<Untyped>(u1),
                             reinterpret_cast<Untyped>(u2)};
        coCallFunc *f = fn ? nullptr : new coCallFunc(why, R, S, u[kind], kind);
        const bool failed = alloc_injector::fail_at(in.one_in(4) ? in.range(1, 3) : 0, [&] {
            if (fn) // made, then linked twice
                f = kind == 0   ? co_register<t0>(why, R, S)
                    : kind == 1 ? co_register<t1>(why, R, S)
                                : co_register<t2>(why, R, S);
            else
                S->calls().add(f);
        });
        if (failed && !fn) delete f; // still the caller's
        if (failed) return;          // both lists unchanged: check() says
        MODEL_CHECK(f->kind() == kind && f->reason() == why && f->receiver() == R &&
                    f->sender() == S && told == calls && (!tell || last_told == equal));
        ids[f] = int(regs.size());
        regs.push_back({{s, r}, reason, kind, fn, {true, true}, f});
        me[0][s]->ids.push_front(ids[f]);
        me[1][r]->ids.push_front(ids[f]);
    }
    // how 0 to 2: apply with that many extra arguments; 3: send_calls.
    void apply(int s, int reason, int how) {
        MEnd &e = *me[0][s];
        const coSender &S = *send[s];
        if (how == 3 && !e.flag) return S.send_calls(reasons[reason], data); // no walk
        const bool framed = e.ids.size() != 1; // a lone link is called unguarded
        e.walks += framed;
        walks.push_back({&e, e.ids.begin(), s, reason, how == 3 ? 1 : how});
        std::shared_ptr<void> pop(nullptr, [&](void *) { // also when a call throws
            walks.pop_back();
            if (!framed || --e.walks || !e.alive) return;
            for (int side = 0; side < 2; ++side) // the outermost walk ends: settle
                if (e.collect & 1 << side) m_remove(e, side, -1);
            e.collect = 0;
            e.ids.remove(-1);
        });
        void *a = static_cast<coCBData *>(&data);
        if (how == 0) S.calls().apply(reasons[reason]);
        if (how == 1) S.calls().apply(reasons[reason], a);
        if (how == 2) S.calls().apply(reasons[reason], a, &extra);
        if (how == 3) S.send_calls(reasons[reason], data);
        for (Walk &w = walks.back(); e.alive && w.at != e.ids.end(); ++w.at)
            MODEL_CHECK(!calls_now(*w.at, w)); // a walk whose sender died stops at once
    }
    void hit(coReceiver *rec, int fn, int kind, void *a, void *b) {
        MODEL_CHECK(!walks.empty() && a == (kind ? static_cast<coCBData *>(&data) : nullptr) &&
                    b == (kind == 2 ? &extra : nullptr));
        Walk &w = walks.back();
        while (w.at != w.end->ids.end() && !calls_now(*w.at, w))
            ++w.at;
        MODEL_CHECK(w.at != w.end->ids.end()); // the model has no such call left
        const MReg &g = regs[*w.at++];
        MODEL_CHECK(rec == real(1, g.end[1]) && fn == g.fn && kind == g.kind);
        if (walks.size() < 3 && in.flag()) step(int(walks.size())), check();
    }

    void check() {
        for (int i = 0; i < 2 * K; ++i) {
            const int side = i % 2, n = i / 2;
            if (!live(side, n)) continue;
            const MEnd &e = *me[side][n];
            coCallList &l = side ? *recv[n] : send[n]->calls();
            std::vector<int> got, back;
            for (coCallFunc *f : static_cast<const coCallList &>(l)) {
                got.push_back(f ? (ids.count(f) ? ids.at(f) : -2) : -1);
                const MReg *g = got.back() >= 0 ? &regs[got.back()] : nullptr;
                MODEL_CHECK(!g || f->sender() == (g->in[0] ? real(0, g->end[0]) : nullptr));
                MODEL_CHECK(!g || f->receiver() == (g->in[1] ? real(1, g->end[1]) : nullptr));
            }
            MODEL_CHECK(got == std::vector<int>(e.ids.begin(), e.ids.end()));
            coCallFunccoCallListcoIterator it(&l);
            for (auto want = got.begin(); ++it; ++want)
                MODEL_CHECK((it() ? ids.at(it()) : -1) == *want);
            coCallFunccoCallListcoCursor c(&l);
            while (--c)
                back.insert(back.begin(), c() ? ids.at(c()) : -1);
            MODEL_CHECK(back == got && l.walking() == (e.walks > 0) && l.empty() == got.empty());
            MODEL_CHECK(l.count_registrations() ==
                        std::remove(got.begin(), got.end(), -1) - got.begin());
            MODEL_CHECK((side ? recv[n]->garbage_count() : send[n]->garbage_count()) == e.count &&
                        (side ? recv[n]->receiving() : send[n]->sending()) == e.flag);
        }
        std::set<const void *> datas; // no two copies share their data
        for (int p = 0; p < 2; ++p) {
            Held got;
            for (const basecoFeature &f : static_cast<const Pool &>(pools[p])) {
                MODEL_CHECK(f.factory_made() == 1 && f.data() && datas.insert(f.data()).second);
                got.emplace_back(f.feature_id().id(), static_cast<const Feat &>(f).value());
            }
            MODEL_CHECK(got == mp[p] && pools[p].count() == int(got.size()));
            MODEL_CHECK(pools[p].empty() == got.empty());
            basecoFeaturecoSListBPrgcoPrgcoSListBcoCursor c(&pools[p]);
            for (auto want = got.rbegin(); --c; ++want)
                MODEL_CHECK(c()->feature_id().id() == want->first);
        }
    }

    void pool_step(int op) {
        const int p = in.below(2), q = in.below(2), id = in.below(4);
        Pool &P = pools[p];
        Held &m = mp[p];
        const long fail = in.one_in(3) ? in.range(1, 4) : 0;
        const auto at = std::find_if(m.begin(), m.end(), [id](auto &x) { return x.first == id; });
        const bool valid = !in.one_in(4);
        std::unique_ptr<Feat> f(valid ? new Feat(id, in.small_int()) : new Feat(id));
        Feat asker(id), other(id);
        const bool copied = op < 2 && !alloc_injector::fail_at(fail, [&] { P.copy(*f); });
        if (op == 3) MODEL_CHECK(P.remove(*f) == (at != m.end()));
        if ((copied || op == 3) && at != m.end()) m.erase(at); // the fresh copy goes last
        // insert_copy keeps any valid copy, even beside a held one
        if (copied ||
            (op == 9 && !alloc_injector::fail_at(fail, [&] { P.insert_copy(f->copy()); })))
            if (valid) m.emplace_back(id, f->value());
        if (op == 2) { // get shares the held copy's data
            MODEL_CHECK(P.get(asker) == (at != m.end()));
            MODEL_CHECK(at == m.end()
                            ? asker.invalid()
                            : asker.data() == std::next(P.begin(), at - m.begin())->data());
        }
        const void *first = P.empty() ? nullptr : P.begin()->data();
        if ((op == 4 || op == 5) && !alloc_injector::fail_at(fail, [&] {
                op == 4 ? void(P.become(utCOPY, pools[q])) : void(P = Pool(utCOPY, pools[q]));
            }))
            m = mp[q];
        MODEL_CHECK(op != 4 || p != q || P.empty() || P.begin()->data() == first); // kept
        if (op == 6) P.clear(), m.clear();
        if (op == 7) P = std::move(pools[q]), m = std::exchange(mp[q], Held());
        if (op == 8) { // make, check_out
            std::unique_ptr<Feat> made(static_cast<Feat *>(asker.make()));
            MODEL_CHECK(made->factory_made() && asker.data() == made->data() &&
                        made->value() == -1);
            MODEL_CHECK(made->check_out(other) && !Feat(id + 1).check_out(other) &&
                        other.data() == made->data());
        }
    }
};

// One run over the input; nothing may be left allocated afterwards.
inline void run_notify(Input &in) {
    leak_free([&] {
        { // the lists' memory: their links; the registrations are counted apart
            const long before = alloc_injector::live_bytes();
            coSender s(0);
            Recv r(0);
            Pool p;
            const int k = in.below(5);
            for (int i = 0; i < k; ++i)
                s.calls().add(new coCallFunc(coCallReason(), &r, &s, nullptr, 1)),
                    p.copy(Feat(i, i));
            MODEL_CHECK(alloc_injector::live_bytes() - before ==
                        long(s.calls().memory_bytes() + r.memory_bytes() + p.memory_bytes() +
                             k * (sizeof(coCallFunc) + sizeof(Feat) + sizeof(int))));
        }
        for (Driver d(in); !in.done(); d.check())
            try {
                d.step(0);
            } catch (int) {
            }
    });
}

} // namespace colib_test::notify
