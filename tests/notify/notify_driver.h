// The call lists and the feature pool against a model of their rules.
//
// Three senders and three receivers (garbage limits 0 to 3), made and
// destroyed; registrations of every kind, untyped and typed, duplicates
// included; applies, send_calls, a registration's own apply, removals,
// clears, collections, flags and the duplicate hook. The model keeps each
// end's list front to back, with the links emptied during a walk (-1), and
// walks beside every real apply: each call the library makes must be the
// model's next one. A call may run any step itself (destroy its receiver or
// the sender, walk again, throw); the state is compared after every step,
// inside calls too. Two feature pools are mirrored by (identity, value)
// vectors. Adds, copies and becomes now and then fail an allocation and must
// change nothing; at the end nothing may be left allocated.
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

// coReceiver is not the first base: calls must find the receiver through it.
struct Pad {
    virtual ~Pad() = default;
};
struct Recv : Pad, coReceiver {
    Recv(int limit) : coReceiver(limit) {}
};
struct Data : coCBData {};
struct Boom {};

void called(coReceiver *r, int fn, int kind, void *a, void *b);
// fn 0 and 1 untyped, fn 2 typed.
struct Fn {
    template <int I> static void c0(void *r) { called(static_cast<coReceiver *>(r), I, 0, 0, 0); }
    template <int I> static void c1(void *r, void *a) {
        called(static_cast<coReceiver *>(r), I, 1, a, 0);
    }
    template <int I> static void c2(void *r, void *a, void *b) {
        called(static_cast<coReceiver *>(r), I, 2, a, b);
    }
    static void t0(Recv *r) { called(r, 2, 0, 0, 0); }
    static void t1(Recv *r, Data *a) { called(r, 2, 1, static_cast<coCBData *>(a), 0); }
    static void t2(Recv *r, Data *a, int *b) { called(r, 2, 2, static_cast<coCBData *>(a), b); }
};
using Untyped = void (*)(void);
inline const Untyped kUntyped[3][2] = {
    {reinterpret_cast<Untyped>(Fn::c0<0>), reinterpret_cast<Untyped>(Fn::c0<1>)},
    {reinterpret_cast<Untyped>(Fn::c1<0>), reinterpret_cast<Untyped>(Fn::c1<1>)},
    {reinterpret_cast<Untyped>(Fn::c2<0>), reinterpret_cast<Untyped>(Fn::c2<1>)}};

// A feature holding an int. Objects made with a value and factory-made ones
// own their data; askers only refer to it.
class Feat : public basecoFeature {
public:
    explicit Feat(int id) : id_(id) {}
    Feat(int id, int v) : id_(id), own_(true) { set_data(new int(v)); }
    ~Feat() override {
        if (own_ || factory_made()) delete static_cast<int *>(data());
    }
    basecoFeature *create() override { return new Feat(id_); }
    void build() override { set_data(new int(-1)); }
    void assign(const basecoFeature &o) override {
        set_data(o.invalid() ? nullptr : new int(*static_cast<int *>(o.data())));
    }
    coFeatureID feature_id() const override { return coFeatureID(id_); }
    int value() const { return *static_cast<int *>(data()); }
    using basecoFeature::check_out;
    using basecoFeature::copy;
    using basecoFeature::make;

private:
    int id_;
    bool own_ = false;
};
struct Pool : coFeaturePool {
    using coFeaturePool::coFeaturePool;
    using coFeaturePool::insert_copy;
};
using Held = std::vector<std::pair<int, int>>;

