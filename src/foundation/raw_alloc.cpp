#include <colib/foundation/raw_alloc.h>

#include <cstdlib>

namespace colib_detail {

namespace {
// The C library's functions unless a test allocator took over.
const raw_alloc_hooks c_library = {std::malloc, std::realloc, std::free};
const raw_alloc_hooks *hooks = &c_library;
} // namespace

void *raw_allocate(std::size_t bytes) noexcept {
    return hooks->allocate(bytes);
}
void *raw_reallocate(void *p, std::size_t bytes) noexcept {
    return hooks->reallocate(p, bytes);
}
void raw_release(void *p) noexcept {
    hooks->release(p);
}
void set_raw_alloc_hooks(const raw_alloc_hooks *h) noexcept {
    hooks = h ? h : &c_library;
}

} // namespace colib_detail
