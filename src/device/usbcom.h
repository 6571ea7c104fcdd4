#pragma once
// One connection to one Vigilor logger for one device command or dialog: finding and
// configuring it, the framed request/reply transaction, every command, the device
// record read into public fields, clock checking and tuning, and the service functions.
// Defined by family: usbcom.cpp (link and transaction), usbcomidentity.cpp (device record
// and write index), usbcomlogmemory.cpp, usbcomcommands.cpp (settings), usbcomclock.cpp and
// usbcomservice.cpp.
#include "device/ftdiapi.h"
#include "logrecords/logentry.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class QWidget;

// Result of every device operation.
enum UsbErrorCodes : unsigned {
    UsbOk = 0,
    UsbLibraryError = 1,
    UsbDriverError = 2,
    UsbTransferError = 3,
    UsbNoChannel = 4,
    UsbInternalError = 5,
    UsbBadParameter = 6,
    UsbNoDevice = 7,
    UsbBadReply = 8
};

// The logger's 36-byte identity record (reply to configuration read 0/0).
struct DeviceIdentity {
    enum : int {
        Size = 36,
        Model = 0,          // 8 bytes UTF-8
        Name = 8,           // 8 bytes UTF-8, blank-padded
        Serial = 16,        // 8 bytes UTF-8
        HardwareCode = 24,  // big-endian
        Word26 = 26,        // held, little-endian
        Firmware = 28,      // little-endian
        MemoryCode = 30,
        ClockChip = 31,
        BatteryLevel = 32,
        StatusBits = 33,
        WriteIndex = 34     // little-endian
    };
    unsigned char bytes[Size];
};

// The logger's 256-byte configuration memory; packed times are 4 bytes each.
struct DeviceConfigMemory {
    enum : int {
        Size = 256,
        InfoSize = 128, // the part the device-information read takes
        InitDate = 24,
        ReadoutDate = 28,
        CommissionedDate = 32,
        RepairedDate = 36,
        BatteryChangeDate = 40,
        ResetDate = 44,
        OpenedDate = 48,
        ClosedDate = 52,
        WetDate = 56,
        DryDate = 60,
        ChargedDate = 64,
        DischargedDate = 68,
        DeepDischargeDate = 72,
        Byte76 = 76,
        Byte77 = 77,
        Byte78 = 78,
        Byte79 = 79,
        Word80 = 80,
        ResetCount = 82,
        LogCount = 84,
        ClockResetCount = 86,
        InitCount = 88,
        WetCount = 90,
        Byte92 = 92,
        OptionFlags = 95
    };
    unsigned char bytes[Size];
};

// Reply to the page command: '@' and 64 slots of 11 bytes (a LogEntry and one unused byte).
struct DeviceLogPage {
    enum : int { Size = 705, SlotCount = 64, SlotSize = 11, BodySize = SlotCount * SlotSize };
    static constexpr int slotOffset(int k) { return 1 + SlotSize * k; }
    unsigned char bytes[Size];
};

class UsbCom : public QObject
{
    Q_OBJECT
public:
    enum : int { FrameSize = 144, ReplySize = 145 };

    explicit UsbCom(QObject* parent = nullptr);
    ~UsbCom() override;

    // --- link and transaction ---
    void clearInfo();
    UsbErrorCodes open();
    // The transaction on a caller's frame. reply must hold 145 bytes (705 for the page
    // command 0x0C).
    UsbErrorCodes sendFrame(unsigned char* frame, unsigned char* reply);
    // Tells the user about a result code; true when the user chose "Ismét".
    bool showError(UsbErrorCodes code, bool offerRetry);
    static QString errorText(UsbErrorCodes code);
    static void setChecksum(unsigned char* frame);
    static bool checkChecksum(const unsigned char* buffer);

    // --- device commands ---
    UsbErrorCodes getDeviceInfo();
    // The identity record alone into the fields (name, serial number, capacity, write
    // index...), as the first step of getDeviceInfo takes it.
    UsbErrorCodes readIdentity();
    UsbErrorCodes setClock(const QDateTime& t);
    UsbErrorCodes getClock();
    UsbErrorCodes initDevice(const QString& name, const QDateTime& t);
    UsbErrorCodes readEntry(unsigned short index);
    // reply must hold DeviceLogPage::Size bytes. Only a full '@' page is success.
    UsbErrorCodes readPage(unsigned short start, unsigned char* reply);
    // The logger's write index now, from a fresh identity read; the fields keep the values
    // of the last getDeviceInfo. A reply without an identity, with another name, serial
    // number or capacity than the fields, or with an index outside the ring is a bad reply.
    UsbErrorCodes readWriteIndex(int& index);
    // The write index once two identity reads in a row agree on it; known, when inside the
    // ring, is an earlier reading (the fields' own) that counts as the first. A bad reply
    // when no two agree within a few readings.
    UsbErrorCodes readConfirmedWriteIndex(int& index, int known = -1);
    // The identity read again until two readings in a row agree on name, serial number and
    // capacity; the fields then hold the later one, as readIdentity fills them. fieldsRead:
    // the fields hold a reading already (getDeviceInfo's), which counts as the first. Where
    // the agreed logger is not the one the rest of the record was read from (a garbled first
    // reply, or another logger on the link now), the whole record is read afresh, so that
    // every field describes the logger confirmed. A bad reply when no two agree within a few
    // readings.
    UsbErrorCodes readConfirmedIdentity(bool fieldsRead);
    UsbErrorCodes setName();
    UsbErrorCodes readCalibration();
    UsbErrorCodes setCalibration();
    UsbErrorCodes writeOptionFlags();
    UsbErrorCodes writeReadoutTime();
    UsbErrorCodes refreshClockIfClosed();
    UsbErrorCodes writeConfigRange(const unsigned char* data, int count, int address);
    UsbErrorCodes readConfigRange(unsigned char* data, int count, int address);
    UsbErrorCodes sendSignalTest(char mode, int frequency);
    int ringDistance(unsigned from, unsigned to) const;
    int memorySizeCode() const;
    // False for an unknown capacity or a write index outside the ring: the ring walks of
    // the read-out and the clock tuning would never end or would read nonsense slots.
    bool ringIsValid() const;

