// intcoSet against std::unordered_set, absl::flat_hash_set and
// boost::unordered_flat_set: insert, find-hit, find-miss and erase at 1K,
// 64K, 1,048,000 and 2^20 random ints; the untyped (virtual) path of
// intcoSet at 2^20. Memory per element is reported as a counter (bytes held
// by the container divided by its element count). Word counting on a real
// text is in word_count_bench.cpp.
#include "bench_common.h"

#include <colib/hashing/set.h>

#include <absl/container/flat_hash_set.h>
#include <benchmark/benchmark.h>
#include <boost/unordered/unordered_flat_set.hpp>

#include <climits>
#include <map>
#include <random>
#include <unordered_set>
#include <vector>

namespace {

struct Keys {
    std::vector<int> present, absent;
};

const Keys &keys(int n) {
    static std::map<int, Keys> cache;
    auto it = cache.find(n);
    if (it != cache.end()) return it->second;
    std::mt19937 rng(static_cast<unsigned>(n));
    std::unordered_set<int> seen;
    Keys k;
    while (static_cast<int>(k.present.size()) < n) {
        int v = static_cast<int>(rng());
        if (v != INT_MIN && seen.insert(v).second) k.present.push_back(v);
    }
    while (static_cast<int>(k.absent.size()) < n) {
        int v = static_cast<int>(rng());
        if (v != INT_MIN && seen.insert(v).second) k.absent.push_back(v);
    }
    return cache.emplace(n, std::move(k)).first->second;
}

// One face for the four sets.
struct Colib {
    intcoSet s{4, 50};
    void insert(int v) { s.add(v); }
    bool contains(int v) const { return s.member(v) != 0; }
    void erase(int v) { s.remove(v); }
};
// The same set through the engine's untyped operations (a virtual call
// per probe step).
struct ColibVirtual {
    intcoSet s{4, 50};
    void insert(int v) { static_cast<basecoSet &>(s).add(&v); }
    bool contains(int v) const { return static_cast<const basecoSet &>(s).member(&v) != 0; }
    void erase(int v) {
        int out;
        static_cast<basecoSet &>(s).remove(&v, &out);
    }
};
template <class Set> struct Std {
    Set s;
    void insert(int v) { s.insert(v); }
    bool contains(int v) const { return s.find(v) != s.end(); }
    void erase(int v) { s.erase(v); }
};
using StdSet = Std<std::unordered_set<int>>;
using AbslSet = Std<absl::flat_hash_set<int>>;
using BoostSet = Std<boost::unordered_flat_set<int>>;

template <class S> void fill(S &s, const std::vector<int> &v) {
    for (int x : v)
        s.insert(x);
}

template <class S> void BM_Insert(benchmark::State &state) {
    const auto &k = keys(static_cast<int>(state.range(0)));
    double bytes = 0;
    for (auto _ : state) {
        long long before = colib_bench::live_heap_bytes();
        S s;
        fill(s, k.present);
        bytes = static_cast<double>(colib_bench::live_heap_bytes() - before);
        benchmark::DoNotOptimize(s);
    }
    state.counters["bytes_per_elem"] = bytes / static_cast<double>(k.present.size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Looks up every key that probes(k) gives in a set holding k.present;
// hits(k) is how many of them must be found.
template <class S, class Probes, class Hits>
void find_all(benchmark::State &state, Probes probes, Hits hits, const char *wrong) {
    const auto &k = keys(static_cast<int>(state.range(0)));
    S s;
    fill(s, k.present);
    for (auto _ : state) {
        long found = 0;
        for (int x : probes(k))
            found += s.contains(x);
        if (found != hits(k)) state.SkipWithError(wrong);
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
template <class S> void BM_FindHit(benchmark::State &state) {
    find_all<S>(
        state, [](const auto &k) -> const auto & { return k.present; },
        [](const auto &k) { return static_cast<long>(k.present.size()); }, "missed");
}
template <class S> void BM_FindMiss(benchmark::State &state) {
    find_all<S>(
        state, [](const auto &k) -> const auto & { return k.absent; },
        [](const auto &) { return 0L; }, "false hit");
}

template <class S> void BM_Erase(benchmark::State &state) {
    const auto &k = keys(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        S s;
        fill(s, k.present);
        state.ResumeTiming();
        for (int x : k.present)
            s.erase(x);
        benchmark::DoNotOptimize(s);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// 1,048,000 keys sit just under a doubling (2^21 slots, load close to 1/2,
// the longest probes); 2^20 keys just after one (2^22 slots, load 1/4).
#define SIZES Arg(1 << 10)->Arg(1 << 16)->Arg(1048000)->Arg(1 << 20)->Unit(benchmark::kMicrosecond)
#define ALL(BM)                                                                                    \
    BENCHMARK_TEMPLATE(BM, Colib)->SIZES;                                                          \
    BENCHMARK_TEMPLATE(BM, StdSet)->SIZES;                                                         \
    BENCHMARK_TEMPLATE(BM, AbslSet)->SIZES;                                                        \
    BENCHMARK_TEMPLATE(BM, BoostSet)->SIZES;                                                       \
    BENCHMARK_TEMPLATE(BM, ColibVirtual)->Arg(1 << 20)->Unit(benchmark::kMicrosecond)

ALL(BM_Insert);
ALL(BM_FindHit);
ALL(BM_FindMiss);
ALL(BM_Erase);

} // namespace

BENCHMARK_MAIN();
