#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/usbcom.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logmodel.h"
#include "support/failingdevice.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QAbstractItemModelTester>
#include <QLocale>
#include <QtTest>

#include <sys/stat.h>

namespace {

LogEntry fromHex(const QByteArray& hex)
{
    LogEntry e; // a mistyped fixture shows as 0xFF bytes, never as a read past its end
    e.setBytes(reinterpret_cast<const unsigned char*>(
        QByteArray::fromHex(hex).leftJustified(LogEntry::size, char(0xFF), true).constData()));
    return e;
}

// First time 2023-08-15 13:45:16, second time 2023-08-14 08:00:00.
LogEntry eventEntry(int kind, int repeat = 0)
{
    return fromHex(QString::asprintf("%02x2f0f60b62f0e3840%02x", kind, repeat).toLatin1());
}

QString colours(const LogEntry& e)
{
    return e.foregroundColor().name() + ' ' + e.backgroundColor().name();
}

const QByteArray golden = QByteArray::fromHex("01000000" "0A00" "1800" "30" "13A95E" "2301" "4142202020202020"
                                              "2F0F60B6" "02210000" "0000" "2F0F60B6" "000123456789");

using Status = LogFile::ReadStatus;

QDateTime at(int h, int m, int s, int day = 15)
{
    return QDateTime(QDate(2023, 8, day), QTime(h, m, s));
}

LogEntry touch(const QDateTime& t, qint64 code)
{
    unsigned char raw[10];
    packDeviceTime(t, raw);
    for (int i = 0; i < 6; ++i)
        raw[4 + i] = uchar((code >> (8 * (5 - i))) & 0xFF);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

LogFile::ReadResult readBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return LogFile::read(buffer);
}

// Code AAABCDEFGHIJ: "régi" (red on yellow) from 2020, "új" (blue on green) from 2023-08-16,
// in the program's list for as long as the object lives.
struct TwoNames {
    TwoNames()
    {
        KodNev oldName, newName;
        oldName.set("AAABCDEFGHIJ", "régi", QDate(2020, 1, 1), Qt::yellow, Qt::red);
        newName.set("AAABCDEFGHIJ", "új", QDate(2023, 8, 16), Qt::green, Qt::blue);
        appSettings().kodNevModel->addEntry(oldName, true);
        appSettings().kodNevModel->addEntry(newName, true);
    }
    ~TwoNames() { appSettings().kodNevModel->removeRows(0, appSettings().kodNevModel->rowCount()); }
};

} // namespace

class TestLogModel : public QObject
{
    Q_OBJECT
private slots:
    void blankEntryIsTenFFBytes()
    {
        QCOMPARE(LogEntry(), fromHex("ffffffffffffffffffff"));
    }

    void eventTimes()
    {
        const LogEntry read = eventEntry(KindReadOut);
        QCOMPARE(read.dateTime(), QDateTime(QDate(2023, 8, 15), QTime(13, 45, 16)));
        QCOMPARE(read.secondDateTime(), QDateTime(QDate(2023, 8, 14), QTime(8, 0)));
        QCOMPARE(read.sortDateTime(), read.dateTime());
        QCOMPARE(eventEntry(KindArchived).sortDateTime(), read.secondDateTime());
    }

