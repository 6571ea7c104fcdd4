// The shared save routine under every fault of its own file operations, on a full file
// system, through a symbolic link, and the regular-file guard of the readers.
#include "core/safesave.h"
#include "core/safesavebeside.h"
#include "support/actingas.h"
#include "support/hangwatchdog.h"
#include "support/killedsaves.h"
#include "support/leaseholder.h"
#include "support/otheruser.h"
#include "support/scriptedprompts.h"
#include "support/sourcetext.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using SafeSave::Op;

namespace {

// A link is judged by the file it names, read by that file's own path: the kernel may refuse
// to follow another user's link in a sticky folder (fs.protected_symlinks), even for root.
QString byOwnPath(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

// What a name holds; anything but a regular file is named, never opened (a FIFO would hang).
QByteArray readAll(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(byOwnPath(path)).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return "<" + QByteArray(S_ISDIR(st.st_mode) ? "folder" : S_ISFIFO(st.st_mode) ? "FIFO" : "device") + ">";
    QFile f(byOwnPath(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

QString busyText()
{
    return QCoreApplication::translate("SafeSave", "a program egy másik mentése éppen írja ezt a fájlt; próbálja újra később");
}

// Larger than one write chunk, so the save has a write of its own besides the flush.
QByteArray bigContent(char fill)
{
    return QByteArray(200 * 1024, fill);
}

std::function<bool(QIODevice&)> writing(const QByteArray& bytes)
{
    return [bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); };
}

struct Owner {
    uint uid, gid, mode;
    bool operator==(const Owner& o) const { return uid == o.uid && gid == o.gid && mode == o.mode; }
};

char* toString(const Owner& o)
{
    return qstrdup(qPrintable(QString::asprintf("%u:%u %o", o.uid, o.gid, o.mode)));
}

Owner ownerOf(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(byOwnPath(path)).constData(), &st) != 0)
        return {0, 0, 0};
    return {uint(st.st_uid), uint(st.st_gid), uint(st.st_mode & 07777)};
}

void giveTo(const QString& path, const Owner& o)
{
    QCOMPARE(::chown(QFile::encodeName(path).constData(), o.uid, o.gid), 0);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), o.mode), 0);
}

QStringList strayFiles(const QString& dir, const QStringList& keep)
{
    QStringList files = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& k : keep)
        files.removeAll(k);
    return files;
}

// What a name holds, in the words of the trap tests.
QString kindOf(const QString& path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return QStringLiteral("nothing");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("FIFO");
    if (S_ISDIR(st.st_mode))
        return QDir(path).isEmpty() ? QStringLiteral("folder") : QStringLiteral("folder, filled");
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("link to ") + QFileInfo(path).symLinkTarget();
    return QStringLiteral("file");
}

void placeTrap(const QString& path, const QString& trap)
{
    QFile::remove(path);
    const QByteArray name = QFile::encodeName(path);
    if (trap == QLatin1String("FIFO"))
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    else if (trap == QLatin1String("folder"))
        QCOMPARE(::mkdir(name.constData(), 0700), 0);
    else
        QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
}

// The versions a save leaves, named: "document new, backup old", with "waiting old" where the
// old version waits beside the backup (the backup's own last step failed: the backup is then
// as before, or cut where it was being written over).
QString versionsBeside(const QString& doc, const QMap<QByteArray, QString>& names)
{
    const auto name = [&](const QString& path) { return names.value(readAll(path), QStringLiteral("other")); };
    const QString bak = backupPathFor(doc);
    QStringList waiting;
    const QDir dir = QFileInfo(doc).dir();
    for (const QString& f : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString path = dir.filePath(f);
        if (path != doc && path != bak)
            waiting << name(path);
    }
    waiting.sort();
    return QStringLiteral("document %1, backup %2").arg(name(doc), name(bak))
           + (waiting.isEmpty() ? QString() : QStringLiteral(", waiting ") + waiting.join(QLatin1Char(' ')));
}

// What a save must leave: the new document with the old version as its backup (or waiting
// beside the untouched backup); after a failure, both as they were and nothing beside them.
bool keptLastTwo(const QString& state, bool saved)
{
    if (!saved)
        return state == QLatin1String("document old, backup older");
    return state.contains(QRegularExpression("^document new, (backup old(,|$)|.* waiting.* old\\b)"));
}

// Whether this row of the save walk runs in another part: ctest runs the walk in parts of
// its own (WYX_SAVE_WALK_PART "k/n": every n-th row from the k-th; any other value: none), each
// well within a test's time; run by hand, it runs whole. Counts the rows as they run.
bool walkRowRunsElsewhere()
{
    static int row = 0;
    const int index = row++;
    if (qEnvironmentVariableIsEmpty("WYX_SAVE_WALK_PART"))
        return false;
    const QStringList part = qEnvironmentVariable("WYX_SAVE_WALK_PART").split(QLatin1Char('/'));
    const int of = part.value(1).toInt();
    return of < 1 || index % of != part.at(0).toInt() - 1;
}

// The writers of the walks over what may lie under the document's or the backup's name,
// each with the open before which it is put there (0: there from the start), under each trap.
void addWriterRows(const QStringList& traps)
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("trap");
    QTest::addColumn<bool>("atBackup");
    QTest::addColumn<int>("beforeOpen");
    struct Row {
        const char* writer;
        bool atBackup;
        int beforeOpen;
    };
    // The opens of a save in place: the temporary, the old contents (read), their copy,
    // the temporary (read), the document (written over).
    const Row rows[] = {{"saveWithBackup", false, 0}, {"saveWithBackup", true, 0},
                        {"saveReplacing", false, 0},  {"appendToFile", false, 0},
                        {"appendToFile", false, 1},   {"backup copy", false, 2},
                        {"in place", false, 2},       {"in place", false, 5},
                        {"in place, no backup", false, 5}, {"moveToBackup", true, 0}};
    for (const QString& trap : traps) {
        for (const Row& r : rows)
            QTest::addRow("%s, %s %s, %s", r.writer, r.atBackup ? "backup" : "document",
                          r.beforeOpen ? qPrintable(QStringLiteral("before open %1").arg(r.beforeOpen)) : "at start",
                          qPrintable(trap))
                << r.writer << trap << r.atBackup << r.beforeOpen;
    }
}

// Runs a writer of the walks on the document "old", watching the trap's name for a hang. A
// save in place is made by giving the document another owner, a backup copy by failing the link.
void runWriter(const QString& writer, const QString& doc, const QString& trapPath, SafeSave::FaultScope& faults,
               SafeSave::Result& result)
{
    if (writer.startsWith(QLatin1String("in place"))) {
        giveTo(doc, {54321, 54322, 0660});
        faults.failNth(Op::Chown, 1, EPERM);
    }
    if (writer == QLatin1String("backup copy"))
        faults.failNth(Op::Link, 1, EPERM);
    HangWatchdog watchdog(trapPath);
    if (writer == QLatin1String("appendToFile"))
        result = appendToFile(doc, "new");
    else if (writer == QLatin1String("moveToBackup"))
        result = moveToBackup(doc);
    else if (writer == QLatin1String("saveReplacing") || writer.endsWith(QLatin1String("no backup")))
        saveReplacing(doc, writing("new"), &result);
    else
        saveWithBackup(doc, writing("new"), &result);
    QCOMPARE(watchdog.fired(), false);
}

} // namespace

