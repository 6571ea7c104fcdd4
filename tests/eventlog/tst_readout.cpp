// The read-out against the strict simulated logger, run the way the main window runs it:
// a fresh link, the logger's log file loaded (or a new log), the read-out, and then the
// file on disk checked record by record: nothing lost, nothing twice, whatever happened.
#include "ui_readoutdlg.h"

#include "core/constants.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/readoutdlg.h"
#include "device/usbcom.h"
#include "device/usbcomtesting.h"
#include "eventlog/logmodel.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>

namespace {

using Records = QList<QByteArray>;

QString logPath()
{
    return QDir(appSettings().workDir).filePath(QStringLiteral("PROBA.ewl"));
}

QByteArray fileBytes()
{
    QFile f(logPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

LogFile::ReadResult savedLog()
{
    QFile f(logPath());
    f.open(QIODevice::ReadOnly);
    return LogFile::read(f);
}

QByteArray bytesOf(const LogEntry& e)
{
    return QByteArray(reinterpret_cast<const char*>(e.bytes()), LogEntry::size);
}

// The checkpoint touches of a log, in order.
Records touchesIn(const QVector<LogEntry>& entries)
{
    Records out;
    for (const LogEntry& e : entries)
        if (e.isTouch())
            out << bytesOf(e);
    return out;
}

QList<int> eventKindsIn(const QVector<LogEntry>& entries)
{
    QList<int> out;
    for (const LogEntry& e : entries)
        if (!e.isTouch())
            out << e.kind();
    return out;
}

// Clicks the read-out window's button when it says "OK", and once (to abort) when the
// progress bar has reached abortAt. A zero timer runs inside every progress step.
class ReadOutClicker
{
public:
    explicit ReadOutClicker(int abortAt = -1)
        : m_abortAt(abortAt)
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dlg = qobject_cast<ReadOutDlg*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            const bool abortNow = m_abortAt >= 0 && !aborted && dlg->RdProgressBar->value() >= m_abortAt;
            if (abortNow)
                aborted = true;
            if (abortNow || dlg->ActionButton->text() == QStringLiteral("OK"))
                QTest::mouseClick(dlg->ActionButton, Qt::LeftButton);
        });
        m_timer.start();
    }
    bool aborted = false;

private:
    int m_abortAt;
    QTimer m_timer;
};

class Rig
{
public:
    Rig() { dev().setName("PROBA"); }
    SimulatedDevice& dev() { return inst.sim.device(0); }
    SimulatedLogger& sim() { return inst.sim; }

    // n new touches, one minute apart, each with a code of its own.
    void addTouches(int n)
    {
        for (int i = 0; i < n; ++i, ++m_counter) {
            const QDateTime t = QDateTime(QDate(2024, 3, 1), QTime(0, 0)).addSecs(60LL * m_counter);
            const QByteArray code = QByteArray::fromHex("0A0B") + char(m_counter >> 24) + char(m_counter >> 16)
                                    + char(m_counter >> 8) + char(m_counter);
            dev().appendTouch(t, code);
            written << SimulatedDevice::packTime(t) + code;
        }
    }

    // One read-out the way the main window runs it.
    bool readOut()
    {
        UsbCom com;
        if (com.open() != UsbOk || com.getDeviceInfo() != UsbOk)
            return false;
        LogModel log;
        QAbstractItemModelTester tester(&log);
        const QString file = LogFile::fileNameForDevice(com.deviceName);
        if (QFileInfo::exists(QDir(appSettings().workDir).filePath(file))) {
            if (!log.load(file, nullptr))
                return false;
        } else {
            log.setDeviceIdentity(&com);
            log.clearEntries();
        }
        const int rowsBefore = log.rowCount();
        const bool ok = log.readOut(&com);
        if (!ok && (log.rowCount() != rowsBefore || log.isModified()))
            QTest::qFail("a failed read-out changed the log", __FILE__, __LINE__);
        return ok;
    }

    int ringSize() const { return inst.sim.device(0).lastIndex() + 1; }

    Records written;
    SimulatorInstall inst;

private:
    int m_counter = 0;
};

const SimulatedDevice::RingMode ringModes[] = {SimulatedDevice::EraseAhead, SimulatedDevice::NoGap};

} // namespace

class TestReadOut : public QObject
{
    Q_OBJECT
private slots:
    void firstThenOnlyNewRecords();
    void wrappedRingAndDataGap();
    void foreignLogger();
    void clockOffSetOrDeclined();
    void abortLosesAndDuplicatesNothing();
    void faultsEndCleanlyAndRepeat();
    void retryAfterAFaultCompletes();
    void impossibleRingsAreRefused();
    void failedSaveIsReported();
};

