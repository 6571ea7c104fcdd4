#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/usbcom.h"
#include "core/safesave.h"
#include "eventlog/logmodel.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

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
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

LogFile::ReadResult readBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return LogFile::read(buffer);
}

} // namespace

class TestLogModel : public QObject
{
    Q_OBJECT
private slots:
    void bytesTimesAndEquality()
    {
        TestEnv env;
        QVERIFY(LogEntry() == fromHex("ffffffffffffffffffff")); // a blank entry is ten 0xFF bytes
        const LogEntry read = eventEntry(KindReadOut);
        QCOMPARE(read.dateTime(), QDateTime(QDate(2023, 8, 15), QTime(13, 45, 16)));
        QCOMPARE(read.secondDateTime(), QDateTime(QDate(2023, 8, 14), QTime(8, 0)));
        QVERIFY(read.sortDateTime() == read.dateTime());
        QCOMPARE(eventEntry(KindArchived).sortDateTime(), read.secondDateTime());

        // Program entries keep the times in 2-second steps.
        LogEntry made;
        made.makeProgramEntry(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)),
                              QDateTime(QDate(2001, 1, 1), QTime(0, 0, 2)), KindInitialised);
        QVERIFY(made.kind() == KindInitialised && made.byte(9) == 0);
        QCOMPARE(made.dateTime(), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)));
        QCOMPARE(made.secondDateTime(), QDateTime(QDate(2001, 1, 1), QTime(0, 0, 2)));

        const LogEntry april31 = fromHex("2e9f0000000000000000"); // nothing may break on it
        QVERIFY(!april31.dateTime().isValid() && !april31.lineText().isEmpty());

        // Logger events (200-219) match on kind and second time alone; program entries,
        // touches and unknown kinds on every byte.
        const struct { const char *a, *b; bool equal; } pairs[] = {
            {"d9 11111111 2f0ee100 00", "d9 22222222 2f0ee100 05", true},
            {"c8 11111111 2f0ee100 00", "c8 22222222 2f0ee100 05", true},
            {"d9 11111111 2f0ee100 00", "d9 11111111 2f0ee101 00", false},
            {"d9 11111111 2f0ee100 00", "d8 11111111 2f0ee100 00", false},
            {"dc 11111111 2f0ee100 00", "dc 22222222 2f0ee100 00", false},
            {"2f0f60b6000123456789", "2f0f60b6000123456788", false},
            {"e1 11111111 2f0ee100 00", "e1 11111111 2f0ee100 01", false}};
        for (const auto& p : pairs)
            QVERIFY2((fromHex(p.a) == fromHex(p.b)) == p.equal, p.b);

        const QByteArray bytes = QByteArray::fromHex("2f0f60b6000123456789dc2f0f60b62f0e384001");
        QByteArray written;
        QDataStream in(bytes), out(&written, QIODevice::WriteOnly);
        LogEntry a, b, c;
        in >> a >> b >> c;
        out << a << b;
        QVERIFY(a.isTouch() && b == eventEntry(KindReadOut, 1) && written == bytes);
        QCOMPARE(in.status(), QDataStream::ReadPastEnd);
    }

    void touchAndEventTextsAndColours()
    {
        TestEnv env;
        Settings& s = appSettings();
        // Code AAABCDEFGHIJ: "régi" from 2020, "új" from 2023-08-16 (the day after the touch).
        KodNev oldName, newName;
        QVERIFY(oldName.set("AAABCDEFGHIJ", "régi", QDate(2020, 1, 1), Qt::yellow, Qt::red));
        QVERIFY(newName.set("AAABCDEFGHIJ", "új", QDate(2023, 8, 16), Qt::green, Qt::blue));
        s.kodNevModel->addEntry(oldName, true);
        s.kodNevModel->addEntry(newName, true);
        const LogEntry touch = fromHex("2f0f60b6000123456789");
        const LogEntry nextDay = fromHex("2f1060b6000123456789");
        const LogEntry before = fromHex("260f60b6000123456789"); // 2019
        s.flags = 0;
        QCOMPARE(touch.description(false), QStringLiteral("régi"));
        QCOMPARE(nextDay.description(true), QStringLiteral("új"));
        QCOMPARE(before.description(false), QStringLiteral("AAABCDEFGHIJ")); // no name valid yet
        QVERIFY(before.description(true).isEmpty());
        s.flags = OptPointCode;
        QVERIFY(before.description(false).isEmpty());
        // Any date counts for naming.
        QVERIFY(touch.isNamed() && before.isNamed() && !fromHex("2f0f60b6ffffffffff00").isNamed());

        // Colours only with highlighting, and only from the name valid at the touch.
        QCOMPARE(colours(touch), QStringLiteral("#000000 #ffffff"));
        s.flags = OptColorHighlight;
        QCOMPARE(colours(touch) + ' ' + colours(nextDay) + ' ' + colours(before),
                 QStringLiteral("#ff0000 #ffff00 #0000ff #00ff00 #000000 #ffffff"));

        // 199 is still a touch (a year ending in 99, August or later).
        const LogEntry late99 = fromHex("c70f60b6000123456789");
        QVERIFY(late99.isTouch() && late99.markerText() == QStringLiteral(" "));
        QCOMPARE(late99.dateTime().date(), QDate(2099, 8, 15));
        QCOMPARE(colours(late99), QStringLiteral("#0000ff #00ff00"));

        s.flags = 0;
        const LogEntry once = eventEntry(KindCase);
        const QString second =
            QLocale::system().toString(QDate(2023, 8, 14), QLocale::ShortFormat) + " 08:00:00";
        const QString text = QStringLiteral("burkolat zárás - nyitás");
        QCOMPARE(once.description(false), once.codeText() + "  " + text);
        QCOMPARE(eventEntry(KindCase, 2).description(false), second + "  " + text + "  (3x)");
        QCOMPARE(eventEntry(KindCase, 255).description(true), text + "  (256x)");
        s.flags = OptPointCode;
        QCOMPARE(eventEntry(KindCase, 2).description(false), text + "  (3x)");
        s.flags = OptColorHighlight;
        QCOMPARE(colours(once), QStringLiteral("#ff0000 #ffffff"));

        // 215 to 224 are known; the kinds around them are not interpretable, whatever the count.
        const QString unknown = QStringLiteral("  *** Nem értelmezhető bejegyzés ***");
        QString markers;
        for (int kind = KindFirstEvent; kind <= 255; ++kind) {
            const LogEntry e = eventEntry(kind, 2);
            markers += e.markerText();
            const bool known = kind >= KindDeepDischarge && kind < KindFirstUnknown;
            QVERIFY2(known != (e.description(false) == unknown), qPrintable(QString::number(kind)));
            QVERIFY(known || colours(e) == QStringLiteral("#000000 #ffffff"));
        }
        QCOMPARE(markers, QString(15, '-') + QStringLiteral("@\"#*!>?+§=") + QString(31, '-'));
        s.kodNevModel->removeRows(0, s.kodNevModel->rowCount());
    }

    void goldenDamagedTruncatedAndFailedSaves()
    {
        TestEnv env;
        // A new, empty log is a 32-byte file with the 0001-01-01 dates.
        QVERIFY(LogModel().save(QStringLiteral("empty.ewl"), nullptr));
        const QByteArray empty = readAll(env.path("empty.ewl"));
        QVERIFY(empty.size() == 32 && empty.mid(22, 8).toHex() == "0221000002210000");
        // Load and save again: byte for byte the same file, every field where it belongs.
        writeAll(env.path("golden.ewl"), golden);
        LogModel log;
        QVERIFY(log.load(QStringLiteral("golden.ewl"), nullptr));
        QCOMPARE(log.deviceName(), QStringLiteral("AB      ")); // blanks kept
        QCOMPARE(log.ringIndex(), 0x0123);
        QCOMPARE(log.initDate(), at(13, 45, 16));
        QCOMPARE(log.entryAt(0), touch(at(13, 45, 16), 0x0123456789));
        QVERIFY(log.save(QStringLiteral("again.ewl"), nullptr));
        QCOMPARE(readAll(env.path("again.ewl")), golden);

        QByteArray file = golden + golden.right(10) + golden.right(10); // three records
        file[0] = 3;
        // Every prefix: a short header is unreadable, after it only whole records count.
        for (int len = 0; len < file.size(); ++len) {
            const LogFile::ReadResult r = readBytes(file.left(len));
            QCOMPARE(int(r.status), int(len < 32 ? Status::ShortHeader : Status::ShortData));
            QCOMPARE(r.entries.size(), qMax(0, len - 32) / 10);
        }
        // Trailing bytes are ignored; bytes 30-31 may hold anything.
        QByteArray extra = file + "xyz";
        extra[30] = 'Q';
        const LogFile::ReadResult whole = readBytes(extra);
        QVERIFY(whole.status == Status::Ok && whole.entries.size() == 3);
        // A count of four thousand million costs nothing but the bytes that are there.
        const LogFile::ReadResult huge = readBytes(QByteArray::fromHex("FFFFFFFF") + golden.mid(4));
        QVERIFY(huge.status == Status::ShortData && huge.entries.size() == 1);

        // Through the model: a refused header (record size, header size, magic) leaves the
        // model as it was, with a message only when a parent is given.
        QWidget parent;
        ScriptedPrompts prompts;
        for (int offset : {4, 6, 11}) {
            QByteArray bad = golden;
            bad[offset] = char(bad[offset] + 1);
            writeAll(env.path("bad.ewl"), bad);
            QVERIFY(!log.load(QStringLiteral("bad.ewl"), nullptr)); // silent
            prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("sérült, vagy nem megfelelő."));
            QVERIFY(!log.load(QStringLiteral("bad.ewl"), &parent));
            QVERIFY(log.rowCount() == 1 && log.deviceName() == QStringLiteral("AB      "));
        }
        // A short file keeps its complete records.
        writeAll(env.path("short.ewl"), file.left(file.size() - 5));
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("adat olvasási hiba."))
            .expectNotice(Prompts::Kind::Warning, QStringLiteral("Ez a fájl nem létezik"));
        QVERIFY(!log.load(QStringLiteral("short.ewl"), &parent));
        QCOMPARE(log.rowCount(), 2);
        QVERIFY(!log.load(QStringLiteral("missing.ewl"), &parent));
        QVERIFY(!log.load(QString(), nullptr));
        QVERIFY(log.lastError().contains(QStringLiteral("Nincs név megadva")));

        log.clearEntries();
        log.appendProgramEntry(at(8, 0, 0), at(7, 0, 0), KindReadOut);
        QVERIFY(log.save(QStringLiteral("L.ewl"), nullptr));
        const QByteArray first = readAll(env.path("L.ewl"));
        log.appendProgramEntry(at(9, 0, 0), at(8, 0, 0), KindReadOut);
        QVERIFY(log.save(QStringLiteral("L.ewl"), nullptr));
        const QByteArray second = readAll(env.path("L.ewl"));
        QCOMPARE(readAll(env.path("L.ewl.bak")), first);

        // The backup cannot be replaced: the save fails, and file and backup stay as they were.
        QVERIFY(QFile::remove(env.path("L.ewl.bak")));
        QVERIFY(QDir(env.workDir()).mkpath(QStringLiteral("L.ewl.bak/keep")));
        log.clearEntries(); // its file still holds the rows
        QVERIFY(log.isModified());
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Nem sikerült elmenteni"));
        QVERIFY(!log.save(QStringLiteral("L.ewl"), &parent));
        QVERIFY(log.isModified());
        QCOMPARE(readAll(env.path("L.ewl")), second);
        QVERIFY(QFileInfo(env.path("L.ewl.bak/keep")).isDir());
        QCOMPARE(QDir(env.workDir()).entryList({"L.ewl*"}, QDir::Files), QStringList{"L.ewl"});
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

    void deviceNamesStayInTheWorkingDirectory()
    {
        TestEnv env;
        const QDir work(env.workDir());
        const QStringList hostile = {"../x", "..", "a/b", "a\\b", "C:x", "/etc/pw", "\t\n", "", "        ",
                                     "con",
                                     "LPT1", QString(QChar(0)) + "x", "a*?<>|\""};
        for (const QString& name : hostile) {
            const QString file = LogFile::fileNameForDevice(name);
            QVERIFY2(!file.contains('\\') && !file.startsWith('.'), qPrintable(file));
            QVERIFY2(file.endsWith(QStringLiteral(".ewl")) && file.size() > 4, qPrintable(file));
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
        QVERIFY(log.load(file, nullptr) && log.isSameDevice(&com));
        QCOMPARE(LogFile::fileNameForDevice(log.deviceName()), file);
        QVERIFY(QFile::remove(file) && log.saveToDefault(nullptr)); // unchanged: nothing written
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
        QVERIFY(!log.isLateEntry(1) && !log.isLateEntry(2) && log.isLateEntry(3));
        QCOMPARE(log.elapsedText(4, true), QStringLiteral("1 nap 3:00:02"));
        QVERIFY(log.index(5, LogModel::ColumnDescription).data().toString().endsWith("( 0:01:30 )"));
    }
};

WYX_TEST_MAIN(TestLogModel)
#include "tst_logmodel.moc"
