#include "device/usbcom.h"

#include "core/clock.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/prompts.h"

#include <QStringList>
#include <cstring>

namespace {

constexpr int attempts = 3;
constexpr int wakeUpTries = 5;
constexpr unsigned char wakeUpByte = 'S';
constexpr unsigned char wakeUpAnswer = 'B';
constexpr unsigned char pageMark = '@';
constexpr int maxReplyLength = 144;
constexpr int maxMemoryChunk = 128;
constexpr int readTimeoutMs = 500;
constexpr int pageReadTimeoutMs = 1500;
constexpr int writeTimeoutMs = 200;
constexpr int clockSampleDelayMs = 500;
constexpr int maxStrayBytes = 2048; // more than any reply's tail

enum Command : unsigned char {
    CmdSetClock = 0x02,
    CmdReadClock = 0x03,
    CmdInit = 0x05,
    CmdReadEntry = 0x08,
    CmdWriteName = 0x09,
    CmdReadPage = 0x0C,
    CmdWriteCalibration = 0x19,
    CmdReadCalibration = 0x1A,
    CmdByteWord = 0x1B,
    CmdWriteConfig = 0x1C,
    CmdReadConfig = 0x1D,
    CmdSignalTest = 0x1E,
    CmdQuery = 0x1F,
    CmdService = 0x20
};

// Ring sizes by memory size in KB, in the order of the size numbers 0..14.
struct Capacity {
    int kilobytes;
    int lastIndex;
};
constexpr Capacity capacities[] = {{8, 818},      {16, 1637},    {24, 2456},    {32, 3275},    {40, 4094},
                                   {48, 4913},    {56, 5732},    {64, 6551},    {96, 9827},    {128, 13103},
                                   {160, 16379},  {192, 19655},  {224, 22931},  {256, 26207},  {512, 52415}};
constexpr int unknownSizeCode = 15;

// The 8-byte text fields of the identity end at a zero byte, if any: a NUL is never part
// of a name.
QString identityText(const unsigned char* p)
{
    const char* c = reinterpret_cast<const char*>(p);
    return QString::fromUtf8(c, int(qstrnlen(c, 8)));
}

int memoryKilobytes(quint8 memoryCode)
{
    const int k = memoryCode >> 4;
    const int chips = memoryCode & 0x0F;
    return (8 << k) * chips;
}

quint16 littleEndian(const unsigned char* p)
{
    return quint16(p[0] | (p[1] << 8));
}

} // namespace

UsbCom::UsbCom(QObject* parent) : QObject(parent)
{
    clearInfo();
}

UsbCom::~UsbCom()
{
    if (handle)
        ftdiApi().close(handle);
}

void UsbCom::clearInfo()
{
    writeIndex = lastIndex = 0;
    firmwareVersion = hardwareCode = identityWord26 = 0;
    resetCount = logCount = clockResetCount = initCount = wetCount = 0;
    memoryCode = clockChip = clockCalibration = statusBits = batteryLevel = 0;
    configByte92 = configByte76 = configByte77 = configByte78 = optionFlags = 0;
    lastEntry.clear();
    model.clear();
    deviceName.clear();
    serialNumber.clear();
    for (QDateTime* t : {&pcTime, &deviceTime, &initDate, &readoutDate, &commissionedDate, &repairedDate,
                         &batteryChangeDate, &chargedDate, &dischargedDate, &deepDischargeDate, &openedDate,
                         &closedDate, &wetDate, &dryDate, &resetDate})
        *t = nullDeviceTime;
}

