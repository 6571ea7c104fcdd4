#include "eventlog/logmodel.h"

#include "core/constants.h"
#include "core/digestingdevice.h"
#include "core/helpers.h"
#include "core/safesave.h"
#include "core/safesavecreate.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Numbered archives of one log on one day.
constexpr int maxArchivesPerDay = 1000;

QString numberedName(const QString& stem, int n)
{
    return (n == 1 ? stem : QStringLiteral("%1_%2").arg(stem, QString::number(n))) + QLatin1Char('.') + extEventArchive;
}

bool archiveNameFree(const QString& path)
{
    return !nameHeld(path) && !nameHeld(backupPathFor(path));
}

// Gives the archive the first numbered name free, never replacing what appears there
// meanwhile; where all are taken, it keeps its own. Empty where the move failed.
QString takeNumberedName(const QString& own, const QString& stem)
{
    for (int n = 1; n <= maxArchivesPerDay; ++n) {
        const QString name = numberedName(stem, n);
        if (nameHeld(backupPathFor(name)))
            continue;
        if (renameToFreeName(own, name)) // a step of the archive's save
            return name;
        if (errno != EEXIST)
            return QString();
    }
    return own;
}

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

QString LogModel::archiveStem(const QDate& day) const
{
    QString base = LogFile::fileNameForDevice(m_header.deviceName);
    base.chop(extEventLog.size() + 1);
    if (LogFile::canonicalDeviceName(m_header.deviceName).trimmed().isEmpty())
        base.clear();
    return QDir(QDir(appSettings().archiveDir).absolutePath()).absoluteFilePath(base + day.toString(QStringLiteral("_yyyy-MM-dd")));
}

QString LogModel::archiveFilePath(const QDate& day) const
{
    // An archive of the same day is never replaced: it may hold rows no other file has.
    const QString stem = archiveStem(day);
    for (int n = 1; n <= maxArchivesPerDay; ++n) {
        if (archiveNameFree(numberedName(stem, n)))
            return numberedName(stem, n);
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
    const QString logFile = appSettings().workPath(
        logPath.isEmpty() ? LogFile::fileNameForDevice(m_header.deviceName) : logPath);
    // The archive is written whole under a random name of its own, created exclusively
    // (nothing beforehand tells that name), then takes a numbered name that nothing holds: the
    // day's names are known to all, and one that another user made is never written through
    // or replaced, nor can all of them stop the archiving. A random name someone happens to
    // hold already is passed over for another.
    const QString stem = archiveStem(QDate::currentDate());
    QString own;
    SafeSave::Result result;
    bool written = false;
    for (int attempt = 0; attempt < 100 && !written; ++attempt) {
        QString letters;
        for (int i = 0; i < 8; ++i)
            letters += QLatin1Char(char('a' + QRandomGenerator::global()->bounded(26)));
        own = numberedName(stem + QLatin1Char('_') + letters, 1);
        if (!archiveNameFree(own))
            continue;
        // The archive keeps the log's records: it is no more open than the log.
        written = createWhole(
            own, [this](QIODevice& d) { return LogFile::write(d, m_header, m_entries); }, &result, logFile);
        if (!written && (result.failure != SafeSave::Failure::Open || !nameHeld(own)))
            break;
    }
    const QString target = written ? takeNumberedName(own, stem) : QString();
    if (target.isEmpty()) {
        if (written)
            QFile::remove(own);
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
    QByteArray digest;
    const auto writeKept = [&](QIODevice& device) {
        DigestingDevice out(device);
        const bool written = LogFile::write(out, m_header, kept);
        digest = out.digest();
        return written;
    };
    if (!saveWithBackup(logFile, writeKept, &result)) {
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
    emit saved(logFile, digest);
    return ArchiveResult::Done;
}
