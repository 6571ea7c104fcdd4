#include "device/ftdiapi.h"

#include "simulator/simulatedloggerfile.h"
#ifdef WYX_HAVE_FTDI
#include "device/libftdibackend.h"
#endif

#include <QFile>
#include <QtGlobal>

namespace {

// Stands in when no driver library is available: enumeration fails, so the program
// reports the missing FTDI library.
class NoDriver final : public FtdiApi
{
public:
    bool createDeviceInfoList(int& count) override
    {
        count = 0;
        return false;
    }
    bool getDeviceInfoDetail(int, unsigned& flags, QByteArray& serial, QByteArray& description) override
    {
        flags = 0;
        serial.clear();
        description.clear();
        return false;
    }
    Handle openBySerial(const QByteArray&) override { return nullptr; }
    bool close(Handle) override { return false; }
    bool resetDevice(Handle) override { return false; }
    bool setLatencyTimer(Handle, int) override { return false; }
    bool setUsbParameters(Handle, int, int) override { return false; }
    bool setBaudRate(Handle, int) override { return false; }
    bool setDataCharacteristics(Handle, int, StopBits, Parity) override { return false; }
    bool setFlowControl(Handle, FlowControl, char, char) override { return false; }
    bool setTimeouts(Handle, int, int) override { return false; }
    bool read(Handle, unsigned char*, int, int& got) override
    {
        got = 0;
        return false;
    }
    bool write(Handle, const unsigned char*, int, int& written) override
    {
        written = 0;
        return false;
    }
    bool purgeRx(Handle) override { return false; }
};

struct DefaultBackend {
    std::unique_ptr<SimulatedLoggerFile> simulated;
    std::unique_ptr<FtdiApi> driver;
    FtdiApi* api = nullptr;

    DefaultBackend()
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
            driver = std::make_unique<NoDriver>();
        } else {
#ifdef WYX_HAVE_FTDI
            driver = std::make_unique<LibFtdiBackend>();
#else
            driver = std::make_unique<NoDriver>();
#endif
        }
        api = driver.get();
    }
};

FtdiApi* replacement = nullptr;

} // namespace

FtdiApi& ftdiApi()
{
    if (replacement)
        return *replacement;
    static DefaultBackend backend; // chosen once; the simulated logger is saved at exit
    return *backend.api;
}

FtdiApi* setFtdiApi(FtdiApi* api)
{
    FtdiApi* previous = replacement;
    replacement = api;
    return previous;
}
