#include "core/safesave.h"

#include "core/constants.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString backupPathFor(const QString& path)
{
    return path + QLatin1Char('.') + extBackup;
}

bool saveWithBackup(const QString& path, const std::function<bool(QIODevice&)>& writer, QString* errorText)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    const auto failed = [&file, errorText] {
        if (errorText)
            *errorText = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    if (!writer(file)) {
        failed();
        file.cancelWriting();
        return false;
    }
    const QString backup = backupPathFor(path);
    const bool hadOld = QFileInfo::exists(path);
    if (hadOld) {
        if ((QFileInfo::exists(backup) && !QFile::remove(backup)) || !QFile::rename(path, backup)) {
            failed();
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        failed();
        if (hadOld)
            QFile::rename(backup, path);
        return false;
    }
    return true;
}
