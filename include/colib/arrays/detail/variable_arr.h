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
// current (the block last selected), then a private append cursor: the
// block that holds index size, the index of its first slot, the next free
// slot and the block's end. While the cursor is in use the size is kept by
// the next free slot (size() = first + (at - block)) and the size field is
// brought up to date when the cursor is dropped, so that an append is one
// compare and one element store, like a deque's push_back.
//
// Invariants:
//   - blocks 0 .. blocks.size() - 1 all exist; block b has block_size(b)
//     constructed elements, allocated with new T[];
//   - every index in [0, size) lies in an existing block;
//   - the append cursor is empty (at null, the size field exact) or its
//     block holds the indexes from first on and at is the slot of index
//     size, at most the block's end;
//   - elements never move while the array grows: references stay valid
//     until shrink/clear with release (or destruction) removes their block.
#pragma once

#include <initializer_list>

#include <colib/arrays/dyn_arr.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>
#include <colib/foundation/range_iter.h>

// Block geometry shared by every variable array; constant from load on.
extern COLIB_API const int coVariableArr_block_size[9];
extern COLIB_API const int coVariableArr_block_number[256];
extern COLIB_API const int coVariableArr_block_mask[256];

namespace colib_detail {
inline int variable_block_size(int b) noexcept {
    return b < 9 ? coVariableArr_block_size[b] : 2048;
}
} // namespace colib_detail

template <class Derived, class T>
class COLIB_API coVariableArrT : public colib_detail::printable<Derived> {
public:
    using value_type = T;
    template <class R> class range_iter;
    using iterator = range_iter<T>;
    using const_iterator = range_iter<const T>;

