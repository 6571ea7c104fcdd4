// The simulated logger itself: the protocol checks of its strict mode, the commands as the
// real logger answers them, its ring and clock, the state file and the injected faults.
#include "devicetestutil.h"
#include "core/safesave.h"
#include "simulator/simulatedloggerfile.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

// The program's side of the link, reduced to raw driver calls.
struct Link {
    SimulatedLogger& sim;
    FtdiApi::Handle h;

    explicit Link(SimulatedLogger& s, bool configure = true)
        : sim(s)
        , h(s.openBySerial("SIM00001"))
    {
        if (h && configure) {
            QVERIFY(sim.resetDevice(h));
            QVERIFY(sim.setLatencyTimer(h, 8));
            QVERIFY(sim.setUsbParameters(h, 1024, 64));
            QVERIFY(sim.setBaudRate(h, 55555));
            QVERIFY(sim.setDataCharacteristics(h, 8, FtdiApi::StopBits2, FtdiApi::ParityNone));
            QVERIFY(sim.setFlowControl(h, FtdiApi::FlowNone, 0x11, 0x13));
            QVERIFY(sim.setTimeouts(h, 500, 200));
        }
    }
    ~Link() { sim.close(h); }
    bool send(const QByteArray& bytes)
    {
        int written = 0;
        return sim.write(h, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size(), written)
            && written == bytes.size();
    }
    QByteArray take(int n)
    {
        QByteArray buf(n, '\0');
        int got = 0;
        sim.read(h, reinterpret_cast<unsigned char*>(buf.data()), n, got);
        return buf.left(got);
    }
    bool wake()
    {
        send("S");
        return take(1) == "B";
    }
    // Wake-up, frame, length byte and body; empty when any step fails.
    QByteArray transact(const QByteArray& frame)
    {
        if (!wake() || !send(frame))
            return QByteArray();
        const QByteArray r = take(1);
        if (r.isEmpty())
            return QByteArray();
        const int body = (r[0] == '@' && quint8(frame[1]) == 0x0C) ? 704 : quint8(r[0]);
        return r + take(body);
    }
};

QByteArray frame(const char* hex)
{
    return SimulatedLogger::makeFrame(QByteArray::fromHex(hex));
}

QDateTime local(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime);
}

const QByteArray clockFrame = QByteArray::fromHex("0203E6");

// Two loggers, the second with a state of its own in every field the file keeps.
void prepareStateSample(SimulatedLogger& sim)
{
    sim.addDevice("Vigilor", "SIM00002");
    SimulatedDevice& dev = sim.device(1);
    dev.setMemoryCode(0x12); // 32 KB
    dev.fill(100);
    dev.ringMode = SimulatedDevice::NoGap;
    dev.calibration = 0x45;
    dev.setClockOffset(-5000);
    dev.setConfigBytes(95, QByteArray(1, char(0x5F)));
    sim.device(0).openedElsewhere = true;
}

} // namespace

class TestSimulatedLogger : public QObject
{
    Q_OBJECT
private slots:
    void unconfiguredLinkGetsNoAnswer()
    {
        // The logger stays silent on a link that was not set to 55555 Bd 8N2.
        SimulatedLogger sim;
        Link raw(sim, false);
        QVERIFY(raw.send("S"));
        QCOMPARE(raw.take(1), QByteArray());
        QCOMPARE(sim.violations().size(), 1);
    }

    void wrongFlowControlCharactersGetNoAnswer()
    {
        // Nor when the flow-control characters are not XON 11 and XOFF 13.
        SimulatedLogger sim;
        Link wrongFlow(sim, false);
        QVERIFY(sim.resetDevice(wrongFlow.h) && sim.setBaudRate(wrongFlow.h, 55555)
                && sim.setDataCharacteristics(wrongFlow.h, 8, FtdiApi::StopBits2, FtdiApi::ParityNone)
                && sim.setFlowControl(wrongFlow.h, FtdiApi::FlowNone, 0x00, 0x00));
        sim.clearLogs();
        QVERIFY(wrongFlow.send("S"));
        QCOMPARE(wrongFlow.take(1), QByteArray());
        QCOMPARE(sim.violations().size(), 1);
    }

    void identityReplyIsChecksummed()
    {
        SimulatedLogger sim;
        Link link(sim);
        const QByteArray id = link.transact(QByteArray::fromHex("041D0000F8"));
        QCOMPARE(id, SimulatedLogger::makeReply(0x1D, QByteArray(1, '\0') + sim.device().identity()));
        QCOMPARE(quint8(id[39]), SimulatedLogger::checksum(id, 1, 39));
        VERIFY_NO_VIOLATIONS(sim);
    }

