// Feeds arbitrary bytes to the simulated logger's state-file reader. A file it accepts
// must save and load again to the same state.
#include "simulator/simulatedlogger.h"

#include <QByteArray>
#include <cstdlib>

// Qt 5.15's JSON parser leaks its partial document on some malformed input. Qt is built
// without frame pointers, so the default fast unwinder stops in Qt's unnamed frames and a
// "leak:QJsonDocument::fromJson" suppression never sees that function; with the slow
// unwinder the whole stack is there and the suppression matches. Built in, so the target
// runs unattended whatever LSAN_OPTIONS says (the suppression adds to any given file).
extern "C" const char* __lsan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:QJsonDocument::fromJson\n";
}

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
