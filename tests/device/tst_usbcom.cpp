// The USB link against the strict simulated logger: opening, the transaction's retry
// budget and error codes, every command's request bytes and reply handling, the error box.
#include "core/constants.h"
#include "core/helpers.h"
#include "device/usbcom.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"
#include "usbcomtesting.h"

#include <QtTest>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

QByteArray pageSlot(const unsigned char* page, int k)
{
    return QByteArray(reinterpret_cast<const char*>(page + DeviceLogPage::slotOffset(k)), 10);
}

QByteArray entryBytes(const LogEntry& e)
{
    return QByteArray(reinterpret_cast<const char*>(e.bytes()), 10);
}

} // namespace

class TestUsbCom : public QObject
{
    Q_OBJECT
private slots:
    void openFindsTheRightDevice();
    void openConfigurationFailureCloses();
    void transactionRetryBudget();
    void transactionLengthBytes();
    void transactionPurgesBeforeRetry();
    void strictSmokeRunsEveryCommand();
    void deviceInfoFieldMapping();
    void deviceInfoEdgeReplies();
    void memoryRanges();
    void pageAndRecordReads();
    void shortRepliesAreBadReplies();
    void clockAndNameCommands();
    void signalTestAndRingArithmetic();
    void showErrorTextsAndRetry();
};

void TestUsbCom::openFindsTheRightDevice()
{
    TestEnv env;
    {
        SimulatorInstall s;
        s.sim.removeDevices();
        UsbCom link;
        QCOMPARE(link.open(), UsbNoDevice);
        s.sim.failDeviceList(true);
        QCOMPARE(link.open(), UsbLibraryError);
        QVERIFY(!link.handle);
    }
    {
        // The first logger is opened by another program; the second one is taken.
        SimulatorInstall s;
        s.sim.device(0).openedElsewhere = true;
        s.sim.device(s.sim.addDevice("Vigilor", "SIM00002")).setName("SECOND");
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        QVERIFY(s.sim.calls().contains(QStringLiteral("openBySerial SIM00002")));
        QCOMPARE(link.getDeviceInfo(), UsbOk);
        QCOMPARE(link.deviceName, QStringLiteral("SECOND  "));
        // A second open closes the first handle before it starts again.
        s.sim.clearLogs();
        QCOMPARE(link.open(), UsbOk);
        QCOMPARE(s.sim.calls().first(), QStringLiteral("close"));
        QVERIFY(s.sim.violations().isEmpty());
    }
    {
        // Letter case counts; a failing detail query of the last entry is a library error.
        SimulatorInstall s;
        s.sim.device(0).description = "VIGILOR";
        UsbCom link;
        QCOMPARE(link.open(), UsbNoDevice);
        s.sim.addDevice("Vigilor", "SIM00002");
        s.sim.device(1).detailFails = true;
        QCOMPARE(link.open(), UsbLibraryError);
        s.sim.device(0).description = "Vigilor";
        QCOMPARE(link.open(), UsbOk); // the failing entry after a match does not matter
        QVERIFY(s.sim.calls().contains(QStringLiteral("openBySerial SIM00001")));
    }
    {
        SimulatorInstall s;
        s.sim.failCall(QStringLiteral("openBySerial"));
        UsbCom link;
        QCOMPARE(link.open(), UsbDriverError);
        QVERIFY(!link.handle);
    }
}

void TestUsbCom::openConfigurationFailureCloses()
{
    TestEnv env;
    const QStringList steps{"resetDevice",     "setLatencyTimer",        "setUsbParameters", "setBaudRate",
                            "setDataCharacteristics", "setFlowControl", "setTimeouts"};
    for (int k = 0; k < steps.size(); ++k) {
        SimulatorInstall s;
        s.sim.failCall(steps[k]);
        UsbCom link;
        QCOMPARE(link.open(), UsbDriverError);
        QVERIFY(!link.handle);
        QCOMPARE(s.sim.callCount(QStringLiteral("close")), 1);
        // The steps after the failing one are not tried.
        for (int later = k + 1; later < steps.size(); ++later)
            QCOMPARE(s.sim.callCount(steps[later]), 0);
        QCOMPARE(link.getClock(), UsbNoChannel);
    }
    SimulatorInstall s;
    UsbCom link;
    QCOMPARE(link.open(), UsbOk);
    const QStringList calls = s.sim.calls();
    for (const char* expected : {"setLatencyTimer 8", "setUsbParameters 1024 64", "setBaudRate 55555",
                                 "setDataCharacteristics 8 2 0", "setTimeouts 500 200"})
        QVERIFY2(calls.contains(QString::fromLatin1(expected)), expected);
}

