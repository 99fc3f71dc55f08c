// intcoPageArr against std::deque<int> and std::vector<int>: appending 10M
// ints, a sequential walk and random indexed reads.
#include "bench_common.h"

#include <benchmark/benchmark.h>
#include <colib/paged/page_arr.h>

#include <deque>
#include <vector>

namespace {

constexpr int kN = 10'000'000;
constexpr int kReads = 1'000'000;

// The default geometry (256 per block, table step 10) grows the block
// table 3900 times on the way to 10M elements, copying its pointers each
// time; a table step of 4096 grows it ten times.
void append_page_arr(benchmark::State &state, int shift, int capacity, int step) {
    for (auto _ : state) {
        intcoPageArr a(shift, capacity, step);
        for (int i = 0; i < kN; ++i)
            a.append(i);
        benchmark::DoNotOptimize(&a[kN - 1]);
    }
}
void BM_Append_PageArr(benchmark::State &state) {
    append_page_arr(state, 8, 5, 10);
}
void BM_Append_PageArrStep4096(benchmark::State &state) {
    append_page_arr(state, 8, 0, 4096);
}
void BM_Append_PageArrShift12(benchmark::State &state) {
    append_page_arr(state, 12, 0, 256);
}
void BM_Append_Deque(benchmark::State &state) {
    for (auto _ : state) {
        std::deque<int> d;
        for (int i = 0; i < kN; ++i)
            d.push_back(i);
        benchmark::DoNotOptimize(&d[kN - 1]);
    }
}
void BM_Append_Vector(benchmark::State &state) {
    for (auto _ : state) {
        std::vector<int> v;
        for (int i = 0; i < kN; ++i)
            v.push_back(i);
        benchmark::DoNotOptimize(&v[kN - 1]);
    }
}

template <class C> C &filled() {
    static C c = [] {
        C x;
        for (int i = 0; i < kN; ++i)
            x.push_back(i);
        return x;
    }();
    return c;
}
// Default geometry; and 4096 elements per block with a table step of 256,
// the geometry for arrays of millions (a 20 KB table, ten table growths).
template <int Shift> const intcoPageArr &page_filled() {
    static intcoPageArr a = [] {
        intcoPageArr x(Shift, Shift == 8 ? 5 : 0, Shift == 8 ? 10 : 256);
        for (int i = 0; i < kN; ++i)
            x.append(i);
        return x;
    }();
    return a;
}
const std::vector<int> &random_indexes() {
    static const std::vector<int> idx = colib_bench::random_indexes(kReads, kN, 1);
    return idx;
}

template <int Shift> void BM_Walk_PageArr(benchmark::State &state) {
    const intcoPageArr &a = page_filled<Shift>();
    for (auto _ : state) {
        long long sum = 0;
        for (int x : a)
            sum += x;
        benchmark::DoNotOptimize(sum);
    }
}
template <int Shift> void BM_Walk_PageArrIterator(benchmark::State &state) {
    const intcoPageArr &a = page_filled<Shift>();
    for (auto _ : state) {
        long long sum = 0;
        intcoPageArrcoIterator it(&a);
        while (++it)
            sum += it();
        benchmark::DoNotOptimize(sum);
    }
}
template <int Shift> void BM_Walk_PageArrBlocks(benchmark::State &state) {
    const intcoPageArr &a = page_filled<Shift>();
    for (auto _ : state) {
        long long sum = 0;
        int bs = a.block_size();
        for (int b = 0, left = a.size(); left > 0; ++b, left -= bs) {
            const int *p = a.block(b);
            int m = left < bs ? left : bs;
            for (int k = 0; k < m; ++k)
                sum += p[k];
        }
        benchmark::DoNotOptimize(sum);
    }
}
void BM_Walk_Deque(benchmark::State &state) {
    const auto &d = filled<std::deque<int>>();
    for (auto _ : state) {
        long long sum = 0;
        for (int x : d)
            sum += x;
        benchmark::DoNotOptimize(sum);
    }
}
void BM_Walk_Vector(benchmark::State &state) {
    const auto &v = filled<std::vector<int>>();
    for (auto _ : state) {
        long long sum = 0;
        for (int x : v)
            sum += x;
        benchmark::DoNotOptimize(sum);
    }
}

template <int Shift> void BM_RandomRead_PageArr(benchmark::State &state) {
    colib_bench::random_reads(state, page_filled<Shift>(), random_indexes());
}
void BM_RandomRead_Deque(benchmark::State &state) {
    colib_bench::random_reads(state, filled<std::deque<int>>(), random_indexes());
}
void BM_RandomRead_Vector(benchmark::State &state) {
    colib_bench::random_reads(state, filled<std::vector<int>>(), random_indexes());
}

} // namespace

BENCHMARK(BM_Append_PageArr)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Append_PageArrStep4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Append_PageArrShift12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Append_Deque)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Append_Vector)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Walk_PageArr, 8)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Walk_PageArrIterator, 8)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Walk_PageArrBlocks, 8)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Walk_PageArr, 12)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Walk_PageArrIterator, 12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Walk_Deque)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Walk_Vector)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_RandomRead_PageArr, 8)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_RandomRead_PageArr, 12)->Unit(benchmark::kMillisecond);
// One 64 MB block: the same two-load indexing over one mmap'd region,
// separating the cost of the indexing from that of the block layout.
BENCHMARK_TEMPLATE(BM_RandomRead_PageArr, 24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomRead_Deque)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomRead_Vector)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
