#pragma once
#include <QByteArray>
#include <QDateTime>

// The memory, clock and log ring of one simulated logger; the protocol reads and changes them.
// Knows nothing of the link: SimulatedLogger feeds it checked frames.
class SimulatedDevice
{
public:
    enum RingMode {
        EraseAhead, // the slot at the write index is kept erased (0xFF x 10)
        NoGap       // every slot holds a record once the ring is full
    };
    static constexpr int IdentitySize = 36;
    static constexpr int ConfigSize = 256;
    static constexpr int RecordSize = 10;

    SimulatedDevice();

    // USB strings and the driver's "opened elsewhere" flag.
    QByteArray description = "Vigilor";
    QByteArray usbSerial = "SIM00001";
    bool openedElsewhere = false;
    bool detailFails = false; // getDeviceInfoDetail fails for this entry
    bool pluggedIn = true;

    // Identity record (36 bytes) and its fields.
    QByteArray identity() const { return m_identity; }
    bool setIdentity(const QByteArray& bytes); // exactly 36 bytes; keeps the ring size in step
    void setName(const QByteArray& name);      // blank-padded or cut to 8 bytes
    QByteArray name() const { return m_identity.mid(8, 8); }
    void setHardwareCode(quint16 code);
    quint16 hardwareCode() const;
    // Changes the capacity; the ring is erased. An unknown code gives a ring of one slot.
    void setMemoryCode(quint8 code);
    quint8 memoryCode() const { return quint8(m_identity[30]); }
    int lastIndex() const; // from the capacity table, 0 for an unknown size
    int writeIndex() const;
    void setWriteIndex(int index); // stored as given, even beyond lastIndex

    // Configuration memory (256 bytes).
    QByteArray config() const { return m_config; }
    bool setConfig(const QByteArray& bytes); // exactly 256 bytes
    void setConfigBytes(int address, const QByteArray& bytes);
    quint16 configWord(int address) const;
    quint8 optionFlags() const { return quint8(m_config[95]); }

    quint8 calibration = 0;
    short temperatureRaw = 2150; // 'A' query
    quint16 batteryVoltage = 395; // '@' query, 10 mV units

    // Clock: the host's local wall time (Clock) plus an offset, plus a drift in ppm since
    // the clock was last set.
    QDateTime now() const; // local wall time of the logger, as the program sees it
    void setClock(const QDateTime& t);
    void setClockOffset(qint64 ms); // ahead of the host's local time by ms
    qint64 clockOffset() const;      // the same, with the drift gathered so far
    void setClockDrift(double ppm);
    double clockDrift() const { return m_driftPpm; }
    // Serve these 4 packed bytes as the clock (for example an impossible date) until set.
    void setRawClock(const QByteArray& packed);
    QByteArray packedClock() const;

    // Log ring.
    RingMode ringMode = EraseAhead;
    bool logClockSet = true;     // 0x02 appends a clock-set record 219
    bool initClearsLog = false;  // 0x05 erases the ring and sets the write index to 0
    QByteArray record(int index) const; // index taken modulo the ring size
    void setRecord(int index, const QByteArray& bytes);
    void appendRecord(const QByteArray& bytes);
    void appendTouch(const QDateTime& t, const QByteArray& code);
    // Merges with the newest record when option 0x01 is set and it is the same kind (215-218).
    void appendEvent(int kind, const QDateTime& t1, const QDateTime& t2, int repeat = 0);
    // n touches one minute apart ending now, with distinct codes.
    void fill(int n);
    void eraseRing();
    int ringSlots() const { return m_ring.size() / RecordSize; }
    QByteArray ring() const { return m_ring; }
    bool setRing(const QByteArray& bytes); // must match the capacity

    // The logger's packed time: 2000-2099 only.
    static QByteArray packTime(const QDateTime& t);
    static QDateTime unpackTime(const QByteArray& packed); // invalid for impossible fields
    static int lastIndexForMemoryCode(quint8 code);

private:
    qint64 hostLocalMs() const;

    QByteArray m_identity;
    QByteArray m_config;
    QByteArray m_ring;
    QByteArray m_rawClock;
    qint64 m_clockOffsetMs = 0;
    double m_driftPpm = 0;
    qint64 m_clockSetAtMs = 0;
};
