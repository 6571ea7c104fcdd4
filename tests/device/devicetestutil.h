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