void TestUsbCom::transactionRetryBudget()
{
    TestEnv env;
    {
        // No device open: nothing reaches the driver.
        SimulatorInstall s;
        UsbCom link;
        QCOMPARE(link.readCalibration(), UsbNoChannel);
        QCOMPARE(link.getDeviceInfo(), UsbNoChannel);
        QVERIFY(s.sim.calls().isEmpty());
    }
    {
        // A silent logger: five wake-ups, no frame, no further attempts.
        SimulatorInstall s;
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        s.sim.clearLogs();
        s.sim.failWakeUps(100);
        QCOMPARE(link.readCalibration(), UsbNoDevice);
        QCOMPARE(s.sim.calls().filter(QStringLiteral("write 53")).size(), 5);
        QCOMPARE(s.sim.callCount(QStringLiteral("write")), 5);
        QVERIFY(s.sim.frames().isEmpty());
    }
    {
        // A wrong wake-up answer; then four lost wake-ups still leave the fifth try.
        SimulatorInstall s;
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        s.sim.failWakeUps(5, 'X');
        QCOMPARE(link.readCalibration(), UsbBadReply);
        s.sim.clearLogs();
        s.sim.failWakeUps(4);
        QCOMPARE(link.readCalibration(), UsbOk);
        QCOMPARE(s.sim.callCount(QStringLiteral("write")), 6);
    }
    {
        // Failing reads during the wake-up are transfer errors after five tries.
        SimulatorInstall s;
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        s.sim.clearLogs();
        s.sim.failCall(QStringLiteral("read"), 0);
        QCOMPARE(link.readCalibration(), UsbTransferError);
        QCOMPARE(s.sim.callCount(QStringLiteral("write")), 5);
    }
    {
        // A short frame write fails the attempt; three of them end the transaction.
        SimulatorInstall s;
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        s.sim.clearLogs();
        for (int nth : {2, 4, 6})
            s.sim.failCall(QStringLiteral("write"), nth, 1);
        QCOMPARE(link.readCalibration(), UsbTransferError);
        QCOMPARE(s.sim.callCount(QStringLiteral("write")), 6);
        // One short write is absorbed by the next attempt.
        s.sim.clearFaults();
        s.sim.failCall(QStringLiteral("write"), 2, 1);
        QCOMPARE(link.readCalibration(), UsbOk);
        // A failing body read.
        s.sim.clearFaults();
        for (int nth : {3, 6, 9})
            s.sim.failCall(QStringLiteral("read"), nth);
        QCOMPARE(link.readCalibration(), UsbTransferError);
    }
}

void TestUsbCom::transactionLengthBytes()
{
    TestEnv env;
    struct Case {
        int lengthByte;
        UsbErrorCodes expected;
    };
    for (const Case& c : {Case{0, UsbNoDevice}, Case{1, UsbBadReply}, Case{145, UsbBadReply}, Case{255, UsbBadReply}}) {
        SimulatorInstall s;
        s.sim.setStrict(false); // the spoilt replies leave the logger half-way, as a real one would
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        s.sim.injectReplyFault(0x1A, 0, SimulatedLogger::LengthByte, c.lengthByte);
        QCOMPARE(link.readCalibration(), c.expected);
        QCOMPARE(s.sim.framesOf(0x1A).size(), 3);
    }
    {
        // A body shorter than announced, every attempt.
        SimulatorInstall s;
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        s.sim.injectReplyFault(0x03, 0, SimulatedLogger::ShortBody, 2);
        QCOMPARE(link.getClock(), UsbNoDevice);
        QCOMPARE(s.sim.framesOf(0x03).size(), 3);
    }
    {
        // '@' to another command than the page read is a 64-byte body.
        SimulatorInstall s;
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        QByteArray reply(65, '\x11');
        reply[0] = '@';
        reply[2] = '\x2A';
        s.sim.serveReplies({reply});
        QCOMPARE(link.readCalibration(), UsbOk);
        QCOMPARE(int(link.clockCalibration), 0x2A);
        QCOMPARE(link.readCalibration(), UsbOk); // nothing of the body is left over
        QCOMPARE(int(link.clockCalibration), int(s.sim.device().calibration));
    }
}

