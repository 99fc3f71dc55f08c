// coVariableArrT: a growable array whose elements never move. It keeps a
// table of blocks whose sizes grow from 8 elements to 2048 and then stay
// at 2048; growing only adds blocks.
//
//   block   0  1  2   3   4   5    6    7    8     9     10 ...
//   size    8  8  16  32  64  128  256  512  1024  2048  2048
//   first   0  8  16  32  64  128  256  512  1024  2048  4096
//
// An index i < 2048 finds its block and mask in the exported tables
// (coVariableArr_block_number[i >> 3], coVariableArr_block_mask[i >> 3]);
// above, the block is i / 2048 + 8 and the mask 2047. The position inside
// the block is i & mask.
//
// Layout, in order: size, blocks (a utAnycoDynArr made with (5, 10)),
// current (the block last selected).
//
// Invariants:
//   - blocks 0 .. blocks.size() - 1 all exist; block b has block_size(b)
//     constructed elements, allocated with new T[];
//   - every index in [0, size) lies in an existing block;
//   - elements never move while the array grows: references stay valid
//     until shrink/clear with release (or destruction) removes their block.
#pragma once

#include <initializer_list>
#include <iterator>

#include <colib/arrays/dyn_arr.h>

// Block geometry shared by every variable array; constant from load on.
extern COLIB_API const int coVariableArr_block_size[9];
extern COLIB_API const int coVariableArr_block_number[256];
extern COLIB_API const int coVariableArr_block_mask[256];

namespace colib_detail {
inline int variable_block_size(int b) noexcept {
    return b < 9 ? coVariableArr_block_size[b] : 2048;
}
} // namespace colib_detail

template <class Derived, class T> class COLIB_API coVariableArrT {
public:
    using value_type = T;
    class const_iterator;

    coVariableArrT() : blocks_(5, 10) {}
    coVariableArrT(std::initializer_list<T> list);
    // An independent copy of src's elements (blocks made as needed).
    coVariableArrT(utCopy, const Derived &src) : coVariableArrT() { become(utCOPY, src); }
    coVariableArrT(const coVariableArrT &src)
        : coVariableArrT(utCOPY, static_cast<const Derived &>(src)) {}
    coVariableArrT(coVariableArrT &&src) noexcept
        : size_(src.size_), blocks_(std::move(src.blocks_)), current_(src.current_) {
        src.size_ = 0;
        src.current_ = nullptr;
    }
    coVariableArrT &operator=(const coVariableArrT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    coVariableArrT &operator=(coVariableArrT &&src) noexcept;
    ~coVariableArrT();

    // Makes this array hold src's elements, reusing its blocks. From itself:
    // no change.
    Derived &become(utCopy, const Derived &src);

    // Grows the array so that index i exists (size becomes i + 1 when i is
    // past the end), making every missing block up to i's.
    T &operator[](int i) {
        COLIB_EXPECT(i >= 0, typeid(Derived), "operator[]", "negative index %d", i);
        if (i >= size_) return grow_to_index(i);
        return *slot(i);
    }
    // Unchecked: the caller keeps i in [0, size()).
    const T &operator[](int i) const { return read(i); }
    const T &read(int i) const {
        COLIB_EXPECT(i >= 0 && i < size_, typeid(Derived), "read", "index %d out of range [0, %d)",
                     i, size_);
        return *slot(i);
    }
    void append(const T &x) {
        int n = size_;
        int b = block_number(n);
        if (b < blocks_.size()) {
            // The block exists: no need to select it, only to fill it.
            static_cast<T *>(blocks_.data()[b])[n & block_mask(n)] = x;
            size_ = n + 1;
        } else {
            append_grow(T(x));
        }
    }
    // Makes the blocks for n elements; 1, or 0 when memory ran out (the
    // blocks made so far stay).
    int reserve(int n) {
        COLIB_EXPECT(n >= 0, typeid(Derived), "reserve", "negative count %d", n);
        return n == 0 ? 1 : get_block(block_number(n - 1));
    }
    // Size at most n. With release, the blocks no longer needed for n
    // elements are given back, last first, and the block table is trimmed.
    void shrink(int n, int release);
    void clear(int release) { shrink(0, release); }

    int size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    // Number of blocks that exist.
    int block_count() const noexcept { return blocks_.size(); }

    static int block_number(int i) noexcept {
        return i < 2048 ? coVariableArr_block_number[i >> 3] : (i >> 11) + 8;
    }
    static int block_mask(int i) noexcept {
        return i < 2048 ? coVariableArr_block_mask[i >> 3] : 2047;
    }

    const_iterator begin() const noexcept { return const_iterator(this, 0); }
    const_iterator end() const noexcept { return const_iterator(this, size_); }

    // The common printout, headed "coVariableArr {".
    utOstream &print(utOstream &os) const;

    friend utOstream &operator<<(utOstream &os, const Derived &a) { return a.print(os); }
    friend std::ostream &operator<<(std::ostream &os, const Derived &a) {
        return colib_detail::print_std(os, a);
    }

    // Forward iterator for range-for; it steps block by block.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T *;
        using reference = const T &;

        const_iterator(const coVariableArrT *a, int i) noexcept : array_(a), index_(i) {
            if (i < a->size_) enter(a->block_number(i), i & a->block_mask(i));
        }
        reference operator*() const noexcept { return *at_; }
        pointer operator->() const noexcept { return at_; }
        const_iterator &operator++() noexcept {
            ++index_;
            if (++at_ == block_end_ && index_ < array_->size_) enter(block_ + 1, 0);
            return *this;
        }
        const_iterator operator++(int) noexcept {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const const_iterator &o) const noexcept { return index_ == o.index_; }
        bool operator!=(const const_iterator &o) const noexcept { return index_ != o.index_; }

    private:
        void enter(int b, int pos) noexcept {
            block_ = b;
            const T *start = static_cast<const T *>(array_->blocks_.data()[b]);
            at_ = start + pos;
            block_end_ = start + colib_detail::variable_block_size(b);
        }
        const coVariableArrT *array_;
        int index_;
        int block_ = 0;
        const T *at_ = nullptr;
        const T *block_end_ = nullptr;
    };

protected:
    static int block_size(int b) noexcept { return colib_detail::variable_block_size(b); }
    // Makes blocks 0 to b exist and selects block b; 0 when memory ran out.
    int get_block(int b);
    void switch_block(int b) { current_ = static_cast<T *>(blocks_[b]); }

private:
    template <class, class> friend class coVariableArrIterT;

    T *slot(int i) const noexcept {
        return static_cast<T *>(blocks_.data()[block_number(i)]) + (i & block_mask(i));
    }
    // As get_block, throwing std::bad_alloc when memory ran out.
    void make_blocks(int b);
    T &grow_to_index(int i);
    void append_grow(T x);

    int size_ = 0;
    utAnycoDynArr blocks_;
    T *current_ = nullptr;
};

