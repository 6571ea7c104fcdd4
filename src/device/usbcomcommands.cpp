// UsbCom: the commands that set the logger or read its settings: clock, name and
// initialization, calibration, the configuration memory, query words and the signal test.
#include "device/usbcom.h"

#include "core/clock.h"
#include "core/helpers.h"
#include "device/usbcomprotocol.h"

#include <cstring>

using namespace UsbProtocol;

namespace {

constexpr int maxMemoryChunk = 128;
constexpr int clockSampleDelayMs = 500;

} // namespace

UsbErrorCodes UsbCom::sendPackedTime(unsigned char command, const QDateTime& t)
{
    frame[0] = 6;
    frame[1] = command;
    packDeviceTime(t, frame + 2);
    setChecksum(frame);
    return transact(frame, reply);
}

UsbErrorCodes UsbCom::sendName(const QString& name)
{
    frame[0] = 10;
    frame[1] = CmdWriteName;
    toFixedBytes(name, frame + 2, 8);
    setChecksum(frame);
    return transact(frame, reply);
}

UsbErrorCodes UsbCom::setClock(const QDateTime& t)
{
    deviceTime = t;
    if (!handle)
        return UsbNoChannel;
    return sendPackedTime(CmdSetClock, deviceTime);
}

UsbErrorCodes UsbCom::getClock()
{
    frame[0] = 2;
    frame[1] = CmdReadClock;
    setChecksum(frame);
    pcTime = waitDeviceTick();
    // The logger counts in 2-second steps. Asked at once, up to 150 ms before the step that
    // pcTime names, a clock in step with the computer's would still show the step before
    // and read 2 seconds slow; asked half a second into the step, a clock a little ahead
    // or behind reads as that step.
    const qint64 sampleAt = QDateTime(pcTime.date(), QTime(pcTime.time().hour(), pcTime.time().minute(),
                                                           pcTime.time().second()))
                                .toMSecsSinceEpoch()
        + clockSampleDelayMs;
    Clock::sleepUntil(sampleAt);
    UsbErrorCodes result = transact(frame, reply);
    if (result == UsbOk) {
        if (reply[0] < 5)
            result = UsbBadReply;
        else
            deviceTime = unpackDeviceTime(reply + 2);
    }
    pcTime.setTime(QTime(pcTime.time().hour(), pcTime.time().minute(), pcTime.time().second()));
    return result;
}

UsbErrorCodes UsbCom::refreshClockIfClosed()
{
    if (handle)
        return UsbOk;
    return getClock();
}

UsbErrorCodes UsbCom::initDevice(const QString& name, const QDateTime& t)
{
    initDate = t;
    deviceTime = t;
    deviceName = name;
    if (!handle)
        return UsbNoChannel;
    const UsbErrorCodes result = sendPackedTime(CmdInit, initDate);
    if (result != UsbOk)
        return result;
    return sendName(deviceName);
}

UsbErrorCodes UsbCom::setName()
{
    return sendName(deviceName);
}

UsbErrorCodes UsbCom::readCalibration()
{
    frame[0] = 2;
    frame[1] = CmdReadCalibration;
    setChecksum(frame);
    const UsbErrorCodes result = transact(frame, reply);
    if (result == UsbOk)
        clockCalibration = reply[2];
    return result;
}

UsbErrorCodes UsbCom::setCalibration()
{
    frame[0] = 4;
    frame[1] = CmdWriteCalibration;
    frame[2] = clockCalibration;
    frame[3] = 0;
    setChecksum(frame);
    return transact(frame, reply);
}

UsbErrorCodes UsbCom::writeOptionFlags()
{
    const unsigned char value = optionFlags & 0xFF;
    return writeConfigMemory(&value, 1, DeviceConfigMemory::OptionFlags);
}

