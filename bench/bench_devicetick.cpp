// CPU time (user + system) against wall time of the waits before the logger's clock
// commands: the wait for the computer clock's 2-second tick, and a clock read through the
// simulated logger (the tick, then the sampling moment half a second into the step). A wait
// that sleeps costs next to no CPU; one that reads the clock in a loop costs its wall time.
#include "core/helpers.h"
#include "core/wyxapp.h"
#include "device/ftdiapi.h"
#include "device/usbcom.h"
#include "simulator/simulatedlogger.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>

#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuMs()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(use.ru_utime) + ms(use.ru_stime);
}

// Each round starts at another moment of the 2-second period (reached by a sleep that
// is not counted), so that the waits range from none to the longest.
template <typename F>
void measure(const char* name, F&& once)
{
    const int phases[] = {100, 500, 1000, 1500, 1800, 1900};
    qint64 wallNs = 0;
    double cpu = 0;
    for (const int phase : phases) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        QThread::msleep(static_cast<unsigned long>(((phase - now % 2000) + 2000) % 2000));
        QElapsedTimer wall;
        const double cpuBefore = cpuMs();
        wall.start();
        once();
        wallNs += wall.nsecsElapsed();
        cpu += cpuMs() - cpuBefore;
    }
    const double wallMs = double(wallNs) / 1e6;
    std::printf("%-26s %10.1f %10.1f %7.1f%%\n", name, wallMs, cpu, wallMs > 0 ? 100.0 * cpu / wallMs : 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    WyxApp app(argc, argv);
    std::printf("%-26s %10s %10s %8s\n", "6 waits", "wall ms", "cpu ms", "cpu");
    QStringList ends; // where in the period each wait ended: 1850 is the window's start
    measure("waitDeviceTick", [&ends] {
        waitDeviceTick();
        ends << QString::number(QDateTime::currentMSecsSinceEpoch() % 2000);
    });

    std::printf("waits ended at ms %s of the 2-second period\n", qPrintable(ends.join(QStringLiteral(", "))));

    SimulatedLogger sim;
    FtdiApi* previous = setFtdiApi(&sim);
    {
        UsbCom link;
        if (link.open() != UsbOk) {
            std::printf("the simulated logger did not open\n");
            return 1;
        }
        measure("clock read (simulated)", [&link] { link.getClock(); });
    }
    setFtdiApi(previous);
    return 0;
}
