#include <colib/lists/detail/ring_walker.h>

namespace colib_detail {

void slink_base::link_after(slink_base *prev) noexcept {
    prev->next_link_ = this;
}

void dlink_base::link_after(dlink_base *prev) noexcept {
    next_link_ = prev->next_link_;
    prev_link_ = prev;
    next_link_->prev_link_ = this;
    prev->next_link_ = this;
}

void dlink_base::link_before(dlink_base *next) noexcept {
    next_link_ = next;
    prev_link_ = next->prev_link_;
    prev_link_->next_link_ = this;
    next->prev_link_ = this;
}

void dlink_base::unlink() noexcept {
    prev_link_->next_link_ = next_link_;
    next_link_->prev_link_ = prev_link_;
}

void dlink_base::take_ring(dlink_base &o) noexcept {
    if (o.next_link_ == &o) return;
    next_link_ = o.next_link_;
    prev_link_ = o.prev_link_;
    next_link_->prev_link_ = this;
    prev_link_->next_link_ = this;
    o.next_link_ = o.prev_link_ = &o;
}

} // namespace colib_detail
