#include "simulator/simulatedlogger.h"

#include "core/clock.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>
#include <utility>

namespace {

constexpr int maxFrame = 144;
constexpr int pageSlots = 64;
constexpr int maxDevices = 8;
constexpr qint64 maxStateFileSize = 8 * 1024 * 1024;
constexpr quint8 clockSetKind = 219;

QString hex(quint8 b)
{
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

QByteArray padded(const QByteArray& text, int size)
{
    QByteArray out = text.left(size);
    while (out.size() < size)
        out.append(' ');
    return out;
}

void putLe16(QByteArray& bytes, int at, int value)
{
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char((value >> 8) & 0xFF);
}

int le16(const QByteArray& bytes, int at)
{
    return quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8);
}

QDateTime at(int y, int mo, int d, int h, int mi)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::LocalTime);
}

} // namespace

// ---------------------------------------------------------------------------------------
// SimulatedDevice

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

// ---------------------------------------------------------------------------------------
// SimulatedLogger: the driver and the link

SimulatedLogger::SimulatedLogger()
    : m_devices(1)
{
}

SimulatedLogger::~SimulatedLogger() = default;

int SimulatedLogger::addDevice(const QByteArray& description, const QByteArray& serial)
{
    SimulatedDevice dev;
    dev.description = description;
    dev.usbSerial = serial;
    QByteArray identity = dev.identity();
    identity.replace(16, 8, padded(serial, 8));
    dev.setIdentity(identity);
    m_devices.push_back(dev);
    return deviceCount() - 1;
}

void SimulatedLogger::removeDevices()
{
    m_devices.clear();
    m_listed.clear();
    m_sessions.clear();
}

bool SimulatedLogger::Session::linkConfigured() const
{
    return baud == 55555 && dataBits == 8 && stopBits == StopBits2 && parity == ParityNone
        && flow == FlowNone;
}

int SimulatedLogger::callCount(const QString& name) const
{
    int n = 0;
    for (const QString& c : m_calls)
        if (c == name || c.startsWith(name + QLatin1Char(' ')))
            ++n;
    return n;
}

QList<QByteArray> SimulatedLogger::framesOf(int command) const
{
    QList<QByteArray> out;
    for (const QByteArray& f : m_frames)
        if (f.size() > 1 && quint8(f[1]) == command)
            out.append(f);
    return out;
}

void SimulatedLogger::clearLogs()
{
    m_violations.clear();
    m_calls.clear();
    m_frames.clear();
    m_replies.clear();
}

void SimulatedLogger::failCall(const QString& name, int nth, int shortBy)
{
    m_callFaults[name].push_back(CallFault{nth, 0, shortBy});
}

void SimulatedLogger::failWakeUps(int count, int byte)
{
    m_wakeFaults = count;
    m_wakeByte = byte;
}

void SimulatedLogger::injectReplyFault(int command, int nth, ReplyFault fault, int arg, int count,
                                       const QByteArray& bytes)
{
    m_faults.push_back(Fault{command, nth, 0, fault, arg, count, bytes});
}

void SimulatedLogger::serveReplies(const QList<QByteArray>& replies)
{
    m_served.append(replies);
}

void SimulatedLogger::unplugAfter(int transactions, int keepBytes)
{
    m_unplugAfter = transactions;
    m_unplugKeep = keepBytes;
    if (transactions <= 0 && keepBytes < 0) {
        for (SimulatedDevice& dev : m_devices)
            dev.pluggedIn = false;
        m_unplugAfter = -1;
    }
}

void SimulatedLogger::clearFaults()
{
    m_failDeviceList = false;
    m_callFaults.clear();
    m_wakeFaults = 0;
    m_wakeByte = -1;
    m_faults.clear();
    m_served.clear();
    m_unplugAfter = -1;
    m_unplugKeep = -1;
}

QByteArray SimulatedLogger::makeReply(quint8 command, const QByteArray& payload)
{
    QByteArray body(1, char(command));
    body.append(payload);
    QByteArray out(1, char(body.size() + 1));
    out.append(body);
    out.append(char(checksum(body, 0, body.size())));
    return out;
}

