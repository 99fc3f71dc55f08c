// The small utility layer the containers stand on: selector enumerations,
// the sharing count utRef, the shared string utString and the run-time type
// identifier utTypeID. The indenting output stream is in ut_ostream.h.
//
// utString invariants:
//   - text is null (a string without text) or points at a NUL-terminated
//     array of length() characters;
//   - a text made by copying lives in one heap block that starts with its
//     sharing count; ref points at that count and every string sharing the
//     text holds the same pointer; the block is released by the last sharer;
//   - a text made over a literal (ut_lit) has no count and is never released;
//   - head holds the text's first min(4, length()) bytes, byte k in bits
//     8k..8k+7, the rest zero (0 without text): hashing and equality look
//     there first and read the text itself only for what lies beyond.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>

#include <colib/foundation/export.h>

// Copy selector of every (utCopy, const X &) constructor and become(): the
// value is accepted and ignored; every copy is complete and independent.
enum utCopy { utCOPY = 0 };
// Selects the utString constructor that points at a literal without copying.
enum utStringLit { utLITERAL = 0 };
// Selects the utOstream constructor that nests a stream one level deeper.
enum utOstreamTab { utTAB = 0 };
// Selects the utTypeID constructor that names a new type.
enum utTypeMaker { utMAKE_TYPE = 0 };

// Sharing count of utString texts. Copies of a string hold the same count;
// the count is atomic so that strings sharing a text may live in containers
// used by different threads.
class COLIB_API utRef {
public:
    using counter = std::atomic<std::int32_t>;

    // The state of a text nobody shares: no count at all.
    static const utRef s_single;

    constexpr utRef() noexcept = default;
    utRef(const utRef &) noexcept = default;
    utRef &operator=(const utRef &) noexcept = default;

    // Joins the sharers of o's text.
    void copy_constructor_imp(const utRef &o) noexcept {
        count_ = o.count_;
        if (count_) count_->fetch_add(1, std::memory_order_relaxed);
    }
    // Leaves the current text for o's; nonzero when the old text lost its
    // last sharer and must be released by the caller.
    int assignment_imp(const utRef &o) noexcept {
        if (o.count_) o.count_->fetch_add(1, std::memory_order_relaxed);
        counter *old = count_;
        count_ = o.count_;
        return old && old->fetch_sub(1, std::memory_order_acq_rel) == 1;
    }
    // Leaves the text; nonzero when this was its last sharer.
    int destructor_imp() noexcept {
        return count_ && count_->fetch_sub(1, std::memory_order_acq_rel) == 1;
    }
    // Number of strings sharing the text (0 for literals and no text).
    std::int32_t use_count() const noexcept {
        return count_ ? count_->load(std::memory_order_relaxed) : 0;
    }

private:
    friend class utString;
    explicit utRef(counter *c) noexcept : count_(c) {}
    counter *count_ = nullptr;
};

// Shared, reference-counted text. Copies share the text; a string without
// text (the default) orders before every string with text, the empty text
// included.
class COLIB_API utString {
public:
    utString() noexcept = default;
    // Copies the text; a null pointer gives a string without text.
    utString(const char *s);
    utString(utCopy, const char *s) : utString(s) {}
    // The first n bytes of s, or fewer: the text ends at the first NUL
    // byte, as every text of the library does (std::string("k\0one", 5)
    // gives the text "k", length 1). A null s gives a string without text.
    utString(const char *s, int n);
    // s.c_str() up to its first NUL byte (see above).
    utString(const std::string &s);
    utString(const utString &o) noexcept
        : text_(o.text_), length_(o.length_), head_(o.head_), ref_(utRef::s_single) {
        ref_.copy_constructor_imp(o.ref_);
    }
    utString(utString &&o) noexcept
        : text_(o.text_), length_(o.length_), head_(o.head_), ref_(o.ref_) {
        o.text_ = nullptr;
        o.length_ = 0;
        o.head_ = 0;
        o.ref_ = utRef::s_single;
    }
    utString &operator=(const utString &o) noexcept {
        if (this != &o) {
            if (ref_.assignment_imp(o.ref_)) release(text_);
            text_ = o.text_;
            length_ = o.length_;
            head_ = o.head_;
        }
        return *this;
    }
    // Takes o's text; o is left without text.
    utString &operator=(utString &&o) noexcept {
        if (this != &o) {
            if (ref_.destructor_imp()) release(text_);
            text_ = o.text_;
            length_ = o.length_;
            head_ = o.head_;
            ref_ = o.ref_;
            o.text_ = nullptr;
            o.length_ = 0;
            o.head_ = 0;
            o.ref_ = utRef::s_single;
        }
        return *this;
    }
    ~utString() {
        if (ref_.destructor_imp()) release(text_);
    }
    void swap(utString &o) noexcept {
        std::swap(text_, o.text_);
        std::swap(length_, o.length_);
        std::swap(head_, o.head_);
        std::swap(ref_, o.ref_);
    }