void TestUsbCom::transactionPurgesBeforeRetry()
{
    TestEnv env;
    // The tail of a page arrives after the read timed out; without discarding it the next
    // attempt would take page bytes for the wake-up answer and the length.
    SimulatorInstall s;
    s.sim.device().fill(300);
    UsbCom link;
    QCOMPARE(link.open(), UsbOk);
    QCOMPARE(link.getDeviceInfo(), UsbOk);
    s.sim.injectReplyFault(0x0C, 1, SimulatedLogger::LateTail, 200);
    DeviceLogPage page;
    QCOMPARE(link.readPage(100, page.bytes), UsbOk);
    QCOMPARE(s.sim.framesOf(0x0C).size(), 2);
    QVERIFY(s.sim.callCount(QStringLiteral("purgeRx")) >= 1);
    for (int k = 0; k < DeviceLogPage::SlotCount; ++k)
        QCOMPARE(pageSlot(page.bytes, k), s.sim.device().record(100 + k));
    QCOMPARE(link.readCalibration(), UsbOk);
    QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.sim.violations().join('\n')));
}

void TestUsbCom::strictSmokeRunsEveryCommand()
{
    TestEnv env;
    SimulatorInstall s;
    s.sim.device().fill(100);
    UsbCom link;
    QCOMPARE(link.open(), UsbOk);
    QCOMPARE(link.getDeviceInfo(), UsbOk);
    const QDateTime t(QDate(2024, 3, 12), QTime(10, 20, 30));
    QCOMPARE(link.setClock(t), UsbOk);
    QCOMPARE(link.getClock(), UsbOk);
    QCOMPARE(link.readEntry(3), UsbOk);
    DeviceLogPage page;
    QCOMPARE(link.readPage(0, page.bytes), UsbOk);
    link.deviceName = QStringLiteral("OTTO");
    QCOMPARE(link.setName(), UsbOk);
    QCOMPARE(link.readCalibration(), UsbOk);
    link.clockCalibration = 0x7B;
    QCOMPARE(link.setCalibration(), UsbOk);
    link.optionFlags = 0x5F;
    QCOMPARE(link.writeOptionFlags(), UsbOk);
    QCOMPARE(link.writeReadoutTime(), UsbOk);
    unsigned char buf[256];
    QCOMPARE(link.readConfigRange(buf, 256, 0), UsbOk);
    QCOMPARE(link.writeConfigRange(buf, 256, 0), UsbOk);
    QCOMPARE(link.writeConfigTime(36, t), UsbOk);
    QCOMPARE(link.sendSignalTest(3, 1000), UsbOk);
    QCOMPARE(link.setByteWord(0xC3, 0), UsbOk);
    unsigned char o1, o2, o3;
    QCOMPARE(link.getQueryWord('@', &o1, &o2, &o3), UsbOk);
    unsigned char out[144] = {};
    const unsigned char block[3] = {0xAC, 0x00, 0x40};
    QCOMPARE(link.runServiceCommand(3, block, 4, out), UsbOk);
    QCOMPARE(link.initDevice(QStringLiteral("ÁRPÁDÉ"), t), UsbOk);
    QCOMPARE(link.getDeviceInfo(), UsbOk);
    QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.sim.violations().join('\n')));

    // The fixed frames, byte for byte.
    QCOMPARE(s.sim.framesOf(0x03).first(), hex("0203E6"));
    QCOMPARE(s.sim.framesOf(0x1A).first(), hex("021AFF"));
    QCOMPARE(s.sim.framesOf(0x1D).first(), hex("041D0000F8"));
    QCOMPARE(s.sim.framesOf(0x1F).first(), SimulatedLogger::makeFrame(hex("1F4100")));
    QCOMPARE(s.sim.framesOf(0x08).first(), SimulatedLogger::makeFrame(hex("080300")));
    QCOMPARE(s.sim.framesOf(0x19).first(), SimulatedLogger::makeFrame(hex("197B00")));
    QCOMPARE(s.sim.framesOf(0x1C).first(), SimulatedLogger::makeFrame(hex("1C5F5FBE")));
    QCOMPARE(s.sim.framesOf(0x1B).first(), SimulatedLogger::makeFrame(hex("1BC30000C3")));
    QCOMPARE(s.sim.framesOf(0x09).first(), SimulatedLogger::makeFrame("\x09OTTO    "));
    // The new name is cut before a character that would not fit whole.
    QCOMPARE(s.sim.device().name(), QByteArray("\xC3\x81RP\xC3\x81" "D "));
    QCOMPARE(link.deviceName, QString::fromUtf8("ÁRPÁD "));
    QCOMPARE(quint8(s.sim.device().config()[95]), quint8(0x5F));
    QCOMPARE(s.sim.device().calibration, quint8(0x7B));
}