class Driver {
public:
    explicit Driver(Input &in) : in_(in) {
        MODEL_CHECK(reasons_[1].id() == reasons_[0].id() + 1 && !(reasons_[0] == reasons_[1]));
        current() = this;
        for (int i = 0; i < K; ++i)
            make(0, i), make(1, i);
    }
    ~Driver() {
        for (int i = 0; i < K; ++i) {
            const int first = in_.flag();
            drop(first, i), drop(!first, i);
        }
        coCallList::detect_multiple_sets(nullptr);
        current() = nullptr;
    }
    static Driver *&current() {
        static Driver *d = nullptr;
        return d;
    }
    void run() {
        while (!in_.done()) {
            try {
                step(0);
            } catch (Boom) {
            }
            check();
        }
    }
    void on_call(coReceiver *r, int fn, int kind, void *a, void *b);

private:
    static constexpr int K = 3;
    // A list's side: 0 a sender's calls, 1 a receiver's own list.
    enum : unsigned { kEmptied = 1, kCollect = 2 /* << side */ };
    struct MReg {
        int end[2], reason, kind, fn;
        bool in[2]; // still held by the sender's, the receiver's list
        const coCallFunc *f;
    };
    struct MEnd {
        bool alive = true;
        int flag = 1, limit = 0, count = 0, walks = 0;
        unsigned pending = 0;
        std::list<int> ids; // registrations front to back; -1 an emptied link
    };
    struct Walk {
        MEnd *end;
        std::list<int>::iterator at;
        int s, reason, kind;
    };
    struct Hook : coCBReceiveMultipleSets {
        int calls = 0, last = 0;
        int receive_multiple_sets(int n) override { return ++calls, last = n; }
    };

    bool live(int side, int i) const { return me_[side][i] != nullptr; }
    const void *real(int side, int i) const {
        return side ? static_cast<const void *>(static_cast<coReceiver *>(receivers_[i].get()))
                    : senders_[i].get();
    }
    coCallList &list(int side, int i) { return side ? *receivers_[i] : senders_[i]->calls(); }
    void make(int side, int i) {
        const int limit = (me_[side][i] = std::make_unique<MEnd>())->limit = in_.below(4);
        side ? void(receivers_[i] = std::make_unique<Recv>(limit))
             : void(senders_[i] = std::make_unique<coSender>(limit));
    }
    void drop(int side, int i) {
        if (!live(side, i)) return;
        side ? receivers_[i].reset() : senders_[i].reset();
        m_leave_all(*me_[side][i], side);
        me_[side][i]->alive = false; // a walk of it may still be on the stack
        dead_.push_back(std::move(me_[side][i]));
    }

    void free_reg(int id) {
        regs_[id].in[0] = regs_[id].in[1] = false;
        ids_.erase(regs_[id].f);
    }
    void unlink(MEnd &e, std::list<int>::iterator &it) {
        if (!e.walks) {
            it = e.ids.erase(it);
            return;
        }
        *it++ = -1;
        e.pending |= kEmptied;
    }
    // remove_matching_... on a side's list: the registrations reaching the
    // other end `other` leave; other -1: those the other side left are freed
    // (noted while the list is walked).
    int m_remove(MEnd &e, int side, int other) {
        int any = 0;
        const bool later = other < 0 && e.walks;
        for (auto it = e.ids.begin(); it != e.ids.end();) {
            MReg *g = *it >= 0 ? &regs_[*it] : nullptr;
            const bool match =
                g && (other < 0 ? !g->in[!side] : g->in[!side] && g->end[!side] == other);
            any |= match;
            if (!match || later) {
                ++it;
                continue;
            }
            other < 0 ? free_reg(*it) : void(g->in[side] = false);
            unlink(e, it);
        }
        if (any && later) e.pending |= kCollect << side;
        return any;
    }
    void m_leave_all(MEnd &e, int side) {
        for (int &slot : e.ids) {
            if (slot < 0) continue;
            const int id = std::exchange(slot, -1);
            if (!regs_[id].in[!side]) {
                free_reg(id);
                continue;
            }
            regs_[id].in[side] = false;
            MEnd &o = *me_[!side][regs_[id].end[!side]];
            if (o.limit && ++o.count == o.limit) o.count = 0, m_remove(o, !side, -1);
        }
        if (e.walks)
            e.pending |= kEmptied;
        else
            e.ids.clear();
    }
    // The end of the outermost walk: emptied links go, noted collections run.
    void settle(MEnd &e) {
        const unsigned p = std::exchange(e.pending, 0u);
        for (auto it = e.ids.begin(); it != e.ids.end();) {
            const bool gone = *it >= 0 && (((p & kCollect) && !regs_[*it].in[1]) ||
                                           ((p & kCollect << 1) && !regs_[*it].in[0]));
            if (gone) free_reg(*it);
            it = *it < 0 || gone ? e.ids.erase(it) : std::next(it);
        }
    }
    bool calls_now(int id, const Walk &w) const {
        const MReg *g = id >= 0 ? &regs_[id] : nullptr;
        return g && g->in[0] && g->in[1] && me_[1][g->end[1]]->flag && g->kind == w.kind &&
               g->reason == w.reason;
    }

