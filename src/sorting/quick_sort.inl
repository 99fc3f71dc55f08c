// The quick sort, written once over an element-operations policy Ops:
//
//   Ops::handle get(int i)            the element at index i
//   int cmp(handle a, handle b)       <0, 0, >0
//   void swap(int i, int j)
//   int pivot(int first, int n)       the sorter's lran
//
// coQuickSort::sort runs it with a policy that calls the virtual slots;
// sorters whose element operations are known at compile time run it with a
// policy of plain inline calls. The sequence of comparisons and swaps is
// the same either way.
//
// Ranges are [lo, lo + n). Pending upper parts go on the two int stacks,
// which are pre-sized to 6 + bit length of n - 1 entries and grow (through
// their growing subscript) only when needed; the lower part is always
// processed first. Ranges below 7 elements are selection-sorted.
#pragma once

#include <colib/arrays/dyn_arr.h>

namespace colib_detail {

inline int bit_length(unsigned v) noexcept {
    int bits = 0;
    while (v) {
        ++bits;
        v >>= 1;
    }
    return bits;
}

// First index of equal minima wins; at most one swap per position.
template <class Ops> void selection_sort(Ops &ops, int lo, int n) {
    int end = lo + n;
    for (int i = lo; i < end - 1; ++i) {
        int m = i;
        for (int j = i + 1; j < end; ++j)
            if (ops.cmp(ops.get(j), ops.get(m)) < 0) m = j;
        if (m > i) ops.swap(i, m);
    }
}

// Three-way partition of [lo, lo + n), n >= 7, around an element of the
// range (never a copy). On return [lo, pl) orders before the pivot,
// [pl, pr] equals it and (pr, lo + n) orders after it.
template <class Ops> void partition3(Ops &ops, int lo, int n, int &pl_out, int &pr_out) {
    int p = ops.pivot(lo, n);
    int a = lo, hi = lo + n - 1, pl = p, pr = p;
    while (a < pl || pr < hi) {
        int cl, cr;
        for (;;) {
            cl = 0;
            if (a >= pl) break;
            cl = ops.cmp(ops.get(a), ops.get(pl));
            if (cl < 0)
                ++a;
            else
                break;
        }
        for (;;) {
            cr = 0;
            if (pr >= hi) break;
            cr = ops.cmp(ops.get(pr), ops.get(hi));
            if (cr < 0)
                --hi;
            else
                break;
        }
        if (cl == 0) {
            if (a < pl) {
                --pl;
                if (a < pl) ops.swap(a, pl);
            } else if (pr < hi) {
                // The left side is used up: the block moves one place up.
                ++pr;
                ops.swap(pl, pr);
                ++pl;
                continue;
            }
        }
        if (cr == 0) {
            if (pr < hi) {
                ++pr;
                if (pr < hi) ops.swap(pr, hi);
            } else if (a < pl) {
                // The right side is used up: the block moves one place down.
                --pl;
                ops.swap(pl, pr);
                --pr;
                continue;
            }
        }
        if (cl != 0 && cr != 0) {
            ops.swap(a, hi);
            ++a;
            --hi;
        }
    }
    pl_out = pl;
    pr_out = pr;
}

template <class Ops>
void quick_sort(Ops &ops, intcoDynArr &starts, intcoDynArr &counts, int first, int n) {
    if (n < 2) return;
    int depth = 6 + bit_length(static_cast<unsigned>(n - 1));
    starts.clear(0);
    starts.expand(depth);
    counts.clear(0);
    counts.expand(depth);
    int sp = 0;
    int lo = first;
    for (;;) {
        if (n >= 7) {
            int pl, pr;
            partition3(ops, lo, n, pl, pr);
            int lower = pl - lo;
            int upper = lo + n - (pr + 1);
            if (lower <= 1) {
                lo = pr + 1;
                n = upper;
            } else if (upper <= 1) {
                n = lower;
            } else {
                starts[sp] = pr + 1;
                counts[sp] = upper;
                ++sp;
                n = lower;
            }
            continue;
        }
        if (n >= 2) selection_sort(ops, lo, n);
        if (sp == 0) return;
        --sp;
        lo = starts[sp];
        n = counts[sp];
    }
}

} // namespace colib_detail
