#include "support/testenv.h"
#include "support/testmain.h"

#include "core/clock.h"
#include "device/ftdiapi.h"
#include "device/simulatedlogger.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace {

// The program's side of the link, reduced to raw driver calls.
struct Link {
    SimulatedLogger& sim;
    FtdiApi::Handle h = nullptr;

    explicit Link(SimulatedLogger& s, bool configure = true, const QByteArray& serial = "SIM00001")
        : sim(s)
    {
        h = sim.openBySerial(serial);
        if (h && configure) {
            sim.resetDevice(h);
            sim.setLatencyTimer(h, 8);
            sim.setUsbParameters(h, 1024, 64);
            sim.setBaudRate(h, 55555);
            sim.setDataCharacteristics(h, 8, FtdiApi::StopBits2, FtdiApi::ParityNone);
            sim.setFlowControl(h, FtdiApi::FlowNone, 0x11, 0x13);
            sim.setTimeouts(h, 500, 200);
        }
    }
    ~Link()
    {
        if (h)
            sim.close(h);
    }
    bool send(const QByteArray& bytes)
    {
        int written = 0;
        return sim.write(h, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size(), written)
            && written == bytes.size();
    }
    QByteArray take(int n, bool* ok = nullptr)
    {
        QByteArray buf(n, '\0');
        int got = 0;
        const bool r = sim.read(h, reinterpret_cast<unsigned char*>(buf.data()), n, got);
        if (ok)
            *ok = r;
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

// A fake "now" for the program and the simulated logger alike.
struct FakeClock {
    qint64 ms;
    explicit FakeClock(const QDateTime& start)
        : ms(start.toMSecsSinceEpoch())
    {
        Clock::setSource([this]() { return ms; });
    }
    ~FakeClock() { Clock::setSource({}); }
};

} // namespace

class TestSimulatedLogger : public QObject
{
    Q_OBJECT
private slots:
    // Must run first: it is the process's first use of the default backend.
    void environmentChoosesSimulatedLogger()
    {
        static QTemporaryDir dir; // outlives the backend, which saves at exit
        const QString path = dir.filePath(QStringLiteral("logger.json"));
        qputenv("WYX_SIMULATED_LOGGER", QFile::encodeName(path));
        auto* sim = dynamic_cast<SimulatedLogger*>(&ftdiApi());
        QVERIFY(sim);
        QVERIFY(QFile::exists(path));
        {
            Link link(*sim);
            QCOMPARE(link.transact(frame("0955555555414141 41")).size(), 3); // 0x09: name "UUUUAAAA"
        }
        SimulatedLogger reloaded;
        QVERIFY2(reloaded.load(path), qPrintable(reloaded.errorString()));
        QCOMPARE(reloaded.device().name(), QByteArray("UUUUAAAA"));
        qunsetenv("WYX_SIMULATED_LOGGER");
    }

    void replacingTheBackend()
    {
        SimulatedLogger a;
        SimulatedLogger b;
        FtdiApi* before = setFtdiApi(&a);
        QCOMPARE(&ftdiApi(), static_cast<FtdiApi*>(&a));
        QCOMPARE(setFtdiApi(&b), static_cast<FtdiApi*>(&a));
        QCOMPARE(&ftdiApi(), static_cast<FtdiApi*>(&b));
        setFtdiApi(before);
        QVERIFY(&ftdiApi() != static_cast<FtdiApi*>(&b));
    }

