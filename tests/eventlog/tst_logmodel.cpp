// The event log: its file (golden bytes, damage, truncation, backups, failed saves), the
// safe file names of loggers, the set-aside of damaged logs, the model's rows and the
// naming of unnamed codes through the real dialog.
// The dialog header needs its form generated for this target as well.
#include "ui_unnamedpointdlg.h"

#include "codenames/kodnevmodel.h"
#include "codenames/unnamedpointdlg.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/usbcom.h"
#include "eventlog/logmodel.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

const QByteArray goldenHeader = QByteArray::fromHex("01000000" "0A00" "1800" "30" "13A95E" "2301" "4142202020202020"
                                                    "2F0F60B6" "02210000" "0000");
const QByteArray goldenRecord = QByteArray::fromHex("2F0F60B600012345678" "9");

LogEntry entryOf(const QByteArray& bytes)
{
    LogEntry e;
    e.setBytes(reinterpret_cast<const unsigned char*>(bytes.constData()));
    return e;
}

LogEntry touch(const QDateTime& t, int code)
{
    LogEntry e;
    unsigned char raw[10];
    packDeviceTime(t, raw);
    for (int i = 0; i < 6; ++i)
        raw[4 + i] = uchar((qint64(code) >> (8 * (5 - i))) & 0xFF);
    e.setBytes(raw);
    return e;
}

LogEntry logEvent(unsigned char kind, const QDateTime& t)
{
    LogEntry e;
    e.makeProgramEntry(t, t, kind);
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
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

LogFile::ReadResult readBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return LogFile::read(buffer);
}

QDateTime at(int h, int m, int s, int day = 15)
{
    return QDateTime(QDate(2023, 8, day), QTime(h, m, s));
}

} // namespace

class TestLogModel : public QObject
{
    Q_OBJECT
private slots:
    void fileGoldenBytesAndRoundTrip();
    void damagedAndTruncatedFiles();
    void backupsAndFailedSaves();
    void deviceNamesStayInTheWorkingDirectory();
    void setAsideNeverReplaces();
    void appendingAndRows();
    void lateEntriesAndElapsedTimes();
    void namingUnnamedCodes();
};

