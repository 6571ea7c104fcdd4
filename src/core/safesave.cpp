#include "core/safesave.h"

#include "core/constants.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString backupPathFor(const QString& path)
{
    return path + QLatin1Char('.') + extBackup;
}

bool saveWithBackup(const QString& path, const std::function<bool(QIODevice&)>& writer)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writer(file)) {
        file.cancelWriting();
        return false;
    }
    const QString backup = backupPathFor(path);
    const bool hadOld = QFileInfo::exists(path);
    if (hadOld) {
        if ((QFileInfo::exists(backup) && !QFile::remove(backup)) || !QFile::rename(path, backup)) {
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        if (hadOld)
            QFile::rename(backup, path);
        return false;
    }
    return true;
}
