// The contiguous arrays and the sorters against a model with its own
// growth rules. It knows the contents of every slot that was written and
// not lost by a reallocation, and after every step compares sizes,
// capacities, block counts, slot addresses (the layout), range-for, walkers,
// copies, moves and printouts. Steps that run with an allocation failing
// must leave the container as the model was.
#pragma once

#include <colib/colib.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "../support/alloc_injector.h"
#include "../support/driver.h"

namespace arrays_model {

using colib_test::Input;
template <class T> using Slots = std::vector<std::optional<T>>;

using colib_test::draw;
inline const auto matches = [](const auto &m, const auto &x) { return !m || *m == x; };
inline const auto known = [](const auto &s, int n) {
    return std::all_of(s.begin(), s.begin() + n, [](auto &x) { return x.has_value(); });
};

using colib_test::printed;
template <class T> std::string block_text(const char *header, const Slots<T> &s, int n) {
    return colib_test::printout(header, n, Slots<T>(s.begin(), s.begin() + n));
}
// What an array of plain elements holds goes back to the allocator with it.
template <class A> void plain_gives_back(A &a) {
    if constexpr (std::is_trivially_copyable_v<typename A::value_type>) colib_test::gives_back(a);
}

// The smallest capacity + k * step (k >= 1) above index n.
inline const auto grown = [](int cap, int step, int n) {
    return cap + ((n - cap) / step + 1) * step;
};

// ---- dynamic arrays (also the fast stacks' inner arrays) and fast stacks ----

template <class T> struct Dyn {
    Slots<T> slot; // one per buffer slot
    int size = 0, step = 1;
    int cap() const { return static_cast<int>(slot.size()); }
    void realloc(int c, int keep) {
        Slots<T> fresh(c);
        std::copy_n(slot.begin(), std::min(keep, c), fresh.begin());
        slot.swap(fresh);
    }
    void grow(int n) { n >= cap() ? realloc(grown(cap(), step, n), size) : void(); }
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
    m.step = in.range(1, 9);
    A a(in.below(4), m.step);
    m.realloc(a.capacity(), 0);
    std::unique_ptr<Iter> it; // made after every step
    for (int n = in.range(20, 120); n > 0 && !in.done(); --n) {
        T v = draw<T>(in);
        int old_size = m.size, old_cap = m.cap(), r = 1;
        const T *old_data = a.data();
        int op = in.below(9), i = in.one_in(8) ? in.below(80) : in.below(m.size + 3);
        bool release = in.flag(), self = m.size > 0 && in.flag();
        if (op == 0 && attempt(in, [&] { a[i] = v; })) {
            if (i >= m.size) m.grow(i), m.size = i + 1;
            m.slot[i] = v;
        }
        // An element of the array itself is read before the growth.
        if (op == 1 && attempt(in, [&] { self ? a.append(a[i % m.size]) : a.append(v); })) {
            m.grow(m.size);
            m.slot[m.size] = self ? m.slot[i % m.size] : v, ++m.size;
        }
        if (op == 2 || op == 3) {
            bool done = attempt(in, [&] { r = op == 2 ? a.reserve(i) : a.expand(i); });
            MODEL_CHECK(r == done);
            if (done && i > 0) m.grow(i - 1);
            if (done && op == 3) m.size = std::max(m.size, i);
        }
        if (op == 4) {
            bool done = attempt(in, [&] { r = a.shrink(i, release); });
            MODEL_CHECK(r == done);
            if (release && (i == 0 || (i < m.cap() && done))) m.realloc(i, i);
            m.size = std::min(m.size, i);
        }
        if (op == 5) a.clear(release), m.size = 0, release ? m.realloc(0, 0) : void();
        if (op == 6) // a moved-from array keeps its step
            colib_test::copies_and_moves(
                in, a, [&](const A &c, bool) { check(c, m); },
                [&](const A &c) {
                    check(c, Dyn<T>{{}, 0, m.step});
                });
        if (op == 7) { // into a default array: it grows by its own step 1, to the size
            A b;
            Dyn<T> bm{Slots<T>(m.slot.begin(), m.slot.begin() + m.size), m.size, m.step};
            bool done = attempt(in, [&] { b.become(utCOPY, a); });
            b.become(utCOPY, b), check(b, done ? bm : Dyn<T>());
            if (done && in.flag()) a = std::move(b), m = bm;
        }
        if (op == 8 && known(m.slot, m.size))
            MODEL_CHECK(printed(a) == block_text("coDynArr {", m.slot, m.size));
        if constexpr (std::is_same_v<T, utAny>)
            for (int k = 0; k < m.size; ++k)
                MODEL_CHECK(&a.read(k) == &a[k]);
        // The walker made before the step is stale exactly when the step
        // changed the size or moved the buffer (growth may extend it in
        // place); the buffer moves only when the capacity changes.
        if (it && (op < 6 || op > 7))
            MODEL_CHECK(it->stale() == (m.size != old_size || a.data() != old_data) &&
                        (m.cap() != old_cap || a.data() == old_data));
        it = std::make_unique<Iter>(&a);
        for (int k = 0; *it || k < m.size; ++*it, ++k)
            MODEL_CHECK(*it && k < m.size && it->index() == k && matches(m.slot[k], **it));
        check(a, m);
    }
    plain_gives_back(a);
}

template <class S> void run_stack(Input &in) {
    using T = typename S::value_type;
    Dyn<T> m;
    m.step = in.range(1, 6);
    S s(in.below(3), m.step);
    m.realloc(s.array().capacity(), 0);
    for (int n = in.range(10, 80); n > 0 && !in.done(); --n) {
        T v = draw<T>(in);
        int op = in.below(5);
        if (op <= 1) {
            // A full stack reserves half again; failing that, the append grows a step.
            // Pushing the top itself must copy it before the buffer moves.
            const bool own = op == 1 && m.size > 0;
            bool failed = !attempt(in, [&] { own ? s.push(s.top()) : s.push(v); });
            if (m.size == m.cap() && !failed) m.grow(m.size + m.size / 2);
            std::optional<T> pushed = own ? m.slot[m.size - 1] : std::optional<T>(v);
            m.grow(m.size), m.slot[m.size++] = pushed;
        }
        if (op == 2 && m.size > 0) s.pop(), --m.size;
        if (op == 3) {
            S c(utCOPY, s), b(1, 1);
            b.push(v), b.become(utCOPY, s);
            check(c.array(), m);
            MODEL_CHECK(b.size() == m.size && b.array().step() == m.step);
        }
        if (op == 4 && known(m.slot, m.size))
            MODEL_CHECK(printed(s) == "coFastStack\n" + block_text("coDynArr {", m.slot, m.size));
        const S &c = s;
        MODEL_CHECK(s.size() == m.size && s.empty() == (m.size == 0) &&
                    c.begin() == c.array().data());
        if (m.size > 0)
            MODEL_CHECK(&c.top() == c.end() - 1 && matches(m.slot[m.size - 1], c.top()));
        check(c.array(), m);
    }
    plain_gives_back(s);
}

// ---- matrices and three-dimensional arrays ----

template <class T, int N> struct Grid {
    using Ix = std::array<int, N>;
    Ix cap{}, size{}, step{};
    std::map<Ix, T> known; // slots whose contents are known
    static bool below(const Ix &a, const Ix &b, int slack = 0) {
        for (int d = 0; d < N; ++d)
            if (a[d] >= b[d] + slack) return false;
        return true;
    }
    // New capacities; only the elements in use inside keep stay known.
    void replace(const Ix &c, const Ix &keep) {
        Ix k;
        for (int d = 0; d < N; ++d)
            k[d] = std::min({keep[d], size[d], c[d]});
        for (auto it = known.begin(); it != known.end();)
            it = below(it->first, k) ? std::next(it) : known.erase(it);
        cap = c;
    }
    void fit(const Ix &ix, int add, bool up) { // sizes at least (most) ix + add
        for (int d = 0; d < N; ++d)
            size[d] = up ? std::max(size[d], ix[d] + add) : std::min(size[d], ix[d] + add);
    }
    void resize(const Ix &ix) { // makes ix addressable
        Ix c = cap;
        for (int d = 0; d < N; ++d)
            if (ix[d] >= cap[d]) c[d] = grown(cap[d], step[d], ix[d]);
        replace(c, size);
    }
    template <class F> void each_in_use(F f) const {
        if (!below(Ix{}, size)) return;
        for (Ix ix{};;) {
            f(ix);
            int d = N - 1;
            while (d >= 0 && ++ix[d] == size[d])
                ix[d--] = 0;
            if (d < 0) return;
        }
    }
};

template <class A, class T, int N> void check(const A &a, const Grid<T, N> &m) {
    std::array<int, 3> cap = {a.capacity_i(), a.capacity_j()}, size = {a.i_size(), a.j_size()},
                       step = {a.step_i(), a.step_j()};
    if constexpr (N == 3) cap[2] = a.capacity_k(), size[2] = a.k_size(), step[2] = a.step_k();
    for (int d = 0; d < N; ++d)
        MODEL_CHECK(cap[d] == m.cap[d] && size[d] == m.size[d] && step[d] == m.step[d]);
    MODEL_CHECK((a.block() != nullptr) == m.below({}, m.cap));
    auto walk = a.begin();
    m.each_in_use([&](const std::array<int, N> &ix) {
        const T &x = std::apply([&](auto... i) -> const T & { return a(i...); }, ix);
        int slot = 0;
        for (int d = 0; d < N; ++d)
            slot = slot * m.cap[d] + ix[d]; // row-major over the capacities
        MODEL_CHECK(&x == a.block() + slot && &*walk++ == &x);
        auto k = m.known.find(ix);
        MODEL_CHECK(k == m.known.end() || k->second == x);
    });
    MODEL_CHECK(walk == a.end());
}

template <class A, int N> void run_grid(Input &in) {
    using T = typename A::value_type;
    using Ix = std::array<int, N>;
    Grid<T, N> m;
    Ix cap;
    for (int d = 0; d < N; ++d)
        cap[d] = in.below(3), m.step[d] = in.range(1, 4);
    A a = std::apply([](auto... x) { return A(x...); }, std::tuple_cat(cap, m.step));
    m.cap = cap;
    for (int n = in.range(10, 60); n > 0 && !in.done(); --n) {
        T v = draw<T>(in);
        int op = in.below(7), r = 1, extra = in.one_in(6) ? 7 : 2;
        bool release = in.flag(), zero = true, fits = true;
        Ix ix, less, c;
        for (int d = 0; d < N; ++d) {
            ix[d] = in.below(m.size[d] + extra), less[d] = ix[d] - 1;
            c[d] = std::min(ix[d], m.cap[d]), zero = zero && ix[d] == 0, fits = fits && c[d] > 0;
        }
        auto call = [&](auto f) { return attempt(in, [&] { std::apply(f, ix); }); };
        if (op <= 1 && call([&](auto... x) { a(x...) = v; })) {
            if (!m.below(ix, m.size) && !m.below(ix, m.cap)) m.resize(ix);
            m.fit(ix, 1, true), m.known[ix] = v;
        }
        if (op == 2) {
            bool done = call([&](auto... x) { r = a.reserve(x...); });
            MODEL_CHECK(r == done);
            if (done && !m.below(ix, m.cap, 1)) m.resize(less);
        }
        if (op == 3 && call([&](auto... x) { a.expand(x...); })) {
            if (!m.below(ix, m.cap, 1)) m.resize(less);
            m.fit(ix, 0, true);
        }
        if (op == 4) {
            bool done = call([&](auto... x) { r = a.shrink(x..., release); });
            bool within = m.below(m.cap, ix, 1); // every extent at least its capacity
            MODEL_CHECK(r == (zero || !release || within || (fits && done)));
            if (zero && release) m.replace(Ix{}, Ix{});
            if (!zero && release && !within && fits && done) m.replace(c, ix);
            m.fit(ix, 0, false);
        }
        if (op == 5) a.clear(release), m.size = Ix{}, release ? m.replace(Ix{}, Ix{}) : void();
        if (op == 6) {
            A b(utCOPY, a), c(b), moved(std::move(b));
            attempt(in, [&] { a = c; }), check(moved, m); // a failed copy leaves a as it was
            MODEL_CHECK(b.block() == nullptr && b.i_size() == 0 && b.step_j() == m.step[1]);
        }
        check(static_cast<const A &>(a), m);
    }
    plain_gives_back(a);
}

// ---- fixed arrays, D = 1 or 2 dimensions ----

template <class A, int D> void run_fixed(Input &in) {
    using T = typename A::value_type;
    std::optional<Slots<T>> m; // none: invalid; else the elements, row-major
    int si = 0, sj = 0;        // the extents; a one-dimensional array is si x 1
    auto at = [](auto &a, int k, int width) -> auto & { // element k, row-major
        if constexpr (D == 1)
            return a[k];
        else
            return a(k / width, k % width);
    };
    auto make = [](int i, int j) {
        if constexpr (D == 1)
            return A(i);
        else
            return A(i, j);
    };
    A a;
    for (int n = in.range(5, 40); n > 0 && !in.done(); --n) {
        int op = in.below(6), i = in.below(6 - D) + D - 1, j = D == 1 ? 1 : in.range(1, 3);
        if (op == 0) a = make(i, j), m = Slots<T>(i * j), si = i, sj = j;
        if (op == 1 && m && !m->empty()) {
            int k = in.below(si * sj);
            at(a, k, sj) = *((*m)[k] = draw<T>(in));
        }
        if (op == 2) { // become from a valid or an invalid array
            A b = in.flag() ? make(i, j) : A();
            std::optional<Slots<T>> bm;
            if (!b.invalid()) bm = Slots<T>(i * j);
            for (int k = 0; bm && k < i * j; ++k)
                at(b, k, j) = *((*bm)[k] = draw<T>(in));
            if (attempt(in, [&] { MODEL_CHECK(&a.become(utCOPY, b) == &a); }))
                m = bm, si = bm ? i : 0, sj = bm ? j : D % 2;
        }
        if (op == 3) a.set_invalid(), m.reset(), si = 0, sj = D % 2;
        if (op == 4) {
            A b(utCOPY, a), c(std::move(b));
            MODEL_CHECK(b.invalid() && b.begin() == nullptr);
            a = std::move(c);
            MODEL_CHECK(c.invalid());
        }
        if (op == 5 && D == 1 && (!m || known(*m, si))) // the matrices' printouts: golden
            MODEL_CHECK(printed(a) == block_text("coFixedArr {", m ? *m : Slots<T>(), si));
        const A &c = a;
        if constexpr (D == 1)
            MODEL_CHECK(c.size() == si);
        else
            MODEL_CHECK(c.i_size() == si && c.j_size() == sj);
        MODEL_CHECK(c.invalid() == !m && (c.begin() == nullptr) == !m &&
                    c.end() - c.begin() == si * sj);
        for (int k = 0; k < si * sj; ++k)
            MODEL_CHECK(matches((*m)[k], at(c, k, sj)) && &at(c, k, sj) == c.begin() + k);
    }
    plain_gives_back(a);
}

// ---- variable arrays ----

// Block b holds 8, 8, 16, ..., 1024 elements, from block 9 on 2048.
inline const auto vsize = [](int b) { return b < 2 ? 8 : b < 9 ? 1 << (b + 2) : 2048; };
inline const auto vfirst = [](int b) { return b == 0 ? 0 : b < 10 ? 4 << b : 2048 * (b - 8); };
inline const auto vblock = [](int i) {
    int b = 0;
    while (vfirst(b + 1) <= i)
        ++b;
    return b;
};

template <class A, class Iter> void run_variable(Input &in) {
    using T = typename A::value_type;
    Slots<T> slot; // the slots of the existing blocks
    int size = 0, blocks = 0;
    auto make = [&](int b) { // blocks 0 to b exist
        for (; blocks <= b; ++blocks)
            slot.resize(slot.size() + vsize(blocks));
    };
    A a;
    for (int n = in.range(20, 200); n > 0 && !in.done(); --n) {
        T v = draw<T>(in);
        int op = in.below(9), i = in.one_in(10) ? in.below(5000) : in.below(size + 20), r = 1;
        int at = op == 0 ? i : size;
        bool release = in.flag();
        auto failed = [&](int want) { // the blocks made before the failure stay
            MODEL_CHECK(a.block_count() >= blocks && a.block_count() <= std::max(blocks, want + 1));
            make(a.block_count() - 1);
        };
        if (op <= 2) {
            if (attempt(in, [&] { op == 0 ? (void)(a[i] = v) : a.append(v); }))
                make(vblock(at)), size = std::max(size, at + 1), slot[at] = v;
            else
                failed(vblock(at));
        }
        if (op == 3) {
            bool done = attempt(in, [&] { r = a.reserve(i); });
            MODEL_CHECK(r == done);
            done ? make(i > 0 ? vblock(i - 1) : -1) : failed(vblock(i - 1));
        }
        if (op == 4 || op == 5) {
            i = op == 5 ? 0 : i;
            op == 5 ? a.clear(release) : a.shrink(i, release);
            int keep = i == 0 ? 0 : vblock(i - 1) + 1;
            if (release && keep < blocks) blocks = keep, slot.resize(vfirst(keep));
            size = std::min(size, i);
        }
        if (op == 6) {
            int need = size ? vblock(size - 1) + 1 : 0, j = in.below(40);
            A b(utCOPY, a), c(std::move(b)), d;
            MODEL_CHECK(c.size() == size && c.block_count() == need &&
                        b.size() + b.block_count() == 0);
            b.append(v), d[j] = v;
            d.become(utCOPY, c); // keeps its own blocks
            a = std::move(d);
            Slots<T> kept(slot.begin(), slot.begin() + size);
            blocks = 0, slot.clear(), make(std::max(need, vblock(j) + 1) - 1);
            std::copy(kept.begin(), kept.end(), slot.begin());
        }
        if (op == 7 && known(slot, size))
            MODEL_CHECK(printed(a) == block_text("coVariableArr {", slot, size));
        const A &c = a;
        MODEL_CHECK(c.size() == size && c.empty() == (size == 0) && c.block_count() == blocks);
        if (!colib_test::walk_now(size, 256, n, n == 1 || in.done())) continue;
        Iter it(&a);
        for (int k = 0, pass = 0; pass < 2; ++pass, k = 0) { // a walk may start again
            while (++it)
                MODEL_CHECK(k < size && &it() == &c[k++]);
            MODEL_CHECK(k == size);
        }
        int k = 0;
        for (const T &x : c) {
            MODEL_CHECK(matches(slot[k], x) && &x == &c.read(k) && A::block_number(k) == vblock(k));
            MODEL_CHECK((k & A::block_mask(k)) == k - vfirst(vblock(k)));
            ++k;
        }
        k = 0;
        for (T &x : a)
            MODEL_CHECK(&x == &c[k++]);
    }
    plain_gives_back(a);
}

// ---- owning handles ----

template <class H> void run_handles(Input &in) {
    using T = typename H::element_type;
    H a, b;
    T *ma = nullptr, *mb = nullptr; // what each handle owns
    for (int n = in.range(5, 30); n > 0 && !in.done(); --n) {
        T *p = new T[in.range(1, 4)], *back = nullptr;
        switch (in.below(6)) { // clang-format off
        case 0: a.become(p), ma = p, p = nullptr; break;
        case 1: a = p, ma = p, p = nullptr; break;
        case 2: back = a.release(), ma = back == ma ? nullptr : ma; break;
        case 3: a.reset(), ma = nullptr; break;
        case 4: a.swap(b), std::swap(ma, mb); break;
        default: b = H(std::move(a)), mb = ma, ma = nullptr; // b released its own
        } // clang-format on
        delete[] p, delete[] back;
        MODEL_CHECK(a.get() == ma && b.get() == mb && static_cast<bool>(a) == (ma != nullptr));
    }
}

// ---- sorters ----

// A vector of ints behind the array interface; temporaries are new ints.
inline const auto I = [](void *p) -> int & { return *static_cast<int *>(p); };
template <class Base> struct Ints : Base {
    mutable std::vector<int> v;
    mutable int live = 0; // temporaries not destroyed yet
    bool base_swap = false;
    int obj_compare(void *const a, void *const b) const override {
        return (I(a) > I(b)) - (I(a) < I(b));
    }
    void *arr_get(void *const, int i) const override { return &v[i]; }
    void *obj_create_copy(void *const o) const override { return ++live, new int(I(o)); }
    void *obj_create() const override { return ++live, new int(0); }
    void obj_assign(void *const d, void *const s) const override { I(d) = I(s); }
    void obj_destroy(void *const o) const override { --live, delete &I(o); }
    void arr_put_copy(void *const, void *const o, int i) const override { v[i] = I(o); }
    void arr_swap(void *const arr, int i, int j) const override {
        base_swap ? Base::arr_swap(arr, i, j) : std::swap(v[i], v[j]);
    }
};

inline void run_sorting(Input &in) {
    Ints<coQuickSort> q;
    Ints<coHeapSort> h;
    doublecoQuickSortIndex index;
    for (int n = in.range(3, 12); n > 0 && !in.done(); --n) {
        int len = in.one_in(4) ? in.below(400) : in.below(20), distinct = in.range(1, 40);
        std::vector<int> v(len), order(len);
        for (int &x : v)
            x = in.flag() ? in.below(distinct) : in.small_int();
        int first = in.below(len + 1), count = in.below(len - first + 1);
        std::vector<int> want = v;
        std::sort(want.begin() + first, want.begin() + first + count);
        q.base_swap = in.flag(), q.v = v, q.sort(nullptr, first, count);
        MODEL_CHECK(q.v == want && q.live == 0);
        std::sort(want.begin(), want.end());
        h.v = v, h.sort(nullptr, len);
        MODEL_CHECK(h.v == want && h.live == 0);
        doublecoPageArr keys;
        intcoPageArr got;
        for (int i = 0; i < len; ++i)
            keys.append(v[i] / 4.0), order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](int x, int y) { return v[x] < v[y]; });
        index.sort_indices(keys, got);
        MODEL_CHECK(std::vector<int>(got.begin(), got.end()) == order);
    }
}

} // namespace arrays_model