    void step(int depth);
    void add(int s, int r, int reason, int kind, int fn);
    void apply(int s, int reason, int how);
    void direct(const MReg &g);
    void check_list(coCallList &l, const MEnd &e);
    void check();
    void pool_step(int op);
    void check_pools();

    Input &in_;
    coCallReason reasons_[2];
    std::unique_ptr<coSender> senders_[K];
    std::unique_ptr<Recv> receivers_[K];
    std::unique_ptr<MEnd> me_[2][K];
    std::vector<std::unique_ptr<MEnd>> dead_;
    std::vector<MReg> regs_;
    std::map<const coCallFunc *, int> ids_;
    std::vector<Walk> walks_;
    Hook hook_;
    Data data_;
    int extra_ = 0;
    const coCallFunc *direct_ = nullptr; // a registration's own apply runs
    int direct_calls_ = 0;
    Pool pools_[2];
    Held mp_[2];
};

inline void called(coReceiver *r, int fn, int kind, void *a, void *b) {
    Driver::current()->on_call(r, fn, kind, a, b);
}

inline void Driver::step(int depth) {
    const int op = in_.below(depth ? 12 : 20), j = in_.below(K);
    int side = in_.below(2), i = in_.below(K);
    if (depth && in_.flag()) side = 0, i = walks_.back().s; // mostly the list being walked
    const int s = side ? j : i, r = side ? i : j;
    if (op >= 12) return pool_step(op - 12);
    if (!live(side, i) || op == 0) {
        if (!live(side, i))
            make(side, i);
        else if (in_.one_in(depth ? 2 : 6))
            drop(side, i);
        return;
    }
    MEnd &e = *me_[side][i];
    const bool other = live(!side, j);
    std::vector<int> held;
    for (int id : e.ids)
        if (id >= 0 && regs_[id].in[1]) held.push_back(id);
    switch (op) {
    case 1:
    case 2:
    case 3:
        if (other) add(s, r, in_.below(2), in_.below(3), in_.below(3));
        break;
    case 4: // the same registration again
        if (!held.empty()) {
            const MReg g = regs_[held[in_.below(static_cast<int>(held.size()))]];
            if (live(0, g.end[0])) add(g.end[0], g.end[1], g.reason, g.kind, g.fn);
        }
        break;
    case 5:
    case 6:
        if (live(0, s)) apply(s, in_.below(2), in_.below(4));
        break;
    case 7: {
        const int o = other && !in_.one_in(3) ? j : -1, want = m_remove(e, side, o);
        if (o < 0 && in_.flag())
            side ? receivers_[i]->receiver_garbage_collect()
                 : senders_[i]->calls().sender_garbage_collect();
        else if (side)
            MODEL_CHECK(
                receivers_[i]->remove_matching_sender(o < 0 ? nullptr : senders_[o].get()) == want);
        else
            MODEL_CHECK(senders_[i]->calls().remove_matching_receiver(
                            o < 0 ? nullptr : receivers_[o].get()) == want);
        break;
    }
    case 8:
        if (in_.below(3)) break;
        if (side)
            in_.flag() ? receivers_[i]->receiver_clear() : receivers_[i]->cancel_receiving();
        else
            senders_[i]->calls().sender_clear();
        m_leave_all(e, side);
        break;
    case 9:
        e.flag = in_.below(3) != 0;
        side ? receivers_[i]->set_receiving(e.flag) : senders_[i]->set_sending(e.flag);
        if (in_.one_in(3))
            (in_.flag() ? coSender::detect_multiple_sets : coCallList::detect_multiple_sets)(
                coCallList::multiple_sets_hook() ? nullptr : &hook_);
        break;
    case 10:
        if (!held.empty()) direct(regs_[held[in_.below(static_cast<int>(held.size()))]]);
        break;
    default:
        if (live(0, s) && !depth) apply(s, in_.below(2), in_.below(4));
        if (depth) throw Boom();
    }
}

