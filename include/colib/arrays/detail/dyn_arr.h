// coDynArrT: the algorithm behind every dynamic array of the library
// (intcoDynArr and its siblings, the fast stacks' inner arrays, the paged
// array's block table). Each concrete class derives from it with itself as
// Derived, inherits its constructors and adds nothing else; the library
// compiles the members once per concrete class by explicit instantiation
// (see src/arrays/dyn_arr.inl and docs/architecture.md).
//
// Layout, in order: data, end (data + size), capacity end (data +
// capacity), step. The ends are pointers so that an element store, even
// of an int, cannot alias them: a loop of appends keeps both in registers.
//
// Invariants:
//   - 0 <= size <= capacity; step >= 1;
//   - data is null exactly when capacity is 0; otherwise it came from
//     new T[capacity] and every slot is a constructed T, or, for plain
//     elements that move bytewise (kRaw), it is a raw buffer
//     (foundation/raw_alloc.h) with room for at least capacity slots;
//   - slots [size, capacity) keep whatever they last held;
//   - growth for index n >= capacity makes the capacity
//     capacity + (d - d % step) + step with d = n - capacity: the smallest
//     capacity + k * step (k >= 1) above n. Growth allocates the new buffer
//     first, moves the elements in use, then releases the old buffer, so a
//     failed allocation leaves the array as it was. Raw buffers grow with
//     realloc (in place when the allocator can) and keep spare room of up
//     to half their size beyond the capacity, so that growth by a small
//     step mostly only raises the capacity: the capacity itself follows the
//     step arithmetic exactly.
//
// Failure: reserve, expand and shrink return 0 when no buffer could be
// had; append, the growing operator[], become and the constructors let
// std::bad_alloc through. In every case the array is left unchanged.
//
// Pointers, references and iterators into the array stay valid until the
// buffer is replaced (growth past the capacity, shrink with release,
// clear(1)); an iterator also reports itself stale() once the size changes.
#pragma once

#include <initializer_list>
#include <ostream>
#include <type_traits>

#include <colib/foundation/buffer_guard.h>
#include <colib/foundation/contract.h>
#include <colib/foundation/elem.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>
#include <colib/foundation/raw_alloc.h>

template <class Derived, class Array> class coStackFastT;

template <class Derived, class T, int B = coElem<T>::block, int P = 1>
class COLIB_API coDynArrT : public colib_detail::printable_if<Derived, P != 0> {
public:
    using value_type = T;
    // Plain elements: the buffer is raw storage that grows in place.
    static constexpr bool kRaw = colib_detail::raw_movable<T>;

