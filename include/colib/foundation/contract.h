// Contract checks of the hardened build.
//
// With COLIB_HARDENED nonzero, COLIB_EXPECT(cond, cls, op, fmt, ...) aborts the
// process with one line on stderr when cond is false:
//     colib: intcoDynArr::operator[] const: index 7 out of range [0, 3)
// With COLIB_HARDENED zero the macro expands to nothing: the condition is not
// evaluated and release builds pay nothing.
#pragma once

#include <typeinfo>

#include <colib/foundation/export.h>

#if defined(__GNUC__)
#define COLIB_PRINTF_LIKE __attribute__((format(printf, 3, 4)))
#else
#define COLIB_PRINTF_LIKE
#endif

namespace colib_detail {
// Prints "colib: <cls>::<op>: <formatted message>" and aborts. Templates
// pass typeid of their concrete class; its name is demangled on this cold
// path only, so the checks carry no strings per class.
[[noreturn]] COLIB_API void contract_failure(const char *cls, const char *op, const char *fmt,
                                             ...) COLIB_PRINTF_LIKE;
[[noreturn]] COLIB_API void contract_failure(const std::type_info &cls, const char *op,
                                             const char *fmt, ...) COLIB_PRINTF_LIKE;
} // namespace colib_detail

#if COLIB_HARDENED
#define COLIB_EXPECT(cond, cls, op, ...)                                                           \
    do {                                                                                           \
        if (__builtin_expect(!(cond), 0))                                                          \
            ::colib_detail::contract_failure((cls), (op), __VA_ARGS__);                            \
    } while (0)
#else
// The condition and operation name are still compiled (so they stay
// well-formed and their operands count as used) but never run.
#define COLIB_EXPECT(cond, cls, op, ...)                                                           \
    do {                                                                                           \
        if (false) {                                                                               \
            (void)(cond);                                                                          \
            (void)(op);                                                                            \
        }                                                                                          \
    } while (0)
#endif
