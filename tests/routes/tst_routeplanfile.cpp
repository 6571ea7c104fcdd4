#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/safesave.h"
#include "routes/routedefmodel.h"
#include "routes/routeplanfile.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QWidget>

using RoutePlanFile::ReadStatus;

namespace {

// Tolerance 10; log GUARD1.EWL; route R1 of type 0, duration unset; one start (count 1,
// t1 8:00, the rest 0:00); one point at 0:05 with code AAAAAAAAAAAB.
const QByteArray goldenErd = QByteArray::fromHex(
    "0e1a0102 000a 0001 00000014 0047005500410052004400310 02e004500570 04c"
    "0001 02 5231 00 00 0080 0001 0100 0800 0000 0000 0000 0001 0005 000000000001");
const QByteArray goldenRdf = QByteArray::fromHex(
    "0100 0a 47554152443 12e45574c 0100"
    "ffff02000900 43526f757465446566 02 5231 00 00 0080"
    "0100 ffff02000600 435374617274 0100 0800 0000 0000 0000 0000"
    "0100 ffff00000900 43436 86b506f696e74 0005 000000000001"
    "0a00");

QByteArray written(const RouteDefModel& m)
{
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    if (!RoutePlanFile::write(b, m))
        return QByteArray("<failed>");
    return b.data();
}

ReadStatus readInto(RouteDefModel& m, const QByteArray& bytes, bool legacy = false)
{
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    return legacy ? RoutePlanFile::readLegacy(b, m) : RoutePlanFile::read(b, m);
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

// A plan with a bit of everything: two logs, routes of three types, several starts and
// points, Hungarian letters, unset times.
void fillRich(RouteDefModel& m)
{
    m.setTolerance(15);
    m.addLog("Kapu naplo.ewl");
    m.addLog("b.EWL");
    QCOMPARE(m.addRoute(RouteHead("Éjszakai kör", 3, RouteTime::parse("1:30"))), 0);
    QVERIFY(m.addStart(RouteStart("20:00", "1 06:00", 4, "", "0:30"), m.startsGroupIndex(0)));
    QVERIFY(m.addStart(RouteStart("8:00", "16:00", 2, "", "0:30"), m.startsGroupIndex(0)));
    QVERIFY(m.addPoint(RoutePoint("abc", 0u), m.pointsGroupIndex(0), true));
    QVERIFY(m.addPoint(RoutePoint("pp", 0u), m.pointsGroupIndex(0), true));
    QCOMPARE(m.addRoute(RouteHead("Nappal", 0, RouteTime())), 1);
    QVERIFY(m.addStart(RouteStart("7:00", "", 1, "", ""), m.startsGroupIndex(1)));
    QVERIFY(m.addPoint(RoutePoint("B", "0:10"), m.pointsGroupIndex(1), false));
    QVERIFY(m.addPoint(RoutePoint("C", "9 23:59"), m.pointsGroupIndex(1), false));
    QCOMPARE(m.addRoute(RouteHead("Üres", -1, RouteTime())), 2);
}

// Accepts only the first `limit` bytes written to it.
class LimitedDevice : public QIODevice
{
public:
    explicit LimitedDevice(qint64 limit) : m_limit(limit) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 len) override
    {
        if (m_written + len > m_limit)
            return -1;
        m_written += len;
        return len;
    }

private:
    qint64 m_limit;
    qint64 m_written = 0;
};

// One route "A1" holding points at 0:05, in the older format; n up to 65,535.
QByteArray olderPlanWithPoints(int n)
{
    const QByteArray point = QByteArray::fromHex("0005 000000000001");
    QByteArray bytes = QByteArray::fromHex("0000 0100 ffff02000900 43526f757465446566 024131 00 00 0080 0000");
    bytes += char(n & 0xFF);
    bytes += char(n >> 8);
    bytes += QByteArray::fromHex("ffff00000900 43436 86b506f696e74") + point;
    for (int i = 1; i < n; ++i)
        bytes += QByteArray(2, '\0') + point;
    return bytes + QByteArray::fromHex("0a00");
}

// A plan file with two records of the route "R1", of n1 and n2 points: they merge.
QByteArray planWithMergingPoints(int n1, int n2)
{
    QByteArray bytes = QByteArray::fromHex("0e1a0102 000a 0000 0002");
    for (int n : {n1, n2}) {
        bytes += QByteArray::fromHex("02 5231 00 00 0080 0000");
        bytes += char(n >> 8);
        bytes += char(n & 0xFF);
        for (int i = 0; i < n; ++i)
            bytes += QByteArray::fromHex("0005 000000000001");
    }
    return bytes;
}

} // namespace

