#include <colib/hashing/interfaces.h>

void *coObjInterface::obj_create() const {
    return nullptr;
}
void *coObjInterface::obj_nil() const {
    return nullptr;
}
void *coObjInterface::obj_create_copy(void *const) const {
    return nullptr;
}
void coObjInterface::obj_assign(void *const, void *const) const {}
int coObjInterface::obj_compare(void *const, void *const) const {
    return 0;
}
unsigned int coObjInterface::obj_hash(void *const) const {
    return 0;
}
int coObjInterface::obj_null(void *const obj) const {
    return obj_compare(obj_nil(), obj) == 0 ? 1 : 0;
}
void coObjInterface::obj_destroy(void *const) const {}
coObjInterface::~coObjInterface() = default;

coArrInterface::~coArrInterface() = default;
void *coArrInterface::arr_create(int) const {
    return nullptr;
}
void coArrInterface::arr_destroy(void *const, int) const {}
int coArrInterface::arr_size(void *const) const {
    return 0;
}
void coArrInterface::arr_put_copy(void *const, void *const, int) const {}
void *coArrInterface::arr_get(void *const, int) const {
    return nullptr;
}

void coArrInterface::arr_swap(void *const arr, int i, int j) const {
    void *keep = obj_create_copy(arr_get(arr, i));
    arr_move(arr, j, i);
    arr_put_copy(arr, keep, j);
    obj_destroy(keep);
}

void coArrInterface::arr_move(void *const arr, int from, int to) const {
    arr_put_copy(arr, arr_get(arr, from), to);
}
