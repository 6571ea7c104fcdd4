// Feeds arbitrary bytes to the route-plan file reader. Whatever it accepts must form a
// plan of the fixed shape (sorted starts with distinct first times, points sorted by
// offset, distinct names) whose file settles to one byte form after a save and a load.
#include "fuzz_routeplancheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzzRoutePlan(data, size, false);
}
