// The rename path of a save and the save routine's entry points (see safesave.h).
#include "core/safesave.h"

#include "core/safesavefiles.h"
#include "core/safesaveinplace.h"
#include "core/safesavenames.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeSave {
namespace {

Result save(const QString& path, const std::function<bool(QIODevice&)>& writer, bool keepBackup)
{
    const QString target = resolveLinks(path);
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray backupName = QFile::encodeName(backupPathFor(target));
    struct stat old;
    const bool hadOld = ::stat(targetName.constData(), &old) == 0;
    if (hadOld && !S_ISREG(old.st_mode))
        return failed(Failure::NotRegular, notRegularText());
    if (hadOld && !sysMayWrite(targetName))
        return failed(Failure::Open, errno);

    if (keepBackup && hadOld && backupNameTaken(backupName))
        return failed(Failure::Replace, notRegularText());

    // 1. The new contents, complete and on disk, under a temporary name. Beside an old
    // document the temporary is never readable by more than the document: made with its mode
    // where it will have its owner and group, else private until it has them.
    QByteArray temp;
    const bool sameOwner = hadOld && old.st_uid == ::geteuid() && old.st_gid == ::getegid();
    const int fd = createTemp(targetName, temp, !hadOld ? 0666 : sameOwner ? old.st_mode & 0777 : 0600);
    if (fd < 0)
        return failed(Failure::Open, errno);
    const bool replaceable = !hadOld || takeOwnerAndMode(fd, old) == Fit::Whole;
    {
        ChunkedFile file(fd);
        const bool written = writer(file) && !file.failed();
        if (!written || !file.finish()) {
            const QString reason = file.reason();
            file.abandon();
            sysRemove(temp);
            return failed(Failure::Write, reason);
        }
    }
    if (!replaceable)
        return saveInPlace(targetName, temp, old, keepBackup ? backupName : QByteArray());

    // 2. The old file gets a second name, so it survives the rename as the coming backup.
    QByteArray oldCopy;
    if (keepBackup && hadOld) {
        bool ready = claimOldCopyName(targetName, oldCopy);
        if (ready && !sysLink(targetName, oldCopy)) {
            const int code = errno;
            ready = (code == EPERM || code == EOPNOTSUPP || code == EXDEV || code == EMLINK || code == ENOSYS)
                    && copyFile(targetName, oldCopy, old);
        }
        if (!ready) {
            const int code = errno;
            sysRemove(temp);
            return failed(Failure::Replace, code);
        }
    }

    // 3. The new file takes the name in one step; only then does the old backup go.
    if (!sysRename(temp, targetName)) {
        const int code = errno;
        if (!oldCopy.isEmpty())
            sysRemove(oldCopy);
        sysRemove(temp);
        return failed(Failure::Replace, code);
    }
    if (!oldCopy.isEmpty())
        keepAsBackup(oldCopy, backupName);
    syncDirectory(targetName);
    return Result();
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

bool saveWithBackup(const QString& path, const std::function<bool(QIODevice&)>& writer, Result* error)
{
    return report(save(path, writer, true), error);
}

bool saveReplacing(const QString& path, const std::function<bool(QIODevice&)>& writer, Result* error)
{
    return report(save(path, writer, false), error);
}

Result appendToFile(const QString& path, const QByteArray& bytes)
{
    const QString target = resolveLinks(path);
    const QByteArray name = QFile::encodeName(target);
    struct stat st;
    const bool existed = ::stat(name.constData(), &st) == 0;
    if (existed && !S_ISREG(st.st_mode))
        return failed(Failure::NotRegular, notRegularText());
    if (existed && !sysMayWrite(name))
        return failed(Failure::Open, errno);
    const int fd = sysOpen(name, O_WRONLY | O_CREAT | O_APPEND);
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
        // Closing failed after the data went out: take the addition back by name.
        if (!injectedFault(Op::Truncate))
            ::truncate(name.constData(), oldSize);
    }
    if (!ok) {
        if (!existed)
            ::unlink(name.constData());
        return failed(Failure::Write, code);
    }
    return Result();
}

Result moveToBackup(const QString& path)
{
    const QString target = resolveLinks(path);
    const QByteArray name = QFile::encodeName(target);
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return Result();
    if (!S_ISREG(st.st_mode))
        return failed(Failure::NotRegular, notRegularText());
    const QByteArray backupName = QFile::encodeName(backupPathFor(target));
    if (backupNameTaken(backupName))
        return failed(Failure::Replace, notRegularText());
    if (!sysRename(name, backupName))
        return failed(Failure::Replace, errno);
    syncDirectory(name);
    return Result();
}

QString openRegularFile(QFile& file, QIODevice::OpenMode mode)
{
    const int flags = (mode & QIODevice::WriteOnly) ? ((mode & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY) : O_RDONLY;
    const int fd = openRegular(QFile::encodeName(file.fileName()), flags);
    if (fd < 0)
        return systemError(errno);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return QString();
}
