// Read-outs against the strict simulated logger; the file on disk checked record by record.
#include "ui_readoutdlg.h"

#include "core/constants.h"
#include "core/safesave.h"
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
#include <QtTest>

namespace {

using Records = QList<QByteArray>;
using Kinds = QList<int>;

const QString gapNotice = QStringLiteral("meghaladó számú bejegyzés");
const QString foreignQuestion = QStringLiteral("nem ehhez a napló fájlhoz tartozik");
const QString clockQuestion = QStringLiteral("órája nem pontos");
const QString otherLoggerNotice = QStringLiteral("nem az, amelyiknek a kiolvasása elkezdődött");
const QString logPath = QStringLiteral("PROBA.ewl");

QByteArray fileBytes(const QString& path = logPath)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Saved { QVector<LogEntry> entries; Records touches; Kinds kinds; QDateTime initDate; };

Saved saved(const QString& path = logPath)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const LogFile::ReadResult file = LogFile::read(f);
    Saved s{file.entries, {}, {}, file.header.initDate};
    for (const LogEntry& e : s.entries)
        e.isTouch() ? void(s.touches << QByteArray(reinterpret_cast<const char*>(e.bytes()), LogEntry::size))
                    : void(s.kinds << e.kind());
    return s;
}

// Clicks "OK", or aborts once the progress bar reaches abortAt.
struct ReadOutClicker {
    explicit ReadOutClicker(int abortAt = -1)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, abortAt] {
            auto* dlg = qobject_cast<ReadOutDlg*>(QApplication::activeModalWidget());
            const bool abortNow = dlg && abortAt >= 0 && !aborted && dlg->RdProgressBar->value() >= abortAt;
            aborted = aborted || abortNow;
            if (abortNow || (dlg && dlg->ActionButton->text() == QStringLiteral("OK")))
                QTest::mouseClick(dlg->ActionButton, Qt::LeftButton);
        });
        timer.start(0);
    }
    QTimer timer;
    bool aborted = false;
};

struct Rig {
    Rig() { dev().setName("PROBA"); }
    SimulatedDevice& dev() { return inst.sim.device(0); }
    SimulatedLogger& sim() { return inst.sim; }
    void mend() { sim().clearFaults(); dev().pluggedIn = true; }

    // n touches, one minute apart, each with its own code, into the logger on the link.
    void addTouches(int n) { addTouches(n, written); }
    void addTouches(int n, Records& into)
    {
        for (int i = 0; i < n; ++i, ++m_counter) {
            const QDateTime t = QDateTime(QDate(2024, 3, 1), QTime(0, 0)).addSecs(60LL * m_counter);
            const QByteArray code = QByteArray::fromHex("0A0B") + char(m_counter >> 24)
                                    + char(m_counter >> 16) + char(m_counter >> 8) + char(m_counter);
            dev().appendTouch(t, code);
            into << SimulatedDevice::packTime(t) + code;
        }
    }

    bool readOut() // as the main window runs it
    {
        UsbCom com;
        if (com.open() != UsbOk || com.getDeviceInfo() != UsbOk)
            return false;
        UsbErrorCodes r = com.readConfirmedIdentity(true); // the identity the log is chosen by
        while (r != UsbOk) {
            if (!com.showError(r, true))
                return false;
            r = com.open();
            if (r == UsbOk)
                r = com.readConfirmedIdentity(false);
        }
        LogModel log;
        QAbstractItemModelTester tester(&log);
        const QString file = LogFile::fileNameForDevice(com.deviceName);
        log.setDeviceIdentity(&com);
        if (QFileInfo::exists(file) && !log.load(file, nullptr))
            return false;
        const int rowsBefore = log.rowCount();
        const bool ok = log.readOut(&com);
        if (!ok && (log.rowCount() != rowsBefore || log.isModified()))
            QTest::qFail("a failed read-out changed the log", __FILE__, __LINE__);
        return ok;
    }

    bool readOutAsked(Prompts::Kind kind, const QString& textPart, int button = 0)
    {
        ScriptedPrompts prompts;
        prompts.expectButton(kind, textPart, button);
        return readOut();
    }

    // One error box, answered "Megszakít", or "Ismét" once the link is mended.
    bool readOutPastError(bool retry)
    {
        int boxes = 0;
        const Prompts::Handler previous = Prompts::setHandler([&](const Prompts::Request& r) {
            boxes += r.kind == Prompts::Kind::Warning && !r.text.isEmpty() ? 1 : 100;
            if (retry)
                mend();
            return Prompts::Answer{retry ? 1 : 0, {}, {}};
        });
        const bool ok = readOut();
        Prompts::setHandler(previous);
        if (boxes != 1)
            QTest::qFail("not exactly one error box", __FILE__, __LINE__);
        return ok;
    }

    Records written;
    SimulatorInstall inst;
    int m_counter = 0;
};

enum Fault { NoAnswer, ShortPage, Unplug, NoIndexAfterPages };

// Moments of a read-out at which the logger logs a record, just before it acts on a frame.
enum Moment { AfterIdentity, BeforeFirstPage, AfterFirstPage, AfterLastPage };

// Which identity reply of a read-out is garbled: the main window's first, the one read again
// after the clock is set, the first or second read of the write index after the pages, or
// every one after the two the main window reads or after the first page (the logger changed
// for good once its log is chosen).
enum GarbledReply {
    MainWindowIdentity,
    ClockSetReread,
    FirstIndexAfterPages,
    SecondIndexAfterPages,
    EveryIdentityAfterMainWindows,
    EveryIdentityAfterFirstPage
};