inline void Driver::add(int s, int r, int reason, int kind, int fn) {
    int equal = 1;
    for (int id : me_[0][s]->ids)
        if (id >= 0) {
            const MReg &g = regs_[id];
            equal += g.in[1] && g.end[1] == r && g.reason == reason && g.kind == kind && g.fn == fn;
        }
    const bool tell = coCallList::multiple_sets_hook() && equal > 1;
    const int told = hook_.calls;
    coSender *S = senders_[s].get();
    Recv *R = receivers_[r].get();
    const coCallReason why = reasons_[reason];
    coCallFunc *f = nullptr;
    const long fail = in_.one_in(4) ? in_.range(1, 3) : 0;
    bool failed;
    if (fn == 2) { // made, then linked twice
        failed = alloc_injector::fail_at(fail, [&] {
            f = kind == 0   ? co_register<Fn::t0>(why, R, S)
                : kind == 1 ? co_register<Fn::t1>(why, R, S)
                            : co_register<Fn::t2>(why, R, S);
        });
    } else {
        f = new coCallFunc(why, R, S, kUntyped[kind][fn], kind);
        failed = alloc_injector::fail_at(fail, [&] { S->calls().add(f); });
        if (failed) delete f; // still the caller's
    }
    if (failed) return; // both lists unchanged: check() says
    MODEL_CHECK(f->kind() == kind && f->reason() == why && f->receiver() == R && f->sender() == S &&
                f->function() != nullptr);
    MODEL_CHECK(hook_.calls == told + tell && (!tell || hook_.last == equal));
    ids_[f] = static_cast<int>(regs_.size());
    regs_.push_back({{s, r}, reason, kind, fn, {true, true}, f});
    me_[0][s]->ids.push_front(ids_[f]);
    me_[1][r]->ids.push_front(ids_[f]);
}

inline void Driver::apply(int s, int reason, int how) {
    MEnd &e = *me_[0][s];
    const coSender &S = *senders_[s];
    const coCallReason why = reasons_[reason];
    if (how == 3 && !e.flag) return S.send_calls(why, data_); // no walk, no call
    ++e.walks;
    walks_.push_back({&e, e.ids.begin(), s, reason, how == 3 ? 1 : how});
    struct Pop {
        Driver &d;
        MEnd &e;
        ~Pop() {
            d.walks_.pop_back();
            if (--e.walks == 0 && e.pending && e.alive) d.settle(e);
        }
    } pop{*this, e};
    if (how == 0) S.calls().apply(why);
    if (how == 1) S.calls().apply(why, static_cast<coCBData *>(&data_));
    if (how == 2) S.calls().apply(why, static_cast<coCBData *>(&data_), &extra_);
    if (how == 3) S.send_calls(why, data_);
    Walk &w = walks_.back();
    if (e.alive) // a walk whose sender was destroyed stops at once
        for (; w.at != e.ids.end(); ++w.at)
            MODEL_CHECK(!calls_now(*w.at, w));
}

