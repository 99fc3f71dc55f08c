// Text-to-value conversions. Each returns nonzero when the text was
// understood and writes the output only then.
#pragma once

#include <colib/foundation/ut.h>

COLIB_API int co_utString_from_string(const utString &s, utString &out);
// "true" or "false" in any mixture of capital and small letters.
COLIB_API int co_utBool_from_string(const utString &s, int &out);
COLIB_API int co_int_from_string(const utString &s, int &out);
COLIB_API int co_double_from_string(const utString &s, double &out);