inline void run_arrays(colib_test::Input &in) {
    using namespace arrays_model;
    // clang-format off
    static void (*const runs[])(Input &) = {
        run_dyn<charcoDynArr, charcoDynArrcoIterator>, run_dyn<intcoDynArr, intcoDynArrcoIterator>,
        run_dyn<floatcoDynArr, floatcoDynArrcoIterator>, run_dyn<utAnycoDynArr, utAnycoDynArrcoIterator>,
        run_dyn<doublecoDynArr, doublecoDynArrcoIterator>, run_dyn<utBoolcoDynArr, utBoolcoDynArrcoIterator>,
        run_dyn<utStringcoDynArr, utStringcoDynArrcoIterator>,
        run_dyn<intcoFastStackINTERNALcoDynArr, intcoFastStackINTERNALcoDynArrcoIterator>,
        run_dyn<utStringcoFastStackINTERNALcoDynArr, utStringcoFastStackINTERNALcoDynArrcoIterator>,
        run_stack<charcoStackFast>, run_stack<intcoStackFast>, run_stack<doublecoStackFast>,
        run_stack<utAnycoStackFast>, run_stack<utStringcoStackFast>,
        run_grid<charcoDynArr2D, 2>, run_grid<intcoDynArr2D, 2>, run_grid<floatcoDynArr2D, 2>,
        run_grid<doublecoDynArr2D, 2>, run_grid<utAnycoDynArr2D, 2>, run_grid<utStringcoDynArr2D, 2>,
        run_grid<charcoDynArr3D, 3>, run_grid<intcoDynArr3D, 3>, run_grid<doublecoDynArr3D, 3>,
        run_grid<utAnycoDynArr3D, 3>, run_grid<utStringcoDynArr3D, 3>,
        run_fixed<charcoFixedArr, 1>, run_fixed<intcoFixedArr, 1>, run_fixed<doublecoFixedArr, 1>,
        run_fixed<utBoolcoFixedArr, 1>, run_fixed<utAnycoFixedArr, 1>, run_fixed<utStringcoFixedArr, 1>,
        run_fixed<charcoFixedArr2D, 2>, run_fixed<intcoFixedArr2D, 2>, run_fixed<doublecoFixedArr2D, 2>,
        run_fixed<utAnycoFixedArr2D, 2>, run_fixed<utStringcoFixedArr2D, 2>,
        run_variable<charcoVariableArr, charcoVariableArrcoIterator>,
        run_variable<intcoVariableArr, intcoVariableArrcoIterator>,
        run_variable<doublecoVariableArr, doublecoVariableArrcoIterator>,
        run_variable<utAnycoVariableArr, utAnycoVariableArrcoIterator>,
        run_variable<utStringcoVariableArr, utStringcoVariableArrcoIterator>,
        run_handles<boolcoPrgArray>, run_handles<charcoPrgArray>, run_handles<intcoPrgArray>,
        run_handles<doublecoPrgArray>, run_handles<coBytecoPrgArray>,
        run_sorting, run_sorting, run_sorting};
    // clang-format on
    colib_test::run_members(in, runs);
}
