// coElem<T>: what the families need to know about an element type, in one
// place per type: how a block of elements is copied and how one element
// prints. Families take the copy mode as coElem<T>::block and print with
// coElem<T>::print; nothing else differs between their members.
//
//   prefix    stored     copy        prints as
//   char      char       block       the character
//   int       int        block       int (utBool is int)
//   long      long       block       long
//   float     float      block       widened to double
//   double    double     block       double
//   utInt64   int64_t    block       decimal
//   utAny     void *     block       pointer
//   utString  utString   assignment  the text
#pragma once

#include <colib/foundation/ut_ostream.h>

template <class T> struct coElem {
    static constexpr int block = 1;
    static void print(utOstream &os, const T &v) { os << v; }
};
template <> struct coElem<float> {
    static constexpr int block = 1;
    static void print(utOstream &os, float v) { os << static_cast<double>(v); }
};
template <> struct coElem<utString> {
    static constexpr int block = 0;
    static void print(utOstream &os, const utString &v) { os << v; }
};
