#pragma once
// The simulated logger as the driver, and a "now" stepping 7 ms at every reading so that
// waits on the logger's tick take no real time.
#include "devicetestutil.h"
#include "device/usbcom.h"

struct SimulatorInstall {
    FakeClock clock{QDateTime(QDate(2024, 3, 12), QTime(10, 15, 0, 400)), 7};
    SimulatorScope scope;
    SimulatedLogger& sim = scope.sim;
};

// The same with a link, opened by the test.
struct LinkRig : SimulatorInstall {
    SimulatedDevice& dev() { return sim.device(); }
    UsbCom link;
};
