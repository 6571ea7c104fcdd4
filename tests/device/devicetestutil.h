#pragma once
// Shared pieces of the device tests: a controllable "now" and the simulated logger
// installed as the USB driver for the length of one test function.
#include "core/clock.h"
#include "device/ftdiapi.h"
#include "simulator/simulatedlogger.h"

#include <QApplication>
#include <QDateTime>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <utility>

#define VERIFY_NO_VIOLATIONS(logger)                                                                         \
    QVERIFY2((logger).violations().isEmpty(), qPrintable((logger).violations().join('\n')))

// "Now" starts at start and moves on by stepMs at every reading (0: frozen); a sleep
// moves it on to the moment slept for.
class FakeClock
{
public:
    explicit FakeClock(const QDateTime& start, qint64 stepMs = 0)
        : m_ms(start.toMSecsSinceEpoch())
        , m_step(stepMs)
    {
        m_previous = Clock::setSource([this] {
            ++m_readings;
            const qint64 now = m_ms;
            m_ms += m_step;
            return now;
        });
        m_previousSleeper = Clock::setSleeper([this](qint64 until) { m_ms = qMax(m_ms, until); });
    }
    ~FakeClock()
    {
        Clock::setSource(m_previous);
        Clock::setSleeper(m_previousSleeper);
    }
    void set(const QDateTime& t) { m_ms = t.toMSecsSinceEpoch(); }
    QDateTime peek() const { return QDateTime::fromMSecsSinceEpoch(m_ms, Qt::LocalTime); }
    // How often "now" was read.
    int readings() const { return m_readings; }

private:
    qint64 m_ms;
    qint64 m_step;
    int m_readings = 0;
    Clock::Source m_previous;
    Clock::Sleeper m_previousSleeper;
};

// The strict simulated logger as the process's driver.
class SimulatorScope
{
public:
    SimulatorScope() { m_previous = setFtdiApi(&sim); }
    ~SimulatorScope() { setFtdiApi(m_previous); }
    SimulatorScope(const SimulatorScope&) = delete;
    SimulatorScope& operator=(const SimulatorScope&) = delete;

    SimulatedDevice& device() { return sim.device(0); }
    QString violations() const { return sim.violations().join(QStringLiteral("; ")); }

    SimulatedLogger sim;

private:
    FtdiApi* m_previous = nullptr;
};

// Logger other takes logger 0's place, even between two frames; the one replaced waits unplugged at other.
inline void swapInLogger(SimulatedLogger& sim, int other)
{
    std::swap(sim.device(0), sim.device(other));
    sim.device(0).pluggedIn = true;
    sim.device(other).pluggedIn = false;
}

// Fails the test and closes the window if any modal window shows up while it lives.
class NoModalExpected
{
public:
    NoModalExpected()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                QTest::qFail(qPrintable(QStringLiteral("unexpected window %1").arg(w->objectName())), __FILE__,
                             __LINE__);
                QMetaObject::invokeMethod(w, "reject");
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

// A checked 16-bit little-endian index from a frame's parameter bytes.
inline int frameIndex(const QByteArray& frame)
{
    return quint8(frame.at(2)) | (quint8(frame.at(3)) << 8);
}

// Identity replies garbled within their length (no reply checksum gives them away): the
// write index moved or a bit of it flipped, the name changed, or the capacity changed,
// alone or with every byte after it shifted by one.
enum IdentityGarble {
    IndexMinusOne,
    IndexPlusOne,
    IndexPlusFive,
    IndexBit0,
    IndexBit9,
    IndexBit15,
    IndexPastRing, // one past the 819 slots of the default ring
    NameChanged,
    CapacityShiftedIn,
    CapacityChanged,
    SerialChanged,
    IdentityGarbleCount
};

inline const char* identityGarbleName(int garble)
{
    static const char* const names[] = {"index - 1",
                                        "index + 1",
                                        "index + 5",
                                        "index bit 0 flipped",
                                        "index bit 9 flipped",
                                        "index bit 15 flipped",
                                        "index past the ring",
                                        "name changed",
                                        "a byte shifted in before the capacity",
                                        "capacity changed",
                                        "serial number changed"};
    return names[garble];
}

// Garbles that make it another logger, not only another write index.
inline bool garblesTheIdentity(int garble)
{
    return garble >= NameChanged;
}

inline SimulatedLogger::IdentityTransform identityGarble(int garble)
{
    using L = SimulatedLogger;
    switch (garble) {
    case IndexMinusOne: return L::garbledWriteIndex([](int i) { return i - 1; });
    case IndexPlusOne: return L::garbledWriteIndex([](int i) { return i + 1; });
    case IndexPlusFive: return L::garbledWriteIndex([](int i) { return i + 5; });
    case IndexBit0: return L::garbledWriteIndex([](int i) { return i ^ 1; });
    case IndexBit9: return L::garbledWriteIndex([](int i) { return i ^ 0x200; });
    case IndexBit15: return L::garbledWriteIndex([](int i) { return i ^ 0x8000; });
    case IndexPastRing: return L::garbledWriteIndex([](int) { return 819; });
    case NameChanged: return [](QByteArray& id) { id[8] = char(id[8] ^ 0x02); }; // "PROBA" -> "RROBA"
    case CapacityShiftedIn: return [](QByteArray& id) { id.insert(30, '\x02'); };
    case SerialChanged: return [](QByteArray& id) { id[16] = char(id[16] ^ 0x02); };
    default: return [](QByteArray& id) { id[30] = '\x02'; }; // 16 KB instead of 8
    }
}
