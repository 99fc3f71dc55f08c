// Fuzzes intcoSparseArr2D against a map of (row, column) -> value: each
// step is decoded from three bytes (operation, row, column) and the two are
// compared after it; any difference aborts.
#include <colib/paged/sparse_arr.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <utility>

namespace {

using Model = std::map<std::pair<int, int>, int>;

void check(bool ok) {
    if (!ok) std::abort();
}

// Whole order, each row and each column, and the cell numbering.
void compare(const intcoSparseArr2D &m, const Model &model, const Model &numbers) {
    check(m.cell_count() == static_cast<int>(model.size()));
    auto it = model.begin();
    for (auto e : m) {
        check(it != model.end() && it->first == std::make_pair(e.row, e.column) &&
              it->second == e.value);
        ++it;
    }
    check(it == model.end());
    for (const auto &n : numbers)
        check(m.find(n.first.first, n.first.second) == n.second);
    for (int r = 0; r <= m.max_row(); ++r) {
        int last = -1;
        for (auto e : m.row(r)) {
            check(e.row == r && e.column > last);
            last = e.column;
        }
    }
    for (int c = 0; c <= m.max_column(); ++c) {
        int last = -1;
        for (auto e : m.column(c)) {
            check(e.column == c && e.row > last);
            last = e.row;
        }
        check(m.column_head(c) < 0 || last >= 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    intcoSparseArr2D m(2, 1, 1);
    Model model, numbers;
    for (size_t i = 0; i + 2 < size; i += 3) {
        int op = data[i] % 8, v = data[i];
        // Small rows and columns make long shared lists; a high bit spreads them.
        int r = data[i + 1] & 0x80 ? data[i + 1] * 37 : data[i + 1] & 15;
        int c = data[i + 2] & 0x80 ? data[i + 2] * 41 : data[i + 2] & 15;
        std::pair<int, int> at{r, c};
        switch (op) {
        case 0:
        case 1:
        case 2: {
            int k = m.write(r, c, v);
            if (!numbers.count(at)) numbers[at] = static_cast<int>(numbers.size());
            check(k == numbers[at]);
            model[at] = v;
            break;
        }
        case 3:
            m(r, c) += v;
            if (!numbers.count(at)) numbers[at] = static_cast<int>(numbers.size());
            model[at] += v;
            break;
        case 4: {
            auto f = model.find(at);
            check(m.read(r, c) == (f == model.end() ? 0 : f->second));
            check((m.find_value(r, c) == nullptr) == (f == model.end()));
            break;
        }
        case 5:
            m.clear(r & 1);
            model.clear();
            numbers.clear();
            break;
        case 6: {
            intcoSparseArr2D moved(std::move(m));
            check(m.cell_count() == 0);
            m = intcoSparseArr2D(utCOPY, moved);
            break;
        }
        default: {
            int sum = 0;
            for (auto e : m.row(r))
                sum += e.value;
            int want = 0;
            for (auto e = model.lower_bound({r, 0}); e != model.end() && e->first.first == r; ++e)
                want += e->second;
            check(sum == want);
            break;
        }
        }
        compare(m, model, numbers);
    }
    return 0;
}
