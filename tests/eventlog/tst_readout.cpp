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
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>

namespace {

using Records = QList<QByteArray>;
using Kinds = QList<int>;

const QString gapNotice = QStringLiteral("meghaladó számú bejegyzés");
const QString foreignQuestion = QStringLiteral("nem ehhez a napló fájlhoz tartozik");
const QString clockQuestion = QStringLiteral("órája nem pontos");

QString logPath()
{
    return QDir(appSettings().workDir).filePath(QStringLiteral("PROBA.ewl"));
}

QByteArray fileBytes()
{
    QFile f(logPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QVector<LogEntry> savedEntries()
{
    QByteArray bytes = fileBytes();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const LogFile::ReadResult r = LogFile::read(buffer);
    if (r.status != LogFile::ReadStatus::Ok)
        QTest::qFail("the saved log does not read back", __FILE__, __LINE__);
    return r.entries;
}

// The checkpoint touches of the saved log, in order.
Records savedTouches()
{
    Records out;
    for (const LogEntry& e : savedEntries())
        if (e.isTouch())
            out << QByteArray(reinterpret_cast<const char*>(e.bytes()), LogEntry::size);
    return out;
}

Kinds savedEventKinds()
{
    Kinds out;
    for (const LogEntry& e : savedEntries())
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
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this, abortAt] {
            auto* dlg = qobject_cast<ReadOutDlg*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            const bool abortNow = abortAt >= 0 && !aborted && dlg->RdProgressBar->value() >= abortAt;
            aborted = aborted || abortNow;
            if (abortNow || dlg->ActionButton->text() == QStringLiteral("OK"))
                QTest::mouseClick(dlg->ActionButton, Qt::LeftButton);
        });
        m_timer.start();
    }
    bool aborted = false;

private:
    QTimer m_timer;
};

class Rig
{
public:
    Rig() { dev().setName("PROBA"); }
    SimulatedDevice& dev() { return inst.sim.device(0); }
    SimulatedLogger& sim() { return inst.sim; }
    int ringSize() { return dev().lastIndex() + 1; }

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

    // A read-out that shows exactly this one prompt, answered as given.
    bool readOutAsked(Prompts::Kind kind, const QString& textPart, int button = 0)
    {
        ScriptedPrompts prompts;
        prompts.expectButton(kind, textPart, button);
        return readOut();
    }

    Records written;
    SimulatorInstall inst;

private:
    int m_counter = 0;
};

// Answers the read-out's error box: "Megszakít" (0), or on a retry the link is mended
// first and "Ismét" (1) is chosen.
class ErrorBoxes
{
public:
    ErrorBoxes(Rig& rig, bool retry)
        : m_previous(Prompts::setHandler([this, &rig, retry](const Prompts::Request& r) {
            seen << r;
            Prompts::Answer a;
            a.button = retry ? 1 : 0;
            if (retry) {
                rig.sim().clearFaults();
                rig.dev().pluggedIn = true;
            }
            return a;
        }))
    {
    }
    ~ErrorBoxes() { Prompts::setHandler(m_previous); }
    QList<Prompts::Request> seen;

private:
    Prompts::Handler m_previous;
};

} // namespace

class TestReadOut : public QObject
{
    Q_OBJECT
private slots:
    void firstLaterAndGapReadOuts();
    void foreignLogger();
    void clockOffSetOrDeclined();
    void abortLosesAndDuplicatesNothing();
    void faultsAbortOrRetryCleanly();
    void impossibleRingsAreRefused();
    void failedSaveIsReported();
};

