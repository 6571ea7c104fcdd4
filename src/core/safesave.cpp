#include "core/safesave.h"

#include "core/constants.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace SafeSave {
namespace {

constexpr int opKinds = int(Op::Count);
constexpr qint64 chunkSize = 64 * 1024;

struct FaultState {
    bool active = false;
    int count = 0;
    int counts[opKinds] = {};
    int failAt = 0;
    int failAtError = ENOSPC;
    struct Rule {
        Op op;
        int nth;
        int error;
    };
    std::vector<Rule> rules;
    struct Action {
        Op op;
        int nth;
        std::function<void()> run;
    };
    std::vector<Action> actions;
    qint64 shortWrite = -1;
};

FaultState& faults()
{
    static FaultState state;
    return state;
}

QString notRegularText()
{
    return QCoreApplication::translate("SafeSave", "nem közönséges fájl (mappa, eszköz vagy FIFO)");
}

// Set as errno where a name holds no regular file; no system error has this number.
constexpr int errNotRegular = 0x10000;

QString systemError(int code)
{
    return code == errNotRegular ? notRegularText() : qt_error_string(code);
}

// Opens a name without waiting and keeps the handle only for a regular file: a FIFO's open
// would wait for a partner forever, a device feeds or swallows endless data. Else -1, with
// errno (errNotRegular for anything but a regular file).
int openRegular(const QByteArray& name, int flags, mode_t mode = 0666)
{
    int fd;
    do
        fd = ::open(name.constData(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        // A folder opened for writing, a FIFO nobody reads.
        if (errno == EISDIR || errno == ENXIO)
            errno = errNotRegular;
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = errNotRegular;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

QString writeFailedText()
{
    return QCoreApplication::translate("SafeSave", "írási hiba");
}

// ---- The file operations, each through the seam

// Every file the save opens, old or new, is opened here.
int sysOpen(const QByteArray& path, int flags, mode_t mode = 0666)
{
    return injectedFault(Op::Open) ? -1 : openRegular(path, flags, mode);
}

bool writeAllRaw(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

bool sysWrite(int fd, const char* data, qint64 size, Op op)
{
    if (injectedFault(op)) {
        const int code = errno;
        const qint64 part = faults().shortWrite;
        if (part > 0)
            writeAllRaw(fd, data, qMin(part, size)); // what a full disk lets through
        errno = code;
        return false;
    }
    return writeAllRaw(fd, data, size);
}

bool sysSync(int fd)
{
    if (injectedFault(Op::Sync))
        return false;
    int r;
    do
        r = ::fsync(fd);
    while (r < 0 && errno == EINTR);
    return r == 0;
}

bool sysClose(int fd)
{
    if (injectedFault(Op::Close)) {
        const int code = errno;
        ::close(fd);
        errno = code;
        return false;
    }
    return ::close(fd) == 0;
}

bool sysLink(const QByteArray& from, const QByteArray& to)
{
    return !injectedFault(Op::Link) && ::link(from.constData(), to.constData()) == 0;
}

bool sysRename(const QByteArray& from, const QByteArray& to)
{
    return !injectedFault(Op::Rename) && ::rename(from.constData(), to.constData()) == 0;
}

bool sysRemove(const QByteArray& path)
{
    return !injectedFault(Op::Remove) && ::unlink(path.constData()) == 0;
}

bool sysChown(int fd, uid_t owner, gid_t group)
{
    return !injectedFault(Op::Chown) && ::fchown(fd, owner, group) == 0;
}

bool sysTruncate(int fd, off_t size)
{
    return !injectedFault(Op::Truncate) && ::ftruncate(fd, size) == 0;
}

// Whether the real user may write the file. The temporary and the rename would replace a
// write-protected document where opening it for writing is refused, so ask first.
bool sysMayWrite(const QByteArray& path)
{
    return !injectedFault(Op::Access) && ::access(path.constData(), W_OK) == 0;
}

// Collects the writer's bytes and hands them to the file in chunks; the first failure
// sticks, so a writer that ignores it still cannot make the save pass.
class ChunkedFile : public QIODevice
{
public:
    explicit ChunkedFile(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    ~ChunkedFile() override { abandon(); }

    // Flush, fsync and close, each checked. cutToWritten: the file ends where the writing
    // ended (it was written over, not created).
    bool finish(bool cutToWritten = false)
    {
        if (m_fd < 0)
            return false;
        bool ok = !m_failed && sysWrite(m_fd, m_pending.constData(), m_pending.size(), Op::Flush);
        m_pending.clear();
        ok = ok && (!cutToWritten || sysTruncate(m_fd, off_t(m_written)));
        ok = ok && sysSync(m_fd);
        if (!ok)
            remember(errno);
        const int fd = std::exchange(m_fd, -1);
        if (!sysClose(fd) && ok) {
            remember(errno);
            ok = false;
        }
        QIODevice::close();
        return ok;
    }
    void abandon()
    {
        if (m_fd >= 0)
            ::close(std::exchange(m_fd, -1));
        QIODevice::close();
    }
    bool failed() const { return m_failed; }
    int errorCode() const { return m_code; }
    QString reason() const { return m_reason.isEmpty() ? writeFailedText() : m_reason; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (m_failed || m_fd < 0)
            return -1;
        m_pending.append(data, int(size));
        m_written += size;
        if (m_pending.size() >= chunkSize) {
            if (!sysWrite(m_fd, m_pending.constData(), m_pending.size(), Op::Write)) {
                remember(errno);
                return -1;
            }
            m_pending.clear();
        }
        return size;
    }

private:
    void remember(int code)
    {
        m_failed = true;
        if (m_reason.isEmpty()) {
            m_reason = systemError(code);
            m_code = code;
        }
    }

    int m_fd;
    QByteArray m_pending;
    qint64 m_written = 0;
    int m_code = EIO;
    bool m_failed = false;
    QString m_reason;
};

// The file a name finally stands for: links are followed (also a dangling one), so the
// link itself is never replaced.
QString resolveLinks(const QString& path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = QFileInfo(info.dir(), info.symLinkTarget()).absoluteFilePath();
    }
    return current;
}

Result failed(Failure failure, const QString& reason)
{
    Result r;
    r.failure = failure;
    r.errorString = reason;
    return r;
}

// A name found holding no regular file when opened is reported as such, whatever the step.
Result failed(Failure failure, int code)
{
    return code == errNotRegular ? failed(Failure::NotRegular, notRegularText()) : failed(failure, systemError(code));
}

// A backup name taken by anything but a regular file (a folder, a FIFO, a device, also
// through a link) would be replaced by the backup or stop the rotation half way.
bool backupNameTaken(const QByteArray& backupName)
{
    struct stat st;
    return ::stat(backupName.constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

// The longest file name the folder's file system takes.
long nameMax(const QByteArray& path)
{
    const int slash = path.lastIndexOf('/');
    const QByteArray dir = slash > 0 ? path.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    const long max = ::pathconf(dir.constData(), _PC_NAME_MAX);
    return max > 0 ? max : 255;
}

// "<path><suffix>", the name part cut where the whole would pass the file system's limit on a
// name: every document the file system holds can have its temporaries and its backup. A cut
// name ends in a digest of the full one, so two long names that begin alike stay apart, and it
// is cut between characters.
QByteArray besideName(const QByteArray& path, const QByteArray& suffix)
{
    const int slash = path.lastIndexOf('/');
    const QByteArray name = path.mid(slash + 1);
    const long max = nameMax(path);
    if (name.size() + suffix.size() <= max)
        return path + suffix;
    const QByteArray digest = '~' + QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex().left(8);
    int keep = qMax(0, int(max) - suffix.size() - digest.size());
    while (keep > 0 && (uchar(name.at(keep)) & 0xC0) == 0x80) // not inside a UTF-8 character
        --keep;
    return path.left(slash + 1) + name.left(keep) + digest + suffix;
}

QByteArray backupTempName(const QByteArray& target)
{
    return besideName(target, '.' + extBackup.toLatin1() + ".tmp");
}

// Creates a fresh temporary file beside target; its name goes to tempName.
int createTemp(const QByteArray& target, QByteArray& tempName)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray suffix = QByteArray::number(QRandomGenerator::global()->generate() % 0xFFFFFF, 36);
        tempName = besideName(target, '.' + suffix + ".tmp");
        const int fd = sysOpen(tempName, O_WRONLY | O_CREAT | O_EXCL);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Reads a file to its end into out.
bool pour(int in, QIODevice& out)
{
    char buffer[chunkSize];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        if (out.write(buffer, n) != n)
            return false;
    }
}

// A file made in place of another takes its owner, group and mode. False when the user may
// not give it that owner or group (only root may give a file away).
bool takeOwnerAndMode(int fd, const struct stat& old)
{
    struct stat now;
    bool ok = ::fstat(fd, &now) == 0;
    if (ok && (now.st_uid != old.st_uid || now.st_gid != old.st_gid))
        ok = sysChown(fd, old.st_uid, old.st_gid);
    // After the owner, which may clear the set-id bits.
    ::fchmod(fd, old.st_mode & 07777);
    return ok;
}

// Copies a file's contents to a new file (where no hard link can be made, or where the old
// file is to be written over); the copy has the original's mode, and its owner when we may.
bool copyFile(const QByteArray& from, const QByteArray& to, const struct stat& original)
{
    const int in = sysOpen(from, O_RDONLY);
    if (in < 0)
        return false;
    const int out = sysOpen(to, O_WRONLY | O_CREAT | O_EXCL);
    if (out < 0) {
        const int code = errno;
        ::close(in);
        errno = code;
        return false;
    }
    takeOwnerAndMode(out, original);
    ChunkedFile copy(out);
    const bool poured = pour(in, copy);
    const int code = errno;
    ::close(in);
    if (poured && copy.finish())
        return true;
    ::unlink(to.constData());
    errno = copy.failed() ? copy.errorCode() : code;
    return false;
}

// Writes a file's contents over another file, which keeps its inode, owner and group.
bool copyOver(const QByteArray& from, const QByteArray& to)
{
    const int in = sysOpen(from, O_RDONLY);
    if (in < 0)
        return false;
    const int out = sysOpen(to, O_WRONLY);
    if (out < 0) {
        const int code = errno;
        ::close(in);
        errno = code;
        return false;
    }
    ChunkedFile over(out);
    bool ok = pour(in, over);
    ::close(in);
    if (!ok || !over.finish(true)) {
        errno = over.failed() ? over.errorCode() : EIO;
        return false;
    }
    return true;
}

void syncDirectory(const QByteArray& file)
{
    const int slash = file.lastIndexOf('/');
    const QByteArray dir = slash > 0 ? file.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The new contents, complete in temp, go over the document's own file: where the new file
// could not take the old one's owner or group (another user's document in a shared folder),
// replacing it would hand the document to this user. The old contents are copied first, to
// the backup, or without one to "<file>.bak.tmp"; a failure puts them back, and the copy
// stays where that fails too.
Result saveInPlace(const QByteArray& targetName, const QByteArray& temp, const struct stat& old, bool keepBackup)
{
    const QByteArray oldCopy = backupTempName(targetName);
    const QByteArray kept = keepBackup ? QFile::encodeName(backupPathFor(QFile::decodeName(targetName))) : oldCopy;
    struct stat stale;
    bool ready = ::lstat(oldCopy.constData(), &stale) != 0 || sysRemove(oldCopy);
    ready = ready && copyFile(targetName, oldCopy, old);
    if (ready && keepBackup && !sysRename(oldCopy, kept)) {
        const int code = errno;
        sysRemove(oldCopy);
        errno = code;
        ready = false;
    }
    if (!ready) {
        const int code = errno;
        sysRemove(temp);
        return failed(Failure::Replace, code);
    }
    if (!copyOver(temp, targetName)) {
        const int code = errno;
        // Refused as no regular file: nothing was written over, nothing to put back.
        if ((code == errNotRegular || copyOver(kept, targetName)) && !keepBackup)
            sysRemove(oldCopy);
        sysRemove(temp);
        return failed(Failure::Replace, code);
    }
    sysRemove(temp);
    if (!keepBackup)
        sysRemove(oldCopy);
    syncDirectory(targetName);
    return Result();
}

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

    // 1. The new contents, complete and on disk, under a temporary name.
    QByteArray temp;
    const int fd = createTemp(targetName, temp);
    if (fd < 0)
        return failed(Failure::Open, errno);
    const bool replaceable = !hadOld || takeOwnerAndMode(fd, old);
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
        return saveInPlace(targetName, temp, old, keepBackup);

    // 2. The old file gets a second name, so it survives the rename as the coming backup.
    QByteArray backupTemp;
    if (keepBackup && hadOld) {
        backupTemp = backupTempName(targetName);
        struct stat stale;
        bool ready = ::lstat(backupTemp.constData(), &stale) != 0 || sysRemove(backupTemp);
        if (ready && !sysLink(targetName, backupTemp)) {
            const int code = errno;
            ready = (code == EPERM || code == EOPNOTSUPP || code == EXDEV || code == EMLINK || code == ENOSYS)
                    && copyFile(targetName, backupTemp, old);
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
        if (!backupTemp.isEmpty())
            sysRemove(backupTemp);
        sysRemove(temp);
        return failed(Failure::Replace, code);
    }
    // When this rename fails the document is saved and the old version waits under
    // "<file>.bak.tmp" beside the previous backup; the next save clears it.
    if (!backupTemp.isEmpty())
        sysRename(backupTemp, backupName);
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

FaultScope::FaultScope()
{
    reset();
}

FaultScope::~FaultScope()
{
    faults() = FaultState();
}

void FaultScope::failAt(int n, int errorCode)
{
    faults().failAt = n;
    faults().failAtError = errorCode;
}

void FaultScope::failNth(Op op, int n, int errorCode)
{
    faults().rules.push_back({op, n, errorCode});
}

void FaultScope::runBefore(Op op, int n, std::function<void()> action)
{
    faults().actions.push_back({op, n, std::move(action)});
}

void FaultScope::setShortWriteBytes(qint64 bytes)
{
    faults().shortWrite = bytes;
}

void FaultScope::reset()
{
    faults() = FaultState();
    faults().active = true;
}

int FaultScope::operations() const
{
    return faults().count;
}

int FaultScope::operations(Op op) const
{
    return faults().counts[int(op)];
}

bool injectedFault(Op op)
{
    FaultState& s = faults();
    if (!s.active)
        return false;
    ++s.count;
    const int nth = ++s.counts[int(op)];
    for (const FaultState::Action& action : s.actions) {
        if (action.op == op && action.nth == nth)
            action.run();
    }
    if (s.failAt == s.count) {
        errno = s.failAtError;
        return true;
    }
    for (const FaultState::Rule& rule : s.rules) {
        if (rule.op == op && rule.nth == nth) {
            errno = rule.error;
            return true;
        }
    }
    return false;
}

} // namespace SafeSave

using namespace SafeSave;

QString backupPathFor(const QString& path)
{
    return QFile::decodeName(besideName(QFile::encodeName(path), '.' + extBackup.toLatin1()));
}

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
