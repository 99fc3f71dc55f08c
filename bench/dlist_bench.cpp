// The doubly linked list against std::list<int>: 10M elements inserted at
// the back, then removed from the front; and the memory each element costs.
#include "bench_common.h"

#include <colib/lists/dlist.h>

#include <list>

namespace {

constexpr int kN = 10'000'000;
using colib_bench::push_then_pop;

void BM_InsertLastRemoveFirst_DListB(benchmark::State &state) {
    push_then_pop(
        state, kN, [] { return intcoDListB(); }, [](auto &c, int i) { c.insert_last(i); },
        [](auto &c) { return c.next()->read(); }, [](auto &c) { c.remove_first(); });
}
void BM_InsertLastRemoveFirst_StdList(benchmark::State &state) {
    push_then_pop(
        state, kN, [] { return std::list<int>(); }, [](auto &c, int i) { c.push_back(i); },
        [](auto &c) { return c.front(); }, [](auto &c) { c.pop_front(); });
}

// Heap bytes in use per element of a 1M-element list.
void BM_Memory_DListB(benchmark::State &state) {
    colib_bench::list_memory<intcoDListB>(state, [](auto &l, int i) { l.insert_last(i); });
}
void BM_Memory_StdList(benchmark::State &state) {
    colib_bench::list_memory<std::list<int>>(state, [](auto &l, int i) { l.push_back(i); });
}

} // namespace

BENCHMARK(BM_InsertLastRemoveFirst_DListB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertLastRemoveFirst_StdList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memory_DListB)->Iterations(1);
BENCHMARK(BM_Memory_StdList)->Iterations(1);

int main(int argc, char **argv) {
    return colib_bench::run_with_warm_heap(argc, argv, kN);
}
