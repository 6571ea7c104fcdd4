// The Intel HEX reader of the configuration-memory restore on arbitrary file contents.
#include "device/intelhex.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), int(size));
    const IntelHex::Image image = IntelHex::read(text);
    if (image.bytes.size() != IntelHex::imageSize || image.supplied < 0 || image.supplied > IntelHex::imageSize)
        abort();
    // Whatever was read back must survive its own round trip.
    if (image.complete()) {
        const IntelHex::Image again = IntelHex::read(IntelHex::write(image.bytes));
        if (!again.complete() || again.bytes != image.bytes)
            abort();
    }
    return 0;
}