    void wakeUpAndFraming()
    {
        SimulatedLogger sim;
        {
            // The logger stays silent on a link that was not set to 55555 Bd 8N2.
            Link raw(sim, false);
            QVERIFY(raw.send("S"));
            QCOMPARE(raw.take(1), QByteArray());
            QCOMPARE(sim.violations().size(), 1);
        }
        sim.clearLogs();
        Link link(sim);
        QByteArray id = link.transact(QByteArray::fromHex("041D0000F8"));
        QCOMPARE(id.size(), 40);
        QCOMPARE(quint8(id[0]), quint8(39));
        QCOMPARE(quint8(id[1]), quint8(0x1D));
        QCOMPARE(id.mid(3, 36), sim.device().identity());
        QCOMPARE(quint8(id[39]), SimulatedLogger::checksum(id, 1, 39));
        QCOMPARE(link.transact(QByteArray::fromHex("0203E6")).size(), 7);
        QCOMPARE(link.transact(QByteArray::fromHex("021AFF")), SimulatedLogger::makeReply(0x1A, QByteArray(1, '\0')));
        QVERIFY(sim.violations().isEmpty());
        QCOMPARE(sim.frames().size(), 3);
        QCOMPARE(sim.callCount(QStringLiteral("write")), 6);

        struct Bad {
            QByteArray bytes;
            const char* expect;
        };
        const Bad bad[] = {
            {QByteArray::fromHex("0203E7"), "checksum"},
            {QByteArray::fromHex("031D00FA"), "length 3, expected 4"},
            {QByteArray::fromHex("0250B5"), "unknown"},
            {frame("1B C3 0000 C4"), "sum"},
            {frame("1C 5F 12 70"), "sum"},
            {frame("1C FF 01 02 02"), "beyond the memory"},
            {frame("1D 80 81"), "read of 129"},
            {frame("1F 42 00"), "query"},
            {frame("19 3F 00"), "calibration"},
            {frame("02 2E 9F 60 B6"), "impossible time"}, // 31 April
        };
        for (const Bad& b : bad) {
            sim.clearLogs();
            QCOMPARE(link.transact(b.bytes), QByteArray());
            QCOMPARE(sim.violations().size(), 1);
            QVERIFY2(sim.violations().first().contains(QLatin1String(b.expect)), qPrintable(sim.violations().first()));
        }

        // Lenient mode still records, but answers a frame with a wrong checksum.
        sim.clearLogs();
        sim.setStrict(false);
        QCOMPARE(link.transact(QByteArray::fromHex("0203E7")).size(), 7);
        QCOMPARE(sim.violations().size(), 1);
        sim.setStrict(true);

        // Bytes without a wake-up, and a frame cut short, are violations too.
        sim.clearLogs();
        QVERIFY(link.send(QByteArray::fromHex("0203E6")));
        QCOMPARE(link.take(1), QByteArray());
        QVERIFY(link.wake());
        QVERIFY(link.send(QByteArray::fromHex("0203")));
        QCOMPARE(link.take(1), QByteArray());
        QCOMPARE(sim.violations().size(), 2);
        QCOMPARE(link.transact(QByteArray::fromHex("0203E6")).size(), 7); // the receiver recovered
    }

