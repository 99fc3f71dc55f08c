#include <colib/notify/feature_pool.h>

#include <memory>
#include <new>

#include "lists/slist.inl"

COLIB_FEATURE_POOL_MEMBERS(COLIB_NOTIFY_LIST_INSTANCES, COLIB_INSTANTIATE)

namespace {
using Cursor = basecoFeaturecoSListBPrgcoPrgcoSListBcoCursor;
using Holder = basecoFeaturecoSListBPrgcoPrg;
} // namespace

// ---- basecoFeature ---------------------------------------------------------

basecoFeature::~basecoFeature() = default;

basecoFeature *basecoFeature::copy() const {
    // create() is not const in the feature interface; it only makes a new
    // object and leaves this one alone.
    std::unique_ptr<basecoFeature> c(const_cast<basecoFeature *>(this)->create());
    c->factory_made_ = 1;
    c->assign(*this);
    return c.release();
}

basecoFeature *basecoFeature::make() {
    std::unique_ptr<basecoFeature> c(create());
    c->factory_made_ = 1;
    c->build();
    data_ = c->data_;
    return c.release();
}

int basecoFeature::check_out(basecoFeature &other) const {
    if (!(feature_id() == other.feature_id())) return 0;
    other.data_ = data_;
    return 1;
}

// ---- coFeaturePool ---------------------------------------------------------

coFeaturePool::coFeaturePool(utCopy, const coFeaturePool &src) {
    become(utCOPY, src);
}

coFeaturePool &coFeaturePool::operator=(coFeaturePool &&src) noexcept {
    if (&src != this) {
        clear();
        swap_rings(src);
    }
    return *this;
}

bool coFeaturePool::append_owned(basecoFeature *c) {
    COLIB_EXPECT(c != nullptr, typeid(coFeaturePool), "insert_copy", "null feature");
    Holder h(c); // owns c until the link takes it over
    if (c->invalid()) return false;
    if (!insert_last(h)) throw std::bad_alloc();
    return true;
}

void coFeaturePool::insert_copy(basecoFeature *c) {
    append_owned(c);
}

int coFeaturePool::remove_id(coFeatureID id, const Link *stop) {
    Cursor c(this);
    while (++c) {
        if (c.current_link() == stop) return 0;
        if (c()->feature_id() == id) {
            c.remove();
            return 1;
        }
    }
    return 0;
}

void coFeaturePool::copy(const basecoFeature &f) {
    // The new copy goes in first, so that a failure leaves the pool as it
    // was; then the old copy (always before the new one) goes.
    const coFeatureID id = f.feature_id();
    const Link *added = nullptr;
    if (!f.invalid() && append_owned(f.copy())) added = tail_link();
    remove_id(id, added);
}

int coFeaturePool::get(basecoFeature &f) const {
    const coFeatureID id = f.feature_id();
    for (const basecoFeature &held : *this)
        if (held.feature_id() == id) {
            f.data_ = held.data_;
            return 1;
        }
    f.set_invalid();
    return 0;
}

int coFeaturePool::remove(const basecoFeature &f) {
    return remove_id(f.feature_id(), nullptr);
}

coFeaturePool &coFeaturePool::become(utCopy, const coFeaturePool &other) {
    if (&other == this) return *this;
    coFeaturePool fresh;
    for (const basecoFeature &held : other)
        fresh.insert_copy(held.copy());
    clear();
    swap_rings(fresh);
    return *this;
}