UsbErrorCodes UsbCom::writeReadoutTime()
{
    readoutDate = deviceTime;
    unsigned char packed[4];
    packDeviceTime(deviceTime, packed);
    return writeConfigMemory(packed, 4, DeviceConfigMemory::ReadoutDate);
}

UsbErrorCodes UsbCom::readConfigMemory(unsigned char* data, int count, int address)
{
    if (count == 0 && address == 0) {
        frame[0] = 4;
        frame[1] = CmdReadConfig;
        frame[2] = 0;
        frame[3] = 0;
        setChecksum(frame);
        const UsbErrorCodes result = transact(frame, reply);
        if (result != UsbOk)
            return result;
        if (reply[0] == DeviceIdentity::Size + 3) {
            std::memcpy(data, reply + 3, DeviceIdentity::Size);
            return UsbOk;
        }
        return reply[0] == 3 ? UsbOk : UsbBadReply;
    }
    while (count > 0) {
        const int n = qMin(count, maxMemoryChunk);
        frame[0] = 4;
        frame[1] = CmdReadConfig;
        frame[2] = address & 0xFF;
        frame[3] = n;
        setChecksum(frame);
        const UsbErrorCodes result = transact(frame, reply);
        if (result != UsbOk)
            return result;
        if (reply[0] - 3 != n)
            return UsbBadReply;
        std::memcpy(data, reply + 3, size_t(n));
        count -= n;
        address += n;
        data += n;
    }
    return UsbOk;
}

UsbErrorCodes UsbCom::writeConfigMemory(const unsigned char* data, int count, int address)
{
    while (count > 0) {
        const int n = qMin(count, maxMemoryChunk);
        frame[0] = n + 4;
        frame[1] = CmdWriteConfig;
        frame[2] = address & 0xFF;
        unsigned sum = frame[2];
        for (int i = 0; i < n; ++i) {
            frame[3 + i] = data[i];
            sum += data[i];
        }
        frame[3 + n] = sum & 0xFF;
        setChecksum(frame);
        const UsbErrorCodes result = transact(frame, reply);
        if (result != UsbOk)
            return result;
        count -= n;
        address += n;
        data += n;
    }
    return UsbOk;
}

// A range of no bytes sends nothing: the zero/zero request is the identity read, which
// would write 36 bytes into the caller's empty buffer.
UsbErrorCodes UsbCom::readConfigRange(unsigned char* data, int count, int address)
{
    if (address < 0 || address + count > DeviceConfigMemory::Size)
        return UsbBadParameter;
    if (count <= 0)
        return UsbOk;
    return readConfigMemory(data, count, address);
}

UsbErrorCodes UsbCom::writeConfigRange(const unsigned char* data, int count, int address)
{
    if (address < 0 || address + count > DeviceConfigMemory::Size)
        return UsbBadParameter;
    if (count <= 0)
        return UsbOk;
    return writeConfigMemory(data, count, address);
}

UsbErrorCodes UsbCom::queryWord(int s, unsigned char* out1, unsigned char* out2, unsigned char* out3)
{
    frame[0] = 4;
    frame[1] = CmdQuery;
    frame[2] = s & 0xFF;
    frame[3] = 0;
    setChecksum(frame);
    const UsbErrorCodes result = transact(frame, reply);
    if (result != UsbOk)
        return result;
    if (reply[0] < 5 || reply[2] != frame[2])
        return UsbBadReply;
    *out1 = reply[3];
    *out3 = reply[4];
    *out2 = reply[5];
    return UsbOk;
}

UsbErrorCodes UsbCom::sendSignalTest(char mode, int frequency)
{
    int divider = 0;
    if (frequency >= 1) {
        divider = 125000 / frequency;
        if (125000 % frequency > frequency / 2)
            ++divider;
    }
    frame[0] = 4;
    frame[1] = CmdSignalTest;
    frame[2] = static_cast<unsigned char>(mode);
    frame[3] = divider & 0xFF;
    setChecksum(frame);
    return transact(frame, reply);
}