    void commands()
    {
        TestEnv env;
        FakeClock clock(local(2024, 3, 5, 10, 0, 0));
        SimulatedLogger sim;
        SimulatedDevice& dev = sim.device();
        Link link(sim);
        int changes = 0;
        sim.setChangeHandler([&]() { ++changes; });

        // 0x02 sets the clock and logs a clock-set record: new time, then the old one.
        dev.setClockOffset(-90 * 1000);
        const QByteArray before = dev.packedClock();
        const QByteArray t = SimulatedDevice::packTime(local(2024, 3, 5, 10, 0, 4));
        QCOMPARE(link.transact(frame("02")).size(), 0); // too short: refused
        QCOMPARE(sim.violations().size(), 1);
        sim.clearLogs();
        QCOMPARE(link.transact(SimulatedLogger::makeFrame(QByteArray(1, 0x02) + t)), SimulatedLogger::makeReply(0x02, {}));
        QCOMPARE(dev.writeIndex(), 1);
        QCOMPARE(dev.record(0), QByteArray(1, char(219)) + t + before + QByteArray(1, '\0'));
        QCOMPARE(dev.record(1), QByteArray(10, char(0xFF)));
        QCOMPARE(dev.now(), local(2024, 3, 5, 10, 0, 4));
        QCOMPARE(changes, 1);

        // 0x03 answers the packed clock.
        QCOMPARE(link.transact(QByteArray::fromHex("0203E6")), SimulatedLogger::makeReply(0x03, t));

        // 0x05 initialises: clock, date at 24, counter at 88.
        const quint16 inits = dev.configWord(88);
        const QByteArray t2 = SimulatedDevice::packTime(local(2024, 8, 31, 23, 59, 58));
        QCOMPARE(link.transact(SimulatedLogger::makeFrame(QByteArray(1, 0x05) + t2)).size(), 3);
        QCOMPARE(dev.config().mid(24, 4), t2);
        QCOMPARE(dev.configWord(88), quint16(inits + 1));
        QCOMPARE(dev.packedClock(), t2);

        QCOMPARE(link.transact(frame("09 4B41505520312020")).size(), 3);
        QCOMPARE(dev.name(), QByteArray("KAPU 1  "));

        // Calibration write and read back.
        QCOMPARE(link.transact(frame("19 7B 00")).size(), 3);
        QCOMPARE(dev.calibration, quint8(0x7B));
        QCOMPARE(link.transact(QByteArray::fromHex("021AFF")), SimulatedLogger::makeReply(0x1A, QByteArray::fromHex("7B")));

        // Configuration write, then a read: R = n + 3, data from byte 3.
        QCOMPARE(link.transact(frame("1C 1C 01020304 26")).size(), 3);
        const QByteArray cfg = link.transact(frame("1D 1A 06"));
        QCOMPARE(quint8(cfg[0]), quint8(9));
        QCOMPARE(cfg.mid(1, 2), QByteArray::fromHex("1D1A"));
        QCOMPARE(cfg.mid(5, 4), QByteArray::fromHex("01020304"));
        QCOMPARE(link.transact(frame("1D 00 80")).size(), 132);

        // Queries: value = byte 5 << 8 | byte 4; no voltage query on hardware 0404.
        dev.batteryVoltage = 0x0189;
        QCOMPARE(link.transact(QByteArray::fromHex("041F4000BA")), SimulatedLogger::makeReply(0x1F, QByteArray::fromHex("40008901")));
        dev.setHardwareCode(0x0404);
        QCOMPARE(link.transact(QByteArray::fromHex("041F4000BA")), QByteArray());
        QCOMPARE(sim.violations().size(), 1);
        sim.clearLogs();

        // Service block: R = m + 3; signal test and byte-word commands are acknowledged.
        QCOMPARE(quint8(link.transact(frame("20 03 05 A0 00 40"))[0]), quint8(8));
        QCOMPARE(link.transact(frame("1E 03 7D")).size(), 3);
        QCOMPARE(link.transact(frame("1B C3 0000 C3")).size(), 3);
        QCOMPARE(sim.framesOf(0x1B).size(), 1);
        QVERIFY(sim.violations().isEmpty());
    }

