// Everything the foundation offers.
#pragma once

#include <colib/foundation/buffer_guard.h>
#include <colib/foundation/contract.h>
#include <colib/foundation/convert.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/elem.h>
#include <colib/foundation/print.h>
#include <colib/foundation/types.h>
#include <colib/foundation/ut.h>
#include <colib/foundation/ut_ostream.h>
