// The everyday loops of the array and paged families, each beside the loop a
// user would write by hand with the standard library, in one run so that the
// ratios compare like with like (sends are in notify_bench.cpp, read-safe
// lookups in resources_bench.cpp):
//
//   Matrix_Write / Flat_Write           every cell of a 2048 x 2048 int matrix
//                                       through the growing operator()
//   Flat_WriteChecked                   the flat loop with the subscript's
//                                       extent test and a growth call off
//                                       the common path (no vectorising)
//   PageArr_Append / Deque_PushBack     1M appends, default geometry
//   PageArr_RandomRead, VariableArr_RandomRead / Vector_RandomRead
//                                       1M random reads of a 10M-element array
//   Vector_RandomReadOneBlock, Vector_RandomReadBlocks
//                                       the vector's own buffer read through
//                                       a one-entry block table, and through
//                                       a table of 256-element blocks
//   Vector_RandomReadVariableBlocks     and through the variable array's
//                                       geometry and read
//   DynArr_AppendReserved / Vector_PushBackReserved   1M appends into room
//   DynArr_AppendDefault / Vector_PushBack            64K appends, no room
//   StackFast_PushPop / StdStack_PushPop              1M pushes, then pops
//   StdStack_PushPopEscaped             the same std::stack once its address
//                                       has been handed out (a member or a
//                                       reference parameter): its end is then
//                                       stored at every push, as the fast
//                                       stack's is (its constructor, growth
//                                       and destructor are library calls)
#include "bench_common.h"

#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/stack_fast.h>
#include <colib/arrays/variable_arr.h>
#include <colib/paged/page_arr.h>

#include <deque>
#include <memory>
#include <stack>
#include <vector>

