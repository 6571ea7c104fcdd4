#include "logtestutil.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodneveditdialog.h"
#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "eventlog/archivedlg.h"
#include "logrecords/logfile.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <sys/stat.h>
#include <unistd.h>

using namespace LogTest;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QVector<LogEntry> recordsOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return LogFile::read(f).entries;
}

QString kinds(const QVector<LogEntry>& entries)
{
    QStringList out;
    for (const LogEntry& e : entries)
        out << (e.isTouch() ? QStringLiteral("t") : QString::number(e.kind()));
    return out.join(' ');
}

// Three read-outs, each closed by its kind-220 entry, over three days.
QVector<LogEntry> threeReadouts()
{
    return {touch(0, "A"),    touch(1, "B"),    event(KindReadOut, 2),
            touch(1440, "A"), event(KindReadOut, 1441),
            touch(2880, "C"), touch(2881, "A"), event(KindReadOut, 2882)};
}

// The device name travels in the file header (bytes 14 to 21).
void setHeaderName(const QString& path, const QString& device)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QByteArray bytes = f.readAll();
    bytes.replace(14, 8, device.toUtf8().leftJustified(8, ' ', true));
    QVERIFY(f.seek(0));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

// A log window on "<name>.ewl" (relative to the working directory) of the logger VIG1.
void openLog(LogView& view, const QVector<LogEntry>& entries, const QString& name = QStringLiteral("VIG1"))
{
    LogModel log(entries);
    QVERIFY(log.save(name + ".ewl", nullptr));
    setHeaderName(appSettings().workPath(name + ".ewl"), QStringLiteral("VIG1"));
    QVERIFY(view.loadFile(name + ".ewl"));
}

void setDeviceName(LogView& view, const QString& name)
{
    setHeaderName(view.currentFile, name);
    QVERIFY(view.loadFile(view.currentFile));
}

QString archiveName(const QString& device, int n = 1)
{
    const QString stem = device + QDate::currentDate().toString(QStringLiteral("_yyyy-MM-dd"));
    return (n == 1 ? stem : QStringLiteral("%1_%2").arg(stem).arg(n)) + ".ewa";
}

} // namespace

