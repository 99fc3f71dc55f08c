#include <colib/hashing/pointer_set.h>

#include "set.inl"

COLIB_POINTER_SET_MEMBERS(COLIB_SET_INSTANCES, COLIB_INSTANTIATE)

voidcoPointerSet::voidcoPointerSet() : set_(4, 50) {}
voidcoPointerSet::voidcoPointerSet(std::initializer_list<void *> list) : set_(4, 50) {
    for (void *p : list)
        add(p);
}
voidcoPointerSet::~voidcoPointerSet() = default;

coPointerSetObject *voidcoPointerSet::cast(const void *p) {
    return static_cast<coPointerSetObject *>(const_cast<void *>(p));
}

void voidcoPointerSet::add(const void *p) {
    set_.add(cast(p));
}
int voidcoPointerSet::remove(const void *p) {
    return set_.remove(cast(p)) != nullptr ? 1 : 0;
}
int voidcoPointerSet::member(const void *p) const {
    return set_.member(cast(p));
}
int voidcoPointerSet::size() const {
    return set_.size();
}
int voidcoPointerSet::empty() const {
    return set_.empty();
}
void voidcoPointerSet::clear(int reallocate) {
    set_.clear(reallocate);
}

int voidcoPointerSet::operator==(const voidcoPointerSet &o) const {
    return set_ == o.set_;
}
int voidcoPointerSet::operator<=(const voidcoPointerSet &o) const {
    return set_ <= o.set_;
}
int voidcoPointerSet::operator>=(const voidcoPointerSet &o) const {
    return set_ >= o.set_;
}
voidcoPointerSet &voidcoPointerSet::operator+=(const voidcoPointerSet &o) {
    set_ += o.set_;
    return *this;
}
voidcoPointerSet &voidcoPointerSet::operator-=(const voidcoPointerSet &o) {
    set_ -= o.set_;
    return *this;
}
voidcoPointerSet &voidcoPointerSet::operator*=(const voidcoPointerSet &o) {
    set_ *= o.set_;
    return *this;
}
