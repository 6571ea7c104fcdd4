#include "core/knownfile.h"

#include "core/helpers.h"
#include "core/safesave.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

// A file by the name the kernel reaches it under, so that a link and its target are one.
QString fileKey(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? absolutePathOf(path) : canonical;
}

const QByteArray noFile = QByteArrayLiteral("none");

// The contents of a file in short: its digest, or which kind of nothing it holds.
QByteArray diskState(const QString& path)
{
    if (!nameHeld(path))
        return noFile;
    QFile file(path);
    if (!openRegularFile(file).isEmpty())
        return QByteArrayLiteral("unreadable");
    QCryptographicHash digest(QCryptographicHash::Sha256);
    if (!digest.addData(&file) || file.error() != QFileDevice::NoError)
        return QByteArrayLiteral("unreadable");
    return digest.result();
}

} // namespace

void KnownFile::rememberRead(const QString& path)
{
    m_path = fileKey(path);
    m_state = diskState(path);
}

void KnownFile::rememberWritten(const QString& path, const QByteArray& digest)
{
    m_path = fileKey(path);
    m_state = digest;
}

bool KnownFile::isFile(const QString& path) const
{
    return !m_path.isEmpty() && fileKey(path) == m_path;
}

bool KnownFile::changedOnDisk(const QString& path) const
{
    if (!isFile(path))
        return false;
    const QByteArray now = diskState(path);
    return now != m_state && now != noFile;
}
