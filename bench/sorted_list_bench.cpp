// The sorted list against std::multiset<int>: add 1M random ints, then find
// each, then walk the order; and the memory each element costs.
#include "bench_common.h"

#include <colib/lists/sorted_list.h>

#include <random>
#include <set>
#include <vector>

namespace {

constexpr int kN = 1'000'000;

const std::vector<int> &keys() {
    static const std::vector<int> k = [] {
        std::mt19937 rng(5);
        std::vector<int> v(kN);
        for (auto &x : v)
            x = static_cast<int>(rng() % 4'000'000);
        return v;
    }();
    return k;
}

void BM_AddFindWalk_SortedList(benchmark::State &state) {
    const auto &k = keys();
    for (auto _ : state) {
        intcoSortedList l;
        for (int x : k)
            l.add(x);
        long long found = 0;
        for (int x : k) {
            intcoSortedListcoIterator it = static_cast<const intcoSortedList &>(l).find(x);
            found += it();
        }
        long long sum = 0;
        intcoSortedListcoIterator w(&l);
        while (++w)
            sum += w();
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(sum);
    }
}
void BM_AddFindWalk_StdMultiset(benchmark::State &state) {
    const auto &k = keys();
    for (auto _ : state) {
        std::multiset<int> l;
        for (int x : k)
            l.insert(x);
        long long found = 0;
        for (int x : k) {
            auto it = l.lower_bound(x);
            if (it != l.end() && !(x < *it)) found += *it;
        }
        long long sum = 0;
        for (int x : l)
            sum += x;
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(sum);
    }
}

void BM_Memory_SortedList(benchmark::State &state) {
    colib_bench::memory_per_element(state, kN, [] {
        auto *l = new intcoSortedList;
        for (int x : keys())
            l->add(x);
        return l;
    });
}
void BM_Memory_StdMultiset(benchmark::State &state) {
    colib_bench::memory_per_element(state, kN, [] {
        auto *l = new std::multiset<int>;
        for (int x : keys())
            l->insert(x);
        return l;
    });
}

} // namespace

BENCHMARK(BM_AddFindWalk_SortedList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddFindWalk_StdMultiset)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memory_SortedList)->Iterations(1);
BENCHMARK(BM_Memory_StdMultiset)->Iterations(1);
BENCHMARK_MAIN();