class TestSafeSave : public QObject
{
    Q_OBJECT

private slots:
    // Every operation of a save, failed one at a time: the save either reports the failure
    // with the document and backup as they were, or has the new file in place.
    void everyFailedOperationKeepsOldFileAndBackup()
    {
        TestEnv env;
        const QString doc = env.path("doc.ewl");
        const QByteArray older = "older", old = bigContent('o'), fresh = bigContent('n');
        int total = 0;
        {
            writeFile(doc, old);
            writeFile(backupPathFor(doc), older);
            SafeSave::FaultScope faults;
            QVERIFY(saveWithBackup(doc, writing(fresh)));
            total = faults.operations();
            QCOMPARE(faults.operations(Op::Write), 1);
            QCOMPARE(faults.operations(Op::Link), 1);
            QCOMPARE(faults.operations(Op::Rename), 2);
            QCOMPARE(readAll(backupPathFor(doc)), old);
        }
        for (int i = 1; i <= total; ++i) {
            writeFile(doc, old);
            writeFile(backupPathFor(doc), older);
            SafeSave::FaultScope faults;
            faults.failAt(i);
            SafeSave::Result result;
            const bool saved = saveWithBackup(doc, writing(fresh), &result);
            // The last rename, of the backup: the document is saved, the old version waits
            // beside the untouched previous backup. A mode that cannot be set: the document
            // is written over in place.
            if (i == total)
                QCOMPARE(readAll(backupPathFor(doc) + ".tmp"), old);
            if (i == total || saved) {
                const QString state = versionsBeside(doc, {{fresh, "new"}, {old, "old"}, {older, "older"}});
                QVERIFY2(saved, qPrintable(QString::number(i)));
                QVERIFY2(keptLastTwo(state, saved), qPrintable(state));
                continue;
            }
            QVERIFY2(!saved, qPrintable(QString::number(i)));
            QVERIFY(!result.errorString.isEmpty());
            QCOMPARE(readAll(doc), old);
            QCOMPARE(readAll(backupPathFor(doc)), older);
            QCOMPARE(strayFiles(env.workDir(), {"doc.ewl", "doc.ewl.bak"}), QStringList());
        }
        // A stale ".bak.tmp" of an interrupted save is cleared by the next one.
        QVERIFY(saveWithBackup(doc, writing("again")));
        QCOMPARE(strayFiles(env.workDir(), {"doc.ewl", "doc.ewl.bak"}), QStringList());
        QCOMPARE(readAll(backupPathFor(doc)), fresh);
    }

