// The sorters: algorithms that reach elements only through the array
// interface, so one algorithm serves any storage and element type.
//
//   coQuickSort            quick sort with a generated pivot, three-way
//                          partition, explicit work stacks, selection sort
//                          below 7 elements; abstract: a concrete sorter
//                          supplies obj_compare and arr_get (and, to use the
//                          default arr_swap, obj_create_copy, arr_put_copy
//                          and obj_destroy).
//   doublecoQuickSortIndex orders an intcoPageArr of indexes 0..n-1 by the
//                          double keys of a doublecoPageArr, equal keys in
//                          index order; the keys never move.
//   coHeapSort             heap sort with one temporary element; abstract.
//
//   doublecoPageArr keys{2.0, 1.0, 2.0, 0.5};
//   intcoPageArr order;
//   doublecoQuickSortIndex sorter(keys, order);   // order: 3, 1, 0, 2
//
// The pivot generator lran keeps its seed in the sorter between calls, so
// one sorter object produces one continuing pivot sequence; two fresh
// sorters given the same input make the same comparisons and swaps.
#pragma once

#include <colib/arrays/dyn_arr.h>
#include <colib/hashing/interfaces.h>
#include <colib/paged/page_arr.h>

class COLIB_API coQuickSort : protected coArrInterface {
public:
    ~coQuickSort() override;

    // Sorts elements 0 to n - 1 of arr. n < 2 changes nothing.
    void sort(void *const arr, int n);
    // Sorts the n elements starting at index first.
    void sort(void *const arr, int first, int n);

    // The pivot generator's state (0 for a fresh sorter).
    int seed() const noexcept { return seed_; }
    // The work stacks: first indexes and lengths of pending ranges.
    const intcoDynArr &start_stack() const noexcept { return start_stack_; }
    const intcoDynArr &count_stack() const noexcept { return count_stack_; }

protected:
    // Both stacks with capacity 6 and step 6, seed 0.
    coQuickSort();
    coQuickSort(const coQuickSort &) = delete;
    coQuickSort &operator=(const coQuickSort &) = delete;

    // Advances the seed, seed = (seed * 211 + 1663) mod 7875, and returns a
    // pivot index in [first, first + n).
    int lran(int first, int n) const noexcept;

    // The base bodies.
    void *obj_create_copy(void *const obj) const override;
    void obj_destroy(void *const obj) const override;
    void arr_put_copy(void *const arr, void *const obj, int i) const override;
    void arr_swap(void *const arr, int i, int j) const override;
    // A concrete sorter supplies these: a negative, zero or positive order.
    int obj_compare(void *const a, void *const b) const override = 0;
    void *arr_get(void *const arr, int i) const override = 0;

    intcoDynArr &starts() noexcept { return start_stack_; }
    intcoDynArr &counts() noexcept { return count_stack_; }

private:
    void do_sort(void *const arr, int first, int n);

    intcoDynArr start_stack_;
    intcoDynArr count_stack_;
    mutable int seed_;
};

class COLIB_API doublecoQuickSortIndex : public coQuickSort {
public:
    // No arrays yet.
    doublecoQuickSortIndex() noexcept;
    // Constructs and calls sort_indices(keys, indices).
    doublecoQuickSortIndex(const doublecoPageArr &keys, intcoPageArr &indices);
    ~doublecoQuickSortIndex() override;

    // Remembers both arrays (they must outlive later uses), makes indices
    // 0, 1, ..., keys.size() - 1 and sorts them so that
    // keys[indices[0]] <= keys[indices[1]] <= ..., equal keys in ascending
    // index order. The keys are not modified.
    void sort_indices(const doublecoPageArr &keys, intcoPageArr &indices);

protected:
    // -1 / 1 by key, then by index; 0 for the same index.
    int obj_compare(void *const a, void *const b) const override;
    // The index value indices[i], carried in the handle; arr is ignored.
    void *arr_get(void *const arr, int i) const override;
    // Exchanges indices[i] and indices[j] in place; arr is ignored.
    void arr_swap(void *const arr, int i, int j) const override;

private:
    const doublecoPageArr *keys_;
    intcoPageArr *indices_;
};

class COLIB_API coHeapSort : public coArrInterface {
public:
    // Heap sort of elements 0 to n - 1 of arr: one obj_create, one
    // obj_destroy. A concrete sorter supplies obj_create, obj_assign,
    // obj_compare, obj_destroy, arr_put_copy and arr_get.
    void sort(void *const arr, int n);

protected:
    coHeapSort() noexcept = default;
    // The base body: arr_get, then arr_put_copy.
    void arr_move(void *const arr, int from, int to) const override;
};