    // No buffer, capacity 0, step 1.
    coDynArrT() noexcept = default;
    // capacity slots allocated when capacity > 0. Requires capacity >= 0
    // and step >= 1.
    coDynArrT(int capacity, int step);
    // Capacity exactly the list's length (step 1), then the elements.
    coDynArrT(std::initializer_list<T> list);
    // A complete copy with the source's capacity, size and step.
    coDynArrT(utCopy, const Derived &src);
    coDynArrT(const coDynArrT &src) : coDynArrT(utCOPY, static_cast<const Derived &>(src)) {}
    // Takes src's buffer; src is left empty with no buffer and its step.
    coDynArrT(coDynArrT &&src) noexcept
        : data_(src.data_), end_(src.end_), cap_(src.cap_), step_(src.step_) {
        src.data_ = src.end_ = src.cap_ = nullptr;
    }
    coDynArrT &operator=(const coDynArrT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    coDynArrT &operator=(coDynArrT &&src) noexcept;
    ~coDynArrT();

    // Makes this array a copy of src (elements and step), keeping its own
    // buffer when it is large enough; grows by its own step otherwise.
    // From itself: no change.
    void become(utCopy, const Derived &src);

    // Grows the array so that index i exists (size becomes i + 1 when i is
    // past the end). Slots brought into use keep their last contents.
    T &operator[](int i) {
        COLIB_EXPECT(i >= 0, typeid(Derived), "operator[]", "negative index %d", i);
        if (__builtin_expect(i >= size(), 0)) return grow_to_index(i);
        return data_[i];
    }
    // Unchecked: the caller keeps i in [0, size()).
    const T &operator[](int i) const { return checked(i, "operator[] const"); }

    void append(const T &x) {
        // The end is stored on the path both branches share, so that a loop
        // of appends carries it in a register and never reloads it from the
        // store of the previous append.
        T *e = end_;
        if (__builtin_expect(e != cap_, 1))
            *e = x;
        else
            e = append_full(x);
        end_ = e + 1;
    }

    // Capacity at least n; 0 when no buffer could be had.
    int reserve(int n);
    // reserve(n), then size at least n; 0 when no buffer could be had.
    int expand(int n);
    // Size at most n; with release, also capacity n (when smaller). n == 0
    // is clear(release). 0 when the smaller buffer could not be had (the
    // size is cut all the same). Without release, inline and O(1).
    int shrink(int n, int release) {
        COLIB_EXPECT(n >= 0, typeid(Derived), "shrink", "negative count %d", n);
        if (release) return shrink_release(n);
        if (n < size()) end_ = data_ + n;
        return 1;
    }
    // Size 0; with release, the buffer is given back too. Step is kept.
    void clear(int release);

    int size() const noexcept { return static_cast<int>(end_ - data_); }
    int capacity() const noexcept { return static_cast<int>(cap_ - data_); }
    // Heap bytes of the buffer (raw buffers: with their header and spare
    // room), not counting what the elements own.
    std::size_t memory_bytes() const noexcept {
        if constexpr (kRaw)
            return colib_detail::raw_buffer<T>::held(data_);
        else
            return static_cast<std::size_t>(capacity()) * sizeof(T);
    }
    int step() const noexcept { return step_; }
    bool empty() const noexcept { return end_ == data_; }
    T *data() noexcept { return data_; }
    const T *data() const noexcept { return data_; }
    T *begin() noexcept { return data_; }
    T *end() noexcept { return end_; }
    const T *begin() const noexcept { return data_; }
    const T *end() const noexcept { return end_; }

    // The common printout, headed "coDynArr {"; members made with P = 0
    // (the paged arrays' block table) do not print.
    utOstream &print(utOstream &os) const;

    // Slot i, unchecked, as the const operator[] (the utAny member's read).
    template <class U = T, std::enable_if_t<std::is_same_v<U, utAny>, int> = 0> utAny &read(int i) {
        return const_cast<utAny &>(checked(i, "read"));
    }
    template <class U = T, std::enable_if_t<std::is_same_v<U, utAny>, int> = 0>
    const utAny &read(int i) const {
        return checked(i, "read");
    }

protected:
    // Makes index n available (n >= capacity): grows by whole steps.
    // 0 when no buffer could be had, the array unchanged.
    int resize(int n);

    const T &checked(int i, const char *op) const {
        COLIB_EXPECT(i >= 0 && i < size(), typeid(Derived), op, "index %d out of range [0, %d)", i,
                     size());
        return data_[i];
    }

private:
    // The fast stack pushes and pops at the end pointer directly.
    template <class, class> friend class coStackFastT;

    using Raw = colib_detail::raw_buffer<std::conditional_t<kRaw, T, int>>;
    long long room() const noexcept {
        if constexpr (kRaw)
            return Raw::room(data_);
        else
            return capacity();
    }
    // A buffer of exactly n slots (n >= 1); throws std::bad_alloc.
    static T *allocate(int n);
    static void free_buffer(T *data) noexcept;

    // The capacity that growth for index n gives, or -1 past INT_MAX.
    static long long grown_capacity(int capacity, int step, int n) noexcept;
    // Replaces the buffer with one of new_capacity slots holding the first
    // `keep` slots; throws std::bad_alloc with the array unchanged. With
    // spare, a raw buffer may keep room beyond new_capacity.
    void reallocate(int new_capacity, int keep, bool spare);
    void grow_or_throw(int n);
    T &grow_to_index(int i);
    // The array is full: stores x in the slot at the end, raising the
    // capacity inside the raw buffer's room when it has one step more,
    // growing otherwise; returns the slot (the end is not advanced).
    T *append_full(const T &x) {
        T *e = end_;
        if (kRaw && e && (e - data_) + static_cast<long long>(step_) <= room()) {
            T v = x;
            cap_ = e + step_;
            *e = v;
            return e;
        }
        // By value: x may be an element of this array, and the slow path
        // must not make the caller's variable addressable.
        return append_grow(T(x));
    }
    // Grows past a full buffer and stores x at the end; returns its slot.
    T *append_grow(T x);
    int shrink_release(int n);

    // The buffer, its size and capacity ends, all null without a buffer.
    void set(T *data, int size, int capacity) noexcept {
        data_ = data;
        end_ = data + size;
        cap_ = data + capacity;
    }

    T *data_ = nullptr;
    T *end_ = nullptr;
    T *cap_ = nullptr;
    int step_ = 1;
};

// Walks a dynamic array from index 0. It remembers the array's buffer and
// size when made or reset; it is stale (stale() 1) once the array has been
// reallocated, resized or moved from, and must then be reset before use.
//
//   for (intcoDynArrcoIterator it(&a); it; ++it) use(*it);
template <class Derived, class Array> class COLIB_API coDynArrIterT {
public:
    using value_type = typename Array::value_type;

    explicit coDynArrIterT(const Array *a) noexcept : array_(a) { reset(); }
    ~coDynArrIterT() = default;

    void reset() noexcept {
        begin_ = array_->data();
        end_ = begin_ + array_->size();
        position_ = 0;
    }
    // True while the iterator stands on an element.
    explicit operator bool() const noexcept {
        return position_ < static_cast<std::uint64_t>(end_ - begin_);
    }
    // Index of the current element.
    int index() const noexcept { return static_cast<int>(position_); }
    const value_type &operator*() const { return current("operator*"); }
    const value_type *operator->() const { return &current("operator->"); }
    Derived &operator++() noexcept {
        ++position_;
        return static_cast<Derived &>(*this);
    }
    // 1 when the array was reallocated, resized or moved from since the
    // iterator was made or last reset; reading it then aborts in hardened
    // builds. Cheap enough to check in release builds too.
    int stale() const noexcept { return !invariant(); }

protected:
    // 1 while the array has neither been reallocated nor resized.
    int invariant() const noexcept {
        return begin_ == array_->data() && end_ - begin_ == array_->size();
    }

private:
    const value_type &current(const char *op) const {
        COLIB_EXPECT(static_cast<bool>(*this), typeid(Derived), op,
                     "no current element (position %d of %d)", index(),
                     static_cast<int>(end_ - begin_));
        COLIB_EXPECT(invariant(), typeid(Derived), op,
                     "the array was reallocated or resized since the last reset");
        return begin_[position_];
    }

    const Array *array_;
    const value_type *begin_;
    const value_type *end_;
    std::uint64_t position_;
};

// One member of the family (arrays/dyn_arr.h lists them): the array and its
// iterator. The _NAMED forms take the array's whole name, for the inner
// arrays of other families (intcoFastStackINTERNALcoDynArr).
#define COLIB_DYN_ARR_CLASSES(X, P, T) COLIB_DYN_ARR_CLASSES_NAMED(X, P##coDynArr, T)
#define COLIB_DYN_ARR_INSTANCES(X, P, T) COLIB_DYN_ARR_INSTANCES_NAMED(X, P##coDynArr, T)
#define COLIB_DYN_ARR_CLASSES_NAMED(X, Name, T)                                                    \
    COLIB_THIN_CLASS(Name, coDynArrT, Name, T)                                                     \
    COLIB_THIN_CLASS(Name##coIterator, coDynArrIterT, Name##coIterator, Name)                      \
    COLIB_DYN_ARR_INSTANCES_NAMED(X, Name, T)
#define COLIB_DYN_ARR_INSTANCES_NAMED(X, Name, T)                                                  \
    X(coDynArrT<Name, T>)                                                                          \
    X(coDynArrIterT<Name##coIterator, Name>)