void TestUsbCom::deviceInfoFieldMapping()
{
    TestEnv env;
    SimulatorInstall s;
    SimulatedDevice& dev = s.sim.device();
    QByteArray id = QByteArray("VGL-770 ") + "ANNA    " + "S1234567";
    id += hex("1234" "BEEF" "0702" "27" "72" "F9" "E0" "3412");
    QVERIFY(dev.setIdentity(id));
    QByteArray config = dev.config();
    const QDateTime base(QDate(2023, 8, 15), QTime(13, 45, 16));
    for (int i = 0; i < 13; ++i)
        config.replace(24 + 4 * i, 4, SimulatedDevice::packTime(base.addDays(i)));
    config.replace(76, 17, hex("4C4D4E4F" "3412" "0100" "0200" "0300" "0400" "0501" "5C"));
    config[95] = char(0xA8);
    QVERIFY(dev.setConfig(config));
    dev.calibration = 0x45;
    dev.temperatureRaw = -1234;
    dev.batteryVoltage = 0x0345;

    UsbCom link;
    QCOMPARE(link.open(), UsbOk);
    QCOMPARE(link.getDeviceInfo(), UsbOk);
    QCOMPARE(link.model, QStringLiteral("VGL-770 "));
    QCOMPARE(link.deviceName, QStringLiteral("ANNA    "));
    QCOMPARE(link.serialNumber, QStringLiteral("S1234567"));
    QCOMPARE(link.hardwareCode, quint16(0x1234));
    QCOMPARE(link.identityWord26, quint16(0xEFBE));
    QCOMPARE(link.firmwareVersion, quint16(0x0207));
    QCOMPARE(link.memoryCode, quint8(0x27));
    QCOMPARE(link.lastIndex, 22931);
    QCOMPARE(link.clockChip, quint8(114));
    QCOMPARE(link.batteryLevel, quint8(0xF9));
    QCOMPARE(link.statusBits, quint8(0xE0));
    QCOMPARE(link.writeIndex, 0x1234);
    QCOMPARE(link.temperatureRaw, qint16(-1234));
    QCOMPARE(link.batteryVoltage, quint16(0x0345));
    QCOMPARE(link.configByte76, quint16(0x4C));
    QCOMPARE(link.configByte79, quint16(0x4F));
    QCOMPARE(link.configWord80, quint16(0x1234));
    QCOMPARE(link.resetCount, quint16(1));
    QCOMPARE(link.logCount, quint16(2));
    QCOMPARE(link.clockResetCount, quint16(3));
    QCOMPARE(link.initCount, quint16(4));
    QCOMPARE(link.wetCount, quint16(0x0105));
    QCOMPARE(link.configByte92, quint16(0x5C));
    QCOMPARE(link.optionFlags, quint16(0xA8));
    QCOMPARE(link.clockCalibration, quint8(0x45));
    const QDateTime* dates[13] = {&link.initDate,    &link.readoutDate,       &link.commissionedDate,
                                  &link.repairedDate, &link.batteryChangeDate, &link.resetDate,
                                  &link.openedDate,  &link.closedDate,        &link.wetDate,
                                  &link.dryDate,     &link.chargedDate,       &link.dischargedDate,
                                  &link.deepDischargeDate};
    for (int i = 0; i < 13; ++i)
        QCOMPARE(*dates[i], base.addDays(i));
    QVERIFY(qAbs(link.deviceTime.secsTo(link.pcTime)) <= 2);
    QCOMPARE(link.pcTime.time().msec(), 0);
    QCOMPARE(s.sim.framesOf(0x1F).size(), 2);

    // The thermistor hardware has no voltage query.
    dev.setHardwareCode(0x0404);
    s.sim.clearLogs();
    QCOMPARE(link.getDeviceInfo(), UsbOk);
    QCOMPARE(link.batteryVoltage, quint16(0));
    QCOMPARE(s.sim.framesOf(0x1F).size(), 1);
    QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.sim.violations().join('\n')));

    // The capacity table, and an unknown size.
    const quint8 codes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x0C, 0x18, 0x1A, 0x1C, 0x1E, 0x28, 0x38};
    for (int code = 0; code < 15; ++code) {
        link.memoryCode = codes[code];
        QCOMPARE(link.memorySizeCode(), code);
    }
    link.memoryCode = 0x27; // 7 chips of 32 KB is 224 KB too
    QCOMPARE(link.memorySizeCode(), 12);
    link.memoryCode = 0x15; // 5 chips of 16 KB
    QCOMPARE(link.memorySizeCode(), 15);
    dev.setMemoryCode(0x15);
    QCOMPARE(link.getDeviceInfo(), UsbOk);
    QCOMPARE(link.lastIndex, 0);
    QVERIFY(!link.ringIsValid());
}

