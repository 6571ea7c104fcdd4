#include "simulator/simulatedlogger.h"

#include "simulator/simbytes.h"

#include <cstring>

// The driver side of the simulated logger: device list, sessions, link settings, reads and
// writes, and the record of every call. Complete frames go to the protocol
// (simulatedprotocol.cpp).

using SimBytes::hex;
using SimBytes::padded;

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
        && flow == FlowNone && xon == 0x11 && xoff == 0x13;
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
        violation(QStringLiteral("getDeviceInfoDetail for index %1 of %2")
                      .arg(QString::number(index), QString::number(m_listed.size())));
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
    if (!configure(h, QStringLiteral("setUsbParameters %1 %2")
                          .arg(QString::number(inTransferSize), QString::number(outTransferSize))))
        return false;
    if (inTransferSize != 1024 || outTransferSize != 64)
        violation(QStringLiteral("USB transfer sizes %1/%2, expected 1024/64")
                      .arg(QString::number(inTransferSize), QString::number(outTransferSize)));
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
    if (!configure(h, QStringLiteral("setDataCharacteristics %1 %2 %3")
                          .arg(QString::number(dataBits), QString::number(int(stopBits)),
                               QString::number(int(parity)))))
        return false;
    Session* s = session(h, "setDataCharacteristics");
    s->dataBits = dataBits;
    s->stopBits = stopBits;
    s->parity = parity;
    return true;
}

bool SimulatedLogger::setFlowControl(Handle h, FlowControl flow, char xon, char xoff)
{
    if (!configure(h, QStringLiteral("setFlowControl %1 %2 %3")
                          .arg(QString::number(int(flow)), hex(quint8(xon)), hex(quint8(xoff)))))
        return false;
    Session* s = session(h, "setFlowControl");
    s->flow = flow;
    s->xon = quint8(xon);
    s->xoff = quint8(xoff);
    return true;
}

bool SimulatedLogger::setTimeouts(Handle h, int readMs, int writeMs)
{
    if (!configure(h, QStringLiteral("setTimeouts %1 %2").arg(QString::number(readMs), QString::number(writeMs))))
        return false;
    if ((readMs != 500 && readMs != 1500) || writeMs != 200)
        violation(QStringLiteral("time-outs %1/%2 ms").arg(QString::number(readMs), QString::number(writeMs)));
    return true;
}

void SimulatedLogger::land(Session& s)
{
    s.rx.append(s.inFlight);
    s.inFlight.clear();
}

bool SimulatedLogger::read(Handle h, unsigned char* buf, int n, int& got)
{
    got = 0;
    log(QStringLiteral("read %1").arg(n));
    Session* s = session(h, "read");
    if (callFails(QStringLiteral("read"))) {
        // The driver gave up, but the logger's reply is still on its way.
        if (s) {
            s->inFlight.prepend(s->rx);
            s->rx.clear();
        }
        return false;
    }
    if (!s || n < 0 || (n > 0 && !buf))
        return false;
    land(*s);
    const int take = qMin(n, s->rx.size());
    memcpy(buf, s->rx.constData(), size_t(take));
    s->rx.remove(0, take);
    got = take;
    if (got == n)
        return true;
    // The read timed out: a late tail is on its way now, and a half-received frame is
    // dropped by the logger's own receive time-out.
    s->inFlight.append(s->late);
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
    land(*s);
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
    // Bytes still on the wire are beyond a purge's reach.
    s->rx.clear();
    return true;
}