    void ringAndPages()
    {
        SimulatedLogger sim;
        SimulatedDevice& dev = sim.device();
        QCOMPARE(dev.lastIndex(), 818);
        dev.fill(820); // one more than the ring holds
        QCOMPARE(dev.writeIndex(), 1);
        QCOMPARE(dev.record(1), QByteArray(10, char(0xFF))); // erase-ahead keeps a gap
        QCOMPARE(dev.record(0).mid(4, 6), QByteArray::fromHex("102030400333"));
        QCOMPARE(dev.record(2).mid(4, 6), QByteArray::fromHex("102030400002"));

        Link link(sim);
        const QByteArray page = link.transact(frame("0C 0003")); // from 768, across the wrap
        QCOMPARE(page.size(), 705);
        QCOMPARE(page[0], '@');
        for (int k = 0; k < 64; ++k) {
            const QByteArray slot = page.mid(1 + 11 * k, 11);
            QCOMPARE(slot.left(10), dev.record((768 + k) % 819));
            QCOMPARE(quint8(slot[10]), quint8(SimulatedLogger::checksum(slot, 0, 10) ^ 0xE5));
        }
        // An index beyond the ring is taken modulo its size, for 0x08 as for 0x0C.
        QCOMPARE(link.transact(frame("08 3403")).mid(2, 10), dev.record(820 % 819));
        QVERIFY(sim.violations().isEmpty());

        // No-gap mode: the slot at the write index keeps the oldest record.
        SimulatedLogger noGap;
        noGap.device().ringMode = SimulatedDevice::NoGap;
        noGap.device().fill(820);
        QCOMPARE(noGap.device().writeIndex(), 1);
        QCOMPARE(noGap.device().record(1).mid(4, 6), QByteArray::fromHex("102030400001"));

        // Repeated device events merge in place while option 0x01 is set.
        SimulatedDevice merging;
        const QDateTime t0 = local(2024, 1, 1, 8, 0, 0);
        merging.appendEvent(217, t0, t0.addSecs(-60));
        merging.appendEvent(217, t0.addSecs(600), t0.addSecs(540));
        QCOMPARE(merging.writeIndex(), 2);
        merging.setConfigBytes(95, QByteArray(1, char(0x57)));
        merging.appendEvent(217, t0.addSecs(1200), t0.addSecs(1140));
        merging.appendEvent(218, t0.addSecs(1300), t0.addSecs(1240));
        QCOMPARE(merging.writeIndex(), 3);
        const QByteArray merged = merging.record(1);
        QCOMPARE(merged.mid(1, 4), SimulatedDevice::packTime(t0.addSecs(1200)));
        QCOMPARE(merged.mid(5, 4), SimulatedDevice::packTime(t0.addSecs(540)));
        QCOMPARE(quint8(merged[9]), quint8(1));

        // Capacities, an unknown size, and a write index beyond the ring.
        SimulatedDevice big;
        big.setMemoryCode(0x27);
        QCOMPARE(big.lastIndex(), 22931);
        QCOMPARE(big.ringSlots(), 22932);
        big.setMemoryCode(0x15);
        QCOMPARE(big.lastIndex(), 0);
        big.ringMode = SimulatedDevice::NoGap;
        big.setWriteIndex(900);
        QCOMPARE(big.writeIndex(), 900);
        big.appendTouch(t0, QByteArray(6, '\x11'));
        QCOMPARE(big.record(0).left(4), SimulatedDevice::packTime(t0));
    }

    void clockFollowsTheProgramClock()
    {
        TestEnv env;
        FakeClock clock(local(2024, 10, 20, 1, 0, 0));
        SimulatedDevice dev;
        dev.setClock(local(2024, 10, 20, 1, 0, 0));
        clock.ms += 3600 * 1000;
        QCOMPARE(dev.now(), local(2024, 10, 20, 2, 0, 0));
        dev.setClockOffset(10 * 1000);
        QCOMPARE(dev.now(), Clock::currentDateTime().addSecs(10));
        // 100 ppm over four days: 34.56 s fast.
        dev.setClockDrift(100);
        clock.ms += 4LL * 86400 * 1000;
        QCOMPARE(dev.now(), Clock::currentDateTime().addSecs(10).addMSecs(34560));
        // An impossible clock is served as it is until the clock is set.
        dev.setRawClock(QByteArray::fromHex("309F0000"));
        QVERIFY(!dev.now().isValid());
        QCOMPARE(dev.packedClock(), QByteArray::fromHex("309F0000"));
        dev.setClock(local(2024, 5, 5, 5, 5, 6));
        QCOMPARE(dev.packedClock(), SimulatedDevice::packTime(local(2024, 5, 5, 5, 5, 6)));
        // The packing of the logger: 2023-08-15 13:45:17 is 2F 0F 60 B6.
        QCOMPARE(SimulatedDevice::packTime(local(2023, 8, 15, 13, 45, 17)), QByteArray::fromHex("2F0F60B6"));
        QCOMPARE(SimulatedDevice::unpackTime(QByteArray::fromHex("2F0F60B6")), local(2023, 8, 15, 13, 45, 16));
        QVERIFY(!SimulatedDevice::unpackTime(QByteArray::fromHex("2F0FA8C0")).isValid()); // 43200 units
    }

