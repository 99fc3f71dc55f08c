// Element types and the numeric helpers every family shares.
#pragma once

#include <cstdint>
#include <limits>
#include <type_traits>

#include <colib/foundation/export.h>

// A truth value stored as int.
typedef int utBool;
// An untyped pointer; containers never own what it points at.
typedef void *utAny;
typedef std::int64_t utInt64;
typedef std::uint64_t utUInt64;
// An unsigned 8-bit byte.
typedef unsigned char coByte;

// Reinterprets a non-negative int as unsigned.
inline unsigned us(int v) noexcept {
    return static_cast<unsigned>(v);
}

// Sign-safe comparison of A with B; SA and SB say whether each is signed.
template <class A, class B, bool SA, bool SB> struct utNumericHelper {
    static bool less(A a, B b) noexcept { return a < b; }
    static bool greater(A a, B b) noexcept { return a > b; }
};
template <class A, class B> struct utNumericHelper<A, B, true, false> {
    static bool less(A a, B b) noexcept {
        return a < 0 || static_cast<std::make_unsigned_t<A>>(a) < b;
    }
    static bool greater(A a, B b) noexcept {
        return a >= 0 && static_cast<std::make_unsigned_t<A>>(a) > b;
    }
};
template <class A, class B> struct utNumericHelper<A, B, false, true> {
    static bool less(A a, B b) noexcept {
        return b >= 0 && a < static_cast<std::make_unsigned_t<B>>(b);
    }
    static bool greater(A a, B b) noexcept {
        return b < 0 || a > static_cast<std::make_unsigned_t<B>>(b);
    }
};

// Holds one value and compares it with a value of any integer type.
template <class T> struct utCompare {
    T value;
    template <class U> bool operator<(U u) const noexcept {
        return utNumericHelper<T, U, std::is_signed<T>::value, std::is_signed<U>::value>::less(
            value, u);
    }
    template <class U> bool operator>(U u) const noexcept {
        return utNumericHelper<T, U, std::is_signed<T>::value, std::is_signed<U>::value>::greater(
            value, u);
    }
};
template <class T> utCompare<T> ut_compare(T v) noexcept {
    return utCompare<T>{v};
}

// v converted to To by the language's rules (low bits kept, sign extended);
// out_of_range tells whether v lies outside To's range.
template <class To, class From> To ut_numeric_cast(From v, bool &out_of_range) noexcept {
    out_of_range = ut_compare(v) < std::numeric_limits<To>::min() ||
                   ut_compare(v) > std::numeric_limits<To>::max();
    return static_cast<To>(v);
}

struct COLIB_API utMath {
    static int max(int a, int b) noexcept { return a > b ? a : b; }
    static int min(int a, int b) noexcept { return a < b ? a : b; }
    static double max_double() noexcept { return std::numeric_limits<double>::max(); }
    static int min_int() noexcept { return std::numeric_limits<int>::min(); }
};
