// Typed resources: values filed under keys in resource tables that fall
// back to parent tables.
//
//   intcoResourceKey width("width");        // named: the loader finds it
//   coResourceTable defaults;
//   coResourceTable user(&defaults);        // user falls back to defaults
//   coResourceTableMaker::create_entry("width", "80", defaults);
//   *width.read_safe(&user);                // 80, found in defaults
//   {
//       intcoResourceModifier wide(132, &width, &user);
//       *width.read_safe(&user);            // 132 while wide lives
//   }
//   *width.read_safe(&user);                // 80 again
//
// Rules of the family:
//   - a key's id is its slot in every table; ids are dense from 0 and the
//     last id is reused when its key dies. Keys outlive the tables using
//     them; parents outlive their children;
//   - read_safe answers null for no resource and for a resource of another
//     type; it never converts;
//   - who deletes a resource: see resources/detail/resource.h (attached:
//     its creator; made by a modifier: the modifier; otherwise the table,
//     also when the table lets go of it).
// Tables, the table maker (with the settings-file loader), the table
// iterator and the shared table holder are in resources/resource_table.h.
#pragma once

#include <colib/resources/detail/resource.h>

// The members: M(X, prefix, value type, text conversion). utBool holds int
// truth values (1 or 0): "true" and "false" in any case convert, and its
// text form is "1" or "0". double's text form has six significant digits;
// any text converts to a utString. read_safe yields const int *, const
// double *, const int * (the boolean) and const utString *; the modifiers
// are made from (value, key, table).
// clang-format off
#define COLIB_RESOURCE_MEMBERS(M, X) \
    M(X, int, int, co_int_from_string) M(X, double, double, co_double_from_string) \
    M(X, utBool, int, co_utBool_from_string) M(X, utString, utString, co_utString_from_string)
// clang-format on

// intcoResource, intcoResourceKey, intcoResourceModifier, ..., each compiled
// once in the library (src/resources/resource.cpp).
COLIB_RESOURCE_MEMBERS(COLIB_RESOURCE_CLASSES, COLIB_EXTERN_TEMPLATE)
