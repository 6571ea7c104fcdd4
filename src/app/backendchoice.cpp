#include "app/backendchoice.h"

#include "device/ftdiapi.h"
#include "simulator/simulatedloggerfile.h"
#ifdef WYX_HAVE_FTDI
#include "device/libftdibackend.h"
#endif

#include <QFile>
#include <QtGlobal>
#include <memory>

namespace {

struct ChosenBackend {
    std::unique_ptr<SimulatedLoggerFile> simulated;
    std::unique_ptr<FtdiApi> driver;
    FtdiApi* api = nullptr; // nullptr: no driver

    ChosenBackend()
    {
        const QByteArray statePath = qgetenv("WYX_SIMULATED_LOGGER");
        if (!statePath.isEmpty()) {
            simulated = std::make_unique<SimulatedLoggerFile>(QFile::decodeName(statePath));
            if (simulated->isValid()) {
                if (!simulated->errorString().isEmpty())
                    qWarning("Simulated logger not saved: %s", qPrintable(simulated->errorString()));
                api = &simulated->logger();
                return;
            }
            // A damaged state file is left as it is; the program then finds no driver.
            qWarning("Simulated logger not loaded: %s", qPrintable(simulated->errorString()));
            simulated.reset();
            return;
        }
#ifdef WYX_HAVE_FTDI
        driver = std::make_unique<LibFtdiBackend>();
        api = driver.get();
#endif
    }
};

} // namespace

void installDriverBackend()
{
    setFtdiApiFactory([]() {
        static ChosenBackend backend; // made once; the simulated logger is saved at exit
        return backend.api;
    });
}
