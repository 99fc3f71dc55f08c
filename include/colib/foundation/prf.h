// coPrfT: the shared holder behind the library's *coPrf classes. A holder
// keeps one std::shared_ptr to a container; several holders share the
// container, and the last owning one deletes it. A container that somebody
// else owns can be shared too (the coPrfExtern constructor): its pointer
// then carries a coPrfExternalDeleter, which deletes nothing.
//
//   intcoSetcoPrf a(new intcoSet(4, 50));   // a owns the set
//   intcoSetcoPrf b = a;                    // shared; deleted with the last
//   intcoSet mine(4, 50);
//   intcoSetcoPrf c(coPrfExtern(), &mine);  // shares, never deletes
//
// The only atomic operations of the library are the shared pointer's
// reference counts.
#pragma once

#include <memory>

#include <colib/foundation/export.h>

// Selects the holder constructor that shares a container owned elsewhere.
enum coPrfExtern { coPRF_EXTERN = 0 };

// The deleter of externally owned containers: deletes nothing.
class COLIB_API coPrfExternalDeleter {
public:
    coPrfExternalDeleter() noexcept;
    coPrfExternalDeleter(const coPrfExternalDeleter &) noexcept;
    coPrfExternalDeleter &operator=(const coPrfExternalDeleter &) noexcept;
    ~coPrfExternalDeleter();
    void operator()(void *) const noexcept;
};

template <class Derived, class T> class COLIB_API coPrfT {
public:
    using element_type = T;

    // Holds nothing.
    coPrfT() noexcept = default;
    // Takes ownership of p: deleted when the last holder lets go.
    explicit coPrfT(T *p) : p_(p) {}
    // Shares p, which somebody else owns and deletes.
    coPrfT(coPrfExtern, T *p) : p_(p, coPrfExternalDeleter()) {}
    // Shares the given pointer.
    coPrfT(std::shared_ptr<T> p) noexcept : p_(std::move(p)) {}

    // A copy of the held pointer.
    operator std::shared_ptr<T>() const noexcept { return p_; }

    T *get() const noexcept { return p_.get(); }
    T &operator*() const noexcept { return *p_; }
    T *operator->() const noexcept { return p_.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(p_); }
    // Number of holders sharing the container (0 when holding nothing).
    long use_count() const noexcept { return p_.use_count(); }

protected:
    // 1 when the held pointer carries a coPrfExternalDeleter; 0 when it owns
    // its container or holds nothing.
    int external() const noexcept {
        return std::get_deleter<coPrfExternalDeleter>(p_) != nullptr ? 1 : 0;
    }

private:
    std::shared_ptr<T> p_;
};
