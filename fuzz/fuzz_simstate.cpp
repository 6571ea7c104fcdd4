// Feeds arbitrary bytes to the simulated logger's state-file reader. A file it accepts
// must save and load again to the same state.
#include "simulator/simulatedlogger.h"

#include <QByteArray>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SimulatedLogger sim;
    if (!sim.loadFromData(QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size))))
        return 0;
    const QByteArray saved = sim.saveToData();
    SimulatedLogger again;
    if (!again.loadFromData(saved) || again.saveToData() != saved)
        abort();
    return 0;
}
