#include "simulator/simulateddevice.h"

#include "core/clock.h"
#include "simulator/simbytes.h"

#include <cmath>

using SimBytes::le16;
using SimBytes::padded;
using SimBytes::putLe16;

namespace {

QDateTime at(int y, int mo, int d, int h, int mi)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::LocalTime);
}

} // namespace

SimulatedDevice::SimulatedDevice()
    : m_identity(IdentitySize, '\0')
    , m_config(ConfigSize, '\0')
{
    m_identity.replace(0, 8, "VGL-770 ");
    m_identity.replace(8, 8, "PROBA   ");
    m_identity.replace(16, 8, "SIM00001");
    setHardwareCode(0x0202);
    putLe16(m_identity, 28, 0x0215); // firmware
    m_identity[31] = char(114);      // RS5C372A clock chip
    m_identity[32] = char(0xFB);     // battery 85 %
    m_identity[33] = char(0xE0);     // charged, closed, dry
    setMemoryCode(0x01);

    // Undefined areas carry a pattern so that memory save and restore can be checked.
    for (int i = 0; i < ConfigSize; ++i)
        m_config[i] = char((i * 37 + 11) & 0xFF);
    const QDateTime dates[] = {
        at(2023, 1, 10, 9, 0),  at(2023, 6, 1, 12, 0),   at(2022, 3, 1, 8, 0),
        at(2022, 11, 15, 10, 30), at(2022, 11, 15, 10, 40), at(2023, 1, 10, 8, 59),
        at(2022, 11, 15, 10, 0), at(2022, 11, 15, 11, 0), at(2022, 7, 1, 14, 0),
        at(2022, 7, 2, 14, 0),  at(2023, 5, 30, 20, 0),  at(2023, 5, 20, 6, 0),
        at(2022, 1, 1, 0, 0)};
    int address = 24;
    for (const QDateTime& d : dates) {
        m_config.replace(address, 4, packTime(d));
        address += 4;
    }
    const int counters[] = {3, 120, 1, 2, 0}; // reset, log, clock reset, init, wetting
    for (int i = 0; i < 5; ++i)
        putLe16(m_config, 82 + 2 * i, counters[i]);
    m_config[95] = char(0x56);
    m_clockSetAtMs = Clock::currentMSecsSinceEpoch();
}

bool SimulatedDevice::setIdentity(const QByteArray& bytes)
{
    if (bytes.size() != IdentitySize)
        return false;
    const quint8 oldCode = memoryCode();
    m_identity = bytes;
    if (ringSlots() != lastIndexForMemoryCode(memoryCode()) + 1 || oldCode != memoryCode()) {
        const int index = writeIndex();
        setMemoryCode(memoryCode());
        setWriteIndex(index);
    }
    return true;
}

void SimulatedDevice::setName(const QByteArray& name)
{
    m_identity.replace(8, 8, padded(name, 8));
}

void SimulatedDevice::setHardwareCode(quint16 code)
{
    m_identity[24] = char(code >> 8); // the one big-endian field
    m_identity[25] = char(code & 0xFF);
}

quint16 SimulatedDevice::hardwareCode() const
{
    return quint16((quint8(m_identity[24]) << 8) | quint8(m_identity[25]));
}

void SimulatedDevice::setMemoryCode(quint8 code)
{
    m_identity[30] = char(code);
    m_ring = QByteArray((lastIndexForMemoryCode(code) + 1) * RecordSize, char(0xFF));
}

int SimulatedDevice::lastIndex() const
{
    return lastIndexForMemoryCode(memoryCode());
}

int SimulatedDevice::writeIndex() const
{
    return le16(m_identity, 34);
}

void SimulatedDevice::setWriteIndex(int index)
{
    putLe16(m_identity, 34, index);
}

bool SimulatedDevice::setConfig(const QByteArray& bytes)
{
    if (bytes.size() != ConfigSize)
        return false;
    m_config = bytes;
    return true;
}

void SimulatedDevice::setConfigBytes(int address, const QByteArray& bytes)
{
    for (int i = 0; i < bytes.size() && address + i < ConfigSize; ++i)
        if (address + i >= 0)
            m_config[address + i] = bytes[i];
}

quint16 SimulatedDevice::configWord(int address) const
{
    return quint16(le16(m_config, address));
}

qint64 SimulatedDevice::hostLocalMs() const
{
    const qint64 now = Clock::currentMSecsSinceEpoch();
    return now + qint64(QDateTime::fromMSecsSinceEpoch(now, Qt::LocalTime).offsetFromUtc()) * 1000;
}

QDateTime SimulatedDevice::now() const
{
    if (!m_rawClock.isEmpty())
        return unpackTime(m_rawClock);
    const qint64 wall = hostLocalMs() + clockOffset();
    const QDateTime utc = QDateTime::fromMSecsSinceEpoch(wall, Qt::UTC);
    return QDateTime(utc.date(), utc.time(), Qt::LocalTime);
}

void SimulatedDevice::setClock(const QDateTime& t)
{
    const qint64 wall = QDateTime(t.date(), t.time(), Qt::UTC).toMSecsSinceEpoch();
    m_clockOffsetMs = wall - hostLocalMs();
    m_clockSetAtMs = Clock::currentMSecsSinceEpoch();
    m_rawClock.clear();
}