void TestUsbCom::deviceInfoEdgeReplies()
{
    TestEnv env;
    {
        // An empty identity reply is success with a zeroed record.
        SimulatorInstall s;
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        s.sim.serveReplies({SimulatedLogger::makeReply(0x1D, hex("00"))});
        QCOMPARE(link.getDeviceInfo(), UsbOk);
        QCOMPARE(link.model, QString());
        QCOMPARE(link.deviceName, QString());
        QCOMPARE(link.hardwareCode, quint16(0));
        QCOMPARE(link.writeIndex, 0);
        QCOMPARE(link.lastIndex, 0);
    }
    {
        // Any other identity length is not understood.
        SimulatorInstall s;
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        s.sim.serveReplies({SimulatedLogger::makeReply(0x1D, QByteArray(20, '\x20'))});
        QCOMPARE(link.getDeviceInfo(), UsbBadReply);
    }
    {
        // A failing calibration read comes last: every field is filled, its error returned.
        SimulatorInstall s;
        s.sim.setStrict(false);
        s.sim.device().setName("KATI");
        QByteArray config = s.sim.device().config();
        config[84] = 9;
        QVERIFY(s.sim.device().setConfig(config));
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        s.sim.injectReplyFault(0x1A, 0, SimulatedLogger::Silent);
        QCOMPARE(link.getDeviceInfo(), UsbNoDevice);
        QCOMPARE(link.deviceName, QStringLiteral("KATI    "));
        QCOMPARE(link.logCount, quint16(9));
        QVERIFY(link.initDate.isValid());
    }
    {
        // A wrong query echo.
        SimulatorInstall s;
        UsbCom link;
        QCOMPARE(link.open(), UsbOk);
        QByteArray identity = SimulatedLogger::makeReply(0x1D, hex("00") + s.sim.device().identity());
        s.sim.serveReplies({identity, SimulatedLogger::makeReply(0x1F, hex("40000102"))});
        QCOMPARE(link.getDeviceInfo(), UsbBadReply);
    }
}