    void failureKindNamesTheStep_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("failure");
        QTest::newRow("open") << int(Op::Open) << int(SafeSave::Failure::Open);
        QTest::newRow("write") << int(Op::Write) << int(SafeSave::Failure::Write);
        QTest::newRow("flush") << int(Op::Flush) << int(SafeSave::Failure::Write);
        QTest::newRow("fsync") << int(Op::Sync) << int(SafeSave::Failure::Write);
        QTest::newRow("close") << int(Op::Close) << int(SafeSave::Failure::Write);
        QTest::newRow("link") << int(Op::Link) << int(SafeSave::Failure::Replace);
        QTest::newRow("rename") << int(Op::Rename) << int(SafeSave::Failure::Replace);
    }

    void failureKindNamesTheStep()
    {
        QFETCH(int, op);
        QFETCH(int, failure);
        TestEnv env;
        const QString doc = env.path("a.kod");
        writeFile(doc, "old");
        SafeSave::FaultScope faults;
        faults.failNth(Op(op), 1, EIO);
        SafeSave::Result result;
        QVERIFY(!saveWithBackup(doc, writing(bigContent('x')), &result));
        QCOMPARE(int(result.failure), failure);
        QCOMPARE(result.errorString, qt_error_string(EIO));
        QCOMPARE(readAll(doc), QByteArray("old"));
    }

    // A write that fails after part of its bytes (a full disk) fails the save even when the
    // writer does not look at the device's answers.
    void shortWriteFailsEvenWhenTheWriterIgnoresIt()
    {
        TestEnv env;
        const QString doc = env.path("t.txt");
        writeFile(doc, "old text");
        SafeSave::FaultScope faults;
        faults.failNth(Op::Flush, 1, ENOSPC);
        faults.setShortWriteBytes(10);
        SafeSave::Result result;
        QVERIFY(!saveReplacing(
            doc, [](QIODevice& out) { out.write(QByteArray(100, 'n')); return true; }, &result));
        QCOMPARE(int(result.failure), int(SafeSave::Failure::Write));
        QCOMPARE(result.errorString, qt_error_string(ENOSPC));
        QCOMPARE(readAll(doc), QByteArray("old text"));
        QCOMPARE(strayFiles(env.workDir(), {"t.txt"}), QStringList());
    }

    void newFileGetsNoBackupAndKeepsNoTemporary()
    {
        TestEnv env;
        const QString doc = env.path("new.ewl");
        QVERIFY(saveWithBackup(doc, writing("first")));
        QCOMPARE(readAll(doc), QByteArray("first"));
        QCOMPARE(strayFiles(env.workDir(), {"new.ewl"}), QStringList());
        QVERIFY(saveReplacing(doc, writing("second")));
        QCOMPARE(strayFiles(env.workDir(), {"new.ewl"}), QStringList());
    }

    // A file system without hard links: the old file is copied to become the backup.
    void withoutHardLinksTheBackupIsACopy()
    {
        TestEnv env;
        const QString doc = env.path("v.ewl");
        writeFile(doc, "old");
        writeFile(backupPathFor(doc), "older");
        {
            SafeSave::FaultScope faults;
            faults.failNth(Op::Link, 1, EPERM);
            QVERIFY(saveWithBackup(doc, writing("new")));
        }
        QCOMPARE(readAll(doc), QByteArray("new"));
        QCOMPARE(readAll(backupPathFor(doc)), QByteArray("old"));
        // The copy failing too leaves everything as it was.
        SafeSave::FaultScope faults;
        faults.failNth(Op::Link, 1, EPERM);
        faults.failNth(Op::Sync, 2, EIO); // the copy's own fsync
        QVERIFY(!saveWithBackup(doc, writing("newer")));
        QCOMPARE(readAll(doc), QByteArray("new"));
        QCOMPARE(readAll(backupPathFor(doc)), QByteArray("old"));
        QCOMPARE(strayFiles(env.workDir(), {"v.ewl", "v.ewl.bak"}), QStringList());
    }

    void permissionsOfTheOldFileStay()
    {
        TestEnv env;
        const QString doc = env.path("p.txt");
        writeFile(doc, "old");
        QVERIFY(::chmod(QFile::encodeName(doc).constData(), 0640) == 0);
        QVERIFY(saveReplacing(doc, writing("new")));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(doc).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0640);
    }

    // Saving through a symbolic link keeps the link; the target's old contents become the
    // backup beside the target.
    void symbolicLinkStaysAndItsTargetIsBackedUp()
    {
        TestEnv env;
        QVERIFY(QDir(env.workDir()).mkpath("real"));
        const QString target = env.path("real/doc.ewl");
        const QString link = env.path("doc.ewl");
        writeFile(target, "old");
        QVERIFY(QFile::link(target, link));
        QVERIFY(saveWithBackup(link, writing("new")));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(target), QByteArray("new"));
        QCOMPARE(readAll(backupPathFor(target)), QByteArray("old"));
        QVERIFY(!QFileInfo::exists(backupPathFor(link)));

        // A failure leaves link, target and backup alone.
        SafeSave::FaultScope faults;
        faults.failNth(Op::Sync, 1);
        QVERIFY(!saveWithBackup(link, writing("newer")));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(target), QByteArray("new"));
        QCOMPARE(readAll(backupPathFor(target)), QByteArray("old"));
    }

    void folderOrFifoUnderTheNameIsNotReplaced()
    {
        TestEnv env;
        QVERIFY(QDir(env.workDir()).mkpath("dir.txt"));
        SafeSave::Result result;
        QVERIFY(!saveReplacing(env.path("dir.txt"), writing("x"), &result));
        QCOMPARE(int(result.failure), int(SafeSave::Failure::NotRegular));
        QVERIFY(QFileInfo(env.path("dir.txt")).isDir());
        QCOMPARE(::mkfifo(QFile::encodeName(env.path("pipe.kod")).constData(), 0600), 0);
        QVERIFY(!saveWithBackup(env.path("pipe.kod"), writing("x"), &result));
        QCOMPARE(int(result.failure), int(SafeSave::Failure::NotRegular));
    }

    // Every writer, with a FIFO, a folder or a link to a device under the document's or the
    // backup's name, there from the start or put there just before the writer opens the
    // file: refused at once, with the reason, leaving no temporary and the thing as it was;
    // only a save finding it under the backup's name goes through, keeping no backup.
    void writersRefuseWhatIsNoRegularFile_data()
    {
        addWriterRows({"FIFO", "folder", "link to /dev/zero"});
    }

    void writersRefuseWhatIsNoRegularFile()
    {
        QFETCH(QString, writer);
        QFETCH(QString, trap);
        QFETCH(bool, atBackup);
        QFETCH(int, beforeOpen);
        if (writer.startsWith(QLatin1String("in place")) && ::geteuid() != 0)
            QSKIP("a document of another owner needs root to make");
        TestEnv env;
        const QString doc = env.path("doc.erd");
        const QString trapPath = atBackup ? backupPathFor(doc) : doc;
        writeFile(doc, "old");
        SafeSave::FaultScope faults;
        if (beforeOpen == 0)
            placeTrap(trapPath, trap);
        else
            faults.runBefore(Op::Open, beforeOpen, [&] { placeTrap(trapPath, trap); });
        SafeSave::Result result;
        runWriter(writer, doc, trapPath, faults, result);
        if (QTest::currentTestFailed())
            return;
        // A save leaves what is under the backup's name and keeps its old version beside it.
        const bool goesThrough = atBackup && writer == QLatin1String("saveWithBackup");
        QCOMPARE(result.ok(), goesThrough);
        QCOMPARE(result.backupNotKept, goesThrough);
        QCOMPARE(result.errorString, goesThrough ? QString() : QCoreApplication::translate("SafeSave", "nem közönséges fájl (mappa, eszköz vagy FIFO)"));
        QCOMPARE(kindOf(trapPath), trap);
        QStringList beside;
        for (const QString& f : strayFiles(env.workDir(), {"doc.erd", "doc.erd.bak"}))
            beside << readAll(env.path(f));
        QCOMPARE(beside, goesThrough ? QStringList{"old"} : QStringList());
    }

    // The same writers and moments with another process holding a lease on the file, as a
    // file server does while a client has it open: the open waits for the lease to be given
    // up, as a plain open does, and the save goes through. A holder that never gives up
    // would hold the open for the kernel's lease-break-time (45 s); that is not waited for here.
    void writersWriteOverFileUnderLease_data()
    {
        addWriterRows({"read lease", "write lease"});
    }

    void writersWriteOverFileUnderLease()
    {
        QFETCH(QString, writer);
        QFETCH(QString, trap);
        QFETCH(bool, atBackup);
        QFETCH(int, beforeOpen);
        if (writer.startsWith(QLatin1String("in place")) && ::geteuid() != 0)
            QSKIP("a document of another owner needs root to make");
        TestEnv env;
        const QString doc = env.path("doc.erd");
        const QString trapPath = atBackup ? backupPathFor(doc) : doc;
        writeFile(doc, "old");
        if (atBackup)
            writeFile(trapPath, "older");
        writeFile(env.path("probe"), "");
        const QString why = LeaseHolder(env.path("probe"), LeaseHolder::Read).unavailable();
        if (!why.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no lease can be taken here: ") + why));
        SafeSave::FaultScope faults;
        std::unique_ptr<LeaseHolder> holder;
        const auto takeLease = [&] {
            holder.reset(new LeaseHolder(trapPath, trap == QLatin1String("read lease") ? LeaseHolder::Read
                                                                                      : LeaseHolder::Write));
        };
        if (beforeOpen == 0)
            takeLease();
        else
            faults.runBefore(Op::Open, beforeOpen, takeLease);
        SafeSave::Result result;
        runWriter(writer, doc, trapPath, faults, result);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(holder);
        // A save holds its document open from its start: then nobody gets a write lease on it.
        const bool refused = beforeOpen && !atBackup && trap == QLatin1String("write lease");
        QCOMPARE(holder->unavailable().isEmpty(), !refused);
        QCOMPARE(result.errorString, QString());
        const bool keepsBackup = writer != QLatin1String("saveReplacing") && writer != QLatin1String("appendToFile")
                                 && !writer.endsWith(QLatin1String("no backup"));
        QCOMPARE(readAll(doc), writer == QLatin1String("appendToFile") ? QByteArray("oldnew")
                               : writer == QLatin1String("moveToBackup") ? QByteArray("<missing>")
                                                                         : QByteArray("new"));
        QCOMPARE(readAll(backupPathFor(doc)), keepsBackup ? QByteArray("old") : QByteArray("<missing>"));
        QCOMPARE(strayFiles(env.workDir(), {"doc.erd", "doc.erd.bak", "probe"}), QStringList());
    }

    // Where the backup's name holds what no save may replace, every save leaves its old version
    // waiting; each saver's earlier waiting copies go, also root's, which it gave the owner.
    void waitingCopiesStayOneASaver()
    {
        if (::geteuid() != 0)
            QSKIP("a document of another owner needs root to make");
        TestEnv env;
        const QString doc = env.path("doc.erd");
        writeFile(doc, "old");
        giveTo(doc, {64331, 64331, 0660});
        placeTrap(backupPathFor(doc), "FIFO");
        for (const char* text : {"one", "two", "three"})
            QVERIFY(saveWithBackup(doc, writing(text)));
        QCOMPARE(strayFiles(env.workDir(), {"doc.erd"}).filter(".bak.tmp").size(), 1);
    }

    // A marker names its document by its inode number and birth, never by the device (which
    // changes where a disk comes back under another number): one of a file gone, whose inode
    // number the document got, holds no version of it; the document may then be cut, so it is
    // set aside beside the backup, which stays, and the save says so.
    void aMarkerNamesItsDocumentForGood_data()
    {
        QTest::addColumn<bool>("sameBirth");
        QTest::addColumn<QByteArray>("backup");
        QTest::newRow("disk back under another number") << true << QByteArray("whole");
        QTest::newRow("inode number taken again") << false << QByteArray("older");
    }

    void aMarkerNamesItsDocumentForGood()
    {
        QFETCH(bool, sameBirth);
        QFETCH(QByteArray, backup);
        TestEnv env;
        const QString doc = env.path("doc.erd");
        writeFile(doc, "cut");
        writeFile(backupPathFor(doc), "older");
        writeFile(env.path("doc.erd.k3z.bak.kept"), "whole"); // the marker's copy of the version
        QByteArray header("WYX-KEEP");
        for (const QString& name : {doc, env.path("doc.erd.k3z.bak.kept")}) {
            struct statx st;
            QCOMPARE(::statx(AT_FDCWD, QFile::encodeName(name).constData(), 0, STATX_INO | STATX_BTIME, &st), 0);
            for (const quint64 n : {quint64(st.stx_ino), quint64(st.stx_btime.tv_sec) * 1000000000u + st.stx_btime.tv_nsec
                                                             + (sameBirth || name != doc ? 0 : 1)})
                header += QByteArray(reinterpret_cast<const char*>(&n), 8);
        }
        const quint64 length = 5;
        writeFile(env.path("doc.erd.k3z.bak.keep"), header + QByteArray(reinterpret_cast<const char*>(&length), 8));
        SafeSave::Result result;
        QVERIFY(saveWithBackup(doc, writing("new"), &result));
        QCOMPARE(readAll(backupPathFor(doc)), backup);
        QCOMPARE(result.backupNotKept, !sameBirth);
        QStringList beside = strayFiles(env.workDir(), {"doc.erd", "doc.erd.bak"});
        QCOMPARE(beside.size(), sameBirth ? 0 : 1);
        if (!sameBirth)
            QCOMPARE(readAll(env.path(beside.value(0))), QByteArray("cut"));
    }

    // Anyone who may read a document may lock it, in every way the system offers: no such
    // lock delays or refuses a writer, which takes turns with other saves elsewhere.
    void readersLocksNeverStopAWriter_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("trap");
        for (const char* writer : {"saveWithBackup", "saveReplacing", "appendToFile", "moveToBackup", "in place"}) {
            for (const char* trap : {"shared flock", "exclusive flock", "read lock"})
                QTest::addRow("%s, %s", writer, trap) << writer << trap;
        }
    }

    void readersLocksNeverStopAWriter()
    {
        QFETCH(QString, writer);
        QFETCH(QString, trap);
        if (writer.startsWith(QLatin1String("in place")) && ::geteuid() != 0)
            QSKIP("a document of another owner needs root to make");
        TestEnv env;
        const QString doc = env.path("doc.erd");
        writeFile(doc, "old");
        SafeSave::FaultScope faults;
        faults.setBusyWait(0);
        QFile reader(doc);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        struct flock range = {};
        range.l_type = F_RDLCK;
        const int fd = reader.handle();
        QCOMPARE(trap == "read lock" ? ::fcntl(fd, F_OFD_SETLK, &range)
                                     : ::flock(fd, trap == "shared flock" ? LOCK_SH : LOCK_EX),
                 0);
        SafeSave::Result result;
        runWriter(writer, doc, doc, faults, result);
        QCOMPARE(result.errorString, QString());
        QCOMPARE(readAll(doc), writer == QLatin1String("appendToFile") ? QByteArray("oldnew")
                               : writer == QLatin1String("moveToBackup") ? QByteArray("<missing>")
                                                                         : QByteArray("new"));
        QCOMPARE(strayFiles(env.workDir(), {"doc.erd", "doc.erd.bak"}), QStringList());
    }

    // A save works in the folder its path led to as it began: ".." after a link is the parent
    // of the link's target, and a stranger's folder on the way, swapped for a link to the
    // user's private folder meanwhile, leads nowhere else.
    void aSaveWorksInTheFolderItsPathLedTo_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<bool>("swapped");
        for (const char* writer : {"saveWithBackup", "saveReplacing", "appendToFile", "moveToBackup"}) {
            QTest::addRow("%s, through a link and ..", writer) << writer << false;
            QTest::addRow("%s, folder swapped", writer) << writer << true;
        }
    }

    void aSaveWorksInTheFolderItsPathLedTo()
    {
        QFETCH(QString, writer);
        QFETCH(bool, swapped);
        if (swapped && ::geteuid() != 0)
            QSKIP("a stranger's folder needs root to make");
        const uint user = 64331, stranger = 64333;
        SharedTempDir top;
        const QString shared = top.filePath("shared"), own = top.filePath("own");
        const QString where = swapped ? shared + "/box.old" : top.filePath("real");
        QVERIFY(QDir().mkpath(swapped ? shared + "/box" : where + "/sub"));
        QVERIFY(QDir().mkdir(own));
        writeFile(own + "/doc.erd", "private");
        writeFile(swapped ? shared + "/box/doc.erd" : where + "/doc.erd", "old");
        SafeSave::FaultScope faults;
        if (swapped) {
            QVERIFY(::chmod(QFile::encodeName(top.path()).constData(), 0711) == 0);
            giveTo(shared, {0, 0, 01777});
            giveTo(shared + "/box", {stranger, stranger, 0777});
            giveTo(shared + "/box/doc.erd", {user, user, 0600});
            giveTo(own, {user, user, 0700});
            giveTo(own + "/doc.erd", {user, user, 0600});
            faults.runAt(1, [&] { // the stranger, once the path was walked
                const uid_t acting = ::geteuid();
                ::setresuid(0, 0, 0);
                QVERIFY(QFile::rename(shared + "/box", where));
                QVERIFY(QFile::link(own, shared + "/box"));
                QCOMPARE(::lchown(QFile::encodeName(shared + "/box").constData(), stranger, stranger), 0);
                ::setresuid(acting, acting, 0);
            });
        } else {
            QVERIFY(QFile::link(where + "/sub", own + "/dl"));
        }
        SafeSave::Result result;
        {
            std::unique_ptr<ActingAs> as(swapped ? new ActingAs(user, user, user) : nullptr);
            const QString doc = swapped ? shared + "/box/doc.erd" : own + "/dl/../doc.erd";
            runWriter(writer, doc, doc, faults, result);
        }
        QCOMPARE(result.errorString, QString());
        QCOMPARE(readAll(own + "/doc.erd"), QByteArray("private"));
        QCOMPARE(readAll(where + "/doc.erd"), writer == "appendToFile"   ? QByteArray("oldnew")
                                              : writer == "moveToBackup" ? QByteArray("<missing>")
                                                                         : QByteArray("new"));
        QCOMPARE(strayFiles(own, {"doc.erd", "dl"}), QStringList());
    }

    // A document the user may not write is refused and kept, by every kind of save: the
    // temporary and the rename would otherwise replace it. Root may write anything, so the
    // check is also simulated.
    void writeProtectedDocumentIsKept_data()
    {
        QTest::addColumn<int>("save"); // 0 with a backup, 1 replacing, 2 appending
        QTest::addColumn<bool>("simulated");
        for (bool simulated : {true, false}) {
            const char* how = simulated ? "simulated" : "mode 0444";
            QTest::addRow("backup, %s", how) << 0 << simulated;
            QTest::addRow("replacing, %s", how) << 1 << simulated;
            QTest::addRow("appending, %s", how) << 2 << simulated;
        }
    }

    void writeProtectedDocumentIsKept()
    {
        QFETCH(int, save);
        QFETCH(bool, simulated);
        if (!simulated && ::geteuid() == 0)
            QSKIP("root may write a read-only file");
        TestEnv env;
        const QString doc = env.path("doc.erd");
        writeFile(doc, "old");
        QVERIFY(QFile::setPermissions(doc, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        SafeSave::FaultScope faults;
        if (simulated)
            faults.failNth(Op::Access, 1, EACCES);
        SafeSave::Result result;
        if (save == 0)
            saveWithBackup(doc, writing("new"), &result);
        else if (save == 1)
            saveReplacing(doc, writing("new"), &result);
        else
            result = appendToFile(doc, "new");
        QCOMPARE(int(result.failure), int(SafeSave::Failure::Open));
        QCOMPARE(result.errorString, qt_error_string(EACCES));
        QCOMPARE(readAll(doc), QByteArray("old"));
        QCOMPARE(strayFiles(env.workDir(), {"doc.erd"}), QStringList());
    }

    // Appending: every failure leaves exactly the old contents.
    void appendKeepsOldRecordsUnderEveryFault()
    {
        TestEnv env;
        const QString doc = env.path("S-1.txt");
        const QByteArray old = "record 1\r\n", added = "record 2\r\n";
        int total = 0;
        {
            writeFile(doc, old);
            SafeSave::FaultScope faults;
            QVERIFY(appendToFile(doc, added).ok());
            total = faults.operations();
            QCOMPARE(readAll(doc), old + added);
        }
        for (int i = 1; i <= total; ++i) {
            writeFile(doc, old);
            SafeSave::FaultScope faults;
            faults.failAt(i);
            faults.setShortWriteBytes(4);
            const SafeSave::Result result = appendToFile(doc, added);
            QVERIFY2(!result.ok(), qPrintable(QString::number(i)));
            QCOMPARE(readAll(doc), old);
        }
        // A history that did not exist is not left behind empty.
        SafeSave::FaultScope faults;
        faults.failNth(Op::Write, 1);
        QVERIFY(!appendToFile(env.path("S-2.txt"), added).ok());
        QVERIFY(!QFileInfo::exists(env.path("S-2.txt")));
    }

    void readersOpenOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("folder") << "folder";
        QTest::newRow("device") << "device";
    }

    void readersOpenOnlyRegularFiles()
    {
        QFETCH(QString, kind);
        TestEnv env;
        QString path = env.path("x.ewl");
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir(env.workDir()).mkpath("x.ewl"));
        else
            path = QStringLiteral("/dev/zero");
        QFile file(path);
        QElapsedTimer timer;
        timer.start();
        const QString error = openRegularFile(file);
        QVERIFY(!error.isEmpty());
        QVERIFY(!file.isOpen());
        QVERIFY(timer.elapsed() < 5000); // a blocked open never returns at all
    }

    void regularFileOpensForReading()
    {
        TestEnv env;
        writeFile(env.path("r.txt"), "text");
        QFile file(env.path("r.txt"));
        QCOMPARE(openRegularFile(file), QString());
        QCOMPARE(file.readAll(), QByteArray("text"));
        QFile missing(env.path("none.txt"));
        QCOMPARE(openRegularFile(missing), qt_error_string(ENOENT));
    }

    // Root saving a user's document leaves it the user's, by both kinds of save.
    void rootsSaveKeepsOwnerAndGroup_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::newRow("with a backup") << true;
        QTest::newRow("replacing") << false;
    }

    void rootsSaveKeepsOwnerAndGroup()
    {
        QFETCH(bool, backup);
        if (::geteuid() != 0)
            QSKIP("only root may give a file to another user");
        TestEnv env;
        const QString doc = env.path("kodlista.kod");
        const Owner user{54321, 54322, 0640};
        writeFile(doc, "old");
        giveTo(doc, user);
        QVERIFY(backup ? saveWithBackup(doc, writing("new")) : saveReplacing(doc, writing("new")));
        QCOMPARE(readAll(doc), QByteArray("new"));
        QCOMPARE(ownerOf(doc), user);
    }

    // Where the new file may not take the old one's owner, the document is written over in
    // place: under every single fault the owner stays, and the document is old or new whole.
    void documentWrittenInPlaceUnderEveryFault_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::newRow("with a backup") << true;
        QTest::newRow("replacing") << false;
    }

    void documentWrittenInPlaceUnderEveryFault()
    {
        QFETCH(bool, backup);
        if (::geteuid() != 0)
            QSKIP("a document of another owner needs root to make");
        TestEnv env;
        const QString doc = env.path("doc.erd");
        const Owner user{54321, 54322, 0660};
        // The new contents are shorter: the document must end where they do.
        const QByteArray older = "older", old = bigContent('o'), fresh(100 * 1024, 'n');
        const auto save = [&](SafeSave::Result* result) {
            return backup ? saveWithBackup(doc, writing(fresh), result) : saveReplacing(doc, writing(fresh), result);
        };
        int total = 0;
        {
            writeFile(doc, old);
            giveTo(doc, user);
            writeFile(backupPathFor(doc), older);
            SafeSave::FaultScope faults;
            faults.failNth(Op::Chown, 1, EPERM);
            QVERIFY(save(nullptr));
            total = faults.operations();
            QCOMPARE(readAll(doc), fresh);
            QCOMPARE(readAll(backupPathFor(doc)), backup ? old : older);
            QCOMPARE(ownerOf(doc), user);
            QCOMPARE(strayFiles(env.workDir(), {"doc.erd", "doc.erd.bak"}), QStringList());
        }
        for (int i = 1; i <= total; ++i) {
            writeFile(doc, old);
            giveTo(doc, user);
            writeFile(backupPathFor(doc), older);
            SafeSave::FaultScope faults;
            faults.failNth(Op::Chown, 1, EPERM);
            faults.failAt(i);
            faults.setShortWriteBytes(1000);
            SafeSave::Result result;
            const QString step = QString::number(i);
            QCOMPARE(ownerOf(doc), user);
            if (save(&result)) {
                const QString state = versionsBeside(doc, {{fresh, "new"}, {old, "old"}, {older, "older"}});
                QVERIFY2(backup ? keptLastTwo(state, true) : state.startsWith("document new, backup older"),
                         qPrintable(step + ": " + state));
                continue;
            }
            QVERIFY2(!result.errorString.isEmpty(), qPrintable(step));
            QCOMPARE(readAll(doc), old);
            QCOMPARE(strayFiles(env.workDir(), {"doc.erd", "doc.erd.bak"}), QStringList());
        }
    }

    // Another user of the document's group saves it in a shared folder: the document stays
    // its owner's and its group's, so both can go on saving it.
    void anotherUsersSaveKeepsOwnerAndGroup()
    {
        OtherUser other;
        if (!other.unavailable().isEmpty())
            QSKIP(qPrintable(other.unavailable()));
        SharedTempDir root;
        QVERIFY(QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ExeGroup | QFile::ExeOther));
        const QString shared = root.filePath("shared");
        QVERIFY(QDir().mkdir(shared));
        giveTo(shared, {0, other.uid(), 0770});
        const QString doc = shared + "/terv.erd";
        const Owner owner{other.uid() + 1, other.uid(), 0660};
        writeFile(doc, "A's");
        giveTo(doc, owner);
        for (const QString text : {"B's", "B's again"}) {
            QCOMPARE(other.run({"save", doc, text}), QByteArray());
            QCOMPARE(readAll(doc), text.toUtf8());
            QCOMPARE(ownerOf(doc), owner);
        }
        QCOMPARE(readAll(backupPathFor(doc)), QByteArray("B's"));
        QCOMPARE(strayFiles(shared, {"terv.erd", "terv.erd.bak"}), QStringList());
    }

    // Both paths of a save (the owner's rename, another user's write in place), failed or
    // killed (in a child) at every step, then saved by each party that may write the document:
    // owner, another user of its group, root, the owner starting afresh. The backup is then the
    // last whole version, readable by the owner and by nobody the mode excludes, or the save
    // says why it kept none; the party leaves nothing beside the document.
    void everyStepOfBothPathsKeepsTheLastTwoVersions_data()
    {
        QTest::addColumn<bool>("sticky");
        QTest::addColumn<uint>("mode");
        QTest::addColumn<QString>("group"); // the document's: "shared", "owner's own", "other's own"
        QTest::addColumn<bool>("ownerInGroup");
        // "owner's", "other's", "other's link", or a stranger's FIFO, folder or link to a folder or file
        QTest::addColumn<QString>("backup");
        QTest::addColumn<QString>("notice"); // who cannot keep a backup even after a whole save
        // Put beside the document after the first save by someone who may not write it: a
        // "marker" naming the document (the stranger's, the "reader's" of a 0640 document, an
        // unknown user's in the document's group, a file of the owner's that the reader linked
        // there, or another document's), a "void note" or a "neighbour" "<file>.<random>"
        // beside each standing marker, or a stranger's file "swapped" under the marker's name
        // while the next save runs. Or a "second save" of the first saver's, run whole at
        // each step of the first.
        QTest::addColumn<QString>("planted");
        QTest::newRow("group's folder") << false << 0660u << "shared" << true << "owner's" << "" << "";
        QTest::newRow("sticky folder") << true << 0660u << "shared" << true << "owner's" << "" << "";
        QTest::newRow("owner outside the group") << true << 0660u << "shared" << false << "owner's" << "other" << "";
        QTest::newRow("owner outside the group, 0640") << true << 0640u << "shared" << false << "owner's" << "" << "";
        QTest::newRow("the owner's own group") << true << 0640u << "owner's own" << true << "owner's" << "" << "";
        QTest::newRow("the other's own group") << true << 0660u << "other's own" << false << "owner's" << "other" << "";
        QTest::newRow("private, other's backup") << true << 0600u << "shared" << true << "other's" << "owner root" << "";
        QTest::newRow("owner's backup wider than the document") << true << 0640u << "shared" << true << "owner's, 0660" << "" << "";
        QTest::newRow("other's backup a link") << true << 0660u << "shared" << true << "other's link" << "owner other root" << "";
        QTest::newRow("stranger's marker") << true << 0660u << "shared" << true << "owner's" << "" << "marker";
        QTest::newRow("reader's marker") << true << 0640u << "shared" << true << "owner's" << "" << "reader's marker";
        QTest::newRow("stranger's void note") << true << 0660u << "shared" << true << "owner's" << "" << "void note";
        QTest::newRow("stranger's neighbour") << true << 0660u << "shared" << true << "owner's" << "" << "neighbour";
        for (const char* whose : {"unknown user's", "linked"})
            QTest::addRow("%s marker", whose) << true << (whose[0] == 'l' ? 0640u : 0660u) << "shared" << true << "owner's"
                                              << "" << QString(whose) + " marker";
        // A writer's: the document may be cut, so it is set aside and the backup kept.
        QTest::newRow("another document's marker")
            << true << 0660u << "shared" << true << "owner's" << "owner anew other root" << "another document's marker";
        QTest::newRow("marker swapped") << true << 0660u << "shared" << true << "owner's" << "" << "swapped";
        QTest::newRow("stranger's writable backup")
            << true << 0664u << "shared" << true << "stranger's file" << "owner other root" << "";
        QTest::newRow("second save") << true << 0660u << "shared" << true << "owner's" << "" << "second save";
        for (const char* thing : {"FIFO", "folder", "link to a folder", "link to a file"})
            QTest::addRow("stranger's %s as the backup", thing)
                << true << 0660u << "shared" << true << QString("stranger's ") + thing << "owner other root" << "";
    }

    void everyStepOfBothPathsKeepsTheLastTwoVersions()
    {
        if (walkRowRunsElsewhere())
            QSKIP("this row runs in another part of the walk");
        QFETCH(bool, sticky);
        QFETCH(uint, mode);
        QFETCH(QString, group);
        QFETCH(bool, ownerInGroup);
        QFETCH(QString, backup);
        QFETCH(QString, notice);
        QFETCH(QString, planted);
        if (::geteuid() != 0)
            QSKIP("acting as two users needs root");
        const gid_t shared = 64330;
        struct Party {
            const char* name;
            uid_t uid; // also its own group
            gid_t group;
            bool anew = false; // moves the document to its backup, then saves it afresh
        };
        const Party owner{"owner", 64331, ownerInGroup ? shared : 64331}, other{"other", 64332, shared};
        const Party root{"root", 0, 0}, anew{"owner anew", owner.uid, owner.group, true};
        const Party stranger{"stranger", 64333, 64333}, planter = planted.startsWith("reader") ? other : stranger;
        const gid_t docGroup = group == "shared" ? shared : group == "owner's own" ? owner.uid : other.uid;
        if (!ActingAs(owner.uid, owner.uid, shared).ok())
            QSKIP("this process cannot take another user's ids here");
        // On a tmpfs where one can be mounted: thousands of saves, each synced.
        SharedTempDir root_;
        const QByteArray where = QFile::encodeName(root_.path());
        ::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64m,mode=0711");
        const auto unmount = qScopeGuard([&] { ::umount2(where.constData(), MNT_DETACH); });
        QVERIFY(::chmod(where.constData(), 0711) == 0);
        const QString dir = root_.filePath("shared"), victim = root_.filePath("victim");
        QVERIFY(QDir().mkdir(dir));
        giveTo(dir, sticky ? Owner{0, 0, 01777} : Owner{0, shared, 0770});
        const QString doc = dir + "/terv.erd", bak = backupPathFor(doc);
        const Owner kept{owner.uid, docGroup, mode};
        const QByteArray older = "older", old = bigContent('o'), fresh(100 * 1024, 'n'), again = "again", last = "last";
        const QMap<QByteArray, QString> names{{older, "older"}, {old, "old"}, {fresh, "new"}, {again, "again"},
                                              {last, "last"}, {"planted", "planted"}, {"second", "second"},
                                              // a stranger's thing under the backup's name stays there
                                              {"<FIFO>", "older"}, {"<folder>", "older"}};
        const auto inGroup = [](const Party& p, gid_t gid) { return gid == p.uid || gid == p.group; };
        const auto mayRead = [&](const Owner& f, const Party& p) {
            return p.uid == f.uid || ((f.mode & 040) && inGroup(p, f.gid)) || (f.mode & 04);
        };
        const bool otherWrites = (mode & 020) && inGroup(other, docGroup);
        // Saves as who, failing step; with kill, in a helper's child that ends there; with a second save,
        // running that whole there. Whether it saved, and its steps. meanwhile: done before its second open.
        SafeSave::Result second;
        KilledSaves killed;
        QString killedAt;
        const auto saveAs = [&](const Party& who, const QByteArray& text, SafeSave::Result* result, int step, bool kill,
                                std::function<void()> meanwhile = {}) {
            if (kill) {
                KilledSaves::Save save{doc, text, step, who.uid, who.group, who.anew, 1000, {}};
                for (const Party* p : {&owner, &other, &stranger})
                    save.userGroups[p->uid] = {p->uid, p->group};
                killedAt = killed.run(save);
                return std::make_pair(false, 0);
            }
            ActingAs as(who.uid, who.uid, who.group);
            SafeSave::FaultScope faults;
            for (const Party* p : {&owner, &other, &stranger})
                faults.setUserGroups(p->uid, {p->uid, p->group});
            faults.setBusyWait(0);
            if (step && planted == "second save")
                faults.runAt(step, [&] { saveWithBackup(doc, writing("second"), &second); });
            else if (step)
                faults.failAt(step);
            if (meanwhile)
                faults.runBefore(Op::Open, 2, meanwhile);
            faults.setShortWriteBytes(1000);
            const SafeSave::Result moved = who.anew ? moveToBackup(doc) : SafeSave::Result();
            const bool saved = as.ok() && moved.ok() && saveWithBackup(doc, writing(text), result);
            if (result)
                result->backupNotKept = result->backupNotKept || moved.backupNotKept;
            return std::make_pair(saved, faults.operations());
        };
        const auto prepare = [&] {
            for (const QString& f : QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
                QFile::remove(dir + '/' + f) || QDir(dir).rmdir(f);
            writeFile(doc, old);
            giveTo(doc, kept);
            writeFile(victim, older); // another file of the owner's, where a link may point
            giveTo(victim, {owner.uid, owner.uid, 0600});
            if (backup == "other's link" || (backup.startsWith("stranger's") && backup != "stranger's file")) {
                const QByteArray name = QFile::encodeName(bak);
                if (backup.endsWith("FIFO"))
                    QCOMPARE(::mkfifo(name.constData(), 0644), 0);
                else if (backup.endsWith("folder") && !backup.contains("link"))
                    QCOMPARE(::mkdir(name.constData(), 0755), 0);
                else
                    QVERIFY(QFile::link(backup.contains("folder") ? root_.path() : victim, bak));
                const Party& by = backup == "other's link" ? other : stranger;
                QCOMPARE(::lchown(name.constData(), by.uid, by.uid), 0);
                return;
            }
            writeFile(bak, older);
            giveTo(bak, backup == "owner's"   ? kept
                        : backup == "owner's, 0660" ? Owner{owner.uid, docGroup, 0660}
                        : backup == "other's" ? Owner{other.uid, shared, 0660}
                                              : Owner{stranger.uid, stranger.uid, 0666});
        };
        const auto markerOf = [](const QString& path, const QByteArray& version) {
            return SafeSave::markerBytes(SafeSave::documentId(AT_FDCWD, QFile::encodeName(path)), SafeSave::DocumentId(),
                                         quint64(version.size()));
        };
        for (const Party* saver : {&owner, &other}) {
            if (saver == &other && !otherWrites)
                continue;
            prepare();
            const int total = saveAs(*saver, fresh, nullptr, 0, false).second;
            for (const bool kill : {false, true}) {
                for (int i = 1; i <= total + 1; ++i) {
                    for (const Party* next : {&owner, &other, &root, &anew}) {
                        if ((next == &other && !otherWrites) || (next->anew && backup != "owner's"))
                            continue;
                        prepare();
                        const QString bakKind = kindOf(bak);
                        SafeSave::Result result;
                        second.errorString = "<not run>";
                        const bool saved = saveAs(*saver, fresh, &result, i, kill).first;
                        const QString left = names.value(readAll(doc), "cut");
                        const QByteArray bakBefore = readAll(bak);
                        const QString step = QStringLiteral("%1's save %2 step %3 of %4 (document %5), then %6 saves: ")
                                                 .arg(saver->name, kill ? "killed at" : "failed at")
                                                 .arg(i).arg(total).arg(left, next->name);
                        if (kill) // the child ended there, or saved whole past the last step
                            QVERIFY2(killedAt == (i > total ? "ended" : "killed"), qPrintable(step + killedAt));
                        if (!kill) {
                            const QString state = versionsBeside(doc, names);
                            // A second save at once is refused with the reason, or ran whole before the
                            // first began: then it is the backup.
                            const bool secondRan = planted == "second save" && second.errorString != busyText()
                                                   && second.errorString != "<not run>";
                            QVERIFY2(secondRan ? state.startsWith("document new, backup second")
                                               : keptLastTwo(state, saved),
                                     qPrintable(step + state));
                            QCOMPARE(saved, result.errorString.isEmpty());
                            QCOMPARE(ownerOf(doc), kept);
                        }
                        QMap<QString, QByteArray> planting;
                        Owner by{planter.uid, planter.uid, planter.uid == other.uid ? 0600u : 0644u};
                        if (planted.endsWith("marker"))
                            planting["terv.erd.p1a.bak.keep"] =
                                markerOf(planted.startsWith("another") ? victim : doc, "planted");
                        if (planted.startsWith("unknown"))
                            by = {64339, shared, 0640};
                        else if (planted.startsWith("linked") || planted.startsWith("another"))
                            by = {owner.uid, docGroup, planted.startsWith("linked") ? 0660u : mode};
                        for (const QString& f : QDir(dir).entryList({"*.bak.keep"}, QDir::Files)) {
                            const QString name = planted == "void note" ? f.chopped(4) + "done" : f.chopped(9);
                            const bool beside = planted == "void note" || planted == "neighbour";
                            if (beside && !QFileInfo::exists(dir + '/' + name))
                                planting[name] = "planted";
                        }
                        bool done = false;
                        const auto plant = [&] {
                            done = true;
                            const uid_t acting = ::geteuid(); // the third party acts as root, between two steps
                            ::setresuid(0, 0, 0);
                            const auto back = qScopeGuard([&] { ::setresuid(acting, acting, 0); });
                            for (auto it = planting.cbegin(); it != planting.cend(); ++it) {
                                QFile::remove(dir + '/' + it.key());
                                writeFile(dir + '/' + it.key(), it.value());
                                giveTo(dir + '/' + it.key(), by);
                            }
                        };
                        if (planted == "swapped") {
                            for (const QString& f : QDir(dir).entryList({"*.bak.keep"}, QDir::Files))
                                planting[f] = "planted";
                        } else {
                            plant();
                        }
                        const bool savedNext =
                            saveAs(*next, again, &result, 0, false, planted == "swapped" ? plant : std::function<void()>()).first;
                        // A save without a second open had nothing swapped.
                        const QStringList plants = done ? planting.keys() : QStringList();
                        QVERIFY2(savedNext, qPrintable(step + result.errorString));
                        if (bakKind != "file") // left as it is, even where the kernel will not look through it
                            QCOMPARE(kindOf(bak), bakKind);
                        QCOMPARE(readAll(doc), again);
                        if (!next->anew)
                            QCOMPARE(ownerOf(doc), kept);
                        QCOMPARE(readAll(victim), older);
                        if (result.backupNotKept) {
                            // Only where this party can keep none, or the last whole version lies in
                            // a copy it cannot read.
                            bool unreadableCopy = false;
                            for (const QString& f : QDir(dir).entryList({"*.bak.keep"}, QDir::Files))
                                unreadableCopy = unreadableCopy || (!plants.contains(f) && !mayRead(ownerOf(dir + '/' + f), *next));
                            QVERIFY2(notice.contains(next->name) || unreadableCopy, qPrintable(step));
                            if (!next->anew)
                                QCOMPARE(readAll(bak), bakBefore);
                        } else {
                            const QString want = kill ? (left == "new" ? "new|old" : "old") : saved ? "new" : "old";
                            QVERIFY2(want.split('|').contains(names.value(readAll(bak))),
                                     qPrintable(step + "backup " + names.value(readAll(bak), "cut")));
                            const Owner b = ownerOf(bak);
                            const QByteArray why = (step + QString::asprintf("%u:%u %o", b.uid, b.gid, b.mode)).toUtf8();
                            QVERIFY2(mayRead(b, owner), why.constData());
                            QVERIFY2(!mayRead(b, other) || mayRead(kept, other), why.constData());
                            QVERIFY2(!(b.mode & 02) || (kept.mode & 02), why.constData());
                        }
                        // Of this party's, only a version that could not take the backup's name may
                        // stay, and notes voiding others' copies.
                        QStringList own;
                        for (const QString& f : strayFiles(dir, {"terv.erd", "terv.erd.bak"})) {
                            const QString marker = QString(f).remove(QRegularExpression("-[0-9a-z]+(?=\\.bak\\.done$)")).chopped(4) + "keep";
                            if (ownerOf(dir + '/' + f).uid == next->uid && !plants.contains(f)
                                && !(f.endsWith(".bak.done") && QFileInfo::exists(dir + '/' + marker)))
                                own << f;
                        }
                        QVERIFY2(own.size() <= (result.backupNotKept ? 1 : 0), qPrintable(step + own.join(' ')));
                        // What was planted is never trusted, removed or written through; the next
                        // save still keeps the one before it.
                        // A writer's marker that names no document there is goes once it is dealt with.
                        for (const QString& f : plants)
                            QVERIFY2(readAll(dir + '/' + f) == planting.value(f)
                                         || (by.uid == next->uid && !QFileInfo::exists(dir + '/' + f)),
                                     qPrintable(step + f));
                        if (!plants.isEmpty()) {
                            QVERIFY2(saveAs(*next, last, &result, 0, false).first, qPrintable(step + result.errorString));
                            QCOMPARE(names.value(readAll(bak)), QString("again"));
                        }
                    }
                }
            }
        }
    }

    // Adding to another user's file in a sticky folder, as root or as a member of its group:
    // the kernel may refuse such an open with O_CREAT (fs.protected_regular), even to root.
    void appendingToAnotherUsersFileInAStickyFolder_data()
    {
        QTest::addColumn<uint>("folderMode");
        QTest::addColumn<bool>("asMember");
        QTest::newRow("world-writable, root") << 01777u << false;
        QTest::newRow("world-writable, member") << 01777u << true;
        QTest::newRow("group-writable, root") << 01770u << false;
        QTest::newRow("group-writable, member") << 01770u << true;
    }

    void appendingToAnotherUsersFileInAStickyFolder()
    {
        QFETCH(uint, folderMode);
        QFETCH(bool, asMember);
        if (::geteuid() != 0)
            QSKIP("another user's file needs root to make");
        SharedTempDir top;
        QVERIFY(::chmod(QFile::encodeName(top.path()).constData(), 0711) == 0);
        const QString dir = top.filePath("shared"), history = dir + "/S-1.txt";
        QVERIFY(QDir().mkdir(dir));
        giveTo(dir, {0, 64330, folderMode});
        writeFile(history, "old");
        giveTo(history, {64331, 64330, 0660});
        SafeSave::Result result;
        {
            std::unique_ptr<ActingAs> member(asMember ? new ActingAs(64332, 64332, 64330) : nullptr);
            result = appendToFile(history, "new");
        }
        QCOMPARE(result.errorString, QString());
        QCOMPARE(readAll(history), QByteArray("oldnew"));
    }

    // Every writer, as root and as a user, through a link in a sticky folder everyone may write
    // (owned by a third user): followed only where the kernel would follow it, the link being
    // the writer's or the folder owner's; else refused, naming the link, and nothing changes.
    void linksInAStickyFolderAreFollowedAsTheKernelWould_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<bool>("asRoot");
        QTest::addColumn<QString>("linker"); // "stranger", "writer", "folder owner"
        QTest::addColumn<QString>("target"); // "another file", "dangling", "folder on the way"
        for (const char* writer : {"saveWithBackup", "saveReplacing", "appendToFile", "moveToBackup"}) {
            for (const bool asRoot : {true, false}) {
                const auto add = [&](const char* linker, const char* target) {
                    QTest::addRow("%s as %s, %s's link, %s", writer, asRoot ? "root" : "user", linker, target)
                        << writer << asRoot << linker << target;
                };
                for (const char* target : {"another file", "dangling", "folder on the way"})
                    add("stranger", target);
                add("writer", "another file");
                add("folder owner", "another file");
            }
        }
    }

    void linksInAStickyFolderAreFollowedAsTheKernelWould()
    {
        QFETCH(QString, writer);
        QFETCH(bool, asRoot);
        QFETCH(QString, linker);
        QFETCH(QString, target);
        if (::geteuid() != 0)
            QSKIP("another user's link needs root to make");
        const uint user = 64331, stranger = 64333, folderOwner = 64334;
        SharedTempDir top;
        QVERIFY(::chmod(QFile::encodeName(top.path()).constData(), 0711) == 0);
        const QString dir = top.filePath("shared"), own = top.filePath("own"), theirs = top.filePath("theirs");
        for (const QString& d : {dir, own, theirs})
            QVERIFY(QDir().mkdir(d));
        giveTo(dir, {folderOwner, folderOwner, 01777});
        giveTo(own, {user, user, 0700});
        giveTo(theirs, {stranger, stranger, 0777});
        writeFile(own + "/doc.erd", "older");
        giveTo(own + "/doc.erd", {user, user, 0600});
        const bool onTheWay = target == "folder on the way";
        const QString link = dir + (onTheWay ? "/sub" : "/doc.erd");
        QVERIFY(QFile::link(onTheWay ? own : target == "dangling" ? theirs + "/doc.erd" : own + "/doc.erd", link));
        const uint by = linker == "stranger" ? stranger : linker == "folder owner" ? folderOwner : asRoot ? 0 : user;
        QCOMPARE(::lchown(QFile::encodeName(link).constData(), by, by), 0);
        const auto tree = [&] { // every name under top, with what it holds
            QStringList all;
            const auto flags = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
            for (QDirIterator it(top.path(), flags, QDirIterator::Subdirectories); it.hasNext();)
                all << it.next() + ' ' + kindOf(it.filePath()) + ' ' + readAll(it.filePath());
            all.sort();
            return all;
        };
        const QStringList before = tree();
        SafeSave::Result result;
        {
            std::unique_ptr<ActingAs> as(asRoot ? nullptr : new ActingAs(user, user, user));
            const QString doc = dir + (onTheWay ? "/sub/doc.erd" : "/doc.erd");
            if (writer == "appendToFile")
                result = appendToFile(doc, "new");
            else if (writer == "moveToBackup")
                result = moveToBackup(doc);
            else if (writer == "saveReplacing")
                saveReplacing(doc, writing("new"), &result);
            else
                saveWithBackup(doc, writing("new"), &result);
        }
        const bool followed = linker != "stranger";
        QCOMPARE(result.errorString.contains(link), !followed);
        QCOMPARE(result.ok(), followed);
        QCOMPARE(tree() == before, !followed);
    }

    // Root saving a private document whose owner cannot be given (root mapped to nobody): a copy
    // would be root's alone, so the save goes through, the old backup stays, and the user is told.
    void backupTheOwnerCannotReadIsNotMade_data()
    {
        QTest::addColumn<bool>("ownerGiven");
        QTest::newRow("owner given") << true;
        QTest::newRow("owner cannot be given") << false;
    }

    void backupTheOwnerCannotReadIsNotMade()
    {
        QFETCH(bool, ownerGiven);
        if (::geteuid() != 0)
            QSKIP("only root may give a file to another user");
        TestEnv env;
        const QString doc = env.path("kodlista.kod"), bak = backupPathFor(doc);
        writeFile(doc, "old");
        giveTo(doc, {54321, 54322, 0600});
        writeFile(bak, "older");
        giveTo(bak, {54321, 54322, 0600});
        SafeSave::FaultScope faults;
        for (int n = 1; n <= 8 && !ownerGiven; ++n)
            faults.failNth(Op::Chown, n, EPERM);
        SafeSave::Result result;
        QVERIFY(saveWithBackup(doc, writing("new"), &result));
        QCOMPARE(readAll(doc), QByteArray("new"));
        QCOMPARE(result.backupNotKept, !ownerGiven);
        QCOMPARE(readAll(bak), ownerGiven ? QByteArray("old") : QByteArray("older"));
        QCOMPARE(ownerOf(bak), (Owner{54321, 54322, 0600}));
        ScriptedPrompts prompts;
        if (!ownerGiven)
            prompts.expectNotice(Prompts::Kind::Warning, bak);
        tellIfBackupNotKept(nullptr, doc, result);
    }

    // Every save that keeps a backup tells the user where it could not keep the backup.
    void everyReportedSaveTellsOfABackupNotKept()
    {
        QStringList silent;
        SourceText::forEachSourceFile([&](const QString& path, const QString& text) {
            if (!path.startsWith("src/core/safesave")
                && text.count("saveWithBackup(") > text.count("tellIfBackupNotKept("))
                silent << path;
        });
        QCOMPARE(silent.join(", "), QString());
    }

    // What earlier saves left beside a document goes with the next save of the same user,
    // unless another save still holds it or it is not this document's.
    void leftoversOfEarlierSavesAreCleared_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("held"); // "locked" by a save, or "another user's"
        QTest::addColumn<bool>("removed");
        QTest::newRow("temporary") << "doc.erd.k3z.tmp" << "" << true;
        QTest::newRow("old version waiting") << "doc.erd.bak.tmp" << "" << true;
        QTest::newRow("old version waiting, fresh name") << "doc.erd.a1.bak.tmp" << "" << true;
        QTest::newRow("temporary still written") << "doc.erd.k3z.tmp" << "locked" << false;
        QTest::newRow("another user's temporary") << "doc.erd.k3z.tmp" << "another user's" << false;
        QTest::newRow("another document's") << "doc.erd.v2.bak.tmp" << "" << false;
        QTest::newRow("another document's temporary") << "doc.erd.v2.k3z.tmp" << "" << false;
    }

    void leftoversOfEarlierSavesAreCleared()
    {
        QFETCH(QString, name);
        QFETCH(QString, held);
        QFETCH(bool, removed);
        if (held == "another user's" && ::geteuid() != 0)
            QSKIP("another user's file needs root to make");
        TestEnv env;
        const QString doc = env.path("doc.erd"), left = env.path(name);
        writeFile(doc, "old");
        writeFile(env.path("doc.erd.v2"), "another document");
        writeFile(left, "left");
        if (held == "another user's")
            giveTo(left, {54321, 54322, 0600});
        QFile holder(left);
        QVERIFY(holder.open(QIODevice::ReadOnly));
        if (held == "locked")
            QCOMPARE(::flock(holder.handle(), LOCK_EX), 0);
        QVERIFY(saveWithBackup(doc, writing("new")));
        QCOMPARE(QFileInfo::exists(left), !removed);
        QCOMPARE(readAll(backupPathFor(doc)), QByteArray("old"));
    }

    // A save that runs while another writes its temporary leaves that temporary alone; of two
    // saves of one document at once, one is refused with the reason, never lost unkept.
    void aSaveLeavesWhatAnotherIsWriting_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("refused"); // the save told that another is under way
        QTest::addColumn<QString>("document");
        QTest::newRow("existing document") << true << "inner" << "outer";
        QTest::newRow("new document") << false << "outer" << "inner";
    }

    void aSaveLeavesWhatAnotherIsWriting()
    {
        QFETCH(bool, existing);
        QFETCH(QString, refused);
        QFETCH(QString, document);
        TestEnv env;
        const QString doc = env.path("doc.erd");
        if (existing)
            writeFile(doc, "old");
        SafeSave::FaultScope faults;
        faults.setBusyWait(0);
        QMap<QString, QString> errors;
        faults.runBefore(Op::Flush, 1, [&] {
            SafeSave::Result result;
            saveWithBackup(doc, writing("inner"), &result);
            errors["inner"] = result.errorString;
        });
        SafeSave::Result result;
        saveWithBackup(doc, writing("outer"), &result);
        errors["outer"] = result.errorString;
        QMap<QString, QString> want{{"inner", QString()}, {"outer", QString()}};
        want[refused] = busyText();
        QCOMPARE(errors, want);
        QCOMPARE(readAll(doc), document.toUtf8());
        QCOMPARE(strayFiles(env.workDir(), {"doc.erd", "doc.erd.bak"}), QStringList());
    }

    // Every name the file system takes can be saved, with its backup beside it: the
    // temporaries' and the backup's names are cut to fit, and two long names that begin
    // alike keep apart.
    void longestNamesSaveWithTheirBackups_data()
    {
        QTest::addColumn<QString>("name");
        for (int length = 246; length <= 255; ++length)
            QTest::addRow("%d bytes", length) << QString(length - 4, 'a') + ".erd";
        QTest::newRow("255 bytes, two-byte letters") << QString(125, QChar(0xE9)) + "x.erd";
    }

    void longestNamesSaveWithTheirBackups()
    {
        QFETCH(QString, name);
        TestEnv env;
        const QString doc = env.path(name);
        QString twin = doc;
        twin[twin.size() - 5] = 'y';
        for (const QString& path : {doc, twin}) {
            QVERIFY(saveWithBackup(path, writing("first")));
            QVERIFY(saveWithBackup(path, writing("second" + path.toUtf8())));
            QVERIFY(saveReplacing(path, writing("third")));
        }
        const QString backup = backupPathFor(doc);
        QCOMPARE(readAll(doc), QByteArray("third"));
        QCOMPARE(readAll(backup), QByteArray("first"));
        QVERIFY(backup != backupPathFor(twin));
        QCOMPARE(QFileInfo(backup).absolutePath(), QFileInfo(doc).absolutePath());
        QCOMPARE(QFile::decodeName(QFile::encodeName(backup)), backup); // cut between letters
        QCOMPARE(strayFiles(env.workDir(), {name, QFileInfo(twin).fileName(), QFileInfo(backup).fileName(),
                                            QFileInfo(backupPathFor(twin)).fileName()}),
                 QStringList());

        // The old version waits under the backup's temporary when the backup's own rename fails.
        SafeSave::FaultScope faults;
        faults.failNth(Op::Rename, 2);
        QVERIFY(saveWithBackup(doc, writing("fourth")));
        QCOMPARE(strayFiles(env.workDir(), {name, QFileInfo(twin).fileName(), QFileInfo(backup).fileName(),
                                            QFileInfo(backupPathFor(twin)).fileName()})
                     .size(),
                 1);
    }

    // A real full file system, at every 4 KiB step of free space (root only: it mounts a
    // small tmpfs of its own).
    void fullFileSystemKeepsOldFileAndBackup()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        QTemporaryDir mountPoint;
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("no tmpfs can be mounted here");
        struct Unmount {
            QByteArray where;
            ~Unmount() { ::umount2(where.constData(), MNT_DETACH); }
        } unmount{where};
        const QString doc = mountPoint.path() + "/doc.ewl";
        const QByteArray old(40 * 1024, 'o'), fresh(60 * 1024, 'n');
        bool sawFailure = false, sawSuccess = false;
        for (int filler = 0; filler <= 256; filler += 4) {
            for (const QString& name : QDir(mountPoint.path()).entryList(QDir::Files))
                QFile::remove(mountPoint.path() + '/' + name);
            writeFile(doc, old);
            writeFile(backupPathFor(doc), "older");
            QFile fill(mountPoint.path() + "/fill");
            fill.open(QIODevice::WriteOnly);
            fill.write(QByteArray(filler * 1024, 'f'));
            fill.close();
            SafeSave::Result result;
            if (saveWithBackup(doc, writing(fresh), &result)) {
                sawSuccess = true;
                QCOMPARE(readAll(doc), fresh);
                QCOMPARE(readAll(backupPathFor(doc)), old);
            } else {
                sawFailure = true;
                QCOMPARE(readAll(doc), old);
                QCOMPARE(readAll(backupPathFor(doc)), QByteArray("older"));
            }
        }
        QVERIFY(sawSuccess);
        QVERIFY(sawFailure);
    }
};

WYX_TEST_MAIN(TestSafeSave)
#include "tst_safesave.moc"