    void programEntryKeepsTwoSecondSteps()
    {
        LogEntry made;
        made.makeProgramEntry(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)),
                              QDateTime(QDate(2001, 1, 1), QTime(0, 0, 2)), KindInitialised);
        QCOMPARE(int(made.kind()), int(KindInitialised));
        QCOMPARE(int(made.byte(9)), 0);
        QCOMPARE(made.dateTime(), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)));
        QCOMPARE(made.secondDateTime(), QDateTime(QDate(2001, 1, 1), QTime(0, 0, 2)));
    }

    void impossibleDateBreaksNothing()
    {
        TestEnv env;
        const LogEntry april31 = fromHex("2e9f0000000000000000");
        QVERIFY(!april31.dateTime().isValid());
        QVERIFY(!april31.lineText().isEmpty());
    }

    void equality_data()
    {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<bool>("equal");
        // Logger events (200-219) match on kind and second time alone; program entries,
        // touches and unknown kinds on every byte.
        QTest::newRow("logger event, other first time") << QByteArray("d9 11111111 2f0ee100 00")
                                                         << QByteArray("d9 22222222 2f0ee100 05") << true;
        QTest::newRow("first logger event") << QByteArray("c8 11111111 2f0ee100 00")
                                            << QByteArray("c8 22222222 2f0ee100 05") << true;
        QTest::newRow("logger event, other second time") << QByteArray("d9 11111111 2f0ee100 00")
                                                          << QByteArray("d9 11111111 2f0ee101 00") << false;
        QTest::newRow("other kind") << QByteArray("d9 11111111 2f0ee100 00")
                                    << QByteArray("d8 11111111 2f0ee100 00") << false;
        QTest::newRow("program entry") << QByteArray("dc 11111111 2f0ee100 00")
                                       << QByteArray("dc 22222222 2f0ee100 00") << false;
        QTest::newRow("touch") << QByteArray("2f0f60b6000123456789") << QByteArray("2f0f60b6000123456788")
                               << false;
        QTest::newRow("unknown kind") << QByteArray("e1 11111111 2f0ee100 00")
                                      << QByteArray("e1 11111111 2f0ee100 01") << false;
    }

    void equality()
    {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(bool, equal);
        QCOMPARE(fromHex(a.replace(' ', "")) == fromHex(b.replace(' ', "")), equal);
    }

    void streamsTenBytesAnEntry()
    {
        const QByteArray bytes = QByteArray::fromHex("2f0f60b6000123456789dc2f0f60b62f0e384001");
        QByteArray written;
        QDataStream in(bytes), out(&written, QIODevice::WriteOnly);
        LogEntry a, b, c;
        in >> a >> b >> c;
        out << a << b;
        QVERIFY(a.isTouch());
        QCOMPARE(b, eventEntry(KindReadOut, 1));
        QCOMPARE(written, bytes);
        QCOMPARE(in.status(), QDataStream::ReadPastEnd);
    }

    void touchDescriptions_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("sameCode");
        QTest::addColumn<QString>("text");
        // The touch is on 2023-08-15; "új" is valid from the next day, nothing before 2020.
        QTest::newRow("old name") << QByteArray("2f0f60b6000123456789") << 0 << false << "régi";
        QTest::newRow("new name from its day") << QByteArray("2f1060b6000123456789") << 0 << true << "új";
        QTest::newRow("no name valid yet: the code") << QByteArray("260f60b6000123456789") << 0 << false
                                                     << "AAABCDEFGHIJ";
        QTest::newRow("no name, same code") << QByteArray("260f60b6000123456789") << 0 << true << "";
        QTest::newRow("no name, code shown apart") << QByteArray("260f60b6000123456789") << int(OptPointCode)
                                                   << false << "";
    }

    void touchDescriptions()
    {
        QFETCH(QByteArray, hex);
        QFETCH(int, flags);
        QFETCH(bool, sameCode);
        QFETCH(QString, text);
        TestEnv env;
        const TwoNames names;
        appSettings().flags = flags;
        QCOMPARE(fromHex(hex).description(sameCode), text);
    }

    void anyDateCountsForNaming()
    {
        TestEnv env;
        const TwoNames names;
        QVERIFY(fromHex("2f0f60b6000123456789").isNamed());
        QVERIFY(fromHex("260f60b6000123456789").isNamed());
        QVERIFY(!fromHex("2f0f60b6ffffffffff00").isNamed());
    }

    void touchColoursComeFromTheNameValidAtTheTouch_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("colours");
        QTest::newRow("without highlighting") << QByteArray("2f0f60b6000123456789") << 0 << "#000000 #ffffff";
        QTest::newRow("old name") << QByteArray("2f0f60b6000123456789") << int(OptColorHighlight)
                                  << "#ff0000 #ffff00";
        QTest::newRow("new name") << QByteArray("2f1060b6000123456789") << int(OptColorHighlight)
                                  << "#0000ff #00ff00";
        QTest::newRow("no name yet") << QByteArray("260f60b6000123456789") << int(OptColorHighlight)
                                     << "#000000 #ffffff";
        QTest::newRow("year 2099") << QByteArray("c70f60b6000123456789") << int(OptColorHighlight)
                                   << "#0000ff #00ff00";
    }

    void touchColoursComeFromTheNameValidAtTheTouch()
    {
        QFETCH(QByteArray, hex);
        QFETCH(int, flags);
        QFETCH(QString, colours);
        TestEnv env;
        const TwoNames names;
        appSettings().flags = flags;
        QCOMPARE(::colours(fromHex(hex)), colours);
    }

    void kind199IsStillATouch()
    {
        // A year ending in 99, August or later.
        const LogEntry late99 = fromHex("c70f60b6000123456789");
        QVERIFY(late99.isTouch());
        QCOMPARE(late99.markerText(), QStringLiteral(" "));
        QCOMPARE(late99.dateTime().date(), QDate(2099, 8, 15));
    }

    void eventDescriptions_data()
    {
        QTest::addColumn<int>("repeat");
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("sameCode");
        QTest::addColumn<QString>("text");
        const QString second = QLocale::system().toString(QDate(2023, 8, 14), QLocale::ShortFormat)
                               + " 08:00:00";
        const QString text = QStringLiteral("burkolat zárás - nyitás");
        QTest::newRow("once") << 0 << 0 << false << eventEntry(KindCase).codeText() + "  " + text;
        QTest::newRow("three times") << 2 << 0 << false << second + "  " + text + "  (3x)";
        QTest::newRow("256 times, same code") << 255 << 0 << true << text + "  (256x)";
        QTest::newRow("code shown apart") << 2 << int(OptPointCode) << false << text + "  (3x)";
    }

    void eventDescriptions()
    {
        QFETCH(int, repeat);
        QFETCH(int, flags);
        QFETCH(bool, sameCode);
        QFETCH(QString, text);
        TestEnv env;
        appSettings().flags = flags;
        QCOMPARE(eventEntry(KindCase, repeat).description(sameCode), text);
    }

    void eventColourWithHighlighting()
    {
        TestEnv env;
        appSettings().flags = OptColorHighlight;
        QCOMPARE(colours(eventEntry(KindCase)), QStringLiteral("#ff0000 #ffffff"));
    }

    void onlyKnownKindsAreInterpreted()
    {
        // 215 to 224 are known; the kinds around them are not interpretable, whatever the count.
        TestEnv env;
        appSettings().flags = OptColorHighlight;
        const QString unknown = QStringLiteral("  *** Nem értelmezhető bejegyzés ***");
        QString markers;
        for (int kind = KindFirstEvent; kind <= 255; ++kind) {
            const LogEntry e = eventEntry(kind, 2);
            markers += e.markerText();
            const bool known = kind >= KindDeepDischarge && kind < KindFirstUnknown;
            QVERIFY2(known != (e.description(false) == unknown), qPrintable(QString::number(kind)));
            if (!known)
                QCOMPARE(colours(e), QStringLiteral("#000000 #ffffff"));
        }
        QCOMPARE(markers, QString(15, '-') + QStringLiteral("@\"#*!>?+§=") + QString(31, '-'));
    }

    void newLogIsAHeaderWithTheEarliestDates()
    {
        TestEnv env;
        QVERIFY(LogModel().save(QStringLiteral("empty.ewl"), nullptr));
        const QByteArray empty = readAll(env.path("empty.ewl"));
        QCOMPARE(empty.size(), 32);
        QCOMPARE(empty.mid(22, 8).toHex(), QByteArray("0221000002210000"));
    }

    void goldenFileLoadsAndSavesByteForByte()
    {
        TestEnv env;
        writeAll(env.path("golden.ewl"), golden);
        LogModel log;
        QVERIFY(log.load(QStringLiteral("golden.ewl"), nullptr));
        QCOMPARE(log.deviceName(), QStringLiteral("AB      ")); // blanks kept
        QCOMPARE(log.ringIndex(), 0x0123);
        QCOMPARE(log.initDate(), at(13, 45, 16));
        QCOMPARE(log.entryAt(0), touch(at(13, 45, 16), 0x0123456789));
        QVERIFY(log.save(QStringLiteral("again.ewl"), nullptr));
        QCOMPARE(readAll(env.path("again.ewl")), golden);
    }

    // A name through a link and ".." means the file the kernel finds, for load and save alike.
    void aRoundaboutNameMeansTheFileTheKernelFinds()
    {
        TestEnv env;
        QVERIFY(QDir(env.workDir()).mkpath(QStringLiteral("real/sub")));
        QVERIFY(QFile::link(env.path("real/sub"), env.path("dl")));
        writeAll(env.path("real/golden.ewl"), golden);
        QVERIFY(LogModel().save(QStringLiteral("golden.ewl"), nullptr)); // where ".." by text leads
        LogModel log;
        QVERIFY(log.load(QStringLiteral("dl/../golden.ewl"), nullptr));
        QCOMPARE(log.deviceName(), QStringLiteral("AB      "));
        QVERIFY(log.save(QStringLiteral("dl/../again.ewl"), nullptr));
        QCOMPARE(readAll(env.path("real/again.ewl")), golden);
        QCOMPARE(QFileInfo::exists(env.path("again.ewl")), false);
    }

    void everyPrefixKeepsOnlyWholeRecords()
    {
        QByteArray file = golden + golden.right(10) + golden.right(10); // three records
        file[0] = 3;
        for (int len = 0; len < file.size(); ++len) {
            const LogFile::ReadResult r = readBytes(file.left(len));
            QCOMPARE(int(r.status), int(len < 32 ? Status::ShortHeader : Status::ShortData));
            QCOMPARE(r.entries.size(), qMax(0, len - 32) / 10);
        }
    }

    void trailingBytesAndSpareHeaderBytesAreIgnored()
    {
        QByteArray file = golden + golden.right(10) + golden.right(10) + "xyz";
        file[0] = 3;
        file[30] = 'Q'; // bytes 30-31 may hold anything
        const LogFile::ReadResult whole = readBytes(file);
        QCOMPARE(int(whole.status), int(Status::Ok));
        QCOMPARE(whole.entries.size(), 3);
    }

    void hugeCountCostsOnlyTheBytesThere()
    {
        const LogFile::ReadResult huge = readBytes(QByteArray::fromHex("FFFFFFFF") + golden.mid(4));
        QCOMPARE(int(huge.status), int(Status::ShortData));
        QCOMPARE(huge.entries.size(), 1);
    }

    void refusedHeaderLeavesTheModel_data()
    {
        QTest::addColumn<int>("offset");
        QTest::newRow("record size") << 4;
        QTest::newRow("header size") << 6;
        QTest::newRow("magic") << 11;
    }

    void refusedHeaderLeavesTheModel()
    {
        QFETCH(int, offset);
        TestEnv env;
        writeAll(env.path("golden.ewl"), golden);
        LogModel log;
        QVERIFY(log.load(QStringLiteral("golden.ewl"), nullptr));
        QByteArray bad = golden;
        bad[offset] = char(bad[offset] + 1);
        writeAll(env.path("bad.ewl"), bad);
        QVERIFY(!log.load(QStringLiteral("bad.ewl"), nullptr)); // silent without a parent
        QWidget parent;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("sérült, vagy nem megfelelő."));
        QVERIFY(!log.load(QStringLiteral("bad.ewl"), &parent));
        QCOMPARE(log.rowCount(), 1);
        QCOMPARE(log.deviceName(), QStringLiteral("AB      "));
    }

    void shortFileKeepsItsWholeRecords()
    {
        TestEnv env;
        QByteArray file = golden + golden.right(10) + golden.right(10);
        file[0] = 3;
        writeAll(env.path("short.ewl"), file.left(file.size() - 5));
        LogModel log;
        QWidget parent;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("adat olvasási hiba."));
        QVERIFY(!log.load(QStringLiteral("short.ewl"), &parent));
        QCOMPARE(log.rowCount(), 2);
        QVERIFY(!log.isModified());
    }

    void missingOrUnnamedFileIsReported()
    {
        TestEnv env;
        LogModel log;
        QWidget parent;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Ez a fájl nem létezik"));
        QVERIFY(!log.load(QStringLiteral("missing.ewl"), &parent));
        QVERIFY(!log.load(QString(), nullptr));
        QVERIFY(log.lastError().contains(QStringLiteral("Nincs név megadva")));
    }

    void saveKeepsThePreviousFileAsBackup()
    {
        TestEnv env;
        LogModel log;
        log.appendProgramEntry(at(8, 0, 0), at(7, 0, 0), KindReadOut);
        QVERIFY(log.save(QStringLiteral("L.ewl"), nullptr));
        const QByteArray first = readAll(env.path("L.ewl"));
        log.appendProgramEntry(at(9, 0, 0), at(8, 0, 0), KindReadOut);
        QVERIFY(log.save(QStringLiteral("L.ewl"), nullptr));
        QCOMPARE(readAll(env.path("L.ewl.bak")), first);
    }

    void failedSaveKeepsFileAndBackup()
    {
        TestEnv env;
        LogModel log;
        log.appendProgramEntry(at(8, 0, 0), at(7, 0, 0), KindReadOut);
        QVERIFY(log.save(QStringLiteral("L.ewl"), nullptr));
        const QByteArray saved = readAll(env.path("L.ewl"));
        QVERIFY(log.save(QStringLiteral("L.ewl"), nullptr));
        // The new file cannot take the log's place: the save fails, and file and backup stay
        // as they were.
        SafeSave::FaultScope faults;
        faults.failNth(SafeSave::Op::Rename, 1);
        log.clearEntries(); // its file still holds the rows
        QVERIFY(log.isModified());
        QWidget parent;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Nem sikerült elmenteni"));
        QVERIFY(!log.save(QStringLiteral("L.ewl"), &parent));
        QVERIFY(log.isModified());
        QCOMPARE(readAll(env.path("L.ewl")), saved);
        QCOMPARE(readAll(env.path("L.ewl.bak")), saved);
        QCOMPARE(QDir(env.workDir()).entryList({"L.ewl*"}, QDir::Files), (QStringList{"L.ewl", "L.ewl.bak"}));
    }

    // A failed save says why, keeps the file and its backup and leaves the log modified.
    void failedSaveNamesTheReason_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("message");
        const QString writeFailed = QStringLiteral("A mentés sikertelen!\nL.ewl\nadat írási hiba.");
        const QString notSaved = QStringLiteral("Nem sikerült elmenteni az esemény naplót\n") + qt_error_string(EIO);
        QTest::newRow("open") << int(SafeSave::Op::Open) << notSaved;
        QTest::newRow("flush") << int(SafeSave::Op::Flush) << writeFailed;
        QTest::newRow("fsync") << int(SafeSave::Op::Sync) << writeFailed;
        QTest::newRow("close") << int(SafeSave::Op::Close) << writeFailed;
        QTest::newRow("link") << int(SafeSave::Op::Link) << notSaved;
        QTest::newRow("rename") << int(SafeSave::Op::Rename) << notSaved;
    }

    void failedSaveNamesTheReason()
    {
        QFETCH(int, op);
        QFETCH(QString, message);
        TestEnv env;
        LogModel log;
        log.appendProgramEntry(at(8, 0, 0), at(7, 0, 0), KindReadOut);
        QVERIFY(log.save(QStringLiteral("L.ewl"), nullptr));
        log.appendProgramEntry(at(9, 0, 0), at(8, 0, 0), KindReadOut);
        QVERIFY(log.save(QStringLiteral("L.ewl"), nullptr));
        const QByteArray file = readAll(env.path("L.ewl")), backup = readAll(env.path("L.ewl.bak"));
        log.appendProgramEntry(at(10, 0, 0), at(9, 0, 0), KindReadOut);

        QWidget parent;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, message);
        SafeSave::FaultScope faults;
        faults.failNth(SafeSave::Op(op), 1, EIO);
        QVERIFY(!log.save(QStringLiteral("L.ewl"), &parent));
        QCOMPARE(prompts.seen().last().text, message);
        QCOMPARE(prompts.seen().last().title, QStringLiteral("Esemény napló mentés"));
        QVERIFY(log.isModified());
        QCOMPARE(readAll(env.path("L.ewl")), file);
        QCOMPARE(readAll(env.path("L.ewl.bak")), backup);
    }

    // Every file operation of the save failed in turn: never a short or lost file.
    void everyFailedOperationKeepsLogAndBackup()
    {
        TestEnv env;
        LogModel log;
        for (int i = 0; i < 8000; ++i) // past one write chunk
            log.appendProgramEntry(at(8, 0, 0), at(7, 0, 0), KindReadOut);
        QVERIFY(log.save(QStringLiteral("L.ewl"), nullptr));
        log.appendProgramEntry(at(9, 0, 0), at(8, 0, 0), KindReadOut);
        QVERIFY(log.save(QStringLiteral("L.ewl"), nullptr));
        const QByteArray file = readAll(env.path("L.ewl")), backup = readAll(env.path("L.ewl.bak"));
        log.appendProgramEntry(at(10, 0, 0), at(9, 0, 0), KindReadOut);
        int total = 0;
        QVERIFY(log.save(QStringLiteral("copy.ewl"), nullptr));
        {
            SafeSave::FaultScope count;
            QVERIFY(log.save(QStringLiteral("copy.ewl"), nullptr)); // with the rotation
            total = count.operations() + 1;
        }
        log.appendProgramEntry(at(11, 0, 0), at(10, 0, 0), KindReadOut);
        for (int i = 1; i < total; ++i) {
            SafeSave::FaultScope faults;
            faults.failAt(i);
            faults.setShortWriteBytes(100);
            if (log.save(QStringLiteral("L.ewl"), nullptr)) {
                QCOMPARE(i, total - 1); // the backup's own rename: the log itself is saved
                break;
            }
            QVERIFY(log.isModified());
            QVERIFY(!log.lastError().isEmpty());
            QCOMPARE(readAll(env.path("L.ewl")), file);
            QCOMPARE(readAll(env.path("L.ewl.bak")), backup);
        }
    }

    void shortOrSpecialFilesAreRefused()
    {
        TestEnv env;
        LogModel log;
        QWidget parent;
        ScriptedPrompts prompts;
        // Shorter than its header: damaged, never an open failure with "Unknown error".
        writeAll(env.path("cut.ewl"), golden.left(10));
        prompts.expectNotice(Prompts::Kind::Warning, QString());
        QVERIFY(!log.load(QStringLiteral("cut.ewl"), &parent));
        QCOMPARE(prompts.seen().last().text, QStringLiteral("A beolvasás sikertelen!\ncut.ewl\nsérült, vagy nem megfelelő."));
        // A FIFO under a log's name is not opened (its open would wait for a writer forever).
        QCOMPARE(::mkfifo(QFile::encodeName(env.path("pipe.ewl")).constData(), 0600), 0);
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Nem sikerült megnyitni az esemény naplót:\npipe.ewl\n"));
        QVERIFY(!log.load(QStringLiteral("pipe.ewl"), &parent));
        QCOMPARE(log.rowCount(), 0);
    }

    void blankDeviceSlotIsDropped()
    {
        LogModel log;
        const QByteArray touchBytes = QByteArray::fromHex("2f0f60b6000123456789");
        const QByteArray lastKnown = QByteArray::fromHex("e02f0f60b62f0e384000");
        for (const QByteArray& raw : {touchBytes, QByteArray::fromHex("e12f0f60b62f0e384000"),
                                      QByteArray(LogEntry::size, char(0xFF)), lastKnown})
            log.appendDeviceEntry(reinterpret_cast<const unsigned char*>(raw.constData()));
        QCOMPARE(log.rowCount(), 2);
        QCOMPARE(log.entryAt(0), fromHex(touchBytes.toHex()));
        QCOMPARE(log.entryAt(1), fromHex(lastKnown.toHex()));
    }

    void missingRowGivesAMarkedEntry()
    {
        LogModel log({touch(at(8, 0, 0), 1)});
        LogEntry out;
        QDateTime time;
        QVERIFY(log.entryWithTime(0, out, time));
        QCOMPARE(time, at(8, 0, 0));
        for (int row : {-1, 1}) {
            QVERIFY(!log.entryWithTime(row, out, time));
            QCOMPARE(time, QDateTime(QDate(1900, 1, 1), QTime(0, 0)));
            QCOMPARE(int(out.kind()), int(KindMissingRow));
        }
    }

    void passesTheModelTester()
    {
        TestEnv env;
        writeAll(env.path("golden.ewl"), golden);
        LogModel log;
        QAbstractItemModelTester tester(&log, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(log.load(QStringLiteral("golden.ewl"), nullptr));
        log.appendProgramEntry(at(8, 0, 0), at(7, 0, 0), KindReadOut);
        log.appendEntries({touch(at(9, 0, 0), 1), touch(at(9, 5, 0), 2)});
        log.appendEntries({});
        QVERIFY(log.save(QStringLiteral("again.ewl"), nullptr));
        log.clearEntries();
        QCOMPARE(log.rowCount(), 0);
        QVERIFY(log.load(QStringLiteral("again.ewl"), nullptr));
        QCOMPARE(log.rowCount(), 4);
    }

    void filterPassesTheModelTester()
    {
        TestEnv env;
        LogModel log({touch(at(8, 0, 0), 1), eventEntry(KindCase), touch(at(9, 0, 0), 2)});
        LogFilterProxyModel filter;
        filter.setSourceModel(&log);
        QAbstractItemModelTester tester(&filter, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QString code = log.index(0, LogModel::ColumnCode).data().toString();
        filter.setFilterKeyColumn(LogModel::ColumnCode);
        filter.setFilterRegExp(QRegExp(code, Qt::CaseSensitive, QRegExp::FixedString));
        QVERIFY(filter.isCheckpointFilterActive());
        QCOMPARE(filter.rowCount(), 1);
        log.appendEntries({touch(at(10, 0, 0), 1), touch(at(11, 0, 0), 3)});
        QCOMPARE(filter.rowCount(), 2);
        filter.setFilterRegExp(QRegExp());
        QVERIFY(!filter.isCheckpointFilterActive());
        QCOMPARE(filter.rowCount(), 5);
        log.clearEntries();
        QCOMPARE(filter.rowCount(), 0);
    }

    void everyFileWriteFailureIsReported()
    {
        const LogFile::ReadResult source = readBytes(golden);
        const QVector<LogEntry> entries = {source.entries.first(), eventEntry(KindReadOut)};
        for (int limit = 0; limit < LogFile::headerSize + 2 * LogEntry::size; ++limit) {
            FailingDevice device(FailingDevice::Writes, limit);
            device.open(QIODevice::WriteOnly);
            QVERIFY2(!LogFile::write(device, source.header, entries), qPrintable(QString::number(limit)));
            QCOMPARE(device.written().size(), limit);
        }
    }

    void everyFileReadFailureIsACleanError()
    {
        QByteArray file = golden + golden.right(10) + golden.right(10); // three records
        file[0] = 3;
        for (int limit = 0; limit < file.size(); ++limit) {
            FailingDevice device(FailingDevice::Reads, limit, file);
            device.open(QIODevice::ReadOnly);
            const LogFile::ReadResult r = LogFile::read(device);
            QCOMPARE(int(r.status), int(limit < LogFile::headerSize ? Status::ShortHeader : Status::ShortData));
            // Only whole records read before the failure are kept.
            QCOMPARE(r.entries.size(), qMax(0, limit - LogFile::headerSize) / LogEntry::size);
        }
    }

    void deviceNamesStayInTheWorkingDirectory()
    {
        TestEnv env;
        const QDir work(env.workDir());
        const QStringList hostile = {"../x", "..", "a/b", "a\\b", "C:x", "/etc/pw", "\t\n", "", "        ",
                                     "con",
                                     "LPT1", QString(QChar(0)) + "x", "a*?<>|\""};
        for (const QString& name : hostile) {
            const QString file = LogFile::fileNameForDevice(name);
            QVERIFY2(!file.contains('\\'), qPrintable(file));
            QVERIFY2(!file.startsWith('.'), qPrintable(file));
            QVERIFY2(file.endsWith(QStringLiteral(".ewl")), qPrintable(file));
            QVERIFY2(file.size() > 4, qPrintable(file));
            QCOMPARE(QFileInfo(work, file).absolutePath(), work.absolutePath());
        }

        // A non-ASCII name that does not fit 8 bytes whole: the logger, the log and the file
        // saved and loaded again all give one file name, and the log still knows its logger.
        UsbCom com;
        com.deviceName = QStringLiteral("ÁRPÁDÉÉ");
        com.memoryCode = 0x01;
        com.initDate = at(6, 0, 0);
        const QString file = LogFile::fileNameForDevice(com.deviceName);
        QCOMPARE(file, QStringLiteral("ÁRPÁD.ewl"));
        LogModel log;
        log.setDeviceIdentity(&com);
        log.appendProgramEntry(at(8, 0, 0), at(7, 0, 0), KindInitialised);
        QVERIFY(log.saveToDefault(nullptr));
        QVERIFY(log.load(file, nullptr));
        QVERIFY(log.isSameDevice(&com));
        QCOMPARE(LogFile::fileNameForDevice(log.deviceName()), file);
        QVERIFY(QFile::remove(file));
        QVERIFY(log.saveToDefault(nullptr)); // unchanged: nothing written
        QVERIFY(!QFileInfo::exists(file));
        // A name cut inside a character by the logger (invalid UTF-8 read back) is stable too.
        com.deviceName = QString::fromUtf8("ABCDEFG\xC3");
        QCOMPARE(LogFile::fileNameForDevice(LogFile::canonicalDeviceName(com.deviceName)),
                 LogFile::fileNameForDevice(com.deviceName));
    }

    void lateTouchesAndElapsedTimes()
    {
        TestEnv env;
        appSettings().followTime = QTime(1, 0);
        appSettings().flags |= OptBackToBackSpecial | OptBackToBack;
        // Rows: touch, event, touch +3600 s, touch +3602 s (the logger counts two-second steps),
        // touch of code 1 after 25 h, another 90 s later.
        LogEntry event;
        event.makeProgramEntry(at(8, 30, 0), at(8, 30, 0), KindCase);
        LogModel log({touch(at(8, 0, 0), 1), event, touch(at(9, 0, 0), 2), touch(at(10, 0, 2), 3),
                      touch(at(11, 0, 2, 16), 1), touch(at(11, 1, 32, 16), 1)});
        QVERIFY(!log.isLateEntry(1));
        QVERIFY(!log.isLateEntry(2));
        QVERIFY(log.isLateEntry(3));
        QCOMPARE(log.elapsedText(4, true), QStringLiteral("1 nap 3:00:02"));
        QVERIFY(log.index(5, LogModel::ColumnDescription).data().toString().endsWith("( 0:01:30 )"));
    }

    // The table shows the logger's wall-clock readings as they are, across the daylight-saving
    // changes too (a reading inside the skipped spring hour included), and measures the time
    // between touches on that clock.
    void wallClockCellsAcrossDaylightSaving_data()
    {
        QTest::addColumn<QDateTime>("before");
        QTest::addColumn<QDateTime>("reading");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<bool>("late");
        const auto wall = [](int month, int day, int h, int m, int s) {
            return QDateTime(QDate(2026, month, day), QTime(h, m, s), Qt::UTC);
        };
        QTest::newRow("over the spring change") << wall(3, 29, 1, 59, 58) << wall(3, 29, 3, 0, 0) << "1:00:02" << true;
        QTest::newRow("inside the skipped hour") << wall(3, 29, 1, 30, 0) << wall(3, 29, 2, 30, 0) << "1:00:00"
                                                 << false;
        QTest::newRow("clock put back in autumn") << wall(10, 25, 2, 50, 0) << wall(10, 25, 2, 10, 0) << ""
                                                  << false;
        QTest::newRow("over two days") << wall(3, 28, 23, 0, 0) << wall(3, 30, 1, 0, 2) << "1 nap 2:00:02" << true;
    }

    void wallClockCellsAcrossDaylightSaving()
    {
        QFETCH(QDateTime, before);
        QFETCH(QDateTime, reading);
        QFETCH(QString, elapsed);
        QFETCH(bool, late);
        TestEnv env;
        appSettings().followTime = QTime(1, 0);
        appSettings().flags |= OptBackToBackSpecial | OptBackToBack | OptColorHighlight;
        LogModel log({touch(before, 1), touch(reading, 2)});
        const QString stamp = QLocale::system().toString(reading.date(), QLocale::ShortFormat) + ' '
                              + reading.time().toString(QStringLiteral("HH:mm:ss"));
        QCOMPARE(log.index(1, LogModel::ColumnDateTime).data().toString(), stamp);
        QCOMPARE(log.elapsedText(1, false), elapsed);
        QCOMPARE(log.isLateEntry(1), late);
        QCOMPARE(log.index(1, LogModel::ColumnMarker).data().toString(), late ? markLongGap : markTouch);
        QCOMPARE(log.index(1, LogModel::ColumnCode).data(Qt::FontRole).value<QFont>().italic(), late);
    }

    // An impossible reading (31 April) is 0 seconds from anything, as before.
    void impossibleDateIsNoTimeAway()
    {
        TestEnv env;
        appSettings().flags |= OptBackToBack;
        LogEntry april31 = fromHex("2e9f0000000000000000");
        LogModel log({touch(QDateTime(QDate(2023, 4, 30), QTime(5, 0), Qt::UTC), 1), april31});
        QCOMPARE(log.elapsedText(1, false), QStringLiteral("0:00:00"));
        QCOMPARE(log.index(1, LogModel::ColumnDateTime).data().toString(), QStringLiteral(" 00:00:00"));
    }

    void cellFontsFollowTheOptionsFont()
    {
        TestEnv env;
        appSettings().fontFace = QStringLiteral("Courier");
        appSettings().fontSize = 10;
        appSettings().followTime = QTime(1, 0);
        appSettings().flags |= OptBackToBackSpecial | OptColorHighlight;
        LogModel log({touch(at(8, 0, 0), 1), touch(at(10, 0, 0), 2)});
        const auto font = [&](int row) { return log.index(row, LogModel::ColumnCode).data(Qt::FontRole).value<QFont>(); };
        QCOMPARE(font(0), QFont(QStringLiteral("Courier"), 10, QFont::Normal, false));
        QCOMPARE(font(1).weight(), int(QFont::Black));
        QVERIFY(font(1).italic());
        appSettings().fontSize = 14;
        appSettings().fontFace = QStringLiteral("Monospace");
        QCOMPARE(font(0), QFont(QStringLiteral("Monospace"), 14, QFont::Normal, false));
        QCOMPARE(font(1).pointSize(), 14);
        QCOMPARE(font(1).family(), QStringLiteral("Monospace"));
        QCOMPARE(log.headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().pointSize(), 14);
    }
};

WYX_TEST_MAIN(TestLogModel)
#include "tst_logmodel.moc"