// Where logger A gives way to logger B during a read-out.
enum ChangePlace {
    AtMainWindowConfirmation, AtClockSet, AtIndexConfirmation, AtContinuityRead, AtPageRead, AtIndexAfterPages
};

void retryRows()
{
    QTest::addColumn<bool>("retry");
    QTest::newRow("given up") << false;
    QTest::newRow("retried") << true;
}

} // namespace

class TestReadOut : public QObject
{
    Q_OBJECT
private slots:
    void firstLaterGapAndForeignReadOuts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("erase ahead") << int(SimulatedDevice::EraseAhead);
        QTest::newRow("no gap") << int(SimulatedDevice::NoGap);
    }

    void firstLaterGapAndForeignReadOuts()
    {
        QFETCH(int, mode);
        {
            TestEnv env;
            Rig rig;
            rig.dev().ringMode = SimulatedDevice::RingMode(mode);
            const int held = rig.dev().lastIndex(); // never the slot at the write index
            rig.addTouches(1000);
            QVERIFY(rig.readOut()); // nothing may be asked
            const Saved first = saved();
            QCOMPARE(first.touches, rig.written.mid(1000 - held)); // the wrapped ring, oldest first
            QCOMPARE(rig.sim().framesOf(0x1C).size(), 1);
            QCOMPARE(rig.dev().config().mid(28, 4),
                     QByteArray(reinterpret_cast<const char*>(first.entries.last().bytes() + 1), 4));

            // One page from where the first stopped; a gapless ring's stale slot is not taken.
            const int firstEnd = rig.dev().writeIndex();
            rig.addTouches(30);
            rig.sim().clearLogs();
            QVERIFY(rig.readOut());
            const Records kept = saved().touches;
            QCOMPARE(kept, rig.written.mid(1000 - held));
            const QList<QByteArray> pages = rig.sim().framesOf(0x0C);
            QCOMPARE(pages.size(), 1);
            QCOMPARE(quint8(pages.first().at(2)) | (quint8(pages.first().at(3)) << 8), firstEnd);

            // Nothing new: nothing taken, nothing written to the logger, the file untouched.
            const QByteArray unchanged = fileBytes();
            rig.sim().clearLogs();
            QVERIFY(rig.readOut());
            QCOMPARE(fileBytes(), unchanged);
            QVERIFY(rig.sim().framesOf(0x0C).isEmpty());
            QVERIFY(rig.sim().framesOf(0x1C).isEmpty());

            // More than the ring holds: the gap is told and marked, the whole ring taken once.
            rig.addTouches(900);
            QVERIFY(rig.readOutAsked(Prompts::Kind::Information, gapNotice));
            const Records beforeForeign = saved().touches;
            QCOMPARE(beforeForeign, kept + rig.written.mid(rig.written.size() - held));

            // Re-initialised elsewhere: declined, the file stays; accepted, the ring follows, no gap.
            const QDateTime newInit(QDate(2024, 2, 1), QTime(8, 0));
            rig.dev().setConfigBytes(24, SimulatedDevice::packTime(newInit));
            rig.addTouches(5);
            const QByteArray before = fileBytes();
            QVERIFY(!rig.readOutAsked(Prompts::Kind::Question, foreignQuestion, 1));
            QCOMPARE(fileBytes(), before);
            QVERIFY(rig.readOutAsked(Prompts::Kind::Question, foreignQuestion, 0));
            const Saved log = saved();
            QCOMPARE(log.kinds,
                     (Kinds{KindReadOut, KindReadOut, KindDataGap, KindReadOut, KindForeignInit,
                            KindReadOut}));
            const LogEntry foreign = log.entries.at(beforeForeign.size() + 4);
            QCOMPARE(foreign.dateTime(), newInit);
            QCOMPARE(foreign.secondDateTime(), QDateTime(QDate(2023, 1, 10), QTime(9, 0))); // old init
            QCOMPARE(log.touches, beforeForeign + rig.written.mid(rig.written.size() - held));
            QVERIFY(rig.readOut());
            QVERIFY2(rig.sim().violations().isEmpty(), qPrintable(rig.sim().violations().join("; ")));
        }
    }

    // A record the logger writes while its ring is being read goes to the next read-out,
    // once and in order, in both ring modes; the slot at the write index is never taken.
    void recordArrivingDuringReadOutIsTakenOnce()
    {
        for (const auto mode : {SimulatedDevice::EraseAhead, SimulatedDevice::NoGap}) {
            TestEnv env;
            Rig rig;
            rig.dev().ringMode = mode;
            const int held = rig.dev().lastIndex();
            bool arrived = false;
            rig.sim().setFrameHandler([&](const QByteArray& frame) {
                if (quint8(frame.at(1)) == 0x0C && !arrived) {
                    arrived = true;
                    rig.addTouches(1);
                }
            });
            // A stale record at the write index of a ring not yet full.
            rig.addTouches(20);
            rig.dev().setRecord(rig.dev().writeIndex(), SimulatedDevice::packTime(QDateTime(
                QDate(2023, 5, 5), QTime(5, 5))) + QByteArray::fromHex("0A0BFFFFFFFF"));
            QVERIFY(rig.readOut());
            QVERIFY(arrived);
            QCOMPARE(saved().touches, rig.written.mid(0, 20));
            QVERIFY(rig.readOut());
            QCOMPARE(saved().touches, rig.written);

            // The same in a full ring, and for a later read-out.
            for (const int n : {2000, 100}) {
                arrived = false;
                rig.addTouches(n);
                const Records before = saved().touches;
                // Erasing ahead, the arriving record costs the oldest one of a full ring.
                const int kept = held - (mode == SimulatedDevice::EraseAhead ? 1 : 0);
                const Records expected = n > held ? rig.written.mid(rig.written.size() - kept)
                                                  : rig.written.mid(rig.written.size() - n);
                ScriptedPrompts prompts;
                if (n > held)
                    prompts.expectButton(Prompts::Kind::Information, gapNotice, 0);
                QVERIFY(rig.readOut());
                QVERIFY(arrived);
                QCOMPARE(saved().touches, before + expected);
                QVERIFY(rig.readOut());
                QCOMPARE(saved().touches, before + expected + rig.written.mid(rig.written.size() - 1));
            }
            VERIFY_NO_VIOLATIONS(rig.sim());
        }
    }

    void recordsLoggedDuringReadOutAreTakenOnceInOrder_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("before"); // records in the ring before the read-out
        QTest::addColumn<QList<int>>("moments"); // one record logged at each
        const int erase = SimulatedDevice::EraseAhead;
        const int noGap = SimulatedDevice::NoGap;
        const int full = 2 * 819 - 3; // the ring full, its write index three slots before the wrap
        QTest::newRow("after identity") << erase << 100 << QList<int>{AfterIdentity};
        QTest::newRow("after identity and first request")
            << erase << 100 << QList<int>{AfterIdentity, BeforeFirstPage};
        QTest::newRow("after identity and first request, no gap")
            << noGap << 100 << QList<int>{AfterIdentity, BeforeFirstPage};
        QTest::newRow("after the first page") << erase << 100 << QList<int>{AfterFirstPage};
        QTest::newRow("after the last page") << erase << 100 << QList<int>{AfterLastPage};
        QTest::newRow("several") << erase << 100
                                 << QList<int>{AfterIdentity, AfterIdentity, BeforeFirstPage, AfterFirstPage,
                                               AfterFirstPage, AfterLastPage};
        QTest::newRow("ring wrap") << erase << full
                                   << QList<int>{AfterIdentity, BeforeFirstPage, BeforeFirstPage,
                                                 AfterFirstPage, AfterLastPage};
        QTest::newRow("ring wrap, no gap") << noGap << full
                                           << QList<int>{AfterIdentity, BeforeFirstPage, BeforeFirstPage,
                                                         AfterFirstPage, AfterLastPage};
    }

    // A new log's whole ring, and the read-out after it: between them every record is taken
    // once, oldest first.
    void recordsLoggedDuringReadOutAreTakenOnceInOrder()
    {
        QFETCH(int, mode);
        QFETCH(int, before);
        QFETCH(QList<int>, moments);
        TestEnv env;
        Rig rig;
        rig.dev().ringMode = SimulatedDevice::RingMode(mode);
        QCOMPARE(rig.dev().lastIndex(), 818);
        rig.addTouches(before);
        int identityReads = 0;
        int pages = 0;
        bool afterIdentity = false;
        bool lastPageDone = false;
        int logged = 0;
        rig.sim().setFrameHandler([&](const QByteArray& frame) {
            const int command = quint8(frame.at(1));
            QList<Moment> now;
            if (afterIdentity)
                now << AfterIdentity;
            afterIdentity = command == 0x1D && quint8(frame.at(2)) == 0 && quint8(frame.at(3)) == 0
                            && ++identityReads == 1;
            if (command == 0x0C && pages < 2)
                now << (pages == 0 ? BeforeFirstPage : AfterFirstPage);
            if (command != 0x0C && pages > 0 && !lastPageDone) {
                lastPageDone = true;
                now << AfterLastPage;
            }
            pages += command == 0x0C ? 1 : 0;
            for (const Moment m : now) {
                rig.addTouches(moments.count(m));
                logged += moments.count(m);
            }
        });
        QVERIFY(rig.readOut());
        rig.sim().setFrameHandler(nullptr);
        QCOMPARE(logged, moments.size());
        QVERIFY(rig.readOut());
        // A full ring: the records it holds once the first read-out ends, and the oldest one,
        // read before the logger erased it (erasing ahead) or still there (no gap).
        const int ring = rig.dev().ringSlots();
        QCOMPARE(saved().touches, rig.written.mid(qMax(0, rig.written.size() - ring)));
        // Records logged before the read-out has confirmed the write index are its own; then
        // the next one finds nothing new.
        const bool allBeforeConfirmed = moments == QList<int>{AfterIdentity};
        QCOMPARE(saved().kinds, allBeforeConfirmed ? Kinds{KindReadOut} : (Kinds{KindReadOut, KindReadOut}));
        VERIFY_NO_VIOLATIONS(rig.sim());
    }

    void ringOverrunDuringLaterReadOutIsMarkedAsGap_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("logged"); // records the logger writes before the first page is read
        QTest::addColumn<int>("lost");   // of the 815 new records of the read-out
        const int erase = SimulatedDevice::EraseAhead;
        const int noGap = SimulatedDevice::NoGap;
        // 815 new records leave four slots outside the range, the write slot among them.
        QTest::newRow("into the free slots") << noGap << 3 << 0;
        QTest::newRow("into the free slots, erasing ahead") << erase << 3 << 0;
        QTest::newRow("up to the range") << noGap << 4 << 0;
        QTest::newRow("up to the range, erasing its oldest") << erase << 4 << 1;
        QTest::newRow("over the oldest two") << noGap << 6 << 2;
        QTest::newRow("over the oldest two, erasing the third") << erase << 6 << 3;
    }

    // Records the logger overwrites while a later read-out reads its ring are lost: the log
    // marks the gap and the user is told, as when they were lost before the read-out; what
    // the logger wrote meanwhile is still taken once, by the next read-out.
    void ringOverrunDuringLaterReadOutIsMarkedAsGap()
    {
        QFETCH(int, mode);
        QFETCH(int, logged);
        QFETCH(int, lost);
        TestEnv env;
        Rig rig;
        rig.dev().ringMode = SimulatedDevice::RingMode(mode);
        QCOMPARE(rig.dev().ringSlots(), 819);
        rig.addTouches(10);
        QVERIFY(rig.readOut());
        rig.addTouches(815);
        bool arrived = false;
        rig.sim().setFrameHandler([&](const QByteArray& frame) {
            if (quint8(frame.at(1)) == 0x0C && !arrived) {
                arrived = true;
                rig.addTouches(logged);
            }
        });
        {
            ScriptedPrompts prompts;
            if (lost > 0)
                prompts.expectNotice(Prompts::Kind::Information, gapNotice);
            QVERIFY(rig.readOut());
        }
        rig.sim().setFrameHandler(nullptr);
        QVERIFY(arrived);
        QVERIFY(rig.readOut());
        const Saved log = saved();
        QCOMPARE(log.touches, rig.written.mid(0, 10) + rig.written.mid(10 + lost));
        QCOMPARE(log.kinds, lost > 0 ? (Kinds{KindReadOut, KindDataGap, KindReadOut, KindReadOut})
                                     : (Kinds{KindReadOut, KindReadOut, KindReadOut}));
        VERIFY_NO_VIOLATIONS(rig.sim());
    }

    // A garbled reply of plausible length to the continuity read is read again, not taken
    // for lost records; a real gap still shows after the second reading.
    void garbledContinuityReplyIsNoGap()
    {
        TestEnv env;
        Rig rig;
        rig.addTouches(10);
        QVERIFY(rig.readOut());
        rig.addTouches(5);
        rig.sim().injectReplyFault(0x08, 1, SimulatedLogger::Garbage, 2, 1, QByteArray::fromHex("5A5A5A"));
        QVERIFY(rig.readOut());
        QCOMPARE(rig.sim().framesOf(0x08).size(), 2);
        QCOMPARE(saved().touches, rig.written);
        QCOMPARE(saved().kinds, (Kinds{KindReadOut, KindReadOut}));
    }

    void garbledIdentityReplyNeitherDropsNorRepeats_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<bool>("whole"); // a new log's whole ring, else a later read-out
        QTest::addColumn<int>("garble");
        QTest::addColumn<bool>("logging"); // the logger logs a record at the first page
        QTest::addColumn<bool>("retry");   // "Ismét" to a first box that offers it
        const auto add = [](int reply, const char* replyName, bool whole, bool logging, bool retry = false) {
            for (int g = 0; g < IdentityGarbleCount; ++g)
                if ((!logging && !retry) || garblesTheIdentity(g) == retry)
                    QTest::addRow("%s, %s%s%s, %s", replyName, whole ? "whole ring" : "later read-out",
                                  logging ? ", logging" : "", retry ? ", retried" : "", identityGarbleName(g))
                        << reply << whole << g << logging << retry;
        };
        for (const bool whole : {true, false}) {
            add(MainWindowIdentity, "main window's identity", whole, false);
            add(MainWindowIdentity, "main window's identity", whole, false, true);
            add(FirstIndexAfterPages, "first index after the pages", whole, false);
            add(FirstIndexAfterPages, "first index after the pages", whole, true);
            add(SecondIndexAfterPages, "second index after the pages", whole, false);
            for (const int reply : {EveryIdentityAfterMainWindows, EveryIdentityAfterFirstPage})
                for (const int g : {NameChanged, SerialChanged})
                    QTest::addRow("logger changed for good %s, %s, retried, %s",
                                  reply == EveryIdentityAfterMainWindows ? "before the pages" : "at the first page",
                                  whole ? "whole ring" : "later read-out", identityGarbleName(g))
                        << reply << whole << g << false << true;
        }
        add(ClockSetReread, "identity after the clock set", false, false);
    }

    // One identity reply garbled within its length: over two read-outs every record is taken
    // once, in order, into the logger's own log, with no gap marked and no box. One that stays
    // (another logger) is read as itself, but not into a log chosen under another name, nor
    // once pages are taken: one box, the log unchanged.
    void garbledIdentityReplyNeitherDropsNorRepeats()
    {
        QFETCH(int, reply);
        QFETCH(bool, whole);
        QFETCH(int, garble);
        QFETCH(bool, logging);
        QFETCH(bool, retry);
        TestEnv env;
        Rig rig;
        const int held = rig.dev().lastIndex();
        if (whole) {
            rig.addTouches(1000);
        } else {
            rig.addTouches(10);
            QVERIFY(rig.readOut());
            rig.addTouches(200);
        }
        appSettings().flags |= OptAutoClockSet;
        if (reply == ClockSetReread)
            rig.dev().setClockOffset(3600 * 1000);
        const SimulatedLogger::IdentityTransform transform = identityGarble(garble);
        if (reply == MainWindowIdentity)
            rig.sim().garbleIdentity(1, transform);
        bool armed = false;
        int identityFrames = 0;
        rig.sim().setFrameHandler([&](const QByteArray& frame) {
            const int command = quint8(frame.at(1));
            identityFrames += command == 0x1D && frame.at(2) == 0 && frame.at(3) == 0 ? 1 : 0;
            if (!armed && reply == ClockSetReread && command == 0x02) {
                armed = true;
                rig.sim().garbleIdentity(1, transform);
            }
            if (!armed && reply == EveryIdentityAfterMainWindows && identityFrames == 3) {
                armed = true;
                rig.sim().garbleIdentity(0, transform);
            }
            if (!armed && reply == EveryIdentityAfterFirstPage && command == 0x0C) {
                armed = true;
                rig.sim().garbleIdentity(0, transform);
            }
            if (!armed && (reply == FirstIndexAfterPages || reply == SecondIndexAfterPages) && command == 0x0C) {
                armed = true;
                rig.sim().garbleIdentity(reply == FirstIndexAfterPages ? 1 : 2, transform);
                if (logging)
                    rig.addTouches(1);
            }
        });
        const bool changed = reply == EveryIdentityAfterMainWindows || reply == EveryIdentityAfterFirstPage;
        const bool fails = changed && (garble == NameChanged || reply == EveryIdentityAfterFirstPage);
        QStringList boxes;
        const Prompts::Handler previous = Prompts::setHandler([&](const Prompts::Request& r) {
            boxes << (r.text.contains(otherLoggerNotice) ? QStringLiteral("other logger") : r.text);
            return Prompts::Answer{retry && boxes.size() == 1 ? 1 : 0, {}, {}}; // "Ismét" once where retried
        });
        const auto identityReads = [&] {
            int n = 0;
            for (const QByteArray& f : rig.sim().framesOf(0x1D))
                n += f.at(2) == 0 && f.at(3) == 0 ? 1 : 0;
            return n;
        };
        const int readsBefore = identityReads();
        const QByteArray before = fileBytes();
        const bool ok = rig.readOut();
        Prompts::setHandler(previous);
        QCOMPARE(ok, !fails);
        QCOMPARE(boxes, fails ? QStringList{QStringLiteral("other logger")} : QStringList());
        if (!ok)
            QCOMPARE(fileBytes(), before);
        // At most: the main window's and its confirmation, one failed confirmation, the identity
        // confirmed afresh, the record read whole, the index confirmed against it, two after the pages.
        const int reads = identityReads() - readsBefore;
        QVERIFY2(reads <= 3 + 5 + 2 + 1 + 1 + 2, QByteArray::number(reads));
        rig.sim().setFrameHandler(nullptr);
        rig.sim().clearFaults();
        rig.addTouches(30);
        QVERIFY(rig.readOut());
        // A whole ring taken keeps what the ring held (erasing ahead, the record logged at the
        // first page costs the oldest); after a failed one, the next takes the ring as it is.
        int first = 0;
        if (whole)
            first = fails ? rig.written.size() - held : 1000 - held + (logging ? 1 : 0);
        const Saved log = saved();
        QCOMPARE(log.touches, rig.written.mid(first));
        QCOMPARE(QDir().entryList({QStringLiteral("*.ewl")}), QStringList{logPath});
        QCOMPARE(log.kinds.count(KindDataGap), 0);
        QCOMPARE(log.kinds.count(KindReadOut), (whole ? 0 : 1) + (fails ? 1 : 2));
        VERIFY_NO_VIOLATIONS(rig.sim());
    }

    void loggerChangedDuringReadOutIsReadAsItself_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<bool>("otherName"); // else the same name, another serial number and init date
        QTest::addColumn<bool>("pulled");    // a link error box, B plugged in before "Ismét"
        QTest::addColumn<bool>("accept");    // "Igen" to the foreign-logger question
        const char* const places[] = {"the main window's confirmation", "the clock set", "the index confirmation",
                                      "the continuity read", "the second page", "the index after the pages"};
        for (int place = AtMainWindowConfirmation; place <= AtIndexAfterPages; ++place)
            for (const bool pulled : {true, false})
                for (const bool otherName : {false, true})
                    QTest::addRow("%s name at %s, %s", otherName ? "other" : "same", places[place],
                                  pulled ? "pulled" : "swapped between two frames")
                        << place << otherName << pulled << true;
        QTest::newRow("same name at the index confirmation, pulled, declined")
            << int(AtIndexConfirmation) << false << true << false;
    }

    // Logger A gives way to logger B at every place of a read-out. B is judged by its own record:
    // its name picks the log, its init date whether the log is its own; pages taken from A are
    // never mixed with B's. Each log then holds its own logger's records once.
    void loggerChangedDuringReadOutIsReadAsItself()
    {
        QFETCH(int, place);
        QFETCH(bool, otherName);
        QFETCH(bool, pulled);
        QFETCH(bool, accept);
        TestEnv env;
        Rig rig;
        const int b = rig.sim().addDevice("Vigilor", "SIM00002");
        const QDateTime initB(QDate(2024, 2, 1), QTime(8, 0));
        rig.sim().device(b).setName(otherName ? "MASIK" : "PROBA");
        rig.sim().device(b).setConfigBytes(24, SimulatedDevice::packTime(initB));
        rig.sim().device(b).pluggedIn = false;
        const QString logB = otherName ? QStringLiteral("MASIK.ewl") : logPath;
        Records writtenB;
        rig.addTouches(10);
        QVERIFY(rig.readOut());
        swapInLogger(rig.sim(), b);
        rig.addTouches(10, writtenB);
        if (otherName)
            QVERIFY(rig.readOut());
        rig.addTouches(20, writtenB);
        swapInLogger(rig.sim(), b);
        rig.addTouches(100); // two pages
        appSettings().flags |= OptAutoClockSet;
        if (place == AtClockSet)
            rig.dev().setClockOffset(3600 * 1000);
        const QByteArray beforeA = fileBytes();
        const QByteArray beforeB = fileBytes(logB);

        QMap<int, int> seen; // frames by command, identity reads as 0
        bool changed = false;
        rig.sim().setFrameHandler([&](const QByteArray& frame) {
            if (changed)
                return;
            const bool identity = quint8(frame.at(1)) == 0x1D && frame.at(2) == 0 && frame.at(3) == 0;
            const int command = identity ? 0 : quint8(frame.at(1));
            const int nth = ++seen[command];
            // Swapped at the clock set, B meets the record read again after it.
            changed = (place == AtMainWindowConfirmation && command == 0 && nth == 2)
                      || (place == AtClockSet && (pulled ? command == 0x02 : command == 0 && seen[0x02]))
                      || (place == AtIndexConfirmation && command == 0 && nth == 3)
                      || (place == AtContinuityRead && command == 0x08 && nth == 1)
                      || (place == AtPageRead && command == 0x0C && nth == 2)
                      || (place == AtIndexAfterPages && command == 0 && seen[0x0C]);
            if (changed && pulled) {
                rig.sim().injectReplyFault(quint8(frame.at(1)), 1, SimulatedLogger::Unplug, 0);
                rig.sim().device(b).pluggedIn = true; // found when the link is opened again
            } else if (changed) {
                swapInLogger(rig.sim(), b);
            }
        });
        const bool beforePages = place <= AtContinuityRead;
        const bool asked = !otherName && beforePages;
        const bool refused = otherName ? place != AtMainWindowConfirmation : !beforePages;
        ScriptedPrompts prompts;
        if (pulled)
            prompts.expectButton(Prompts::Kind::Warning, UsbCom::errorText(UsbTransferError), 1); // "Ismét"
        if (asked)
            prompts.expectQuestion(foreignQuestion, accept);
        if (refused)
            prompts.expectNotice(Prompts::Kind::Warning, otherLoggerNotice);
        const bool ok = rig.readOut();
        QCOMPARE(prompts.pending(), 0);
        QVERIFY(changed);
        QCOMPARE(ok, !refused && (accept || !asked));
        if (!ok) {
            QCOMPARE(fileBytes(), beforeA);
            QCOMPARE(fileBytes(logB), beforeB);
        }

        // The second read-out of each logger whose log it is, B first: nothing asked.
        if (pulled)
            swapInLogger(rig.sim(), b); // B back at the first place
        const bool logOfB = asked && accept;
        if (otherName || logOfB)
            QVERIFY(rig.readOut());
        swapInLogger(rig.sim(), b);
        if (!logOfB)
            QVERIFY(rig.readOut());
        const Saved a = saved();
        QCOMPARE(a.touches, logOfB ? rig.written.mid(0, 10) + writtenB : rig.written);
        // A set its clock before it was pulled there.
        const Kinds kindsA = place == AtClockSet ? Kinds{KindReadOut, KindClockSet, KindReadOut}
                                                 : Kinds{KindReadOut, KindReadOut};
        QCOMPARE(a.kinds, logOfB ? (Kinds{KindReadOut, KindForeignInit, KindReadOut}) : kindsA);
        QCOMPARE(a.initDate, logOfB ? initB : QDateTime(QDate(2023, 1, 10), QTime(9, 0))); // A's
        if (otherName) {
            QCOMPARE(saved(logB).touches, writtenB);
            QCOMPARE(saved(logB).kinds, (Kinds{KindReadOut, KindReadOut}));
            QCOMPARE(saved(logB).initDate, initB);
        }
        VERIFY_NO_VIOLATIONS(rig.sim());
    }

    // Read again after its clock is set, the logger answers with another name (a garbled reply):
    // confirmed afresh, it is the same logger, not another whose log would get its history.
    void nameChangedByTheClockSetRereadIsConfirmedAfresh()
    {
        TestEnv env;
        Rig rig;
        rig.addTouches(10);
        QVERIFY(rig.readOut());
        rig.dev().setClockOffset(3600 * 1000);
        rig.addTouches(5);
        bool clockSet = false;
        rig.sim().setFrameHandler([&](const QByteArray& frame) {
            const int command = quint8(frame.at(1));
            clockSet = clockSet || command == 0x02;
            if (clockSet && command == 0x1D && frame.at(2) == 0 && frame.at(3) == 0) {
                clockSet = false;
                const QByteArray renamed = rig.dev().identity().replace(8, 8, "PROBX   ");
                rig.sim().serveReplies({SimulatedLogger::makeReply(0x1D, QByteArray(1, '\0') + renamed)});
            }
        });
        QVERIFY(rig.readOut());
        QCOMPARE(saved().touches, rig.written);
        QVERIFY(!QFile::exists(QStringLiteral("PROBX.ewl")));
    }

    // The log is saved, but the logger never heard of the read-out: the window says so and
    // stays open even for a logger whose state would close it at once.
    void unwrittenReadoutTimeIsTold()
    {
        TestEnv env;
        Rig rig;
        rig.addTouches(10);
        rig.sim().injectReplyFault(0x1C, 0, SimulatedLogger::Silent);
        QString notice;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dlg = qobject_cast<ReadOutDlg*>(QApplication::activeModalWidget());
            if (dlg && dlg->ActionButton->text() == QStringLiteral("OK")) {
                notice = dlg->Notice->isVisible() ? dlg->Notice->text() : QStringLiteral("(hidden)");
                QTest::mouseClick(dlg->ActionButton, Qt::LeftButton);
            }
        });
        timer.start(0);
        QVERIFY(rig.readOut());
        QVERIFY2(notice.contains(QStringLiteral("nem sikerült a készülékbe írni")), qPrintable(notice));
        QCOMPARE(saved().touches, rig.written);
        QVERIFY(!rig.sim().framesOf(0x1C).isEmpty());
    }

    void clockOffSetOrDeclined()
    {
        TestEnv env;
        Rig rig;
        rig.addTouches(10);
        QVERIFY(rig.readOut());

        // Declined: the clock stays, the read-out goes on.
        appSettings().flags &= ~OptAutoClockSet;
        rig.dev().setClockOffset(3600 * 1000);
        rig.addTouches(3);
        rig.sim().clearLogs();
        {
            ReadOutClicker ok;
            QVERIFY(rig.readOutAsked(Prompts::Kind::Question, clockQuestion, 1));
        }
        QVERIFY(rig.sim().framesOf(0x02).isEmpty());

        // Accepted with one page new: the logger's clock-set record is taken too, no gap later.
        rig.addTouches(64);
        QVERIFY(rig.readOutAsked(Prompts::Kind::Question, clockQuestion, 0));
        QCOMPARE(rig.sim().framesOf(0x02).size(), 1);
        const Saved log = saved();
        QCOMPARE(int(log.entries.at(log.entries.size() - 2).kind()), int(KindClockSet));

        appSettings().flags |= OptAutoClockSet;
        rig.dev().setClockOffset(-3600 * 1000);
        rig.addTouches(2);
        QVERIFY(rig.readOut());
        QCOMPARE(rig.sim().framesOf(0x02).size(), 2);
        QCOMPARE(saved().touches, rig.written);
        QCOMPARE(saved().kinds,
                 (Kinds{KindReadOut, KindReadOut, KindClockSet, KindReadOut, KindClockSet, KindReadOut}));
    }

    // A save that fails at any of its steps keeps the old file; the logger is not told of
    // the read-out, so the next one takes the same records again.
    void failedSaveIsNotToldToTheLogger_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("message");
        QTest::newRow("flush") << int(SafeSave::Op::Flush) << QStringLiteral("adat írási hiba.");
        QTest::newRow("fsync") << int(SafeSave::Op::Sync) << QStringLiteral("adat írási hiba.");
        QTest::newRow("close") << int(SafeSave::Op::Close) << QStringLiteral("adat írási hiba.");
        QTest::newRow("link") << int(SafeSave::Op::Link) << QStringLiteral("Nem sikerült elmenteni");
        QTest::newRow("rename") << int(SafeSave::Op::Rename) << QStringLiteral("Nem sikerült elmenteni");
    }

    void failedSaveIsNotToldToTheLogger()
    {
        QFETCH(int, op);
        QFETCH(QString, message);
        TestEnv env;
        Rig rig;
        rig.addTouches(20);
        QVERIFY(rig.readOut());
        rig.addTouches(30);
        const QByteArray before = fileBytes();
        const QByteArray readoutTime = rig.dev().config().mid(28, 4);
        rig.sim().clearLogs();
        {
            SafeSave::FaultScope faults;
            faults.failNth(SafeSave::Op(op), 1, ENOSPC);
            QVERIFY(rig.readOutAsked(Prompts::Kind::Warning, message));
        }
        QCOMPARE(fileBytes(), before);
        QVERIFY(rig.sim().framesOf(0x1C).isEmpty());
        QCOMPARE(rig.dev().config().mid(28, 4), readoutTime);
        QVERIFY(rig.readOut());
        QCOMPARE(saved().touches, rig.written);
    }

    void abortedOrUnsavedReadOutLosesNothing_data()
    {
        QTest::addColumn<bool>("earlierFile");
        QTest::addColumn<int>("touches");
        QTest::addColumn<bool>("blockedBackup");
        QTest::newRow("first read-out aborted") << false << 150 << false;
        QTest::newRow("later read-out aborted") << true << 600 << false;
        QTest::newRow("log cannot be replaced") << true << 10 << true;
    }

    void abortedOrUnsavedReadOutLosesNothing()
    {
        // Nothing kept, the logger not told, the next read-out takes every record once.
        QFETCH(bool, earlierFile);
        QFETCH(int, touches);
        QFETCH(bool, blockedBackup);
        TestEnv env;
        Rig rig;
        if (earlierFile) {
            rig.addTouches(5);
            QVERIFY(rig.readOut());
        }
        rig.addTouches(touches);
        const QByteArray before = fileBytes();
        const QByteArray readoutTime = rig.dev().config().mid(28, 4);
        rig.sim().clearLogs();
        if (blockedBackup) {
            SafeSave::FaultScope faults;
            for (int n = 1; n <= 4; ++n)
                faults.failNth(SafeSave::Op::Rename, n);
            QVERIFY(rig.readOutAsked(Prompts::Kind::Warning, QStringLiteral("Nem sikerült elmenteni")));
        } else {
            ReadOutClicker clicker(64);
            QVERIFY(!rig.readOut());
            QVERIFY(clicker.aborted);
        }
        QCOMPARE(fileBytes(), before);
        QVERIFY(rig.sim().framesOf(0x1C).isEmpty());
        QCOMPARE(rig.dev().config().mid(28, 4), readoutTime);
        QVERIFY(rig.readOut());
        QCOMPARE(saved().touches, rig.written);
    }

    void linkFaultGivenUpOrRetried_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("retry");
        for (const bool retry : {false, true}) {
            const char* how = retry ? "retried" : "given up";
            QTest::addRow("no answer, %s", how) << int(NoAnswer) << retry;
            QTest::addRow("short page, %s", how) << int(ShortPage) << retry;
            QTest::addRow("unplugged, %s", how) << int(Unplug) << retry;
            QTest::addRow("write index after the pages unanswered, %s", how) << int(NoIndexAfterPages) << retry;
        }
    }

    void linkFaultGivenUpOrRetried()
    {
        // Either way the next read-out takes every record once, and no gap is seen.
        QFETCH(int, fault);
        QFETCH(bool, retry);
        TestEnv env;
        Rig rig;
        rig.addTouches(100);
        QVERIFY(rig.readOut());
        rig.addTouches(100);
        const QByteArray before = fileBytes();
        switch (fault) {
        case NoAnswer: rig.sim().injectReplyFault(0x0C, 0, SimulatedLogger::Silent); break;
        case ShortPage: rig.sim().injectReplyFault(0x0C, 0, SimulatedLogger::ShortBody, 100); break;
        case Unplug: rig.sim().unplugAfter(8, 300); break;
        case NoIndexAfterPages: // the fifth identity or configuration read on
            for (int nth = 5; nth < 20; ++nth)
                rig.sim().injectReplyFault(0x1D, nth, SimulatedLogger::Silent);
            break;
        }
        QCOMPARE(rig.readOutPastError(retry), retry);
        if (!retry) {
            QCOMPARE(fileBytes(), before);
            rig.mend();
            QVERIFY(rig.readOut());
        }
        QCOMPARE(saved().touches, rig.written);
        QCOMPARE(saved().kinds, (Kinds{KindReadOut, KindReadOut}));
    }

    void failedClockSetIsGivenUpOrRetried_data() { retryRows(); }

    void failedClockSetIsGivenUpOrRetried()
    {
        QFETCH(bool, retry);
        TestEnv env;
        Rig rig;
        rig.addTouches(10);
        QVERIFY(rig.readOut());
        const QByteArray before = fileBytes();
        appSettings().flags |= OptAutoClockSet;
        rig.dev().setClockOffset(3600 * 1000);
        rig.addTouches(3);
        rig.sim().clearLogs();
        rig.sim().injectReplyFault(0x02, 0, SimulatedLogger::Silent);
        QCOMPARE(rig.readOutPastError(retry), retry);
        if (retry) {
            QCOMPARE(saved().touches, rig.written);
            QCOMPARE(saved().kinds, (Kinds{KindReadOut, KindClockSet, KindReadOut}));
        } else {
            QCOMPARE(fileBytes(), before);
            QVERIFY(rig.sim().framesOf(0x1C).isEmpty());
        }
    }

    void failedContinuityCheckIsGivenUpOrRetried_data() { retryRows(); }

    void failedContinuityCheckIsGivenUpOrRetried()
    {
        QFETCH(bool, retry);
        TestEnv env;
        Rig rig;
        rig.addTouches(10);
        QVERIFY(rig.readOut());
        const QByteArray before = fileBytes();
        rig.addTouches(5);
        rig.sim().clearLogs();
        rig.sim().injectReplyFault(0x08, 0, SimulatedLogger::Silent); // the record before the last read
        QCOMPARE(rig.readOutPastError(retry), retry);
        if (!retry) {
            QCOMPARE(fileBytes(), before);
            QVERIFY(rig.sim().framesOf(0x0C).isEmpty());
            rig.mend();
            QVERIFY(rig.readOut());
        }
        QCOMPARE(saved().touches, rig.written);
        QCOMPARE(saved().kinds, (Kinds{KindReadOut, KindReadOut})); // never taken for a gap
    }

    void impossibleRingsAreRefused_data()
    {
        QTest::addColumn<bool>("badIndex");
        QTest::newRow("write index beyond the ring") << true;
        QTest::newRow("unknown memory size") << false;
    }

    void impossibleRingsAreRefused()
    {
        QFETCH(bool, badIndex);
        TestEnv env;
        Rig rig;
        rig.addTouches(5);
        badIndex ? rig.dev().setWriteIndex(5000) : rig.dev().setMemoryCode(0x15);
        QVERIFY(!rig.readOutAsked(Prompts::Kind::Warning, UsbCom::errorText(UsbBadReply)));
        QVERIFY(rig.sim().framesOf(0x0C).isEmpty());
        QVERIFY(!QFileInfo::exists(logPath));
    }

    void impossibleRingPositionInTheFileIsAGap()
    {
        TestEnv env;
        Rig rig;
        rig.addTouches(5);
        QVERIFY(rig.readOut());
        QFile f(logPath);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(12));
        QCOMPARE(f.write("\xD0\x07"), 2); // 2000
        f.close();
        rig.addTouches(3);
        QVERIFY(rig.readOutAsked(Prompts::Kind::Information, gapNotice));
        QCOMPARE(saved().kinds, (Kinds{KindReadOut, KindDataGap, KindReadOut}));
    }
};

WYX_TEST_MAIN(TestReadOut)
#include "tst_readout.moc"