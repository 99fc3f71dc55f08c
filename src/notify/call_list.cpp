#include <colib/notify/call_list.h>

#include <atomic>
#include <cstdint>
#include <new>

#include "lists/slist.inl"

COLIB_CALL_LIST_MEMBERS(COLIB_NOTIFY_LIST_INSTANCES, COLIB_INSTANTIATE)

namespace {

// Reasons are often made as statics of several libraries; the counter is
// atomic so that even reasons made on two threads never share an id.
std::atomic<int> reason_counter{0};
coCBReceiveMultipleSets *multiple_sets_hook_ptr = nullptr;

using Cursor = coCallFunccoSListBPtrcoPtrcoSListBcoCursor;

// Counts one dropped registration against an end's garbage limit (0: no
// automatic collection); true when the count reached the limit, which
// starts it again.
bool garbage_due(int limit, int &count) {
    if (limit == 0 || ++count != limit) return false;
    count = 0;
    return true;
}

} // namespace

coCallReason::coCallReason() noexcept
    : id_(reason_counter.fetch_add(1, std::memory_order_relaxed) + 1) {}

coCBReceiveMultipleSets::~coCBReceiveMultipleSets() = default;
coCBData::~coCBData() = default;

// ---- coCallList ------------------------------------------------------------

coCallList::~coCallList() {
    // Walks still running on this list (it is being destroyed from inside
    // one of its calls) must not come back to it: the innermost learns it
    // here and tells the one around it as it returns.
    if (walk_) walk_->gone = true;
}

void coCallList::detect_multiple_sets(coCBReceiveMultipleSets *hook) noexcept {
    multiple_sets_hook_ptr = hook;
}

coCBReceiveMultipleSets *coCallList::multiple_sets_hook() noexcept {
    return multiple_sets_hook_ptr;
}

int coCallList::count_registrations() const noexcept {
    int n = 0;
    for (coCallFunc *f : *this)
        n += f != nullptr;
    return n;
}

void coCallList::add(coCallFunc *f) {
    COLIB_EXPECT(f != nullptr, typeid(coCallList), "add", "null registration");
    COLIB_EXPECT(f->receiver() != nullptr, typeid(coCallList), "add",
                 "registration without a receiver");
    COLIB_EXPECT(f->sender() != nullptr, typeid(coCallList), "add",
                 "registration without a sender");
    COLIB_EXPECT(&f->sender()->calls_ == this, typeid(coCallList), "add",
                 "not the calls() of the registration's sender");
#if COLIB_HARDENED
    for (coCallFunc *g : *this)
        // %p spells an address differently from one C library to the next.
        COLIB_EXPECT(g != f, typeid(coCallList), "add", "registration 0x%llx added twice",
                     static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(f)));
#endif
    if (coCBReceiveMultipleSets *hook = multiple_sets_hook_ptr) {
        int count = 1;
        for (coCallFunc *g : *this)
            count += g != nullptr && *g == *f;
        if (count > 1) hook->receive_multiple_sets(count);
    }
    if (!insert_first(f)) throw std::bad_alloc();
    if (!f->receiver()->insert_first(f)) {
        remove_first(); // the link just made: this list as it was
        throw std::bad_alloc();
    }
}

void coCallList::apply(coCallReason reason) const {
    walk(reason);
}
void coCallList::apply(coCallReason reason, void *a) const {
    walk(reason, a);
}
void coCallList::apply(coCallReason reason, void *a, void *b) const {
    walk(reason, a, b);
}

int coCallList::unlink_or_empty(Cursor &c) {
    if (walk_) {
        c() = nullptr;
        pending_ |= kEmptied;
        return ++c;
    }
    c.remove();
    return !c.undefined();
}

template <class Side, class Leave> int coCallList::drop_matching(Side side, Leave leave) {
    int removed = 0;
    Cursor c(this);
    for (int more = ++c; more;) {
        coCallFunc *f = c();
        if (f && side(f)) {
            leave(f);
            removed = 1;
            more = unlink_or_empty(c);
        } else {
            more = ++c;
        }
    }
    return removed;
}

template <class Other, class Leave>
int coCallList::remove_matching(const void *end, Other other, Leave leave, unsigned collect) {
    if (end) return drop_matching([&](const coCallFunc *f) { return other(f) == end; }, leave);
    auto left = [&](const coCallFunc *f) { return other(f) == nullptr; };
    if (walk_) {
        // Noted whatever is collectable now: registrations dropped later in
        // the same walk are collected too when it ends.
        pending_ |= collect;
        int any = 0;
        for (coCallFunc *f : *this)
            any |= f && left(f);
        return any;
    }
    return drop_matching(left, [](coCallFunc *f) { delete f; });
}

int coCallList::remove_matching_receiver(coReceiver *r) {
    return remove_matching(
        r, [](const coCallFunc *f) { return f->receiver(); },
        [](coCallFunc *f) { f->cancel_sender(); }, kCollectOnSenderList);
}

int coCallList::remove_matching_sender(coSender *s) {
    return remove_matching(
        s, [](const coCallFunc *f) { return f->sender(); },
        [](coCallFunc *f) { f->cancel_receiver(); }, kCollectOnReceiverList);
}

template <class Other, class Leave, class Count>
void coCallList::leave_all(Other other, Leave leave, Count count) {
    Link *const head = head_link();
    for (Link *at = head->next(); at != head; at = at->next()) {
        coCallFunc *f = at->read();
        if (!f) continue;
        // Emptied first: the other side's collection in count may free f.
        at->read() = nullptr;
        auto *end = other(f);
        if (!end) {
            delete f; // the other side left first
            continue;
        }
        leave(f);
        count(end);
    }
    if (walk_)
        pending_ |= kEmptied;
    else
        clear();
}

void coCallList::sender_clear() {
    leave_all([](const coCallFunc *f) { return f->receiver(); },
              [](coCallFunc *f) { f->cancel_sender(); },
              [](coReceiver *r) { r->manage_receiver_garbage(); });
}

void coCallList::receiver_clear() {
    leave_all([](const coCallFunc *f) { return f->sender(); },
              [](coCallFunc *f) { f->cancel_receiver(); },
              [](coSender *s) { s->manage_sender_garbage(); });
}

void coCallList::settle() noexcept {
    const unsigned p = pending_;
    pending_ = 0;
    Cursor c(this);
    for (int more = ++c; more;) {
        coCallFunc *f = c();
        bool drop = f == nullptr;
        if (f && (((p & kCollectOnSenderList) && !f->receiver()) ||
                  ((p & kCollectOnReceiverList) && !f->sender()))) {
            delete f;
            drop = true;
        }
        more = drop ? unlink_or_empty(c) : ++c;
    }
}

// ---- the two ends ----------------------------------------------------------

coReceiver::~coReceiver() {
    receiver_clear();
}

void coReceiver::manage_receiver_garbage() {
    if (garbage_due(garbage_limit_, garbage_count_)) remove_matching_sender(nullptr);
}

coSender::~coSender() {
    calls_.sender_clear();
}

void coSender::manage_sender_garbage() {
    if (garbage_due(garbage_limit_, garbage_count_)) calls_.remove_matching_receiver(nullptr);
}
