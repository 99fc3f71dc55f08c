// Owning array handles for bool, char, int, double and coByte.
//
//   intcoPrgArray owner(new int[100]);
//   owner = new int[50];        // the first array is released
//   int *mine = owner.release(); // the caller owns it again
#pragma once

#include <colib/arrays/detail/prg_array.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/types.h>

class COLIB_API boolcoPrgArray : public coPrgArrayT<boolcoPrgArray, bool> {
public:
    using coPrgArrayT::coPrgArrayT;
    using coPrgArrayT::operator=;
};
class COLIB_API charcoPrgArray : public coPrgArrayT<charcoPrgArray, char> {
public:
    using coPrgArrayT::coPrgArrayT;
    using coPrgArrayT::operator=;
};
class COLIB_API intcoPrgArray : public coPrgArrayT<intcoPrgArray, int> {
public:
    using coPrgArrayT::coPrgArrayT;
    using coPrgArrayT::operator=;
};
class COLIB_API doublecoPrgArray : public coPrgArrayT<doublecoPrgArray, double> {
public:
    using coPrgArrayT::coPrgArrayT;
    using coPrgArrayT::operator=;
};
class COLIB_API coBytecoPrgArray : public coPrgArrayT<coBytecoPrgArray, coByte> {
public:
    using coPrgArrayT::coPrgArrayT;
    using coPrgArrayT::operator=;
};

// The instances compiled once in the library (src/arrays/prg_array.cpp).
#define COLIB_PRG_ARRAY_INSTANCES(X)                                                               \
    X(coPrgArrayT<boolcoPrgArray, bool>)                                                           \
    X(coPrgArrayT<charcoPrgArray, char>)                                                           \
    X(coPrgArrayT<intcoPrgArray, int>)                                                             \
    X(coPrgArrayT<doublecoPrgArray, double>)                                                       \
    X(coPrgArrayT<coBytecoPrgArray, coByte>)
COLIB_PRG_ARRAY_INSTANCES(COLIB_EXTERN_TEMPLATE)
