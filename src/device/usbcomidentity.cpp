// UsbCom: the device record. The identity the logger names itself with, the write index
// confirmed by identity reads that agree, and the whole record getDeviceInfo reads.
#include "device/usbcom.h"

#include "core/constants.h"
#include "core/helpers.h"

#include <cstring>
#include <optional>

namespace {

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

// No checksum guards a reply, and a garbled one of the right length looks like any other.
// So a reading counts only when two in a row agree. One garbled reply cannot make that
// happen: the pair either has a sound reading beside the garbled one, or is two sound
// readings. Five fresh readings leave room for one garbled reply and for the logger changing
// between readings. read gives one reading, a bad reply being none; previous, when set, is
// an earlier reading that counts as the first.
template <typename T, typename Read>
UsbErrorCodes agreedReading(T& agreed, std::optional<T> previous, Read read)
{
    constexpr int maxReadings = 5;
    for (int reading = 0; reading < maxReadings; ++reading) {
        T now{};
        const UsbErrorCodes result = read(now);
        if (result != UsbOk && result != UsbBadReply)
            return result;
        if (result == UsbOk && previous && now == *previous) {
            agreed = now;
            return UsbOk;
        }
        previous.reset();
        if (result == UsbOk)
            previous = now;
    }
    return UsbBadReply;
}

// What tells one logger from another: the name its log goes by, its serial number, its ring.
struct LoggerKey {
    QString name;
    QString serial;
    quint8 memoryCode = 0;
    bool operator==(const LoggerKey& o) const
    {
        return name == o.name && serial == o.serial && memoryCode == o.memoryCode;
    }
};

} // namespace

void UsbCom::clearInfo()
{
    writeIndex = lastIndex = 0;
    firmwareVersion = hardwareCode = identityWord26 = 0;
    resetCount = logCount = clockResetCount = initCount = wetCount = 0;
    memoryCode = clockChip = clockCalibration = statusBits = batteryLevel = 0;
    configByte92 = configByte76 = configByte77 = configByte78 = optionFlags = 0;
    lastEntry.clear();
    recordMemoryCode = -1;
    model.clear();
    deviceName.clear();
    serialNumber.clear();
    for (QDateTime* t : {&pcTime, &deviceTime, &initDate, &readoutDate, &commissionedDate, &repairedDate,
                         &batteryChangeDate, &chargedDate, &dischargedDate, &deepDischargeDate, &openedDate,
                         &closedDate, &wetDate, &dryDate, &resetDate})
        *t = nullDeviceTime;
}

int UsbCom::memorySizeCode() const
{
    const int kb = memoryKilobytes(memoryCode);
    for (int i = 0; i < int(sizeof capacities / sizeof capacities[0]); ++i)
        if (capacities[i].kilobytes == kb)
            return i;
    return unknownSizeCode;
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

// A garbled index inside the ring looks like any other: taken on one reading it makes a
// read-out skip or repeat records.
UsbErrorCodes UsbCom::readConfirmedWriteIndex(int& index, int known)
{
    std::optional<int> first;
    if (known >= 0 && known <= lastIndex)
        first = known;
    return agreedReading(index, first, [this](int& now) { return readWriteIndex(now); });
}

// A garbled name picks another logger's log, a garbled capacity walks another ring. And a
// logger plugged in for another keeps nothing of the other's record: an initialisation date
// or clock of the logger before it would answer whether a log is its own.
UsbErrorCodes UsbCom::readConfirmedIdentity(bool fieldsRead)
{
    const auto key = [this] { return LoggerKey{deviceName, serialNumber, memoryCode}; };
    std::optional<LoggerKey> first;
    if (fieldsRead)
        first = key();
    // The record read afresh is itself a reading, which may be garbled: then once more.
    constexpr int maxRecords = 2;
    for (int records = 0;; ++records) {
        LoggerKey agreed;
        UsbErrorCodes result = agreedReading(agreed, first, [&](LoggerKey& now) {
            const UsbErrorCodes read = readIdentity();
            if (read == UsbOk)
                now = key();
            return read;
        });
        if (result != UsbOk)
            return result;
        if (recordMemoryCode >= 0 && agreed == LoggerKey{recordName, recordSerial, quint8(recordMemoryCode)})
            return UsbOk;
        if (records == maxRecords)
            return UsbBadReply;
        result = getDeviceInfo();
        if (result != UsbOk)
            return result;
        if (key() == agreed)
            return UsbOk;
        first = key();
    }
}

UsbErrorCodes UsbCom::getDeviceInfo()
{
    recordMemoryCode = -1; // until the record is read whole
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
    recordName = deviceName;
    recordSerial = serialNumber;
    recordMemoryCode = memoryCode;
    return calibrationResult;
}
