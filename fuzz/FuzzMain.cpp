// The libFuzzer entry of one content reader; FUZZ_TARGET names it (see FuzzTargets()).
#include "fuzz/FuzzTargets.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const FuzzTarget* target = [] {
        const FuzzTarget* found = FindFuzzTarget(QStringLiteral(FUZZ_TARGET));
        if (!found) {
            std::fprintf(stderr, "no fuzz target %s\n", FUZZ_TARGET);
            std::abort();
        }
        return found;
    }();
    return target->run(data, size);
}
