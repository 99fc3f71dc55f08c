#include <colib/sorting/sort.h>

#include <cstdint>
#include <memory>
#include <new>
#include <typeinfo>
#include <utility>

#include "sorting/quick_sort.inl"

// ---- coQuickSort -------------------------------------------------------------

coQuickSort::coQuickSort() : start_stack_(6, 6), count_stack_(6, 6), seed_(0) {}

coQuickSort::~coQuickSort() = default;

void coQuickSort::sort(void *const arr, int n) {
    do_sort(arr, 0, n);
}

void coQuickSort::sort(void *const arr, int first, int n) {
    do_sort(arr, first, n);
}

int coQuickSort::lran(int first, int n) const noexcept {
    seed_ = static_cast<int>((static_cast<long long>(seed_) * 211 + 1663) % 7875);
    if (n <= 7875) return first + static_cast<int>(static_cast<long long>(seed_) * n / 7875);
    return first + static_cast<int>(4LL * n / 7875 * seed_ / 4);
}

void *coQuickSort::obj_create_copy(void *const obj) const {
    return coArrInterface::obj_create_copy(obj);
}
void coQuickSort::obj_destroy(void *const obj) const {
    coArrInterface::obj_destroy(obj);
}
void coQuickSort::arr_put_copy(void *const arr, void *const obj, int i) const {
    coArrInterface::arr_put_copy(arr, obj, i);
}
void coQuickSort::arr_swap(void *const arr, int i, int j) const {
    coArrInterface::arr_swap(arr, i, j);
}

void coQuickSort::do_sort(void *const arr, int first, int n) {
    // Every element operation goes through the virtual slots.
    struct Ops {
        coQuickSort *sorter;
        void *arr;
        void *get(int i) const { return sorter->arr_get(arr, i); }
        int cmp(void *a, void *b) const { return sorter->obj_compare(a, b); }
        void swap(int i, int j) { sorter->arr_swap(arr, i, j); }
        int pivot(int f, int k) const { return sorter->lran(f, k); }
    } ops{this, arr};
    colib_detail::quick_sort(ops, start_stack_, count_stack_, first, n);
}

// ---- doublecoQuickSortIndex --------------------------------------------------

namespace {
void *carry(int v) {
    return reinterpret_cast<void *>(static_cast<std::intptr_t>(v));
}
int carried(void *h) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(h));
}

struct KeyIndex {
    double key;
    int index;
};

int compare_keys(const doublecoPageArr &keys, int x, int y) {
    double kx = keys[x], ky = keys[y];
    if (kx < ky) return -1;
    if (kx > ky) return 1;
    return x < y ? -1 : (x > y ? 1 : 0);
}
} // namespace

doublecoQuickSortIndex::doublecoQuickSortIndex() noexcept : keys_(nullptr), indices_(nullptr) {}

doublecoQuickSortIndex::doublecoQuickSortIndex(const doublecoPageArr &keys, intcoPageArr &indices)
    : doublecoQuickSortIndex() {
    sort_indices(keys, indices);
}

doublecoQuickSortIndex::~doublecoQuickSortIndex() = default;

void doublecoQuickSortIndex::sort_indices(const doublecoPageArr &keys, intcoPageArr &indices) {
    keys_ = &keys;
    indices_ = &indices;
    indices.clear(0);
    for (int i = 0; i < keys.size(); ++i)
        indices.append(i);
    if (typeid(*this) != typeid(doublecoQuickSortIndex)) {
        // A derived sorter may have replaced the element operations.
        sort(nullptr, indices.size());
        return;
    }
    // This class's own operations, called directly: the same comparisons
    // and swaps as sort(nullptr, n) makes through the virtual slots, made
    // on a contiguous copy of (key, index) pairs so that a comparison reads
    // two neighbouring values instead of four paged ones. The indexes are
    // written back afterwards. Without memory for the copy, the same
    // operations run on the paged arrays themselves.
    int n = indices.size();
    std::unique_ptr<KeyIndex[]> pairs(n > 0 ? new (std::nothrow) KeyIndex[n] : nullptr);
    if (pairs) {
        for (int i = 0; i < n; ++i)
            pairs[i] = KeyIndex{keys[i], i};
        struct Ops {
            const doublecoQuickSortIndex *sorter;
            KeyIndex *p;
            const KeyIndex *get(int i) const { return p + i; }
            int cmp(const KeyIndex *a, const KeyIndex *b) const {
                if (a->key < b->key) return -1;
                if (a->key > b->key) return 1;
                return a->index < b->index ? -1 : (a->index > b->index ? 1 : 0);
            }
            void swap(int i, int j) { std::swap(p[i], p[j]); }
            int pivot(int f, int k) const { return sorter->lran(f, k); }
        } ops{this, pairs.get()};
        colib_detail::quick_sort(ops, starts(), counts(), 0, n);
        for (int i = 0; i < n; ++i)
            indices.read(i) = pairs[i].index;
        return;
    }
    struct Ops {
        const doublecoQuickSortIndex *sorter;
        const doublecoPageArr &keys;
        intcoPageArr &idx;
        int get(int i) const { return idx.read(i); }
        int cmp(int x, int y) const { return compare_keys(keys, x, y); }
        void swap(int i, int j) { std::swap(idx.read(i), idx.read(j)); }
        int pivot(int f, int k) const { return sorter->lran(f, k); }
    } ops{this, keys, indices};
    colib_detail::quick_sort(ops, starts(), counts(), 0, n);
}

int doublecoQuickSortIndex::obj_compare(void *const a, void *const b) const {
    return compare_keys(*keys_, carried(a), carried(b));
}

void *doublecoQuickSortIndex::arr_get(void *const, int i) const {
    return carry(indices_->read(i));
}

void doublecoQuickSortIndex::arr_swap(void *const, int i, int j) const {
    std::swap(indices_->read(i), indices_->read(j));
}

// ---- coHeapSort --------------------------------------------------------------

void coHeapSort::arr_move(void *const arr, int from, int to) const {
    coArrInterface::arr_move(arr, from, to);
}

void coHeapSort::sort(void *const arr, int n) {
    if (n == 0) return;
    void *t = obj_create();
    int l = n >> 1;
    int r = n;
    while (r > 1) {
        if (l > 0) {
            --l;
            obj_assign(t, arr_get(arr, l));
        } else {
            --r;
            obj_assign(t, arr_get(arr, r));
            arr_move(arr, 0, r);
        }
        int i = l;
        int j = 2 * l + 1;
        while (j < r) {
            if (j + 1 < r && obj_compare(arr_get(arr, j), arr_get(arr, j + 1)) < 0) ++j;
            if (obj_compare(t, arr_get(arr, j)) >= 0) break;
            arr_move(arr, j, i);
            i = j;
            j = 2 * i + 1;
        }
        arr_put_copy(arr, t, i);
    }
    obj_destroy(t);
}