void TestUsbCom::memoryRanges()
{
    TestEnv env;
    SimulatorInstall s;
    QByteArray pattern(256, '\0');
    for (int i = 0; i < 256; ++i)
        pattern[i] = char(i * 7 + 3);
    QVERIFY(s.sim.device().setConfig(pattern));
    UsbCom link;
    unsigned char buf[256] = {};
    QCOMPARE(link.readConfigRange(buf, 10, 0), UsbNoChannel);
    QCOMPARE(link.open(), UsbOk);

    // 200 bytes go as 128 + 72, the second frame at address 128.
    QCOMPARE(link.readConfigRange(buf, 200, 0), UsbOk);
    QCOMPARE(s.sim.framesOf(0x1D).size(), 2);
    QCOMPARE(s.sim.framesOf(0x1D)[0], SimulatedLogger::makeFrame(hex("1D0080")));
    QCOMPARE(s.sim.framesOf(0x1D)[1], SimulatedLogger::makeFrame(hex("1D8048")));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 200), pattern.left(200));

    // Bounds: beyond 256, negative, and empty ranges send nothing.
    s.sim.clearLogs();
    QCOMPARE(link.readConfigRange(buf, 7, 250), UsbBadParameter);
    QCOMPARE(link.writeConfigRange(buf, 7, 250), UsbBadParameter);
    QCOMPARE(link.readConfigRange(buf, 4, -1), UsbBadParameter);
    QCOMPARE(link.writeConfigRange(buf, 4, -1), UsbBadParameter);
    unsigned char guard[2] = {0x55, 0x55};
    QCOMPARE(link.readConfigRange(guard, 0, 0), UsbOk); // never the identity read
    QCOMPARE(link.writeConfigRange(guard, 0, 0), UsbOk);
    QCOMPARE(link.readConfigRange(guard, -3, 5), UsbOk);
    QCOMPARE(guard[0], quint8(0x55));
    QVERIFY(s.sim.frames().isEmpty());
    QCOMPARE(link.readConfigRange(buf, 6, 250), UsbOk);
    QCOMPARE(s.sim.frames().size(), 1);
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 6), pattern.mid(250));

    // Writes split the same way and land where they should.
    QByteArray fresh(200, '\0');
    for (int i = 0; i < 200; ++i)
        fresh[i] = char(255 - i);
    s.sim.clearLogs();
    QCOMPARE(link.writeConfigRange(reinterpret_cast<const unsigned char*>(fresh.constData()), 200, 56), UsbOk);
    QCOMPARE(s.sim.framesOf(0x1C).size(), 2);
    QCOMPARE(s.sim.device().config().mid(56), fresh);
    QCOMPARE(s.sim.device().config().left(56), pattern.left(56));

    // A reply of the wrong length for the count.
    s.sim.serveReplies({SimulatedLogger::makeReply(0x1D, hex("00") + QByteArray(5, 'x'))});
    QCOMPARE(link.readConfigRange(buf, 4, 0), UsbBadReply);
    QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.sim.violations().join('\n')));
}

void TestUsbCom::pageAndRecordReads()
{
    TestEnv env;
    SimulatorInstall s;
    SimulatedDevice& dev = s.sim.device();
    dev.fill(900); // wraps the 819-slot ring
    UsbCom link;
    DeviceLogPage page;
    // No device: the time-out call fails before anything is sent.
    QCOMPARE(link.readPage(0, page.bytes), UsbTransferError);
    QCOMPARE(link.open(), UsbOk);
    QCOMPARE(link.getDeviceInfo(), UsbOk);

    s.sim.clearLogs();
    QCOMPARE(link.readPage(800, page.bytes), UsbOk);
    QCOMPARE(page.bytes[0], quint8('@'));
    for (int k = 0; k < DeviceLogPage::SlotCount; ++k)
        QCOMPARE(pageSlot(page.bytes, k), dev.record((800 + k) % 819));
    QStringList timeouts = s.sim.calls().filter(QStringLiteral("setTimeouts"));
    QCOMPARE(timeouts, QStringList({"setTimeouts 1500 200", "setTimeouts 500 200"}));

    // A short page is not a page; the time-outs are restored after a failure too.
    s.sim.clearLogs();
    memset(page.bytes, 0xEE, sizeof page.bytes);
    s.sim.serveReplies({SimulatedLogger::makeReply(0x0C, QByteArray(20, '\x01'))});
    QCOMPARE(link.readPage(0, page.bytes), UsbBadReply);
    QCOMPARE(s.sim.calls().filter(QStringLiteral("setTimeouts")).last(), QStringLiteral("setTimeouts 500 200"));
    s.sim.injectReplyFault(0x0C, 0, SimulatedLogger::ShortBody, 11);
    QCOMPARE(link.readPage(0, page.bytes), UsbNoDevice);
    QCOMPARE(s.sim.calls().filter(QStringLiteral("setTimeouts")).last(), QStringLiteral("setTimeouts 500 200"));
    s.sim.clearFaults();
    s.sim.failCall(QStringLiteral("setTimeouts"));
    s.sim.clearLogs();
    QCOMPARE(link.readPage(0, page.bytes), UsbTransferError);
    QVERIFY(s.sim.frames().isEmpty());

    // The single-record read.
    QCOMPARE(link.readEntry(818), UsbOk);
    QCOMPARE(entryBytes(link.lastEntry), dev.record(818));
    QCOMPARE(s.sim.framesOf(0x08).last(), SimulatedLogger::makeFrame(hex("083203")));
    QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.sim.violations().join('\n')));
}

