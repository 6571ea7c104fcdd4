// The rename path of a save and the save routine's entry points (see safesave.h).
#include "core/safesave.h"

#include "core/prompts.h"
#include "core/safesavefiles.h"
#include "core/safesaveinplace.h"
#include "core/safesavenames.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeSave {
namespace {

Previous previousVersion(const Beside& beside)
{
    Previous p;
    p.documentWhole = beside.markers.empty();
    p.suspect = beside.documentSuspect();
    for (const bool own : {true, false}) {
        for (const Marker& m : beside.markers) {
            if ((m.owner == ::geteuid()) != own || p.read || !m.read)
                continue;
            p.read = true;
            p.version = m.version;
            if (own)
                p.ownMarker = m.name;
        }
    }
    return p;
}

} // namespace

bool oldVersionCopy(const QByteArray& targetName, const struct stat& old, const QByteArray* version, Locks& locks,
                    QByteArray& copy, bool& fits)
{
    copy.clear();
    fits = true;
    QByteArray bytes;
    if (!version) {
        copy = claimOldCopyName(locks.dir(), targetName);
        if (sysLink(locks.dir(), targetName, copy)) {
            locks.holdName(copy);
            return true;
        }
        const int code = errno;
        copy.clear();
        if (code != EPERM && code != EOPNOTSUPP && code != EXDEV && code != EMLINK && code != ENOSYS)
            return false;
        if (!readFile(locks.dir(), targetName, bytes))
            return false;
        version = &bytes;
    }
    QByteArray temp;
    struct stat made;
    if (!writeTemp(*version, targetName, old, temp, made, locks))
        return false;
    // One that cannot become the backup (its group or mode could not be given) still holds the
    // version until a backup does: it waits, as private as it was made.
    fits = fitsAsBackupOf(made, old);
    copy = claimOldCopyName(locks.dir(), targetName);
    if (sysRename(locks.dir(), temp, copy))
        return true;
    const int code = errno;
    copy.clear();
    sysRemove(locks.dir(), temp);
    errno = code;
    return false;
}

// The document is whole again: every standing marker goes, and the old version becomes the backup.
Result settle(const QByteArray& targetName, const struct stat& old, const QByteArray& backupName,
              const std::vector<Marker>& markers, const Beside& beside, const QByteArray& oldCopy, bool copyFits,
              Locks& locks)
{
    const int dir = locks.dir();
    int code = 0;
    std::vector<Marker> standing = markers;
    standing.insert(standing.end(), beside.unmatched.begin(), beside.unmatched.end());
    for (const Marker& m : standing) {
        if (!voidMarker(dir, targetName, m, &old))
            code = errno;
    }
    // A marker left standing would make the next save take the whole document for a damaged
    // one; it keeps the copy of its version.
    if (code)
        return failed(Failure::Replace, code);
    Result result;
    if (!backupName.isEmpty())
        result.backupNotKept = oldCopy.isEmpty() || !copyFits || beside.documentSuspect()
                               || !keepAsBackup(dir, oldCopy, backupName, old);
    else if (!oldCopy.isEmpty())
        sysRemove(dir, oldCopy);
    locks.release(); // a leftover may be another name of what this save holds
    removeLeftovers(dir, beside);
    syncDirectory(dir);
    return result;
}

