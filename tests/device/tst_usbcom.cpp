// The USB link against the strict simulated logger: opening, the transaction's retry
// budget and error codes, every command's request bytes and reply handling, the error box,
// the clock check and the status lines.
#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"
#include "usbcomtesting.h"

#include <QLineEdit>
#include <QtTest>

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

const QDateTime pcNow(QDate(2026, 6, 15), QTime(12, 0, 0));

QString when(const QDateTime& t)
{
    return QLocale::system().toString(t.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
        t.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

class TestUsbCom : public QObject
{
    Q_OBJECT
private slots:
    void openFindsAndConfiguresTheDevice()
    {
        TestEnv env;
        {
            LinkRig r;
            r.sim.removeDevices();
            QCOMPARE(r.link.open(), UsbNoDevice);
            r.sim.failDeviceList(true);
            QCOMPARE(r.link.open(), UsbLibraryError);
            QVERIFY(!r.link.handle);
        }
        {
            // The first logger is opened by another program; the second one is taken.
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
        {
            // Letter case counts; a failing detail query of the last entry is a library error,
            // but not once a match came before it.
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
        // A failing configuration step closes the device and skips the steps after it.
        const QStringList steps{"resetDevice",            "setLatencyTimer", "setUsbParameters", "setBaudRate",
                                "setDataCharacteristics", "setFlowControl",  "setTimeouts"};
        for (int k = 0; k < steps.size(); ++k) {
            LinkRig r;
            r.sim.failCall(steps[k]);
            QCOMPARE(r.link.open(), UsbDriverError);
            QVERIFY(!r.link.handle);
            QCOMPARE(r.sim.callCount(QStringLiteral("close")), 1);
            for (int later = k + 1; later < steps.size(); ++later)
                QCOMPARE(r.sim.callCount(steps[later]), 0);
            QCOMPARE(r.link.getClock(), UsbNoChannel);
        }
    }

    void transactionRetryBudgetAndErrors()
    {
        TestEnv env;
        {
            // No device open: nothing reaches the driver.
            LinkRig r;
            QCOMPARE(r.link.readCalibration(), UsbNoChannel);
            QVERIFY(r.sim.calls().isEmpty());
        }
        using Inject = std::function<void(SimulatedLogger&)>;
        const auto failReads = [](QList<int> nths) {
            return [nths](SimulatedLogger& s) { for (int nth : nths) s.failCall(QStringLiteral("read"), nth); };
        };
        const auto shortWrites = [](QList<int> nths) {
            return [nths](SimulatedLogger& s) { for (int nth : nths) s.failCall(QStringLiteral("write"), nth, 1); };
        };
        const auto lengthByte = [](int b) {
            return [b](SimulatedLogger& s) { s.injectReplyFault(0x1A, 0, SimulatedLogger::LengthByte, b); };
        };
        const struct {
            const char* what;
            Inject inject;
            UsbErrorCodes expected;
            int writes; // wake-ups and frames
            int frames;
        } cases[] = {
            {"silent logger", [](SimulatedLogger& s) { s.failWakeUps(100); }, UsbNoDevice, 5, 0},
            {"wrong wake-up answer", [](SimulatedLogger& s) { s.failWakeUps(5, 'X'); }, UsbBadReply, 5, 0},
            {"four lost wake-ups", [](SimulatedLogger& s) { s.failWakeUps(4); }, UsbOk, 6, 1},
            {"wake-up reads fail", failReads({0}), UsbTransferError, 5, 0},
            {"three short frame writes", shortWrites({2, 4, 6}), UsbTransferError, 6, 0},
            {"one short frame write", shortWrites({2}), UsbOk, 4, 1},
            {"one body read fails", failReads({3}), UsbOk, 4, 2},
            // Spoilt length bytes leave the logger half-way, as a real one would: not strict.
            {"length 0", lengthByte(0), UsbNoDevice, 6, 3},
            {"length 1", lengthByte(1), UsbBadReply, 6, 3},
            {"length 145", lengthByte(145), UsbBadReply, 6, 3},
            {"length 255", lengthByte(255), UsbBadReply, 6, 3},
        };
        for (const auto& c : cases) {
            LinkRig r;
            r.sim.setStrict(!QByteArray(c.what).startsWith("length"));
            QCOMPARE(r.link.open(), UsbOk);
            r.sim.clearLogs();
            c.inject(r.sim);
            QVERIFY2(r.link.readCalibration() == c.expected, c.what);
            QVERIFY2(r.sim.callCount(QStringLiteral("write")) == c.writes &&
                         r.sim.framesOf(0x1A).size() == c.frames,
                     c.what);
        }
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
        // A body shorter than announced, every attempt.
        r.sim.clearLogs();
        r.sim.injectReplyFault(0x03, 0, SimulatedLogger::ShortBody, 2);
        QCOMPARE(r.link.getClock(), UsbNoDevice);
        QCOMPARE(r.sim.framesOf(0x03).size(), 3);
        VERIFY_NO_VIOLATIONS(r.sim);
        // '@' to another command than the page read is a 64-byte body, and none of it is left over.
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

    void deviceInfo()
    {
        TestEnv env;
        {
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

            // The thermistor hardware has no voltage query.
            dev.setHardwareCode(0x0404);
            r.sim.clearLogs();
            QCOMPARE(link.getDeviceInfo(), UsbOk);
            QCOMPARE(link.batteryVoltage, quint16(0));
            QCOMPARE(r.sim.framesOf(0x1F).size(), 1);
            VERIFY_NO_VIOLATIONS(r.sim);

            // The capacity table; 7 chips of 32 KB is 224 KB too, 5 chips of 16 KB is unknown.
            const int codes[][2] = {{0x01, 0}, {0x02, 1}, {0x08, 7}, {0x0C, 8}, {0x18, 9}, {0x1A, 10},
                                    {0x1C, 11}, {0x1E, 12}, {0x28, 13}, {0x38, 14}, {0x27, 12}, {0x15, 15}};
            for (const auto& c : codes) {
                link.memoryCode = quint8(c[0]);
                QCOMPARE(link.memorySizeCode(), c[1]);
            }
            dev.setMemoryCode(0x15);
            QCOMPARE(link.getDeviceInfo(), UsbOk);
            QCOMPARE(link.lastIndex, 0);
            QVERIFY(!link.ringIsValid());
        }
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        // An empty identity reply is success with a zeroed record; any other length is not understood.
        r.sim.serveReplies({SimulatedLogger::makeReply(0x1D, hex("00"))});
        QCOMPARE(r.link.getDeviceInfo(), UsbOk);
        QCOMPARE(r.link.deviceName, QString());
        QCOMPARE(r.link.hardwareCode, quint16(0));
        QCOMPARE(r.link.writeIndex, 0);
        QCOMPARE(r.link.lastIndex, 0);
        r.sim.serveReplies({SimulatedLogger::makeReply(0x1D, QByteArray(20, '\x20'))});
        QCOMPARE(r.link.getDeviceInfo(), UsbBadReply);
        // A wrong query echo.
        const QByteArray identity = SimulatedLogger::makeReply(0x1D, hex("00") + r.dev().identity());
        r.sim.serveReplies({identity, SimulatedLogger::makeReply(0x1F, hex("40000102"))});
        QCOMPARE(r.link.getDeviceInfo(), UsbBadReply);
        // A failing calibration read comes last: every field is filled, its error returned.
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
        for (const auto& range : {qMakePair(7, 250), qMakePair(4, -1)})
            QVERIFY(r.link.readConfigRange(buf, range.first, range.second) == UsbBadParameter &&
                    r.link.writeConfigRange(buf, range.first, range.second) == UsbBadParameter);
        unsigned char guard[2] = {0x55, 0x55};
        QVERIFY(r.link.readConfigRange(guard, 0, 0) == UsbOk && r.link.writeConfigRange(guard, 0, 0) == UsbOk &&
                r.link.readConfigRange(guard, -3, 5) == UsbOk);
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

    void signalTestAndRingArithmetic()
    {
        TestEnv env;
        LinkRig r;
        UsbCom& link = r.link;
        QCOMPARE(link.open(), UsbOk);
        QList<int> dividers;
        for (int f : {300, 0, -5, 125000, 250001}) {
            QCOMPARE(link.sendSignalTest(1, f), UsbOk);
            dividers << quint8(r.sim.framesOf(0x1E).last()[3]);
        }
        QCOMPARE(dividers, QList<int>({0xA1, 0, 0, 1, 0}));
        VERIFY_NO_VIOLATIONS(r.sim);

        link.lastIndex = 818;
        QCOMPARE(QList<int>({link.ringDistance(810, 5), link.ringDistance(5, 810), link.ringDistance(900, 0),
                             link.ringDistance(7, 7)}),
                 QList<int>({14, 805, 1, 0}));
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

    // The drift, battery and status texts, their colours, and the clock's tolerance.
    // Set to the computer's time, then read: "Pontos", whatever the phase of the computer's
    // clock when the set started, and also when the time was sent a moment after the tick.
    void clockSetThenReadIsAccurate_data()
    {
        QTest::addColumn<int>("phaseMs");
        QTest::addColumn<int>("sendDelayMs");
        for (const int phase : {400, 1000, 1849, 1860, 1990, 10, 31})
            QTest::addRow("phase %d", phase) << phase << 0;
        QTest::addRow("sent 300 ms late") << 1700 << 300;
    }

    void clockSetThenReadIsAccurate()
    {
        QFETCH(int, phaseMs);
        QFETCH(int, sendDelayMs);
        TestEnv env;
        LinkRig r;
        r.clock.set(QDateTime(QDate(2024, 3, 12), QTime(10, 15, 0)).addMSecs(phaseMs));
        QCOMPARE(r.link.open(), UsbOk);
        const QDateTime t = waitDeviceTick();
        r.clock.set(r.clock.peek().addMSecs(sendDelayMs));
        QCOMPARE(r.link.setClock(t), UsbOk);
        QCOMPARE(r.link.getClock(), UsbOk);
        QCOMPARE(r.link.clockDriftText(), QStringLiteral("Pontos"));
        // A logger exactly two hours ahead reads as two hours (120 minutes) fast.
        r.dev().setClockOffset(2 * 3600 * 1000);
        QCOMPARE(r.link.getClock(), UsbOk);
        QCOMPARE(r.link.clockDriftText(), QStringLiteral("Siet 120 percet"));
    }

    // A logger still on winter time in the hour the clocks skip holds a local time that does
    // not exist: it is an hour slow, not an impossible date.
    void clockInTheSkippedHourIsAnHourSlow()
    {
        TestEnv env;
        UsbCom com;
        com.pcTime = QDateTime(QDate(2024, 3, 31), QTime(3, 30, 0));
        com.deviceTime = QDateTime(QDate(2024, 3, 31), QTime(2, 30, 0));
        QCOMPARE(com.clockDriftText(), QStringLiteral("Késik 60 percet"));
        QVERIFY(!com.clockWithinTolerance());
        com.deviceTime = QDateTime(QDate(2024, 3, 31), QTime(2, 30, 0));
        com.pcTime = QDateTime(QDate(2024, 3, 31), QTime(2, 30, 4)); // both in the gap
        QCOMPARE(com.clockDriftText(), QStringLiteral("Késik 4 másodpercet"));
        QVERIFY(com.clockWithinTolerance());
    }

    // Nothing read (no logger): the clock line gives no verdict, neither text nor colour.
    void clearedClockHasNoVerdict()
    {
        TestEnv env;
        UsbCom com;
        com.clearInfo();
        QLineEdit clock;
        const QColor base = clock.palette().color(QPalette::Base);
        QVERIFY(!com.clockWithinTolerance());
        QCOMPARE(com.clockDriftText(), QStringLiteral("- - -"));
        QCOMPARE(com.clockStatusLine(&clock), QString());
        QCOMPARE(clock.palette().color(QPalette::Base), base);
    }

    void clockAndStatusTexts()
    {
        TestEnv env;
        UsbCom com;
        com.pcTime = pcNow;
        const struct {
            qint64 secs;
            const char* text;
        } drifts[] = {
            {0, "Pontos"}, {179, "Siet 179 másodpercet"}, {180, "Siet 3 percet"}, {10799, "Siet 179 percet"},
            {10800, "Siet 3 órát"}, {-179, "Késik 179 másodpercet"}, {-180, "Késik 3 percet"},
            {3 * 86400 + 7200, "Siet 74 órát"}, // three calendar days still counts in hours
            {4 * 86400 - 43200, "Siet 4 napot"}, // the fourth calendar day, whatever the hours
            {-4 * 86400, "Késik 4 napot"},
        };
        for (const auto& c : drifts) {
            com.deviceTime = pcNow.addSecs(c.secs);
            QCOMPARE(com.clockDriftText(), QString::fromUtf8(c.text));
        }
        // The level byte from F0 up, else the voltage in 10 mV.
        const struct {
            int level;
            int voltage;
            const char* text;
        } batteries[] = {{0xF5, 0, "0%"},      {0xF6, 0, "10%"},   {0xFC, 0, "100%"}, {0xFF, 0, "100%"},
                         {0x10, 269, "- - -"}, {0x10, 270, "0%"},  {0x10, 301, "10%"}, {0x10, 421, "100%"},
                         {0x00, 0, "- - -"}};
        for (const auto& c : batteries) {
            com.batteryLevel = quint8(c.level);
            com.batteryVoltage = quint16(c.voltage);
            QCOMPARE(com.batteryPercentText(), QString::fromUtf8(c.text));
        }

        com.batteryLevel = 0xF9;
        com.chargedDate = QDateTime(QDate(2026, 5, 1), QTime(8, 30, 2));
        com.dischargedDate = QDateTime(QDate(2026, 5, 20), QTime(22, 0, 0));
        com.closedDate = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 6));
        com.openedDate = QDateTime(QDate(2026, 1, 1), QTime(1, 0, 0));
        com.dryDate = QDateTime(QDate(2025, 7, 2), QTime(14, 0, 0));
        com.wetDate = QDateTime(QDate(2025, 7, 1), QTime(14, 0, 0));
        QLineEdit battery, shell, moisture, clock;
        const auto checkColours = [&](const char* expected) {
            for (const QLineEdit* f : {&battery, &shell, &moisture, &clock})
                for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                    QCOMPARE(f->palette().color(group, QPalette::Base), QColor(expected));
                    QCOMPARE(f->palette().color(group, QPalette::Text), QColor("black"));
                }
        };

        com.statusBits = 0xE0; // charged, closed, dry
        com.deviceTime = pcNow.addSecs(-20);
        QCOMPARE(com.batteryStatusLine(&battery), "kb. 55%  feltöltve: " + when(com.chargedDate));
        QCOMPARE(com.caseStatusLine(&shell), "Összeszerelve: " + when(com.closedDate));
        QCOMPARE(com.moistureStatusLine(&moisture), "Száraz lett: " + when(com.dryDate));
        QCOMPARE(com.clockStatusLine(&clock), when(com.deviceTime) + "   Késik 20 másodpercet");
        checkColours("lime");
        // The tolerance boundary; an impossible logger date is never accurate.
        for (int drift : {0, 299, -299, 300, -300, 86400}) {
            com.deviceTime = pcNow.addSecs(drift);
            QVERIFY2(com.clockWithinTolerance() == (qAbs(drift) < 300), qPrintable(QString::number(drift)));
        }
        com.deviceTime = QDateTime(QDate(2026, 4, 31), QTime(12, 0, 0));
        QVERIFY(!com.clockWithinTolerance());
        QCOMPARE(com.clockDriftText(), QStringLiteral("- - -"));
        com.clockStatusLine(&clock);
        QCOMPARE(clock.palette().color(QPalette::Disabled, QPalette::Base), QColor("tomato"));

        com.statusBits = 0x00;
        com.deviceTime = pcNow.addSecs(3600);
        QCOMPARE(com.batteryStatusLine(&battery), "kb. 55%  lemerült: " + when(com.dischargedDate));
        QCOMPARE(com.caseStatusLine(&shell), "Szétszedve: " + when(com.openedDate));
        QCOMPARE(com.moistureStatusLine(&moisture), "Nedves lett: " + when(com.wetDate));
        QCOMPARE(com.clockStatusLine(&clock), when(com.deviceTime) + "   Siet 60 percet");
        checkColours("tomato");
        // A limit of nothing makes every clock inaccurate.
        appSettings().clockAdjustLimit = QTime(0, 0);
        com.deviceTime = pcNow;
        QVERIFY(!com.clockWithinTolerance());
    }
};

WYX_TEST_MAIN(TestUsbCom)
#include "tst_usbcom.moc"
