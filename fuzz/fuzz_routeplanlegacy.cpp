// Feeds arbitrary bytes to the import of the older route format, with the checks of the
// plan file's target.
#include "fuzz_routeplancheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzzRoutePlan(data, size, true);
}
