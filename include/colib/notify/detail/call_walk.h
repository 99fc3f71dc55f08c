// The walk state behind coCallList::apply, and the small forward iterator
// the notify lists hand to range-for.
//
// Design. A registration (coCallFunc) sits in two lists at once, its
// sender's and its receiver's, and the calls an apply makes may run any
// code: destroy their own receiver, another receiver later in the list, or
// the sender that is walking. The walk therefore never keeps a pointer to a
// registration across a call, and a list being walked never unlinks:
//
//   - every apply on a list of two links or more pushes a coCallWalk frame
//     (on its own stack) onto the list's chain of active walks, and pops it
//     when it ends. An apply on a list of one link reads nothing of the
//     list after its call, so it needs no frame: it is not a walk, and what
//     that call drops or collects on the list happens at once, as it would
//     outside any apply;
//   - while the chain is not empty, a removal empties the link (its element
//     becomes null) instead of unlinking it, and a garbage collection is
//     only noted; the ownership side of the removal (nulling the leaving
//     side's pointer, or freeing a registration both sides have left)
//     happens at once, so a dropped registration is skipped by the rest of
//     the walk;
//   - when the outermost walk ends, the emptied links are swept out and
//     the noted collections run;
//   - a list destroyed during a walk (its sender destroyed from inside a
//     call) marks the innermost frame `gone`; each walk checks its own frame
//     after every call and returns without touching the list again, marking
//     the frame of the walk around it `gone` on the way out.
//
// Invariants:
//   - a non-null element of a list is a live registration whose pointer to
//     this list's side (sender or receiver) is set;
//   - a null element exists only while the list is walked;
//   - the frames of a list form a chain from the innermost walk outwards
//     (each walk holds the link to the next one), all of them on the stack
//     of the one thread that walks the list.
#pragma once

#include <thread>

#include <colib/foundation/config.h>
#include <colib/foundation/range_iter.h>

namespace colib_detail {

// One active apply on one list; lives on the walking thread's stack. The
// list points at the innermost frame; each walk keeps its outer frame in a
// local of its own, so the chain costs one store per walk.
struct coCallWalk {
    coCallWalk() noexcept : gone(false) {}

    // Set when the walked list is destroyed during the walk: by the list's
    // destructor on the innermost frame, and by each walk on its outer
    // frame as it returns.
    bool gone;
#if COLIB_HARDENED
    // The thread that started the outermost walk (checked on entry).
    std::thread::id thread;
#endif
};

// A forward iterator over the elements of a ring-linked list, front to
// back; Get maps a link to the value handed out.
template <class Link, class Value, class Get>
class coRingRange : public range_iter<coRingRange<Link, Value, Get>, Value> {
public:
    coRingRange() noexcept = default;
    explicit coRingRange(Link *at) noexcept : at_(at) {}
    Value operator*() const { return Get()(at_); }
    coRingRange &operator++() noexcept {
        at_ = at_->next();
        return *this;
    }
    friend bool operator==(coRingRange a, coRingRange b) noexcept { return a.at_ == b.at_; }

private:
    Link *at_ = nullptr;
};

} // namespace colib_detail