QByteArray SimulatedLogger::makeFrame(const QByteArray& commandAndParams)
{
    QByteArray out(1, char(commandAndParams.size() + 1));
    out.append(commandAndParams);
    out.append(char(checksum(commandAndParams, 0, commandAndParams.size())));
    return out;
}

quint8 SimulatedLogger::checksum(const QByteArray& bytes, int from, int to)
{
    quint8 x = 0xE5;
    for (int i = qMax(0, from); i < to && i < bytes.size(); ++i)
        x ^= quint8(bytes[i]);
    return x;
}

void SimulatedLogger::log(const QString& call)
{
    if (m_recording)
        m_calls.append(call);
}

void SimulatedLogger::violation(const QString& what)
{
    m_violations.append(what);
}

bool SimulatedLogger::callFails(const QString& name, int* shortBy)
{
    auto it = m_callFaults.find(name);
    if (it == m_callFaults.end())
        return false;
    bool fails = false;
    auto& list = it->second;
    for (auto f = list.begin(); f != list.end();) {
        ++f->seen;
        if (!fails && (f->nth == 0 || f->seen == f->nth)) {
            fails = true;
            if (shortBy)
                *shortBy = f->shortBy;
            if (f->nth != 0) {
                f = list.erase(f);
                continue;
            }
        }
        ++f;
    }
    return fails;
}

SimulatedLogger::Session* SimulatedLogger::session(Handle h, const char* call)
{
    if (!h)
        return nullptr;
    auto it = m_sessions.find(reinterpret_cast<quintptr>(h));
    if (it == m_sessions.end()) {
        violation(QStringLiteral("%1 with a handle that is not open").arg(QLatin1String(call)));
        return nullptr;
    }
    return &it->second;
}

void SimulatedLogger::notifyChanged()
{
    if (m_changed)
        m_changed();
}

bool SimulatedLogger::createDeviceInfoList(int& count)
{
    log(QStringLiteral("createDeviceInfoList"));
    count = 0;
    if (m_failDeviceList || callFails(QStringLiteral("createDeviceInfoList")))
        return false;
    m_listed.clear();
    for (int i = 0; i < deviceCount(); ++i)
        if (m_devices[size_t(i)].pluggedIn)
            m_listed.push_back(i);
    count = int(m_listed.size());
    return true;
}

bool SimulatedLogger::getDeviceInfoDetail(int index, unsigned& flags, QByteArray& serial,
                                          QByteArray& description)
{
    log(QStringLiteral("getDeviceInfoDetail %1").arg(index));
    flags = 0;
    serial.clear();
    description.clear();
    if (callFails(QStringLiteral("getDeviceInfoDetail")))
        return false;
    if (index < 0 || index >= int(m_listed.size())) {
        violation(QStringLiteral("getDeviceInfoDetail for index %1 of %2").arg(index).arg(m_listed.size()));
        return false;
    }
    const int d = m_listed[size_t(index)];
    const SimulatedDevice& dev = m_devices[size_t(d)];
    if (dev.detailFails)
        return false;
    bool ours = false;
    for (const auto& s : m_sessions)
        ours = ours || s.second.device == d;
    flags = (dev.openedElsewhere || ours) ? 1u : 0u;
    serial = dev.usbSerial.left(15);
    description = dev.description.left(63);
    return true;
}

FtdiApi::Handle SimulatedLogger::openBySerial(const QByteArray& serial)
{
    log(QStringLiteral("openBySerial %1").arg(QString::fromLatin1(serial)));
    if (callFails(QStringLiteral("openBySerial")))
        return nullptr;
    for (int d = 0; d < deviceCount(); ++d) {
        const SimulatedDevice& dev = m_devices[size_t(d)];
        if (!dev.pluggedIn || dev.usbSerial != serial)
            continue;
        if (dev.openedElsewhere)
            return nullptr;
        for (const auto& s : m_sessions)
            if (s.second.device == d)
                return nullptr;
        Session s;
        s.device = d;
        const quintptr h = m_nextHandle;
        m_nextHandle += 0x10;
        m_sessions[h] = s;
        return reinterpret_cast<Handle>(h);
    }
    return nullptr;
}

bool SimulatedLogger::close(Handle h)
{
    log(QStringLiteral("close"));
    if (callFails(QStringLiteral("close")) || !session(h, "close"))
        return false;
    m_sessions.erase(reinterpret_cast<quintptr>(h));
    return true;
}