void SimulatedDevice::setClockOffset(qint64 ms)
{
    m_clockOffsetMs = ms;
    m_clockSetAtMs = Clock::currentMSecsSinceEpoch();
    m_rawClock.clear();
}

qint64 SimulatedDevice::clockOffset() const
{
    const qint64 elapsed = Clock::currentMSecsSinceEpoch() - m_clockSetAtMs;
    return m_clockOffsetMs + qint64(std::llround(elapsed * m_driftPpm / 1e6));
}

void SimulatedDevice::setClockDrift(double ppm)
{
    // Keep the drift gathered so far, then drift at the new rate from now on.
    m_clockOffsetMs = clockOffset();
    m_clockSetAtMs = Clock::currentMSecsSinceEpoch();
    m_driftPpm = ppm;
}

void SimulatedDevice::setRawClock(const QByteArray& packed)
{
    m_rawClock = packed.left(4);
}

QByteArray SimulatedDevice::packedClock() const
{
    return m_rawClock.isEmpty() ? packTime(now()) : m_rawClock;
}

QByteArray SimulatedDevice::record(int index) const
{
    const int slotCount = ringSlots();
    const int i = ((index % slotCount) + slotCount) % slotCount;
    return m_ring.mid(i * RecordSize, RecordSize);
}

void SimulatedDevice::setRecord(int index, const QByteArray& bytes)
{
    const int slotCount = ringSlots();
    const int i = ((index % slotCount) + slotCount) % slotCount;
    m_ring.replace(i * RecordSize, RecordSize, padded(bytes, RecordSize));
}

void SimulatedDevice::appendRecord(const QByteArray& bytes)
{
    const int slotCount = ringSlots();
    int w = writeIndex() % slotCount;
    setRecord(w, bytes);
    w = (w + 1) % slotCount;
    if (ringMode == EraseAhead)
        setRecord(w, QByteArray(RecordSize, char(0xFF)));
    setWriteIndex(w);
}

void SimulatedDevice::appendTouch(const QDateTime& t, const QByteArray& code)
{
    QByteArray rec = packTime(t);
    rec.append(code.left(6));
    while (rec.size() < RecordSize)
        rec.append('\0');
    appendRecord(rec);
}

void SimulatedDevice::appendEvent(int kind, const QDateTime& t1, const QDateTime& t2, int repeat)
{
    if ((optionFlags() & 0x01) && kind >= 215 && kind <= 218) {
        const int newest = writeIndex() % ringSlots() - 1;
        QByteArray prev = record(newest);
        if (quint8(prev[0]) == kind) {
            // Merged in place: the second time (what continuity compares) stays.
            prev.replace(1, 4, packTime(t1));
            prev[9] = char(qMin(255, quint8(prev[9]) + 1 + qMax(0, repeat)));
            setRecord(newest, prev);
            return;
        }
    }
    QByteArray rec(1, char(kind));
    rec.append(packTime(t1));
    rec.append(packTime(t2));
    rec.append(char(qBound(0, repeat, 255)));
    appendRecord(rec);
}

void SimulatedDevice::fill(int n)
{
    const QDateTime end = now();
    for (int i = 0; i < n; ++i) {
        const QByteArray code = QByteArray::fromHex("10203040") + char((i >> 8) & 0xFF) + char(i & 0xFF);
        appendTouch(end.addSecs(60LL * (i - n + 1)), code);
    }
}

void SimulatedDevice::eraseRing()
{
    m_ring.fill(char(0xFF));
}

bool SimulatedDevice::setRing(const QByteArray& bytes)
{
    if (bytes.size() != m_ring.size())
        return false;
    m_ring = bytes;
    return true;
}

QByteArray SimulatedDevice::packTime(const QDateTime& t)
{
    const QDate d = t.date();
    const QTime tm = t.time();
    const int month = d.month();
    const int units = tm.hour() * 1800 + tm.minute() * 30 + tm.second() / 2;
    QByteArray out(4, '\0');
    out[0] = char((d.year() % 100) * 2 + (month > 7 ? 1 : 0));
    out[1] = char(((month & 7) << 5) | d.day());
    out[2] = char(units >> 8);
    out[3] = char(units & 0xFF);
    return out;
}

QDateTime SimulatedDevice::unpackTime(const QByteArray& packed)
{
    if (packed.size() < 4)
        return QDateTime();
    const int b0 = quint8(packed[0]);
    const int b1 = quint8(packed[1]);
    const int units = (quint8(packed[2]) << 8) | quint8(packed[3]);
    const int month = ((b0 & 1) << 3) | (b1 >> 5);
    const QDate date(2000 + b0 / 2, month, b1 & 0x1F);
    if (b0 > 199 || units > 43199 || !date.isValid())
        return QDateTime();
    return QDateTime(date, QTime(units / 1800, (units % 1800) / 30, (units % 30) * 2), Qt::LocalTime);
}

int SimulatedDevice::lastIndexForMemoryCode(quint8 code)
{
    static const int table[][2] = {{8, 818},     {16, 1637},   {24, 2456},   {32, 3275},
                                   {40, 4094},   {48, 4913},   {56, 5732},   {64, 6551},
                                   {96, 9827},   {128, 13103}, {160, 16379}, {192, 19655},
                                   {224, 22931}, {256, 26207}, {512, 52415}};
    const int k = code >> 4;
    const int kb = (8 << k) * (code & 0x0F);
    for (const auto& row : table)
        if (row[0] == kb)
            return row[1];
    return 0;
}
