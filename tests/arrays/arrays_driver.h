// The contiguous arrays and the sorters against an independent model.
//
// The model states the growth rules in its own words (the smallest
// capacity + k * step above the index, block b of a variable array), keeps
// every slot it knows the contents of (slots a growth brings into use are
// unknown) and, after every step, compares the whole observable state:
// sizes, capacities, steps, block counts, element slots and block layout,
// range-for (also through a const reference), the walkers, copies, moves
// and printouts. Now and then a step runs with its n-th allocation failing;
// the container must then equal the model unchanged.
#pragma once

#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/dyn_arr3d.h>
#include <colib/arrays/fixed_arr.h>
#include <colib/arrays/fixed_arr2d.h>
#include <colib/arrays/prg_array.h>
#include <colib/arrays/stack_fast.h>
#include <colib/arrays/variable_arr.h>
#include <colib/sorting/sort.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "../support/alloc_injector.h"
#include "../support/driver.h"

namespace arrays_model {

using colib_test::Input;
template <class T> using Slots = std::vector<std::optional<T>>;

template <class T> T value(Input &in) {
    if constexpr (std::is_same_v<T, char>) return static_cast<char>('a' + in.below(26));
    else if constexpr (std::is_same_v<T, int>) return in.small_int();
    else if constexpr (std::is_floating_point_v<T>) return static_cast<T>(in.small_int() / 4.0);
    else if constexpr (std::is_same_v<T, utAny>) return reinterpret_cast<void *>(in.range(1, 64) * 8);
    else return in.one_in(8) ? utString() : utString(in.word());
}
template <class T> bool same(const T &a, const T &b) { return a == b; }
inline bool same(const utString &a, const utString &b) {
    return a.compare(b) == 0 && a.invalid() == b.invalid();
}
template <class T> bool matches(const std::optional<T> &m, const T &x) { return !m || same(*m, x); }

// One element as the printouts write it.
template <class T> std::string text(const T &x) {
    std::ostringstream os;
    {
        utOstream u(os, 0, 2);
        coElem<T>::print(u, x);
    }
    return os.str();
}
inline std::string line(const std::string &s) { return (s.empty() ? s : "  " + s) + "\n"; }
template <class C> std::string printed(const C &c) {
    std::ostringstream os;
    os << c;
    return os.str();
}
// The common printout of n known elements.
template <class T> std::string block_text(const char *header, const Slots<T> &s, int n) {
    std::string out = std::string(header) + "\n" + line("size " + std::to_string(n));
    for (int i = 0; i < n; ++i)
        out += line(text(*s[i]));
    return out + "}\n";
}
template <class T> bool known(const Slots<T> &s, int n) {
    return std::all_of(s.begin(), s.begin() + n, [](auto &x) { return x.has_value(); });
}
// The smallest capacity + k * step (k >= 1) above index n.
inline int grown(int capacity, int step, int n) { return capacity + ((n - capacity) / step + 1) * step; }

// Runs op, now and then (as the input says) with an allocation failing.
// True when it ran to the end without a failure.
template <class Op> bool attempt(Input &in, Op op) {
    if (!in.one_in(6)) return op(), true;
    return !alloc_injector::fail_at(in.range(1, 3), op);
}

// ---- dynamic arrays, also the fast stacks' inner arrays ----

template <class T> struct Dyn {
    Slots<T> slot; // one per buffer slot
    int size = 0, step = 1;
    int cap() const { return static_cast<int>(slot.size()); }
    void realloc(int c, int keep) {
        Slots<T> fresh(c);
        std::copy_n(slot.begin(), std::min(keep, c), fresh.begin());
        slot.swap(fresh);
    }
    void grow(int n) {
        if (n >= cap()) realloc(grown(cap(), step, n), size);
    }
};

template <class A, class T> void check(const A &a, const Dyn<T> &m) {
    MODEL_CHECK(a.size() == m.size && a.capacity() == m.cap() && a.step() == m.step);
    MODEL_CHECK((a.data() == nullptr) == (m.cap() == 0) && a.empty() == (m.size == 0));
    int i = 0;
    for (const T &x : a)
        MODEL_CHECK(matches(m.slot[i], x) && &x == &a[i++]);
    MODEL_CHECK(i == m.size);
}

template <class A, class Iter> void run_dyn(Input &in) {
    using T = typename A::value_type;
    Dyn<T> m;
    std::unique_ptr<Iter> it; // made after each step
    m.step = in.range(1, 9);
    int cap0 = in.below(4);
    A a(cap0, m.step);
    m.realloc(cap0, 0);
    for (int n = in.range(20, 120); n > 0 && !in.done(); --n) {
        T v = value<T>(in);
        int old_size = m.size, old_cap = m.cap();
        int op = in.below(11), i = in.one_in(8) ? in.below(80) : in.below(m.size + 3);
        bool release = in.flag();
        if (op == 0 && attempt(in, [&] { a[i] = v; })) {
            if (i >= m.size) m.grow(i), m.size = i + 1;
            m.slot[i] = v;
        } else if (op == 1 && m.size > 0 && in.flag()) {
            // An element of the array itself, read before the growth.
            if (attempt(in, [&] { a.append(a[i % m.size]); }))
                m.grow(m.size), m.slot[m.size] = m.slot[i % old_size], ++m.size;
        } else if (op == 1 && attempt(in, [&] { a.append(v); })) {
            m.grow(m.size), m.slot[m.size++] = v;
        } else if (op == 2 || op == 3) {
            int r = 1;
            bool done = attempt(in, [&] { r = op == 2 ? a.reserve(i) : a.expand(i); });
            MODEL_CHECK(r == done);
            if (done && i > 0) m.grow(i - 1);
            if (done && op == 3) m.size = std::max(m.size, i);
        } else if (op == 4) {
            int r = 1;
            bool done = attempt(in, [&] { r = a.shrink(i, release); });
            MODEL_CHECK(r == done);
            if (release && i == 0) m.realloc(0, 0);
            else if (release && i < m.cap() && done) m.realloc(i, i);
            m.size = std::min(m.size, i);
        } else if (op == 5) {
            a.clear(release);
            m.size = 0;
            if (release) m.realloc(0, 0);
        } else if (op == 6) {
            A b(utCOPY, a);
            check(b, m);
            const A c(a);
            check(c, m);
            if (in.flag()) {
                a = std::move(b); // the copy's spare slots were never written
                for (int k = m.size; k < m.cap(); ++k)
                    m.slot[k].reset();
                MODEL_CHECK(b.size() == 0 && b.capacity() == 0 && b.step() == m.step);
            }
        } else if (op == 7) {
            // become into an array of its own capacity and step, then back.
            Dyn<T> bm;
            bm.step = in.range(1, 5);
            A b(0, bm.step);
            for (int k = in.below(5); k > 0; --k)
                b.append(v), bm.grow(bm.size), bm.slot[bm.size++] = v;
            if (attempt(in, [&] { b.become(utCOPY, a); })) {
                if (m.size > 0) bm.grow(m.size - 1);
                std::copy_n(m.slot.begin(), m.size, bm.slot.begin());
                bm.size = m.size, bm.step = m.step;
            }
            check(b, bm);
            b.become(utCOPY, b);
            check(b, bm);
            if (in.flag()) a = std::move(b), m = bm;
        } else if (op == 8) {
            A b(std::move(a));
            check(a, Dyn<T>{{}, 0, m.step});
            a.append(v), a.clear(1);
            a = std::move(b);
        } else if (op == 9 && in.one_in(4)) {
            MODEL_CHECK(known(m.slot, m.size) == false ||
                        printed(a) == block_text("coDynArr {", m.slot, m.size));
        } else if (op == 10) {
            for (int k = 0; k < m.size; ++k) {
                if constexpr (std::is_same_v<T, utAny>) MODEL_CHECK(&a.read(k) == &a[k]);
                if (m.slot[k]) MODEL_CHECK(same(static_cast<const A &>(a)[k], *m.slot[k]));
            }
        }
        // The walker made before the step is stale exactly when the step
        // changed the size or replaced the buffer.
        if (it && m.size == old_size && m.cap() == old_cap && op != 6 && op != 7 && op != 8)
            MODEL_CHECK(!it->stale());
        if (it && (m.size != old_size || m.cap() != old_cap)) MODEL_CHECK(it->stale());
        it = std::make_unique<Iter>(&a);
        int k = 0;
        for (; *it; ++*it, ++k)
            MODEL_CHECK(it->index() == k && matches(m.slot[k], **it));
        MODEL_CHECK(k == m.size);
        it->reset();
        check(a, m);
    }
}

// ---- fast stacks ----

template <class S> void run_stack(Input &in) {
    using T = typename S::value_type;
    Dyn<T> m;
    m.step = in.range(1, 6);
    int cap0 = in.below(3);
    S s(cap0, m.step);
    m.realloc(cap0, 0);
    for (int n = in.range(10, 80); n > 0 && !in.done(); --n) {
        T v = value<T>(in);
        int op = in.below(5);
        if (op <= 1) {
            // A push onto a full stack reserves half as many again; when
            // that fails, the append grows by one step.
            bool threw = false, failed;
            {
                alloc_injector::Scope scope(in.one_in(5) ? in.range(1, 2) : 0);
                try {
                    s.push(v);
                } catch (const std::bad_alloc &) {
                    threw = true;
                }
                failed = scope.failed();
            }
            if (!threw) {
                if (m.size == m.cap() && !failed) m.grow(m.size + m.size / 2);
                m.grow(m.size), m.slot[m.size++] = v;
            }
        } else if (op == 2 && m.size > 0) {
            s.pop(), --m.size;
        } else if (op == 3) {
            S c(utCOPY, s);
            check(c.array(), m);
            S b;
            b.push(v);
            b.become(utCOPY, s);
            MODEL_CHECK(b.size() == m.size && b.array().step() == m.step);
        } else if (op == 4 && known(m.slot, m.size)) {
            MODEL_CHECK(printed(s) == "coFastStack\n" + block_text("coDynArr {", m.slot, m.size));
        }
        const S &c = s;
        MODEL_CHECK(s.size() == m.size && s.empty() == (m.size == 0));
        if (m.size > 0) MODEL_CHECK(&c.top() == &s.array()[m.size - 1] && matches(m.slot[m.size - 1], c.top()));
        MODEL_CHECK(c.begin() == c.array().data() && c.end() == c.array().data() + m.size);
        check(c.array(), m);
    }
}

// ---- matrices and three-dimensional arrays ----

template <class T, int N> struct Grid {
    using Ix = std::array<int, N>;
    Ix cap{}, size{}, step{};
    std::map<Ix, T> known; // slots whose contents are known
    bool storage() const { return *std::min_element(cap.begin(), cap.end()) >= 1; }
    // New capacities; the elements in use (or inside keep) stay.
    void replace(const Ix &c, const Ix &keep) {
        for (auto it = known.begin(); it != known.end();) {
            bool in = true;
            for (int d = 0; d < N; ++d)
                in = in && it->first[d] < std::min({keep[d], size[d], c[d]});
            it = in ? std::next(it) : known.erase(it);
        }
        cap = c;
    }
    void resize(const Ix &ix) {
        Ix c = cap;
        for (int d = 0; d < N; ++d)
            if (ix[d] >= cap[d]) c[d] = grown(cap[d], step[d], ix[d]);
        replace(c, size);
    }
    static bool all_below(const Ix &a, const Ix &b) {
        for (int d = 0; d < N; ++d)
            if (a[d] >= b[d]) return false;
        return true;
    }
    static bool all_within(const Ix &a, const Ix &b) {
        for (int d = 0; d < N; ++d)
            if (a[d] > b[d]) return false;
        return true;
    }
    void at(const Ix &ix) {
        if (all_below(ix, size)) return;
        if (!all_below(ix, cap)) resize(ix);
        for (int d = 0; d < N; ++d)
            size[d] = std::max(size[d], ix[d] + 1);
    }
    template <class F> void each_in_use(F f) const {
        Ix ix{};
        if (!all_below(Ix{}, size)) return;
        for (;;) {
            f(ix);
            int d = N - 1;
            while (d >= 0 && ++ix[d] == size[d])
                ix[d--] = 0;
            if (d < 0) return;
        }
    }
};

template <class A, class T> const T &elem(const A &a, const std::array<int, 2> &x) { return a(x[0], x[1]); }
template <class A, class T> const T &elem(const A &a, const std::array<int, 3> &x) { return a(x[0], x[1], x[2]); }

template <class A, class T, int N> void check(const A &a, const Grid<T, N> &m) {
    MODEL_CHECK(a.capacity_i() == m.cap[0] && a.capacity_j() == m.cap[1] && a.i_size() == m.size[0] &&
                a.j_size() == m.size[1] && a.step_i() == m.step[0] && a.step_j() == m.step[1]);
    if constexpr (N == 3)
        MODEL_CHECK(a.capacity_k() == m.cap[2] && a.k_size() == m.size[2] && a.step_k() == m.step[2]);
    MODEL_CHECK((a.block() != nullptr) == m.storage());
    auto walk = a.begin();
    m.each_in_use([&](const std::array<int, N> &ix) {
        const T &x = elem<A, T>(a, ix);
        int slot = 0;
        for (int d = 0; d < N; ++d)
            slot = slot * m.cap[d] + ix[d]; // row-major over the capacities
        MODEL_CHECK(&x == a.block() + slot && &*walk == &x);
        ++walk;
        auto k = m.known.find(ix);
        if (k != m.known.end()) MODEL_CHECK(same(k->second, x));
    });
    MODEL_CHECK(walk == a.end());
}

template <class T, int N> std::string grid_text(Grid<T, N> &m) {
    std::string out = N == 2 ? "coDynArr2D {\n" : "coDynArr3D {\n", size = "size";
    for (int s : m.size)
        size += " " + std::to_string(s);
    out += line(N == 3 ? size + " " : size);
    int planes = N == 2 ? 1 : m.size[0];
    for (int p = 0; p < planes; ++p) {
        for (int r = 0; r < m.size[N - 2]; ++r) {
            std::string row;
            for (int c = 0; c < m.size[N - 1]; ++c) {
                std::array<int, N> ix;
                if constexpr (N == 2) ix = {r, c};
                else ix = {p, r, c};
                row += text(m.known.at(ix)) + " ";
            }
            out += line(row);
        }
        if (N == 3) out += "\n";
    }
    return out + "}\n";
}

template <class A, int N> void run_grid(Input &in) {
    using T = typename A::value_type;
    using Ix = std::array<int, N>;
    Grid<T, N> m;
    Ix c0;
    for (int d = 0; d < N; ++d)
        c0[d] = in.below(3), m.step[d] = in.range(1, 4);
    A a = [&] {
        if constexpr (N == 2) return A(c0[0], c0[1], m.step[0], m.step[1]);
        else return A(c0[0], c0[1], c0[2], m.step[0], m.step[1], m.step[2]);
    }();
    m.cap = c0;
    auto pick = [&](int extra) {
        Ix ix;
        for (int d = 0; d < N; ++d)
            ix[d] = in.below(m.size[d] + extra);
        return ix;
    };
    for (int n = in.range(10, 60); n > 0 && !in.done(); --n) {
        T v = value<T>(in);
        int op = in.below(8);
        bool release = in.flag();
        Ix ix = pick(in.one_in(6) ? 7 : 2);
        if (op <= 1 && attempt(in, [&] {
                if constexpr (N == 2) a(ix[0], ix[1]) = v;
                else a(ix[0], ix[1], ix[2]) = v;
            })) {
            m.at(ix), m.known[ix] = v;
        } else if (op == 2) {
            int r = 1;
            bool done = attempt(in, [&] {
                if constexpr (N == 2) r = a.reserve(ix[0], ix[1]);
                else r = a.reserve(ix[0], ix[1], ix[2]);
            });
            MODEL_CHECK(r == done);
            Ix below;
            for (int d = 0; d < N; ++d)
                below[d] = ix[d] - 1;
            if (done && !Grid<T, N>::all_within(ix, m.cap)) m.resize(below);
        } else if (op == 3 && attempt(in, [&] {
                       if constexpr (N == 2) a.expand(ix[0], ix[1]);
                       else a.expand(ix[0], ix[1], ix[2]);
                   })) {
            if (!Grid<T, N>::all_within(ix, m.cap)) {
                Ix below;
                for (int d = 0; d < N; ++d)
                    below[d] = ix[d] - 1;
                m.resize(below);
            }
            for (int d = 0; d < N; ++d)
                m.size[d] = std::max(m.size[d], ix[d]);
        } else if (op == 4) {
            int r = 1;
            bool done = attempt(in, [&] {
                if constexpr (N == 2) r = a.shrink(ix[0], ix[1], release);
                else r = a.shrink(ix[0], ix[1], ix[2], release);
            });
            Ix c;
            bool zero = true, any_below = false;
            for (int d = 0; d < N; ++d) {
                c[d] = std::min(ix[d], m.cap[d]);
                zero = zero && ix[d] == 0, any_below = any_below || ix[d] < m.cap[d];
            }
            if (zero && release) m.replace(Ix{}, Ix{});
            bool fits = *std::min_element(c.begin(), c.end()) >= 1;
            MODEL_CHECK(r == (zero || !release || !any_below || (fits && done)));
            if (!zero && release && any_below && fits && done) m.replace(c, ix);
            for (int d = 0; d < N; ++d)
                m.size[d] = std::min(m.size[d], ix[d]);
        } else if (op == 5) {
            a.clear(release);
            m.size = Ix{};
            if (release) m.replace(Ix{}, Ix{});
        } else if (op == 6) {
            A b(utCOPY, a);
            check(b, m);
            A c(b);
            if (attempt(in, [&] { a = c; })) check(a, m);
            A moved(std::move(b));
            MODEL_CHECK(b.block() == nullptr && b.i_size() == 0 && b.capacity_j() == 0 && b.step_i() == m.step[0]);
            b = std::move(moved);
            check(b, m);
        } else if (op == 7 && in.one_in(3)) {
            bool all_known = true;
            m.each_in_use([&](const Ix &x) { all_known = all_known && m.known.count(x); });
            if (all_known) MODEL_CHECK(printed(a) == grid_text(m));
        }
        check(static_cast<const A &>(a), m);
    }
}

// ---- fixed arrays ----

template <class A> void run_fixed(Input &in) {
    using T = typename A::value_type;
    std::optional<Slots<T>> m; // nullopt: invalid
    A a;
    for (int n = in.range(5, 40); n > 0 && !in.done(); --n) {
        int op = in.below(6), size = m ? static_cast<int>(m->size()) : 0;
        if (op == 0) {
            int k = in.below(6);
            a = A(k), m = Slots<T>(k);
        } else if (op == 1 && size > 0) {
            int i = in.below(size);
            (*m)[i] = value<T>(in);
            a[i] = *(*m)[i];
        } else if (op == 2) {
            A b;
            std::optional<Slots<T>> bm;
            if (in.flag()) {
                b = A(in.below(5));
                bm = Slots<T>(b.size());
                for (int i = 0; i < b.size(); ++i)
                    b[i] = *((*bm)[i] = value<T>(in));
            }
            if (attempt(in, [&] { MODEL_CHECK(&a.become(utCOPY, b) == &a); })) m = bm;
        } else if (op == 3) {
            a.set_invalid(), m.reset();
        } else if (op == 4) {
            A b(utCOPY, a), c(std::move(b));
            MODEL_CHECK(b.invalid() && b.size() == 0);
            a = std::move(c);
            MODEL_CHECK(c.invalid());
        } else if (op == 5 && (!m || known(*m, size))) {
            MODEL_CHECK(printed(a) == block_text("coFixedArr {", m ? *m : Slots<T>(), size));
        }
        const A &c = a;
        MODEL_CHECK(c.invalid() == !m && c.size() == (m ? static_cast<int>(m->size()) : 0));
        MODEL_CHECK((c.data() == nullptr) == !m && c.end() - c.begin() == c.size());
        for (int i = 0; i < c.size(); ++i)
            MODEL_CHECK(matches((*m)[i], c[i]) && &c[i] == c.begin() + i);
    }
}

template <class A> void run_fixed2d(Input &in) {
    using T = typename A::value_type;
    A a;
    int si = 0, sj = 0;
    std::map<std::pair<int, int>, T> m;
    for (int n = in.range(5, 30); n > 0 && !in.done(); --n) {
        int op = in.below(5);
        if (op == 0) {
            A b(in.range(1, 4), in.range(1, 4));
            if (attempt(in, [&] { a.become(utCOPY, b); })) si = b.i_size(), sj = b.j_size(), m.clear();
        } else if (op == 1 && si > 0) {
            int i = in.below(si), j = in.below(sj);
            a(i, j) = m[{i, j}] = value<T>(in);
        } else if (op == 2) {
            a.set_invalid(), si = sj = 0, m.clear();
        } else if (op == 3) {
            A b(utCOPY, a), c(std::move(b));
            MODEL_CHECK(b.invalid() && b.i_size() == 0 && b.j_size() == 0);
            a = std::move(c);
        } else if (op == 4 && static_cast<int>(m.size()) == si * sj) {
            std::string out = "coFixedArr2D {\n" + line("size " + std::to_string(si) + " " + std::to_string(sj));
            for (int i = 0; i < si; ++i) {
                std::string row;
                for (int j = 0; j < sj; ++j)
                    row += text(m[{i, j}]) + " ";
                out += line(row);
            }
            MODEL_CHECK(printed(a) == out + "}\n");
        }
        const A &c = a;
        MODEL_CHECK(c.i_size() == si && c.j_size() == sj && c.invalid() == (si == 0));
        MODEL_CHECK(c.end() - c.begin() == si * sj);
        for (auto &[ix, x] : m)
            MODEL_CHECK(same(c(ix.first, ix.second), x) && &c(ix.first, ix.second) == c.begin() + ix.first * sj + ix.second);
    }
}

// ---- variable arrays ----

// Block b of a variable array: 8, 8, 16, ..., 1024 elements, then 2048.
inline int vsize(int b) { return b < 2 ? 8 : b < 9 ? 1 << (b + 2) : 2048; }
inline int vfirst(int b) { return b == 0 ? 0 : b < 10 ? 4 << b : 2048 * (b - 8); }
inline int vblock(int i) {
    int b = 0;
    while (vfirst(b + 1) <= i)
        ++b;
    return b;
}

template <class T> struct Var {
    Slots<T> slot; // the slots of the existing blocks
    int size = 0, blocks = 0;
    void make(int b) {
        for (; blocks <= b; ++blocks)
            slot.resize(slot.size() + vsize(blocks));
    }
};

template <class A> void run_variable(Input &in) {
    using T = typename A::value_type;
    using Iter = std::conditional_t<std::is_same_v<A, intcoVariableArr>, intcoVariableArrcoIterator,
                                    std::conditional_t<std::is_same_v<A, utStringcoVariableArr>,
                                                       utStringcoVariableArrcoIterator, void>>;
    Var<T> m;
    A a;
    for (int n = in.range(20, 200); n > 0 && !in.done(); --n) {
        T v = value<T>(in);
        int op = in.below(9), i = in.one_in(10) ? in.below(5000) : in.below(m.size + 20);
        bool release = in.flag();
        int old_blocks = m.blocks;
        auto failed = [&](int want) { // the blocks made before the failure stay
            MODEL_CHECK(a.block_count() >= old_blocks && a.block_count() <= std::max(old_blocks, want + 1));
            if (a.block_count() > 0) m.make(a.block_count() - 1);
        };
        if (op <= 2) {
            int at = op == 0 ? i : m.size;
            if (attempt(in, [&] { op == 0 ? (void)(a[i] = v) : a.append(v); })) {
                m.make(vblock(at)), m.size = std::max(m.size, at + 1), m.slot[at] = v;
            } else {
                failed(vblock(at));
            }
        } else if (op == 3) {
            int r = 1;
            if (attempt(in, [&] { r = a.reserve(i); })) {
                if (i > 0) m.make(vblock(i - 1));
            } else {
                MODEL_CHECK(r == 0);
                failed(vblock(i - 1));
            }
        } else if (op == 4) {
            a.shrink(i, release);
            int keep = i == 0 ? 0 : vblock(i - 1) + 1;
            if (release && keep < m.blocks) m.blocks = keep, m.slot.resize(vfirst(keep));
            m.size = std::min(m.size, i);
        } else if (op == 5) {
            a.clear(release), m.size = 0;
            if (release) m.blocks = 0, m.slot.clear();
        } else if (op == 6) {
            int need = m.size ? vblock(m.size - 1) + 1 : 0, j = in.below(40);
            A b(utCOPY, a);
            MODEL_CHECK(b.size() == m.size && b.block_count() == need);
            A c(std::move(b));
            MODEL_CHECK(b.size() == 0 && b.block_count() == 0);
            b.append(v);
            A d;
            d[j] = v;
            d.become(utCOPY, c); // keeps its own blocks
            a = std::move(d);
            Slots<T> kept(m.slot.begin(), m.slot.begin() + m.size);
            m.blocks = 0, m.slot.clear();
            m.make(std::max(need, vblock(j) + 1) - 1);
            std::copy(kept.begin(), kept.end(), m.slot.begin());
        } else if (op == 7 && in.one_in(3) && known(m.slot, m.size)) {
            MODEL_CHECK(printed(a) == block_text("coVariableArr {", m.slot, m.size));
        } else if (op == 8) {
            if constexpr (!std::is_void_v<Iter>) {
                Iter it(&a);
                for (int pass = 0; pass < 2; ++pass) {
                    int k = 0;
                    for (; ++it; ++k)
                        MODEL_CHECK(k < m.size && &it() == &static_cast<const A &>(a)[k]);
                    MODEL_CHECK(k == m.size);
                }
            }
        }
        const A &c = a;
        MODEL_CHECK(c.size() == m.size && c.empty() == (m.size == 0) && c.block_count() == m.blocks);
        int k = 0;
        for (const T &x : c) {
            MODEL_CHECK(matches(m.slot[k], x) && &x == &c.read(k));
            MODEL_CHECK(A::block_number(k) == vblock(k) && (k & A::block_mask(k)) == k - vfirst(vblock(k)));
            ++k;
        }
        MODEL_CHECK(k == m.size);
        k = 0;
        for (T &x : a)
            MODEL_CHECK(&x == &c[k++]);
    }
}

// ---- owning handles ----

template <class H> void run_handles(Input &in) {
    using T = typename H::element_type;
    H a, b;
    T *ma = nullptr, *mb = nullptr;
    for (int n = in.range(5, 30); n > 0 && !in.done(); --n) {
        T *p = new T[in.range(1, 4)];
        switch (in.below(6)) {
        case 0: a.become(p), ma = p; break;
        case 1: a = p, ma = p; break;
        case 2: delete[] a.release(), ma = nullptr, delete[] p; break;
        case 3: a.reset(), ma = nullptr, delete[] p; break;
        case 4: a.swap(b), std::swap(ma, mb), delete[] p; break;
        default: {
            H c(std::move(a));
            MODEL_CHECK(!a && c.get() == ma);
            b = std::move(c), mb = ma, ma = nullptr, delete[] p; // b released its own
        }
        }
        MODEL_CHECK(a.get() == ma && b.get() == mb && static_cast<bool>(a) == (ma != nullptr));
    }
}

// ---- sorters ----

// A vector of ints behind the array interface.
template <class Base> struct Ints : Base {
    mutable std::vector<int> v;
    mutable int live = 0;
    bool base_swap = false;
    int obj_compare(void *const a, void *const b) const override {
        int x = *static_cast<int *>(a), y = *static_cast<int *>(b);
        return (x > y) - (x < y);
    }
    void *arr_get(void *const, int i) const override { return &v[i]; }
    void *obj_create_copy(void *const o) const override { return ++live, new int(*static_cast<int *>(o)); }
    void *obj_create() const override { return ++live, new int(0); }
    void obj_assign(void *const d, void *const s) const override { *static_cast<int *>(d) = *static_cast<int *>(s); }
    void obj_destroy(void *const o) const override { --live, delete static_cast<int *>(o); }
    void arr_put_copy(void *const, void *const o, int i) const override { v[i] = *static_cast<int *>(o); }
};
struct QuickInts : Ints<coQuickSort> {
    void arr_swap(void *const arr, int i, int j) const override {
        if (base_swap) return coQuickSort::arr_swap(arr, i, j);
        std::swap(v[i], v[j]);
    }
};

inline void run_sorting(Input &in) {
    QuickInts q;
    Ints<coHeapSort> h;
    doublecoQuickSortIndex index;
    for (int n = in.range(3, 12); n > 0 && !in.done(); --n) {
        int len = in.one_in(4) ? in.below(400) : in.below(20), distinct = in.range(1, 40);
        std::vector<int> v(len);
        for (int &x : v)
            x = in.flag() ? in.below(distinct) : in.small_int();
        int first = in.below(len + 1), count = in.below(len - first + 1);
        std::vector<int> want = v;
        std::sort(want.begin() + first, want.begin() + first + count);
        q.base_swap = in.flag();
        q.v = v, q.sort(nullptr, first, count);
        MODEL_CHECK(q.v == want && q.live == 0);
        std::sort(want.begin(), want.end());
        h.v = v, h.sort(nullptr, len);
        MODEL_CHECK(h.v == want && h.live == 0);
        doublecoPageArr keys;
        intcoPageArr order;
        std::vector<int> expect(len);
        for (int i = 0; i < len; ++i)
            keys.append(v[i] / 4.0), expect[i] = i;
        std::stable_sort(expect.begin(), expect.end(), [&](int x, int y) { return v[x] < v[y]; });
        index.sort_indices(keys, order);
        MODEL_CHECK(std::vector<int>(order.begin(), order.end()) == expect);
        for (int i = 0; i < len; ++i)
            MODEL_CHECK(keys[i] == v[i] / 4.0);
    }
}

} // namespace arrays_model