UsbErrorCodes UsbCom::open()
{
    FtdiApi& api = ftdiApi();
    if (handle) {
        api.close(handle);
        handle = nullptr;
    }
    int count = 0;
    if (!api.createDeviceInfoList(count))
        return UsbLibraryError;
    if (count <= 0)
        return UsbNoDevice;

    QByteArray chosenSerial;
    bool found = false;
    bool lastDetailFailed = false;
    for (int index = 0; index < count && !found; ++index) {
        unsigned flags = 0;
        QByteArray serial;
        QByteArray description;
        lastDetailFailed = !api.getDeviceInfoDetail(index, flags, serial, description);
        if (lastDetailFailed || (flags & 1))
            continue;
        // Up to the terminating zero, never beyond the driver's buffer.
        const QString text = QString::fromUtf8(description.constData(),
                                               int(qstrnlen(description.constData(), uint(description.size()))));
        if (QString::compare(text, deviceFamilyName, Qt::CaseSensitive) == 0) {
            chosenSerial = serial.left(int(qstrnlen(serial.constData(), uint(serial.size()))));
            found = true;
        }
    }
    if (!found)
        return lastDetailFailed ? UsbLibraryError : UsbNoDevice;

    handle = api.openBySerial(chosenSerial);
    if (!handle)
        return UsbDriverError;
    const UsbErrorCodes result = configure();
    if (result != UsbOk) {
        api.close(handle);
        handle = nullptr;
    }
    return result;
}

UsbErrorCodes UsbCom::configure()
{
    FtdiApi& api = ftdiApi();
    const bool ok = api.resetDevice(handle) && api.setLatencyTimer(handle, 8)
                    && api.setUsbParameters(handle, 1024, 64) && api.setBaudRate(handle, 55555)
                    && api.setDataCharacteristics(handle, 8, FtdiApi::StopBits2, FtdiApi::ParityNone)
                    && api.setFlowControl(handle, FtdiApi::FlowNone, 0x11, 0x13)
                    && api.setTimeouts(handle, readTimeoutMs, writeTimeoutMs);
    return ok ? UsbOk : UsbDriverError;
}

void UsbCom::setChecksum(unsigned char* buffer)
{
    const int length = buffer[0];
    unsigned char ck = 0xE5;
    for (int i = 1; i < length; ++i)
        ck ^= buffer[i];
    buffer[length] = ck;
}

bool UsbCom::checkChecksum(const unsigned char* buffer)
{
    const int length = buffer[0];
    unsigned char ck = 0xE5;
    for (int i = 1; i < length; ++i)
        ck ^= buffer[i];
    return buffer[length] == ck;
}

UsbErrorCodes UsbCom::sendFrame(unsigned char* request, unsigned char* answer)
{
    // The frame must fit the frame buffer the logger expects.
    if (request[0] < 1 || request[0] + 1 > FrameSize)
        return UsbBadParameter;
    return transact(request, answer);
}

// The rest of a reply that went wrong may still be on its way, after any purge: read and
// drop what arrives until one whole read time-out passes in silence, so that the next
// wake-up answer is the logger's and not a stray byte. Bounded against a chattering line.
void UsbCom::awaitQuietLine()
{
    FtdiApi& api = ftdiApi();
    unsigned char sink[1024];
    for (int read = 0; read < 16; ++read) {
        int got = 0;
        if (!api.read(handle, sink, int(sizeof sink), got) || got == 0)
            break;
    }
    api.purgeRx(handle);
}

// One wake-up try: 'S', then the answer 'B'. Stray bytes before it (the tail of an earlier
// reply) are passed over until the answer comes or the line stays quiet for a time-out.
UsbErrorCodes UsbCom::wakeUp(unsigned char* answer)
{
    FtdiApi& api = ftdiApi();
    int written = 0;
    if (!api.write(handle, &wakeUpByte, 1, written))
        return UsbTransferError;
    bool stray = false;
    for (int skipped = 0; skipped < maxStrayBytes; ++skipped) {
        int got = 0;
        if (!api.read(handle, answer, 1, got))
            return UsbTransferError;
        if (got < 1)
            return stray ? UsbBadReply : UsbNoDevice;
        if (answer[0] == wakeUpAnswer)
            return UsbOk;
        stray = true;
    }
    return UsbBadReply;
}

