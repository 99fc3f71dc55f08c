#include <colib/foundation/contract.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>

namespace colib_detail {
namespace {
[[noreturn]] void fail(const char *cls, const char *op, const char *fmt, va_list args) {
    std::fprintf(stderr, "colib: %s::%s: ", cls, op);
    std::vfprintf(stderr, fmt, args);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::abort();
}
} // namespace

void contract_failure(const char *cls, const char *op, const char *fmt, ...) {
    va_list args;
    va_start(args, fmt);
    fail(cls, op, fmt, args);
}

void contract_failure(const std::type_info &cls, const char *op, const char *fmt, ...) {
    int status = 0;
    char *name = abi::__cxa_demangle(cls.name(), nullptr, nullptr, &status);
    va_list args;
    va_start(args, fmt);
    fail(status == 0 && name ? name : cls.name(), op, fmt, args);
}
} // namespace colib_detail