class TestLogArchive : public QObject
{
    Q_OBJECT
private slots:
    void readoutBoundary_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("row");
        QTest::newRow("last one kept") << 1 << 4;
        QTest::newRow("two kept") << 2 << 2;
        QTest::newRow("more than there are") << 3 << 0;
        QTest::newRow("zero") << 0 << 6;
        QTest::newRow("empty log") << -1 << 0;
    }
    void readoutBoundary()
    {
        QFETCH(int, count);
        QFETCH(int, row);
        TestEnv env;
        QCOMPARE(LogModel(count < 0 ? QVector<LogEntry>() : threeReadouts()).rowOfNthLastReadout(qAbs(count)), row);
    }

    void dateBoundary_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("row");
        QTest::newRow("before every row") << QDate(2024, 3, 1) << 0;
        QTest::newRow("second day") << QDate(2024, 3, 6) << 3;
        QTest::newRow("third day") << QDate(2024, 3, 7) << 5;
        QTest::newRow("after every row: the last stays") << QDate(2024, 4, 1) << 7;
    }
    void dateBoundary()
    {
        QFETCH(QDate, date);
        QFETCH(int, row);
        TestEnv env;
        QCOMPARE(LogModel(threeReadouts()).rowOfDate(date), row);
    }

    // The archive holds the whole former log; the log keeps one archiving entry and the rows
    // from the boundary on, saved at once.
    void archiveByReadouts()
    {
        TestEnv env;
        LogView view;
        openLog(view, threeReadouts());
        LogTableView* t = view.table();
        QAbstractItemModelTester tester(t->model());
        QVERIFY(t->archive(archiveDlg::LastReadouts, 1, QDate()));
        QCOMPARE(recordsOf(env.path(archiveName("VIG1"))), threeReadouts());
        const QVector<LogEntry> kept = recordsOf(env.path("VIG1.ewl"));
        QCOMPARE(kinds(kept), QStringLiteral("222 220 t t 220"));
        QCOMPARE(t->logModel->entries(), kept);
        QCOMPARE(kept.first().dateTime(), at(0));
        QCOMPARE(kept.first().secondDateTime(), at(1441)); // the boundary row's time
        QVERIFY(!t->logModel->isModified());
        QCOMPARE(t->currentSourceRow(), 4);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        // Archiving again the same day keeps the first archive; a row-0 archive entry sorts
        // by its second time.
        t->selectRow(3);
        QVERIFY(t->archive(archiveDlg::FromCursor, 0, QDate()));
        QCOMPARE(recordsOf(env.path(archiveName("VIG1"))), threeReadouts());
        QCOMPARE(recordsOf(env.path(archiveName("VIG1", 2))), kept);
        QCOMPARE(kinds(t->logModel->entries()), QStringLiteral("222 t 220"));
        QCOMPARE(t->logModel->entryAt(0).dateTime(), at(1441));
        QVERIFY(t->archive(archiveDlg::EmptyLog, 0, QDate()));
        QVERIFY(QFile::exists(env.path(archiveName("VIG1", 3))));
        QCOMPARE(kinds(t->logModel->entries()), QStringLiteral("222"));
        QCOMPARE(t->logModel->entryAt(0).secondDateTime(), at(2882));
    }

    void archiveWholeLogAndEdges()
    {
        TestEnv env;
        LogView view;
        openLog(view, threeReadouts());
        LogTableView* t = view.table();
        t->applyFilter(true, false, QString(), 8); // read-outs only
        t->selectRow(0);
        QVERIFY(t->archive(archiveDlg::FromCursor, 0, QDate())); // the hidden rows before it go too
        QCOMPARE(kinds(t->logModel->entries()), QStringLiteral("222 220 t 220 t t 220"));
        QCOMPARE(t->logModel->entryAt(0).dateTime(), at(0));
        QCOMPARE(t->logModel->entryAt(0).secondDateTime(), at(2));
        QCOMPARE(t->model()->rowCount(), 3); // the filter holds after the reset
        t->applyFilter(false, false, QString(), 0);
        t->selectRow(0);
        QVERIFY(t->archive(archiveDlg::FromCursor, 0, QDate())); // the top row: nothing removed
        QCOMPARE(kinds(t->logModel->entries()), QStringLiteral("222 222 220 t 220 t t 220"));
        QCOMPARE(t->logModel->entryAt(0).dateTime(), at(2)); // an archive entry sorts by its second time
        QCOMPARE(t->logModel->entryAt(0).secondDateTime(), at(2));
        t->applyFilter(true, false, QString(), 2); // nothing shown: no current row, everything goes
        QVERIFY(t->archive(archiveDlg::FromCursor, 0, QDate()));
        QCOMPARE(kinds(t->logModel->entries()), QStringLiteral("222"));

        LogView empty;
        openLog(empty, {}, QStringLiteral("EMPTY"));
        QVERIFY(empty.table()->archive(archiveDlg::EmptyLog, 0, QDate()));
        QCOMPARE(QDir(env.workDir()).entryList({"*.ewa"}).size(), 3); // none for the empty log
    }

    // A log opened from another file is shortened in that file; the logger's own log stays.
    void archiveSavesTheWindowsFile()
    {
        TestEnv env;
        appSettings().archiveDir = env.root();
        LogView device;
        openLog(device, threeReadouts());
        const QByteArray deviceLog = bytesOf(env.path("VIG1.ewl"));
        QDir(env.workDir()).mkpath("copy");
        QVERIFY(QFile::copy(env.path("VIG1.ewl"), env.path("copy/old.ewl")));
        LogView copy;
        QVERIFY(copy.loadFile(QStringLiteral("copy/old.ewl")));
        QVERIFY(copy.table()->archive(archiveDlg::EmptyLog, 0, QDate()));
        QCOMPARE(bytesOf(env.path("VIG1.ewl")), deviceLog);
        QCOMPARE(kinds(recordsOf(env.path("copy/old.ewl"))), QStringLiteral("222"));
        QCOMPARE(recordsOf(env.root() + "/" + archiveName("VIG1")), threeReadouts());
    }

    // An archive holds what its log keeps from others: it takes the log's owner, group and
    // mode as far as its maker may (root, or a maker who may not give the owner away).
    void archiveIsNoMoreOpenThanItsLog_data()
    {
        QTest::addColumn<uint>("mode");
        QTest::addColumn<bool>("ownerGiven");
        QTest::addColumn<QString>("archive");
        QTest::newRow("group-only log") << 0660u << true << "54321:54322 660";
        QTest::newRow("private log") << 0600u << true << "54321:54322 600";
        QTest::newRow("group-only log, owner not given") << 0660u << false << "0:54322 660";
    }

    void archiveIsNoMoreOpenThanItsLog()
    {
        QFETCH(uint, mode);
        QFETCH(bool, ownerGiven);
        QFETCH(QString, archive);
        if (::geteuid() != 0)
            QSKIP("another user's log needs root to make");
        TestEnv env;
        LogView view;
        openLog(view, threeReadouts());
        const QByteArray log = QFile::encodeName(env.path("VIG1.ewl"));
        QCOMPARE(::chown(log.constData(), 54321, 54322), 0);
        QCOMPARE(::chmod(log.constData(), mode), 0);
        SafeSave::FaultScope faults;
        if (!ownerGiven)
            faults.failNth(SafeSave::Op::Chown, 1, EPERM);
        QVERIFY(view.table()->archive(archiveDlg::LastReadouts, 1, QDate()));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(env.path(archiveName("VIG1"))).constData(), &st), 0);
        QCOMPARE(QString::asprintf("%u:%u %o", st.st_uid, st.st_gid, st.st_mode & 07777), archive);
    }

    // A stranger who holds the day's archive names in a sticky archive folder everyone may
    // write (links into a folder of their own, where an archive could be deleted) neither
    // receives the archive nor stops it: it goes under a name nobody else made.
    void archiveGoesUnderANameOfItsOwn_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<int>("count"); // of the numbered names, from the first
        QTest::addColumn<QString>("name");
        const QString stem = QRegularExpression::escape(archiveName("VIG1").chopped(4));
        QTest::newRow("dangling link under the first") << "dangling link" << 1 << stem + "_2\\.ewa";
        QTest::newRow("files under all") << "file" << 1000 << stem + "_[a-z]+\\.ewa";
        QTest::newRow("dangling links under all") << "dangling link" << 1000 << stem + "_[a-z]+\\.ewa";
        QTest::newRow("a file under its own name, meanwhile") << "file meanwhile" << 0 << stem + "\\.ewa";
        QTest::newRow("a file under its own name, before every step") << "file at every step" << 0 << stem + "\\.ewa";
    }

    void archiveGoesUnderANameOfItsOwn()
    {
        QFETCH(QString, planted);
        QFETCH(int, count);
        QFETCH(QString, name);
        if (::geteuid() != 0)
            QSKIP("another user's files need root to make");
        TestEnv env;
        const QString dir = env.root() + "/archive", theirs = env.root() + "/theirs";
        QDir(env.root()).mkpath("archive");
        QDir(env.root()).mkpath("theirs");
        QCOMPARE(::chmod(QFile::encodeName(dir).constData(), 01777), 0);
        QCOMPARE(::chown(QFile::encodeName(theirs).constData(), 64333, 64333), 0);
        appSettings().archiveDir = dir;
        for (int n = 1; n <= count; ++n) {
            const QByteArray path = QFile::encodeName(dir + '/' + archiveName("VIG1", n));
            const QByteArray there = QFile::encodeName(theirs + '/' + archiveName("VIG1", n));
            if (planted == "file")
                QVERIFY(QFile(QFile::decodeName(path)).open(QIODevice::WriteOnly));
            else
                QCOMPARE(::symlink(there.constData(), path.constData()), 0);
            QCOMPARE(::lchown(path.constData(), 64333, 64333), 0);
        }
        LogView view;
        openLog(view, threeReadouts());
        // Someone who watches the folder takes any name a temporary tells, before it is renamed.
        SafeSave::FaultScope faults;
        QStringList taken;
        const auto watcher = [&] {
            for (const QString& temp : QDir(dir).entryList({"*.tmp"}, QDir::Files | QDir::Hidden)) {
                taken << dir + '/' + temp.section('.', 0, -3);
                QFile(taken.last()).open(QIODevice::WriteOnly);
            }
        };
        if (planted == "file meanwhile")
            faults.runBefore(SafeSave::Op::Rename, 1, watcher);
        for (int step = 1; planted == "file at every step" && step < 1000; ++step)
            faults.runAt(step, watcher);
        QString made;
        QCOMPARE(int(view.table()->logModel->archiveTo(1, QString(), &made)), int(LogModel::ArchiveResult::Done));
        QCOMPARE(QDir(theirs).isEmpty(), true);
        for (const QString& name : taken)
            QCOMPARE(QFileInfo(name).size(), 0);
        QVERIFY2(QRegularExpression('^' + name + '$').match(QFileInfo(made).fileName()).hasMatch(), qPrintable(made));
        QCOMPARE(recordsOf(made), threeReadouts());
    }

    void archiveNameFromDeviceName_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("stem");
        QTest::newRow("blanks trimmed") << " TOUR 1 " << "TOUR 1";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("path characters") << "../a:b" << "_._a_b";
    }
    void archiveNameFromDeviceName()
    {
        QFETCH(QString, device);
        QFETCH(QString, stem);
        TestEnv env;
        LogView view;
        openLog(view, threeReadouts());
        setDeviceName(view, device);
        QCOMPARE(view.table()->logModel->archiveFilePath(QDate(2024, 3, 5)),
                 QDir(env.workDir()).absoluteFilePath(stem + "_2024-03-05.ewa"));
    }

    // Whichever write fails, the log file, the log in memory and the archive directory stay
    // as they were, and the message says which file could not be written.
    void failedWritesChangeNothing_data()
    {
        QTest::addColumn<int>("failing");
        QTest::addColumn<QString>("message");
        QTest::newRow("archive") << 0 << "Az archív fájl létrehozása nem sikerült!";
        QTest::newRow("shortened log") << 1 << "Az esemény napló mentése nem sikerült";
        QTest::newRow("log directory gone") << 2 << "Az esemény napló mentése nem sikerült";
    }
    void failedWritesChangeNothing()
    {
        QFETCH(int, failing);
        QFETCH(QString, message);
        TestEnv env;
        QDir(env.root()).mkpath("archive");
        appSettings().archiveDir = env.root() + "/archive";
        QDir(env.workDir()).mkpath("logs");
        LogView view;
        openLog(view, threeReadouts(), QStringLiteral("logs/VIG1"));
        const QString logFile = env.path("logs/VIG1.ewl");
        const QByteArray before = bytesOf(logFile);
        SafeSave::FaultScope faults;
        if (failing == 0) { // the archive directory is a file
            QDir(env.root()).rmdir("archive");
            QFile f(env.root() + "/archive");
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (failing == 1) { // the shortened log cannot take the log's place (the archive's rename first)
            faults.failNth(SafeSave::Op::Rename, 2);
        } else {
            QVERIFY(QFile::rename(env.path("logs"), env.path("moved")));
        }
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, message);
        LogTableView* t = view.table();
        QVERIFY(!t->archive(archiveDlg::LastReadouts, 1, QDate()));
        QCOMPARE(prompts.seen().first().title, QStringLiteral("Archiválás"));
        QCOMPARE(t->logModel->entries(), threeReadouts());
        QCOMPARE(bytesOf(failing == 2 ? env.path("moved/VIG1.ewl") : logFile), before);
        if (failing != 0)
            QCOMPARE(QDir(env.root() + "/archive").entryList(QDir::Files).size(), 0);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // Every file operation of the archive's two saves failed in turn: the log file, its
    // backup and the log in memory stay, and no archive is left behind (only the shortened
    // log's last step, the backup's rename, leaves the archiving done).
    void everyFailedOperationLeavesTheLog()
    {
        TestEnv env;
        QDir(env.root()).mkpath("archive");
        appSettings().archiveDir = env.root() + "/archive";
        LogView view;
        openLog(view, threeReadouts(), QStringLiteral("VIG1"));
        const QString logFile = env.path("VIG1.ewl");
        QVERIFY(view.table()->logModel->save(logFile, nullptr));
        const QByteArray before = bytesOf(logFile), backup = bytesOf(logFile + ".bak");
        LogModel* log = view.table()->logModel;
        int total = 0;
        {
            LogModel probe;
            QVERIFY(QFile::copy(logFile, env.path("PROBE.ewl")));
            QVERIFY(probe.load(env.path("PROBE.ewl"), nullptr));
            SafeSave::FaultScope count;
            QVERIFY(probe.archive(1, env.path("PROBE.ewl")));
            total = count.operations();
            for (const QString& name : QDir(env.root() + "/archive").entryList(QDir::Files))
                QFile::remove(env.root() + "/archive/" + name);
        }
        for (int i = 1; i < total; ++i) {
            SafeSave::FaultScope faults;
            faults.failAt(i);
            QVERIFY2(!log->archive(1, logFile), qPrintable(QString::number(i)));
            QCOMPARE(log->entries(), threeReadouts());
            QCOMPARE(bytesOf(logFile), before);
            QCOMPARE(bytesOf(logFile + ".bak"), backup);
            QCOMPARE(QDir(env.root() + "/archive").entryList(QDir::Files), QStringList());
        }
    }

    void nameCurrentPoint()
    {
        TestEnv env;
        appSettings().flags &= ~OptBackToBack;
        KodNevModel* names = appSettings().kodNevModel;
        names->removeRows(0, names->rowCount());
        LogView view;
        const QDateTime may15(QDate(2024, 5, 15), QTime(9, 0));
        openLog(view, {LogTest::event(KindReadOut, 0), touch(0, "BEEF"), touchAt(may15, "ABC"),
                       touchAt(may15.addDays(30), "ABC")});
        LogTableView* t = view.table();
        t->selectRow(0);
        t->nameCurrentPoint(); // an event row: no dialog (the watchdog would fail one)
        ModalDriver driver;
        auto answer = [&driver](std::function<void(KodNevEditDialog*)> fill, bool accept = true) {
            driver.onModal("KodNevEditDialog", [fill, accept](QWidget* w) {
                auto* d = qobject_cast<KodNevEditDialog*>(w);
                fill(d);
                QTest::mouseClick(accept ? static_cast<QWidget*>(d->OKButton) : d->cancelButton, Qt::LeftButton);
            });
        };
        answer([](KodNevEditDialog* d) { // unnamed: an empty name from the century's first day
            QCOMPARE(d->date(), QDate(2000, 1, 1));
            QVERIFY(!d->kodEdit->isEnabled());
            d->nevEdit->setText(QStringLiteral("Kapu"));
        });
        t->selectRow(1);
        t->nameCurrentPoint();
        QCOMPARE(t->model()->index(1, 4).data().toString(), QStringLiteral("Kapu")); // the log shows it
        QVERIFY(!names->isModified()); // and the list is saved

        for (int month : {5, 6}) {
            KodNev k;
            QVERIFY(k.set("ABC", month == 5 ? "Majus" : "Junius", QDate(2024, month, 1), Qt::white, Qt::black));
            names->addEntry(k, true);
        }
        answer([](KodNevEditDialog* d) { // the May name; the new one from the touch's day
            QCOMPARE(d->name(), QStringLiteral("Majus"));
            QCOMPARE(d->date(), QDate(2024, 5, 15));
            d->nevEdit->setText(QStringLiteral("Majus kozepe"));
        });
        answer([](KodNevEditDialog* d) { d->setBackgroundColor(Qt::yellow); }); // same name: colours only
        answer([](KodNevEditDialog* d) { d->nevEdit->setText(QStringLiteral("Mas")); }, false);
        t->selectRow(2);
        t->nameCurrentPoint();
        QCOMPARE(t->model()->index(2, 4).data().toString(), QStringLiteral("Majus kozepe"));
        QCOMPARE(t->model()->index(3, 4).data().toString(), QStringLiteral("Junius"));
        t->nameCurrentPoint();
        t->nameCurrentPoint(); // cancelled: untouched
        QCOMPARE(names->rowCount(), 4);
        KodNev key;
        key.setCode("ABC");
        key.datedName.setDate(QDate(2024, 5, 15));
        QCOMPARE(names->entryAt(names->findValidAt(key)).backgroundColor, QColor(Qt::yellow));
        QVERIFY(!names->isModified());
    }
};

WYX_TEST_MAIN(TestLogArchive)
#include "tst_logarchive.moc"