UsbErrorCodes UsbCom::transact(const unsigned char* request, unsigned char* answer)
{
    if (!handle)
        return UsbNoChannel;
    FtdiApi& api = ftdiApi();
    const int frameLength = request[0] + 1;
    UsbErrorCodes result = UsbNoDevice;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        // Whatever is left of an earlier reply must not pass as this one's answer.
        if (attempt == 0)
            api.purgeRx(handle);
        else
            awaitQuietLine();

        UsbErrorCodes wake = UsbNoDevice;
        for (int tryNo = 0; tryNo < wakeUpTries && wake != UsbOk; ++tryNo) {
            // After a failed read the line is not quiet yet.
            if (tryNo > 0 && wake == UsbTransferError)
                awaitQuietLine();
            wake = wakeUp(answer);
        }
        if (wake != UsbOk)
            return wake;

        int written = 0;
        if (!api.write(handle, request, frameLength, written) || written < frameLength) {
            result = UsbTransferError;
            continue;
        }
        int got = 0;
        if (!api.read(handle, answer, 1, got)) {
            result = UsbTransferError;
            continue;
        }
        if (got < 1) {
            result = UsbNoDevice;
            continue;
        }
        const int r = answer[0];
        int bodyLength = 0;
        if (r == pageMark && frameLength > 1 && request[1] == CmdReadPage)
            bodyLength = DeviceLogPage::BodySize;
        else if (r == 0) {
            result = UsbNoDevice;
            continue;
        } else if (r == 1 || r > maxReplyLength) {
            result = UsbBadReply;
            continue;
        } else
            bodyLength = r;
        if (!api.read(handle, answer + 1, bodyLength, got)) {
            result = UsbTransferError;
            continue;
        }
        if (got < bodyLength) {
            result = UsbNoDevice;
            continue;
        }
        return UsbOk;
    }
    return result;
}

QString UsbCom::errorText(UsbErrorCodes code)
{
    switch (code) {
    case UsbOk: return tr("A művelet sikeresen végrehajtva!");
    case UsbLibraryError: return tr("Hibás, vagy nem elérhető az FTDI függvénykönyvtár!");
    case UsbDriverError: return tr("Hiba lépett fel az FTDI USB driverben!");
    case UsbTransferError: return tr("Hiba lépett fel az FTDI USB adatátvitelben!");
    case UsbNoChannel: return tr("Nincs megnyitott adatátviteli csatorna!");
    case UsbBadParameter: return tr("Hibás paraméter az adatátviteli parancsban!");
    case UsbNoDevice: return tr("Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!");
    case UsbBadReply: return tr("Az adatátvitel során nem értelmezhető válasz érkezett!");
    case UsbInternalError:
    default:
        // An unknown code is an error, never a success.
        return tr("A program működésében belső hiba lépett fel!");
    }
}

bool UsbCom::showError(UsbErrorCodes code, bool offerRetry)
{
    if (code == UsbOk)
        return false;
    QStringList buttons{tr("OK")};
    if (offerRetry) {
        buttons[0] = tr("Megszakít");
        buttons.append(tr("Ismét"));
    }
    const int clicked = Prompts::choose(nullptr, Prompts::Kind::Warning, QStringLiteral("WYX770"), errorText(code),
                                        buttons, !offerRetry);
    return offerRetry && clicked == 1;
}

// ---------------------------------------------------------------------------------------
// Commands

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

UsbErrorCodes UsbCom::readEntry(unsigned short index)
{
    if (!handle)
        return UsbNoChannel;
    frame[0] = 4;
    frame[1] = CmdReadEntry;
    frame[2] = index & 0xFF;
    frame[3] = index >> 8;
    setChecksum(frame);
    const UsbErrorCodes result = transact(frame, reply);
    if (result != UsbOk)
        return result;
    if (reply[0] < 11)
        return UsbBadReply;
    lastEntry.setBytes(reply + 2);
    return UsbOk;
}