// A registration's own apply tests kind and reason, not activity.
inline void Driver::direct(const MReg &g) {
    const coCallFunc *f = g.f;
    MODEL_CHECK(f->active() == (g.in[0] && me_[1][g.end[1]]->flag));
    MODEL_CHECK(f->sender_cancelled() == !g.in[0] && !f->receiver_cancelled());
    const int reason = in_.below(2), kind = in_.below(3);
    direct_ = f;
    direct_calls_ = 0;
    if (kind == 0) f->apply(reasons_[reason]);
    if (kind == 1) f->apply(reasons_[reason], static_cast<coCBData *>(&data_));
    if (kind == 2) f->apply(reasons_[reason], static_cast<coCBData *>(&data_), &extra_);
    direct_ = nullptr;
    MODEL_CHECK(direct_calls_ == (g.kind == kind && g.reason == reason));
}

inline void Driver::on_call(coReceiver *rec, int fn, int kind, void *a, void *b) {
    MODEL_CHECK(a == (kind ? static_cast<coCBData *>(&data_) : nullptr) &&
                b == (kind == 2 ? &extra_ : nullptr));
    if (direct_) {
        const MReg &g = regs_[ids_.at(direct_)];
        ++direct_calls_;
        MODEL_CHECK(rec == real(1, g.end[1]) && fn == g.fn && kind == g.kind);
        return;
    }
    MODEL_CHECK(!walks_.empty());
    Walk &w = walks_.back();
    while (w.at != w.end->ids.end() && !calls_now(*w.at, w))
        ++w.at;
    MODEL_CHECK(w.at != w.end->ids.end()); // the model has no such call left
    const MReg &g = regs_[*w.at++];
    MODEL_CHECK(rec == real(1, g.end[1]) && fn == g.fn && kind == g.kind);
    if (walks_.size() < 3 && in_.flag()) {
        step(static_cast<int>(walks_.size()));
        check();
    }
}

inline void Driver::check_list(coCallList &l, const MEnd &e) {
    std::vector<int> got, back;
    for (coCallFunc *f : static_cast<const coCallList &>(l)) {
        got.push_back(f ? (ids_.count(f) ? ids_.at(f) : -2) : -1);
        if (got.back() < 0) continue;
        const MReg &g = regs_[got.back()];
        MODEL_CHECK(f->sender() == (g.in[0] ? real(0, g.end[0]) : nullptr));
        MODEL_CHECK(f->receiver() == (g.in[1] ? real(1, g.end[1]) : nullptr));
    }
    MODEL_CHECK(got == std::vector<int>(e.ids.begin(), e.ids.end()));
    coCallFunccoCallListcoIterator it(&l);
    for (auto want = got.begin(); ++it; ++want)
        MODEL_CHECK((it() ? ids_.at(it()) : -1) == *want);
    coCallFunccoCallListcoCursor c(&l);
    while (--c)
        back.insert(back.begin(), c() ? ids_.at(c()) : -1);
    MODEL_CHECK(back == got && l.walking() == (e.walks > 0) && l.empty() == got.empty());
    MODEL_CHECK(l.count_registrations() == std::remove(got.begin(), got.end(), -1) - got.begin());
}

inline void Driver::check() {
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < K; ++i) {
            if (!live(side, i)) continue;
            const MEnd &e = *me_[side][i];
            check_list(list(side, i), e);
            if (side)
                MODEL_CHECK(receivers_[i]->garbage_count() == e.count &&
                            receivers_[i]->receiving() == e.flag);
            else
                MODEL_CHECK(senders_[i]->garbage_count() == e.count &&
                            senders_[i]->sending() == e.flag);
        }
    check_pools();
}