bool SimulatedLogger::configure(Handle h, const QString& call)
{
    log(call);
    const QString name = call.section(QLatin1Char(' '), 0, 0);
    if (callFails(name))
        return false;
    Session* s = session(h, name.toLatin1().constData());
    return s && m_devices[size_t(s->device)].pluggedIn;
}

bool SimulatedLogger::resetDevice(Handle h)
{
    if (!configure(h, QStringLiteral("resetDevice")))
        return false;
    Session& s = *session(h, "resetDevice");
    const int d = s.device;
    s = Session();
    s.device = d;
    return true;
}

bool SimulatedLogger::setLatencyTimer(Handle h, int ms)
{
    if (!configure(h, QStringLiteral("setLatencyTimer %1").arg(ms)))
        return false;
    if (ms != 8)
        violation(QStringLiteral("latency timer %1 ms, expected 8").arg(ms));
    return true;
}

bool SimulatedLogger::setUsbParameters(Handle h, int inTransferSize, int outTransferSize)
{
    if (!configure(h, QStringLiteral("setUsbParameters %1 %2").arg(inTransferSize).arg(outTransferSize)))
        return false;
    if (inTransferSize != 1024 || outTransferSize != 64)
        violation(QStringLiteral("USB transfer sizes %1/%2, expected 1024/64").arg(inTransferSize).arg(outTransferSize));
    return true;
}

bool SimulatedLogger::setBaudRate(Handle h, int baud)
{
    if (!configure(h, QStringLiteral("setBaudRate %1").arg(baud)))
        return false;
    session(h, "setBaudRate")->baud = baud;
    return true;
}

bool SimulatedLogger::setDataCharacteristics(Handle h, int dataBits, StopBits stopBits, Parity parity)
{
    if (!configure(h, QStringLiteral("setDataCharacteristics %1 %2 %3").arg(dataBits).arg(int(stopBits)).arg(int(parity))))
        return false;
    Session* s = session(h, "setDataCharacteristics");
    s->dataBits = dataBits;
    s->stopBits = stopBits;
    s->parity = parity;
    return true;
}

bool SimulatedLogger::setFlowControl(Handle h, FlowControl flow, char xon, char xoff)
{
    if (!configure(h, QStringLiteral("setFlowControl %1 %2 %3").arg(int(flow)).arg(hex(quint8(xon))).arg(hex(quint8(xoff)))))
        return false;
    session(h, "setFlowControl")->flow = flow;
    return true;
}

bool SimulatedLogger::setTimeouts(Handle h, int readMs, int writeMs)
{
    if (!configure(h, QStringLiteral("setTimeouts %1 %2").arg(readMs).arg(writeMs)))
        return false;
    if ((readMs != 500 && readMs != 1500) || writeMs != 200)
        violation(QStringLiteral("time-outs %1/%2 ms").arg(readMs).arg(writeMs));
    return true;
}

bool SimulatedLogger::read(Handle h, unsigned char* buf, int n, int& got)
{
    got = 0;
    log(QStringLiteral("read %1").arg(n));
    if (callFails(QStringLiteral("read")))
        return false;
    Session* s = session(h, "read");
    if (!s || n < 0 || (n > 0 && !buf))
        return false;
    const int take = qMin(n, s->rx.size());
    memcpy(buf, s->rx.constData(), size_t(take));
    s->rx.remove(0, take);
    got = take;
    if (got == n)
        return true;
    // The read timed out: a late tail arrives now, and a half-received frame is dropped
    // by the logger's own receive time-out.
    s->rx.append(s->late);
    s->late.clear();
    if (s->awake) {
        violation(s->frame.isEmpty()
                      ? QStringLiteral("no frame after the wake-up answer")
                      : QStringLiteral("incomplete frame %1").arg(QString::fromLatin1(s->frame.toHex(' '))));
        s->awake = false;
        s->frame.clear();
    }
    return m_devices[size_t(s->device)].pluggedIn;
}