    operator const char *() const noexcept { return text_; }
    // The text, or "" for a string without text.
    const char *c_str() const noexcept { return text_ ? text_ : ""; }
    int length() const noexcept { return text_ ? length_ : 0; }
    int invalid() const noexcept { return text_ == nullptr; }
    const utRef &ref() const noexcept { return ref_; }

    // -1, 0 or 1: byte order of the texts as unsigned characters; no text
    // orders first, two strings without text are equal.
    int compare(const utString &o) const noexcept;
    int compare(const char *o) const noexcept;
    // As compare, with ASCII letters folded to small letters.
    int case_compare(const utString &o) const noexcept;
    int case_compare(const char *o) const noexcept;

    bool operator==(const utString &o) const noexcept { return compare(o) == 0; }
    bool operator!=(const utString &o) const noexcept { return compare(o) != 0; }
    bool operator<(const utString &o) const noexcept { return compare(o) < 0; }
    bool operator==(const char *o) const noexcept { return compare(o) == 0; }
    bool operator!=(const char *o) const noexcept { return compare(o) != 0; }

    // Nonzero when the whole text is a number; only then is out written.
    // Accepted: an optional sign, decimal digits, and for double an
    // optional fraction and exponent; see the README for the exact rules.
    int parse(int &out, int &scratch) const noexcept;
    int parse(double &out, int &scratch) const noexcept;
    int parse(int &out) const noexcept {
        int scratch = 0;
        return parse(out, scratch);
    }
    int parse(double &out) const noexcept {
        int scratch = 0;
        return parse(out, scratch);
    }

protected:
    // Points at a literal without copying it; the text is never released.
    utString(utStringLit, const char *s) noexcept;

private:
    friend COLIB_API utString ut_lit(const char *const s);
    // The hash sets' element traits read head.
    template <class T> friend struct coSetElem;
    static void release(char *text) noexcept;
    // The first min(4, n) bytes of p, byte k in bits 8k..8k+7.
    static std::uint32_t head_of(const char *p, int n) noexcept {
        std::uint32_t h = 0;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
        if (n >= 4) {
            std::memcpy(&h, p, 4);
            return h;
        }
#endif
        if (n >= 4) {
            for (int k = 0; k < 4; ++k)
                h |= std::uint32_t(static_cast<unsigned char>(p[k])) << (8 * k);
        } else if (n > 0) {
            // First, middle and last byte cover texts of one to three bytes.
            h = std::uint32_t(static_cast<unsigned char>(p[0])) |
                std::uint32_t(static_cast<unsigned char>(p[n >> 1])) << (8 * (n >> 1)) |
                std::uint32_t(static_cast<unsigned char>(p[n - 1])) << (8 * (n - 1));
        }
        return h;
    }
    char *text_ = nullptr;
    int length_ = 0;
    // Sits in what would be padding: the handle stays 24 bytes.
    std::uint32_t head_ = 0;
    utRef ref_;
};

inline void swap(utString &a, utString &b) noexcept {
    a.swap(b);
}

// A string over a literal, sharing the literal's storage.
COLIB_API utString ut_lit(const char *const s);

// Writes the text (nothing for a string without text).
COLIB_API std::ostream &operator<<(std::ostream &os, const utString &s);

// Run-time type identifier: a named identity compared by name.
class COLIB_API utTypeID {
public:
    // name must outlive the identifier (a literal, as a rule).
    utTypeID(utTypeMaker, const char *name) noexcept : name_(name) {}
    virtual ~utTypeID();
    // Nonzero when both identifiers denote the same type.
    virtual int same_type(const utTypeID &o) const noexcept;
    const char *name() const noexcept { return name_; }

private:
    const char *name_;
};
