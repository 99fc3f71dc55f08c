// One container of every family, stopped in a debugger by the gdb test,
// which prints each of them through the pretty-printers.
#include "../support/samples.h"

// The debugger stops here with the samples alive in the caller.
extern "C" __attribute__((noinline)) void stop_here() {
    asm volatile("" ::: "memory");
}

int main() {
    Samples s;
    stop_here();
    return 0;
}