void TestUsbCom::shortRepliesAreBadReplies()
{
    TestEnv env;
    SimulatorInstall s;
    UsbCom link;
    QCOMPARE(link.open(), UsbOk);
    QCOMPARE(link.getDeviceInfo(), UsbOk);
    const QDateTime before = link.deviceTime;
    const QByteArray beforeEntry = entryBytes(link.lastEntry);

    // Each reply is long enough for the length test but too short for the bytes taken.
    s.sim.serveReplies({SimulatedLogger::makeReply(0x03, hex("2F0F"))});
    QCOMPARE(link.getClock(), UsbBadReply);
    QCOMPARE(link.deviceTime, before);
    s.sim.serveReplies({SimulatedLogger::makeReply(0x08, hex("0102030405"))});
    QCOMPARE(link.readEntry(4), UsbBadReply);
    QCOMPARE(entryBytes(link.lastEntry), beforeEntry);
    s.sim.serveReplies({SimulatedLogger::makeReply(0x1F, hex("41"))});
    unsigned char o1 = 0, o2 = 0, o3 = 0;
    QCOMPARE(link.getQueryWord('A', &o1, &o2, &o3), UsbBadReply);
    // An acknowledgement-only reply where the query needs four bytes.
    s.sim.serveReplies({SimulatedLogger::makeReply(0x1F, QByteArray())});
    QCOMPARE(link.getQueryWord('A', &o1, &o2, &o3), UsbBadReply);
    // Exactly long enough is fine.
    s.sim.serveReplies({SimulatedLogger::makeReply(0x1F, hex("41102030"))});
    QCOMPARE(link.getQueryWord('A', &o1, &o2, &o3), UsbOk);
    QCOMPARE(o1, quint8(0x10));
    QCOMPARE(o3, quint8(0x20));
    QCOMPARE(o2, quint8(0x30));
}

void TestUsbCom::clockAndNameCommands()
{
    TestEnv env;
    SimulatorInstall s;
    UsbCom link;
    const QDateTime t(QDate(2024, 5, 1), QTime(8, 0, 10));
    // Without a device the time is still taken, and the clock read still stamps pcTime.
    QCOMPARE(link.setClock(t), UsbNoChannel);
    QCOMPARE(link.deviceTime, t);
    QCOMPARE(link.initDevice(QStringLiteral("X"), t), UsbNoChannel);
    QCOMPARE(link.deviceName, QStringLiteral("X"));
    QCOMPARE(link.initDate, t);
    QCOMPARE(link.pcTime, nullDeviceTime);
    QCOMPARE(link.refreshClockIfClosed(), UsbNoChannel);
    QVERIFY(link.pcTime.date() == QDate(2024, 3, 12));
    QCOMPARE(link.pcTime.time().msec(), 0);

    QCOMPARE(link.open(), UsbOk);
    s.sim.clearLogs();
    QCOMPARE(link.refreshClockIfClosed(), UsbOk);
    QVERIFY(s.sim.frames().isEmpty());

    QCOMPARE(link.setClock(t), UsbOk);
    unsigned char packed[4];
    packDeviceTime(t, packed);
    QCOMPARE(s.sim.framesOf(0x02).last(), SimulatedLogger::makeFrame(hex("02") + QByteArray(reinterpret_cast<char*>(packed), 4)));
    QCOMPARE(link.writeReadoutTime(), UsbOk);
    QCOMPARE(link.readoutDate, t);
    QCOMPARE(s.sim.device().config().mid(28, 4), QByteArray(reinterpret_cast<char*>(packed), 4));

    // An initialisation whose first command fails does not send the name.
    s.sim.setStrict(false);
    s.sim.injectReplyFault(0x05, 0, SimulatedLogger::Silent);
    s.sim.clearLogs();
    QCOMPARE(link.initDevice(QStringLiteral("NEW"), t), UsbNoDevice);
    QCOMPARE(s.sim.framesOf(0x05).size(), 3);
    QVERIFY(s.sim.framesOf(0x09).isEmpty());
    s.sim.clearFaults();
    QCOMPARE(link.initDevice(QStringLiteral("NEW"), t), UsbOk);
    QCOMPARE(s.sim.device().name(), QByteArray("NEW     "));
}

