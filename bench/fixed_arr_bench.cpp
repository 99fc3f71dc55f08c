// intcoFixedArr reads against a plain new[] array and std::unique_ptr<int[]>,
// side by side in one run.
#include <colib/arrays/fixed_arr.h>

#include <benchmark/benchmark.h>

#include <memory>

namespace {
constexpr int kInts = 1 << 20;

void FixedArr_IndexedRead(benchmark::State &state) {
    intcoFixedArr a(kInts);
    for (int i = 0; i < kInts; ++i)
        a[i] = i * 7;
    const intcoFixedArr &c = a;
    for (auto _ : state) {
        long long sum = 0;
        for (int i = 0; i < c.size(); ++i)
            sum += c[i];
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kInts);
}
void FixedArr_RangeFor(benchmark::State &state) {
    intcoFixedArr a(kInts);
    for (int i = 0; i < kInts; ++i)
        a[i] = i * 7;
    const intcoFixedArr &c = a;
    for (auto _ : state) {
        long long sum = 0;
        for (int x : c)
            sum += x;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kInts);
}
void NewArray_IndexedRead(benchmark::State &state) {
    int *p = new int[kInts];
    for (int i = 0; i < kInts; ++i)
        p[i] = i * 7;
    const int n = kInts;
    for (auto _ : state) {
        long long sum = 0;
        for (int i = 0; i < n; ++i)
            sum += p[i];
        benchmark::DoNotOptimize(sum);
    }
    delete[] p;
    state.SetItemsProcessed(state.iterations() * kInts);
}
void UniquePtr_IndexedRead(benchmark::State &state) {
    std::unique_ptr<int[]> p(new int[kInts]);
    for (int i = 0; i < kInts; ++i)
        p[i] = i * 7;
    for (auto _ : state) {
        long long sum = 0;
        for (int i = 0; i < kInts; ++i)
            sum += p[i];
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kInts);
}

// Making and dropping a small array: one allocation each way.
void FixedArr_MakeAndDrop(benchmark::State &state) {
    for (auto _ : state) {
        intcoFixedArr a(64);
        benchmark::DoNotOptimize(a.data());
    }
}
void NewArray_MakeAndDrop(benchmark::State &state) {
    for (auto _ : state) {
        int *p = new int[64];
        benchmark::DoNotOptimize(p);
        delete[] p;
    }
}
void UniquePtr_MakeAndDrop(benchmark::State &state) {
    for (auto _ : state) {
        std::unique_ptr<int[]> p(new int[64]);
        benchmark::DoNotOptimize(p.get());
    }
}
} // namespace

BENCHMARK(FixedArr_IndexedRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(FixedArr_RangeFor)->Unit(benchmark::kMicrosecond);
BENCHMARK(NewArray_IndexedRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(UniquePtr_IndexedRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(FixedArr_MakeAndDrop);
BENCHMARK(NewArray_MakeAndDrop);
BENCHMARK(UniquePtr_MakeAndDrop);
BENCHMARK_MAIN();
