// intcoDynArr2D of 2048 x 2048 against a flat std::vector<int> indexed
// i * n + j and against std::vector<std::vector<int>>, side by side in one
// run: row-major reads through the const subscript and writes through the
// growing subscript within the used extents.
#include <colib/arrays/dyn_arr2d.h>

#include <benchmark/benchmark.h>

#include <vector>

namespace {
constexpr int kN = 2048;

intcoDynArr2D make_matrix() {
    intcoDynArr2D m(0, 0, kN, kN); // large steps: one allocation
    m.expand(kN, kN);
    for (int i = 0; i < kN; ++i)
        for (int j = 0; j < kN; ++j)
            m(i, j) = i * 3 + j;
    return m;
}

void items(benchmark::State &state) {
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(kN) * kN);
}

void Matrix_Read(benchmark::State &state) {
    const intcoDynArr2D m = make_matrix();
    for (auto _ : state) {
        long long sum = 0;
        for (int i = 0; i < m.i_size(); ++i)
            for (int j = 0; j < m.j_size(); ++j)
                sum += m(i, j);
        benchmark::DoNotOptimize(sum);
    }
    items(state);
}
void Flat_Read(benchmark::State &state) {
    const std::vector<int> v(static_cast<std::size_t>(kN) * kN, 1);
    for (auto _ : state) {
        long long sum = 0;
        for (int i = 0; i < kN; ++i)
            for (int j = 0; j < kN; ++j)
                sum += v[static_cast<std::size_t>(i) * kN + j];
        benchmark::DoNotOptimize(sum);
    }
    items(state);
}
void Nested_Read(benchmark::State &state) {
    const std::vector<std::vector<int>> v(kN, std::vector<int>(kN, 1));
    for (auto _ : state) {
        long long sum = 0;
        for (std::size_t i = 0; i < v.size(); ++i)
            for (std::size_t j = 0; j < v[i].size(); ++j)
                sum += v[i][j];
        benchmark::DoNotOptimize(sum);
    }
    items(state);
}

void Matrix_Write(benchmark::State &state) {
    intcoDynArr2D m = make_matrix();
    for (auto _ : state) {
        for (int i = 0; i < kN; ++i)
            for (int j = 0; j < kN; ++j)
                m(i, j) = i + j;
        benchmark::DoNotOptimize(m.block());
        benchmark::ClobberMemory();
    }
    items(state);
}
// The same writes through the block: rows are capacity_j slots apart.
void Matrix_Write_Block(benchmark::State &state) {
    intcoDynArr2D m = make_matrix();
    for (auto _ : state) {
        for (int i = 0; i < kN; ++i) {
            int *row = m.block() + static_cast<std::ptrdiff_t>(i) * m.capacity_j();
            for (int j = 0; j < kN; ++j)
                row[j] = i + j;
        }
        benchmark::DoNotOptimize(m.block());
        benchmark::ClobberMemory();
    }
    items(state);
}
void Flat_Write(benchmark::State &state) {
    std::vector<int> v(static_cast<std::size_t>(kN) * kN);
    for (auto _ : state) {
        for (int i = 0; i < kN; ++i)
            for (int j = 0; j < kN; ++j)
                v[static_cast<std::size_t>(i) * kN + j] = i + j;
        benchmark::DoNotOptimize(v.data());
        benchmark::ClobberMemory();
    }
    items(state);
}
void Nested_Write(benchmark::State &state) {
    std::vector<std::vector<int>> v(kN, std::vector<int>(kN));
    for (auto _ : state) {
        for (int i = 0; i < kN; ++i)
            for (int j = 0; j < kN; ++j)
                v[i][j] = i + j;
        benchmark::DoNotOptimize(v.data());
        benchmark::ClobberMemory();
    }
    items(state);
}
} // namespace

BENCHMARK(Matrix_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(Flat_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(Nested_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(Matrix_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(Matrix_Write_Block)->Unit(benchmark::kMillisecond);
BENCHMARK(Flat_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(Nested_Write)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