    // --- clock check and status lines ---
    bool clockWithinTolerance() const;
    QString batteryPercentText() const;
    QString clockDriftText() const;
    QString batteryStatusLine(QWidget* field) const;
    QString caseStatusLine(QWidget* field) const;
    QString moistureStatusLine(QWidget* field) const;
    QString clockStatusLine(QWidget* field) const;

    // --- service functions ---
    UsbErrorCodes setByteWord(unsigned char b, unsigned short w);
    UsbErrorCodes getQueryWord(int s, unsigned char* out1, unsigned char* out2, unsigned char* out3);
    // out must hold 144 bytes.
    UsbErrorCodes runServiceCommand(int n, const unsigned char* data, int m, unsigned char* out);
    UsbErrorCodes writeConfigTime(int address, const QDateTime& t);
    QString memoryText() const;
    QString capacityText() const;
    QString clockChipText() const;
    QString batteryVoltageText() const;
    QString caseText() const;
    QString moistureText() const;
    QString voltageText(unsigned short v) const;
    QString batteryTemperatureLine(QWidget* field) const;
    int tuneToRegister(int v) const;
    int registerToTune(unsigned short r) const;
    int toneDivider(int f) const;
    int toneFrequency(unsigned short d) const;
    int encodeCalibration(int v) const;
    int decodeCalibration(int b) const;
    int chipCount() const;
    int chipAddress(int n) const;
    double batteryTemperature(short raw) const;
    UsbErrorCodes eraseLog();
    UsbErrorCodes saveRepairLog(QWidget* parent);
    UsbErrorCodes saveSystemNvm(QWidget* parent);
    UsbErrorCodes restoreSystemNvm(QWidget* parent);

    // --- clock tuning ---
    UsbErrorCodes tuneClock();

    // --- fields, read directly by the dialogs and the read-out ---
    FtdiApi::Handle handle = nullptr;
    unsigned char frame[FrameSize] = {};
    unsigned char reply[ReplySize] = {};
    qint16 temperatureRaw = 0;
    quint16 configByte79 = 0;
    quint16 configWord80 = 0;
    quint16 batteryVoltage = 0;
    qint32 writeIndex = 0;
    qint32 lastIndex = 0;
    quint16 firmwareVersion = 0;
    quint16 hardwareCode = 0;
    quint16 identityWord26 = 0;
    quint16 resetCount = 0;
    quint16 logCount = 0;
    quint16 clockResetCount = 0;
    quint16 initCount = 0;
    quint16 wetCount = 0;
    quint8 memoryCode = 0;
    quint8 clockChip = 0;
    quint8 clockCalibration = 0;
    quint8 statusBits = 0;
    quint8 batteryLevel = 0;
    quint16 configByte92 = 0;
    quint16 configByte76 = 0;
    quint16 configByte77 = 0;
    quint16 configByte78 = 0;
    quint16 optionFlags = 0;
    QString model;
    QString deviceName;
    QString serialNumber;
    QDateTime pcTime;
    QDateTime deviceTime;
    QDateTime initDate;
    QDateTime readoutDate;
    QDateTime commissionedDate;
    QDateTime repairedDate;
    QDateTime batteryChangeDate;
    QDateTime chargedDate;
    QDateTime dischargedDate;
    QDateTime deepDischargeDate;
    QDateTime openedDate;
    QDateTime closedDate;
    QDateTime wetDate;
    QDateTime dryDate;
    QDateTime resetDate;
    LogEntry lastEntry;

private:
    // Name, serial number and capacity of the logger getDeviceInfo last read whole;
    // recordMemoryCode -1 while none is.
    QString recordName;
    QString recordSerial;
    int recordMemoryCode = -1;

    UsbErrorCodes transact(const unsigned char* request, unsigned char* answer);
    UsbErrorCodes readConfigMemory(unsigned char* data, int count, int address);
    UsbErrorCodes writeConfigMemory(const unsigned char* data, int count, int address);
    UsbErrorCodes queryWord(int s, unsigned char* out1, unsigned char* out2, unsigned char* out3);
    UsbErrorCodes sendPackedTime(unsigned char command, const QDateTime& t);
    UsbErrorCodes sendName(const QString& name);
    UsbErrorCodes configure();
    void awaitQuietLine();
    UsbErrorCodes wakeUp(unsigned char* answer);
    bool clockWasRead() const;
    bool tuneCalibration(qint64 elapsed);
};
