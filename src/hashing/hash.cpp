#include <colib/hashing/detail/probe.h>
#include <colib/hashing/hash.h>

#include <cstring>

// The engine's view of its own table: every step a virtual call.
struct coHash::Virtual {
    coHash &h;
    int bits() const { return h.arr_size(nullptr); }
    unsigned hash(void *const key) const { return h.obj_hash(key); }
    unsigned hash_at(int i) const { return h.obj_hash(h.arr_get(nullptr, i)); }
    bool is_nil(int i) const { return h.obj_null(h.arr_get(nullptr, i)) != 0; }
    bool equal(void *const key, int i) const {
        return h.obj_compare(key, h.arr_get(nullptr, i)) == 0;
    }
    void move(int from, int to) { h.arr_move(nullptr, from, to); }
};

coHash::coHash(utCopy, const coHash &src) noexcept {
    become(utCOPY, src);
}
coHash::~coHash() = default;

void coHash::become(utCopy, const coHash &src) noexcept {
    count_ = src.count_;
}

void coHash::clear() {
    count_ = 0;
    update_size(0);
}

int coHash::hash_to_index(int h) const {
    return colib_detail::hash_home(static_cast<unsigned>(h), arr_size(nullptr));
}

int coHash::one_less(int i) const {
    return colib_detail::one_less(i, arr_size(nullptr));
}

int coHash::find_index(void *const key) const {
    return colib_detail::probe(Virtual{const_cast<coHash &>(*this)}, key);
}

void *coHash::add(void *const key) {
    int is_nil = obj_null(key);
    int i = find_index(key);
    void *slot = arr_get(nullptr, i);
    if (!obj_null(slot)) return slot;
    if (is_nil) return nullptr;
    arr_put_copy(nullptr, key, i);
    ++count_;
    try {
        update_size(count_);
    } catch (...) {
        // Growth failed with the table as it was, the new element in what
        // was the empty slot ending its probe: emptying it restores the
        // table (a removal would never end in a full one).
        arr_put_copy(nullptr, obj_nil(), i);
        --count_;
        throw;
    }
    return nullptr;
}

void *coHash::find(void *const key) const {
    void *slot = arr_get(nullptr, find_index(key));
    return obj_null(slot) ? nullptr : slot;
}

void coHash::erase_index(int i) {
    Virtual v{*this};
    colib_detail::erase_at(v, i);
    --count_;
    update_size(count_);
}

int coHash::remove(void *const key, void *out) {
    int i = find_index(key);
    void *slot = arr_get(nullptr, i);
    if (obj_null(slot)) return 0;
    obj_assign(out, slot);
    erase_index(i);
    return 1;
}

void *coHash::obj_nil() const {
    return nullptr;
}
int coHash::obj_null(void *const obj) const {
    return coArrInterface::obj_null(obj);
}
void coHash::arr_move(void *const arr, int from, int to) const {
    coArrInterface::arr_move(arr, from, to);
}
void coHash::update_size(int) {}

unsigned int co_hash(void *const p, int n) {
    return colib_detail::byte_hash(p, n);
}
unsigned int co_hash(int v) {
    return static_cast<unsigned>(v);
}
unsigned int co_hash(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return colib_detail::word_hash(bits);
}
unsigned int co_hash(const utString &s) {
    return s.invalid() ? 0u : colib_detail::byte_hash(static_cast<const char *>(s), s.length());
}
unsigned int co_hash_pointer(const void *p) {
    return colib_detail::word_hash(reinterpret_cast<std::uintptr_t>(p));
}
unsigned int co_hash(coPointerSetObject *p) {
    return co_hash_pointer(p);
}