bool SimulatedLogger::write(Handle h, const unsigned char* buf, int n, int& written)
{
    written = 0;
    const QByteArray bytes(reinterpret_cast<const char*>(buf), buf ? qMax(0, n) : 0);
    log(QStringLiteral("write %1").arg(QString::fromLatin1(bytes.toHex()).toUpper()));
    int shortBy = 0;
    const bool fails = callFails(QStringLiteral("write"), &shortBy);
    Session* s = session(h, "write");
    if (!s || !m_devices[size_t(s->device)].pluggedIn || n < 0)
        return false;
    if (fails) {
        // Nothing or a broken part went out; the logger's receive time-out drops it.
        s->awake = false;
        s->frame.clear();
        written = shortBy > 0 ? qMax(0, n - shortBy) : 0;
        return shortBy > 0;
    }
    written = n;
    bool strayReported = false;
    for (char c : bytes) {
        if (!s->awake && quint8(c) != 'S') {
            if (!strayReported)
                violation(QStringLiteral("byte %1 sent without a wake-up").arg(hex(quint8(c))));
            strayReported = true;
            continue;
        }
        receive(*s, quint8(c));
    }
    return true;
}

bool SimulatedLogger::purgeRx(Handle h)
{
    log(QStringLiteral("purgeRx"));
    if (callFails(QStringLiteral("purgeRx")))
        return false;
    Session* s = session(h, "purgeRx");
    if (!s)
        return false;
    s->rx.clear();
    s->late.clear();
    return true;
}

void SimulatedLogger::receive(Session& s, unsigned char byte)
{
    if (!s.awake) {
        if (!s.linkConfigured()) {
            violation(QStringLiteral("wake-up on a link not configured as 55555 Bd 8N2 without flow control"));
            if (m_strict)
                return;
        }
        if (m_wakeFaults > 0) {
            --m_wakeFaults;
            if (m_wakeByte >= 0)
                s.rx.append(char(m_wakeByte));
            return;
        }
        s.rx.append('B');
        s.awake = true;
        return;
    }
    if (s.frame.isEmpty() && byte == 0) {
        violation(QStringLiteral("frame with length byte 0"));
        s.awake = false;
        return;
    }
    s.frame.append(char(byte));
    if (s.frame.size() == 1 + quint8(s.frame[0])) {
        const QByteArray frame = s.frame;
        s.frame.clear();
        s.awake = false;
        handleFrame(s, frame);
    }
}