void TestReadOut::firstThenOnlyNewRecords()
{
    for (const auto mode : ringModes) {
        TestEnv env;
        Rig rig;
        rig.dev().ringMode = mode;
        ScriptedPrompts prompts; // nothing may be asked
        rig.addTouches(100);
        QVERIFY(rig.readOut());
        LogFile::ReadResult saved = savedLog();
        QCOMPARE(int(saved.status), int(LogFile::ReadStatus::Ok));
        QCOMPARE(touchesIn(saved.entries), rig.written);
        QCOMPARE(eventKindsIn(saved.entries), QList<int>{KindReadOut});
        QCOMPARE(int(saved.header.ringIndex), rig.dev().writeIndex());
        QCOMPARE(saved.header.deviceName, QStringLiteral("PROBA   "));
        // The logger now holds this read-out as its previous one.
        QCOMPARE(rig.sim().framesOf(0x1C).size(), 1);
        QCOMPARE(rig.dev().config().mid(28, 4), QByteArray(reinterpret_cast<const char*>(saved.entries.last().bytes() + 1), 4));

        const int firstEnd = rig.dev().writeIndex();
        rig.addTouches(30);
        rig.sim().clearLogs();
        QVERIFY(rig.readOut());
        saved = savedLog();
        QCOMPARE(touchesIn(saved.entries), rig.written);
        QCOMPARE(eventKindsIn(saved.entries), (QList<int>{KindReadOut, KindReadOut}));
        // One page, starting where the first read-out stopped.
        const QList<QByteArray> pages = rig.sim().framesOf(0x0C);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(quint8(pages.first().at(2)) | (quint8(pages.first().at(3)) << 8), firstEnd);

        // Nothing new: nothing taken, nothing written to the logger, the file untouched.
        const QByteArray before = fileBytes();
        rig.sim().clearLogs();
        QVERIFY(rig.readOut());
        QCOMPARE(fileBytes(), before);
        QVERIFY(rig.sim().framesOf(0x0C).isEmpty());
        QVERIFY(rig.sim().framesOf(0x1C).isEmpty());
        QVERIFY2(rig.sim().violations().isEmpty(), qPrintable(rig.sim().violations().join("; ")));
    }
}

void TestReadOut::wrappedRingAndDataGap()
{
    for (const auto mode : ringModes) {
        TestEnv env;
        Rig rig;
        rig.dev().ringMode = mode;
        // The erase-ahead logger keeps one slot blank; the other fills every slot.
        const int held = mode == SimulatedDevice::EraseAhead ? rig.ringSize() - 1 : rig.ringSize();
        rig.addTouches(1000);
        {
            ScriptedPrompts prompts;
            QVERIFY(rig.readOut());
        }
        QCOMPARE(touchesIn(savedLog().entries), rig.written.mid(1000 - held)); // oldest first

        // The next read-out of a wrapped ring takes only the new records: the stale slot at
        // the write index of a ring without a gap is not taken.
        rig.addTouches(10);
        {
            ScriptedPrompts prompts;
            QVERIFY(rig.readOut());
        }
        QCOMPARE(touchesIn(savedLog().entries), rig.written.mid(1000 - held));

        // More records than the ring holds since the last read-out: the gap is told and
        // marked, and the whole ring is taken once.
        const Records before = touchesIn(savedLog().entries);
        rig.addTouches(900);
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("meghaladó számú bejegyzés"));
            QVERIFY(rig.readOut());
        }
        const QVector<LogEntry> entries = savedLog().entries;
        QCOMPARE(touchesIn(entries), before + rig.written.mid(rig.written.size() - held));
        QCOMPARE(eventKindsIn(entries), (QList<int>{KindReadOut, KindReadOut, KindDataGap, KindReadOut}));
    }
}