namespace {

// ---- matrix writes ---------------------------------------------------------

constexpr int kSide = 2048;

void Matrix_Write(benchmark::State &state) {
    intcoDynArr2D m(0, 0, kSide, kSide); // large steps: one allocation
    m.expand(kSide, kSide);
    for (auto _ : state) {
        for (int i = 0; i < kSide; ++i)
            for (int j = 0; j < kSide; ++j)
                m(i, j) = i + j;
        benchmark::DoNotOptimize(m.block());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
void Flat_Write(benchmark::State &state) {
    std::vector<int> v(static_cast<std::size_t>(kSide) * kSide);
    for (auto _ : state) {
        for (int i = 0; i < kSide; ++i)
            for (int j = 0; j < kSide; ++j)
                v[static_cast<std::size_t>(i) * kSide + j] = i + j;
        benchmark::DoNotOptimize(v.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

// A flat matrix with the growing subscript's shape: both used extents
// tested, the growth a call that the compiler cannot see into.
struct CheckedFlat {
    std::vector<int> cells;
    int rows = 0, cols = 0;
    __attribute__((noinline)) void grow(int i, int j) {
        rows = i + 1 > rows ? i + 1 : rows;
        cols = j + 1 > cols ? j + 1 : cols;
    }
    int &operator()(int i, int j) {
        if (__builtin_expect(i >= rows || j >= cols, 0)) grow(i, j);
        return cells[static_cast<std::size_t>(i) * kSide + j];
    }
};
void Flat_WriteChecked(benchmark::State &state) {
    CheckedFlat m;
    m.cells.resize(static_cast<std::size_t>(kSide) * kSide);
    m.rows = m.cols = kSide;
    for (auto _ : state) {
        for (int i = 0; i < kSide; ++i)
            for (int j = 0; j < kSide; ++j)
                m(i, j) = i + j;
        benchmark::DoNotOptimize(m.cells.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

// ---- appends ---------------------------------------------------------------

constexpr int kAppends = 1 << 20;
constexpr int kSmall = 1 << 16;

template <class Make, class Add> void appends(benchmark::State &state, int n, Make make, Add add) {
    for (auto _ : state) {
        auto c = make();
        for (int i = 0; i < n; ++i)
            add(c, i);
        benchmark::DoNotOptimize(&c);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void PageArr_Append(benchmark::State &state) {
    appends(
        state, kAppends, [] { return intcoPageArr(); }, [](auto &c, int i) { c.append(i); });
}
void Deque_PushBack(benchmark::State &state) {
    appends(
        state, kAppends, [] { return std::deque<int>(); }, [](auto &c, int i) { c.push_back(i); });
}
void DynArr_AppendReserved(benchmark::State &state) {
    appends(
        state, kAppends,
        [] {
            intcoDynArr a;
            a.reserve(kAppends);
            return a;
        },
        [](auto &c, int i) { c.append(i); });
}
void Vector_PushBackReserved(benchmark::State &state) {
    appends(
        state, kAppends,
        [] {
            std::vector<int> v;
            v.reserve(kAppends);
            return v;
        },
        [](auto &c, int i) { c.push_back(i); });
}
void DynArr_AppendDefault(benchmark::State &state) {
    appends(
        state, kSmall, [] { return intcoDynArr(); }, [](auto &c, int i) { c.append(i); });
}
void Vector_PushBack(benchmark::State &state) {
    appends(
        state, kSmall, [] { return std::vector<int>(); }, [](auto &c, int i) { c.push_back(i); });
}

// ---- random reads ----------------------------------------------------------

constexpr int kElems = 10'000'000;
constexpr int kReads = 1'000'000;

const std::vector<int> &read_order() {
    static const std::vector<int> order = colib_bench::random_indexes(kReads, kElems, 11);
    return order;
}

template <class C> void random_reads(benchmark::State &state, const C &c) {
    colib_bench::random_reads(state, c, read_order());
}

void PageArr_RandomRead(benchmark::State &state) {
    intcoPageArr a;
    for (int i = 0; i < kElems; ++i)
        a.append(i);
    random_reads(state, static_cast<const intcoPageArr &>(a));
}
void VariableArr_RandomRead(benchmark::State &state) {
    intcoVariableArr a;
    for (int i = 0; i < kElems; ++i)
        a.append(i);
    random_reads(state, static_cast<const intcoVariableArr &>(a));
}
void Vector_RandomRead(benchmark::State &state) {
    std::vector<int> v(kElems);
    for (int i = 0; i < kElems; ++i)
        v[i] = i;
    random_reads(state, static_cast<const std::vector<int> &>(v));
}

// The read a block structure makes (block pointer from a table, then the
// element at a shift and a mask), over the vector's own contiguous buffer:
// what the table costs apart from where the blocks lie.
struct BlockView {
    std::vector<const int *> table;
    unsigned shift, mask;
    BlockView(const std::vector<int> &v, unsigned s) : shift(s), mask((1u << s) - 1) {
        for (std::size_t at = 0; at < v.size(); at += std::size_t{1} << s)
            table.push_back(v.data() + at);
        benchmark::DoNotOptimize(shift); // not a constant the loop can fold
    }
    int operator[](int i) const {
        const unsigned u = static_cast<unsigned>(i);
        return table[u >> shift][u & mask];
    }
};
void vector_through_blocks(benchmark::State &state, unsigned shift) {
    std::vector<int> v(kElems);
    for (int i = 0; i < kElems; ++i)
        v[i] = i;
    const BlockView view(v, shift);
    random_reads(state, view);
}
void Vector_RandomReadOneBlock(benchmark::State &state) {
    vector_through_blocks(state, 24);
}
void Vector_RandomReadBlocks(benchmark::State &state) {
    vector_through_blocks(state, 8);
}

// The variable array's own read over the vector's buffer: its geometry
// (nine small blocks of 8 to 1024 elements found through the two exported
// tables, then blocks of 2048) with every block lying where the vector
// has it, so what differs from VariableArr_RandomRead is where the blocks
// lie, and what differs from Vector_RandomReadBlocks is the geometry.
struct VariableView {
    std::vector<const int *> table;
    explicit VariableView(const std::vector<int> &v) {
        std::size_t at = 0;
        for (int b = 0; at < v.size(); ++b) {
            table.push_back(v.data() + at);
            at += static_cast<std::size_t>(b < 9 ? coVariableArr_block_size[b] : 2048);
        }
    }
    int operator[](int i) const {
        const unsigned u = static_cast<unsigned>(i);
        if (__builtin_expect(u >= 2048, 1)) return (table.data() + 8)[u >> 11][u & 2047];
        return table[coVariableArr_block_number[u >> 3]][u & coVariableArr_block_mask[u >> 3]];
    }
};
void Vector_RandomReadVariableBlocks(benchmark::State &state) {
    std::vector<int> v(kElems);
    for (int i = 0; i < kElems; ++i)
        v[i] = i;
    const VariableView view(v);
    random_reads(state, view);
}

// ---- stacks ----------------------------------------------------------------

void StackFast_PushPop(benchmark::State &state) {
    colib_bench::push_then_pop(
        state, kAppends, [] { return intcoStackFast(); }, [](auto &s, int i) { s.push(i); },
        [](auto &s) { return s.top(); }, [](auto &s) { s.pop(); });
}
void StdStack_PushPop(benchmark::State &state) {
    colib_bench::push_then_pop(
        state, kAppends, [] { return std::stack<int, std::vector<int>>(); },
        [](auto &s, int i) { s.push(i); }, [](auto &s) { return s.top(); },
        [](auto &s) { s.pop(); });
}
void StdStack_PushPopEscaped(benchmark::State &state) {
    colib_bench::push_then_pop(
        state, kAppends, [] { return std::stack<int, std::vector<int>>(); },
        [](auto &s, int i) {
            if (i == 0) benchmark::DoNotOptimize(&s);
            s.push(i);
        },
        [](auto &s) { return s.top(); }, [](auto &s) { s.pop(); });
}

} // namespace

BENCHMARK(Matrix_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(Flat_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(Flat_WriteChecked)->Unit(benchmark::kMillisecond);
BENCHMARK(PageArr_Append)->Unit(benchmark::kMillisecond);
BENCHMARK(Deque_PushBack)->Unit(benchmark::kMillisecond);
BENCHMARK(PageArr_RandomRead)->Unit(benchmark::kMillisecond);
BENCHMARK(VariableArr_RandomRead)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_RandomRead)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_RandomReadOneBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_RandomReadBlocks)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_RandomReadVariableBlocks)->Unit(benchmark::kMillisecond);
BENCHMARK(DynArr_AppendReserved)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_PushBackReserved)->Unit(benchmark::kMillisecond);
BENCHMARK(DynArr_AppendDefault)->Unit(benchmark::kMicrosecond);
BENCHMARK(Vector_PushBack)->Unit(benchmark::kMicrosecond);
BENCHMARK(StackFast_PushPop)->Unit(benchmark::kMillisecond);
BENCHMARK(StdStack_PushPop)->Unit(benchmark::kMillisecond);
BENCHMARK(StdStack_PushPopEscaped)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    return colib_bench::run_with_warm_heap(argc, argv, 1 << 20);
}
