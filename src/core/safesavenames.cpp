#include "core/safesavenames.h"

#include "core/constants.h"
#include "core/safesavefiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace SafeSave {
namespace {

// The longest file name the folder's file system takes.
long nameMax(int dir, const QByteArray& name)
{
    const int slash = name.lastIndexOf('/');
    long max;
    if (slash >= 0)
        max = ::pathconf(slash == 0 ? "/" : name.left(slash).constData(), _PC_NAME_MAX);
    else
        max = dir == AT_FDCWD ? ::pathconf(".", _PC_NAME_MAX) : ::fpathconf(dir, _PC_NAME_MAX);
    return max > 0 ? max : 255;
}

QList<QByteArray> partsOf(const QByteArray& path)
{
    QList<QByteArray> parts = path.split('/');
    parts.removeAll(QByteArray());
    return parts;
}

int openDir(int at, const char* name)
{
    return ::openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

Folder::~Folder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

Folder::Folder(Folder&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

Folder& Folder::operator=(Folder&& other) noexcept
{
    std::swap(m_fd, other.m_fd);
    return *this;
}

QString Folder::path() const
{
    char to[PATH_MAX];
    const ssize_t length = ::readlink(("/proc/self/fd/" + QByteArray::number(m_fd)).constData(), to, sizeof to);
    return length > 0 ? QFile::decodeName(QByteArray(to, int(length))) : QString();
}

// Each part is opened from the folder before it (O_NOFOLLOW), never looked up again by name:
// a folder on the way swapped for a link after the walk passed it changes nothing. The
// kernel's protection of sticky folders everyone may write (fs.protected_symlinks) never sees
// the links named here, as they are read rather than followed; so its rule is kept here,
// whether the protection is on or not, even for root.
Folder openFolder(const QString& path, QByteArray& leaf, QString* refusal)
{
    const auto refuse = [&](int code, const QString& text = QString()) {
        if (refusal)
            *refusal = text.isEmpty() ? systemError(code) : text;
        return Folder();
    };
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || name.endsWith('/'))
        return refuse(name.isEmpty() ? ENOENT : EISDIR);
    Folder at(openDir(AT_FDCWD, name.startsWith('/') ? "/" : "."));
    QString walked = name.startsWith('/') ? QString() : QStringLiteral(".");
    QList<QByteArray> rest = partsOf(name);
    for (int followed = 0, swaps = 0; at.isOpen() && !rest.isEmpty();) {
        const QByteArray part = rest.takeFirst();
        if (part == ".")
            continue;
        const QString next = walked + QLatin1Char('/') + QFile::decodeName(part);
        struct stat st;
        if (::fstatat(at.fd(), part.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && rest.isEmpty() && part != "..") {
                leaf = part; // a new document
                return at;
            }
            return refuse(errno);
        }
        if (S_ISLNK(st.st_mode)) {
            struct stat folder;
            const bool shared = ::fstat(at.fd(), &folder) == 0
                                && (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
            char to[PATH_MAX];
            const ssize_t length = ::readlinkat(at.fd(), part.constData(), to, sizeof to);
            const int code = length < 0 ? errno : ++followed > 40 ? ELOOP : 0;
            if (code)
                return refuse(code);
            if (shared && st.st_uid != ::geteuid() && st.st_uid != folder.st_uid)
                return refuse(0, foreignLinkText(next));
            const QByteArray target(to, int(length));
            if (target.startsWith('/')) {
                at = Folder(openDir(AT_FDCWD, "/"));
                walked.clear();
            }
            rest = partsOf(target) + rest; // else it goes on from the link's folder
            continue;
        }
        if (rest.isEmpty() && part != "..") {
            leaf = part;
            return at;
        }
        Folder inner(openDir(at.fd(), part.constData()));
        if (!inner.isOpen()) {
            // Turned into a link since it was looked at: look again, a bounded number of times.
            if ((errno == ELOOP || errno == ENOTDIR) && ++swaps < 100) {
                rest.prepend(part);
                continue;
            }
            return refuse(errno);
        }
        at = std::move(inner);
        walked = next;
    }
    if (!at.isOpen())
        return refuse(errno);
    return refuse(EISDIR); // the path names a folder
}

QString foreignLinkText(const QString& link)
{
    return QCoreApplication::translate("SafeSave", "egy másik felhasználó szimbolikus linkje egy bárki által írható "
                                                   "közös mappában, nem követhető: %1")
        .arg(link);
}

QByteArray randomSuffix()
{
    return '.' + QByteArray::number(QRandomGenerator::global()->generate() % 0xFFFFFF, 36);
}

// Every document the file system holds can have its temporaries and its backup. A cut name
// ends in a digest of the full one, so two long names that begin alike stay apart, and it is
// cut between characters.
QByteArray besideName(int dir, const QByteArray& path, const QByteArray& suffix)
{
    const int slash = path.lastIndexOf('/');
    const QByteArray name = path.mid(slash + 1);
    const long max = nameMax(dir, path);
    if (name.size() + suffix.size() <= max)
        return path + suffix;
    const QByteArray digest = '~' + QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex().left(8);
    int keep = qMax(0, int(max) - suffix.size() - digest.size());
    while (keep > 0 && (uchar(name.at(keep)) & 0xC0) == 0x80) // not inside a UTF-8 character
        --keep;
    return path.left(slash + 1) + name.left(keep) + digest + suffix;
}

QByteArray backupNameOf(int dir, const QByteArray& name)
{
    return besideName(dir, name, '.' + extBackup.toLatin1());
}

// A backup name taken by anything but a regular file would be replaced by the backup or stop
// the rotation half way. A link is never looked through: the kernel may refuse to follow it
// (another user's in a sticky folder), which would make the name look free.
bool backupNameTaken(int dir, const QByteArray& backupName)
{
    struct stat st;
    return ::fstatat(dir, backupName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode);
}

QByteArray claimOldCopyName(int dir, const QByteArray& target)
{
    const QByteArray backupTemp = '.' + extBackup.toLatin1() + ".tmp";
    QByteArray name = besideName(dir, target, backupTemp);
    struct stat st;
    for (int attempt = 0; attempt < 100 && ::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0; ++attempt)
        name = besideName(dir, target, randomSuffix() + backupTemp);
    return name;
}

} // namespace SafeSave

QString backupPathFor(const QString& path)
{
    return QFile::decodeName(SafeSave::backupNameOf(AT_FDCWD, QFile::encodeName(path)));
}

bool nameHeld(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool renameToFreeName(const QString& from, const QString& to)
{
    return SafeSave::sysRenameNew(AT_FDCWD, QFile::encodeName(from), AT_FDCWD, QFile::encodeName(to));
}