class TestRoutePlanFile : public QObject
{
    Q_OBJECT
private slots:
    void init() { env.reset(new TestEnv); }
    void cleanup() { env.reset(); }

    void goldenFileWritesAndReads()
    {
        RouteDefModel m;
        QCOMPARE(written(m).toHex(' '), QByteArray("0e 1a 01 02 00 0a 00 00 00 00"));
        QCOMPARE(readInto(m, goldenErd), ReadStatus::Ok);
        QCOMPARE(m.logName(0), QStringLiteral("GUARD1.EWL"));
        QCOMPARE(m.routeHead(0).name, QStringLiteral("R1"));
        QCOMPARE(m.routeStart(0, 0).count, quint16(1));
        QCOMPARE(m.routePoint(0, 0).describe(true), QStringLiteral("  00:05 AAAAAAAAAAAB"));
        QCOMPARE(written(m).toHex(' '), goldenErd.toHex(' '));
    }

    void everyTruncationFails()
    {
        for (int n = 0; n < goldenErd.size(); ++n) {
            RouteDefModel m;
            // Shorter than the magic is not a plan at all; cut after it, a damaged one.
            const ReadStatus status = readInto(m, goldenErd.left(n));
            if (status != (n < 4 ? ReadStatus::BadMagic : ReadStatus::Damaged))
                QFAIL(qPrintable(QStringLiteral("erd cut at %1 read as %2").arg(n).arg(int(status))));
        }
        for (int n = 0; n < goldenRdf.size(); ++n) {
            RouteDefModel m;
            if (readInto(m, goldenRdf.left(n), true) != ReadStatus::Damaged)
                QFAIL(qPrintable(QStringLiteral("rdf cut at %1 was accepted").arg(n)));
        }
        RouteDefModel m;
        QCOMPARE(readInto(m, goldenErd + "trailing"), ReadStatus::Ok);
        QCOMPARE(readInto(m, QByteArray::fromHex("0e1a0103000a00000000")), ReadStatus::BadMagic);
    }

