#pragma once
// The driver layer's backend for real FTDI devices on Linux, through libftdi1. libftdi's
// reads return whatever has arrived; this backend makes them block until all bytes arrived
// or the read time-out expired, as the link expects of every backend.
#include "device/ftdiapi.h"

#include <set>
#include <vector>

struct ftdi_context;
struct ftdi_device_list;
struct libusb_device;

class LibFtdiBackend final : public FtdiApi
{
public:
    LibFtdiBackend();
    ~LibFtdiBackend() override;
    LibFtdiBackend(const LibFtdiBackend&) = delete;
    LibFtdiBackend& operator=(const LibFtdiBackend&) = delete;

    bool createDeviceInfoList(int& count) override;
    bool getDeviceInfoDetail(int index, unsigned& flags, QByteArray& serial, QByteArray& description) override;
    Handle openBySerial(const QByteArray& serial) override;
    bool close(Handle h) override;
    bool resetDevice(Handle h) override;
    bool setLatencyTimer(Handle h, int ms) override;
    bool setUsbParameters(Handle h, int inTransferSize, int outTransferSize) override;
    bool setBaudRate(Handle h, int baud) override;
    bool setDataCharacteristics(Handle h, int dataBits, StopBits stopBits, Parity parity) override;
    bool setFlowControl(Handle h, FlowControl flow, char xon, char xoff) override;
    bool setTimeouts(Handle h, int readMs, int writeMs) override;
    bool read(Handle h, unsigned char* buf, int n, int& got) override;
    bool write(Handle h, const unsigned char* buf, int n, int& written) override;
    bool purgeRx(Handle h) override;

private:
    struct Open {
        ftdi_context* ctx;
        int readMs;
    };
    ftdi_context* context(Handle h) const;
    bool strings(libusb_device* dev, QByteArray& serial, QByteArray& description);
    bool openedElsewhere(libusb_device* dev);
    void freeList();

    ftdi_context* m_enum = nullptr; // enumeration only, never opened
    ftdi_device_list* m_list = nullptr;
    std::vector<libusb_device*> m_devices;
    std::vector<Open> m_open;
};