    void stateFile()
    {
        TestEnv env;
        SimulatedLogger sim;
        sim.addDevice("Vigilor", "SIM00002");
        SimulatedDevice& dev = sim.device(1);
        dev.setMemoryCode(0x12); // 32 KB
        dev.fill(100);
        dev.ringMode = SimulatedDevice::NoGap;
        dev.calibration = 0x45;
        dev.setClockOffset(-5000);
        dev.setConfigBytes(95, QByteArray(1, char(0x5F)));
        sim.device(0).openedElsewhere = true;
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

        // Damaged states are refused whole, with a reason, and change nothing.
        const QByteArray good = sim.saveToData();
        const QByteArray ring = dev.ring().toBase64();
        const QByteArray damaged[] = {
            good.left(good.size() / 2),
            QByteArray("[]"),
            QByteArray(good).replace("\"version\": 1", "\"version\": 9"),
            QByteArray(good).replace(ring, ring.left(ring.size() - 8)),
            QByteArray(good).replace("\"ringMode\": \"no-gap\"", "\"ringMode\": \"sideways\""),
            QByteArray(good).replace("\"calibration\": 69", "\"calibration\": 300"),
            QByteArray(good).replace("\"serial\": \"SIM00002\"", "\"serial\": \"SIM0000200000000000\""),
            QByteArray(good).replace(dev.config().toHex(), dev.config().left(100).toHex()),
            QByteArray("{\"format\": \"WYX770 simulated logger\", \"version\": 1, \"devices\": [1,2,3,4,5,6,7,8,9]}"),
        };
        for (const QByteArray& bytes : damaged) {
            SimulatedLogger victim;
            victim.device().setName("MARAD");
            QVERIFY(!victim.loadFromData(bytes));
            QVERIFY(!victim.errorString().isEmpty());
            QCOMPARE(victim.deviceCount(), 1);
            QCOMPARE(victim.device().name(), QByteArray("MARAD   "));
        }

        // The file keeper: creates a missing file, saves after each change, and never
        // overwrites a file it could not read.
        const QString kept = env.path(QStringLiteral("kept.json"));
        {
            SimulatedLoggerFile file(kept);
            QVERIFY(file.isValid());
            QVERIFY(QFile::exists(kept));
            Link link(file.logger());
            link.transact(frame("19 05 00"));
            SimulatedLogger peek;
            QVERIFY(peek.load(kept));
            QCOMPARE(peek.device().calibration, quint8(0x05));
        }
        QFile broken(env.path(QStringLiteral("broken.json")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("{\"format\": \"WYX770 simulated logger\"");
        broken.close();
        {
            SimulatedLoggerFile file(broken.fileName());
            QVERIFY(!file.isValid());
            QVERIFY(!file.errorString().isEmpty());
        }
        QVERIFY(broken.open(QIODevice::ReadOnly));
        QCOMPARE(broken.readAll(), QByteArray("{\"format\": \"WYX770 simulated logger\""));
    }

    void faultInjection()
    {
        const QByteArray clockFrame = QByteArray::fromHex("0203E6");
        struct Case {
            const char* name;
            std::function<void(SimulatedLogger&)> inject;
            std::function<void(SimulatedLogger&)> check;
        };
        const QList<Case> cases = {
            {"device list fails", [](SimulatedLogger& s) { s.failDeviceList(true); },
             [](SimulatedLogger& s) {
                 int n = -1;
                 QVERIFY(!s.createDeviceInfoList(n));
             }},
            {"detail fails at index 1, opened flag, description case",
             [](SimulatedLogger& s) {
                 s.addDevice("Vigilor", "SIM00002");
                 s.addDevice("VIGILOR", "SIM00003");
                 s.device(0).openedElsewhere = true;
                 s.device(1).detailFails = true;
             },
             [](SimulatedLogger& s) {
                 int n = 0;
                 QVERIFY(s.createDeviceInfoList(n));
                 QCOMPARE(n, 3);
                 unsigned flags = 0;
                 QByteArray serial, description;
                 QVERIFY(s.getDeviceInfoDetail(0, flags, serial, description));
                 QCOMPARE(flags, 1u);
                 QVERIFY(!s.openBySerial(serial));
                 QVERIFY(!s.getDeviceInfoDetail(1, flags, serial, description));
                 QVERIFY(s.getDeviceInfoDetail(2, flags, serial, description));
                 QCOMPARE(description, QByteArray("VIGILOR"));
             }},
            {"open fails", [](SimulatedLogger& s) { s.failCall(QStringLiteral("openBySerial")); },
             [](SimulatedLogger& s) {
                 QVERIFY(!s.openBySerial("SIM00001"));
                 FtdiApi::Handle h = s.openBySerial("SIM00001");
                 QVERIFY(h);
                 QVERIFY(!s.openBySerial("SIM00001")); // already open here
                 s.close(h);
             }},
            {"configuration step fails", [](SimulatedLogger& s) { s.failCall(QStringLiteral("setBaudRate")); },
             [](SimulatedLogger& s) {
                 FtdiApi::Handle h = s.openBySerial("SIM00001");
                 QVERIFY(s.resetDevice(h));
                 QVERIFY(!s.setBaudRate(h, 55555));
                 QVERIFY(s.setBaudRate(h, 55555));
                 QVERIFY(!s.setTimeouts(nullptr, 500, 200));
                 s.close(h);
             }},
            {"no answer to two wake-ups", [](SimulatedLogger& s) { s.failWakeUps(2); },
             [](SimulatedLogger& s) {
                 Link l(s);
                 QVERIFY(!l.wake());
                 QVERIFY(!l.wake());
                 QVERIFY(l.wake());
             }},
            {"wrong wake-up byte", [](SimulatedLogger& s) { s.failWakeUps(1, 'X'); },
             [](SimulatedLogger& s) {
                 Link l(s);
                 l.send("S");
                 QCOMPARE(l.take(1), QByteArray("X"));
                 QVERIFY(l.wake());
             }},
            {"write fails, then a short write", [](SimulatedLogger& s) {
                 s.failCall(QStringLiteral("write"), 2);
                 s.failCall(QStringLiteral("write"), 3, 1);
             },
             [clockFrame](SimulatedLogger& s) {
                 Link l(s);
                 QVERIFY(l.wake());
                 QVERIFY(!l.send(clockFrame));
                 QVERIFY(!l.send(clockFrame)); // short: two of three bytes, nothing delivered
                 QCOMPARE(l.transact(clockFrame).size(), 7);
             }},
            {"read fails", [](SimulatedLogger& s) { s.failCall(QStringLiteral("read")); },
             [](SimulatedLogger& s) {
                 Link l(s);
                 l.send("S");
                 bool ok = true;
                 l.take(1, &ok);
                 QVERIFY(!ok);
             }},
            {"length bytes 0, 145 and '@' to 0x03", [](SimulatedLogger& s) {
                 s.injectReplyFault(0x03, 1, SimulatedLogger::LengthByte, 0);
                 s.injectReplyFault(0x03, 2, SimulatedLogger::LengthByte, 145);
                 s.injectReplyFault(0x03, 3, SimulatedLogger::LengthByte, '@');
             },
             [clockFrame](SimulatedLogger& s) {
                 Link l(s);
                 for (int expected : std::vector<int>{0, 145, '@'}) {
                     s.purgeRx(l.h);
                     QVERIFY(l.wake());
                     l.send(clockFrame);
                     QCOMPARE(quint8(l.take(1)[0]), quint8(expected));
                 }
             }},
            {"short body", [](SimulatedLogger& s) { s.injectReplyFault(0x0C, 1, SimulatedLogger::ShortBody, 100); },
             [](SimulatedLogger& s) { QCOMPARE(Link(s).transact(frame("0C 0000")).size(), 605); }},
            {"garbage and lost bytes", [](SimulatedLogger& s) {
                 s.injectReplyFault(0x03, 1, SimulatedLogger::Garbage, 2, 0, "zz");
                 s.injectReplyFault(0x03, 2, SimulatedLogger::LoseBytes, 1, 2);
             },
             [clockFrame](SimulatedLogger& s) {
                 Link l(s);
                 const QByteArray good = SimulatedLogger::makeReply(0x03, s.device().packedClock());
                 QCOMPARE(l.transact(clockFrame), good.left(2) + "zz" + good.mid(2, 3));
                 s.purgeRx(l.h);
                 QCOMPARE(l.transact(clockFrame), good.left(1) + good.mid(3));
             }},
            {"late tail, then purged", [](SimulatedLogger& s) {
                 s.injectReplyFault(0x0C, 0, SimulatedLogger::LateTail, 300);
             },
             [](SimulatedLogger& s) {
                 Link l(s);
                 QCOMPARE(l.transact(frame("0C 0000")).size(), 300);
                 QCOMPARE(l.take(10).size(), 10); // arrived after the time-out
                 s.purgeRx(l.h);
                 QCOMPARE(l.take(1), QByteArray());
                 QVERIFY(l.wake());
                 l.send(frame("0C 0000"));
                 QVERIFY(s.purgeRx(l.h)); // purged before the tail came: it never does
                 QCOMPARE(l.take(705), QByteArray());
                 QCOMPARE(l.take(1), QByteArray());
             }},
            {"unplugged after one transaction", [](SimulatedLogger& s) { s.unplugAfter(1); },
             [clockFrame](SimulatedLogger& s) {
                 Link l(s);
                 QCOMPARE(l.transact(clockFrame).size(), 7);
                 QVERIFY(!l.send("S"));
                 int n = -1;
                 QVERIFY(s.createDeviceInfoList(n));
                 QCOMPARE(n, 0);
             }},
            {"unplugged in the middle of a page", [](SimulatedLogger& s) {
                 s.injectReplyFault(0x0C, 2, SimulatedLogger::Unplug, 300);
             },
             [](SimulatedLogger& s) {
                 Link l(s);
                 QCOMPARE(l.transact(frame("0C 0000")).size(), 705);
                 QVERIFY(l.wake());
                 l.send(frame("0C 4000"));
                 QCOMPARE(l.take(1), QByteArray("@"));
                 bool ok = true;
                 QCOMPARE(l.take(704, &ok).size(), 299);
                 QVERIFY(!ok);
             }},
            {"second 0x03 lost", [](SimulatedLogger& s) { s.injectReplyFault(0x03, 2, SimulatedLogger::Silent); },
             [clockFrame](SimulatedLogger& s) {
                 Link l(s);
                 QCOMPARE(l.transact(clockFrame).size(), 7);
                 QCOMPARE(l.transact(clockFrame).size(), 0);
                 QCOMPARE(l.transact(clockFrame).size(), 7);
             }},
            {"exact replies served", [](SimulatedLogger& s) {
                 s.serveReplies({QByteArray::fromHex("031D00FF"), QByteArray::fromHex("01")});
             },
             [](SimulatedLogger& s) {
                 Link l(s);
                 QCOMPARE(l.transact(QByteArray::fromHex("041D0000F8")), QByteArray::fromHex("031D00FF"));
                 QVERIFY(l.wake());
                 l.send(QByteArray::fromHex("0203E6"));
                 QCOMPARE(l.take(5), QByteArray::fromHex("01"));
                 QCOMPARE(l.transact(QByteArray::fromHex("0203E6")).size(), 7);
             }},
        };
        for (const Case& c : cases) {
            SimulatedLogger sim;
            c.inject(sim);
            c.check(sim);
            if (QTest::currentTestFailed())
                QFAIL(c.name);
        }
    }
};

WYX_TEST_MAIN(TestSimulatedLogger)
#include "tst_simulatedlogger.moc"
