// coDynArr3DT: the three-dimensional growable arrays, the N = 3 layer of
// the grid in dyn_arr2d.h (growth, reserve, expand, shrink, clear and
// copies are the grid's; this layer adds the subscripts, the nested
// initializer list and the printout).
//
// Storage: planes[i] points into a row table, planes[i][j] at the start of
// row (i, j), element (i, j, k) at planes[i][j][k]; the rows are
// capacity_k slots apart in one block.
//
// Growth copies the elements in use in one piece when neither capacity_j
// nor capacity_k changes, plane by plane when only capacity_j changes, and
// row by row when capacity_k changes.
#pragma once

#include <colib/arrays/detail/dyn_arr2d.h>

template <class Derived, class T, int B = coElem<T>::block>
class COLIB_API coDynArr3DT : public coDynGridT<Derived, T, 3, B> {
    using Grid = coDynGridT<Derived, T, 3, B>;

public:
    using list_type = std::initializer_list<std::initializer_list<std::initializer_list<T>>>;

    // No storage, capacities and sizes 0, steps 1.
    coDynArr3DT() noexcept = default;
    coDynArr3DT(int capacity_i, int capacity_j, int capacity_k, int step_i, int step_j, int step_k);
    // Innermost lists run along i, middle lists along j, outer lists along
    // k: element m of the l-th innermost list of the k-th outer list goes to
    // (m, l, k).
    coDynArr3DT(list_type planes);
    coDynArr3DT(utCopy, const Derived &src) : Grid(utCOPY, src) {}
    coDynArr3DT(const coDynArr3DT &src) : Grid(utCOPY, src) {}
    coDynArr3DT(coDynArr3DT &&src) noexcept = default;
    // Strong guarantee: on std::bad_alloc this array is unchanged.
    coDynArr3DT &operator=(const coDynArr3DT &src) { return Grid::copy_assign(*this, src); }
    coDynArr3DT &operator=(coDynArr3DT &&src) noexcept { return Grid::move_assign(*this, src); }

    int capacity_k() const noexcept { return this->capacity_[2]; }
    int step_k() const noexcept { return this->step_[2]; }
    int k_size() const noexcept { return this->size_[2]; }

    // Grows the array so that (i, j, k) exists and is in use.
    T &operator()(int i, int j, int k) {
        COLIB_EXPECT(i >= 0 && j >= 0 && k >= 0, typeid(Derived), "operator()",
                     "negative index (%d, %d, %d)", i, j, k);
        if (i < this->size_[0] && j < this->size_[1] && k < this->size_[2])
            return this->table_[i][j][k];
        return this->grow_to({i, j, k});
    }
    // Unchecked: the caller keeps (i, j, k) inside the used extents.
    const T &operator()(int i, int j, int k) const {
        COLIB_EXPECT(i >= 0 && i < this->size_[0] && j >= 0 && j < this->size_[1] && k >= 0 &&
                         k < this->size_[2],
                     typeid(Derived), "operator() const",
                     "index (%d, %d, %d) outside the used extents %d x %d x %d", i, j, k,
                     this->size_[0], this->size_[1], this->size_[2]);
        return this->table_[i][j][k];
    }

    // Capacities at least a x b x c; 0 when no storage could be had.
    int reserve(int a, int b, int c) {
        COLIB_EXPECT(a >= 0 && b >= 0 && c >= 0, typeid(Derived), "reserve",
                     "negative extents (%d, %d, %d)", a, b, c);
        return this->reserve_n({a, b, c});
    }
    // Sizes at least a x b x c, growing when needed.
    void expand(int a, int b, int c) {
        COLIB_EXPECT(a >= 0 && b >= 0 && c >= 0, typeid(Derived), "expand",
                     "negative extents (%d, %d, %d)", a, b, c);
        this->expand_n({a, b, c});
    }
    // Sizes at most a x b x c; with release, also capacities. (0, 0, 0) is
    // clear(release). 0 when the smaller storage could not be had (or an
    // extent would be 0): the storage is kept, the sizes still cut.
    int shrink(int a, int b, int c, int release) {
        COLIB_EXPECT(a >= 0 && b >= 0 && c >= 0, typeid(Derived), "shrink",
                     "negative extents (%d, %d, %d)", a, b, c);
        return this->shrink_n({a, b, c}, release);
    }

    // "coDynArr3D {", the size line (ending with a blank), each row (i, j)
    // on a line with every element followed by a blank, an empty line after
    // each i, "}".
    utOstream &print(utOstream &os) const;

protected:
    int resize(int i, int j, int k) { return this->resize_n({i, j, k}); }
    static T ***new_mem(int a, int b, int c) { return Grid::new_grid({a, b, c}); }
    static void delete_mem(T ***&planes, int a, int b, int c) noexcept {
        Grid::delete_grid(planes, {a, b, c});
    }
};

// One member of the three-dimensional arrays (arrays/dyn_arr3d.h lists
// them).
#define COLIB_DYN_ARR3D_CLASSES(X, P, T)                                                           \
    COLIB_THIN_CLASS(P##coDynArr3D, coDynArr3DT, P##coDynArr3D, T)                                 \
    COLIB_DYN_ARR3D_INSTANCES(X, P, T)
#define COLIB_DYN_ARR3D_INSTANCES(X, P, T)                                                         \
    X(coDynGridT<P##coDynArr3D, T, 3>)                                                             \
    X(coDynArr3DT<P##coDynArr3D, T>)
