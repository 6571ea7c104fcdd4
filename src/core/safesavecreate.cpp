#include "core/safesavecreate.h"

#include "core/safesavefiles.h"
#include "core/safesavenames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace SafeSave;

namespace {

Result create(const QString& path, const std::function<bool(QIODevice&)>& writer, const QString& accessFrom)
{
    QString refusal;
    QByteArray name;
    const Folder folder = openFolder(path, name, &refusal);
    if (!folder.isOpen()) {
        const int code = errno;
        Result r = failed(Failure::Open, refusal);
        errno = code;
        return r;
    }
    const int dir = folder.fd();
    struct stat like;
    const bool hasLike = !accessFrom.isEmpty() && ::stat(QFile::encodeName(accessFrom).constData(), &like) == 0
                         && S_ISREG(like.st_mode);
    const int fd = sysOpen(dir, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, hasLike ? 0600 : 0666);
    if (fd < 0) {
        const int code = errno;
        Result r = failed(Failure::Open, code);
        errno = code;
        return r;
    }
    if (hasLike && takeOwnerAndMode(fd, like) == Fit::Unset) {
        const int code = errno;
        ::close(fd);
        sysRemove(dir, name);
        return failed(Failure::Write, code);
    }
    ChunkedFile file(fd);
    if (!writer(file) || file.failed() || !file.finish()) {
        const QString reason = file.reason();
        file.abandon();
        sysRemove(dir, name);
        return failed(Failure::Write, reason);
    }
    syncDirectory(dir);
    return Result();
}

} // namespace

bool createWhole(const QString& path, const std::function<bool(QIODevice&)>& writer, Result* error,
                 const QString& accessFrom)
{
    const Result result = create(path, writer, accessFrom);
    const int code = errno;
    if (error)
        *error = result;
    errno = code;
    return result.ok();
}
