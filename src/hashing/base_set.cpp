#include <colib/hashing/base_set.h>

basecoSet::basecoSet(int bits, int load_percent) noexcept
    : initial_bits_(bits), load_percent_(load_percent), bits_(bits) {}
basecoSet::~basecoSet() = default;

void basecoSet::become(utCopy, const basecoSet &src) noexcept {
    coHash::become(utCOPY, src);
    initial_bits_ = src.initial_bits_;
    load_percent_ = src.load_percent_;
    bits_ = src.bits_;
    hash_ = src.hash_;
}

void *basecoSet::add(void *const key) {
    int before = count_;
    void *found = coHash::add(key);
    if (count_ != before) hash_ ^= obj_hash(key);
    return found;
}

int basecoSet::remove(void *const key, void *out) {
    if (!coHash::remove(key, out)) return 0;
    hash_ ^= obj_hash(out);
    return 1;
}

int basecoSet::arr_size(void *const) const {
    return bits_;
}
int basecoSet::obj_null(void *const obj) const {
    return coArrInterface::obj_null(obj);
}

basecoSetcoIterator::basecoSetcoIterator(const basecoSet *set) noexcept : set_(set) {}
basecoSetcoIterator::~basecoSetcoIterator() = default;

bool basecoSetcoIterator::nil_at(int i) const {
    return set_->obj_null(set_->arr_get(nullptr, i)) != 0;
}

int basecoSetcoIterator::operator++() {
    int n = set_->hash_size();
    index_ = valid_ ? index_ + 1 : 0;
    while (index_ < n && nil_at(index_))
        ++index_;
    valid_ = index_ < n ? 1 : 0;
    return valid_;
}

int basecoSetcoIterator::operator--() {
    if (valid_ && index_ == 0) {
        valid_ = 0;
        return 0;
    }
    index_ = valid_ ? index_ - 1 : set_->hash_size() - 1;
    while (index_ > 0 && nil_at(index_))
        --index_;
    valid_ = nil_at(index_) ? 0 : 1;
    return valid_;
}

void *basecoSetcoIterator::operator()() const {
    return valid_ ? set_->arr_get(nullptr, index_) : nullptr;
}
