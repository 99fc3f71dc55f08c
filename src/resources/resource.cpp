#include <colib/resources/resource.h>

#include "hashing/table.inl"
#include "paged/page_arr.inl"
#include "resources/resource.inl"

#include "arrays/dyn_arr.inl"

COLIB_TABLE_PAIR_INSTANCES(COLIB_INSTANTIATE, utStringcoResourceKeyPtr, utString, coResourceKeyBase *,
                           false)
COLIB_TABLE_PAIR_HASH(utStringcoResourceKeyPtr)
COLIB_RESOURCE_SLOTS_INSTANCES(COLIB_INSTANTIATE)
COLIB_RESOURCE_MEMBERS(COLIB_RESOURCE_INSTANCES, COLIB_INSTANTIATE)
COLIB_RESOURCE_MEMBERS(COLIB_RESOURCE_DEFINITIONS, COLIB_INSTANTIATE)


// ---- process-wide state of the keys ----------------------------------

namespace {
// The id the next key receives.
int s_next_key_id = 0;
// Maps names to named keys; null while no named key is registered.
utStringcoResourceKeyPtrcoTable *s_registry = nullptr;
} // namespace

const utTypeID coResourceBase::s_ut_type_id(utMAKE_TYPE, "coResourceBase");

// ---- keys ------------------------------------------------------------

coResourceKeyBase::coResourceKeyBase(const utString &name) : name_(name), id_(s_next_key_id) {
    if (!name_.invalid()) {
        bool made = false;
        if (!s_registry) {
            s_registry = new utStringcoResourceKeyPtrcoTable(4, 50);
            made = true;
        }
        try {
            (*s_registry)[name_] = this;
        } catch (...) {
            // The registry is as it was: a fresh one goes again.
            if (made) {
                delete s_registry;
                s_registry = nullptr;
            }
            throw;
        }
    }
    ++s_next_key_id;
}

coResourceKeyBase::coResourceKeyBase() noexcept : id_(s_next_key_id) {
    ++s_next_key_id;
}

coResourceKeyBase::~coResourceKeyBase() {
    if (!name_.invalid() && s_registry) {
        s_registry->remove(name_);
        if (s_registry->empty()) {
            delete s_registry;
            s_registry = nullptr;
        }
    }
    if (id_ == s_next_key_id - 1) --s_next_key_id;
}

coResourceKeyBase *coResourceKeyBase::get_named_key(const utString &name) {
    return s_registry ? s_registry->read(name) : nullptr;
}

const utStringcoResourceKeyPtrcoTable *coResourceKeyBase::registry() noexcept {
    return s_registry;
}

int coResourceKeyBase::next_id() noexcept {
    return s_next_key_id;
}

coResourceBase *coResourceKeyBase::read_resource(const coResourceTable *table) const {
    return table->lookup_resource(this);
}

coResourceBase *coResourceKeyBase::create_resource_from_string(const utString &,
                                                               coResourceError &) const {
    return nullptr;
}

// ---- resources -------------------------------------------------------

coResourceBase::coResourceBase(coResourceKeyBase *key, coResourceTable *table)
    : key_(key), table_(table) {
    COLIB_EXPECT(key && table, "coResourceBase", "constructor", "null key or table");
    // A table-owned entry displaced here is gone for good: the table lets
    // go of it.
    coResourceBase *old = table->own(key->id());
    table->add_resource(key, this);
    coResourceTable::release(old);
}

coResourceBase::~coResourceBase() {
    if (table_) table_->remove_resource(key_);
}

utString coResourceBase::as_string() const {
    return ut_lit("<empty>");
}

const utTypeID &coResourceBase::ut_dynamic_type() const noexcept {
    return s_ut_type_id;
}

int coResourceBase::ut_is_kind_of(const utTypeID &t) const noexcept {
    return s_ut_type_id.same_type(t) ? 1 : 0;
}

coResourceBase *coResourceBase::ut_dynamic_cast(const coResourceBase *p) noexcept {
    return p && p->ut_is_kind_of(s_ut_type_id) ? const_cast<coResourceBase *>(p) : nullptr;
}

// ---- tables ----------------------------------------------------------

coResourceTable::~coResourceTable() {
    int n = size();
    for (int i = 0; i < n; ++i)
        release(slot(i));
}

int coResourceTable::entry_count() const noexcept {
    int n = 0;
    for (const_iterator it = begin(), e = end(); it != e; ++it)
        ++n;
    return n;
}

void coResourceTable::release(coResourceBase *r) noexcept {
    if (r && r->table_owned()) delete r;
}

int coResourceTable::remove_resource(const coResourceKeyBase *key) noexcept {
    int id = key->id();
    if (id >= size()) return 0;
    coResourceBase *r = slot(id);
    if (!r) return 0;
    slot(id) = nullptr;
    release(r);
    return 1;
}

void coResourceTable::grow_to(int id) {
    // Make every block first, so that a failure leaves the size as it was;
    // the new slots of a block are not initialised, hence the nulls.
    int old = size();
    if (!reserve(id + 1)) throw std::bad_alloc();
    expand(id + 1);
    for (int i = old; i <= id; ++i)
        slot(i) = nullptr;
}

void coResourceTable::add_resource(const coResourceKeyBase *key, coResourceBase *resource) {
    int id = key->id();
    if (id >= size()) grow_to(id);
    slot(id) = resource;
}

void coResourceTable::claim_resource(coResourceKeyBase *key, coResourceBase *resource) {
    if (key->id() >= size()) grow_to(key->id());
    resource->set_key(key);
    slot(key->id()) = resource;
}

// ---- modifiers -------------------------------------------------------

coResourceModifierBase::coResourceModifierBase(coResourceBase *resource, coResourceKeyBase *key,
                                               coResourceTable *table)
    : saved_(nullptr), key_(key), table_(table), resource_(resource) {
    COLIB_EXPECT(resource && key && table, "coResourceModifierBase", "constructor",
                 "null resource, key or table");
    int id = key->id();
    if (id < table->size() && table->slot(id)) {
        saved_ = table->slot(id);
        table->enter_resource(key, resource);
    } else {
        try {
            table->add_resource(key, resource);
        } catch (...) {
            delete resource;
            throw;
        }
    }
    resource->modifier_ = this;
    if (saved_ && saved_->modifier_) saved_->modifier_->covered_by_ = this;
}

coResourceModifierBase::~coResourceModifierBase() {
    COLIB_EXPECT(covered_by_ == nullptr, "coResourceModifierBase", "destructor",
                 "a later modifier of key id %d in the same table is still alive", key_->id());
    coResourceBase *now = table_->own(key_->id());
    COLIB_EXPECT(now == nullptr || now->modifier_ == nullptr || now->modifier_ == this,
                 "coResourceModifierBase", "destructor",
                 "a later modifier of key id %d in the same table is still alive", key_->id());
    // The slot exists: it was made when the modifier filed its resource.
    table_->enter_resource(key_, saved_);
    if (saved_ && saved_->modifier_) saved_->modifier_->covered_by_ = nullptr;
    if (now != resource_) coResourceTable::release(now);
    delete resource_;
}