// Walks a variable array block by block:
//
//   for (intcoVariableArrcoIterator it(&a); ++it;) use(it());
//
// ++ from the start (after construction or reset) enters the first element;
// it returns 1 on an element and 0 once past the last, after which the walk
// may start again. The array must not change size during a walk.
template <class Derived, class Array> class COLIB_API coVariableArrIterT {
public:
    using value_type = typename Array::value_type;

    explicit coVariableArrIterT(const Array *a) noexcept : array_(a) { reset(); }
    ~coVariableArrIterT() = default;

    void reset() noexcept { remaining_ = 0; }
    int operator++() noexcept {
        if (remaining_ == 0) return do_first();
        if (++position_ < count_) return 1;
        return next_block();
    }
    // The current element.
    const value_type &operator()() const {
        COLIB_EXPECT(remaining_ > 0, typeid(Derived), "operator()", "no current element");
        return block_data_[position_];
    }

protected:
    // Starts a walk: 0 for an empty array, else 1 on the first element.
    int do_first() noexcept {
        remaining_ = array_->size_;
        if (remaining_ == 0) return 0;
        table_ = array_->blocks_.data();
        count_ = remaining_ < 8 ? remaining_ : 8;
        block_ = 0;
        block_data_ = static_cast<const value_type *>(table_[0]);
        position_ = 0;
        return 1;
    }

private:
    // Leaves a finished block: 1 on the next block's first element, 0 past
    // the end.
    int next_block() noexcept {
        remaining_ -= count_;
        if (remaining_ == 0) return 0;
        ++block_;
        block_data_ = static_cast<const value_type *>(table_[block_]);
        int bs = colib_detail::variable_block_size(block_);
        count_ = remaining_ < bs ? remaining_ : bs;
        position_ = 0;
        return 1;
    }

    const Array *array_;
    void *const *table_ = nullptr;
    int block_ = 0;
    const value_type *block_data_ = nullptr;
    int remaining_ = 0;
    int count_ = 0;
    int position_ = 0;
};
