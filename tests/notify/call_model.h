// A model of the call lists for randomized and fuzzed runs: senders and
// receivers made and destroyed, registrations added (duplicates included),
// applies and send_calls with every reason and kind, removals, clears,
// collections and flags. The model records which registration each list
// holds, in order, and which calls an apply must make; every step is
// compared with the real lists. No test framework: a mismatch is reported
// through ok() and error().
#pragma once

#include <colib/notify/call_list.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace colib_test {

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
inline std::vector<Call> *calls_seen;

inline void seen(void *r, int fn, int kind) {
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
inline const Untyped fns[3][2] = {{untyped(call0<0>), untyped(call0<1>)},
                                  {untyped(call1<0>), untyped(call1<1>)},
                                  {untyped(call2<0>), untyped(call2<1>)}};

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

// Pick(n) returns a choice in [0, n).
template <class Pick> class CallModel {
public:
    explicit CallModel(Pick pick) : pick_(std::move(pick)) { calls_seen = &log_; }
    // Destroys every end (in a random order per slot).
    ~CallModel() {
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
    CallModel(const CallModel &) = delete;
    CallModel &operator=(const CallModel &) = delete;

    // One random operation, then the comparison; false at the first
    // mismatch (see error()).
    bool step() {
        if (ok()) step(log_);
        if (ok()) check();
        return ok();
    }
    bool ok() const { return error_.empty(); }
    const std::string &error() const { return error_; }

private:
    static constexpr int kEnds = 4;

    struct Hook : coCBReceiveMultipleSets {
        std::vector<int> told;
        int receive_multiple_sets(int n) override {
            told.push_back(n);
            return 0;
        }
    };

    int pick(int n) { return pick_(n); }

    template <class A, class B> void expect_eq(const A &a, const B &b, const char *what) {
        if (a == b || !ok()) return;
        std::ostringstream os;
        os << what << " differs from the model";
        error_ = os.str();
    }

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
                expect_eq(senders_[s]->calls().remove_matching_receiver(nullptr),
                          collect(ms_[s], true), "sender collection result");
            } else if (ms_[s].alive) {
                expect_eq(senders_[s]->calls().remove_matching_receiver(receivers_[r].get()),
                          model_remove(ms_[s], r, true), "remove_matching_receiver result");
            }
            break;
        case 11:
            if (mr_[r].alive && ms_[s].alive) {
                expect_eq(receivers_[r]->remove_matching_sender(senders_[s].get()),
                          model_remove(mr_[r], s, false), "remove_matching_sender result");
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
            expect_eq(hook_.told.size(), told + 1, "hook calls");
            expect_eq(hook_.told.back(), equal, "count told to the hook");
        } else {
            expect_eq(hook_.told.size(), told, "hook calls");
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
        expect_eq(log, expected, "calls made");
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
            out.push_back(f ? (ids_.count(f) ? ids_.at(f) : -2) : -1);
        return out;
    }
    void check() {
        for (int i = 0; i < kEnds; ++i) {
            if (ms_[i].alive) {
                expect_eq(ids(senders_[i]->calls()), ms_[i].list, "a sender's list");
                expect_eq(senders_[i]->garbage_count(), ms_[i].count, "a sender's garbage count");
            }
            if (mr_[i].alive) {
                expect_eq(ids(*receivers_[i]), mr_[i].list, "a receiver's list");
                expect_eq(receivers_[i]->garbage_count(), mr_[i].count,
                          "a receiver's garbage count");
            }
        }
    }

    Pick pick_;
    std::vector<Call> log_;
    std::string error_;
    coCallReason reasons_[2];
    MEnd ms_[kEnds], mr_[kEnds];
    std::unique_ptr<coSender> senders_[kEnds];
    std::unique_ptr<Recv> receivers_[kEnds];
    std::vector<MReg> regs_;
    std::map<const coCallFunc *, int> ids_;
    Hook hook_;
};

} // namespace colib_test