inline void Driver::pool_step(int op) {
    const int p = in_.below(2), q = in_.below(2), id = in_.below(4);
    Pool &P = pools_[p];
    Held &m = mp_[p];
    const long fail = in_.one_in(3) ? in_.range(1, 4) : 0;
    const auto at = std::find_if(m.begin(), m.end(), [id](auto &x) { return x.first == id; });
    const bool valid = !in_.one_in(4);
    std::unique_ptr<Feat> f(valid ? new Feat(id, in_.small_int()) : new Feat(id));
    switch (op) {
    case 0:
    case 1: // a fresh copy at the end replaces the held one; invalid: removes it
        if (alloc_injector::fail_at(fail, [&] { P.copy(*f); })) break;
        if (at != m.end()) m.erase(at);
        if (valid) m.emplace_back(id, f->value());
        break;
    case 2: {
        Feat asker(id);
        MODEL_CHECK(P.get(asker) == (at != m.end()));
        const basecoFeature *held = nullptr;
        for (const basecoFeature &h : P)
            held = held || !(h.feature_id() == coFeatureID(id)) ? held : &h;
        MODEL_CHECK(held ? asker.data() == held->data() : asker.invalid() == 1); // shared
        break;
    }
    case 3:
        MODEL_CHECK(P.remove(*f) == (at != m.end()));
        if (at != m.end()) m.erase(at);
        break;
    case 4:
        if (!alloc_injector::fail_at(fail, [&] { P.become(utCOPY, pools_[q]); })) m = mp_[q];
        break;
    case 5:
        if (in_.flag()) {
            P.clear(), m.clear();
        } else if (!alloc_injector::fail_at(fail, [&] {
                       Pool copy(utCOPY, pools_[q]);
                       P = std::move(copy);
                       MODEL_CHECK(copy.empty());
                   })) {
            m = mp_[q];
        }
        break;
    case 6: {
        Held moved = std::exchange(mp_[q], {});
        P = std::move(pools_[q]);
        m = std::move(moved);
        break;
    }
    default: { // insert_copy keeps any valid copy, even of a held identity
        const basecoFeaturecoSListBPrgcoPrg h(f->copy());
        basecoFeaturecoSListBPrgcoPrg taken(h); // hands the feature over
        MODEL_CHECK(h.get() == nullptr && taken->factory_made() == 1);
        Feat blank(id), other(id);
        std::unique_ptr<Feat> made(static_cast<Feat *>(blank.make()));
        MODEL_CHECK(made->factory_made() && blank.data() == made->data() && made->value() == -1);
        MODEL_CHECK(made->check_out(other) && other.data() == made->data());
        MODEL_CHECK(!Feat(id + 1).check_out(other) && other.data() == made->data());
        f.reset(static_cast<Feat *>(static_cast<Feat *>(taken.get())->copy()));
        if (alloc_injector::fail_at(fail, [&] { P.insert_copy(f->copy()); })) break;
        if (valid) m.emplace_back(id, f->value());
    }
    }
}

inline void Driver::check_pools() {
    std::set<const void *> datas;
    for (int p = 0; p < 2; ++p) {
        Held got;
        for (const basecoFeature &f : static_cast<const Pool &>(pools_[p])) {
            MODEL_CHECK(f.factory_made() == 1 && !f.invalid() && datas.insert(f.data()).second);
            got.emplace_back(f.feature_id().id(), static_cast<const Feat &>(f).value());
        }
        MODEL_CHECK(got == mp_[p] && pools_[p].count() == static_cast<int>(got.size()));
        MODEL_CHECK(pools_[p].empty() == got.empty());
        basecoFeaturecoSListBPrgcoPrgcoSListBcoCursor c(&pools_[p]);
        for (auto want = got.rbegin(); --c; ++want)
            MODEL_CHECK(c()->feature_id().id() == want->first);
    }
}

// One run over the input; nothing may be left allocated afterwards.
inline void run_notify(Input &in) {
    const long live = alloc_injector::live();
    {
        Driver d(in);
        d.run();
    }
    MODEL_CHECK(alloc_injector::live() == live);
}

} // namespace colib_test::notify