void TestReadOut::firstLaterAndGapReadOuts()
{
    for (const auto mode : {SimulatedDevice::EraseAhead, SimulatedDevice::NoGap}) {
        TestEnv env;
        Rig rig;
        rig.dev().ringMode = mode;
        // The erase-ahead logger keeps one slot blank; the other fills every slot.
        const int held = rig.ringSize() - (mode == SimulatedDevice::EraseAhead ? 1 : 0);
        rig.addTouches(1000);
        QVERIFY(rig.readOut()); // nothing may be asked
        const QVector<LogEntry> first = savedEntries();
        QCOMPARE(savedTouches(), rig.written.mid(1000 - held)); // the wrapped ring, oldest first
        QCOMPARE(savedEventKinds(), Kinds{KindReadOut});
        LogModel saved;
        QVERIFY(saved.load(logPath(), nullptr));
        QCOMPARE(saved.ringIndex(), rig.dev().writeIndex());
        QCOMPARE(saved.deviceName(), QStringLiteral("PROBA   "));
        // The logger now holds this read-out as its previous one.
        QCOMPARE(rig.sim().framesOf(0x1C).size(), 1);
        QCOMPARE(rig.dev().config().mid(28, 4), QByteArray(reinterpret_cast<const char*>(first.last().bytes() + 1), 4));

        // Then one page, from where the first read-out stopped; the stale slot at the write
        // index of a ring without a gap is not taken.
        const int firstEnd = rig.dev().writeIndex();
        rig.addTouches(30);
        rig.sim().clearLogs();
        QVERIFY(rig.readOut());
        const Records kept = savedTouches();
        QCOMPARE(kept, rig.written.mid(1000 - held));
        const QList<QByteArray> pages = rig.sim().framesOf(0x0C);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(quint8(pages.first().at(2)) | (quint8(pages.first().at(3)) << 8), firstEnd);

        // Nothing new: nothing taken, nothing written to the logger, the file untouched.
        const QByteArray before = fileBytes();
        rig.sim().clearLogs();
        QVERIFY(rig.readOut());
        QCOMPARE(fileBytes(), before);
        QVERIFY(rig.sim().framesOf(0x0C).isEmpty() && rig.sim().framesOf(0x1C).isEmpty());

        // More records than the ring holds since the last read-out: the gap is told and
        // marked, and the whole ring is taken once.
        rig.addTouches(900);
        QVERIFY(rig.readOutAsked(Prompts::Kind::Information, gapNotice));
        QCOMPARE(savedTouches(), kept + rig.written.mid(rig.written.size() - held));
        QCOMPARE(savedEventKinds(), (Kinds{KindReadOut, KindReadOut, KindDataGap, KindReadOut}));
        QVERIFY2(rig.sim().violations().isEmpty(), qPrintable(rig.sim().violations().join("; ")));
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
    QVERIFY(!rig.readOutAsked(Prompts::Kind::Question, foreignQuestion, 1));
    QCOMPARE(fileBytes(), before);
    // Accepted: no data-gap notice follows.
    QVERIFY(rig.readOutAsked(Prompts::Kind::Question, foreignQuestion, 0));
    LogModel saved;
    QVERIFY(saved.load(logPath(), nullptr));
    QCOMPARE(saved.initDate(), newInit);
    QCOMPARE(savedEventKinds(), (Kinds{KindReadOut, KindForeignInit, KindReadOut}));
    const LogEntry foreign = saved.entryAt(21);
    QCOMPARE(foreign.dateTime(), newInit);
    QCOMPARE(foreign.secondDateTime(), QDateTime(QDate(2023, 1, 10), QTime(9, 0))); // the old init date
    // The new logger's whole ring follows.
    QCOMPARE(savedTouches(), rig.written.mid(0, 20) + rig.written);
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
        ReadOutClicker ok;
        QVERIFY(rig.readOutAsked(Prompts::Kind::Question, clockQuestion, 1));
    }
    QVERIFY(rig.sim().framesOf(0x02).isEmpty());
    QCOMPARE(savedTouches(), rig.written);

    // Accepted, with exactly one page of new records: the logger's own clock-set record,
    // written at the old end, is taken too, so the next read-out sees no gap.
    rig.addTouches(64);
    QVERIFY(rig.readOutAsked(Prompts::Kind::Question, clockQuestion, 0));
    QCOMPARE(rig.sim().framesOf(0x02).size(), 1);
    const QVector<LogEntry> entries = savedEntries();
    QCOMPARE(int(entries.at(entries.size() - 2).kind()), int(KindClockSet));
    QCOMPARE(savedTouches(), rig.written);

    // Automatic: no question, the clock is set.
    appSettings().flags |= OptAutoClockSet;
    rig.dev().setClockOffset(-3600 * 1000);
    rig.addTouches(2);
    QVERIFY(rig.readOut());
    QCOMPARE(rig.sim().framesOf(0x02).size(), 2);
    QCOMPARE(savedTouches(), rig.written);
    QCOMPARE(savedEventKinds(),
             (Kinds{KindReadOut, KindReadOut, KindClockSet, KindReadOut, KindClockSet, KindReadOut}));
}

