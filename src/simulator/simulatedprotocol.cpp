#include "simulator/simulatedlogger.h"

#include "simulator/simbytes.h"

// The logger's side of the link: wake-up, frame checks, each command's reply, and the
// faults injected into them.

using SimBytes::hex;
using SimBytes::putLe16;

namespace {

constexpr int maxFrame = 144;
constexpr int pageSlots = 64;
constexpr quint8 clockSetKind = 219;

} // namespace

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

void SimulatedLogger::garbleIdentity(int nth, IdentityTransform transform)
{
    m_identityGarbles.push_back(IdentityGarble{nth, 0, std::move(transform)});
}

SimulatedLogger::IdentityTransform SimulatedLogger::garbledWriteIndex(std::function<int(int)> f)
{
    return [f](QByteArray& identity) {
        const int index = quint8(identity[34]) | quint8(identity[35]) << 8;
        const int garbled = f(index);
        identity[34] = char(garbled & 0xFF);
        identity[35] = char((garbled >> 8) & 0xFF);
    };
}

// The identity reply is 39, 1D, 00, the 36-byte record and the checksum.
void SimulatedLogger::garbleIdentityReply(QByteArray& reply)
{
    constexpr int at = 3;
    if (reply.size() != at + SimulatedDevice::IdentitySize + 1)
        return;
    for (auto it = m_identityGarbles.begin(); it != m_identityGarbles.end(); ++it) {
        ++it->seen;
        if (it->nth != 0 && it->seen != it->nth)
            continue;
        QByteArray identity = reply.mid(at, SimulatedDevice::IdentitySize);
        it->transform(identity);
        identity = identity.leftJustified(SimulatedDevice::IdentitySize, '\0', true);
        reply.replace(at, SimulatedDevice::IdentitySize, identity);
        reply[reply.size() - 1] = char(checksum(reply, 1, reply.size() - 1));
        if (it->nth != 0)
            m_identityGarbles.erase(it);
        return;
    }
}

void SimulatedLogger::clearFaults()
{
    m_identityGarbles.clear();
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

void SimulatedLogger::receive(Session& s, unsigned char byte)
{
    if (!s.awake) {
        if (!s.linkConfigured()) {
            violation(QStringLiteral("wake-up on a link not configured as 55555 Bd 8N2 without flow control "
                                     "(XON 11, XOFF 13)"));
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
        violation(QStringLiteral("%1: frame of %2 bytes, at most %3")
                      .arg(name, QString::number(L + 1), QString::number(maxFrame)));
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
        violation(
            QStringLiteral("%1: length %2, expected %3").arg(name, QString::number(L), QString::number(expected)));
        return false;
    }
    bool sound = true;
    auto bad = [&](const QString& what) {
        violation(QStringLiteral("%1: %2").arg(name, what));
        sound = false;
    };
    if (quint8(f[L]) != checksum(f, 1, L))
        bad(QStringLiteral("checksum %1, expected %2").arg(hex(quint8(f[L])), hex(checksum(f, 1, L))));
    auto sumOf = [&](int from, int to) {
        int sum = 0;
        for (int i = from; i < to; ++i)
            sum += quint8(f[i]);
        return quint8(sum & 0xFF);
    };
    switch (cmd) {
    case 0x08:
    case 0x0C: {
        // A real logger would read whatever memory lies beyond its ring.
        const int index = quint8(f[2]) | (quint8(f[3]) << 8);
        if (index > dev.lastIndex())
            bad(QStringLiteral("index %1 beyond the ring's last %2")
                    .arg(QString::number(index), QString::number(dev.lastIndex())));
        break;
    }
    case 0x02:
    case 0x05:
        if (!SimulatedDevice::unpackTime(f.mid(2, 4)).isValid())
            bad(QStringLiteral("impossible time %1").arg(QString::fromLatin1(f.mid(2, 4).toHex(' '))));
        break;
    case 0x19: {
        const int b = quint8(f[2]);
        const int value = (b & 0x40) ? (b & 0x3F) - 64 : (b & 0x3F);
        if ((b & 0x80) || value < -62 || value > 62 || f[3] != 0)
            bad(QStringLiteral("calibration %1 %2").arg(hex(quint8(b)), hex(quint8(f[3]))));
        break;
    }
    case 0x1B:
        if (quint8(f[5]) != sumOf(2, 5))
            bad(QStringLiteral("sum %1, expected %2").arg(hex(quint8(f[5])), hex(sumOf(2, 5))));
        break;
    case 0x1C: {
        const int n = L - 4;
        if (quint8(f[L - 1]) != sumOf(2, L - 1))
            bad(QStringLiteral("sum %1, expected %2").arg(hex(quint8(f[L - 1])), hex(sumOf(2, L - 1))));
        if (quint8(f[2]) + n > SimulatedDevice::ConfigSize)
            bad(QStringLiteral("write of %1 bytes at %2 beyond the memory")
                    .arg(QString::number(n), QString::number(quint8(f[2]))));
        break;
    }
    case 0x1D: {
        const int a = quint8(f[2]);
        const int n = quint8(f[3]);
        if (!(a == 0 && n == 0) && (n < 1 || n > 128 || a + n > SimulatedDevice::ConfigSize))
            bad(QStringLiteral("read of %1 bytes at %2").arg(QString::number(n), QString::number(a)));
        break;
    }
    case 0x1E:
        if (quint8(f[2]) & ~0x07)
            bad(QStringLiteral("signal mode %1").arg(hex(quint8(f[2]))));
        break;
    case 0x1F: {
        const int s = quint8(f[2]);
        if ((s != 'A' && s != '@') || f[3] != 0)
            bad(QStringLiteral("query %1 %2").arg(hex(quint8(s)), hex(quint8(f[3]))));
        else if (s == '@' && dev.hardwareCode() == 0x0404)
            bad(QStringLiteral("voltage query on hardware 0404"));
        break;
    }
    case 0x20:
        if (quint8(f[2]) > 128 || quint8(f[3]) > 128)
            bad(QStringLiteral("service block %1 out, %2 back")
                    .arg(QString::number(quint8(f[2])), QString::number(quint8(f[3]))));
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
    if (m_frameHandler)
        m_frameHandler(frame);
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
    if (cmd == 0x1D && quint8(frame[2]) == 0 && quint8(frame[3]) == 0)
        garbleIdentityReply(reply);
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
