// The paged list against std::list<int> (and the doubly linked list):
// 10M elements inserted at the back, then removed from the front; a churn
// of 10M steps on a 1M-element list, each moving a cursor by a random
// distance, removing the element under it and inserting a new one beside
// it; and the memory each element costs.
#include "bench_common.h"

#include <colib/lists/dlist.h>
#include <colib/lists/page_dlist.h>

#include <cstdint>
#include <list>
#include <random>
#include <vector>

namespace {

constexpr int kN = 10'000'000;
constexpr int kChurnSize = 1'000'000;
constexpr int kChurnSteps = 10'000'000;
using colib_bench::push_then_pop;

// Signed distances in [-8, 8], the same for every container.
const std::vector<std::int8_t> &distances() {
    static const std::vector<std::int8_t> d = [] {
        std::mt19937 rng(42);
        std::vector<std::int8_t> v(kChurnSteps);
        for (auto &x : v)
            x = static_cast<std::int8_t>(static_cast<int>(rng() % 17) - 8);
        return v;
    }();
    return d;
}

// The default geometry (256 links per block, block table step 10) grows
// the block table 3900 times on the way to 10M links; the second run
// gives the list 4096 links per block and a table step of 256.
void insert_last_remove_first(benchmark::State &state, int shift, int capacity, int step) {
    push_then_pop(
        state, kN, [=] { return intcoPageDList(shift, capacity, step); },
        [](auto &c, int i) { c.insert_last(i); },
        [](auto &c) { return c.link(c.first_id()).item(); }, [](auto &c) { c.remove_first(); });
}
void BM_InsertLastRemoveFirst_PageDList(benchmark::State &state) {
    insert_last_remove_first(state, 8, 5, 10);
}
void BM_InsertLastRemoveFirst_PageDListShift12(benchmark::State &state) {
    insert_last_remove_first(state, 12, 0, 256);
}
void BM_InsertLastRemoveFirst_StdList(benchmark::State &state) {
    push_then_pop(
        state, kN, [] { return std::list<int>(); }, [](auto &c, int i) { c.push_back(i); },
        [](auto &c) { return c.front(); }, [](auto &c) { c.pop_front(); });
}

// The cursor's single steps: the paged list names them, the doubly
// linked list is its own cursor.
int step_forward(intcoPageDList &l) {
    return l.forwards();
}
int step_back(intcoPageDList &l) {
    return l.backwards();
}
int step_forward(intcoDList &l) {
    return ++l;
}
int step_back(intcoDList &l) {
    return --l;
}

// Steps wrap round at either end.
template <class L> void BM_Churn(benchmark::State &state) {
    const auto &d = distances();
    for (auto _ : state) {
        L l;
        for (int i = 0; i < kChurnSize; ++i)
            l.insert_last(i);
        step_forward(l);
        long long sum = 0;
        for (int s = 0; s < kChurnSteps; ++s) {
            for (int k = d[s]; k > 0; --k)
                if (!step_forward(l)) step_forward(l);
            for (int k = d[s]; k < 0; ++k)
                if (!step_back(l)) step_back(l);
            sum += l.read();
            l.remove();
            if (l.undefined()) step_forward(l);
            l.insert_before(s);
        }
        benchmark::DoNotOptimize(sum);
    }
}
void BM_Churn_StdList(benchmark::State &state) {
    const auto &d = distances();
    for (auto _ : state) {
        std::list<int> l;
        for (int i = 0; i < kChurnSize; ++i)
            l.push_back(i);
        auto it = l.begin();
        long long sum = 0;
        for (int s = 0; s < kChurnSteps; ++s) {
            for (int k = d[s]; k > 0; --k)
                if (++it == l.end()) it = l.begin();
            for (int k = d[s]; k < 0; ++k)
                it = it == l.begin() ? std::prev(l.end()) : std::prev(it);
            sum += *it;
            it = l.erase(it);
            if (it == l.end()) it = l.begin();
            l.insert(it, s);
        }
        benchmark::DoNotOptimize(sum);
    }
}

void BM_Memory_PageDList(benchmark::State &state) {
    colib_bench::list_memory<intcoPageDList>(state, [](auto &l, int i) { l.insert_last(i); });
}
void BM_Memory_StdList(benchmark::State &state) {
    colib_bench::list_memory<std::list<int>>(state, [](auto &l, int i) { l.push_back(i); });
}

} // namespace

BENCHMARK(BM_InsertLastRemoveFirst_PageDList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertLastRemoveFirst_PageDListShift12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertLastRemoveFirst_StdList)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Churn, intcoPageDList)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_TEMPLATE(BM_Churn, intcoDList)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Churn_StdList)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Memory_PageDList)->Iterations(1);
BENCHMARK(BM_Memory_StdList)->Iterations(1);

int main(int argc, char **argv) {
    return colib_bench::run_with_warm_heap(argc, argv, kN);
}
