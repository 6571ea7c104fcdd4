#pragma once
// Shared set-up of the UsbCom tests: a strict simulated logger installed as the driver,
// and a stepping clock so that waits on the logger's tick take no real time.
#include "core/clock.h"
#include "device/simulatedlogger.h"

#include <QDateTime>

class SimulatorInstall
{
public:
    SimulatorInstall()
    {
        m_previousApi = setFtdiApi(&sim);
        const qint64 start = QDateTime(QDate(2024, 3, 12), QTime(10, 15, 0, 400)).toMSecsSinceEpoch();
        m_previousClock = Clock::setSource([now = start]() mutable { return now += 7; });
    }
    ~SimulatorInstall()
    {
        setFtdiApi(m_previousApi);
        Clock::setSource(m_previousClock);
    }
    SimulatorInstall(const SimulatorInstall&) = delete;
    SimulatorInstall& operator=(const SimulatorInstall&) = delete;

    SimulatedLogger sim;

private:
    FtdiApi* m_previousApi = nullptr;
    Clock::Source m_previousClock;
};
