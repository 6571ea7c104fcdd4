#pragma once
// The program's USB-serial driver layer: the few operations the logger link needs (list the
// FTDI devices, open one by serial number, set the line up, blocking reads with a time-out,
// writes, discard stale input). The link is written once against this interface, so the
// backend behind it can be real hardware, the simulated logger or a stub, and a test can
// put in its own. Every bool means "the driver call succeeded"; a read that times out is
// success with fewer bytes, so the link can tell a silent logger from a failed driver.
#include <QByteArray>
#include <QString>
#include <functional>

class FtdiApi
{
public:
    using Handle = void*;

    enum Parity { ParityNone = 0, ParityOdd = 1, ParityEven = 2 };
    enum StopBits { StopBits1 = 0, StopBits2 = 2 };
    enum FlowControl { FlowNone = 0 };

    virtual ~FtdiApi() = default;

    // Builds the device list; count is the number of devices found.
    virtual bool createDeviceInfoList(int& count) = 0;
    // Details of list entry index. flags bit 0: the device is opened elsewhere.
    // serial and description are at most 15 and 63 bytes (the driver's buffers).
    virtual bool getDeviceInfoDetail(int index, unsigned& flags, QByteArray& serial, QByteArray& description) = 0;
    // Null when the device could not be opened.
    virtual Handle openBySerial(const QByteArray& serial) = 0;
    virtual bool close(Handle h) = 0;
    virtual bool resetDevice(Handle h) = 0;
    virtual bool setLatencyTimer(Handle h, int ms) = 0;
    virtual bool setUsbParameters(Handle h, int inTransferSize, int outTransferSize) = 0;
    virtual bool setBaudRate(Handle h, int baud) = 0;
    virtual bool setDataCharacteristics(Handle h, int dataBits, StopBits stopBits, Parity parity) = 0;
    virtual bool setFlowControl(Handle h, FlowControl flow, char xon, char xoff) = 0;
    // Must return false (not crash) for a null handle.
    virtual bool setTimeouts(Handle h, int readMs, int writeMs) = 0;
    // Blocks until n bytes arrived or the read time-out expired; a time-out is success
    // with got < n.
    virtual bool read(Handle h, unsigned char* buf, int n, int& got) = 0;
    virtual bool write(Handle h, const unsigned char* buf, int n, int& written) = 0;
    // Discards input that arrived but was not read (late tails of a timed-out reply).
    virtual bool purgeRx(Handle h) = 0;
};

// The process-wide backend: the one set by setFtdiApi, else the one the installed factory
// made, else a stub whose enumeration fails (no driver).
FtdiApi& ftdiApi();

// Makes the program's backend; called once, on the first use of ftdiApi(), so nothing is
// opened or loaded before a device command needs it. The factory keeps what it returns
// alive for the rest of the run; nullptr means no driver (the stub).
using FtdiApiFactory = std::function<FtdiApi*()>;
// Installs the factory (start-up, which knows the backends; this layer does not). A new
// factory is asked again on the next use; an empty one goes back to the stub.
void setFtdiApiFactory(FtdiApiFactory factory);

// Replaces the backend (tests); returns the previous replacement. Ownership stays with the
// caller; nullptr goes back to the installed backend.
FtdiApi* setFtdiApi(FtdiApi* api);
