#include "device/ftdiapi.h"

#include <utility>

namespace {

// Stands in until a backend is installed, or when none could be made: enumeration fails,
// so the program reports the missing FTDI library.
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

FtdiApiFactory factory;
FtdiApi* made = nullptr;
bool chosen = false;
FtdiApi* replacement = nullptr;

FtdiApi& stub()
{
    static NoDriver noDriver;
    return noDriver;
}

} // namespace

FtdiApi& ftdiApi()
{
    if (replacement)
        return *replacement;
    if (!chosen) {
        chosen = true; // once, even when the factory finds no backend
        made = factory ? factory() : nullptr;
    }
    return made ? *made : stub();
}

void setFtdiApiFactory(FtdiApiFactory f)
{
    factory = std::move(f);
    chosen = false;
    made = nullptr;
}

FtdiApi* setFtdiApi(FtdiApi* api)
{
    FtdiApi* previous = replacement;
    replacement = api;
    return previous;
}
