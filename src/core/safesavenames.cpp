#include "core/safesavenames.h"

#include "core/constants.h"
#include "core/safesavefiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeSave {
namespace {

// The longest file name the folder's file system takes.
long nameMax(const QByteArray& path)
{
    const int slash = path.lastIndexOf('/');
    const QByteArray dir = slash > 0 ? path.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    const long max = ::pathconf(dir.constData(), _PC_NAME_MAX);
    return max > 0 ? max : 255;
}

} // namespace

QByteArray randomSuffix()
{
    return '.' + QByteArray::number(QRandomGenerator::global()->generate() % 0xFFFFFF, 36);
}

// The kernel's protection of sticky folders everyone may write (fs.protected_symlinks) never
// sees the links named here, as they are read rather than followed; so its rule is kept here,
// whether the protection is on or not: such a link is followed only where it is this user's
// or the folder owner's, as the kernel would follow it, even for root.
QString resolveLinks(const QString& path, QString* refusal)
{
    QString done = QStringLiteral("/");
    QStringList rest = QFileInfo(path).absoluteFilePath().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int followed = 0; !rest.isEmpty();) {
        const QString part = rest.takeFirst();
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            done = QFileInfo(done).path(); // what is done holds no link: its parent by name is its parent
            continue;
        }
        const QString next = done + (done.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + part;
        const QByteArray name = QFile::encodeName(next);
        struct stat link, folder;
        if (::lstat(name.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) {
            done = next;
            continue;
        }
        const bool shared = ::stat(QFile::encodeName(done).constData(), &folder) == 0
                            && (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
        char to[PATH_MAX];
        const ssize_t length = ::readlink(name.constData(), to, sizeof to);
        const int code = length < 0 ? errno : ++followed > 40 ? ELOOP : 0;
        if (code || (shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid)) {
            if (refusal)
                *refusal = code ? systemError(code) : foreignLinkText(next);
            return QString();
        }
        const QString target = QFile::decodeName(QByteArray(to, int(length)));
        if (target.startsWith(QLatin1Char('/')))
            done = QStringLiteral("/"); // else it goes on from the link's folder
        rest = target.split(QLatin1Char('/'), Qt::SkipEmptyParts) + rest;
    }
    return done;
}

QString foreignLinkText(const QString& link)
{
    return QCoreApplication::translate("SafeSave", "egy másik felhasználó szimbolikus linkje egy bárki által írható "
                                                   "közös mappában, nem követhető: %1")
        .arg(link);
}

// Every document the file system holds can have its temporaries and its backup. A cut name
// ends in a digest of the full one, so two long names that begin alike stay apart, and it is
// cut between characters.
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

// A backup name taken by anything but a regular file would be replaced by the backup or stop
// the rotation half way. A link is never looked through: the kernel may refuse to follow it
// (another user's in a sticky folder), which would make the name look free.
bool backupNameTaken(const QByteArray& backupName)
{
    struct stat st;
    return ::lstat(backupName.constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

QByteArray claimOldCopyName(const QByteArray& target)
{
    const QByteArray backupTemp = '.' + extBackup.toLatin1() + ".tmp";
    QByteArray name = besideName(target, backupTemp);
    struct stat st;
    for (int attempt = 0; attempt < 100 && ::lstat(name.constData(), &st) == 0; ++attempt)
        name = besideName(target, randomSuffix() + backupTemp);
    return name;
}

} // namespace SafeSave

QString backupPathFor(const QString& path)
{
    return QFile::decodeName(SafeSave::besideName(QFile::encodeName(path), '.' + extBackup.toLatin1()));
}

bool nameHeld(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool renameToFreeName(const QString& from, const QString& to)
{
    return SafeSave::sysRenameNew(QFile::encodeName(from), QFile::encodeName(to));
}