    void strictModeRefusesBadFrames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expect");
        QTest::newRow("checksum") << QByteArray::fromHex("0203E7") << "checksum";
        QTest::newRow("length") << QByteArray::fromHex("031D00FA") << "length 3, expected 4";
        QTest::newRow("unknown command") << QByteArray::fromHex("0250B5") << "unknown";
        QTest::newRow("service sum") << frame("1B C3 0000 C4") << "sum";
        QTest::newRow("memory write sum") << frame("1C 5F 12 70") << "sum";
        QTest::newRow("beyond the memory") << frame("1C FF 01 02 02") << "beyond the memory";
        QTest::newRow("long identity read") << frame("1D 80 81") << "read of 129";
        QTest::newRow("unknown query") << frame("1F 42 00") << "query";
        QTest::newRow("calibration") << frame("19 3F 00") << "calibration";
        QTest::newRow("31 April") << frame("02 2E 9F 60 B6") << "impossible time";
        QTest::newRow("clock without a time") << frame("02") << "length";
        QTest::newRow("record beyond the ring") << frame("08 3303") << "index 819 beyond the ring's last 818";
        QTest::newRow("page beyond the ring") << frame("0C 3303") << "index 819 beyond";
        QTest::newRow("page far beyond the ring") << frame("0C FFFF") << "index 65535 beyond";
    }

    void strictModeRefusesBadFrames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expect);
        SimulatedLogger sim;
        Link link(sim);
        sim.clearLogs();
        QCOMPARE(link.transact(bytes), QByteArray());
        QCOMPARE(sim.violations().size(), 1);
        QVERIFY2(sim.violations().first().contains(expect), qPrintable(sim.violations().first()));
    }

    void noVoltageQueryOnThermistorHardware()
    {
        SimulatedLogger sim;
        Link link(sim);
        sim.clearLogs();
        sim.device().setHardwareCode(0x0404);
        QCOMPARE(link.transact(QByteArray::fromHex("041F4000BA")), QByteArray());
        QCOMPARE(sim.violations().size(), 1);
    }

    void lenientModeRecordsButAnswers()
    {
        SimulatedLogger sim;
        Link link(sim);
        sim.clearLogs();
        sim.setStrict(false);
        QCOMPARE(link.transact(QByteArray::fromHex("0203E7")).size(), 7);
        QCOMPARE(sim.violations().size(), 1);
    }

    void bytesWithoutWakeUpAndCutFramesAreViolations()
    {
        SimulatedLogger sim;
        Link link(sim);
        sim.clearLogs();
        QVERIFY(link.send(clockFrame));
        QCOMPARE(link.take(1), QByteArray());
        QVERIFY(link.wake());
        QVERIFY(link.send(QByteArray::fromHex("0203")));
        QCOMPARE(link.take(1), QByteArray());
        QCOMPARE(sim.violations().size(), 2);
        QCOMPARE(link.transact(clockFrame).size(), 7); // the receiver recovered
    }

    void clockCommandAndPacking()
    {
        TestEnv env;
        FakeClock clock(local(2024, 3, 5, 10, 0, 0));
        SimulatedLogger sim;
        SimulatedDevice& dev = sim.device();
        Link link(sim);

        // 0x02 sets the clock and logs a clock-set record: new time, then the old one.
        dev.setClockOffset(-90 * 1000);
        const QByteArray before = dev.packedClock();
        const QByteArray t = SimulatedDevice::packTime(local(2024, 3, 5, 10, 0, 4));
        QCOMPARE(link.transact(SimulatedLogger::makeFrame("\x02" + t)), SimulatedLogger::makeReply(0x02, {}));
        QCOMPARE(dev.writeIndex(), 1);
        QCOMPARE(dev.record(0), "\xDB" + t + before + QByteArray(1, '\0'));
        QCOMPARE(link.transact(clockFrame), SimulatedLogger::makeReply(0x03, t));
        VERIFY_NO_VIOLATIONS(sim);

        // The packing of the logger: 2023-08-15 13:45:17 is 2F 0F 60 B6.
        QCOMPARE(SimulatedDevice::packTime(local(2023, 8, 15, 13, 45, 17)), QByteArray::fromHex("2F0F60B6"));
        QCOMPARE(SimulatedDevice::unpackTime(QByteArray::fromHex("2F0F60B6")), local(2023, 8, 15, 13, 45, 16));
        QVERIFY(!SimulatedDevice::unpackTime(QByteArray::fromHex("2F0FA8C0")).isValid()); // 43200 units
    }

    void stateRoundTripsThroughItsFile()
    {
        TestEnv env;
        SimulatedLogger sim;
        prepareStateSample(sim);
        const SimulatedDevice& dev = sim.device(1);
        const QString path = env.path(QStringLiteral("state.json"));
        QVERIFY2(sim.save(path), qPrintable(sim.errorString()));

        SimulatedLogger back;
        QVERIFY2(back.load(path), qPrintable(back.errorString()));
        QCOMPARE(back.deviceCount(), 2);
        const SimulatedDevice& d = back.device(1);
        QCOMPARE(d.usbSerial, QByteArray("SIM00002"));
        QCOMPARE(d.identity(), dev.identity());
        QCOMPARE(d.config(), dev.config());
        QCOMPARE(d.ring(), dev.ring());
        QCOMPARE(d.ringMode, SimulatedDevice::NoGap);
        QCOMPARE(d.calibration, quint8(0x45));
        QCOMPARE(d.clockOffset(), qint64(-5000));
        QVERIFY(back.device(0).openedElsewhere);
    }

    void damagedStateIsRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        SimulatedLogger sim;
        prepareStateSample(sim);
        const SimulatedDevice& dev = sim.device(1);
        const QByteArray good = sim.saveToData();
        const QByteArray ring = dev.ring().toBase64();
        QTest::newRow("cut in half") << good.left(good.size() / 2);
        QTest::newRow("not an object") << QByteArray("[]");
        QTest::newRow("unknown version") << QByteArray(good).replace("\"version\": 1", "\"version\": 9");
        QTest::newRow("short ring") << QByteArray(good).replace(ring, ring.left(ring.size() - 8));
        QTest::newRow("unknown ring mode")
            << QByteArray(good).replace("\"ringMode\": \"no-gap\"", "\"ringMode\": \"sideways\"");
        QTest::newRow("calibration beyond a byte")
            << QByteArray(good).replace("\"calibration\": 69", "\"calibration\": 300");
        QTest::newRow("long serial number")
            << QByteArray(good).replace("\"serial\": \"SIM00002\"", "\"serial\": \"SIM0000200000000000\"");
        QTest::newRow("short configuration")
            << QByteArray(good).replace(dev.config().toHex(), dev.config().left(100).toHex());
        QTest::newRow("devices of numbers")
            << QByteArray("{\"format\": \"WYX770 simulated logger\", \"version\": 1, \"devices\": "
                          "[1,2,3,4,5,6,7,8,9]}");
    }

    void damagedStateIsRefusedWhole()
    {
        // With a reason, and nothing changed.
        QFETCH(QByteArray, bytes);
        SimulatedLogger victim;
        victim.device().setName("MARAD");
        QVERIFY(!victim.loadFromData(bytes));
        QVERIFY(!victim.errorString().isEmpty());
        QCOMPARE(victim.deviceCount(), 1);
        QCOMPARE(victim.device().name(), QByteArray("MARAD   "));
    }

    void unreadableStateFileIsNeverOverwritten()
    {
        TestEnv env;
        const QByteArray cut("{\"format\": \"WYX770 simulated logger\"");
        QFile broken(env.path(QStringLiteral("broken.json")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        QCOMPARE(broken.write(cut), cut.size());
        broken.close();
        {
            SimulatedLoggerFile file(broken.fileName());
            QVERIFY(!file.isValid());
            QVERIFY(!file.errorString().isEmpty());
        }
        QVERIFY(broken.open(QIODevice::ReadOnly));
        QCOMPARE(broken.readAll(), cut);
    }

    // Every file operation of the state save failed in turn: the old state stays and the
    // failure is reported with its reason; a FIFO under the name is not read.
    void stateFileSurvivesEveryFailedSave()
    {
        TestEnv env;
        const QString path = env.path(QStringLiteral("state.json"));
        SimulatedLogger sim;
        sim.device().fill(10);
        QVERIFY(sim.save(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray old = file.readAll();
        file.close();
        sim.device().fill(20);
        int total = 0;
        {
            SafeSave::FaultScope count;
            QVERIFY(sim.save(env.path(QStringLiteral("probe.json"))));
            total = count.operations();
        }
        for (int i = 1; i <= total; ++i) {
            SafeSave::FaultScope faults;
            faults.failAt(i, EIO);
            faults.setShortWriteBytes(50);
            QVERIFY2(!sim.save(path), qPrintable(QString::number(i)));
            QVERIFY(sim.errorString().contains(qt_error_string(EIO)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), old);
            file.close();
        }
        const QString fifo = env.path(QStringLiteral("fifo.json"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        SimulatedLogger reader;
        QVERIFY(!reader.load(fifo));
        QVERIFY(!reader.errorString().isEmpty());
    }
};

WYX_TEST_MAIN(TestSimulatedLogger)
#include "tst_simulatedlogger.moc"
