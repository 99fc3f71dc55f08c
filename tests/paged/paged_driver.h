// The paged arrays against a model of their blocks.
//
// The model holds every slot of every block the array has made, not only
// those in use, with the block-table capacity after growth by its step,
// the current block and the address of each block: growth, shrinking with
// and without release, repagination, copies and moves are compared slot by
// slot. A plain slot never written holds an unknown value (skipped); a
// class slot starts default-constructed.
#pragma once

#include <colib/paged/hashed_arr.h>
#include <colib/paged/hashed_arr2d.h>
#include <colib/paged/page_arr.h>

#include "support/alloc_injector.h"
#include "support/driver.h"
#include "support/values.h"

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace paged_test {

using colib_test::gives_back, colib_test::Input, colib_test::printout, colib_test::text;

template <class A, class = void> struct prints : std::false_type {};
template <class A>
struct prints<A, std::void_t<decltype(std::declval<std::ostream &>() << std::declval<const A &>())>>
    : std::true_type {};

template <class A> struct Open : A { // reaches the protected block selection
    using A::A;
    using A::get_block;
};

// The model answers the array's own operations, so that one call drives
// both.
template <class T> struct PageModel {
    using Slot = std::optional<T>;
    using value_type = T;
    int shift, cap, step, size = 0, cur = -1;
    std::vector<std::vector<Slot>> blocks;
    std::vector<const void *> addr; // null until first seen

    PageModel(int s = 8, int c = 5, int st = 10) : shift(s), cap(c), step(st) {}
    PageModel(utCopy, const PageModel &src) : PageModel(src.shift, src.count(), 10) {
        copy(src, src.size, 0, 0);
    }

    int bs() const { return 1 << shift; }
    int count() const { return static_cast<int>(blocks.size()); }
    Slot &slot(int i) { return blocks[i >> shift][i & (bs() - 1)]; }
    // The block table grown so that entry n exists.
    void grow_table(int n) {
        long long d = static_cast<long long>(n) - cap;
        if (d >= 0) cap = static_cast<int>(cap + (d - d % step) + step);
    }
    int get_block(int b) {
        if (b > 0) grow_table(b - 1);
        for (; count() <= b; addr.push_back(nullptr)) {
            grow_table(count());
            blocks.emplace_back(bs(), std::is_class<T>::value ? Slot(T()) : Slot());
        }
        return cur = b, 1;
    }
    void free_to(int keep) {
        if (keep < count()) blocks.resize(keep), addr.resize(keep);
        if (cur >= count()) cur = -1;
    }
    Slot &operator[](int i) {
        if (i >= size) get_block(i >> shift), size = i + 1;
        return slot(i);
    }
    std::vector<Slot> elems() const {
        std::vector<Slot> v;
        for (int i = 0; i < size; ++i)
            v.push_back(blocks[i >> shift][i & (bs() - 1)]);
        return v;
    }
    void append(const T &x) {
        int b = size >> shift;
        if (b != cur) b < count() ? void(cur = b) : void(get_block(b));
        slot(size++) = x;
    }
    int expand(int n) { return reserve(n), size = std::max(size, n), 1; }
    int reserve(int n) { return n ? get_block((n - 1) >> shift) : 1; }
    void enter(int i, const T &x) { slot(i) = x; }
    void copy(const PageModel &src, int n, int to, int from) {
        std::vector<Slot> e = src.elems();
        int count = std::min(n, src.size);
        if (count > 0) (*this)[to + count - 1];
        for (int k = 0; k < count; ++k)
            slot(to + k) = e[from + k];
    }
    template <class S> void copyin(const S *src, int n, int to, int from) {
        int end = to + n;
        if (end) get_block((end - 1) >> shift);
        size = std::max(size, end);
        for (int k = 0; k < n; ++k)
            slot(to + k) = src[from + k];
    }
    void become(utCopy, const PageModel &src) {
        if (&src == this) return;
        PageModel c(src.shift, 0, step);
        if (src.count()) c.grow_table(src.count() - 1);
        c.copy(src, src.size, 0, 0);
        *this = c;
    }
    void shrink(int n, int flag) {
        if (flag) {
            free_to(static_cast<int>((static_cast<long long>(n) + bs() - 1) >> shift));
            cap = std::min(cap, count());
        }
        size = std::min(size, n);
    }
    void clear(int flag) { flag ? shrink(0, 1) : void(size = 0); }
    void reverse() {
        for (int k = 0; k < size / 2; ++k)
            std::swap(slot(k), slot(size - 1 - k));
    }
    int repaginate() {
        if (size >= bs()) return 0;
        int before = bs() * count(), s = shift;
        if (size == 0) return clear(1), before;
        while (s > 0 && (1 << (s - 1)) >= size)
            --s;
        if (s == shift) return shrink(size, 1), before - (1 << s);
        std::vector<Slot> v = elems();
        clear(1);
        shift = s;
        copyin(v.data(), static_cast<int>(v.size()), 0, 0);
        return before - (1 << s);
    }
};

template <class A, class It, class T> void check(const A &a, PageModel<T> &m) {
    MODEL_CHECK(a.size() == m.size && a.empty() == (m.size == 0) && a.block_shift() == m.shift);
    MODEL_CHECK(a.block_size() == m.bs() && a.current_block_index() == m.cur);
    MODEL_CHECK(a.block_count() == m.count() && a.block_table().size() == m.count() &&
                a.block_table().capacity() == m.cap && a.block_table().step() == m.step);
    bool known = true;
    for (int b = 0; b < m.count(); ++b) {
        if (!m.addr[b]) m.addr[b] = a.block(b);
        MODEL_CHECK(m.addr[b] == a.block(b)); // blocks never move
        for (int s = 0; s < m.bs(); ++s) {
            const std::optional<T> &x = m.blocks[b][s];
            MODEL_CHECK(!x || a.block(b)[s] == *x);
            if (!x && (b << m.shift) + s < m.size) known = false;
        }
    }
    int i = 0;
    auto ci = a.begin(); // range-for, also through a const array: index order
    for (T &x : const_cast<A &>(a))
        MODEL_CHECK(ci != a.end() && &x == &*ci++ && &x == &a[i++]);
    MODEL_CHECK(i == m.size && ci == a.end());
    It it(&a);
    for (int round = 0; round < 2; ++round) { // a finished walk starts again
        for (int k = 0; k < m.size; ++k)
            MODEL_CHECK(++it == 1 && it.index() == k && it.remaining() == m.size - k &&
                        &it() == &a[k]);
        MODEL_CHECK(++it == 0 && it.remaining() == 0);
    }
    if constexpr (prints<A>::value)
        if (known)
            MODEL_CHECK(colib_test::printed(a) == printout("coPageArr {", m.size, m.elems()));
}

// A session on two arrays of one member: operations chosen by the input,
// applied to the arrays and the models alike, now and then under an
// allocation failure.
template <class Base, class It> void run_member(Input &in) {
    using A = Open<Base>;
    using T = typename A::value_type;
    using M = PageModel<T>;
    A arr[2];
    M mod[2];
    for (int z = 0; z < 2; ++z)
        if (int s = in.below(5); s < 4) {
            int c = in.below(3), st = in.range(1, 3);
            arr[z] = A(s, c, st), mod[z] = M(s, c, st);
        }
    for (int steps = in.range(1, 40); steps > 0 && !in.done(); --steps) {
        int x = in.below(2), y = in.below(2), op = in.below(15);
        int reach = 3 * mod[x].bs() + 3, blocks = arr[x].block_count();
        int i = in.below(reach), n = in.below(reach), j = in.below(reach),
            f = in.below(2) & (n > 0);
        std::vector<T> v(n + 1);
        for (int k = 0, base = in.below(40); k <= n; ++k)
            v[k] = colib_test::value<T>((base + 7 * k) % 40);
        // copy reads from + count <= the source's size; from 0 it may ask for more.
        int from = std::min(j, mod[y].size) * f, cnt = from ? std::min(n, mod[y].size - from) : n;
        if (op == 12 && blocks == 0) op = 11;
        auto act = [&](auto *c) -> int {
            using C = std::remove_reference_t<decltype(*c)>;
            auto &a = c[x];
            if (op == 0) return a[i] = v[0], 0;
            if (op == 1) return a.append(v[0]), 0;
            if (op == 2) return a.expand(n);
            if (op == 3) return a.reserve(n);
            if (op == 4) return a.copy(c[y], cnt, i, from), 0;
            if (op == 5) return a.copyin(v.data(), n - f, i, f), 0;
            if (op == 6) return a.become(utCOPY, c[y]), 0;
            if (op == 7) return a = C(utCOPY, c[1 - x]), 0;
            if (op == 8) return a.clear(f), 0;
            if (op == 9) return a.shrink(n, f), 0;
            if (op == 10) return a.repaginate();
            if (op == 11) return a.reverse(), 0;
            if (op == 12) return a.enter(i % (blocks << mod[x].shift), v[0]), 0;
            if (op == 13) return a.get_block(i % 5);
            C t(std::move(c[y])); // the source is left empty, without blocks, usable
            if constexpr (!std::is_same<C, M>::value) MODEL_CHECK(c[y].block_count() == 0);
            c[y].clear(1), c[y].append(v[0]), c[y].clear(1);
            return a = std::move(t), 0;
        };
        long fail = in.one_in(6) && op < 8 ? in.range(1, 4) : 0;
        int r = 0;
        bool failed = alloc_injector::fail_at(fail, [&] { r = act(arr); });
        if (!failed) {
            MODEL_CHECK(r == act(mod));
        } else if (op < 6 || op == 13) { // unchanged, but for spare blocks the growth made
            MODEL_CHECK(r == 0 && arr[x].size() == mod[x].size);
            mod[x].get_block(arr[x].block_count() - 1);
            mod[x].cap = arr[x].block_table().capacity();
            mod[x].cur = arr[x].current_block_index();
        }
        check<A, It>(arr[0], mod[0]);
        check<A, It>(arr[1], mod[1]);
    }
    if constexpr (std::is_trivially_copyable_v<T>) gives_back(arr[0]);
}

// Every member of the family, and two of the paged arrays other families
// keep their storage in.
#define COLIB_PAGED_RUN(X, Pre, T, P) run_member<Pre##coPageArr, Pre##coPageArr##coIterator>,

inline void run_paged(Input &in) {
    using Run = void (*)(Input &);
    static const Run runs[] = {
        COLIB_PAGE_ARR_MEMBERS(COLIB_PAGED_RUN, )
            run_member<intcoHashedArrINTERNALcoPageArr, intcoHashedArrINTERNALcoPageArrcoIterator>,
        run_member<charcoHashedArr2DINTERNALcoPageArr,
                   charcoHashedArr2DINTERNALcoPageArrcoIterator>};
    colib_test::run_members(in, runs);
}

} // namespace paged_test
