// intcoVariableArr against std::deque<int> and std::vector<int>.
#include <colib/arrays/variable_arr.h>

#include "bench_common.h"

#include <benchmark/benchmark.h>

#include <deque>
#include <vector>

namespace {
constexpr int kN = 10000000;
constexpr int kReads = 1 << 20;

template <class C> void append(benchmark::State &state) {
    for (auto _ : state) {
        C c;
        for (int i = 0; i < kN; ++i) {
            if constexpr (std::is_same_v<C, intcoVariableArr>)
                c.append(i);
            else
                c.push_back(i);
        }
        benchmark::DoNotOptimize(&c);
    }
    state.SetItemsProcessed(state.iterations() * kN);
}

template <class C> C filled() {
    C c;
    for (int i = 0; i < kN; ++i) {
        if constexpr (std::is_same_v<C, intcoVariableArr>)
            c.append(i);
        else
            c.push_back(i);
    }
    return c;
}

template <class C> void random_reads(benchmark::State &state) {
    colib_bench::random_reads(state, filled<C>(), colib_bench::random_indexes(kReads, kN, 1));
}

void VariableArr_IteratorWalk(benchmark::State &state) {
    const intcoVariableArr a = filled<intcoVariableArr>();
    for (auto _ : state) {
        long long sum = 0;
        for (intcoVariableArrcoIterator it(&a); ++it;)
            sum += it();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kN);
}
void VariableArr_RangeFor(benchmark::State &state) {
    const intcoVariableArr a = filled<intcoVariableArr>();
    for (auto _ : state) {
        long long sum = 0;
        for (int v : a)
            sum += v;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kN);
}
void Vector_Walk(benchmark::State &state) {
    const std::vector<int> v = filled<std::vector<int>>();
    for (auto _ : state) {
        long long sum = 0;
        for (int x : v)
            sum += x;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kN);
}

void VariableArr_Append(benchmark::State &s) {
    append<intcoVariableArr>(s);
}
void Deque_PushBack(benchmark::State &s) {
    append<std::deque<int>>(s);
}
void Vector_PushBack(benchmark::State &s) {
    append<std::vector<int>>(s);
}
void VariableArr_RandomRead(benchmark::State &s) {
    random_reads<intcoVariableArr>(s);
}
void Vector_RandomRead(benchmark::State &s) {
    random_reads<std::vector<int>>(s);
}
} // namespace

BENCHMARK(VariableArr_Append)->Unit(benchmark::kMillisecond);
BENCHMARK(Deque_PushBack)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_PushBack)->Unit(benchmark::kMillisecond);
BENCHMARK(VariableArr_RandomRead)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_RandomRead)->Unit(benchmark::kMillisecond);
BENCHMARK(VariableArr_IteratorWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(VariableArr_RangeFor)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_Walk)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