void TestLogModel::fileGoldenBytesAndRoundTrip()
{
    TestEnv env;
    LogFile::Header h;
    h.deviceType = 0x30;
    h.ringIndex = 0x0123;
    h.deviceName = QStringLiteral("AB");
    h.initDate = QDateTime(QDate(2023, 8, 15), QTime(13, 45, 16));
    h.secondHeaderTime = QDateTime(minValidDate, QTime(0, 0));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(LogFile::write(buffer, h, {entryOf(goldenRecord)}));
    QCOMPARE(buffer.data().toHex(), (goldenHeader + goldenRecord).toHex());

    // Load and save again: byte for byte the same file, name blanks kept on load.
    writeAll(env.path("golden.ewl"), goldenHeader + goldenRecord);
    LogModel log;
    QAbstractItemModelTester tester(&log);
    QVERIFY(log.load(QStringLiteral("golden.ewl"), nullptr));
    QCOMPARE(log.deviceName(), QStringLiteral("AB      "));
    QCOMPARE(log.ringIndex(), 0x0123);
    QVERIFY(log.save(QStringLiteral("again.ewl"), nullptr));
    QCOMPARE(readAll(env.path("again.ewl")), goldenHeader + goldenRecord);

    // A new, empty log is a 32-byte file with the 0001-01-01 dates, and loads back empty.
    LogModel empty;
    QVERIFY(empty.save(QStringLiteral("empty.ewl"), nullptr));
    const QByteArray bytes = readAll(env.path("empty.ewl"));
    QCOMPARE(bytes.size(), 32);
    QCOMPARE(bytes.mid(22, 8).toHex(), QByteArray("0221000002210000"));
    QVERIFY(log.load(env.path("empty.ewl"), nullptr));
    QCOMPARE(log.rowCount(), 0);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestLogModel::damagedAndTruncatedFiles()
{
    TestEnv env;
    QByteArray file = goldenHeader + goldenRecord + goldenRecord + goldenRecord;
    file[0] = 3;
    // Every prefix: a short header is unreadable, after it only whole records count.
    for (int len = 0; len < file.size(); ++len) {
        const LogFile::ReadResult r = readBytes(file.left(len));
        if (len < 32) {
            QCOMPARE(int(r.status), int(LogFile::ReadStatus::ShortHeader));
            continue;
        }
        QCOMPARE(int(r.status), int(LogFile::ReadStatus::ShortData));
        QCOMPARE(r.entries.size(), (len - 32) / 10);
    }
    QCOMPARE(int(readBytes(file).status), int(LogFile::ReadStatus::Ok));
    // Trailing bytes are ignored; bytes 30-31 may hold anything.
    QByteArray extra = file + "xyz";
    extra[30] = 'Q';
    QCOMPARE(readBytes(extra).entries.size(), 3);

    // A count of four thousand million costs nothing but the bytes that are there.
    QByteArray huge = goldenHeader + goldenRecord;
    huge.replace(0, 4, QByteArray::fromHex("FFFFFFFF"));
    const LogFile::ReadResult hugeRead = readBytes(huge);
    QCOMPARE(int(hugeRead.status), int(LogFile::ReadStatus::ShortData));
    QCOMPARE(hugeRead.entries.size(), 1);

    // Through the model: a refused header leaves the model as it was, with a message only
    // when a parent is given; a short file keeps the complete records.
    LogModel log;
    writeAll(env.path("one.ewl"), goldenHeader + goldenRecord);
    QVERIFY(log.load(QStringLiteral("one.ewl"), nullptr));
    QWidget parent;
    const int offsets[] = {4, 6, 11};
    for (int offset : offsets) {
        QByteArray bad = goldenHeader + goldenRecord;
        bad[offset] = char(bad[offset] + 1);
        writeAll(env.path("bad.ewl"), bad);
        QVERIFY(!log.load(QStringLiteral("bad.ewl"), nullptr)); // silent
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("sérült, vagy nem megfelelő."));
        QVERIFY(!log.load(QStringLiteral("bad.ewl"), &parent));
        QCOMPARE(log.rowCount(), 1);
        QCOMPARE(log.deviceName(), QStringLiteral("AB      "));
    }
    writeAll(env.path("short.ewl"), file.left(file.size() - 5));
    {
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("adat olvasási hiba."));
        QVERIFY(!log.load(QStringLiteral("short.ewl"), &parent));
    }
    QCOMPARE(log.rowCount(), 2);
    {
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Ez a fájl nem létezik"));
        QVERIFY(!log.load(QStringLiteral("missing.ewl"), &parent));
    }
    QVERIFY(!log.load(QString(), nullptr));
    QVERIFY(log.lastError().contains(QStringLiteral("Nincs név megadva")));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestLogModel::backupsAndFailedSaves()
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
    QCOMPARE(second.size(), 52);

    // The backup cannot be replaced: the save fails, and file and backup stay as they were.
    QVERIFY(QFile::remove(env.path("L.ewl.bak")));
    QVERIFY(QDir(env.workDir()).mkpath(QStringLiteral("L.ewl.bak/keep")));
    log.appendProgramEntry(at(10, 0, 0), at(9, 0, 0), KindReadOut);
    QWidget parent;
    {
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Nem sikerült elmenteni az esemény naplót"));
        QVERIFY(!log.save(QStringLiteral("L.ewl"), &parent));
    }
    QVERIFY(log.isModified());
    QCOMPARE(readAll(env.path("L.ewl")), second);
    QVERIFY(QFileInfo(env.path("L.ewl.bak/keep")).isDir());
    QCOMPARE(QDir(env.workDir()).entryList(QDir::Files), QStringList{QStringLiteral("L.ewl")});

    // A target that cannot be written at all is reported too, silently without a parent.
    QVERIFY(QDir(env.workDir()).mkpath(QStringLiteral("D.ewl")));
    QVERIFY(!log.save(QStringLiteral("D.ewl"), nullptr));
    QVERIFY(!log.lastError().isEmpty());

    // saveToDefault writes only a modified log, under the trimmed name.
    UsbCom com;
    com.deviceName = QStringLiteral(" KAPU ");
    com.memoryCode = 0x01;
    com.writeIndex = 7;
    com.initDate = at(6, 0, 0);
    log.setDeviceIdentity(&com);
    QVERIFY(log.saveToDefault(nullptr));
    QVERIFY(QFileInfo::exists(env.path("KAPU.ewl")));
    QVERIFY(!log.isModified());
    QVERIFY(QFile::remove(env.path("KAPU.ewl")));
    QVERIFY(log.saveToDefault(nullptr));
    QVERIFY(!QFileInfo::exists(env.path("KAPU.ewl")));
}

