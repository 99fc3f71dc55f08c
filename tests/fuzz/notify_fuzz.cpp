// Call lists against their model: each input byte is one choice of the
// model's random operations (which end, which operation, which reason and
// kind), so any input is a legal sequence of operations. Aborts at the
// first difference between the lists and the model.
#include "../notify/call_model.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    size_t at = 0;
    auto pick = [&](int n) { return at < size ? data[at++] % n : 0; };
    std::string error;
    {
        colib_test::CallModel<decltype(pick)> model(pick);
        while (at < size && model.step()) {
        }
        error = model.error();
    }
    if (!error.empty()) {
        std::fprintf(stderr, "notify_fuzz: %s\n", error.c_str());
        std::abort();
    }
    return 0;
}