void TestReadOut::foreignLogger()
{
    TestEnv env;
    Rig rig;
    rig.addTouches(20);
    QVERIFY(rig.readOut());
    const QByteArray before = fileBytes();
    // Re-initialised elsewhere: same name, another initialisation date.
    const QDateTime newInit(QDate(2024, 2, 1), QTime(8, 0));
    rig.dev().setConfigBytes(24, SimulatedDevice::packTime(newInit));
    rig.addTouches(5);
    {
        ScriptedPrompts prompts;
        prompts.expectQuestion(QStringLiteral("nem ehhez a napló fájlhoz tartozik"), false);
        QVERIFY(!rig.readOut());
    }
    QCOMPARE(fileBytes(), before);
    {
        ScriptedPrompts prompts; // no data-gap notice after an accepted foreign logger
        prompts.expectQuestion(QStringLiteral("nem ehhez a napló fájlhoz tartozik"), true);
        QVERIFY(rig.readOut());
    }
    const LogFile::ReadResult saved = savedLog();
    QCOMPARE(saved.header.initDate, newInit);
    QCOMPARE(eventKindsIn(saved.entries), (QList<int>{KindReadOut, KindForeignInit, KindReadOut}));
    const LogEntry foreign = saved.entries.at(21);
    QCOMPARE(foreign.dateTime(), newInit);
    QCOMPARE(foreign.secondDateTime(), QDateTime(QDate(2023, 1, 10), QTime(9, 0))); // the old init date
    // The new logger's whole ring follows.
    QCOMPARE(touchesIn(saved.entries), rig.written.mid(0, 20) + rig.written);
    QVERIFY(rig.readOut()); // and it is this log's logger from now on
}

void TestReadOut::clockOffSetOrDeclined()
{
    TestEnv env;
    Rig rig;
    rig.addTouches(10);
    QVERIFY(rig.readOut());

    // Declined: the clock stays, the read-out goes on, the window waits for "OK".
    appSettings().flags &= ~OptAutoClockSet;
    rig.dev().setClockOffset(3600 * 1000);
    rig.addTouches(3);
    rig.sim().clearLogs();
    {
        ScriptedPrompts prompts;
        prompts.expectQuestion(QStringLiteral("órája nem pontos"), false);
        ReadOutClicker ok;
        QVERIFY(rig.readOut());
    }
    QVERIFY(rig.sim().framesOf(0x02).isEmpty());
    QCOMPARE(touchesIn(savedLog().entries), rig.written);

    // Accepted, with exactly one page of new records: the logger's own clock-set record,
    // written at the old end, is taken too, so the next read-out sees no gap.
    rig.addTouches(64);
    {
        ScriptedPrompts prompts;
        prompts.expectQuestion(QStringLiteral("órája nem pontos"), true);
        QVERIFY(rig.readOut());
    }
    QCOMPARE(rig.sim().framesOf(0x02).size(), 1);
    QVector<LogEntry> entries = savedLog().entries;
    QCOMPARE(int(entries.at(entries.size() - 2).kind()), int(KindClockSet));
    QCOMPARE(touchesIn(entries), rig.written);

    // Automatic: no question, the clock is set.
    appSettings().flags |= OptAutoClockSet;
    rig.dev().setClockOffset(-3600 * 1000);
    rig.addTouches(2);
    {
        ScriptedPrompts prompts;
        QVERIFY(rig.readOut());
    }
    QCOMPARE(rig.sim().framesOf(0x02).size(), 2);
    entries = savedLog().entries;
    QCOMPARE(touchesIn(entries), rig.written);
    QCOMPARE(eventKindsIn(entries),
             (QList<int>{KindReadOut, KindReadOut, KindClockSet, KindReadOut, KindClockSet, KindReadOut}));
}

void TestReadOut::abortLosesAndDuplicatesNothing()
{
    TestEnv env;
    Rig rig;
    rig.addTouches(150);
    {
        ReadOutClicker clicker(64);
        QVERIFY(!rig.readOut());
        QVERIFY(clicker.aborted);
    }
    // Nothing kept of an aborted read-out: no file, the logger not told.
    QVERIFY(!QFileInfo::exists(logPath()));
    QVERIFY(rig.sim().framesOf(0x1C).isEmpty());
    QVERIFY(rig.readOut());
    QCOMPARE(touchesIn(savedLog().entries), rig.written);

    rig.addTouches(600); // ten pages: the window is live at the first and the ninth
    const QByteArray before = fileBytes();
    {
        ReadOutClicker clicker(64);
        QVERIFY(!rig.readOut());
        QVERIFY(clicker.aborted);
    }
    QCOMPARE(fileBytes(), before);
    QVERIFY(rig.readOut());
    const QVector<LogEntry> entries = savedLog().entries;
    QCOMPARE(touchesIn(entries), rig.written);
    QCOMPARE(eventKindsIn(entries), (QList<int>{KindReadOut, KindReadOut}));
}