void TestReadOut::abortLosesAndDuplicatesNothing()
{
    TestEnv env;
    Rig rig;
    // First into no file at all, then ten pages (the window is live at the first and the ninth).
    for (const int n : {150, 600}) {
        rig.addTouches(n);
        const bool hadFile = QFileInfo::exists(logPath());
        const QByteArray before = fileBytes();
        rig.sim().clearLogs();
        {
            ReadOutClicker clicker(64);
            QVERIFY(!rig.readOut());
            QVERIFY(clicker.aborted);
        }
        // Nothing kept of an aborted read-out, and the logger is not told.
        QCOMPARE(QFileInfo::exists(logPath()), hadFile);
        QCOMPARE(fileBytes(), before);
        QVERIFY(rig.sim().framesOf(0x1C).isEmpty());
        QVERIFY(rig.readOut());
        QCOMPARE(savedTouches(), rig.written);
    }
    QCOMPARE(savedEventKinds(), (Kinds{KindReadOut, KindReadOut}));
}

void TestReadOut::faultsAbortOrRetryCleanly()
{
    enum Fault { NoAnswer, ShortPage, Unplug };
    for (const Fault fault : {NoAnswer, ShortPage, Unplug}) {
        for (const bool retry : {false, true}) {
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
                ErrorBoxes boxes(rig, retry);
                QCOMPARE(rig.readOut(), retry);
                QCOMPARE(boxes.seen.size(), 1);
                QCOMPARE(int(boxes.seen.first().kind), int(Prompts::Kind::Warning));
                QVERIFY(!boxes.seen.first().text.isEmpty());
            }
            if (!retry) {
                QCOMPARE(fileBytes(), before);
                rig.sim().clearFaults();
                rig.dev().pluggedIn = true;
                QVERIFY(rig.readOut());
            }
            QCOMPARE(savedTouches(), rig.written);
        }
    }
}

void TestReadOut::impossibleRingsAreRefused()
{
    TestEnv env;
    // A write index beyond the 819-slot ring, or a capacity the program does not know.
    for (const bool badIndex : {true, false}) {
        Rig rig;
        rig.addTouches(5);
        if (badIndex)
            rig.dev().setWriteIndex(5000);
        else
            rig.dev().setMemoryCode(0x15);
        QVERIFY(!rig.readOutAsked(Prompts::Kind::Warning, UsbCom::errorText(UsbBadReply)));
        QVERIFY(rig.sim().framesOf(0x0C).isEmpty());
        QVERIFY(!QFileInfo::exists(logPath()));
    }
    // A ring position from the file that this logger cannot have counts as a gap.
    Rig rig;
    rig.addTouches(5);
    QVERIFY(rig.readOut());
    QByteArray bytes = fileBytes();
    bytes.replace(12, 2, QByteArray::fromHex("D007")); // 2000
    QFile f(logPath());
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    f.close();
    rig.addTouches(3);
    QVERIFY(rig.readOutAsked(Prompts::Kind::Information, gapNotice));
    QCOMPARE(savedEventKinds(), (Kinds{KindReadOut, KindDataGap, KindReadOut}));
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
    QVERIFY(rig.readOutAsked(Prompts::Kind::Warning, QStringLiteral("Nem sikerült elmenteni az esemény naplót")));
    // The logger is not told of a read-out whose records are not on disk.
    QVERIFY(rig.sim().framesOf(0x1C).isEmpty());
    QCOMPARE(rig.dev().config().mid(28, 4), readoutTime);
    QCOMPARE(fileBytes(), before);

    QVERIFY(QDir(env.path(QStringLiteral("PROBA.ewl.bak"))).removeRecursively());
    QVERIFY(rig.readOut());
    QCOMPARE(savedTouches(), rig.written);
    QCOMPARE(rig.sim().framesOf(0x1C).size(), 1);
}

WYX_TEST_MAIN(TestReadOut)
#include "tst_readout.moc"