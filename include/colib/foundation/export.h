// The one export macro of the library.
//
// The library is built with hidden visibility; every class and free function
// that clients use carries COLIB_API. Class templates that are explicitly
// instantiated inside the library carry it on their definition, so that each
// instantiation's members, vtables and typeinfo are visible across the
// shared-object boundary. On Windows the macro exports from the DLL while it
// is built and imports into its clients; COLIB_STATIC (set for a static
// library, and by programs linked with the library's objects) makes it empty.
#pragma once

#include <colib/foundation/config.h>

#if defined(_WIN32)
#if defined(COLIB_STATIC)
#define COLIB_API
#elif defined(COLIB_BUILDING)
#define COLIB_API __declspec(dllexport)
#else
#define COLIB_API __declspec(dllimport)
#endif
#else
#define COLIB_API __attribute__((visibility("default")))
#endif
