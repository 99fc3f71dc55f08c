// How a family's concrete classes are stamped.
//
// Each family header lists its members once, beside its templates:
//
//   #define COLIB_DYN_ARR_MEMBERS(M, X) M(X, char, char) M(X, int, int) ...
//
// and the family's detail header says, once, what one member is: its thin
// classes (COLIB_THIN_CLASS) and its template instances. From the one list
// the public header declares every concrete class and its extern template
// lines, and the family's .cpp compiles the same instances:
//
//   COLIB_DYN_ARR_MEMBERS(COLIB_DYN_ARR_CLASSES, COLIB_EXTERN_TEMPLATE)   // header
//   COLIB_DYN_ARR_MEMBERS(COLIB_DYN_ARR_INSTANCES, COLIB_INSTANTIATE)     // .cpp
//
// so the header states once what the library holds and the .cpp cannot drift
// from it. X takes the template-id as variadic arguments, so the commas
// between template arguments need no extra parentheses. Only declarations
// are stamped; no algorithm code sits in a macro.
#pragma once

#include <colib/foundation/export.h>

#define COLIB_EXTERN_TEMPLATE(...) extern template class __VA_ARGS__;
#define COLIB_INSTANTIATE(...) template class __VA_ARGS__;

// A concrete class: a real, exported class of its own over the family
// template Tmpl<args...>, with the template's constructors and nothing else.
#define COLIB_THIN_CLASS(Name, Tmpl, ...)                                                          \
    class COLIB_API Name : public Tmpl<__VA_ARGS__> {                                              \
    public:                                                                                        \
        using Tmpl<__VA_ARGS__>::Tmpl;                                                             \
    };