bool SimulatedLogger::checkFrame(const SimulatedDevice& dev, const QByteArray& f)
{
    const int L = quint8(f[0]);
    const int cmd = L >= 1 ? quint8(f[1]) : -1;
    const QString name = QStringLiteral("command %1").arg(hex(quint8(cmd)));
    if (L + 1 > maxFrame) {
        violation(QStringLiteral("%1: frame of %2 bytes, at most %3").arg(name).arg(L + 1).arg(maxFrame));
        return false;
    }
    int expected = -1;
    switch (cmd) {
    case 0x02: case 0x05: case 0x1B: expected = 6; break;
    case 0x03: case 0x1A: expected = 2; break;
    case 0x08: case 0x0C: case 0x19: case 0x1D: case 0x1E: case 0x1F: expected = 4; break;
    case 0x09: expected = 10; break;
    case 0x1C: expected = (L >= 5 && L <= 132) ? L : 5; break;
    case 0x20: expected = L >= 4 ? quint8(f[2]) + 4 : 4; break;
    default:
        violation(QStringLiteral("unknown %1").arg(name));
        return false;
    }
    if (L != expected) {
        violation(QStringLiteral("%1: length %2, expected %3").arg(name).arg(L).arg(expected));
        return false;
    }
    bool sound = true;
    auto bad = [&](const QString& what) {
        violation(QStringLiteral("%1: %2").arg(name, what));
        sound = false;
    };
    if (quint8(f[L]) != checksum(f, 1, L))
        bad(QStringLiteral("checksum %1, expected %2").arg(hex(quint8(f[L]))).arg(hex(checksum(f, 1, L))));
    auto sumOf = [&](int from, int to) {
        int sum = 0;
        for (int i = from; i < to; ++i)
            sum += quint8(f[i]);
        return quint8(sum & 0xFF);
    };
    switch (cmd) {
    case 0x02:
    case 0x05:
        if (!SimulatedDevice::unpackTime(f.mid(2, 4)).isValid())
            bad(QStringLiteral("impossible time %1").arg(QString::fromLatin1(f.mid(2, 4).toHex(' '))));
        break;
    case 0x19: {
        const int b = quint8(f[2]);
        const int value = (b & 0x40) ? (b & 0x3F) - 64 : (b & 0x3F);
        if ((b & 0x80) || value < -62 || value > 62 || f[3] != 0)
            bad(QStringLiteral("calibration %1 %2").arg(hex(quint8(b))).arg(hex(quint8(f[3]))));
        break;
    }
    case 0x1B:
        if (quint8(f[5]) != sumOf(2, 5))
            bad(QStringLiteral("sum %1, expected %2").arg(hex(quint8(f[5]))).arg(hex(sumOf(2, 5))));
        break;
    case 0x1C: {
        const int n = L - 4;
        if (quint8(f[L - 1]) != sumOf(2, L - 1))
            bad(QStringLiteral("sum %1, expected %2").arg(hex(quint8(f[L - 1]))).arg(hex(sumOf(2, L - 1))));
        if (quint8(f[2]) + n > SimulatedDevice::ConfigSize)
            bad(QStringLiteral("write of %1 bytes at %2 beyond the memory").arg(n).arg(quint8(f[2])));
        break;
    }
    case 0x1D: {
        const int a = quint8(f[2]);
        const int n = quint8(f[3]);
        if (!(a == 0 && n == 0) && (n < 1 || n > 128 || a + n > SimulatedDevice::ConfigSize))
            bad(QStringLiteral("read of %1 bytes at %2").arg(n).arg(a));
        break;
    }
    case 0x1E:
        if (quint8(f[2]) & ~0x07)
            bad(QStringLiteral("signal mode %1").arg(hex(quint8(f[2]))));
        break;
    case 0x1F: {
        const int s = quint8(f[2]);
        if ((s != 'A' && s != '@') || f[3] != 0)
            bad(QStringLiteral("query %1 %2").arg(hex(quint8(s))).arg(hex(quint8(f[3]))));
        else if (s == '@' && dev.hardwareCode() == 0x0404)
            bad(QStringLiteral("voltage query on hardware 0404"));
        break;
    }
    case 0x20:
        if (quint8(f[2]) > 128 || quint8(f[3]) > 128)
            bad(QStringLiteral("service block %1 out, %2 back").arg(quint8(f[2])).arg(quint8(f[3])));
        break;
    default:
        break;
    }
    return sound || !m_strict;
}

QByteArray SimulatedLogger::execute(SimulatedDevice& dev, const QByteArray& f, bool& changed)
{
    const quint8 cmd = quint8(f[1]);
    const int L = quint8(f[0]);
    const auto index = [&]() { return quint8(f[2]) | (quint8(f[3]) << 8); };
    const QByteArray ack = makeReply(cmd, QByteArray());
    switch (cmd) {
    case 0x02: {
        const QDateTime t = SimulatedDevice::unpackTime(f.mid(2, 4));
        if (!t.isValid())
            return ack;
        const QByteArray old = dev.packedClock();
        dev.setClock(t);
        if (dev.logClockSet)
            dev.appendRecord(QByteArray(1, char(clockSetKind)) + f.mid(2, 4) + old + QByteArray(1, '\0'));
        changed = true;
        return ack;
    }
    case 0x03:
        return makeReply(cmd, dev.packedClock());
    case 0x05: {
        const QDateTime t = SimulatedDevice::unpackTime(f.mid(2, 4));
        if (t.isValid())
            dev.setClock(t);
        dev.setConfigBytes(24, f.mid(2, 4));
        QByteArray count(2, '\0');
        putLe16(count, 0, dev.configWord(88) + 1);
        dev.setConfigBytes(88, count);
        if (dev.initClearsLog) {
            dev.eraseRing();
            dev.setWriteIndex(0);
        }
        changed = true;
        return ack;
    }
    case 0x08:
        return makeReply(cmd, dev.record(index()));
    case 0x09:
        dev.setName(f.mid(2, 8));
        changed = true;
        return ack;
    case 0x0C: {
        QByteArray page(1, '@');
        for (int k = 0; k < pageSlots; ++k) {
            const QByteArray rec = dev.record(index() + k);
            page.append(rec);
            page.append(char(checksum(rec, 0, rec.size()) ^ 0xE5)); // XOR of the ten bytes
        }
        return page;
    }
    case 0x19:
        dev.calibration = quint8(f[2]);
        changed = true;
        return ack;
    case 0x1A:
        return makeReply(cmd, QByteArray(1, char(dev.calibration)));
    case 0x1C:
        dev.setConfigBytes(quint8(f[2]), f.mid(3, L - 4));
        changed = true;
        return ack;
    case 0x1D: {
        const int a = quint8(f[2]);
        const int n = quint8(f[3]);
        if (a == 0 && n == 0)
            return makeReply(cmd, QByteArray(1, '\0') + dev.identity());
        return makeReply(cmd, QByteArray(1, char(a)) + dev.config().mid(a, n));
    }
    case 0x1F: {
        const quint16 value = f[2] == 'A' ? quint16(dev.temperatureRaw) : dev.batteryVoltage;
        QByteArray payload(1, f[2]);
        payload.append('\0');
        payload.append(char(value & 0xFF));
        payload.append(char(value >> 8));
        return makeReply(cmd, payload);
    }
    case 0x20: {
        const int m = quint8(f[3]);
        return makeReply(cmd, QByteArray(1, char(m)) + QByteArray(m, '\0'));
    }
    default: // 0x1B, 0x1E: only recorded
        return ack;
    }
}

