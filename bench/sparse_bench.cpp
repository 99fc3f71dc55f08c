// doublecoSparseArr2D against std::map<std::pair<int, int>, double>: a
// 100,000 x 100,000 matrix with 1M cells (10 per row at random columns),
// assembled in row-major order and in random order, every row walked, and
// a matrix-vector product. The allocs_per_cell counter counts calls of the
// global operator new during assembly; bytes_per_cell is the heap in use.
#include "bench_common.h"

#include <colib/paged/sparse_arr.h>

#include <algorithm>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace {

constexpr int kDim = 100'000;
constexpr int kPerRow = 10;
constexpr int kCells = kDim * kPerRow;

struct Cell {
    int row, column;
    double value;
};

// 10 distinct random columns per row; sorted by row then column, or shuffled.
const std::vector<Cell> &cells(bool random_order) {
    static std::vector<Cell> sorted, shuffled;
    if (sorted.empty()) {
        std::mt19937 rng(5);
        std::uniform_int_distribution<int> col(0, kDim - 1);
        for (int r = 0; r < kDim; ++r) {
            std::vector<int> cs;
            while (static_cast<int>(cs.size()) < kPerRow) {
                int c = col(rng);
                if (std::find(cs.begin(), cs.end(), c) == cs.end()) cs.push_back(c);
            }
            std::sort(cs.begin(), cs.end());
            for (int c : cs)
                sorted.push_back({r, c, r * 0.5 + c});
        }
        shuffled = sorted;
        std::shuffle(shuffled.begin(), shuffled.end(), rng);
    }
    return random_order ? shuffled : sorted;
}

using Map = std::map<std::pair<int, int>, double>;

// The allocations and heap of one assembly are counted before the timed
// loop (mallinfo2 walks the allocator's free lists).
template <class M, class Make, class Put>
void assemble(benchmark::State &state, bool random_order, Make make, Put put) {
    const std::vector<Cell> &cs = cells(random_order);
    auto build = [&] {
        M *m = make();
        for (const Cell &c : cs)
            put(*m, c);
        return m;
    };
    {
        const long long allocs = colib_bench::allocations();
        const std::size_t before = colib_bench::malloc_in_use();
        M *m = build();
        state.counters["allocs_per_cell"] =
            static_cast<double>(colib_bench::allocations() - allocs) / kCells;
        state.counters["bytes_per_cell"] =
            static_cast<double>(colib_bench::malloc_in_use() - before) / kCells;
        delete m;
    }
    for (auto _ : state) {
        M *m = build();
        benchmark::DoNotOptimize(m);
        state.PauseTiming();
        delete m;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCells);
}

doublecoSparseArr2D *make_sparse() {
    return new doublecoSparseArr2D;
}
doublecoSparseArr2D *make_sparse_large() {
    return new doublecoSparseArr2D(12, 0, 256);
}
void put_sparse(doublecoSparseArr2D &m, const Cell &c) {
    m.write(c.row, c.column, c.value);
}
void put_map(Map &m, const Cell &c) {
    m[{c.row, c.column}] = c.value;
}

void BM_AssembleRowMajor_Sparse(benchmark::State &state) {
    assemble<doublecoSparseArr2D>(state, false, make_sparse, put_sparse);
}
void BM_AssembleRowMajor_SparseShift12(benchmark::State &state) {
    assemble<doublecoSparseArr2D>(state, false, make_sparse_large, put_sparse);
}
void BM_AssembleRowMajor_Map(benchmark::State &state) {
    assemble<Map>(
        state, false, [] { return new Map; }, put_map);
}
void BM_AssembleRandom_Sparse(benchmark::State &state) {
    assemble<doublecoSparseArr2D>(state, true, make_sparse, put_sparse);
}
void BM_AssembleRandom_SparseShift12(benchmark::State &state) {
    assemble<doublecoSparseArr2D>(state, true, make_sparse_large, put_sparse);
}
void BM_AssembleRandom_Map(benchmark::State &state) {
    assemble<Map>(
        state, true, [] { return new Map; }, put_map);
}

// The matrices the walks read, assembled once in either order.
const doublecoSparseArr2D &sparse(bool random_order) {
    static doublecoSparseArr2D m[2];
    doublecoSparseArr2D &s = m[random_order];
    if (s.cell_count() == 0)
        for (const Cell &c : cells(random_order))
            s.write(c.row, c.column, c.value);
    return s;
}
const Map &map(bool random_order) {
    static Map m[2];
    Map &s = m[random_order];
    if (s.empty())
        for (const Cell &c : cells(random_order))
            s[{c.row, c.column}] = c.value;
    return s;
}

void walk_sparse(benchmark::State &state, bool random_order) {
    const doublecoSparseArr2D &m = sparse(random_order);
    for (auto _ : state) {
        double sum = 0;
        for (int r = 0; r < kDim; ++r)
            for (auto e : m.row(r))
                sum += e.value + e.column;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kCells);
}
// The map keeps its cells in row order: walking every row is one in-order
// walk, the cheapest the map can do.
void walk_map(benchmark::State &state, bool random_order) {
    const Map &m = map(random_order);
    for (auto _ : state) {
        double sum = 0;
        for (const auto &e : m)
            sum += e.second + e.first.second;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kCells);
}
void BM_WalkRowsRowMajor_Sparse(benchmark::State &state) {
    walk_sparse(state, false);
}
void BM_WalkRowsRowMajor_Map(benchmark::State &state) {
    walk_map(state, false);
}
void BM_WalkRowsRandom_Sparse(benchmark::State &state) {
    walk_sparse(state, true);
}
void BM_WalkRowsRandom_Map(benchmark::State &state) {
    walk_map(state, true);
}

const std::vector<double> &vec() {
    static std::vector<double> x = [] {
        std::vector<double> v(kDim);
        for (int i = 0; i < kDim; ++i)
            v[i] = (i % 11) - 5;
        return v;
    }();
    return x;
}
void multiply_sparse(benchmark::State &state, bool random_order) {
    const doublecoSparseArr2D &m = sparse(random_order);
    std::vector<double> y(kDim);
    for (auto _ : state) {
        m.multiply(vec().data(), y.data());
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kCells);
}
void multiply_map(benchmark::State &state, bool random_order) {
    const Map &m = map(random_order);
    std::vector<double> y(kDim);
    const double *x = vec().data();
    for (auto _ : state) {
        std::fill(y.begin(), y.end(), 0.0);
        for (const auto &e : m)
            y[e.first.first] += e.second * x[e.first.second];
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * kCells);
}
void BM_MultiplyRowMajor_Sparse(benchmark::State &state) {
    multiply_sparse(state, false);
}
void BM_MultiplyRowMajor_Map(benchmark::State &state) {
    multiply_map(state, false);
}
void BM_MultiplyRandom_Sparse(benchmark::State &state) {
    multiply_sparse(state, true);
}
void BM_MultiplyRandom_Map(benchmark::State &state) {
    multiply_map(state, true);
}

BENCHMARK(BM_AssembleRowMajor_Sparse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AssembleRowMajor_SparseShift12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AssembleRowMajor_Map)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AssembleRandom_Sparse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AssembleRandom_SparseShift12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AssembleRandom_Map)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkRowsRowMajor_Sparse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkRowsRowMajor_Map)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkRowsRandom_Sparse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkRowsRandom_Map)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultiplyRowMajor_Sparse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultiplyRowMajor_Map)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultiplyRandom_Sparse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultiplyRandom_Map)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return colib_bench::run_with_warm_heap(argc, argv, 2'000'000);
}