void TestLogModel::deviceNamesStayInTheWorkingDirectory()
{
    TestEnv env;
    QCOMPARE(LogFile::fileNameForDevice(QStringLiteral("AB      ")), QStringLiteral("AB.ewl"));
    QCOMPARE(LogFile::fileNameForDevice(QStringLiteral(" KAPU-01")), QStringLiteral("KAPU-01.ewl"));
    const QStringList hostile = {QStringLiteral("../x"), QStringLiteral(".."), QStringLiteral("a/b"),
                                 QStringLiteral("a\\b"), QStringLiteral("C:x"), QStringLiteral("/etc/pw"),
                                 QStringLiteral("\t\n"), QString(), QStringLiteral("        "),
                                 QStringLiteral("con"), QStringLiteral("LPT1"), QString(QChar(0)) + "x",
                                 QStringLiteral("a*?<>|\"")};
    const QDir work(env.workDir());
    for (const QString& name : hostile) {
        const QString file = LogFile::fileNameForDevice(name);
        QVERIFY2(!file.contains(QLatin1Char('/')) && !file.contains(QLatin1Char('\\')), qPrintable(file));
        QVERIFY2(!file.startsWith(QLatin1Char('.')), qPrintable(file));
        QVERIFY2(file.endsWith(QStringLiteral(".ewl")) && file.size() > 4, qPrintable(file));
        QCOMPARE(QFileInfo(work, file).absolutePath(), work.absolutePath());
        // And a log of that logger really saves there.
        LogModel log;
        UsbCom com;
        com.deviceName = name;
        log.setDeviceIdentity(&com);
        log.appendProgramEntry(at(8, 0, 0), at(7, 0, 0), KindInitialised);
        QVERIFY2(log.saveToDefault(nullptr), qPrintable(name));
        QVERIFY2(QFileInfo::exists(work.filePath(file)), qPrintable(file));
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
    LogModel again;
    QVERIFY(again.load(file, nullptr));
    QCOMPARE(LogFile::fileNameForDevice(again.deviceName()), file);
    QVERIFY(again.isSameDevice(&com));
    // A name cut inside a character by the logger (invalid UTF-8 read back) is stable too.
    com.deviceName = QString::fromUtf8("ABCDEFG\xC3");
    QCOMPARE(LogFile::fileNameForDevice(LogFile::canonicalDeviceName(com.deviceName)),
             LogFile::fileNameForDevice(com.deviceName));
}

void TestLogModel::setAsideNeverReplaces()
{
    TestEnv env;
    writeAll(env.path("X.ewl"), "first");
    QCOMPARE(LogFile::setAside(env.path("X.ewl")), env.path("X.ewl.bad"));
    writeAll(env.path("X.ewl"), "second");
    QCOMPARE(LogFile::setAside(env.path("X.ewl")), env.path("X.ewl.2.bad"));
    writeAll(env.path("X.ewl"), "third");
    QCOMPARE(LogFile::setAside(env.path("X.ewl")), env.path("X.ewl.3.bad"));
    QCOMPARE(readAll(env.path("X.ewl.bad")), QByteArray("first"));
    QCOMPARE(readAll(env.path("X.ewl.2.bad")), QByteArray("second"));
    QCOMPARE(readAll(env.path("X.ewl.3.bad")), QByteArray("third"));
    QVERIFY(!QFileInfo::exists(env.path("X.ewl")));
    QVERIFY(LogFile::setAside(env.path("X.ewl")).isEmpty()); // nothing to move
}

void TestLogModel::appendingAndRows()
{
    TestEnv env;
    LogModel log;
    QAbstractItemModelTester tester(&log);
    QSignalSpy inserted(&log, &QAbstractItemModel::rowsInserted);
    const unsigned char blank[10] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    log.appendDeviceEntry(blank);
    QCOMPARE(log.rowCount(), 0);
    QVERIFY(!log.isModified());

    // Many records: one insertion, blank slots dropped, order kept.
    QVector<LogEntry> records;
    for (int i = 0; i < 1000; ++i)
        records << touch(at(8, 0, 0).addSecs(60 * i), i) << entryOf(QByteArray(10, char(0xFF)));
    log.appendEntries(records);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(log.rowCount(), 1000);
    QVERIFY(log.isModified());
    QCOMPARE(log.entryAt(999), records.at(1998));

    LogEntry out;
    QDateTime when;
    QVERIFY(!log.entryWithTime(1000, out, when));
    QCOMPARE(int(out.kind()), int(KindMissingRow));
    QCOMPARE(when, QDateTime(QDate(1900, 1, 1), QTime(0, 0)));
    QVERIFY(!log.entryWithTime(-1, out, when));

    // The last touch or logger event is what the continuity check compares.
    log.appendProgramEntry(at(23, 0, 0), at(22, 0, 0), KindReadOut);
    QVERIFY(log.lastRegularEquals(records.at(1998)));
    QVERIFY(!log.lastRegularEquals(records.at(1996)));

    log.clearEntries();
    QCOMPARE(log.rowCount(), 0);
    QVERIFY(!log.lastRegularEquals(records.at(0)));
}

void TestLogModel::lateEntriesAndElapsedTimes()
{
    TestEnv env;
    appSettings().followTime = QTime(1, 0);
    appSettings().flags |= OptBackToBackSpecial | OptBackToBack;
    // Rows: touch, event, touch +3600 s, touch +3601 s, touch of code 1 after 25 h.
    LogModel log(QVector<LogEntry>{touch(at(8, 0, 0), 1), logEvent(KindCase, at(8, 30, 0)), touch(at(9, 0, 0), 2),
                  touch(at(10, 0, 2), 3), touch(at(11, 0, 2, 16), 1), touch(at(11, 1, 32, 16), 1)});
    QVERIFY(!log.isLateEntry(0));
    QVERIFY(!log.isLateEntry(1));
    QVERIFY(!log.isLateEntry(2));
    QVERIFY(log.isLateEntry(3));
    QCOMPARE(log.index(3, LogModel::ColumnMarker).data().toString(), markLongGap);
    QCOMPARE(log.nextExtraordinary(-1), 1);
    QCOMPARE(log.nextExtraordinary(1), 3);
    QCOMPARE(log.nextExtraordinary(5), -1);
    QCOMPARE(log.previousExtraordinary(3), 1);
    QCOMPARE(log.previousExtraordinary(0), -1);
    QCOMPARE(log.elapsedText(0, false), QString());
    QCOMPARE(log.elapsedText(5, false), QStringLiteral("0:01:30"));
    QCOMPARE(log.elapsedText(4, true), QStringLiteral("1 nap 3:00:02"));
    QCOMPARE(log.elapsedText(1, false), QString());
    QVERIFY(log.index(5, LogModel::ColumnDescription).data().toString().endsWith(QStringLiteral("( 0:01:30 )")));
    appSettings().flags &= ~OptBackToBackSpecial;
    QVERIFY(!log.isLateEntry(3));
}

void TestLogModel::namingUnnamedCodes()
{
    TestEnv env;
    KodNevModel* names = appSettings().kodNevModel;
    QVERIFY(names);
    KodNev known;
    QVERIFY(known.set(QStringLiteral("AAAAAAAAAAAB"), QStringLiteral("Kapu"), QDate(2030, 1, 1), Qt::white,
                      Qt::black));
    QVERIFY(names->addEntry(known, true));
    // Code 1 is named (from a later date, which still counts); 2 and 3 are not.
    LogModel log(QVector<LogEntry>{touch(at(8, 0, 0), 2), touch(at(8, 1, 0), 1), logEvent(KindCase, at(8, 2, 0)),
                  touch(at(8, 3, 0), 3), touch(at(8, 4, 0), 2), touch(at(8, 5, 0), 3), touch(at(8, 6, 0), 2)});

    // Clicks one button each time the dialog waits for an answer.
    auto drive = [](QList<std::function<void(UnNamedPointDlg*)>> steps, QStringList* asked) {
        auto* timer = new QTimer;
        timer->setInterval(2);
        QObject::connect(timer, &QTimer::timeout, [timer, steps, asked]() mutable {
            auto* dlg = qobject_cast<UnNamedPointDlg*>(QApplication::activeModalWidget());
            if (!dlg || !dlg->skipButton->isEnabled() || steps.isEmpty())
                return;
            asked->append(dlg->kodEdit->text());
            steps.takeFirst()(dlg);
            if (steps.isEmpty())
                timer->stop();
        });
        timer->start();
        return timer;
    };
    auto add = [](const QString& name) {
        return [name](UnNamedPointDlg* d) {
            QTest::keyClicks(d->nevEdit, name);
            d->ervenyesEdit->setDate(QDate(2020, 5, 1));
            QTest::mouseClick(d->addNameButton, Qt::LeftButton);
        };
    };
    auto skip = [](UnNamedPointDlg* d) { QTest::mouseClick(d->skipButton, Qt::LeftButton); };
    auto closeWindow = [](UnNamedPointDlg* d) { QTest::keyClick(d, Qt::Key_Escape); };

    // Skip code 2, name code 3; code 2 is asked again at its next touches.
    QStringList asked;
    std::unique_ptr<QTimer> timer(drive({skip, add(QStringLiteral("Raktar 1")), skip, skip}, &asked));
    log.nameUnnamedPoints();
    QCOMPARE(asked, (QStringList{QStringLiteral("AAAAAAAAAAAC"), QStringLiteral("AAAAAAAAAAAD"),
                                 QStringLiteral("AAAAAAAAAAAC"), QStringLiteral("AAAAAAAAAAAC")}));
    KodNev key;
    key.setCode(QStringLiteral("AAAAAAAAAAAD"));
    const int row = names->findCode(key);
    QVERIFY(row >= 0);
    QCOMPARE(names->entryAt(row).datedName.name, QStringLiteral("Raktar 1"));
    QCOMPARE(names->entryAt(row).datedName.validFrom, QDate(2020, 5, 1));
    QVERIFY(!names->isModified()); // saved at the end
    QVERIFY(QFileInfo::exists(appSettings().codeFilePath()));
    QCOMPARE(log.rowCount(), 7); // the log itself is not changed

    // Closing the window ends the walk like "Megszakít": nothing more is asked.
    asked.clear();
    timer.reset(drive({closeWindow}, &asked));
    log.nameUnnamedPoints();
    QCOMPARE(asked, QStringList{QStringLiteral("AAAAAAAAAAAC")});
    QVERIFY(!QApplication::activeModalWidget());
}

WYX_TEST_MAIN(TestLogModel)
#include "tst_logmodel.moc"
