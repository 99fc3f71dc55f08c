// The call lists against the peers a user would pick instead: a signal of
// the header-only Boost.Signals2 library, and a std::vector of
// std::function called in a loop (and, as the floor of a walk over linked
// nodes, the same functions in a std::forward_list).
//
//   Dispatch/N       one send_calls reaching N receivers (kind 1); HandRules
//                    is the same walk written by hand over the same blocks
//   RegisterDrop/L   1M cycles of: make a receiver, register it, destroy it
//                    (the sender's garbage limit L: 0 never collects, 1
//                    collects at each drop, 64 every 64th)
//   Memory           heap bytes per registration, 100K registrations
#include "bench_common.h"

#include <colib/notify/call_list.h>
#include <colib/notify/typed_call.h>

#include <boost/signals2.hpp>

#include <cstdint>
#include <forward_list>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

struct Recv : coReceiver {
    Recv() : coReceiver(1) {}
    long hits = 0;
};
struct Data : coCBData {
    long step = 1;
};
void on_data(Recv *r, Data *d) {
    r->hits += d->step;
}

// The same work on the peers' side: a plain object with the same counter.
struct Plain {
    long hits = 0;
};

constexpr int kCycles = 1'000'000;

void BM_Dispatch_colib(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    coCallReason why;
    coSender s(1);
    std::vector<std::unique_ptr<Recv>> rs;
    for (int i = 0; i < n; ++i) {
        rs.push_back(std::make_unique<Recv>());
        co_register<on_data>(why, rs.back().get(), &s);
    }
    Data d;
    for (auto _ : state)
        s.send_calls(why, d);
    benchmark::DoNotOptimize(rs.front()->hits);
    state.SetItemsProcessed(state.iterations() * n);
}

// The std::function peers: the same calls in a vector, or in a singly
// linked list whose nodes are made between each receiver and a block the
// size of a registration, as co_register lays them out (the floor of any
// linked walk).
template <bool Linked> void dispatch_functions(benchmark::State &state) {
    using Call = std::function<void(void *)>;
    const int n = static_cast<int>(state.range(0));
    std::vector<std::unique_ptr<Plain>> rs;
    std::vector<std::unique_ptr<char[]>> pads;
    std::conditional_t<Linked, std::forward_list<Call>, std::vector<Call>> calls;
    for (int i = 0; i < n; ++i) {
        rs.push_back(std::make_unique<Plain>());
        Plain *p = rs.back().get();
        Call f = [p](void *d) { p->hits += static_cast<Data *>(d)->step; };
        if constexpr (Linked) {
            pads.push_back(std::make_unique<char[]>(sizeof(coCallFunc)));
            calls.push_front(std::move(f));
        } else {
            calls.push_back(std::move(f));
        }
    }
    Data d;
    for (auto _ : state)
        for (auto &f : calls)
            f(&d);
    benchmark::DoNotOptimize(rs.front()->hits);
    state.SetItemsProcessed(state.iterations() * n);
}
void BM_Dispatch_StdFunction(benchmark::State &state) {
    dispatch_functions<false>(state);
}
void BM_Dispatch_LinkedStdFunction(benchmark::State &state) {
    dispatch_functions<true>(state);
}

// The floor under the call lists' rules, written by hand: blocks laid out
// as co_register makes them (per receiver: the receiver, the registration,
// the sender's link, the receiver's link), a sender with its flag, and the
// walk making each test a send must make (the sender's flag; per link: an
// element, its kind and reason, both ends set, the receiver's flag),
// calling through the registration's function pointer and reading the next
// link after the call. It leaves out only the walk's frame.
struct HandRecv {
    int receiving = 1;
    long hits = 0;
};
struct HandReg {
    std::uint64_t match;
    HandRecv *receiver;
    const void *sender;
    void (*call)(void *, void *);
};
struct HandLink {
    HandLink *next;
    const HandReg *reg;
};
struct HandSender {
    int sending = 1;
    HandLink head{&head, nullptr};
};
void hand_on_data(void *r, void *d) {
    static_cast<HandRecv *>(r)->hits += static_cast<Data *>(d)->step;
}