UsbErrorCodes UsbCom::readPage(unsigned short start, unsigned char* page)
{
    FtdiApi& api = ftdiApi();
    if (!api.setTimeouts(handle, pageReadTimeoutMs, writeTimeoutMs))
        return UsbTransferError;
    frame[0] = 4;
    frame[1] = CmdReadPage;
    frame[2] = start & 0xFF;
    frame[3] = start >> 8;
    setChecksum(frame);
    const UsbErrorCodes result = transact(frame, page);
    api.setTimeouts(handle, readTimeoutMs, writeTimeoutMs);
    // Anything but a whole page would hand stale buffer bytes to the log.
    if (result == UsbOk && page[0] != pageMark)
        return UsbBadReply;
    return result;
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

int UsbCom::ringDistance(unsigned from, unsigned to) const
{
    const unsigned last = unsigned(qMax(lastIndex, 0));
    from = qMin(from, last);
    to = qMin(to, last);
    if (from <= to)
        return int(to - from);
    return int(last + 1 + to - from);
}

int UsbCom::memorySizeCode() const
{
    const int kb = memoryKilobytes(memoryCode);
    for (int i = 0; i < int(sizeof capacities / sizeof capacities[0]); ++i)
        if (capacities[i].kilobytes == kb)
            return i;
    return unknownSizeCode;
}

bool UsbCom::ringIsValid() const
{
    return lastIndex > 0 && writeIndex >= 0 && writeIndex <= lastIndex;
}

UsbErrorCodes UsbCom::readWriteIndex(int& index)
{
    if (!handle)
        return UsbNoChannel;
    DeviceIdentity identity;
    const UsbErrorCodes result = readConfigMemory(identity.bytes, 0, 0);
    if (result != UsbOk)
        return result;
    if (reply[0] != DeviceIdentity::Size + 3)
        return UsbBadReply;
    const unsigned char* id = identity.bytes;
    // Not the logger the fields describe: this reply or the one they came from is garbled.
    if (identityText(id + DeviceIdentity::Name) != deviceName
        || identityText(id + DeviceIdentity::Serial) != serialNumber || id[DeviceIdentity::MemoryCode] != memoryCode)
        return UsbBadReply;
    const int read = littleEndian(id + DeviceIdentity::WriteIndex);
    if (read > lastIndex)
        return UsbBadReply;
    index = read;
    return UsbOk;
}

// No checksum guards a reply, and a garbled index inside the ring looks like any other:
// taken on one reading it makes a read-out skip or repeat records. So an index counts only
// when two readings in a row agree. One garbled reply cannot make that happen: the pair
// either has a sound reading beside the garbled one, or is two sound readings. Five fresh
// readings leave room for one garbled reply and for the logger writing between readings.
UsbErrorCodes UsbCom::readConfirmedWriteIndex(int& index, int known)
{
    constexpr int maxReadings = 5;
    int previous = known >= 0 && known <= lastIndex ? known : -1;
    for (int reading = 0; reading < maxReadings; ++reading) {
        int now = -1;
        const UsbErrorCodes result = readWriteIndex(now);
        if (result != UsbOk && result != UsbBadReply)
            return result;
        if (result == UsbOk && now == previous) {
            index = now;
            return UsbOk;
        }
        previous = now;
    }
    return UsbBadReply;
}

UsbErrorCodes UsbCom::readIdentity()
{
    if (!handle)
        return UsbNoChannel;
    DeviceIdentity identity;
    std::memset(identity.bytes, 0, sizeof identity.bytes); // an empty identity reply reads as zeros
    const UsbErrorCodes result = readConfigMemory(identity.bytes, 0, 0);
    if (result != UsbOk)
        return result;
    const unsigned char* id = identity.bytes;
    model = identityText(id + DeviceIdentity::Model);
    deviceName = identityText(id + DeviceIdentity::Name);
    serialNumber = identityText(id + DeviceIdentity::Serial);
    hardwareCode = quint16((id[DeviceIdentity::HardwareCode] << 8) | id[DeviceIdentity::HardwareCode + 1]);
    identityWord26 = littleEndian(id + DeviceIdentity::Word26);
    firmwareVersion = littleEndian(id + DeviceIdentity::Firmware);
    memoryCode = id[DeviceIdentity::MemoryCode];
    clockChip = id[DeviceIdentity::ClockChip];
    batteryLevel = id[DeviceIdentity::BatteryLevel];
    statusBits = id[DeviceIdentity::StatusBits];
    writeIndex = littleEndian(id + DeviceIdentity::WriteIndex);
    const int sizeCode = memorySizeCode();
    lastIndex = sizeCode == unknownSizeCode ? 0 : capacities[sizeCode].lastIndex;
    return UsbOk;
}

UsbErrorCodes UsbCom::getDeviceInfo()
{
    UsbErrorCodes result = readIdentity();
    if (result != UsbOk)
        return result;

    unsigned char b3 = 0, b4 = 0, b5 = 0;
    result = queryWord('A', &b3, &b5, &b4);
    if (result != UsbOk)
        return result;
    temperatureRaw = qint16((b5 << 8) | b4);
    if (hardwareCode == 0x0404) {
        batteryVoltage = 0;
    } else {
        result = queryWord('@', &b3, &b5, &b4);
        if (result != UsbOk)
            return result;
        batteryVoltage = quint16((b5 << 8) | b4);
    }

    result = getClock();
    if (result != UsbOk)
        return result;

    DeviceConfigMemory config;
    result = readConfigMemory(config.bytes, DeviceConfigMemory::InfoSize, 0);
    if (result != UsbOk)
        return result;

    const UsbErrorCodes calibrationResult = readCalibration();

    const unsigned char* c = config.bytes;
    resetCount = littleEndian(c + DeviceConfigMemory::ResetCount);
    logCount = littleEndian(c + DeviceConfigMemory::LogCount);
    clockResetCount = littleEndian(c + DeviceConfigMemory::ClockResetCount);
    initCount = littleEndian(c + DeviceConfigMemory::InitCount);
    wetCount = littleEndian(c + DeviceConfigMemory::WetCount);
    configByte76 = c[DeviceConfigMemory::Byte76];
    configByte77 = c[DeviceConfigMemory::Byte77];
    configByte78 = c[DeviceConfigMemory::Byte78];
    configByte79 = c[DeviceConfigMemory::Byte79];
    configWord80 = littleEndian(c + DeviceConfigMemory::Word80);
    configByte92 = c[DeviceConfigMemory::Byte92];
    optionFlags = c[DeviceConfigMemory::OptionFlags];

    initDate = unpackDeviceTime(c + DeviceConfigMemory::InitDate);
    readoutDate = unpackDeviceTime(c + DeviceConfigMemory::ReadoutDate);
    commissionedDate = unpackDeviceTime(c + DeviceConfigMemory::CommissionedDate);
    repairedDate = unpackDeviceTime(c + DeviceConfigMemory::RepairedDate);
    batteryChangeDate = unpackDeviceTime(c + DeviceConfigMemory::BatteryChangeDate);
    chargedDate = unpackDeviceTime(c + DeviceConfigMemory::ChargedDate);
    dischargedDate = unpackDeviceTime(c + DeviceConfigMemory::DischargedDate);
    deepDischargeDate = unpackDeviceTime(c + DeviceConfigMemory::DeepDischargeDate);
    openedDate = unpackDeviceTime(c + DeviceConfigMemory::OpenedDate);
    closedDate = unpackDeviceTime(c + DeviceConfigMemory::ClosedDate);
    wetDate = unpackDeviceTime(c + DeviceConfigMemory::WetDate);
    dryDate = unpackDeviceTime(c + DeviceConfigMemory::DryDate);
    resetDate = unpackDeviceTime(c + DeviceConfigMemory::ResetDate);
    return calibrationResult;
}