    coVariableArrT() : blocks_(5, 10) {}
    coVariableArrT(std::initializer_list<T> list);
    // An independent copy of src's elements (blocks made as needed).
    coVariableArrT(utCopy, const Derived &src) : coVariableArrT() { become(utCOPY, src); }
    coVariableArrT(const coVariableArrT &src)
        : coVariableArrT(utCOPY, static_cast<const Derived &>(src)) {}
    coVariableArrT(coVariableArrT &&src) noexcept
        : size_(src.size_), blocks_(std::move(src.blocks_)), current_(src.current_),
          cursor_(src.cursor_), cursor_first_(src.cursor_first_), at_(src.at_),
          at_end_(src.at_end_) {
        src.drop_cursor();
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
        if (i >= size()) return grow_to_index(i);
        return *slot(i);
    }
    // Unchecked: the caller keeps i in [0, size()).
    const T &operator[](int i) const { return read(i); }
    const T &read(int i) const {
        COLIB_EXPECT(i >= 0 && i < size(), typeid(Derived), "read", "index %d out of range [0, %d)",
                     i, size());
        return *slot(i);
    }
    void append(const T &x) {
        // The cursor is stored on the path both branches share, so a loop
        // of appends keeps it in a register.
        T *at = at_;
        if (__builtin_expect(at != at_end_, 1))
            *at = x;
        else
            at = append_slow(T(x));
        at_ = at + 1;
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

    int size() const noexcept {
        return at_ ? cursor_first_ + static_cast<int>(at_ - cursor_) : size_;
    }
    bool empty() const noexcept { return size() == 0; }
    // Number of blocks that exist.
    int block_count() const noexcept { return blocks_.size(); }
    // Heap bytes of the blocks and the block table, not counting what the
    // elements own.
    std::size_t memory_bytes() const noexcept {
        std::size_t slots = 0;
        for (int b = 0; b < blocks_.size(); ++b)
            slots += static_cast<std::size_t>(block_size(b));
        return blocks_.memory_bytes() + slots * sizeof(T);
    }

    // The first kSmall elements fill the small blocks the two tables
    // describe; from there on block kFirstLarge + k (k >= 1) holds
    // elements kSmall * k up to kSmall * (k + 1) - 1.
    static constexpr int kSmallShift = 11, kSmall = 1 << kSmallShift, kFirstLarge = 8;
    static int block_number(int i) noexcept {
        return i < kSmall ? coVariableArr_block_number[i >> 3] : (i >> kSmallShift) + kFirstLarge;
    }
    static int block_mask(int i) noexcept {
        return i < kSmall ? coVariableArr_block_mask[i >> 3] : kSmall - 1;
    }

    iterator begin() noexcept { return iterator(this, 0); }
    iterator end() noexcept { return iterator(this, size()); }
    const_iterator begin() const noexcept { return const_iterator(this, 0); }
    const_iterator end() const noexcept { return const_iterator(this, size()); }

    // The common printout, headed "coVariableArr {".
    utOstream &print(utOstream &os) const;

    // Forward iterator for range-for; it steps block by block and compares
    // positions by address. The end of a full last block is that block's
    // end, so no block past the last is ever looked at.
    template <class R> class range_iter : public colib_detail::range_iter<range_iter<R>, R &> {
    public:
        // The position of index i (the end when i == size).
        range_iter(const coVariableArrT *a, int i) noexcept : table_(a->blocks_.data()) {
            int n = a->size();
            if (n == 0) return;
            last_ = block_number(n - 1);
            int at = i < n ? i : n - 1;
            block_ = block_number(at);
            R *start = static_cast<R *>(table_[block_]);
            at_ = start + (at & block_mask(at)) + (i < n ? 0 : 1);
            block_end_ = start + colib_detail::variable_block_size(block_);
        }
        R &operator*() const noexcept { return *at_; }
        range_iter &operator++() noexcept {
            if (++at_ == block_end_ && block_ != last_) {
                at_ = static_cast<R *>(table_[++block_]);
                block_end_ = at_ + colib_detail::variable_block_size(block_);
            }
            return *this;
        }
        bool operator==(const range_iter &o) const noexcept { return at_ == o.at_; }

    private:
        void *const *table_;
        int block_ = 0;
        int last_ = 0;
        R *at_ = nullptr;
        R *block_end_ = nullptr;
    };

protected:
    static int block_size(int b) noexcept { return colib_detail::variable_block_size(b); }
    // Makes blocks 0 to b exist and selects block b; 0 when memory ran out.
    int get_block(int b);
    void switch_block(int b) { current_ = static_cast<T *>(blocks_[b]); }

private:
    template <class, class> friend class coVariableArrIterT;

    // Past the small blocks (every read but a few in a large array) the
    // block is a shift and the place a mask; unsigned, so that neither
    // needs widening before it indexes.
    T *slot(int i) const noexcept {
        constexpr unsigned small = kSmall;
        const unsigned u = static_cast<unsigned>(i);
        void *const *t = blocks_.data();
        if (__builtin_expect(u >= small, 1))
            return static_cast<T *>((t + kFirstLarge)[u >> kSmallShift]) + (u & (small - 1));
        return static_cast<T *>(t[block_number(i)]) + (i & block_mask(i));
    }
    // As get_block, throwing std::bad_alloc when memory ran out.
    void make_blocks(int b);
    T &grow_to_index(int i);
    // append when the cursor is empty or at its block's end: makes the
    // block of index size, points the cursor at it, stores x there and
    // returns its slot (the cursor not yet past it).
    T *append_slow(T x);
    // Brings the size field up to date and empties the cursor.
    void drop_cursor() noexcept {
        size_ = size();
        cursor_ = at_ = at_end_ = nullptr;
        cursor_first_ = 0;
    }

    int size_ = 0;
    utAnycoDynArr blocks_;
    T *current_ = nullptr;
    T *cursor_ = nullptr;
    int cursor_first_ = 0;
    T *at_ = nullptr;
    T *at_end_ = nullptr;
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

    void reset() noexcept {
        remaining_ = count_ = 0;
        next_ = stop_ = nullptr;
    }
    // One compare per element inside a block; the reset state (no block)
    // falls through to next_block, which starts the walk.
    int operator++() noexcept {
        if (next_ != stop_) {
            ++next_;
            return 1;
        }
        return next_block();
    }
    // The current element.
    const value_type &operator()() const {
        COLIB_EXPECT(remaining_ > 0, typeid(Derived), "operator()", "no current element");
        return next_[-1];
    }

protected:
    // Starts a walk: 0 for an empty array, else 1 on the first element.
    int do_first() noexcept {
        remaining_ = array_->size();
        if (remaining_ == 0) {
            reset();
            return 0;
        }
        table_ = array_->blocks_.data();
        block_ = 0;
        enter_block(remaining_ < 8 ? remaining_ : 8);
        return 1;
    }

private:
    // The step left the block (or no walk was going on): 1 on the next
    // block's first element, 0 past the end (the walker is then reset).
    int next_block() noexcept {
        if (remaining_ == 0) return do_first();
        remaining_ -= count_;
        if (remaining_ == 0) {
            reset();
            return 0;
        }
        ++block_;
        int bs = colib_detail::variable_block_size(block_);
        enter_block(remaining_ < bs ? remaining_ : bs);
        return 1;
    }
    void enter_block(int count) noexcept {
        count_ = count;
        block_data_ = static_cast<const value_type *>(table_[block_]);
        next_ = block_data_ + 1;
        stop_ = block_data_ + count;
    }

    // The position inside the block is next_ - 1 - block_data_; stop_ ends
    // the block's elements in use.
    const Array *array_;
    void *const *table_ = nullptr;
    int block_ = 0;
    const value_type *block_data_ = nullptr;
    int remaining_ = 0;
    int count_ = 0;
    const value_type *next_ = nullptr;
    const value_type *stop_ = nullptr;
};

// One member of the family (arrays/variable_arr.h lists them): the array
// and its walker.
#define COLIB_VARIABLE_ARR_CLASSES(X, P, T)                                                        \
    COLIB_THIN_CLASS(P##coVariableArr, coVariableArrT, P##coVariableArr, T)                        \
    COLIB_THIN_CLASS(P##coVariableArrcoIterator, coVariableArrIterT, P##coVariableArrcoIterator,   \
                     P##coVariableArr)                                                             \
    COLIB_VARIABLE_ARR_INSTANCES(X, P, T)
#define COLIB_VARIABLE_ARR_INSTANCES(X, P, T)                                                      \
    X(coVariableArrT<P##coVariableArr, T>)                                                         \
    X(coVariableArrIterT<P##coVariableArrcoIterator, P##coVariableArr>)
