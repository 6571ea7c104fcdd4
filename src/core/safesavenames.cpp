#include "core/safesavenames.h"

#include "core/constants.h"
#include "core/safesavefiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

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
// the rotation half way.
bool backupNameTaken(const QByteArray& backupName)
{
    struct stat st;
    return ::stat(backupName.constData(), &st) == 0 && !S_ISREG(st.st_mode);
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
