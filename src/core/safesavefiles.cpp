#include "core/safesavefiles.h"

#include "core/safesavenames.h"

#include "core/helpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

#include <cstdio>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace SafeSave {
namespace {

constexpr qint64 chunkSize = 64 * 1024;

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

bool sysChown(int fd, uid_t owner, gid_t group)
{
    return !injectedFault(Op::Chown) && ::fchown(fd, owner, group) == 0;
}

bool sysChmod(int fd, mode_t mode)
{
    return !injectedFault(Op::Mode) && ::fchmod(fd, mode) == 0;
}

// Hands bytes to a file in chunks, as a writer would.
bool pourInto(QIODevice& out, const QByteArray& bytes)
{
    for (int at = 0; at < bytes.size(); at += int(chunkSize)) {
        const qint64 n = qMin(qint64(bytes.size() - at), chunkSize);
        if (out.write(bytes.constData() + at, n) != n)
            return false;
    }
    return true;
}

// A non-blocking open fails with EWOULDBLOCK only where another process holds a lease on
// a regular file (a Samba or NFS server does while a client has the file open). A plain open
// waits until the holder gives the lease up, at most /proc/sys/fs/lease-break-time (45 s),
// after which the kernel breaks it. That wait is made here: the name is pinned with O_PATH,
// which neither breaks a lease nor opens a FIFO or device, and only a regular file is opened
// again, the same inode through /proc, so nothing can be put under the name in between.
// Without /proc, the lease's error stands.
int openLeased(int dir, const QByteArray& name, int flags)
{
    const int pinned = ::openat(dir, name.constData(), O_PATH | O_CLOEXEC | (flags & O_NOFOLLOW));
    if (pinned < 0)
        return -1;
    struct stat st;
    if (::fstat(pinned, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(pinned);
        errno = errNotRegular;
        return -1;
    }
    const QByteArray again = "/proc/self/fd/" + QByteArray::number(pinned);
    int fd;
    do
        fd = ::open(again.constData(), (flags & ~(O_NONBLOCK | O_CREAT | O_EXCL | O_NOFOLLOW)) | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    const int code = errno;
    ::close(pinned);
    errno = code == ENOENT ? EWOULDBLOCK : code;
    return fd;
}

} // namespace

QString writeFailedText()
{
    return QCoreApplication::translate("SafeSave", "írási hiba");
}

QString notRegularText()
{
    return QCoreApplication::translate("SafeSave", "nem közönséges fájl (mappa, eszköz vagy FIFO)");
}

QString systemError(int code)
{
    if (code == errBusy)
        return QCoreApplication::translate("SafeSave", "a program egy másik mentése éppen írja ezt a fájlt; próbálja újra később");
    return code == errNotRegular ? notRegularText() : qt_error_string(code);
}

Result failed(Failure failure, const QString& reason)
{
    Result r;
    r.failure = failure;
    r.errorString = reason;
    return r;
}

Result failed(Failure failure, int code)
{
    return code == errNotRegular ? failed(Failure::NotRegular, notRegularText()) : failed(failure, systemError(code));
}

// Without waiting: a FIFO's open would wait for a partner forever, a device feeds or
// swallows endless data. Only a lease on a regular file is waited for, as by any open.
// The kernel refuses an open with O_CREAT of another user's file in a sticky folder
// (fs.protected_regular), even to root, though the same open without it is allowed.
int openRegular(int dir, const QByteArray& name, int flags, mode_t mode)
{
    if ((flags & O_CREAT) && !(flags & O_EXCL)) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const int fd = openRegular(dir, name, flags & ~O_CREAT, mode);
            if (fd >= 0 || errno != ENOENT)
                return fd;
            const int made = openRegular(dir, name, flags | O_EXCL, mode);
            if (made >= 0 || errno != EEXIST)
                return made;
        }
        return -1;
    }
    int fd;
    do
        fd = ::openat(dir, name.constData(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    if (fd < 0 && errno == EWOULDBLOCK)
        fd = openLeased(dir, name, flags);
    if (fd < 0) {
        // A folder opened for writing, a FIFO nobody reads, a link where none is followed.
        if (errno == EISDIR || errno == ENXIO || (errno == ELOOP && (flags & O_NOFOLLOW)))
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

int sysOpen(int dir, const QByteArray& name, int flags, mode_t mode)
{
    return injectedFault(Op::Open) ? -1 : openRegular(dir, name, flags, mode);
}

bool sysWrite(int fd, const char* data, qint64 size, Op op)
{
    if (injectedFault(op)) {
        const int code = errno;
        const qint64 part = shortWriteBytes();
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

bool sysLink(int dir, const QByteArray& from, const QByteArray& to)
{
    return !injectedFault(Op::Link) && ::linkat(dir, from.constData(), dir, to.constData(), 0) == 0;
}

bool sysRename(int dir, const QByteArray& from, const QByteArray& to)
{
    return !injectedFault(Op::Rename) && ::renameat(dir, from.constData(), dir, to.constData()) == 0;
}

bool sysRenameNew(int fromDir, const QByteArray& from, int toDir, const QByteArray& to)
{
    if (injectedFault(Op::Rename))
        return false;
    if (::renameat2(fromDir, from.constData(), toDir, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot refuse: a second name is as exclusive; without links, look first.
    if (::linkat(fromDir, from.constData(), toDir, to.constData(), 0) == 0) {
        ::unlinkat(fromDir, from.constData(), 0);
        return true;
    }
    struct stat st;
    if (errno == EEXIST || ::fstatat(toDir, to.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::renameat(fromDir, from.constData(), toDir, to.constData()) == 0;
}

bool sysRemove(int dir, const QByteArray& name)
{
    return !injectedFault(Op::Remove) && ::unlinkat(dir, name.constData(), 0) == 0;
}

bool sysTruncate(int fd, off_t size)
{
    return !injectedFault(Op::Truncate) && ::ftruncate(fd, size) == 0;
}

// The temporary and the rename would replace a write-protected document where opening it
// for writing is refused, so ask first.
bool sysMayWrite(int dir, const QByteArray& name)
{
    return !injectedFault(Op::Access) && ::faccessat(dir, name.constData(), W_OK, 0) == 0;
}

ChunkedFile::ChunkedFile(int fd) : m_fd(fd)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

ChunkedFile::~ChunkedFile()
{
    abandon();
}

bool ChunkedFile::finish(bool cutToWritten)
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

void ChunkedFile::abandon()
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    QIODevice::close();
}

QString ChunkedFile::reason() const
{
    return m_reason.isEmpty() ? writeFailedText() : m_reason;
}

qint64 ChunkedFile::writeData(const char* data, qint64 size)
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

void ChunkedFile::remember(int code)
{
    m_failed = true;
    if (m_reason.isEmpty()) {
        m_reason = systemError(code);
        m_code = code;
    }
}

// Only root may give a file away, but a member of the old file's group may give it that
// group: then whoever could read the old file can read this one. Where not even the group can
// be given, the group's rights are cut to what everyone has. The mode comes last (a change of
// owner clears the set-id bits) and is checked: until it is set, the file stays as private as
// it was made.
Fit takeOwnerAndMode(int fd, const struct stat& old)
{
    struct stat now;
    if (::fstat(fd, &now) != 0)
        return Fit::Unset;
    bool owner = now.st_uid == old.st_uid, group = now.st_gid == old.st_gid;
    if (owner && group && (now.st_mode & 07777) == (old.st_mode & 07777))
        return Fit::Whole;
    if (!(owner && group) && sysChown(fd, old.st_uid, old.st_gid))
        owner = group = true;
    if (!group && sysChown(fd, uid_t(-1), old.st_gid))
        group = true;
    const mode_t others = old.st_mode & 07;
    const mode_t mode = group ? old.st_mode & 07777 : (old.st_mode & 07707) | (old.st_mode & (others << 3));
    if (!sysChmod(fd, mode))
        return Fit::Unset;
    if (owner && group)
        return Fit::Whole;
    // Without the group, readers who were only in it would lose the file.
    return group || !(old.st_mode & 040) || (old.st_mode & 04) ? Fit::Readable : Fit::Private;
}

namespace {

// Whether a user is in a group: this process's own groups as the system gives them, else the
// user database's. A user the database does not know is in none, but where presumed (the
// document's owner, in the group of the document): a file takes a shared folder's group
// without its maker being in it.
bool memberOf(uid_t uid, gid_t gid, bool presumed = false)
{
    std::vector<gid_t> groups;
    if (testUserGroups(uid, groups))
        return std::find(groups.begin(), groups.end(), gid) != groups.end();
    if (uid == ::geteuid()) {
        if (gid == ::getegid())
            return true;
        groups.resize(size_t(qMax(0, ::getgroups(0, nullptr))));
        const int n = groups.empty() ? 0 : ::getgroups(int(groups.size()), groups.data());
        return std::find(groups.begin(), groups.begin() + qMax(0, n), gid) != groups.begin() + qMax(0, n);
    }
    struct passwd pw;
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &pw, buffer, sizeof buffer, &found) != 0 || !found)
        return presumed;
    int n = 64;
    groups.resize(size_t(n));
    if (::getgrouplist(pw.pw_name, pw.pw_gid, groups.data(), &n) < 0) {
        groups.resize(size_t(n));
        if (::getgrouplist(pw.pw_name, pw.pw_gid, groups.data(), &n) < 0)
            return presumed;
    }
    return std::find(groups.begin(), groups.begin() + n, gid) != groups.begin() + n;
}

} // namespace

// Mode bits are enough here: the program sets no access lists, and root reads anything.
bool fitsAsBackupOf(const struct stat& file, const struct stat& doc)
{
    const mode_t f = file.st_mode, d = doc.st_mode;
    const bool sameGroup = file.st_gid == doc.st_gid;
    if ((f & 04) && !(d & 04))
        return false;
    if ((f & 040) && !(d & 04) && !((d & 040) && sameGroup))
        return false;
    const uid_t holder = file.st_uid;
    if (holder != 0 && holder != doc.st_uid && !(d & 04) && !((d & 040) && memberOf(holder, doc.st_gid)))
        return false;
    return holder == doc.st_uid || doc.st_uid == 0 || (f & 04)
           || ((f & 040) && memberOf(doc.st_uid, file.st_gid, sameGroup));
}

bool madeByAWriterOf(const struct stat& file, const struct stat& doc)
{
    return S_ISREG(file.st_mode) && file.st_nlink == 1 && writtenByWritersOf(file, doc);
}

bool ownedByAWriterOf(const struct stat& file, const struct stat& doc)
{
    const mode_t d = doc.st_mode;
    const uid_t holder = file.st_uid;
    return holder == 0 || holder == doc.st_uid || (d & 02) || ((d & 020) && memberOf(holder, doc.st_gid));
}

bool writtenByWritersOf(const struct stat& file, const struct stat& doc)
{
    const mode_t f = file.st_mode, d = doc.st_mode;
    const bool groupWrites = (d & 020) && file.st_gid == doc.st_gid;
    if (((f & 02) && !(d & 02)) || ((f & 020) && !(d & 02) && !groupWrites))
        return false;
    return ownedByAWriterOf(file, doc);
}

bool readFrom(int fd, off_t from, QByteArray& out)
{
    out.clear();
    char buffer[chunkSize];
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, from);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        out.append(buffer, int(n));
        from += n;
    }
}

bool readFile(int dir, const QByteArray& name, QByteArray& out)
{
    const int fd = sysOpen(dir, name, O_RDONLY | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool ok = readFrom(fd, 0, out);
    const int code = errno;
    ::close(fd);
    errno = code;
    return ok;
}

namespace {

const char writersLockMagic[] = "WYX-LOCK\n";
constexpr int writersLockNames = 8;

// Only the document's writers may open its lock: a lock of any kind that a reader held on
// the document itself, or on a file readers may open, would stop every save.
bool onlyWritersOpen(const struct stat& file, const struct stat& doc)
{
    const mode_t f = file.st_mode, d = doc.st_mode;
    const bool groupWrites = (d & 020) && file.st_gid == doc.st_gid;
    return S_ISREG(f) && file.st_nlink == 1 && !((f & 07) && !(d & 02))
           && !((f & 070) && !(d & 02) && !groupWrites) && ownedByAWriterOf(file, doc);
}

// A fresh lock only the document's writers may open: its group's where they write it,
// everyone's where all do. Where the group cannot be given or the mode set, it stays its
// maker's alone, and a writer who cannot open it saves without it.
int makeWritersLock(int dir, const QByteArray& name, const struct stat& doc)
{
    const int fd = ::openat(dir, name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    const bool root = ::geteuid() == 0;
    const bool group = ::fchown(fd, root ? doc.st_uid : uid_t(-1), doc.st_gid) == 0;
    const mode_t d = doc.st_mode;
    const mode_t mode = 0600 | ((group && (d & 020)) ? 060 : 0) | ((d & 02) ? 06 : 0);
    if (mode != 0600 && ::fchmod(fd, mode) != 0)
        ::fchmod(fd, 0600);
    writeAllRaw(fd, writersLockMagic, qstrlen(writersLockMagic));
    return fd;
}

} // namespace

Locks::~Locks()
{
    release();
}

// The writers' lock goes while still held, so that a save waiting for it takes a fresh one;
// only a file a save of this program made under its name, never another document.
void Locks::release()
{
    if (m_writers >= 0) {
        struct stat held, now;
        char bytes[sizeof writersLockMagic] = {};
        if (::fstat(m_writers, &held) == 0 && held.st_size == off_t(qstrlen(writersLockMagic))
            && ::pread(m_writers, bytes, sizeof bytes, 0) == ssize_t(qstrlen(writersLockMagic))
            && qstrcmp(bytes, writersLockMagic) == 0
            && ::fstatat(m_dir, m_writersName.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0
            && now.st_dev == held.st_dev && now.st_ino == held.st_ino)
            ::unlinkat(m_dir, m_writersName.constData(), 0);
        ::close(std::exchange(m_writers, -1));
    }
    for (const int fd : m_fds)
        ::close(fd);
    m_fds.clear();
}

bool Locks::hold(int fd)
{
    const int kept = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (kept < 0)
        return true; // no lock, as on a file system without them
    // Never waits: a fresh file is held only by a save about to remove it, and a lock someone
    // else holds on a document must not stop the save.
    struct stat st;
    const bool held = ::flock(kept, LOCK_EX | LOCK_NB) == 0;
    if (!held && errno != EWOULDBLOCK && errno != EINTR) {
        ::close(kept);
        return true; // a file system without locks
    }
    if (!held || (::fstat(kept, &st) == 0 && st.st_nlink == 0)) {
        ::close(kept);
        return false;
    }
    m_fds.push_back(kept);
    return true;
}

bool Locks::holdName(const QByteArray& name)
{
    const int fd = ::openat(m_dir, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = hold(fd);
    ::close(fd);
    return held;
}

// Saves of one document take turns on a lock beside it that only its writers may open
// ("<file>.lock"; where something else holds that name, "<file>.lock2" and on), never on the
// document, which anyone who may read it can lock. Where none can be had (a folder the user
// may not write, a file system without locks, names others hold), the save goes on without.
// Polled, as flock cannot wait for a bounded time; the window shows that it waits.
bool Locks::holdDocument(const QByteArray& name, struct stat& doc)
{
    QElapsedTimer waited;
    waited.start();
    std::unique_ptr<WaitCursor> cursor;
    for (int tries = 0, k = 0; k < writersLockNames && tries < 100; ++tries) {
        const QByteArray lockName = besideName(m_dir, name, ".lock" + (k ? QByteArray::number(k + 1) : QByteArray()));
        int fd = ::openat(m_dir, lockName.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        const bool made = fd < 0 && errno == ENOENT && (fd = makeWritersLock(m_dir, lockName, doc)) >= 0;
        if (fd < 0 && errno == EEXIST)
            continue; // made meanwhile: look again
        if (fd < 0 && errno != EACCES && errno != ELOOP)
            break; // no lock can be made here
        struct stat st, now;
        if (fd < 0 || ::fstat(fd, &st) != 0 || !(made || onlyWritersOpen(st, doc))) {
            if (fd >= 0)
                ::close(fd);
            ++k; // not a lock of this document's writers
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int code = errno;
            ::close(fd);
            if (code != EWOULDBLOCK && code != EINTR)
                break; // a file system without locks
            if (waited.elapsed() >= busyWaitMilliseconds()) {
                errno = errBusy;
                return false;
            }
            if (!cursor && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
                cursor.reset(new WaitCursor);
            QThread::msleep(20);
            tries = 0;
            continue;
        }
        // The save that held it removed it as it ended: take a fresh one.
        if (::fstatat(m_dir, lockName.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0 || now.st_dev != st.st_dev
            || now.st_ino != st.st_ino) {
            ::close(fd);
            continue;
        }
        m_writers = fd;
        m_writersName = lockName;
        break;
    }
    // What the name holds now that no other save runs: a save that held the lock may have put
    // a new file there. It stays open until the save ends.
    int fd = openRegular(m_dir, name, O_RDONLY | O_NOFOLLOW);
    if (fd < 0 && errno == EACCES)
        fd = openRegular(m_dir, name, O_WRONLY | O_NOFOLLOW);
    if (fd < 0)
        return false;
    m_fds.push_back(fd);
    return ::fstat(fd, &doc) == 0;
}

// Opened for writing where it may be: NFS locks a file exclusively only so.
void removeUnheld(int dir, const QByteArray& name)
{
    struct stat held, now;
    const uid_t me = ::geteuid();
    if (::fstatat(dir, name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(now.st_mode)
        || (now.st_uid != me && me != 0))
        return;
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::openat(dir, name.constData(), O_RDWR | flags);
    if (fd < 0)
        fd = ::openat(dir, name.constData(), O_RDONLY | flags);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode)
        && held.st_uid == now.st_uid && ::fstatat(dir, name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0
        && now.st_ino == held.st_ino && now.st_dev == held.st_dev)
        sysRemove(dir, name);
    ::close(fd);
}

int createTemp(const QByteArray& target, QByteArray& tempName, mode_t mode, Locks& locks)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = besideName(locks.dir(), target, randomSuffix() + ".tmp");
        const int fd = sysOpen(locks.dir(), tempName, O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0 || locks.hold(fd))
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// Made private, then given the original's owner, group and mode as far as allowed: a copy is
// never readable by more people than its original.
bool writeTemp(const QByteArray& bytes, const QByteArray& target, const struct stat& original, QByteArray& to,
               struct stat& made, Locks& locks)
{
    const int out = createTemp(target, to, 0600, locks);
    if (out < 0)
        return false;
    ChunkedFile copy(out);
    takeOwnerAndMode(out, original);
    const bool ok = ::fstat(out, &made) == 0 && pourInto(copy, bytes);
    const int code = errno;
    if (ok && copy.finish())
        return true;
    copy.abandon();
    ::unlinkat(locks.dir(), to.constData(), 0);
    errno = copy.failed() ? copy.errorCode() : code;
    return false;
}

bool writeOver(int dir, const QByteArray& bytes, const QByteArray& to, const struct stat* mustFit)
{
    const int out = sysOpen(dir, to, O_WRONLY | O_NOFOLLOW, 0600);
    if (out < 0)
        return false;
    struct stat st;
    if (mustFit && (::fstat(out, &st) != 0 || !madeByAWriterOf(st, *mustFit) || !fitsAsBackupOf(st, *mustFit))) {
        ::close(out);
        errno = EPERM;
        return false;
    }
    ChunkedFile over(out);
    if (!pourInto(over, bytes) || !over.finish(true)) {
        errno = over.failed() ? over.errorCode() : EIO;
        return false;
    }
    return true;
}

bool copyOver(int dir, const QByteArray& from, const QByteArray& to, const struct stat* mustFit)
{
    QByteArray bytes;
    return readFile(dir, from, bytes) && writeOver(dir, bytes, to, mustFit);
}

void syncDirectory(int dir)
{
    const int fd = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace SafeSave