void SimulatedLogger::handleFrame(Session& s, const QByteArray& frame)
{
    if (m_recording)
        m_frames.append(frame);
    SimulatedDevice& dev = m_devices[size_t(s.device)];
    const int cmd = frame.size() > 1 ? quint8(frame[1]) : -1;
    const bool sound = checkFrame(dev, frame);
    if (!m_served.isEmpty()) {
        deliver(s, m_served.takeFirst());
        return;
    }
    if (!sound)
        return;

    const Fault* fired = nullptr;
    Fault firedCopy{};
    for (auto it = m_faults.begin(); it != m_faults.end();) {
        if (it->command == -1 || it->command == cmd) {
            ++it->seen;
            if (!fired && (it->nth == 0 || it->seen == it->nth)) {
                firedCopy = *it;
                fired = &firedCopy;
                if (it->nth != 0) {
                    it = m_faults.erase(it);
                    continue;
                }
            }
        }
        ++it;
    }
    if (fired && fired->kind == Silent)
        return;

    bool changed = false;
    QByteArray reply = execute(dev, frame, changed);
    if (changed)
        notifyChanged();
    if (!fired) {
        deliver(s, reply);
        return;
    }
    const int arg = qBound(0, fired->arg, reply.size());
    switch (fired->kind) {
    case LengthByte:
        reply[0] = char(fired->arg);
        break;
    case ShortBody:
        reply.chop(qBound(0, fired->arg, reply.size() - 1));
        break;
    case Garbage:
        reply.insert(arg, fired->bytes);
        break;
    case LoseBytes:
        reply.remove(arg, qMax(0, fired->count));
        break;
    case LateTail:
        s.late.append(reply.mid(arg));
        reply.truncate(arg);
        break;
    case Unplug:
        if (m_recording)
            m_replies.append(reply);
        s.rx.append(reply.left(arg));
        dev.pluggedIn = false;
        return;
    case Silent:
        break;
    }
    deliver(s, reply);
}

void SimulatedLogger::deliver(Session& s, const QByteArray& reply)
{
    if (m_recording)
        m_replies.append(reply);
    if (m_unplugAfter == 0 && m_unplugKeep >= 0) {
        s.rx.append(reply.left(m_unplugKeep));
        unplug(s.device);
        return;
    }
    s.rx.append(reply);
    if (m_unplugAfter > 0 && --m_unplugAfter == 0 && m_unplugKeep < 0)
        unplug(s.device);
}

void SimulatedLogger::unplug(int device)
{
    m_devices[size_t(device)].pluggedIn = false;
    m_unplugAfter = -1;
    m_unplugKeep = -1;
}

// ---------------------------------------------------------------------------------------
// State file

