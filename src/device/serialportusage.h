#pragma once
// Whether the kernel's own serial driver holds an FTDI chip for another program. The USB
// backend asks before it takes a chip from that driver: detaching it would cut the other
// program's connection. Reads sysfs and /proc; roots are parameters for the tests.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace SerialPortUsage {

// Only chips that describe themselves as one of our loggers are looked at closer; the
// serial adapters of other programs are left alone.
bool worthProbing(const QByteArray& description);

// The sysfs folder of interface 0 of a USB device on bus with the given port path
// ("/sys/bus/usb/devices/1-2.4:1.0").
QString interfaceDir(int bus, const QList<int>& ports, const QString& sysRoot = QStringLiteral("/sys"));

// The tty nodes ("/dev/ttyUSB0") the serial driver made for that interface.
QStringList ttyNodes(const QString& interfaceDir);

// True when a process whose descriptors we may see holds one of the nodes open. Processes
// of other users are not visible; their ports count as free.
bool anyOpen(const QStringList& nodes, const QString& procRoot = QStringLiteral("/proc"));

} // namespace SerialPortUsage
