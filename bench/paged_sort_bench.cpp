// doublecoQuickSortIndex against std::sort and std::stable_sort of an index
// vector by the same keys: 1M random doubles, and 1M doubles with only 16
// distinct values. Each run builds the index array 0..n-1 and sorts it.
#include <benchmark/benchmark.h>
#include <colib/sorting/sort.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int kN = 1'000'000;

const std::vector<double> &keys(int distinct) {
    static std::vector<double> all, few;
    std::vector<double> &k = distinct ? few : all;
    if (k.empty()) {
        std::mt19937_64 rng(17);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        k.resize(kN);
        for (double &x : k)
            x = distinct ? static_cast<double>(rng() % 16) : u(rng);
    }
    return k;
}
const doublecoPageArr &page_keys(int distinct) {
    static doublecoPageArr all, few;
    doublecoPageArr &k = distinct ? few : all;
    if (k.size() == 0) {
        const std::vector<double> &src = keys(distinct);
        k.copyin(src.data(), kN, 0, 0);
    }
    return k;
}

// A derived sorter: sort_indices then runs through the virtual slots.
class VirtualIndexSort : public doublecoQuickSortIndex {};

void BM_IndexSort(benchmark::State &state) {
    const doublecoPageArr &k = page_keys(static_cast<int>(state.range(0)));
    intcoPageArr order;
    for (auto _ : state) {
        doublecoQuickSortIndex s(k, order);
        benchmark::DoNotOptimize(&order[0]);
    }
}
void BM_IndexSortVirtual(benchmark::State &state) {
    const doublecoPageArr &k = page_keys(static_cast<int>(state.range(0)));
    intcoPageArr order;
    for (auto _ : state) {
        VirtualIndexSort s;
        s.sort_indices(k, order);
        benchmark::DoNotOptimize(&order[0]);
    }
}
void BM_StdSort(benchmark::State &state) {
    const std::vector<double> &k = keys(static_cast<int>(state.range(0)));
    std::vector<int> order(kN);
    for (auto _ : state) {
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(),
                  [&](int a, int b) { return k[a] < k[b] || (k[a] == k[b] && a < b); });
        benchmark::DoNotOptimize(order.data());
    }
}
void BM_StdStableSort(benchmark::State &state) {
    const std::vector<double> &k = keys(static_cast<int>(state.range(0)));
    std::vector<int> order(kN);
    for (auto _ : state) {
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return k[a] < k[b]; });
        benchmark::DoNotOptimize(order.data());
    }
}

} // namespace

// Argument 0: distinct random keys; 16: sixteen distinct values.
BENCHMARK(BM_IndexSort)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexSortVirtual)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSort)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdStableSort)->Arg(0)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
