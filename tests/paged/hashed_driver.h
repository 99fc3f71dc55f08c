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
#include <optional>
#include <utility>
#include <vector>

namespace paged_test {

// A written key: one index or a pair, and its model.
template <class K, class T> struct HashModel {
    std::map<K, T> vals;
    std::map<K, const T *> where; // elements never move
    std::vector<K> order;         // first writes
};

template <class E> auto key_of(const E &e) -> decltype(e.index) {
    return e.index;
}
template <class E> auto key_of(const E &e) -> decltype(std::make_pair(e.first, e.second)) {
    return {e.first, e.second};
}
inline int key_index(const coHashedArrP &k) {
    return k.get_index();
}
inline int key_index(const coHashedArr2DP &k) {
    return k.get_i1() * 7 + k.get_i2();
}

// What both dimensions share: count, storage in first-write order, stable
// addresses, range-for (also const) and the key walker both ways.
template <class A, class It, class K, class T, class Read>
void check_common(const A &a, HashModel<K, T> &m, Read read) {
    MODEL_CHECK(a.count() == static_cast<int>(m.vals.size()) && a.empty() == m.vals.empty());
    MODEL_CHECK(a.storage().size() == a.count() && a.keys().size() == a.count());
    for (size_t p = 0; p < m.order.size(); ++p) {
        const T &x = read(m.order[p]);
        MODEL_CHECK(&x == &a.storage()[static_cast<int>(p)] && x == m.vals[m.order[p]]);
        MODEL_CHECK(m.where[m.order[p]] == &x);
    }
    std::vector<const T *> walked;
    for (auto e : a) {
        MODEL_CHECK(m.where.count(key_of(e)) && m.where[key_of(e)] == &e.value);
        walked.push_back(&e.value);
    }
    size_t n = 0;
    for (auto e : const_cast<A &>(a))
        MODEL_CHECK(n < walked.size() && &e.value == walked[n++]);
    MODEL_CHECK(walked.size() == m.vals.size() && n == walked.size());
    It fwd(&a), back(&a);
    for (const T *p : walked)
        MODEL_CHECK(++fwd && &fwd.value() == p);
    MODEL_CHECK(!++fwd);
    for (size_t k = walked.size(); k-- > 0;)
        MODEL_CHECK(--back && &back.value() == walked[k]);
    MODEL_CHECK(!--back);
}

template <class A, class It> void run_hashed1(Input &in) {
    using T = typename A::value_type;
    using M = HashModel<int, T>;
    A arr[2];
    M mod[2];
    int largest[2] = {-1, -1};
    auto check = [&](int x) {
        const A &a = arr[x];
        MODEL_CHECK(a.largest_index() == largest[x] &&
                    a.size() == static_cast<int>(static_cast<unsigned>(largest[x]) + 1u));
        check_common<A, It>(a, mod[x], [&](const int &k) -> const T & { return a.read(k); });
        for (int k = -3; k < 20; ++k) {
            bool has = mod[x].vals.count(k);
            MODEL_CHECK(a.member(k) == has && a[k] == (has ? mod[x].vals[k] : T()));
            MODEL_CHECK(static_cast<T>(const_cast<A &>(a)[k]) == a.read(k));
        }
        if (largest[x] < 64) {
            std::vector<std::string> lines;
            for (int k = 0; k <= largest[x]; ++k)
                lines.push_back(text(a.read(k)));
            MODEL_CHECK(colib_test::printed(a) == printout("coHashedArr {", a.size(), lines));
        }
    };
    for (int steps = in.range(1, 60); steps > 0 && !in.done(); --steps) {
        int x = in.below(2), y = in.below(2), op = in.below(6);
        int k = in.small_int(), j = in.small_int();
        if (k == -1) k = 0;
        T v = colib_test::value<T>(in.below(40));
        long fail = in.one_in(4) ? in.range(1, 3) : 0;
        M &m = mod[x];
        bool failed = alloc_injector::fail_at(fail, [&] {
            if (op == 0) { // a move each way: O(1), the source empty and usable
                A t(std::move(arr[y]));
                arr[x] = std::move(t);
            } else if (op == 1) {
                arr[x][k] = arr[y][j]; // the value, never the proxy
            } else {
                MODEL_CHECK(&(arr[x][k] = v) == &arr[x].read(k));
            }
        });
        if (failed) { // the index stays unwritten
            MODEL_CHECK(!m.vals.count(k) && !arr[x].member(k));
        } else if (op == 0) {
            if (x != y) {
                mod[x] = std::move(mod[y]);
                largest[x] = largest[y];
                mod[y] = M(), largest[y] = -1;
            }
        } else {
            if (op == 1) v = mod[y].vals.count(j) ? mod[y].vals[j] : T();
            if (!m.vals.count(k)) m.order.push_back(k), m.where[k] = &arr[x].read(k);
            m.vals[k] = v;
            largest[x] = std::max(largest[x], k);
        }
        check(0);
        check(1);
    }
}

template <class A, class It> void run_hashed2(Input &in) {
    using T = typename A::value_type;
    using K = std::pair<int, int>;
    HashModel<K, T> m;
    int l1 = -1, l2 = -1;
    A a;
    for (int steps = in.range(1, 60); steps > 0 && !in.done(); --steps) {
        int i = in.small_int(), j = in.small_int();
        if (i == -1 && j == -1) j = 0;
        T v = colib_test::value<T>(in.below(40));
        long fail = in.one_in(4) ? in.range(1, 3) : 0;
        auto p = a[i][j];
        MODEL_CHECK(a[i].index() == i && p.first() == i && p.second() == j);
        if (in.one_in(8)) {
            A t(std::move(a));
            MODEL_CHECK(a.count() == 0 && a.largest_first() == -1 && a.largest_second() == -1);
            a = std::move(t);
        } else if (alloc_injector::fail_at(fail, [&] { p = v; })) {
            MODEL_CHECK(!a.member(i, j) && !m.vals.count({i, j}));
        } else {
            if (!m.vals.count({i, j})) m.order.push_back({i, j}), m.where[{i, j}] = &a.read(i, j);
            m.vals[{i, j}] = v;
            l1 = std::max(l1, i);
            l2 = std::max(l2, j); // kept apart: not those of one pair
        }
        MODEL_CHECK(a.largest_first() == l1 && a.largest_second() == l2);
        check_common<A, It>(a, m,
                            [&](const K &k) -> const T & { return a.read(k.first, k.second); });
        const A &c = a;
        for (int r = -2; r < 6; ++r)
            for (int s = -2; s < 6; ++s) {
                bool has = m.vals.count({r, s});
                MODEL_CHECK(a.member(r, s) == has && c[r][s] == (has ? m.vals[{r, s}] : T()));
            }
        int wi, wj;
        It it(&a);
        it.index(wi, wj);
        MODEL_CHECK(wi == -1 && wj == -1 && !it.valid());
    }
}

// The key sets on their own: contents, stored objects, removal.
template <class S, class Key> void run_keys(Input &in, Key (*make)(int, void *)) {
    S s(in.below(4), in.range(10, 100));
    std::map<int, void *> model;
    for (int steps = in.range(1, 80); steps > 0 && !in.done(); --steps) {
        int k = in.below(40) - 1; // -1: the nil key, never stored
        void *obj = colib_test::value<void *>(in.below(9));
        int op = in.below(4);
        if (op < 2) {
            Key prev = s.add(make(k, obj));
            bool had = model.count(k);
            MODEL_CHECK(colib_detail::key_object(prev) == (had ? model[k] : nullptr));
            if (!had && k != -1) model[k] = obj;
        } else if (op == 2) {
            Key gone = s.remove(make(k, nullptr));
            MODEL_CHECK(colib_detail::key_object(gone) == (model.count(k) ? model[k] : nullptr));
            model.erase(k);
        } else if (!model.empty() && in.one_in(4)) {
            Key gone = s.remove_any();
            MODEL_CHECK(model.count(key_index(gone)) &&
                        model[key_index(gone)] == colib_detail::key_object(gone));
            model.erase(key_index(gone));
        }
        MODEL_CHECK(s.size() == static_cast<int>(model.size()));
        for (int q = -1; q < 40; ++q)
            MODEL_CHECK(colib_detail::key_object(s.find(make(q, nullptr))) ==
                        (model.count(q) ? model[q] : nullptr));
    }
}
template <class A> void run_sparse(Input &in) {
    using T = typename A::value_type;
    using Cell = std::pair<int, int>;
    struct Model {
        std::map<Cell, T> vals;
        std::vector<Cell> cells;
        std::vector<const T *> addr; // values never move
    } mod[2];
    std::optional<A> arr[2];
    int geo = in.below(5);
    for (std::optional<A> &a : arr)
        geo == 4 ? a.emplace() : a.emplace(geo, in.below(3), in.range(1, 3));
    auto check = [&](int x) {
        const A &a = *arr[x];
        Model &m = mod[x];
        int n = static_cast<int>(m.cells.size()), rows = -1, cols = -1;
        MODEL_CHECK(a.cell_count() == n && a.values().size() == n);
        MODEL_CHECK(a.cells().block_shift() == a.values().block_shift());
        std::map<int, std::vector<int>> by_row, by_col; // cell numbers, in walk order
        for (auto &[rc, v] : m.vals) {
            int k =
                static_cast<int>(std::find(m.cells.begin(), m.cells.end(), rc) - m.cells.begin());
            by_row[rc.first].push_back(k);
            MODEL_CHECK(a.value(k) == v && a.find(rc.first, rc.second) == k);
            rows = std::max(rows, rc.first), cols = std::max(cols, rc.second);
        }
        for (auto &[rc, v] : m.vals) // column order: rows ascending
            (void)v, by_col[rc.second];
        for (auto &[c, ks] : by_col)
            for (auto &[rc, v] : m.vals)
                if (rc.second == c) (void)v, ks.push_back(a.find(rc.first, c));
        MODEL_CHECK(a.max_row() == rows && a.max_column() == cols);
        for (int k = 0; k < n; ++k) {
            MODEL_CHECK(a.cell(k).row == m.cells[k].first && a.cell(k).column == m.cells[k].second);
            if (!m.addr[k]) m.addr[k] = &a.value(k);
            MODEL_CHECK(m.addr[k] == &a.value(k));
        }
        for (int i = 0; i < 14; ++i) {
            const std::vector<int> &r = by_row[i], &c = by_col[i];
            MODEL_CHECK(a.row_head(i) == (r.empty() ? -1 : r.front()));
            MODEL_CHECK(a.row_tail(i) == (r.empty() ? -1 : r.back()));
            MODEL_CHECK(a.column_head(i) == (c.empty() ? -1 : c.front()));
            MODEL_CHECK(a.column_tail(i) == (c.empty() ? -1 : c.back()));
            size_t p = 0, q = 0;
            for (auto e : a.row(i))
                MODEL_CHECK(p < r.size() && &e.value == &a.value(r[p]) && e.row == i &&
                            e.column == m.cells[r[p++]].second);
            for (auto it = const_cast<A &>(a).column(i).begin(); it != typename A::iterator(); ++it)
                MODEL_CHECK(q < c.size() && it.cell() == c[q++] && (*it).column == i);
            MODEL_CHECK(p == r.size() && q == c.size());
            for (int j = 0; j < 14; ++j)
                MODEL_CHECK(a.read(i, j) == (m.vals.count({i, j}) ? m.vals[{i, j}] : T()) &&
                            (a.find_value(i, j) != nullptr) == (m.vals.count({i, j}) == 1));
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
            std::vector<double> in_v(cols + 1), out(rows + 1, -1), want(rows + 1);
            for (int c = 0; c <= cols; ++c)
                in_v[c] = c + 1;
            for (auto &[rc, v] : m.vals)
                want[rc.first] += v * (rc.second + 1);
            a.multiply(in_v.data(), out.data());
            MODEL_CHECK(out == want);
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
            switch (op) {
            case 0:
                k = a.write(r, c, v);
                break;
            case 1:
                a(r, c) = v;
                break;
            case 2:
                a.clear(f);
                break;
            case 3:
                k = a.reserve(r);
                break;
            case 4:
                a.become(utCOPY, *arr[y]);
                break;
            case 5:
                a = *arr[y];
                break;
            case 6: {
                A t(utCOPY, *arr[y]);
                a = std::move(t);
                break;
            }
            default: {
                A t(std::move(*arr[y]));
                MODEL_CHECK(arr[y]->cell_count() == 0 && arr[y]->max_row() == -1);
                a = std::move(t);
            }
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
        check(0);
        check(1);
    }
}

inline void run_hashed(Input &in) {
    long live = alloc_injector::live();
    while (!in.done()) {
        switch (in.below(10)) {
        case 0:
            run_hashed1<intcoHashedArr, intcoHashedArrcoIterator>(in);
            break;
        case 1:
            run_hashed1<charcoHashedArr, charcoHashedArrcoIterator>(in);
            break;
        case 2:
            run_hashed1<doublecoHashedArr, doublecoHashedArrcoIterator>(in);
            break;
        case 3:
            run_hashed1<utAnycoHashedArr, utAnycoHashedArrcoIterator>(in);
            break;
        case 4:
            run_hashed2<intcoHashedArr2D, intcoHashedArr2DcoIterator>(in);
            break;
        case 5:
            run_hashed2<charcoHashedArr2D, charcoHashedArr2DcoIterator>(in);
            break;
        case 6:
            run_keys<coHashedArrPcoSet, coHashedArrP>(
                in, [](int k, void *o) { return coHashedArrP(k, o); });
            break;
        case 7:
            run_keys<coHashedArr2DPcoSet, coHashedArr2DP>(in, [](int k, void *o) {
                return k == -1 ? coHashedArr2DP(-1, -1, o) : coHashedArr2DP(k / 7, k % 7, o);
            });
            break;
        case 8:
            run_sparse<intcoSparseArr2D>(in);
            break;
        default:
            run_sparse<doublecoSparseArr2D>(in);
        }
    }
    MODEL_CHECK(alloc_injector::live() == live);
}

} // namespace paged_test
