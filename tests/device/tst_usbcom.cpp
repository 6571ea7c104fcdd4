// The USB link against the strict simulated logger: opening, the transaction's retry
// budget and error codes, every command's request bytes and reply handling, the error box.
#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"
#include "usbcomtesting.h"

#include <QtTest>

using Inject = std::function<void(SimulatedLogger&)>;
Q_DECLARE_METATYPE(Inject)
Q_DECLARE_METATYPE(UsbErrorCodes)

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

QByteArray frame(const char* text)
{
    return SimulatedLogger::makeFrame(hex(text));
}

QByteArray pageSlot(const unsigned char* page, int k)
{
    return QByteArray(reinterpret_cast<const char*>(page + DeviceLogPage::slotOffset(k)), 10);
}

QByteArray entryBytes(const LogEntry& e)
{
    return QByteArray(reinterpret_cast<const char*>(e.bytes()), 10);
}

QStringList configurationSteps()
{
    return {"resetDevice", "setLatencyTimer", "setUsbParameters", "setBaudRate", "setDataCharacteristics",
            "setFlowControl", "setTimeouts"};
}

} // namespace

class TestUsbCom : public QObject
{
    Q_OBJECT
private slots:
    void openWithoutLoggersFails()
    {
        TestEnv env;
        LinkRig r;
        r.sim.removeDevices();
        QCOMPARE(r.link.open(), UsbNoDevice);
        r.sim.failDeviceList(true);
        QCOMPARE(r.link.open(), UsbLibraryError);
        QVERIFY(!r.link.handle);
    }

    void openTakesTheFirstFreeLogger()
    {
        // The first logger is opened by another program; the second one is taken.
        TestEnv env;
        LinkRig r;
        r.dev().openedElsewhere = true;
        r.sim.device(r.sim.addDevice("Vigilor", "SIM00002")).setName("SECOND");
        QCOMPARE(r.link.open(), UsbOk);
        QCOMPARE(r.link.getDeviceInfo(), UsbOk);
        QCOMPARE(r.link.deviceName, QStringLiteral("SECOND  "));
        // A second open closes the first handle before it starts again.
        r.sim.clearLogs();
        QCOMPARE(r.link.open(), UsbOk);
        QCOMPARE(r.sim.calls().first(), QStringLiteral("close"));
        VERIFY_NO_VIOLATIONS(r.sim);
    }

    void openMatchesTheDescriptionExactly()
    {
        // Letter case counts; a failing detail query of the last entry is a library error,
        // but not once a match came before it.
        TestEnv env;
        LinkRig r;
        r.dev().description = "VIGILOR";
        QCOMPARE(r.link.open(), UsbNoDevice);
        r.sim.addDevice("Vigilor", "SIM00002");
        r.sim.device(1).detailFails = true;
        QCOMPARE(r.link.open(), UsbLibraryError);
        r.dev().description = "Vigilor";
        QCOMPARE(r.link.open(), UsbOk);
        QVERIFY(r.sim.calls().contains(QStringLiteral("openBySerial SIM00001")));
        r.sim.failCall(QStringLiteral("openBySerial"));
        QCOMPARE(r.link.open(), UsbDriverError);
        QVERIFY(!r.link.handle);
    }

    void failingConfigurationStepCloses_data()
    {
        QTest::addColumn<int>("failing");
        for (int k = 0; k < configurationSteps().size(); ++k)
            QTest::newRow(qPrintable(configurationSteps().at(k))) << k;
    }

    void failingConfigurationStepCloses()
    {
        // The device is closed and the steps after the failing one are skipped.
        QFETCH(int, failing);
        TestEnv env;
        const QStringList steps = configurationSteps();
        LinkRig r;
        r.sim.failCall(steps[failing]);
        QCOMPARE(r.link.open(), UsbDriverError);
        QVERIFY(!r.link.handle);
        QCOMPARE(r.sim.callCount(QStringLiteral("close")), 1);
        for (int later = failing + 1; later < steps.size(); ++later)
            QCOMPARE(r.sim.callCount(steps[later]), 0);
        QCOMPARE(r.link.getClock(), UsbNoChannel);
    }

