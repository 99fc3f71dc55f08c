// The element and array interfaces: the one place where generic algorithms
// (the hash engine, the sorters) meet storage whose element type they do not
// know. Elements and arrays travel as untyped handles; a handle is usually
// an element's address, but an implementer may hand out any value its own
// operations understand (an index sorter hands out small integers).
//
// The virtual operations are declared in a fixed order, which is the order
// of their slots in the virtual table:
//
//   coObjInterface                    coArrInterface adds
//    0 obj_create                      9 arr_create
//    1 obj_nil                        10 arr_destroy
//    2 obj_create_copy                11 arr_size
//    3 obj_assign                     12 arr_put_copy
//    4 obj_compare                    13 arr_get
//    5 obj_hash                       14 arr_swap
//    6 obj_null                       15 arr_move
//    7 obj_destroy
//    8 destructor
//
// Every operation here is const: an implementer that keeps its storage
// elsewhere (or mutable) stores and swaps through a const object; only the
// hash engine's update_size, which may rebuild a table, is not. Every
// operation has a body here, so a derived class overrides only what it
// needs. arr_move and arr_swap are built on the other slots: a class that
// overrides arr_get, arr_put_copy, obj_create_copy and obj_destroy gets
// working moves and swaps. The `arr` handle names the array an operation
// works on; the hash sets ignore it and pass null (their own slots).
#pragma once

#include <colib/foundation/export.h>

class COLIB_API coObjInterface {
public:
    // A new default element, owned by the caller (release with obj_destroy).
    // Default: null.
    virtual void *obj_create() const;
    // The element that marks an empty place; owned by the implementer.
    // Default: null.
    virtual void *obj_nil() const;
    // A new element equal to obj, owned by the caller. Default: null.
    virtual void *obj_create_copy(void *const obj) const;
    // Copies the value of source into the existing destination element.
    // Default: nothing.
    virtual void obj_assign(void *const destination, void *const source) const;
    // 0 when a and b are equal. Hash users only test for zero; sorters read
    // the sign (negative: a orders before b). Default: 0.
    virtual int obj_compare(void *const a, void *const b) const;
    // Hash of the element; equal elements hash equally. Default: 0.
    virtual unsigned int obj_hash(void *const obj) const;
    // 1 when obj is the nil element: obj_compare(obj_nil(), obj) == 0, the
    // nil element always first. With the defaults every handle is nil.
    virtual int obj_null(void *const obj) const;
    // Releases an element made by obj_create or obj_create_copy. Default:
    // nothing.
    virtual void obj_destroy(void *const obj) const;

protected:
    coObjInterface() noexcept = default;
    coObjInterface(const coObjInterface &) noexcept = default;
    coObjInterface &operator=(const coObjInterface &) noexcept = default;
    virtual ~coObjInterface();
};

class COLIB_API coArrInterface : public coObjInterface {
public:
    virtual ~coArrInterface();

    // A new array of n elements. Default: null.
    virtual void *arr_create(int n) const;
    // Releases an array made by arr_create. Default: nothing.
    virtual void arr_destroy(void *const arr, int n) const;
    // Size of the array. The hash engine gives a null arr a meaning of its
    // own: the number of index bits of its table. Default: 0.
    virtual int arr_size(void *const arr) const;
    // Assigns a copy of obj into slot i. Default: nothing.
    virtual void arr_put_copy(void *const arr, void *const obj, int i) const;
    // Handle of the element at i. Default: null.
    virtual void *arr_get(void *const arr, int i) const;
    // Exchanges the elements at i and j through a temporary made with
    // obj_create_copy: copy out i, move j over i, store the copy at j,
    // destroy the copy. Needs a working obj_create_copy.
    virtual void arr_swap(void *const arr, int i, int j) const;
    // Copies the element at `from` into `to` (arr_get, then arr_put_copy);
    // the source keeps its value.
    virtual void arr_move(void *const arr, int from, int to) const;

protected:
    coArrInterface() noexcept = default;
    coArrInterface(const coArrInterface &) noexcept = default;
    coArrInterface &operator=(const coArrInterface &) noexcept = default;
};
