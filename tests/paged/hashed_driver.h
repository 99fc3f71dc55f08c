// The hashed arrays, their key sets and the sparse matrices against
// std::map models.
//
// Besides the contents, the models keep what the families fix: the order
// in which elements were first written (the hashed arrays' storage, the
// sparse matrices' cell numbers), the largest indexes, that elements never
// move, and the row and column order of the sparse walks.
#pragma once

#include <colib/paged/hashed_arr.h>
#include <colib/paged/hashed_arr2d.h>
#include <colib/paged/sparse_arr.h>

#include "paged/paged_driver.h"

#include <algorithm>
#include <map>

namespace paged_test {

// The keys of the two dimensions: how the input draws one (never the nil
// key), the keys whose reads are compared, the array's access by key, and
// its largest indexes (1D: the largest and the size).
struct Key1 {
    using K = int;
    static K draw(Input &in) { return nonnil(in.small_int()); }
    static K nonnil(int k) { return k == -1 ? 0 : k; }
    static K grid(int q) { return q - 3; }
    template <class A> static auto at(A &a, K k) { return a[k]; }
    template <class A> static const auto &read(const A &a, K k) { return a.read(k); }
    template <class A> static int member(const A &a, K k) { return a.member(k); }
    template <class A> static std::pair<int, int> top(const A &a) {
        return {a.largest_index(), a.size()};
    }
    template <class It> static K walked(const It &it) { return it.get_index(); }
    template <class E> static K of(const E &e) { return e.index; }
    static void raise(std::pair<int, int> &t, K k) {
        t = {std::max(t.first, k), 0}, t.second = t.first + 1u;
    }
};
struct Key2 {
    using K = std::pair<int, int>;
    static K draw(Input &in) {
        K k{in.small_int(), in.small_int()};
        return k == K(-1, -1) ? K(-1, 0) : k;
    }
    static K grid(int q) { return {q / 8 - 2, q % 8 - 2}; }
    template <class A> static auto at(A &a, K k) { return a[k.first][k.second]; }
    template <class A> static const auto &read(const A &a, K k) {
        return a.read(k.first, k.second);
    }
    template <class A> static int member(const A &a, K k) { return a.member(k.first, k.second); }
    template <class A> static K top(const A &a) { return {a.largest_first(), a.largest_second()}; }
    template <class It> static K walked(const It &i) {
        K k;
        return i.index(k.first, k.second), k;
    }
    template <class E> static K of(const E &e) { return {e.first, e.second}; }
    // Kept apart: the two maxima need not be those of one pair.
    static void raise(K &t, K k) { t = {std::max(t.first, k.first), std::max(t.second, k.second)}; }
};

// Two arrays of one member: first writes, rewrites, proxy-to-proxy copies
// and moves, some under an allocation failure.
template <class A, class It, class Key> void run_hashed_arr(Input &in) {
    using T = typename A::value_type;
    using K = typename Key::K;
    struct Model {
        std::map<K, T> vals;
        std::map<K, const T *> where; // elements never move
        std::vector<K> order;         // first writes: the storage
        std::pair<int, int> top = Key::top(A());
    } mod[2];
    A arr[2];
    auto check = [&](const A &a, Model &m) {
        MODEL_CHECK(Key::top(a) == m.top && a.count() == static_cast<int>(m.vals.size()));
        MODEL_CHECK(a.storage().size() == a.count() && a.keys().size() == a.count());
        MODEL_CHECK(a.empty() == m.vals.empty());
        for (size_t p = 0; p < m.order.size(); ++p) {
            const T &x = Key::read(a, m.order[p]);
            MODEL_CHECK(&x == &a.storage()[static_cast<int>(p)] && x == m.vals[m.order[p]]);
            MODEL_CHECK(m.where[m.order[p]] == &x);
        }
        for (int q = 0; q < 64; ++q) {
            K k = Key::grid(q);
            bool has = m.vals.count(k);
            MODEL_CHECK(Key::member(a, k) == has && Key::read(a, k) == (has ? m.vals[k] : T()));
            MODEL_CHECK(static_cast<T>(Key::at(const_cast<A &>(a), k)) == Key::read(a, k));
        }
        std::vector<const T *> walked; // key-slot order, the walker's and range-for's
        auto ci = a.begin();
        It fwd(&a), back(&a);
        for (auto e : const_cast<A &>(a)) {
            MODEL_CHECK(++fwd && &fwd.value() == &e.value && Key::walked(fwd) == Key::of(e));
            MODEL_CHECK(&(*ci++).value == &e.value && m.where.count(Key::of(e)));
            MODEL_CHECK(m.where[Key::of(e)] == &e.value);
            walked.push_back(&e.value);
        }
        MODEL_CHECK(walked.size() == m.vals.size() && ci == a.end() && !++fwd);
        for (size_t n = walked.size(); n > 0;)
            MODEL_CHECK(--back && &back.value() == walked[--n]);
        MODEL_CHECK(!--back);
        if constexpr (std::is_same<K, int>::value) {
            if (m.top.first >= 64) return;
            std::vector<std::string> lines;
            for (int k = 0; k <= m.top.first; ++k)
                lines.push_back(text(a.read(k)));
            MODEL_CHECK(colib_test::printed(a) == printout("coHashedArr {", a.size(), lines));
        }
    };
    for (int steps = in.range(1, 60); steps > 0 && !in.done(); --steps) {
        int x = in.below(2), y = in.below(2), op = in.below(6);
        K k = Key::draw(in), j = Key::draw(in);
        T v = colib_test::value<T>(in.below(40));
        long fail = op && in.one_in(4) ? in.range(1, 3) : 0;
        Model &m = mod[x];
        bool failed = alloc_injector::fail_at(fail, [&] {
            if (op == 0) { // a move each way: O(1), the source empty and usable
                A t(std::move(arr[y]));
                MODEL_CHECK(arr[y].count() == 0 && Key::top(arr[y]) == Key::top(A()));
                arr[x] = std::move(t);
            } else if (op == 1) {
                Key::at(arr[x], k) = Key::at(arr[y], j); // the value, never the proxy
            } else {
                MODEL_CHECK(&(Key::at(arr[x], k) = v) == &Key::read(arr[x], k));
            }
        });
        if (failed) { // the index stays unwritten
            MODEL_CHECK(!m.vals.count(k) && !Key::member(arr[x], k));
        } else if (op == 0 && x != y) {
            mod[x] = std::move(mod[y]);
            mod[y] = Model();
        } else if (op != 0) {
            if (op == 1) v = mod[y].vals.count(j) ? mod[y].vals[j] : T();
            if (!m.vals.count(k)) m.order.push_back(k), m.where[k] = &Key::read(arr[x], k);
            m.vals[k] = v;
            Key::raise(m.top, k);
        }
        check(arr[0], mod[0]);
        check(arr[1], mod[1]);
    }
    for (A &a : arr)
        gives_back(a);
}

// Key k of the sets; for pairs, (k / 7, k % 7), and -1 the nil pair.
inline coHashedArrP key1(int k, void *o) {
    return coHashedArrP(k, o);
}
inline coHashedArr2DP key2(int k, void *o) {
    return {k < 0 ? -1 : k / 7, k < 0 ? -1 : k % 7, o};
}
inline int key_index(const coHashedArrP &k) {
    return k.get_index();
}
inline int key_index(const coHashedArr2DP &k) {
    return k.get_i1() * 7 + k.get_i2();
}

// The key sets on their own: contents, stored objects, removal.
template <class S, class Key> void run_keys(Input &in, Key (*make)(int, void *)) {
    S s(in.below(4), in.range(10, 100));
    std::map<int, void *> model;
    for (int steps = in.range(1, 80); steps > 0 && !in.done(); --steps) {
        int k = in.below(40) - 1; // -1: the nil key, never stored
        void *obj = colib_test::value<void *>(in.below(9));
        int op = in.below(3);
        if (op < 2) {
            Key prev = s.add(make(k, obj));
            bool had = model.count(k);
            MODEL_CHECK(colib_detail::key_object(prev) == (had ? model[k] : nullptr));
            if (!had && k != -1) model[k] = obj;
        } else if (op == 2 && in.flag()) {
            Key gone = s.remove(make(k, nullptr));
            MODEL_CHECK(colib_detail::key_object(gone) == (model.count(k) ? model[k] : nullptr));
            model.erase(k);
        } else if (!model.empty()) {
            Key gone = s.remove_any();
            MODEL_CHECK(model[key_index(gone)] == colib_detail::key_object(gone));
            model.erase(key_index(gone));
        }
        MODEL_CHECK(s.size() == static_cast<int>(model.size()));
        for (int q = -1; q < 40; ++q)
            MODEL_CHECK(colib_detail::key_object(s.find(make(q, nullptr))) ==
                        (model.count(q) ? model[q] : nullptr));
    }
    gives_back(s);
}
// Two matrices of one member against maps of their cells: numbering, row
// and column lists, walks, copies and moves, some under allocation failure.
template <class A> void run_sparse(Input &in) {
    using T = typename A::value_type;
    using Cell = std::pair<int, int>;
    struct Model {
        std::map<Cell, T> vals;
        std::vector<Cell> cells;     // by cell number
        std::vector<const T *> addr; // values never move
    } mod[2];
    std::optional<A> arr[2];
    int geo = in.below(5);
    for (std::optional<A> &a : arr)
        geo == 4 ? a.emplace() : a.emplace(geo, in.below(3), in.range(1, 3));
    auto check = [&](const A &a, Model &m) {
        int n = static_cast<int>(m.cells.size()), top[2] = {-1, -1};
        MODEL_CHECK(a.cell_count() == n && a.values().size() == n);
        MODEL_CHECK(a.cells().block_shift() == a.values().block_shift());
        std::map<Cell, int> order[2]; // (row, column) and (column, row) to cell number
        for (int k = 0; k < n; ++k) {
            auto [r, c] = m.cells[k];
            MODEL_CHECK(a.cell(k).row == r && a.cell(k).column == c && a.find(r, c) == k);
            MODEL_CHECK(a.value(k) == m.vals[m.cells[k]] && a.read(r, c) == a.value(k));
            if (!m.addr[k]) m.addr[k] = &a.value(k);
            MODEL_CHECK(m.addr[k] == &a.value(k) && a.find_value(r, c) == m.addr[k]);
            order[0][{r, c}] = order[1][{c, r}] = k;
            top[0] = std::max(top[0], r), top[1] = std::max(top[1], c);
        }
        MODEL_CHECK(a.max_row() == top[0] && a.max_column() == top[1]);
        for (int d = 0; d < 2; ++d) // the rows, then the columns
            for (int i = 0; i < 14; ++i) {
                std::vector<int> want;
                for (auto [at, k] : order[d])
                    if (at.first == i) want.push_back(k);
                int head = d ? a.column_head(i) : a.row_head(i);
                int tail = d ? a.column_tail(i) : a.row_tail(i);
                MODEL_CHECK(head == (want.empty() ? -1 : want[0]));
                MODEL_CHECK(tail == (want.empty() ? -1 : want.back()));
                auto walk = [&](auto line) {
                    size_t p = 0;
                    for (auto it = line.begin(); it != line.end(); ++it, ++p)
                        MODEL_CHECK(p < want.size() && it.cell() == want[p] &&
                                    &(*it).value == &a.value(want[p]) &&
                                    (d ? (*it).column : (*it).row) == i);
                    MODEL_CHECK(p == want.size());
                };
                d ? walk(const_cast<A &>(a).column(i)) : walk(a.row(i));
                MODEL_CHECK(a.read(i, i + d) ==
                            (m.vals.count({i, i + d}) ? m.vals[{i, i + d}] : T()));
            }
        std::vector<std::string> lines;
        auto mv = m.vals.begin();
        for (auto e : a) { // the whole matrix in row order
            MODEL_CHECK(mv != m.vals.end() && Cell(e.row, e.column) == mv->first);
            lines.push_back(std::to_string(e.row) + " " + std::to_string(e.column) + " " +
                            text(mv++->second));
        }
        MODEL_CHECK(mv == m.vals.end());
        MODEL_CHECK(colib_test::printed(a) == printout("coSparseArr2D {", n, lines));
        if constexpr (std::is_same<T, double>::value) {
            std::vector<double> x(top[1] + 1), y(top[0] + 1, -1), want(top[0] + 1);
            for (int c = 0; c <= top[1]; ++c)
                x[c] = c + 1;
            for (auto &[rc, v] : m.vals)
                want[rc.first] += v * (rc.second + 1);
            a.multiply(x.data(), y.data());
            MODEL_CHECK(y == want);
        }
    };
    for (int steps = in.range(1, 50); steps > 0 && !in.done(); --steps) {
        int x = in.below(2), y = in.below(2), op = in.below(8);
        int r = in.one_in(8) ? in.below(300) : in.below(12);
        int c = in.one_in(8) ? in.below(300) : in.below(12);
        int f = in.below(2), k = -2;
        T v = colib_test::value<T>(in.below(40));
        long fail = in.one_in(4) ? in.range(1, 4) : 0;
        A &a = *arr[x];
        Model &m = mod[x];
        bool failed = alloc_injector::fail_at(fail, [&] {
            if (op == 0) k = a.write(r, c, v);
            if (op == 1) a(r, c) = v;
            if (op == 2) a.clear(f);
            if (op == 3) k = a.reserve(r);
            if (op == 4) a.become(utCOPY, *arr[y]);
            if (op == 5) a = *arr[y];
            if (op == 6) a = A(utCOPY, *arr[y]);
            if (op == 7) { // the source is left empty and usable
                A t(std::move(*arr[y]));
                MODEL_CHECK(arr[y]->cell_count() == 0 && arr[y]->max_row() == -1);
                a = std::move(t);
            }
        });
        MODEL_CHECK(op != 3 || k == !failed);
        if (failed || op == 3 || (op != 6 && op >= 4 && x == y)) {
        } else if (op < 2) {
            if (!m.vals.count({r, c})) m.cells.push_back({r, c}), m.addr.push_back(nullptr);
            m.vals[{r, c}] = v;
            MODEL_CHECK(k == -2 || m.cells[k] == Cell(r, c));
        } else if (op == 2) {
            m = Model();
        } else if (op >= 4) {
            if (x != y) m = mod[y];
            if (op == 7)
                mod[y] = Model();
            else
                std::fill(m.addr.begin(), m.addr.end(), nullptr);
        }
        check(*arr[0], mod[0]);
        check(*arr[1], mod[1]);
    }
    // Writes beyond the index limit are refused with nothing changed.
    arr[0]->set_index_limit(in.range(1, 300));
    for (auto [r, c] : {Cell(arr[0]->index_limit(), 0), Cell(0, arr[0]->index_limit())}) {
        bool thrown = false;
        try {
            in.flag() ? void(arr[0]->write(r, c, T())) : void((*arr[0])(r, c) = T());
        } catch (const std::length_error &) {
            thrown = true;
        }
        MODEL_CHECK(thrown);
        check(*arr[0], mod[0]);
    }
    for (std::optional<A> &a : arr)
        gives_back(*a);
}

inline void run_hashed(Input &in) {
    using Run = void (*)(Input &);
    static const Run runs[] = {run_hashed_arr<intcoHashedArr, intcoHashedArrcoIterator, Key1>,
                               run_hashed_arr<charcoHashedArr, charcoHashedArrcoIterator, Key1>,
                               run_hashed_arr<doublecoHashedArr, doublecoHashedArrcoIterator, Key1>,
                               run_hashed_arr<utAnycoHashedArr, utAnycoHashedArrcoIterator, Key1>,
                               run_hashed_arr<intcoHashedArr2D, intcoHashedArr2DcoIterator, Key2>,
                               run_hashed_arr<charcoHashedArr2D, charcoHashedArr2DcoIterator, Key2>,
                               [](Input &i) { run_keys<coHashedArrPcoSet>(i, key1); },
                               [](Input &i) { run_keys<coHashedArr2DPcoSet>(i, key2); },
                               run_sparse<intcoSparseArr2D>,
                               run_sparse<doublecoSparseArr2D>};
    colib_test::run_members(in, runs);
}

} // namespace paged_test
