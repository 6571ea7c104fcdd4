#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/usbcom.h"
#include "eventlog/logmodel.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QtTest>

namespace {

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
    void goldenDamagedAndTruncatedFiles()
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
    }

    void backupsAndFailedSaves()
    {
        TestEnv env;
        LogModel log;
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
        QWidget parent;
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Nem sikerült elmenteni"));
            QVERIFY(!log.save(QStringLiteral("L.ewl"), &parent));
        }
        QVERIFY(log.isModified());
        QCOMPARE(readAll(env.path("L.ewl")), second);
        QVERIFY(QFileInfo(env.path("L.ewl.bak/keep")).isDir());
        QCOMPARE(QDir(env.workDir()).entryList(QDir::Files), QStringList{QStringLiteral("L.ewl")});
    }

    void deviceNamesStayInTheWorkingDirectory()
    {
        TestEnv env;
        const QDir work(env.workDir());
        const QStringList hostile = {"../x", "..", "a/b", "a\\b", "C:x", "/etc/pw", "\t\n", "", "        ", "con",
                                     "LPT1", QString(QChar(0)) + "x", "a*?<>|\""};
        for (const QString& name : hostile) {
            const QString file = LogFile::fileNameForDevice(name);
            QVERIFY2(!file.contains(QLatin1Char('\\')) && !file.startsWith(QLatin1Char('.')), qPrintable(file));
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