    void sendFrameRefusesFramesThatDoNotFit_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("empty") << 0;
        QTest::newRow("one over the buffer") << int(UsbCom::FrameSize);
        QTest::newRow("far over") << 255;
    }

    void sendFrameRefusesFramesThatDoNotFit()
    {
        QFETCH(int, length);
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        r.sim.clearLogs();
        unsigned char request[256] = {};
        unsigned char reply[UsbCom::ReplySize] = {};
        request[0] = quint8(length);
        QCOMPARE(r.link.sendFrame(request, reply), UsbBadParameter);
        QVERIFY(r.sim.frames().isEmpty());
    }

    void sendFrameCarriesAWholeCommand()
    {
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        unsigned char request[UsbCom::FrameSize] = {4, 0x08, 0, 0};
        UsbCom::setChecksum(request);
        unsigned char reply[UsbCom::ReplySize] = {};
        QCOMPARE(r.link.sendFrame(request, reply), UsbOk);
        QCOMPARE(int(reply[1]), 0x08);
        QVERIFY(UsbCom::checkChecksum(reply));
        reply[2] ^= 1;
        QVERIFY(!UsbCom::checkChecksum(reply));
        VERIFY_NO_VIOLATIONS(r.sim);
    }

    void transactionWithoutADeviceSendsNothing()
    {
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.readCalibration(), UsbNoChannel);
        QVERIFY(r.sim.calls().isEmpty());
    }

    void transactionRetryBudget_data()
    {
        QTest::addColumn<Inject>("inject");
        QTest::addColumn<UsbErrorCodes>("expected");
        QTest::addColumn<int>("writes"); // wake-ups and frames
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("strict");
        const auto failReads = [](QList<int> nths) {
            return Inject([nths](SimulatedLogger& s) { for (int nth : nths) s.failCall(QStringLiteral("read"), nth); });
        };
        const auto shortWrites = [](QList<int> nths) {
            return Inject([nths](SimulatedLogger& s) {
                for (int nth : nths)
                    s.failCall(QStringLiteral("write"), nth, 1);
            });
        };
        const auto lengthByte = [](int b) {
            return Inject([b](SimulatedLogger& s) { s.injectReplyFault(0x1A, 0, SimulatedLogger::LengthByte, b); });
        };
        QTest::newRow("silent logger") << Inject([](SimulatedLogger& s) { s.failWakeUps(100); }) << UsbNoDevice << 5
                                       << 0 << true;
        QTest::newRow("wrong wake-up answer") << Inject([](SimulatedLogger& s) { s.failWakeUps(5, 'X'); })
                                              << UsbBadReply << 5 << 0 << true;
        QTest::newRow("four lost wake-ups") << Inject([](SimulatedLogger& s) { s.failWakeUps(4); }) << UsbOk << 6
                                            << 1 << true;
        QTest::newRow("wake-up reads fail") << failReads({0}) << UsbTransferError << 5 << 0 << true;
        QTest::newRow("three short frame writes") << shortWrites({2, 4, 6}) << UsbTransferError << 6 << 0 << true;
        QTest::newRow("one short frame write") << shortWrites({2}) << UsbOk << 4 << 1 << true;
        QTest::newRow("one body read fails") << failReads({3}) << UsbOk << 4 << 2 << true;
        // Spoilt length bytes leave the logger half-way, as a real one would: not strict.
        QTest::newRow("length 0") << lengthByte(0) << UsbNoDevice << 6 << 3 << false;
        QTest::newRow("length 1") << lengthByte(1) << UsbBadReply << 6 << 3 << false;
        QTest::newRow("length 145") << lengthByte(145) << UsbBadReply << 6 << 3 << false;
        QTest::newRow("length 255") << lengthByte(255) << UsbBadReply << 6 << 3 << false;
    }

    void transactionRetryBudget()
    {
        QFETCH(Inject, inject);
        QFETCH(UsbErrorCodes, expected);
        QFETCH(int, writes);
        QFETCH(int, frames);
        QFETCH(bool, strict);
        TestEnv env;
        LinkRig r;
        r.sim.setStrict(strict);
        QCOMPARE(r.link.open(), UsbOk);
        r.sim.clearLogs();
        inject(r.sim);
        QCOMPARE(r.link.readCalibration(), expected);
        QCOMPARE(r.sim.callCount(QStringLiteral("write")), writes);
        QCOMPARE(r.sim.framesOf(0x1A).size(), frames);
    }

    void lateReplyTailIsDiscarded()
    {
        TestEnv env;
        LinkRig r;
        r.dev().fill(300);
        QCOMPARE(r.link.open(), UsbOk);
        QCOMPARE(r.link.getDeviceInfo(), UsbOk);
        // The tail of a page arrives after the read timed out; without discarding it the next
        // attempt would take page bytes for the wake-up answer and the length.
        r.sim.injectReplyFault(0x0C, 1, SimulatedLogger::LateTail, 200);
        DeviceLogPage page;
        QCOMPARE(r.link.readPage(100, page.bytes), UsbOk);
        QCOMPARE(r.sim.framesOf(0x0C).size(), 2);
        for (int k = 0; k < DeviceLogPage::SlotCount; ++k)
            QCOMPARE(pageSlot(page.bytes, k), r.dev().record(100 + k));
        QCOMPARE(r.link.readCalibration(), UsbOk);
        // Every attempt times out; its tail must not spoil the next command either.
        r.sim.injectReplyFault(0x0C, 0, SimulatedLogger::LateTail, 200);
        QCOMPARE(r.link.readPage(100, page.bytes), UsbNoDevice);
        r.sim.clearFaults();
        QCOMPARE(r.link.readCalibration(), UsbOk);
        VERIFY_NO_VIOLATIONS(r.sim);
    }

    void shortBodyOnEveryAttemptGivesUp()
    {
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        r.sim.clearLogs();
        r.sim.injectReplyFault(0x03, 0, SimulatedLogger::ShortBody, 2);
        QCOMPARE(r.link.getClock(), UsbNoDevice);
        QCOMPARE(r.sim.framesOf(0x03).size(), 3);
        VERIFY_NO_VIOLATIONS(r.sim);
    }

    void atSignReplyIsASixtyFourByteBody()
    {
        // '@' to another command than the page read is a 64-byte body, and none of it is left over.
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        QByteArray reply(65, '\x11');
        reply[0] = '@';
        reply[2] = '\x2A';
        r.sim.serveReplies({reply});
        QCOMPARE(r.link.readCalibration(), UsbOk);
        QCOMPARE(int(r.link.clockCalibration), 0x2A);
        QCOMPARE(r.link.readCalibration(), UsbOk);
        QCOMPARE(int(r.link.clockCalibration), int(r.dev().calibration));
    }

    void strictSmokeRunsEveryCommand()
    {
        TestEnv env;
        LinkRig r;
        UsbCom& link = r.link;
        r.dev().fill(100);
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
        VERIFY_NO_VIOLATIONS(r.sim);

        // The fixed frames, byte for byte.
        QCOMPARE(r.sim.framesOf(0x03).first(), hex("0203E6"));
        QCOMPARE(r.sim.framesOf(0x1A).first(), hex("021AFF"));
        QCOMPARE(r.sim.framesOf(0x1D).first(), hex("041D0000F8"));
        QCOMPARE(r.sim.framesOf(0x1F).first(), frame("1F4100"));
        QCOMPARE(r.sim.framesOf(0x08).first(), frame("080300"));
        QCOMPARE(r.sim.framesOf(0x19).first(), frame("197B00"));
        QCOMPARE(r.sim.framesOf(0x1C).first(), frame("1C5F5FBE"));
        QCOMPARE(r.sim.framesOf(0x1B).first(), frame("1BC30000C3"));
        QCOMPARE(r.sim.framesOf(0x09).first(), SimulatedLogger::makeFrame("\x09OTTO    "));
        // The new name is cut before a character that would not fit whole.
        QCOMPARE(r.dev().name(), QByteArray("\xC3\x81RP\xC3\x81" "D "));
        QCOMPARE(link.deviceName, QString::fromUtf8("ÁRPÁD "));
        QCOMPARE(quint8(r.dev().config()[95]), quint8(0x5F));
        QCOMPARE(r.dev().calibration, quint8(0x7B));
    }

    void identityAndConfigurationFields()
    {
        TestEnv env;
        LinkRig r;
        SimulatedDevice& dev = r.dev();
        QVERIFY(dev.setIdentity(QByteArray("VGL-770 ANNA    S1234567") + hex("1234BEEF070227 72F9E03412")));
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

        UsbCom& link = r.link;
        QCOMPARE(link.open(), UsbOk);
        QCOMPARE(link.getDeviceInfo(), UsbOk);
        QCOMPARE(QStringList({link.model, link.deviceName, link.serialNumber}),
                 QStringList({"VGL-770 ", "ANNA    ", "S1234567"}));
        const QList<int> fields{
            link.hardwareCode,    link.identityWord26,  link.firmwareVersion, link.memoryCode,
            link.lastIndex,       link.clockChip,       link.batteryLevel,    link.statusBits,
            link.writeIndex,      link.temperatureRaw,  link.batteryVoltage,  link.configByte76,
            link.configByte79,    link.configWord80,    link.resetCount,      link.logCount,
            link.clockResetCount, link.initCount,       link.wetCount,        link.configByte92,
            link.optionFlags,     link.clockCalibration};
        QCOMPARE(fields, (QList<int>{0x1234, 0xEFBE, 0x0207, 0x27, 22931, 114,    0xF9, 0xE0,
                                     0x1234, -1234,  0x0345, 0x4C, 0x4F,  0x1234, 1,    2,
                                     3,      4,      0x0105, 0x5C, 0xA8,  0x45}));
        const QList<QDateTime> dates{link.initDate,         link.readoutDate,       link.commissionedDate,
                                     link.repairedDate,     link.batteryChangeDate, link.resetDate,
                                     link.openedDate,       link.closedDate,        link.wetDate,
                                     link.dryDate,          link.chargedDate,       link.dischargedDate,
                                     link.deepDischargeDate};
        for (int i = 0; i < 13; ++i)
            QCOMPARE(dates[i], base.addDays(i));
        QVERIFY(qAbs(link.deviceTime.secsTo(link.pcTime)) <= 2);
        QCOMPARE(link.pcTime.time().msec(), 0);
        QCOMPARE(r.sim.framesOf(0x1F).size(), 2);
    }

    void thermistorHardwareHasNoVoltageQuery()
    {
        TestEnv env;
        LinkRig r;
        r.dev().setHardwareCode(0x0404);
        r.dev().batteryVoltage = 0x0345;
        QCOMPARE(r.link.open(), UsbOk);
        r.sim.clearLogs();
        QCOMPARE(r.link.getDeviceInfo(), UsbOk);
        QCOMPARE(r.link.batteryVoltage, quint16(0));
        QCOMPARE(r.sim.framesOf(0x1F).size(), 1);
        VERIFY_NO_VIOLATIONS(r.sim);
    }

    void unknownMemorySizeGivesNoRing()
    {
        TestEnv env;
        LinkRig r;
        r.dev().setMemoryCode(0x15);
        QCOMPARE(r.link.open(), UsbOk);
        QCOMPARE(r.link.getDeviceInfo(), UsbOk);
        QCOMPARE(r.link.lastIndex, 0);
        QVERIFY(!r.link.ringIsValid());
    }

    void emptyIdentityReplyIsAZeroedRecord()
    {
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        r.sim.serveReplies({SimulatedLogger::makeReply(0x1D, hex("00"))});
        QCOMPARE(r.link.getDeviceInfo(), UsbOk);
        QCOMPARE(r.link.deviceName, QString());
        QCOMPARE(r.link.hardwareCode, quint16(0));
        QCOMPARE(r.link.writeIndex, 0);
        QCOMPARE(r.link.lastIndex, 0);
    }

    void identityOfAnotherLengthOrAWrongEchoIsNotUnderstood()
    {
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        r.sim.serveReplies({SimulatedLogger::makeReply(0x1D, QByteArray(20, '\x20'))});
        QCOMPARE(r.link.getDeviceInfo(), UsbBadReply);
        const QByteArray identity = SimulatedLogger::makeReply(0x1D, hex("00") + r.dev().identity());
        r.sim.serveReplies({identity, SimulatedLogger::makeReply(0x1F, hex("40000102"))});
        QCOMPARE(r.link.getDeviceInfo(), UsbBadReply);
    }

    void failingCalibrationReadComesLast()
    {
        // Every field is filled, the calibration read's error returned.
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        r.sim.setStrict(false);
        r.dev().setName("KATI");
        r.dev().setConfigBytes(84, hex("0900"));
        r.sim.injectReplyFault(0x1A, 0, SimulatedLogger::Silent);
        QCOMPARE(r.link.getDeviceInfo(), UsbNoDevice);
        QCOMPARE(r.link.deviceName, QStringLiteral("KATI    "));
        QCOMPARE(r.link.logCount, quint16(9));
        QVERIFY(r.link.initDate.isValid());
    }

    void memoryRanges()
    {
        TestEnv env;
        LinkRig r;
        QByteArray pattern(256, '\0');
        for (int i = 0; i < 256; ++i)
            pattern[i] = char(i * 7 + 3);
        QVERIFY(r.dev().setConfig(pattern));
        unsigned char buf[256] = {};
        QCOMPARE(r.link.readConfigRange(buf, 10, 0), UsbNoChannel);
        QCOMPARE(r.link.open(), UsbOk);

        // 200 bytes go as 128 + 72, the second frame at address 128.
        QCOMPARE(r.link.readConfigRange(buf, 200, 0), UsbOk);
        QCOMPARE(r.sim.framesOf(0x1D), QList<QByteArray>({frame("1D0080"), frame("1D8048")}));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 200), pattern.left(200));

        // Bounds: beyond 256, negative, and empty ranges send nothing (never the identity read).
        r.sim.clearLogs();
        for (const auto& range : {qMakePair(7, 250), qMakePair(4, -1)}) {
            QCOMPARE(r.link.readConfigRange(buf, range.first, range.second), UsbBadParameter);
            QCOMPARE(r.link.writeConfigRange(buf, range.first, range.second), UsbBadParameter);
        }
        unsigned char guard[2] = {0x55, 0x55};
        QCOMPARE(r.link.readConfigRange(guard, 0, 0), UsbOk);
        QCOMPARE(r.link.writeConfigRange(guard, 0, 0), UsbOk);
        QCOMPARE(r.link.readConfigRange(guard, -3, 5), UsbOk);
        QCOMPARE(guard[0], quint8(0x55));
        QVERIFY(r.sim.frames().isEmpty());
        QCOMPARE(r.link.readConfigRange(buf, 6, 250), UsbOk);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 6), pattern.mid(250));

        // Writes split the same way and land where they should.
        QByteArray fresh = pattern.left(200);
        std::reverse(fresh.begin(), fresh.end());
        r.sim.clearLogs();
        QCOMPARE(r.link.writeConfigRange(reinterpret_cast<const unsigned char*>(fresh.constData()), 200, 56), UsbOk);
        QCOMPARE(r.sim.framesOf(0x1C).size(), 2);
        QCOMPARE(r.dev().config(), pattern.left(56) + fresh);

        // A reply of the wrong length for the count.
        r.sim.serveReplies({SimulatedLogger::makeReply(0x1D, hex("00") + QByteArray(5, 'x'))});
        QCOMPARE(r.link.readConfigRange(buf, 4, 0), UsbBadReply);
        VERIFY_NO_VIOLATIONS(r.sim);
    }

    void pageRecordAndShortReplies()
    {
        TestEnv env;
        LinkRig r;
        UsbCom& link = r.link;
        r.dev().fill(900); // wraps the 819-slot ring
        DeviceLogPage page;
        // No device: the time-out call fails before anything is sent.
        QCOMPARE(link.readPage(0, page.bytes), UsbTransferError);
        QCOMPARE(link.open(), UsbOk);
        QCOMPARE(link.getDeviceInfo(), UsbOk);

        r.sim.clearLogs();
        QCOMPARE(link.readPage(800, page.bytes), UsbOk);
        QCOMPARE(page.bytes[0], quint8('@'));
        for (int k = 0; k < DeviceLogPage::SlotCount; ++k)
            QCOMPARE(pageSlot(page.bytes, k), r.dev().record((800 + k) % 819));
        const auto timeouts = [&r] { return r.sim.calls().filter(QStringLiteral("setTimeouts")); };
        QCOMPARE(timeouts(), QStringList({"setTimeouts 1500 200", "setTimeouts 500 200"}));

        // A short page is not a page; the time-outs are restored after a failure too.
        r.sim.serveReplies({SimulatedLogger::makeReply(0x0C, QByteArray(20, '\x01'))});
        QCOMPARE(link.readPage(0, page.bytes), UsbBadReply);
        QCOMPARE(timeouts().last(), QStringLiteral("setTimeouts 500 200"));
        r.sim.injectReplyFault(0x0C, 0, SimulatedLogger::ShortBody, 11);
        QCOMPARE(link.readPage(0, page.bytes), UsbNoDevice);
        QCOMPARE(timeouts().last(), QStringLiteral("setTimeouts 500 200"));
        r.sim.clearFaults();
        r.sim.failCall(QStringLiteral("setTimeouts"));
        r.sim.clearLogs();
        QCOMPARE(link.readPage(0, page.bytes), UsbTransferError);
        QVERIFY(r.sim.frames().isEmpty());

        QCOMPARE(link.readEntry(818), UsbOk);
        QCOMPARE(entryBytes(link.lastEntry), r.dev().record(818));
        QCOMPARE(r.sim.framesOf(0x08).last(), frame("083203"));
        VERIFY_NO_VIOLATIONS(r.sim);

        // Replies long enough for the length test but too short for the bytes taken change nothing.
        const QDateTime before = link.deviceTime;
        const QByteArray beforeEntry = entryBytes(link.lastEntry);
        r.sim.serveReplies({SimulatedLogger::makeReply(0x03, hex("2F0F"))});
        QCOMPARE(link.getClock(), UsbBadReply);
        QCOMPARE(link.deviceTime, before);
        r.sim.serveReplies({SimulatedLogger::makeReply(0x08, hex("0102030405"))});
        QCOMPARE(link.readEntry(4), UsbBadReply);
        QCOMPARE(entryBytes(link.lastEntry), beforeEntry);
        unsigned char o1 = 0, o2 = 0, o3 = 0;
        for (const char* payload : {"41", ""}) {
            r.sim.serveReplies({SimulatedLogger::makeReply(0x1F, hex(payload))});
            QCOMPARE(link.getQueryWord('A', &o1, &o2, &o3), UsbBadReply);
        }
        // Exactly long enough is fine.
        r.sim.serveReplies({SimulatedLogger::makeReply(0x1F, hex("41102030"))});
        QCOMPARE(link.getQueryWord('A', &o1, &o2, &o3), UsbOk);
        QCOMPARE(QList<int>({o1, o2, o3}), QList<int>({0x10, 0x30, 0x20}));
    }

    void clockAndNameCommands()
    {
        TestEnv env;
        LinkRig r;
        UsbCom& link = r.link;
        const QDateTime t(QDate(2024, 5, 1), QTime(8, 0, 10));
        // Without a device the time is still taken, and the clock read still stamps pcTime.
        QCOMPARE(link.setClock(t), UsbNoChannel);
        QCOMPARE(link.deviceTime, t);
        QCOMPARE(link.refreshClockIfClosed(), UsbNoChannel);
        QCOMPARE(link.pcTime.date(), QDate(2024, 3, 12));
        QCOMPARE(link.pcTime.time().msec(), 0);

        QCOMPARE(link.open(), UsbOk);
        r.sim.clearLogs();
        QCOMPARE(link.refreshClockIfClosed(), UsbOk);
        QVERIFY(r.sim.frames().isEmpty());

        QCOMPARE(link.setClock(t), UsbOk);
        const QByteArray packed = SimulatedDevice::packTime(t);
        QCOMPARE(r.sim.framesOf(0x02).last(), SimulatedLogger::makeFrame(hex("02") + packed));
        QCOMPARE(link.writeReadoutTime(), UsbOk);
        QCOMPARE(link.readoutDate, t);
        QCOMPARE(r.dev().config().mid(28, 4), packed);

        // An initialisation whose first command fails does not send the name.
        r.sim.setStrict(false);
        r.sim.injectReplyFault(0x05, 0, SimulatedLogger::Silent);
        r.sim.clearLogs();
        QCOMPARE(link.initDevice(QStringLiteral("NEW"), t), UsbNoDevice);
        QCOMPARE(r.sim.framesOf(0x05).size(), 3);
        QVERIFY(r.sim.framesOf(0x09).isEmpty());
        r.sim.clearFaults();
        QCOMPARE(link.initDevice(QStringLiteral("NEW"), t), UsbOk);
        QCOMPARE(r.dev().name(), QByteArray("NEW     "));
    }

    void memorySizeCode_data()
    {
        QTest::addColumn<int>("memoryCode");
        QTest::addColumn<int>("sizeCode");
        const int codes[][2] = {{0x01, 0}, {0x02, 1},  {0x08, 7},  {0x0C, 8},  {0x18, 9},  {0x1A, 10},
                                {0x1C, 11}, {0x1E, 12}, {0x28, 13}, {0x38, 14}, {0x27, 12}, {0x15, 15}};
        for (const auto& c : codes)
            QTest::addRow("0x%02X", c[0]) << c[0] << c[1];
    }

    void memorySizeCode()
    {
        // 7 chips of 32 KB is 224 KB too; 5 chips of 16 KB is unknown.
        QFETCH(int, memoryCode);
        QFETCH(int, sizeCode);
        UsbCom link;
        link.memoryCode = quint8(memoryCode);
        QCOMPARE(link.memorySizeCode(), sizeCode);
    }

    void signalTestDivider_data()
    {
        QTest::addColumn<int>("hertz");
        QTest::addColumn<int>("divider"); // its low byte in the frame
        QTest::newRow("300 Hz") << 300 << 0xA1;
        QTest::newRow("0 Hz: no tone") << 0 << 0;
        QTest::newRow("negative") << -5 << 0;
        QTest::newRow("125000 Hz") << 125000 << 1;
        QTest::newRow("beyond the top") << 250001 << 0;
    }

    void signalTestDivider()
    {
        QFETCH(int, hertz);
        QFETCH(int, divider);
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        QCOMPARE(r.link.sendSignalTest(1, hertz), UsbOk);
        QCOMPARE(int(quint8(r.sim.framesOf(0x1E).last()[3])), divider);
        VERIFY_NO_VIOLATIONS(r.sim);
    }

    void ringDistance_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("distance");
        // The ring of 819 slots.
        QTest::newRow("across the start") << 810 << 5 << 14;
        QTest::newRow("forward") << 5 << 810 << 805;
        QTest::newRow("from beyond the ring") << 900 << 0 << 1;
        QTest::newRow("same slot") << 7 << 7 << 0;
    }

    void ringDistance()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, distance);
        UsbCom link;
        link.lastIndex = 818;
        QCOMPARE(link.ringDistance(from, to), distance);
    }

    void ringValidity()
    {
        UsbCom link;
        link.lastIndex = 818;
        link.writeIndex = 818;
        QVERIFY(link.ringIsValid());
        link.writeIndex = 819;
        QVERIFY(!link.ringIsValid());
        link.lastIndex = 0;
        link.writeIndex = 0;
        QVERIFY(!link.ringIsValid());
        QCOMPARE(link.ringDistance(5, 9), 0);
    }

    void showErrorTextsAndRetry()
    {
        TestEnv env;
        UsbCom link;
        ScriptedPrompts prompts;
        QCOMPARE(link.showError(UsbOk, true), false);
        QVERIFY(prompts.seen().isEmpty());
        prompts.expectButton(Prompts::Kind::Warning,
                             QStringLiteral("Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!"), 1);
        prompts.expectButton(Prompts::Kind::Warning, QStringLiteral("Az adatátvitel során nem értelmezhető"),
                             0);
        prompts.expectButton(Prompts::Kind::Warning, QStringLiteral("Hiba lépett fel az FTDI USB driverben!"),
                             0);
        // An unknown code never reads as success.
        prompts.expectButton(Prompts::Kind::Warning,
                             QStringLiteral("A program működésében belső hiba lépett fel!"), 0);
        QCOMPARE(link.showError(UsbNoDevice, true), true);
        QCOMPARE(link.showError(UsbBadReply, true), false);
        QCOMPARE(link.showError(UsbDriverError, false), false);
        QCOMPARE(link.showError(UsbErrorCodes(9), false), false);
        const Prompts::Request& r = prompts.seen().first();
        QCOMPARE(r.title, QStringLiteral("WYX770"));
        QCOMPARE(r.buttons, QStringList({"Megszakít", "Ismét"}));
        QVERIFY(!r.hasEscape);
        QVERIFY(!r.parent);
        QCOMPARE(prompts.seen().at(2).buttons, QStringList({"OK"}));
    }

    // Set to the computer's time, then read: "Pontos", whatever the phase of the computer's
    // clock when the set started, and also when the time was sent a moment after the tick.
};

WYX_TEST_MAIN(TestUsbCom)
#include "tst_usbcom.moc"