void BM_Dispatch_HandRules(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    constexpr std::uint64_t kMatch = 1;
    HandSender s;
    std::vector<std::unique_ptr<HandRecv>> rs;
    std::vector<std::unique_ptr<HandReg>> regs;
    std::vector<std::unique_ptr<HandLink>> links;
    for (int i = 0; i < n; ++i) {
        rs.push_back(std::make_unique<HandRecv>());
        regs.push_back(
            std::make_unique<HandReg>(HandReg{kMatch, rs.back().get(), &s, hand_on_data}));
        links.push_back(std::make_unique<HandLink>());
        links.back()->next = s.head.next;
        links.back()->reg = regs.back().get();
        s.head.next = links.back().get();
        links.push_back(std::make_unique<HandLink>()); // the receiver's link
    }
    Data d;
    for (auto _ : state) {
        if (!s.sending) continue;
        for (const HandLink *at = s.head.next; at != &s.head; at = at->next) {
            const HandReg *f = at->reg;
            if (f && f->match == kMatch && f->receiver && f->sender && f->receiver->receiving)
                f->call(f->receiver, &d);
        }
    }
    benchmark::DoNotOptimize(rs.front()->hits);
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_Dispatch_Signals2(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<std::unique_ptr<Plain>> rs;
    boost::signals2::signal<void(Data *)> sig;
    for (int i = 0; i < n; ++i) {
        rs.push_back(std::make_unique<Plain>());
        Plain *p = rs.back().get();
        sig.connect([p](Data *d) { p->hits += d->step; });
    }
    Data d;
    for (auto _ : state)
        sig(&d);
    benchmark::DoNotOptimize(rs.front()->hits);
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_RegisterDrop_colib(benchmark::State &state) {
    const int limit = static_cast<int>(state.range(0));
    coCallReason why;
    for (auto _ : state) {
        coSender s(limit);
        for (int i = 0; i < kCycles; ++i) {
            Recv r;
            co_register<on_data>(why, &r, &s);
        }
        benchmark::DoNotOptimize(&s);
    }
    state.SetItemsProcessed(state.iterations() * kCycles);
}

// The receiver holds a scoped connection, so destroying it disconnects; the
// signal drops disconnected slots itself, a few at each connect.
void BM_RegisterDrop_Signals2(benchmark::State &state) {
    struct SigRecv {
        long hits = 0;
        boost::signals2::scoped_connection c;
    };
    for (auto _ : state) {
        boost::signals2::signal<void(Data *)> sig;
        for (int i = 0; i < kCycles; ++i) {
            SigRecv r;
            SigRecv *p = &r;
            r.c = sig.connect([p](Data *d) { p->hits += d->step; });
        }
        benchmark::DoNotOptimize(&sig);
    }
    state.SetItemsProcessed(state.iterations() * kCycles);
}

constexpr int kMemRegs = 100'000;

void BM_Memory_colib(benchmark::State &state) {
    coCallReason why;
    coSender s(1);
    std::vector<std::unique_ptr<Recv>> rs;
    for (int i = 0; i < kMemRegs; ++i)
        rs.push_back(std::make_unique<Recv>());
    colib_bench::memory_per_element(state, kMemRegs, [&] {
        for (auto &r : rs)
            co_register<on_data>(why, r.get(), &s);
        // Dropping the registrations is left to the receivers and the sender.
        return static_cast<int *>(nullptr);
    });
    state.counters["bytes_per_reg"] = state.counters["bytes_per_elem"];
}

void BM_Memory_StdFunction(benchmark::State &state) {
    std::vector<std::unique_ptr<Plain>> rs;
    for (int i = 0; i < kMemRegs; ++i)
        rs.push_back(std::make_unique<Plain>());
    colib_bench::memory_per_element(state, kMemRegs, [&] {
        auto *calls = new std::vector<std::function<void(void *)>>;
        for (auto &r : rs) {
            Plain *p = r.get();
            calls->emplace_back([p](void *d) { p->hits += static_cast<Data *>(d)->step; });
        }
        return calls;
    });
    state.counters["bytes_per_reg"] = state.counters["bytes_per_elem"];
}

void BM_Memory_Signals2(benchmark::State &state) {
    std::vector<std::unique_ptr<Plain>> rs;
    for (int i = 0; i < kMemRegs; ++i)
        rs.push_back(std::make_unique<Plain>());
    colib_bench::memory_per_element(state, kMemRegs, [&] {
        auto *sig = new boost::signals2::signal<void(Data *)>;
        for (auto &r : rs) {
            Plain *p = r.get();
            sig->connect([p](Data *d) { p->hits += d->step; });
        }
        return sig;
    });
    state.counters["bytes_per_reg"] = state.counters["bytes_per_elem"];
}

} // namespace

BENCHMARK(BM_Dispatch_colib)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK(BM_Dispatch_StdFunction)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK(BM_Dispatch_LinkedStdFunction)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK(BM_Dispatch_HandRules)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK(BM_Dispatch_Signals2)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK(BM_RegisterDrop_colib)->Arg(0)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegisterDrop_Signals2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memory_colib)->Iterations(1);
BENCHMARK(BM_Memory_StdFunction)->Iterations(1);
BENCHMARK(BM_Memory_Signals2)->Iterations(1);

int main(int argc, char **argv) {
    return colib_bench::run_with_warm_heap(argc, argv, 1'000'000);
}