namespace {

Result save(const QString& path, const std::function<bool(QIODevice&)>& writer, bool keepBackup,
            const QString& accessFrom = QString())
{
    QString refusal;
    QByteArray targetName;
    const Folder folder = openFolder(path, targetName, &refusal);
    if (!folder.isOpen())
        return failed(Failure::Open, refusal);
    const int dir = folder.fd();
    const QByteArray backupName = backupNameOf(dir, targetName);
    struct stat old;
    const bool hadOld = ::fstatat(dir, targetName.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (hadOld && !S_ISREG(old.st_mode))
        return failed(Failure::NotRegular, notRegularText());
    if (hadOld && !sysMayWrite(dir, targetName))
        return failed(Failure::Open, errno);
    Locks locks(dir);
    if (hadOld && !locks.holdDocument(targetName, old))
        return failed(Failure::Open, errno);

    const Beside beside = lookBeside(dir, targetName, hadOld ? &old : nullptr);
    const Previous prev = previousVersion(beside);

    // 1. The new contents, complete and on disk, under a temporary name. Beside an old
    // document the temporary is never readable by more than the document: made with its mode
    // where it will have its owner and group, else private until it has them.
    // A new document made from another (an archive of a log) is no more open than that one.
    QByteArray temp;
    struct stat like;
    const bool hasLike = !hadOld && !accessFrom.isEmpty()
                         && ::stat(QFile::encodeName(accessFrom).constData(), &like) == 0 && S_ISREG(like.st_mode);
    const bool sameOwner = hadOld && old.st_uid == ::geteuid() && old.st_gid == ::getegid();
    const mode_t mode = !hadOld ? (hasLike ? 0600 : 0666) : sameOwner ? old.st_mode & 0777 : 0600;
    const int fd = createTemp(targetName, temp, mode, locks);
    if (fd < 0)
        return failed(Failure::Open, errno);
    if (hasLike && takeOwnerAndMode(fd, like) == Fit::Unset) {
        const int code = errno;
        ::close(fd);
        sysRemove(dir, temp);
        return failed(Failure::Write, code);
    }
    const bool replaceable = !hadOld || takeOwnerAndMode(fd, old) == Fit::Whole;
    if (!replaceable) {
        // Written over the document: the new contents are held here, whole, until then. The
        // temporary, still empty, only showed that it could not take the document's place.
        ::close(fd);
        ::unlinkat(dir, temp.constData(), 0);
        QByteArray contents;
        {
            QBuffer buffer(&contents);
            buffer.open(QIODevice::WriteOnly);
            if (!writer(buffer))
                return failed(Failure::Write, writeFailedText());
        }
        return saveInPlace(targetName, contents, old, keepBackup ? backupName : QByteArray(), beside, prev, locks);
    }
    {
        ChunkedFile file(fd);
        const bool written = writer(file) && !file.failed();
        if (!written || !file.finish()) {
            const QString reason = file.reason();
            file.abandon();
            sysRemove(dir, temp);
            return failed(Failure::Write, reason);
        }
    }
    if (!hadOld) {
        // Another save may have made the document meanwhile: its version is not replaced unkept.
        if (!sysRenameNew(dir, temp, dir, targetName)) {
            const int failure = errno;
            struct stat now;
            const bool regular = ::fstatat(dir, targetName.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0
                                 && S_ISREG(now.st_mode);
            const int code = failure != EEXIST ? failure : regular ? errBusy : errNotRegular;
            sysRemove(dir, temp);
            return failed(Failure::Replace, code);
        }
        locks.release();
        removeLeftovers(dir, beside);
        syncDirectory(dir);
        return Result();
    }

    // 2. The old version gets a name of its own, so it survives the rename as the coming backup.
    QByteArray oldCopy;
    bool copyFits = true;
    if (keepBackup && (prev.documentWhole || prev.read)
        && !oldVersionCopy(targetName, old, prev.documentWhole ? nullptr : &prev.version, locks, oldCopy, copyFits)) {
        const int code = errno;
        sysRemove(dir, temp);
        return failed(Failure::Replace, code);
    }

    // 3. The new file takes the name in one step; only then do the markers and the old backup go.
    if (!sysRename(dir, temp, targetName)) {
        const int code = errno;
        if (!oldCopy.isEmpty())
            sysRemove(dir, oldCopy);
        sysRemove(dir, temp);
        return failed(Failure::Replace, code);
    }
    return settle(targetName, old, keepBackup ? backupName : QByteArray(), beside.markers, beside, oldCopy,
                  copyFits, locks);
}

bool report(const Result& result, Result* error)
{
    if (error)
        *error = result;
    return result.ok();
}

} // namespace
} // namespace SafeSave

using namespace SafeSave;

bool saveWithBackup(const QString& path, const std::function<bool(QIODevice&)>& writer, Result* error,
                    const QString& accessFrom)
{
    return report(save(path, writer, true, accessFrom), error);
}

bool saveReplacing(const QString& path, const std::function<bool(QIODevice&)>& writer, Result* error)
{
    return report(save(path, writer, false), error);
}

Result appendToFile(const QString& path, const QByteArray& bytes)
{
    QString refusal;
    QByteArray name;
    const Folder folder = openFolder(path, name, &refusal);
    if (!folder.isOpen())
        return failed(Failure::Open, refusal);
    const int dir = folder.fd();
    struct stat st;
    const bool existed = ::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (existed && !S_ISREG(st.st_mode))
        return failed(Failure::NotRegular, notRegularText());
    if (existed && !sysMayWrite(dir, name))
        return failed(Failure::Open, errno);
    Locks locks(dir);
    if (existed && !locks.holdDocument(name, st))
        return failed(Failure::Open, errno);
    const int fd = sysOpen(dir, name, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW);
    if (fd < 0)
        return failed(Failure::Open, errno);
    // The length after opening: what is there now is what a failure must leave.
    const off_t oldSize = ::fstat(fd, &st) == 0 ? st.st_size : 0;
    bool ok = sysWrite(fd, bytes.constData(), bytes.size(), Op::Write) && sysSync(fd);
    int code = ok ? 0 : errno;
    if (!ok)
        sysTruncate(fd, oldSize);
    if (!sysClose(fd) && ok) {
        code = errno;
        ok = false;
        // Closing failed after the data went out: take the addition back through a new handle.
        const int again = injectedFault(Op::Truncate) ? -1 : openRegular(dir, name, O_WRONLY | O_NOFOLLOW);
        if (again >= 0) {
            ::ftruncate(again, oldSize);
            ::close(again);
        }
    }
    if (!ok) {
        if (!existed)
            ::unlinkat(dir, name.constData(), 0);
        return failed(Failure::Write, code);
    }
    return Result();
}

Result moveToBackup(const QString& path)
{
    QString refusal;
    QByteArray name;
    const Folder folder = openFolder(path, name, &refusal);
    if (!folder.isOpen())
        return failed(Failure::Open, refusal);
    const int dir = folder.fd();
    struct stat st;
    if (::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return Result();
    if (!S_ISREG(st.st_mode))
        return failed(Failure::NotRegular, notRegularText());
    const QByteArray backupName = backupNameOf(dir, name);
    if (backupNameTaken(dir, backupName))
        return failed(Failure::Replace, notRegularText());
    Locks locks(dir);
    if (!locks.holdDocument(name, st))
        return failed(Failure::Open, errno);
    const Beside beside = lookBeside(dir, name, &st);
    const Previous prev = previousVersion(beside);
    Result result;
    if (!prev.documentWhole && prev.read) {
        // The document may be damaged: the whole version a marker holds becomes the backup, and
        // the marker stands until the document is gone.
        QByteArray copy;
        struct stat made;
        if (!writeTemp(prev.version, name, st, copy, made, locks))
            return failed(Failure::Replace, errno);
        if (!sysRename(dir, copy, backupName)) {
            const int code = errno;
            sysRemove(dir, copy);
            return failed(Failure::Replace, code);
        }
        if (!sysRemove(dir, name))
            return failed(Failure::Replace, errno);
    } else if (!sysRename(dir, name, prev.suspect ? claimOldCopyName(dir, name) : backupName)) {
        return failed(Failure::Replace, errno);
    }
    result.backupNotKept = (!prev.documentWhole && !prev.read) || prev.suspect;
    for (const auto* list : {&beside.markers, &beside.unmatched}) {
        for (const Marker& m : *list)
            voidMarker(dir, name, m, &st);
    }
    locks.release();
    removeLeftovers(dir, beside);
    syncDirectory(dir);
    return result;
}

void tellIfBackupNotKept(QWidget* parent, const QString& path, const Result& result)
{
    if (!result.ok() || !result.backupNotKept)
        return;
    QByteArray leaf;
    const Folder folder = openFolder(path, leaf);
    const QString shown = folder.isOpen() ? folder.path() + QLatin1Char('/')
                                                + QFile::decodeName(backupNameOf(folder.fd(), leaf))
                                          : backupPathFor(path);
    Prompts::warning(parent, QCoreApplication::translate("SafeSave", "Figyelem"),
                     QCoreApplication::translate("SafeSave", "A mentés megtörtént, de az előző változatot nem "
                                                             "sikerült biztonsági másolatként megtartani:\n%1\n"
                                                             "A korábbi biztonsági másolat változatlan.")
                         .arg(shown));
}

QString openRegularFile(QFile& file, QIODevice::OpenMode mode)
{
    const int flags = (mode & QIODevice::WriteOnly) ? ((mode & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY) : O_RDONLY;
    const int fd = openRegular(AT_FDCWD, QFile::encodeName(file.fileName()), flags);
    if (fd < 0)
        return systemError(errno);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return QString();
}
