// coPageArrT: the algorithm behind every paged array of the library
// (intcoPageArr and its siblings, and the block-structured storage of the
// hashed arrays, the sparse index, the paged list and the resource tables).
// Each concrete class derives from it with itself as Derived and inherits
// its constructors; the library compiles the members once per concrete
// class (src/paged/page_arr.inl, src/paged/page_arr.cpp).
//
// Template arguments: the element type T; B, how runs of elements are
// copied (1: bytes, 0: assignment one by one; see coElem); P, whether the
// member prints (1: the two operator<< exist). Record elements (structs
// with or without a default constructor) take B = 1 and P = 0.
//
// Layout, in order: block count, size, block size, block shift, block
// table, current block index, current block pointer, then a private append
// cursor: two addresses, the current block's base (where index 0 would lie
// if every block before it were laid out in front of it) and the block's
// end. Index n then goes at base + n * sizeof(T) and fits while that is
// below the end. The cursor is unsigned integers, which an int element
// store cannot alias, and the size field stays exact (an append stores it
// after the element, from the value it read before), so a loop of int
// appends reloads nothing its own stores may have changed and stores only
// the element and the size.
//
// Invariants:
//   - block size == 1 << shift, 0 <= shift <= 30;
//   - element i (0 <= i < size) lives in block i >> shift at slot
//     i & (block size - 1); no division is used anywhere;
//   - table entries [0, block count) point at the blocks and the table's
//     used count is the block count; block count >= blocks needed for
//     size (it can be larger: clear(0) and shrink(n, 0) keep blocks);
//   - a block is new T[block size]: class elements are default-constructed
//     when it is made and destroyed with it, plain elements start
//     uninitialised;
//   - current block index is -1 or below the block count, and then the
//     current block pointer is that block;
//   - the append cursor is empty (both addresses 0) or its end is the
//     current block's end and base + size * sizeof(T) lies in that block or
//     at its end (when the block is full). Whatever moves the size other
//     than an append, or switches blocks, empties it.
//
// Blocks are made only by get_block, always in order (asking for block 10
// of an empty array makes blocks 0 to 10), and never move: an element's
// address is stable until its block is freed by clear(1), shrink(n, 1),
// repaginate, become or destruction.
//
// Failure: expand, reserve and repaginate return 0 when no storage could be
// had; the subscript, append, copy, copyin, become and the constructors
// let std::bad_alloc through. Either way the size and the elements are as
// they were; blocks that were made before the failure are kept as spare
// blocks.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <new>
#include <ostream>
#include <type_traits>
#include <utility>

#include <colib/foundation/contract.h>
#include <colib/foundation/elem.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>
#include <colib/foundation/range_iter.h>
#include <colib/paged/page_table.h>

namespace colib_detail {

// The range-for iterator of the paged arrays: walks block by block and
// compares positions by address, like a segmented iterator. The end
// position of a full last block is that block's end, so no block past the
// last one is ever looked at.
template <class T> class page_range_iter : public range_iter<page_range_iter<T>, T &> {
public:
    // The position of element index (or the end when index == size).
    page_range_iter(void *const *table, int shift, int index, int size) noexcept
        : block_size_(1 << shift) {
        if (size == 0) return;
        last_ = table + ((size - 1) >> shift);
        int at = index < size ? index : size - 1;
        node_ = table + (at >> shift);
        T *block = static_cast<T *>(*node_);
        p_ = block + (at & (block_size_ - 1)) + (index < size ? 0 : 1);
        block_end_ = block + block_size_;
    }
    T &operator*() const noexcept { return *p_; }
    page_range_iter &operator++() noexcept {
        if (++p_ == block_end_ && node_ != last_) {
            p_ = static_cast<T *>(*++node_);
            block_end_ = p_ + block_size_;
        }
        return *this;
    }
    bool operator==(const page_range_iter &o) const noexcept { return p_ == o.p_; }

private:
    T *p_ = nullptr;
    T *block_end_ = nullptr;
    void *const *node_ = nullptr;
    void *const *last_ = nullptr;
    int block_size_;
};

} // namespace colib_detail

template <class Derived, class T, int B = coElem<T>::block, int P = 1>
class COLIB_API coPageArrT : public colib_detail::printable_if<Derived, P != 0> {
public:
    using value_type = T;
    using iterator = colib_detail::page_range_iter<T>;
    using const_iterator = colib_detail::page_range_iter<const T>;

