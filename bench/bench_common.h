// Pieces every benchmark executable shares: the push-then-pop loop of the
// stack, queue and list comparisons, random reads, the heap bytes a
// container costs per element, and a main() that grows the heap before
// anything is timed.
#pragma once

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <list>
#include <random>
#include <vector>

namespace colib_bench {

// Per iteration: make() a container, push(c, i) for i in [0, n), then
// read front(c) and pop(c) until it is empty. The container's own three
// operations are passed as lambdas, so the loop is the same for every side.
template <class Make, class Push, class Front, class Pop>
void push_then_pop(benchmark::State &state, int n, Make make, Push push, Front front, Pop pop) {
    for (auto _ : state) {
        auto c = make();
        for (int i = 0; i < n; ++i)
            push(c, i);
        long long sum = 0;
        while (!c.empty()) {
            sum += front(c);
            pop(c);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

// count indexes below limit, the same in every run (a fixed seed).
inline std::vector<int> random_indexes(int count, int limit, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<int> order(count);
    for (int &i : order)
        i = static_cast<int>(rng() % limit);
    return order;
}

// Per iteration: the sum of c[i] for every i of order, each a random read.
template <class C>
void random_reads(benchmark::State &state, const C &c, const std::vector<int> &order) {
    for (auto _ : state) {
        long long sum = 0;
        for (int i : order)
            sum += c[i];
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(order.size()));
}

// Bytes the allocator has handed out and not had back (malloc's per-chunk
// overhead included): the arena's chunks in use and the mmapped ones.
inline std::size_t malloc_in_use() {
    struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// The usable bytes of the blocks operator new has handed out and not had
// back, and how many times it was called: only in the executables that link
// counting_new.cpp.
long long live_heap_bytes() noexcept;
long long allocations() noexcept;

// Heap bytes in use per element of the container that fill() builds with n
// elements on the heap.
template <class Fill> void memory_per_element(benchmark::State &state, int n, Fill fill) {
    for (auto _ : state) {
        std::size_t before = malloc_in_use();
        auto *holder = fill();
        std::size_t after = malloc_in_use();
        state.counters["bytes_per_elem"] = static_cast<double>(after - before) / n;
        benchmark::DoNotOptimize(holder);
        delete holder;
    }
}

// memory_per_element for a list of 1M ints, each added by add(list, i).
template <class L, class Add> void list_memory(benchmark::State &state, Add add) {
    constexpr int n = 1'000'000;
    memory_per_element(state, n, [&] {
        auto *l = new L;
        for (int i = 0; i < n; ++i)
            add(*l, i);
        return l;
    });
}

// The first benchmark to grow the heap would pay its page faults for every
// side: grow it by n list nodes once, then run the registered benchmarks.
inline int run_with_warm_heap(int argc, char **argv, int n) {
    {
        std::list<int> warm;
        for (int i = 0; i < n; ++i)
            warm.push_back(i);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The hashing family's home slot and tag of a hash, for the floors that
// write its layouts by hand (B at least 1).
inline unsigned hand_home(unsigned h, int bits) {
    return (h * 2654435769u) >> (32 - bits);
}
inline std::uint8_t hand_tag(unsigned h) {
    return static_cast<std::uint8_t>((std::uint64_t{h} * 0x9E3779B97F4A7C15ull) >> 57);
}

} // namespace colib_bench