namespace {

const QString stateFormat = QStringLiteral("WYX770 simulated logger");
constexpr int stateVersion = 1;

QString ringModeName(SimulatedDevice::RingMode mode)
{
    return mode == SimulatedDevice::NoGap ? QStringLiteral("no-gap") : QStringLiteral("erase-ahead");
}

} // namespace

QByteArray SimulatedLogger::saveToData() const
{
    QJsonArray devices;
    for (const SimulatedDevice& dev : m_devices) {
        QJsonObject o;
        o[QStringLiteral("description")] = QString::fromUtf8(dev.description);
        o[QStringLiteral("serial")] = QString::fromUtf8(dev.usbSerial);
        o[QStringLiteral("openedElsewhere")] = dev.openedElsewhere;
        o[QStringLiteral("identity")] = QString::fromLatin1(dev.identity().toHex());
        o[QStringLiteral("config")] = QString::fromLatin1(dev.config().toHex());
        o[QStringLiteral("calibration")] = dev.calibration;
        o[QStringLiteral("temperatureRaw")] = dev.temperatureRaw;
        o[QStringLiteral("batteryVoltage")] = dev.batteryVoltage;
        // The clock is kept as its offset, so a logger left alone keeps running.
        o[QStringLiteral("clockOffsetMs")] = double(dev.clockOffset());
        o[QStringLiteral("clockDriftPpm")] = dev.clockDrift();
        o[QStringLiteral("ringMode")] = ringModeName(dev.ringMode);
        o[QStringLiteral("logClockSet")] = dev.logClockSet;
        o[QStringLiteral("initClearsLog")] = dev.initClearsLog;
        o[QStringLiteral("ring")] = QString::fromLatin1(dev.ring().toBase64());
        devices.append(o);
    }
    QJsonObject root;
    root[QStringLiteral("format")] = stateFormat;
    root[QStringLiteral("version")] = stateVersion;
    root[QStringLiteral("devices")] = devices;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool SimulatedLogger::save(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray data = saveToData();
    if (file.write(data) != data.size() || !file.commit()) {
        m_error = QStringLiteral("%1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    m_error.clear();
    return true;
}

bool SimulatedLogger::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > maxStateFileSize) {
        m_error = QStringLiteral("%1: larger than %2 bytes").arg(path).arg(maxStateFileSize);
        return false;
    }
    const QByteArray data = file.read(maxStateFileSize + 1);
    if (!loadFromData(data)) {
        m_error = QStringLiteral("%1: %2").arg(path, m_error);
        return false;
    }
    return true;
}

bool SimulatedLogger::loadFromData(const QByteArray& data)
{
    auto fail = [this](const QString& why) {
        m_error = why;
        return false;
    };
    if (data.size() > maxStateFileSize)
        return fail(QStringLiteral("state too large"));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &parseError);
    if (!doc.isObject())
        return fail(QStringLiteral("not a state file (%1)").arg(parseError.errorString()));
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != stateFormat)
        return fail(QStringLiteral("not a simulated logger state file"));
    if (root.value(QStringLiteral("version")).toInt(-1) != stateVersion)
        return fail(QStringLiteral("unsupported state file version"));
    const QJsonValue devicesValue = root.value(QStringLiteral("devices"));
    if (!devicesValue.isArray() || devicesValue.toArray().size() > maxDevices)
        return fail(QStringLiteral("the device list is missing or holds more than %1 devices").arg(maxDevices));

    std::vector<SimulatedDevice> devices;
    int n = 0;
    for (const QJsonValue& v : devicesValue.toArray()) {
        ++n;
        const QString where = QStringLiteral("device %1: ").arg(n);
        if (!v.isObject())
            return fail(where + QStringLiteral("not an object"));
        const QJsonObject o = v.toObject();
        auto text = [&](const char* key, QByteArray& out) {
            const QJsonValue value = o.value(QLatin1String(key));
            out = value.toString().toUtf8();
            return value.isString();
        };
        auto bytes = [&](const char* key, bool base64, QByteArray& out) {
            const QJsonValue value = o.value(QLatin1String(key));
            if (!value.isString())
                return false;
            const QByteArray text = value.toString().toLatin1();
            if (base64) {
                const auto r = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
                out = r.decoded;
                return r.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
            }
            out = QByteArray::fromHex(text);
            return out.toHex() == text.toLower();
        };
        auto number = [&](const char* key, double lo, double hi, double& out) {
            const QJsonValue value = o.value(QLatin1String(key));
            out = value.toDouble(std::nan(""));
            return value.isDouble() && std::isfinite(out) && out >= lo && out <= hi;
        };
        auto flag = [&](const char* key, bool& out) {
            const QJsonValue value = o.value(QLatin1String(key));
            out = value.toBool();
            return value.isBool();
        };
        SimulatedDevice dev;
        QByteArray identity, config, ring;
        double calibration, temperature, voltage, offset, drift;
        if (!text("description", dev.description) || dev.description.size() > 63)
            return fail(where + QStringLiteral("bad description"));
        if (!text("serial", dev.usbSerial) || dev.usbSerial.isEmpty() || dev.usbSerial.size() > 15)
            return fail(where + QStringLiteral("bad serial number"));
        if (!bytes("identity", false, identity) || !dev.setIdentity(identity))
            return fail(where + QStringLiteral("the identity record must be %1 bytes").arg(SimulatedDevice::IdentitySize));
        if (!bytes("config", false, config) || !dev.setConfig(config))
            return fail(where + QStringLiteral("the configuration memory must be %1 bytes").arg(SimulatedDevice::ConfigSize));
        if (!bytes("ring", true, ring) || !dev.setRing(ring))
            return fail(where + QStringLiteral("the log ring must hold %1 records").arg(dev.ringSlots()));
        if (!number("calibration", 0, 255, calibration) || !number("temperatureRaw", -32768, 32767, temperature)
            || !number("batteryVoltage", 0, 65535, voltage))
            return fail(where + QStringLiteral("bad calibration, temperature or voltage"));
        // About a century either way, and a drift a real crystal could have.
        if (!number("clockOffsetMs", -3.2e12, 3.2e12, offset) || !number("clockDriftPpm", -1e5, 1e5, drift))
            return fail(where + QStringLiteral("bad clock offset or drift"));
        if (!flag("openedElsewhere", dev.openedElsewhere) || !flag("logClockSet", dev.logClockSet)
            || !flag("initClearsLog", dev.initClearsLog))
            return fail(where + QStringLiteral("bad switches"));
        const QString mode = o.value(QStringLiteral("ringMode")).toString();
        if (mode != ringModeName(SimulatedDevice::EraseAhead) && mode != ringModeName(SimulatedDevice::NoGap))
            return fail(where + QStringLiteral("unknown ring mode"));
        dev.ringMode = mode == ringModeName(SimulatedDevice::NoGap) ? SimulatedDevice::NoGap : SimulatedDevice::EraseAhead;
        dev.calibration = quint8(calibration);
        dev.temperatureRaw = short(temperature);
        dev.batteryVoltage = quint16(voltage);
        dev.setClockOffset(qint64(offset));
        dev.setClockDrift(drift);
        devices.push_back(dev);
    }
    m_devices = std::move(devices);
    m_listed.clear();
    m_sessions.clear();
    m_error.clear();
    return true;
}

// ---------------------------------------------------------------------------------------
// SimulatedLoggerFile

SimulatedLoggerFile::SimulatedLoggerFile(const QString& path)
    : m_path(path)
{
    if (QFile::exists(path)) {
        m_valid = m_logger.load(path);
        m_error = m_logger.errorString();
    } else {
        // A new logger has some touches on it, so a first read-out shows a log.
        m_logger.device(0).fill(48);
        m_valid = true;
        if (!m_logger.save(path))
            m_error = m_logger.errorString();
    }
    if (m_valid) {
        m_logger.setRecording(false);
        m_logger.setChangeHandler([this]() { save(); });
    }
}

SimulatedLoggerFile::~SimulatedLoggerFile()
{
    if (m_valid)
        save();
}

bool SimulatedLoggerFile::save()
{
    if (!m_valid)
        return false;
    if (!m_logger.save(m_path)) {
        m_error = m_logger.errorString();
        qWarning("Simulated logger not saved: %s", qPrintable(m_error));
        return false;
    }
    return true;
}