void TestUsbCom::signalTestAndRingArithmetic()
{
    TestEnv env;
    SimulatorInstall s;
    UsbCom link;
    QCOMPARE(link.open(), UsbOk);
    for (int f : {1000, 300, 0, -5, 125000, 250001})
        QCOMPARE(link.sendSignalTest(1, f), UsbOk);
    QList<QByteArray> frames = s.sim.framesOf(0x1E);
    QCOMPARE(frames.size(), 6);
    const int expected[] = {125, 0xA1, 0, 0, 1, 0};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(int(quint8(frames[i][3])), expected[i]);
    QCOMPARE(int(quint8(frames[0][2])), 1);
    QVERIFY(s.sim.violations().isEmpty());

    link.lastIndex = 818;
    QCOMPARE(link.ringDistance(810, 5), 14);
    QCOMPARE(link.ringDistance(5, 810), 805);
    QCOMPARE(link.ringDistance(900, 0), 1);
    QCOMPARE(link.ringDistance(7, 7), 0);
    link.writeIndex = 818;
    QVERIFY(link.ringIsValid());
    link.writeIndex = 819;
    QVERIFY(!link.ringIsValid());
    link.lastIndex = 0;
    link.writeIndex = 0;
    QVERIFY(!link.ringIsValid());
    QCOMPARE(link.ringDistance(5, 9), 0);
}

void TestUsbCom::showErrorTextsAndRetry()
{
    TestEnv env;
    UsbCom link;
    {
        ScriptedPrompts prompts;
        QCOMPARE(link.showError(UsbOk, true), false);
        QVERIFY(prompts.seen().isEmpty());
    }
    {
        ScriptedPrompts prompts;
        prompts.expectButton(Prompts::Kind::Warning, QStringLiteral("Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!"), 1);
        prompts.expectButton(Prompts::Kind::Warning, QStringLiteral("Az adatátvitel során nem értelmezhető"), 0);
        QCOMPARE(link.showError(UsbNoDevice, true), true);
        QCOMPARE(link.showError(UsbBadReply, true), false);
        const Prompts::Request& r = prompts.seen().first();
        QCOMPARE(r.title, QStringLiteral("WYX770"));
        QCOMPARE(r.buttons, QStringList({"Megszakít", "Ismét"}));
        QVERIFY(!r.hasEscape);
        QVERIFY(!r.parent);
    }
    {
        ScriptedPrompts prompts;
        prompts.expectButton(Prompts::Kind::Warning, QStringLiteral("Hiba lépett fel az FTDI USB driverben!"), 0);
        QCOMPARE(link.showError(UsbDriverError, false), false);
        QCOMPARE(prompts.seen().first().buttons, QStringList({"OK"}));
        // An unknown code never reads as success.
        prompts.expectButton(Prompts::Kind::Warning, QStringLiteral("A program működésében belső hiba lépett fel!"), 0);
        QCOMPARE(link.showError(UsbErrorCodes(9), false), false);
    }
}

WYX_TEST_MAIN(TestUsbCom)
#include "tst_usbcom.moc"