inline void run_arrays(colib_test::Input &in) {
    using namespace arrays_model;
    long live = alloc_injector::live();
    while (!in.done()) {
        int pick = in.below(40);
#ifdef DBG_CASE
        DBG_CASE(pick);
#endif
        switch (pick) {
        case 0: run_dyn<charcoDynArr, charcoDynArrcoIterator>(in); break;
        case 1: run_dyn<intcoDynArr, intcoDynArrcoIterator>(in); break;
        case 2: run_dyn<floatcoDynArr, floatcoDynArrcoIterator>(in); break;
        case 3: run_dyn<doublecoDynArr, doublecoDynArrcoIterator>(in); break;
        case 4: run_dyn<utBoolcoDynArr, utBoolcoDynArrcoIterator>(in); break;
        case 5: run_dyn<utStringcoDynArr, utStringcoDynArrcoIterator>(in); break;
        case 6: run_dyn<utAnycoDynArr, utAnycoDynArrcoIterator>(in); break;
        case 7: run_dyn<intcoFastStackINTERNALcoDynArr, intcoFastStackINTERNALcoDynArrcoIterator>(in); break;
        case 8: run_dyn<utStringcoFastStackINTERNALcoDynArr, utStringcoFastStackINTERNALcoDynArrcoIterator>(in); break;
        case 9: run_stack<charcoStackFast>(in); break;
        case 10: run_stack<intcoStackFast>(in); break;
        case 11: run_stack<doublecoStackFast>(in); break;
        case 12: run_stack<utAnycoStackFast>(in); break;
        case 13: run_stack<utStringcoStackFast>(in); break;
        case 14: run_grid<charcoDynArr2D, 2>(in); break;
        case 15: run_grid<intcoDynArr2D, 2>(in); break;
        case 16: run_grid<floatcoDynArr2D, 2>(in); break;
        case 17: run_grid<doublecoDynArr2D, 2>(in); break;
        case 18: run_grid<utAnycoDynArr2D, 2>(in); break;
        case 19: run_grid<utStringcoDynArr2D, 2>(in); break;
        case 20: run_grid<charcoDynArr3D, 3>(in); break;
        case 21: run_grid<intcoDynArr3D, 3>(in); break;
        case 22: run_grid<doublecoDynArr3D, 3>(in); break;
        case 23: run_grid<utAnycoDynArr3D, 3>(in); break;
        case 24: run_grid<utStringcoDynArr3D, 3>(in); break;
        case 25: run_fixed<intcoFixedArr>(in), run_fixed<charcoFixedArr>(in); break;
        case 26: run_fixed<doublecoFixedArr>(in), run_fixed<utBoolcoFixedArr>(in); break;
        case 27: run_fixed<utStringcoFixedArr>(in), run_fixed<utAnycoFixedArr>(in); break;
        case 28: run_fixed2d<intcoFixedArr2D>(in), run_fixed2d<charcoFixedArr2D>(in); break;
        case 29: run_fixed2d<doublecoFixedArr2D>(in), run_fixed2d<utAnycoFixedArr2D>(in); break;
        case 30: run_fixed2d<utStringcoFixedArr2D>(in); break;
        case 31: run_variable<charcoVariableArr>(in); break;
        case 32: run_variable<intcoVariableArr>(in); break;
        case 33: run_variable<doublecoVariableArr>(in); break;
        case 34: run_variable<utAnycoVariableArr>(in); break;
        case 35: run_variable<utStringcoVariableArr>(in); break;
        case 36:
            run_handles<boolcoPrgArray>(in), run_handles<charcoPrgArray>(in), run_handles<intcoPrgArray>(in);
            run_handles<doublecoPrgArray>(in), run_handles<coBytecoPrgArray>(in);
            break;
        default: run_sorting(in);
        }
    }
    MODEL_CHECK(alloc_injector::live() == live);
}