    void notAPlanIsRefusedAsSuch_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("2 bytes") << QByteArray::fromHex("0e1a");
        QTest::newRow("wrong magic") << QByteArray::fromHex("0e1a0103000a00000000");
    }

    void notAPlanIsRefusedAsSuch()
    {
        QFETCH(QByteArray, bytes);
        writeFile(env->path("x.erd"), bytes);
        QWidget parent;
        RouteDefModel m;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QString());
        QCOMPARE(m.load("x.erd", &parent), false);
        QCOMPARE(prompts.seen().value(0).text, QStringLiteral("x.erd\nNem megfelelő, vagy sérült fájl."));
    }

    void saveLoadSaveIsAFixpoint()
    {
        RouteDefModel m;
        fillRich(m);
        QVERIFY(m.saveAs("rich.erd", nullptr));
        const QByteArray first = fileBytes(env->path("rich.erd"));
        RouteDefModel back;
        QVERIFY(back.load("rich.erd"));
        QCOMPARE(back.isModified(), false);
        QCOMPARE(back.fileName(), QStringLiteral("rich.erd"));
        QCOMPARE(back.logName(0), QStringLiteral("KAPU NAPLO.EWL"));
        QCOMPARE(back.routeHead(2).type, 255); // none travels as 0xFF
        QCOMPARE(back.routeStart(0, 0).t1.toString(), QStringLiteral("  08:00"));
        QCOMPARE(back.routePoint(1, 1).offset.toString(), QStringLiteral("9 23:59"));
        QCOMPARE(written(back), first);
        back.setModified(true);
        QVERIFY(back.save(nullptr));
        QCOMPARE(fileBytes(env->path("rich.erd")), first);
        QCOMPARE(fileBytes(env->path("rich.erd.bak")), first);
    }

    void repeatedNamesAndTimesLoadAsTheModelKeepsThem()
    {
        RouteDefModel m;
        // Two routes "R1" and " r1": starts at 8:00 (twice) and 9:00; points 0:05, 0:05, 0:01.
        const QByteArray route1 = QByteArray::fromHex("025231 00 00 0080 0002 0100 0800 0000 0000 0000"
                                                      "0200 0800 0100 0000 0000 0001 0005 000000000001");
        const QByteArray route2 = QByteArray::fromHex("03207231 01 00 0080 0001 0300 0900 0000 0000 0000"
                                                      "0002 0005 000000000002 0001 000000000003");
        const QByteArray file = QByteArray::fromHex("0e1a0102 0005 0002 00000004 00610020 00000006 0020 0041 0020")
            + QByteArray::fromHex("0002") + route1 + route2;
        QCOMPARE(readInto(m, file), ReadStatus::Ok);
        QCOMPARE(m.logCount(), 1); // "A " and " A " are one name
        QCOMPARE(m.routeCount(), 1);
        QCOMPARE(m.startCount(0), 2);
        QCOMPARE(m.routeStart(0, 0).count, quint16(1)); // the first 8:00 start stays
        QCOMPARE(m.pointCount(0), 3);
        QCOMPARE(m.routePoint(0, 0).describe(true), QStringLiteral("  00:01 AAAAAAAAAAAD"));
        QCOMPARE(m.routePoint(0, 1).describe(true), QStringLiteral("  00:05 AAAAAAAAAAAB"));
        QCOMPARE(m.routePoint(0, 2).describe(true), QStringLiteral("  00:05 AAAAAAAAAAAC"));
    }

    void olderFormatImports()
    {
        RouteDefModel m;
        QCOMPARE(readInto(m, goldenRdf, true), ReadStatus::Ok);
        QCOMPARE(written(m).toHex(' '), goldenErd.toHex(' '));
        // First route without starts: the start tag stands inside the second route; the
        // second route is of type 3, so its third time is the break between rounds.
        const QByteArray twoRoutes = QByteArray::fromHex(
            "0000 0200 ffff02000900 43526f757465446566"
            "024131 00 00 0080 0000 0000"
            "0000 024132 03 00 0080 0100 ffff02000600 435374617274 0300 0800 1000 001e 0005 000a"
            "0000 0500");
        RouteDefModel two;
        QCOMPARE(readInto(two, twoRoutes, true), ReadStatus::Ok);
        QCOMPARE(two.tolerance(), 5);
        const RouteStart s = two.routeStart(1, 0);
        QCOMPARE(s.count, quint16(3));
        QCOMPARE(s.t3.toString(), QStringLiteral("  00:05"));
        QCOMPARE(s.t4.toString(), QStringLiteral("  00:30"));
        QByteArray badTag = goldenRdf;
        badTag[20] = 'x';
        QCOMPARE(readInto(m, badTag, true), ReadStatus::Damaged);
    }

    void craftedCountsEndQuickly()
    {
        // A point count of 65535 over a body of three points, and an erd route count of
        // 32767 with nothing behind it.
        const QByteArray rdf = QByteArray::fromHex("0000 0100 ffff02000900 43526f757465446566 024131 00 00 0080"
                                                   "0000 ffff ffff00000900 43436 86b506f696e74 0005000000000001"
                                                   "0000 0006000000000001 0000 0007000000000001");
        QElapsedTimer timer;
        timer.start();
        RouteDefModel m;
        QCOMPARE(readInto(m, rdf, true), ReadStatus::Damaged);
        QCOMPARE(m.pointCount(0), 3);
        QCOMPARE(readInto(m, QByteArray::fromHex("0e1a0102 000a 0000 7fff"), false), ReadStatus::Damaged);
        QCOMPARE(readInto(m, QByteArray::fromHex("0e1a0102 000a 7fff 7fffffff"), false), ReadStatus::Damaged);
        QVERIFY2(timer.elapsed() < 2000, "a huge count must not make the reader crawl");
    }

    void loadAndImportReportFailures()
    {
        QWidget parent;
        RouteDefModel m;
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "Nincs név megadva hozzá!")
                .expectNotice(Prompts::Kind::Warning, "nincs.erd\nEz a fájl nem létezik")
                .expectNotice(Prompts::Kind::Warning, "bad.erd\nNem megfelelő, vagy sérült fájl.")
                .expectNotice(Prompts::Kind::Warning, "Az adatok beolvasása során hiba lépett fel!")
                .expectNotice(Prompts::Kind::Warning, "old.rdf\nAdat olvasási hiba");
            QVERIFY(!m.load(QString(), &parent));
            QVERIFY(!m.load("nincs.erd", &parent));
            writeFile(env->path("bad.erd"), "not a plan");
            QVERIFY(!m.load("bad.erd", &parent));
            QCOMPARE(m.routeCount(), 0);
            writeFile(env->path("short.erd"), goldenErd.left(40));
            QVERIFY(!m.load("short.erd", &parent));
            writeFile(env->path("old.rdf"), goldenRdf.left(50));
            QVERIFY(!m.import("old.rdf", &parent));
            QCOMPARE(m.isModified(), false);
        }
        QVERIFY(!m.load("nincs.erd")); // silent without a parent
        writeFile(env->path("old.rdf"), goldenRdf);
        QVERIFY(m.import("old.rdf"));
        QCOMPARE(m.isModified(), true);
        QCOMPARE(m.fileName(), QStringLiteral("old.rdf"));
    }

    void savingKeepsABackupAndAsksBeforeOverwriting()
    {
        RouteDefModel m;
        fillRich(m);
        QVERIFY(m.saveAs("plan.erd", nullptr));
        QVERIFY(!QFile::exists(env->path("plan.erd.bak")));
        const QByteArray first = fileBytes(env->path("plan.erd"));
        writeFile(env->path("plan.erd.bak"), "older backup");
        m.addLog("more.ewl");
        QVERIFY(m.save(nullptr)); // its own file: no question
        QCOMPARE(fileBytes(env->path("plan.erd.bak")), first);
        RouteDefModel other;
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("plan.erd nevű útvonal terv már létezik.\nFelülírjuk?", false);
            QVERIFY(!other.saveAs("plan.erd", nullptr));
        }
        QVERIFY(other.fileName().isEmpty());
        QVERIFY(fileBytes(env->path("plan.erd")) != written(other));
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "Nincs név megadva hozzá!");
            QWidget parent;
            QVERIFY(!other.saveAs(QString(), &parent));
        }
    }

    void importedPlanSavesAsErdOnlyWhenAllowed()
    {
        writeFile(env->path("OLD.RDF"), goldenRdf);
        writeFile(env->path("OLD.erd"), "keep me");
        RouteDefModel m;
        QVERIFY(m.import("OLD.RDF"));
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("OLD.erd nevű útvonal terv már létezik.", false)
                .expectQuestion("OLD.erd nevű útvonal terv már létezik.", false);
            QVERIFY(!m.save(nullptr));
            QVERIFY(!m.save(nullptr)); // a declined overwrite is asked again, never done silently
        }
        QCOMPARE(fileBytes(env->path("OLD.erd")), QByteArray("keep me"));
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("OLD.erd nevű útvonal terv már létezik.", true);
            QVERIFY(m.save(nullptr));
        }
        QCOMPARE(fileBytes(env->path("OLD.erd")), goldenErd);
        QCOMPARE(fileBytes(env->path("OLD.erd.bak")), QByteArray("keep me"));
        QCOMPARE(m.fileName(), QStringLiteral("OLD.erd"));
        QCOMPARE(m.filePath(), env->path("OLD.erd"));
        QCOMPARE(m.isModified(), false);
        QCOMPARE(fileBytes(env->path("OLD.RDF")), goldenRdf);
    }

    void planSavesBackWhereItWasLoaded()
    {
        const QString elsewhere = env->root() + "/elsewhere";
        QVERIFY(QDir().mkpath(elsewhere));
        writeFile(elsewhere + "/plan.erd", goldenErd);
        writeFile(env->path("plan.erd"), "unrelated");
        RouteDefModel m;
        QVERIFY(m.load(elsewhere + "/plan.erd"));
        QCOMPARE(m.fileName(), QStringLiteral("plan.erd"));
        m.setTolerance(20);
        QVERIFY(m.save(nullptr));
        QCOMPARE(fileBytes(env->path("plan.erd")), QByteArray("unrelated"));
        RouteDefModel back;
        QVERIFY(back.load(elsewhere + "/plan.erd"));
        QCOMPARE(back.tolerance(), 20);
    }

    void failedWritesNeverReplaceThePlan()
    {
        RouteDefModel m;
        fillRich(m);
        const QByteArray full = written(m);
        for (int n = 0; n < full.size(); ++n) {
            LimitedDevice device(n);
            if (RoutePlanFile::write(device, m))
                QFAIL(qPrintable(QStringLiteral("a write cut at byte %1 was reported as done").arg(n)));
        }
        QVERIFY(m.saveAs("plan.erd", nullptr));
        // The new file cannot take the plan's place: the plan and its file stay as they were.
        m.setTolerance(30);
        QWidget parent;
        {
            SafeSave::FaultScope faults;
            faults.failNth(SafeSave::Op::Rename, 1);
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "Az adatok lemezre írása során hiba lépett fel!");
            QVERIFY(!m.save(&parent));
        }
        QCOMPARE(fileBytes(env->path("plan.erd")), full);
        QCOMPARE(m.isModified(), true);
        // No room for a temporary file: reported, the old file untouched.
        const QFileDevice::Permissions mode = QFile::permissions(env->workDir());
        QFile::setPermissions(env->workDir(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFile(env->path("probe")).open(QIODevice::WriteOnly)) {
            QFile::setPermissions(env->workDir(), mode);
            QSKIP("running with rights that ignore directory permissions");
        }
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "Az adatok lemezre írása során hiba lépett fel!");
            QVERIFY(!m.save(&parent));
        }
        QFile::setPermissions(env->workDir(), mode);
        QCOMPARE(fileBytes(env->path("plan.erd")), full);
    }

    // Every file operation of the save failed in turn: plan file and backup stay, the
    // failure is told and the plan stays modified.
    void everyFailedSaveOperationKeepsPlanAndBackup()
    {
        RouteDefModel m;
        fillRich(m);
        QVERIFY(m.saveAs("plan.erd", nullptr));
        m.addLog("more.ewl");
        QVERIFY(m.save(nullptr));
        const QByteArray file = fileBytes(env->path("plan.erd")), backup = fileBytes(env->path("plan.erd.bak"));
        m.setTolerance(30);
        int total = 0;
        {
            RouteDefModel probe;
            fillRich(probe);
            QVERIFY(probe.saveAs("probe.erd", nullptr));
            probe.setTolerance(31);
            SafeSave::FaultScope count;
            QVERIFY(probe.save(nullptr));
            total = count.operations();
        }
        QWidget parent;
        for (int i = 1; i < total; ++i) {
            SafeSave::FaultScope faults;
            faults.failAt(i);
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "Az adatok lemezre írása során hiba lépett fel!");
            QVERIFY2(!m.save(&parent), qPrintable(QString::number(i)));
            QVERIFY(m.isModified());
            QCOMPARE(fileBytes(env->path("plan.erd")), file);
            QCOMPARE(fileBytes(env->path("plan.erd.bak")), backup);
        }
    }

    // A group is read only as large as a plan file can count it (signed 16 bits): an older
    // file counts up to 65,535, and repeated route names add up.
    void groupsOnlyAsLargeAsTheFileCountsAreRead_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("legacy");
        QTest::addColumn<int>("status");
        QTest::newRow("older, 32767") << olderPlanWithPoints(32767) << true << int(ReadStatus::Ok);
        QTest::newRow("older, 32768") << olderPlanWithPoints(32768) << true << int(ReadStatus::TooLarge);
        QTest::newRow("older, 65535") << olderPlanWithPoints(65535) << true << int(ReadStatus::TooLarge);
        QTest::newRow("merged, 32767") << planWithMergingPoints(16384, 16383) << false << int(ReadStatus::Ok);
        QTest::newRow("merged, 32768") << planWithMergingPoints(16384, 16384) << false << int(ReadStatus::TooLarge);
    }

    void groupsOnlyAsLargeAsTheFileCountsAreRead()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, legacy);
        QFETCH(int, status);
        RouteDefModel m;
        QCOMPARE(int(readInto(m, file, legacy)), status);
        if (status != int(ReadStatus::Ok))
            return;
        RouteDefModel again;
        QCOMPARE(readInto(again, written(m)), ReadStatus::Ok);
        QCOMPARE(again.pointCount(0), 32767);
    }

    void tooLargeOlderPlanIsRefusedWithAMessage()
    {
        writeFile(env->path("old.rdf"), olderPlanWithPoints(40000));
        RouteDefModel m;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "old.rdf\nEgy csoportban legfeljebb 32767 sor lehet.");
        QWidget parent;
        QVERIFY(!m.import("old.rdf", &parent));
        QVERIFY(!m.isModified());
    }

    // A plan grown too large in the program is not saved with a count cut to 16 bits.
    void planTooLargeForTheFileIsNotSaved()
    {
        RouteDefModel m;
        QCOMPARE(m.addRoute(RouteHead("R1", 1, RouteTime())), 0);
        for (int i = 0; i <= RoutePlanFile::maxGroupRows; ++i)
            m.addPoint(RoutePoint("B", "0:10"), m.pointsGroupIndex(0), true);
        QCOMPARE(written(m), QByteArray("<failed>"));
        writeFile(env->path("plan.erd"), goldenErd);
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning,
                             "Nem sikerült elmenteni az útvonal tervet\nEgy csoportban legfeljebb 32767 sor lehet.");
        QWidget parent;
        QVERIFY(!m.saveAs("plan.erd", &parent, true));
        QCOMPARE(fileBytes(env->path("plan.erd")), goldenErd);
    }

private:
    std::unique_ptr<TestEnv> env;
};

WYX_TEST_MAIN(TestRoutePlanFile)
#include "tst_routeplanfile.moc"