    // Block shift 8 (256 elements per block), table capacity 5, step 10.
    coPageArrT() : coPageArrT(8, 5, 10) {}
    // Requires 0 <= shift <= 30, capacity >= 0, step >= 1. No block yet.
    coPageArrT(int shift, int capacity, int step);
    // Default geometry; makes every block the list needs, then appends.
    coPageArrT(std::initializer_list<T> list);
    // The source's block size; table capacity = source's block count,
    // step 10; a copy of the source's elements.
    coPageArrT(utCopy, const Derived &src);
    coPageArrT(const coPageArrT &src) : coPageArrT(utCOPY, static_cast<const Derived &>(src)) {}
    coPageArrT &operator=(const coPageArrT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    // Takes src's blocks and table in O(1); src keeps its geometry and is
    // left empty, without blocks, and usable.
    coPageArrT(coPageArrT &&src) noexcept
        : block_count_(src.block_count_), size_(src.size_), block_size_(src.block_size_),
          shift_(src.shift_), table_(std::move(src.table_)), cur_index_(src.cur_index_),
          cur_block_(src.cur_block_), base_(src.base_), limit_(src.limit_) {
        src.forget_blocks();
    }
    coPageArrT &operator=(coPageArrT &&src) noexcept {
        if (this != &src) {
            free_blocks(0);
            block_count_ = src.block_count_;
            size_ = src.size_;
            block_size_ = src.block_size_;
            shift_ = src.shift_;
            table_ = std::move(src.table_);
            cur_index_ = src.cur_index_;
            cur_block_ = src.cur_block_;
            base_ = src.base_;
            limit_ = src.limit_;
            src.forget_blocks();
        }
        return *this;
    }
    // Frees every block, then the table.
    ~coPageArrT();

    int size() const noexcept { return size_; }
    int block_size() const noexcept { return block_size_; }
    int block_shift() const noexcept { return shift_; }
    int block_count() const noexcept { return block_count_; }
    // Heap bytes of the blocks and the block table, not counting what the
    // elements own. A block is new T[block size], which carries the array
    // cookie the compiler adds for elements with a destructor.
    std::size_t memory_bytes() const noexcept {
        constexpr std::size_t cookie =
            std::is_trivially_destructible<T>::value
                ? 0
                : (sizeof(std::size_t) > alignof(T) ? sizeof(std::size_t) : alignof(T));
        return table_.memory_bytes() +
               static_cast<std::size_t>(block_count_) *
                   (static_cast<std::size_t>(block_size_) * sizeof(T) + cookie);
    }
    bool empty() const noexcept { return size_ == 0; }
    // -1 when no block is current.
    int current_block_index() const noexcept { return cur_index_; }
    const utAnycoPageArrINTERNALcoDynArr &block_table() const noexcept { return table_; }
    // Block b's elements (block_size() of them, the last block holding
    // size() - b * block_size() in use): walking block by block lets the
    // compiler treat each run as a plain array. Requires 0 <= b <
    // block_count().
    const T *block(int b) const {
        COLIB_EXPECT(b >= 0 && b < block_count_, typeid(Derived), "block",
                     "block %d out of range [0, %d)", b, block_count_);
        return static_cast<const T *>(table_.data()[b]);
    }

    // Growing access: i >= size() makes the block of i exist and the size
    // i + 1. Elements skipped over are not written. Requires i >= 0.
    T &operator[](int i) {
        COLIB_EXPECT(i >= 0, typeid(Derived), "operator[]", "negative index %d", i);
        if (__builtin_expect(i >= size_, 0)) grow_to_index(i);
        return slot(i);
    }
    // Unchecked: the caller keeps i in [0, size()).
    const T &operator[](int i) const { return checked(i, "operator[] const"); }
    T &read(int i) { return const_cast<T &>(checked(i, "read")); }
    // Stores x as element i of an existing block; the size is not changed.
    void enter(int i, const T &x) {
        COLIB_EXPECT(i >= 0 && (i >> shift_) < block_count_, typeid(Derived), "enter",
                     "index %d outside the %d allocated elements", i, block_count_ << shift_);
        slot(i) = x;
    }
    void append(const T &x) {
        // The size is read before the element store and stored after it on
        // the path both branches share, so a loop of int appends keeps it in
        // a register; the cursor is not stored at all on the common path.
        const int n = size_;
        const std::uintptr_t at = base_ + static_cast<unsigned>(n) * sizeof(T);
        if (__builtin_expect(at < limit_, 1)) {
            *reinterpret_cast<T *>(at) = x;
        } else {
            // x by value: the caller's variable need not live in memory. The
            // new cursor comes back in registers and is stored here, so the
            // compiler knows it after the call and a loop of appends keeps
            // it in registers instead of reloading it at every append.
            const append_cursor c = append_block(T(x));
            base_ = c.base, limit_ = c.limit;
        }
        size_ = n + 1;
    }
    // Size at least n, making the blocks it needs; 0 (size unchanged) when
    // a block could not be made.
    int expand(int n);
    // Makes the blocks n elements need without changing the size.
    int reserve(int n);
    // Size 0; with a nonzero flag, every block and the table's storage are
    // freed too.
    void clear(int flag);
    // Size at most n; with a nonzero flag, the blocks beyond those n
    // elements need are freed and the table trimmed.
    void shrink(int n, int flag);
    // A small array (size below the block size) gets the smallest block
    // size that holds it in one block. Returns the number of element slots
    // released; 0 when nothing changed or no storage could be had.
    int repaginate();
    void reverse();
    // Copies min(n, src.size()) elements, src[from + k] to this[to + k],
    // growing this as the subscript does. Within one array a move to higher
    // indexes that overlaps runs backwards.
    void copy(const Derived &src, int n, int to, int from);
    // src[from .. from + n) into elements [to, to + n), raising the size.
    void copyin(const T *src, int n, int to, int from);
    // Elements [from, from + n) into dst[to .. to + n); requires
    // from + n <= size().
    void copyout(T *dst, int n, int from, int to) const;
    // Makes this array a copy of src, with src's block size. From itself:
    // no change.
    Derived &become(utCopy, const Derived &src);

    iterator begin() noexcept { return iterator(table_.data(), shift_, 0, size_); }
    iterator end() noexcept { return iterator(table_.data(), shift_, size_, size_); }
    const_iterator begin() const noexcept {
        return const_iterator(table_.data(), shift_, 0, size_);
    }
    const_iterator end() const noexcept {
        return const_iterator(table_.data(), shift_, size_, size_);
    }

    // The common printout, headed "coPageArr {" (printing members only).
    template <int Q = P, class = std::enable_if_t<Q != 0>> utOstream &print(utOstream &os) const;

protected:
    // Makes blocks up to b exist and b current; 0 when the table or a
    // block could not be had (blocks made so far stay).
    int get_block(int b);
    // Makes existing block b current.
    void switch_block(int b) noexcept {
        cur_index_ = b;
        cur_block_ = static_cast<T *>(table_.data()[b]);
        drop_cursor();
    }
    // Empties the append cursor; the next append finds its block again.
    void drop_cursor() noexcept { base_ = limit_ = 0; }

    // Unsigned, so that neither the block number nor the place needs
    // widening before it indexes.
    T &slot(int i) const noexcept {
        const unsigned u = static_cast<unsigned>(i);
        return static_cast<T *>(
            table_.data()[u >> shift_])[u & (static_cast<unsigned>(block_size_) - 1)];
    }
    const T &checked(int i, const char *op) const {
        COLIB_EXPECT(i >= 0 && i < size_, typeid(Derived), op, "index %d out of range [0, %d)", i,
                     size_);
        return slot(i);
    }

private:
    static int valid_shift(int shift);
    void get_block_or_throw(int b);
    void grow_to_index(int i);
    struct append_cursor {
        std::uintptr_t base, limit;
    };
    // Stores x as element size() when the cursor is empty or at its
    // block's end: makes that element's block current (made when missing)
    // and returns the cursor into it, which the caller installs; the size
    // is not changed.
    append_cursor append_block(T x);
    // append_block with the cursor installed: the exported entry that
    // appends inlined by earlier builds call.
    void append_slow(T x);
    // Frees blocks from the last one down to block count `keep`.
    void free_blocks(int keep) noexcept;
    static void copy_run(T *dst, const T *src, int n);
    void swap_state(coPageArrT &o) noexcept;
    // After a move: no blocks, size 0, nothing current.
    void forget_blocks() noexcept {
        block_count_ = size_ = 0;
        cur_index_ = -1;
        cur_block_ = nullptr;
        drop_cursor();
    }

    int block_count_ = 0;
    int size_ = 0;
    int block_size_;
    int shift_;
    utAnycoPageArrINTERNALcoDynArr table_;
    int cur_index_ = -1;
    T *cur_block_ = nullptr;
    std::uintptr_t base_ = 0;
    std::uintptr_t limit_ = 0;
};

// Walks a paged array from index 0, block after block:
//
//   intcoPageArrcoIterator it(&a);
//   while (++it) use(it());
//
// ++ from the reset state starts a walk; ++ from the last element ends it
// (returns 0) and leaves the iterator reset, so a walk can start again. The
// iterator keeps the block table's storage of the walk's start: the array
// must not gain or lose blocks during a walk.
template <class Derived, class Array> class COLIB_API coPageArrIterT {
public:
    using value_type = typename Array::value_type;

    explicit coPageArrIterT(const Array *a) noexcept : array_(a) {}
    ~coPageArrIterT() = default;

    void reset() noexcept {
        remaining_ = 0;
        next_ = stop_ = nullptr;
    }
    // 1 when on an element after the step, 0 when the walk ended. Inside a
    // block a step is one pointer compare; the reset state (no block) falls
    // through to step_block, which starts the walk.
    int operator++() noexcept {
        if (next_ != stop_) {
            ++next_;
            return 1;
        }
        return step_block();
    }
    // The element under the iterator; requires a walk in progress.
    const value_type &operator()() const {
        COLIB_EXPECT(remaining_ > 0, typeid(Derived), "operator()", "no current element");
        return next_[-1];
    }
    // Elements still to visit, the current one included (0: not walking).
    int remaining() const noexcept {
        return remaining_ == 0 ? 0 : remaining_ - static_cast<int>(next_ - 1 - block_data_);
    }
    // Index of the current element.
    int index() const noexcept { return array_->size() - remaining(); }

protected:
    // Starts a walk: 0 for an empty array.
    int do_first() noexcept {
        remaining_ = array_->size();
        if (remaining_ == 0) {
            next_ = stop_ = nullptr;
            return 0;
        }
        table_ = array_->block_table().data();
        block_ = 0;
        enter_block();
        return 1;
    }

private:
    int step_block() noexcept {
        if (remaining_ == 0) return do_first();
        remaining_ -= available_;
        if (remaining_ == 0) {
            next_ = stop_ = nullptr;
            return 0;
        }
        ++block_;
        enter_block();
        return 1;
    }
    void enter_block() noexcept {
        block_data_ = static_cast<const value_type *>(table_[block_]);
        int bs = array_->block_size();
        available_ = remaining_ < bs ? remaining_ : bs;
        next_ = block_data_ + 1;
        stop_ = block_data_ + available_;
    }

    // remaining_ and available_ are counted at the entry into the block;
    // the current element is next_[-1] and stop_ ends the block's elements
    // in use.
    const Array *array_;
    void *const *table_ = nullptr;
    int block_ = 0;
    const value_type *block_data_ = nullptr;
    int remaining_ = 0;
    int available_ = 0;
    const value_type *next_ = nullptr;
    const value_type *stop_ = nullptr;
};

namespace colib_detail {

// The address of element n of a paged array whose block for n exists.
template <class T, class Store> T *page_slot(const Store &s, int n) noexcept {
    return const_cast<T *>(static_cast<const T *>(s.block_table().data()[n >> s.block_shift()])) +
           (n & (s.block_size() - 1));
}

// The address element store.size() will have once appended, its block made
// first (throws std::bad_alloc with the store unchanged, apart from spare
// capacity in its block table), so that the append allocates nothing.
template <class T, class Store> T *next_page_slot(Store &store) {
    int n = store.size();
    if ((n >> store.block_shift()) >= store.block_count() && !store.reserve(n + 1))
        throw std::bad_alloc();
    return page_slot<T>(store, n);
}

} // namespace colib_detail

// One paged array Name of T (copy mode B, prints when P is 1) and its
// walker Name##coIterator, as the families that keep their storage in
// paged arrays stamp them; X as in foundation/instances.h. A printing
// member also has its print() compiled once.
#define COLIB_PAGE_ARR_CLASS(X, Name, T, B, P)                                                     \
    COLIB_THIN_CLASS(Name, coPageArrT, Name, T, B, P)                                              \
    COLIB_THIN_CLASS(Name##coIterator, coPageArrIterT, Name##coIterator, Name)                     \
    COLIB_PAGE_ARR_INSTANCE(X, Name, T, B, P)
#define COLIB_PAGE_ARR_INSTANCE(X, Name, T, B, P)                                                  \
    X(coPageArrT<Name, T, B, P>)                                                                   \
    X(coPageArrIterT<Name##coIterator, Name>)                                                      \
    COLIB_PAGE_ARR_PRINT_##P(X, Name, T, B)
// The print() of a printing member: declared extern in the headers,
// compiled in the library.
#define COLIB_PAGE_ARR_PRINT_0(X, Name, T, B)
#define COLIB_PAGE_ARR_PRINT_1(X, Name, T, B) COLIB_PAGE_ARR_PRINT_##X(coPageArrT<Name, T, B, 1>)
#define COLIB_PAGE_ARR_PRINT_COLIB_EXTERN_TEMPLATE(...)                                            \
    extern template utOstream &__VA_ARGS__::print<1, void>(utOstream &) const;
#define COLIB_PAGE_ARR_PRINT_COLIB_INSTANTIATE(...)                                                \
    template utOstream &__VA_ARGS__::print<1, void>(utOstream &) const;

// One member of the family (paged/page_arr.h lists them).
#define COLIB_PAGE_ARR_CLASSES(X, Pre, T, P)                                                       \
    COLIB_PAGE_ARR_CLASS(X, Pre##coPageArr, T, coElem<T>::block, P)
#define COLIB_PAGE_ARR_INSTANCES(X, Pre, T, P)                                                     \
    COLIB_PAGE_ARR_INSTANCE(X, Pre##coPageArr, T, coElem<T>::block, P)