void TestReadOut::faultsEndCleanlyAndRepeat()
{
    enum Fault { NoAnswer, ShortPage, Unplug };
    for (const Fault fault : {NoAnswer, ShortPage, Unplug}) {
        TestEnv env;
        Rig rig;
        rig.addTouches(200);
        QVERIFY(rig.readOut());
        rig.addTouches(200);
        const QByteArray before = fileBytes();
        switch (fault) {
        case NoAnswer: rig.sim().injectReplyFault(0x0C, 0, SimulatedLogger::Silent); break;
        case ShortPage: rig.sim().injectReplyFault(0x0C, 0, SimulatedLogger::ShortBody, 100); break;
        case Unplug: rig.sim().unplugAfter(8, 300); break; // device information, record, page, then mid-page
        }
        {
            ScriptedPrompts prompts;
            prompts.expectButton(Prompts::Kind::Warning, QString(), 0); // "Megszakít"
            QVERIFY(!rig.readOut());
            QVERIFY(!prompts.seen().isEmpty() && !prompts.seen().first().text.isEmpty());
        }
        QCOMPARE(fileBytes(), before);
        rig.sim().clearFaults();
        rig.dev().pluggedIn = true;
        QVERIFY(rig.readOut());
        QCOMPARE(touchesIn(savedLog().entries), rig.written);
    }
}

void TestReadOut::retryAfterAFaultCompletes()
{
    TestEnv env;
    Rig rig;
    rig.addTouches(300);
    rig.sim().injectReplyFault(0x0C, 0, SimulatedLogger::Silent);
    int retries = 0;
    // The user fixes the cable and chooses "Ismét".
    const Prompts::Handler previous = Prompts::setHandler([&](const Prompts::Request& r) {
        Prompts::Answer a;
        if (r.kind == Prompts::Kind::Warning && r.buttons.size() == 2) {
            ++retries;
            rig.sim().clearFaults();
            a.button = 1;
        }
        return a;
    });
    const bool ok = rig.readOut();
    Prompts::setHandler(previous);
    QVERIFY(ok);
    QCOMPARE(retries, 1);
    QCOMPARE(touchesIn(savedLog().entries), rig.written);
}

void TestReadOut::impossibleRingsAreRefused()
{
    TestEnv env;
    {
        Rig rig;
        rig.addTouches(5);
        rig.dev().setWriteIndex(5000); // beyond the 819-slot ring
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, UsbCom::errorText(UsbBadReply));
        QVERIFY(!rig.readOut());
        QVERIFY(rig.sim().framesOf(0x0C).isEmpty());
        QVERIFY(!QFileInfo::exists(logPath()));
    }
    {
        Rig rig;
        rig.dev().setMemoryCode(0x15); // a capacity the program does not know
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, UsbCom::errorText(UsbBadReply));
        QVERIFY(!rig.readOut());
    }
    {
        // A ring position from the file that this logger cannot have counts as a gap.
        Rig rig;
        rig.addTouches(5);
        QVERIFY(rig.readOut());
        QByteArray bytes = fileBytes();
        bytes[12] = char(0xD0);
        bytes[13] = char(0x07); // 2000
        QFile f(logPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        rig.addTouches(3);
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("meghaladó számú bejegyzés"));
        QVERIFY(rig.readOut());
        QCOMPARE(eventKindsIn(savedLog().entries), (QList<int>{KindReadOut, KindDataGap, KindReadOut}));
    }
}

void TestReadOut::failedSaveIsReported()
{
    TestEnv env;
    Rig rig;
    rig.addTouches(50);
    QVERIFY(rig.readOut());
    rig.addTouches(10);
    const QByteArray before = fileBytes();
    const QByteArray readoutTime = rig.dev().config().mid(28, 4);
    QVERIFY(QDir(env.workDir()).mkpath(QStringLiteral("PROBA.ewl.bak/keep")));
    rig.sim().clearLogs();
    {
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Nem sikerült elmenteni az esemény naplót"));
        QVERIFY(rig.readOut());
    }
    // The logger is not told of a read-out whose records are not on disk.
    QVERIFY(rig.sim().framesOf(0x1C).isEmpty());
    QCOMPARE(rig.dev().config().mid(28, 4), readoutTime);
    QCOMPARE(fileBytes(), before);

    QVERIFY(QDir(env.path(QStringLiteral("PROBA.ewl.bak"))).removeRecursively());
    QVERIFY(rig.readOut());
    QCOMPARE(touchesIn(savedLog().entries), rig.written);
    QCOMPARE(rig.sim().framesOf(0x1C).size(), 1);
}

WYX_TEST_MAIN(TestReadOut)
#include "tst_readout.moc"
