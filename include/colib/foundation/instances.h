// One list of members per family.
//
// Each family header ends with the list of its template instances, written
// once as a macro that applies X to each:
//
//   #define COLIB_DYN_ARR_INSTANCES(X) X(coDynArrT<charcoDynArr, char>) ...
//   COLIB_DYN_ARR_INSTANCES(COLIB_EXTERN_TEMPLATE)
//
// and the family's .cpp compiles them with
//
//   COLIB_DYN_ARR_INSTANCES(COLIB_INSTANTIATE)
//
// so the header states once what the library holds and the .cpp cannot drift
// from it. X takes the template-id as variadic arguments, so the commas
// between template arguments need no extra parentheses.
#pragma once

#define COLIB_EXTERN_TEMPLATE(...) extern template class __VA_ARGS__;
#define COLIB_INSTANTIATE(...) template class __VA_ARGS__;
