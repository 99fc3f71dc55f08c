// Uniform access to the growable arrays of one, two and three indexes (the
// dynamic arrays, the matrices and the three-dimensional arrays), which grow,
// reserve, expand, shrink and copy by the same rules, so that one test
// serves all three: an index is a std::array of one, two or three ints.
#pragma once

#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/dyn_arr3d.h>

#include <array>
#include <tuple>
#include <type_traits>

namespace colib_test {

template <class A, class = void> constexpr bool has_k = false;
template <class A> constexpr bool has_k<A, std::void_t<decltype(&A::k_size)>> = true;
template <class A, class = void> constexpr bool has_step = false;
template <class A> constexpr bool has_step<A, std::void_t<decltype(&A::step)>> = true;
template <class A>
constexpr int rank = has_step<std::remove_const_t<A>> ? 1
                     : has_k<std::remove_const_t<A>>  ? 3
                                                      : 2;
template <class A> using Index = std::array<int, rank<A>>;

// The first rank of the given ints.
template <class A> Index<A> ix(int i, int j, int k = 0) {
    if constexpr (rank<A> == 1)
        return {i};
    else if constexpr (rank<A> == 2)
        return {i, j};
    else
        return {i, j, k};
}
template <class A> Index<A> all(int n) {
    return ix<A>(n, n, n);
}

template <class A> decltype(auto) at(A &a, const Index<A> &x) {
    if constexpr (rank<A> == 1)
        return a[x[0]];
    else
        return std::apply([&](auto... i) -> decltype(auto) { return a(i...); }, x);
}
template <class A> Index<A> caps(const A &a) {
    if constexpr (rank<A> == 1)
        return {a.capacity()};
    else if constexpr (rank<A> == 2)
        return {a.capacity_i(), a.capacity_j()};
    else
        return {a.capacity_i(), a.capacity_j(), a.capacity_k()};
}
template <class A> Index<A> sizes(const A &a) {
    if constexpr (rank<A> == 1)
        return {a.size()};
    else if constexpr (rank<A> == 2)
        return {a.i_size(), a.j_size()};
    else
        return {a.i_size(), a.j_size(), a.k_size()};
}
template <class A> Index<A> steps(const A &a) {
    if constexpr (rank<A> == 1)
        return {a.step()};
    else if constexpr (rank<A> == 2)
        return {a.step_i(), a.step_j()};
    else
        return {a.step_i(), a.step_j(), a.step_k()};
}
template <class A> const void *storage(A &a) {
    if constexpr (rank<A> == 1)
        return a.data();
    else
        return a.block();
}
template <class A> A make(const Index<A> &cap, const Index<A> &step) {
    return std::apply([](auto... v) { return A(v...); }, std::tuple_cat(cap, step));
}
template <class A> int reserve(A &a, const Index<A> &n) {
    return std::apply([&](auto... v) { return a.reserve(v...); }, n);
}
template <class A> void expand(A &a, const Index<A> &n) {
    std::apply([&](auto... v) { a.expand(v...); }, n);
}
template <class A> int shrink(A &a, const Index<A> &n, int release) {
    return std::apply([&](auto... v) { return a.shrink(v..., release); }, n);
}

// Calls f with every index below n, last index fastest.
template <size_t N, class F> void for_each_index(const std::array<int, N> &n, F f) {
    for (int x : n)
        if (x <= 0) return;
    std::array<int, N> x{};
    for (;;) {
        f(x);
        int d = N - 1;
        while (d >= 0 && ++x[d] == n[d])
            x[d--] = 0;
        if (d < 0) return;
    }
}
template <size_t N> int code(const std::array<int, N> &x) {
    int c = 0;
    for (int v : x)
        c = c * 100 + v;
    return c;
}

// Reaches the protected growth and storage hooks, as a derived class may.
template <class A> struct GridProbe : A {
    using A::A;
    int grow(const Index<A> &n) {
        return std::apply([&](auto... v) { return this->resize(v...); }, n);
    }
    static bool made_and_released(const Index<A> &n) {
        auto table = std::apply([](auto... v) { return A::new_mem(v...); }, n);
        bool made = table != nullptr;
        std::apply([&](auto... v) { A::delete_mem(table, v...); }, n);
        return made && table == nullptr;
    }
};

} // namespace colib_test
