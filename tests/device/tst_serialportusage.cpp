// Whether another program uses a chip's serial port, read from a made-up sysfs and /proc.
#include "device/serialportusage.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSerialPortUsage : public QObject
{
    Q_OBJECT
private slots:
    void onlyOurLoggersAreProbed()
    {
        QVERIFY(SerialPortUsage::worthProbing("Vigilor"));
        QVERIFY(!SerialPortUsage::worthProbing("FT232R USB UART"));
        QVERIFY(!SerialPortUsage::worthProbing("vigilor"));
        QVERIFY(!SerialPortUsage::worthProbing(""));
    }

    void ttyHeldOpenByAProcessIsBusy()
    {
        QTemporaryDir root;
        const QString sys = root.path() + "/sys";
        const QString iface = SerialPortUsage::interfaceDir(1, {2, 4}, sys);
        QCOMPARE(iface, sys + "/bus/usb/devices/1-2.4:1.0");
        QVERIFY(QDir().mkpath(iface + "/ttyUSB3"));
        const QString other = SerialPortUsage::interfaceDir(3, {1}, sys);
        QVERIFY(QDir().mkpath(other + "/tty/ttyUSB0"));
        QCOMPARE(SerialPortUsage::ttyNodes(iface), QStringList({"/dev/ttyUSB3"}));
        QCOMPARE(SerialPortUsage::ttyNodes(other), QStringList({"/dev/ttyUSB0"}));
        QVERIFY(SerialPortUsage::ttyNodes(sys + "/nowhere").isEmpty());

        const QString proc = root.path() + "/proc";
        QVERIFY(QDir().mkpath(proc + "/123/fd") && QDir().mkpath(proc + "/self/fd") && QDir().mkpath(proc + "/77/fd"));
        QVERIFY(QFile::link("/dev/pts/1", proc + "/123/fd/0"));
        QVERIFY(QFile::link("/dev/ttyUSB3", proc + "/self/fd/4")); // not a process number
        QVERIFY(!SerialPortUsage::anyOpen({"/dev/ttyUSB3"}, proc));
        QVERIFY(QFile::link("/dev/ttyUSB3", proc + "/77/fd/5"));
        QVERIFY(SerialPortUsage::anyOpen({"/dev/ttyUSB3"}, proc));
        QVERIFY(!SerialPortUsage::anyOpen({"/dev/ttyUSB0"}, proc));
        QVERIFY(!SerialPortUsage::anyOpen({}, proc));
    }
};

WYX_TEST_MAIN(TestSerialPortUsage)
#include "tst_serialportusage.moc"
