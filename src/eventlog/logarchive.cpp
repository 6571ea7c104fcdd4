#include "eventlog/logmodel.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Archives of one log on one day before the name search gives up.
constexpr int maxArchivesPerDay = 1000;
} // namespace

int LogModel::rowOfNthLastReadout(int count) const
{
    const int n = m_entries.size();
    if (n < 2)
        return 0;
    if (count <= 0)
        return n - 2;
    // The last row, the closing entry of the last read-out, is not counted.
    int tally = 0;
    for (int r = n - 2; r >= 0; --r)
        if (m_entries.at(r).kind() == KindReadOut && ++tally == count)
            return r;
    return 0;
}

int LogModel::rowOfDate(const QDate& date) const
{
    const int n = m_entries.size();
    for (int r = n - 1; r >= 0; --r) {
        const QDate day = m_entries.at(r).dateTime().date();
        if (day.isValid() && day < date)
            return qMin(r + 1, n - 1); // the last row always stays
    }
    return 0;
}

QString LogModel::archiveFilePath(const QDate& day) const
{
    QString base = LogFile::fileNameForDevice(m_header.deviceName);
    base.chop(extEventLog.size() + 1);
    if (LogFile::canonicalDeviceName(m_header.deviceName).trimmed().isEmpty())
        base.clear();
    const QDir dir(QDir(appSettings().archiveDir).absolutePath());
    const QString stem = base + day.toString(QStringLiteral("_yyyy-MM-dd"));
    // An archive of the same day is never replaced: it may hold rows no other file has.
    for (int n = 1; n <= maxArchivesPerDay; ++n) {
        const QString name = n == 1 ? stem : QStringLiteral("%1_%2").arg(stem, QString::number(n));
        const QString path = dir.absoluteFilePath(name + QLatin1Char('.') + extEventArchive);
        if (!QFileInfo::exists(path) && !QFileInfo::exists(backupPathFor(path)))
            return path;
    }
    return QString();
}

bool LogModel::archive(int boundary, const QString& logPath)
{
    return archiveTo(boundary, logPath) == ArchiveResult::Done;
}

LogModel::ArchiveResult LogModel::archiveTo(int boundary, const QString& logPath, QString* archivePath)
{
    const int n = m_entries.size();
    if (n == 0)
        return ArchiveResult::Done;
    if (boundary >= n)
        return ArchiveResult::BadBoundary;
    const WaitCursor wait;
    const QString target = archiveFilePath(QDate::currentDate());
    const QString logFile = appSettings().workPath(
        logPath.isEmpty() ? LogFile::fileNameForDevice(m_header.deviceName) : logPath);
    SafeSave::Result result;
    // The archive keeps the log's records: it is no more open than the log.
    if (target.isEmpty()
        || !saveWithBackup(target, [this](QIODevice& d) { return LogFile::write(d, m_header, m_entries); },
                           &result, logFile)) {
        m_lastError = tr("Az archív fájl létrehozása nem sikerült!");
        return ArchiveResult::ArchiveNotWritten;
    }
    tellIfBackupNotKept(nullptr, target, result);
    if (archivePath)
        *archivePath = target;

    // The shortened log is written before the model changes, so that a failure leaves the
    // log, in memory and on disk, exactly as it was.
    const int first = boundary < 0 ? n : boundary;
    LogEntry archived;
    archived.makeProgramEntry(m_entries.first().sortDateTime(),
                              m_entries.at(boundary < 0 ? n - 1 : boundary).sortDateTime(), KindArchived);
    QVector<LogEntry> kept;
    kept.reserve(n - first + 1);
    kept.append(archived);
    kept.append(m_entries.mid(first));
    if (!saveWithBackup(logFile, [&](QIODevice& d) { return LogFile::write(d, m_header, kept); }, &result)) {
        QFile::remove(target); // no half-done archiving: the log keeps its rows
        m_lastError = tr("Az esemény napló mentése nem sikerült:\n%1\nAz archiválás elmaradt, a napló változatlan.")
                          .arg(logFile);
        return ArchiveResult::LogNotSaved;
    }
    tellIfBackupNotKept(nullptr, logFile, result);
    beginResetModel();
    m_entries = std::move(kept);
    m_modified = false;
    endResetModel();
    m_lastError.clear();
    return ArchiveResult::Done;
}
