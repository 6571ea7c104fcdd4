#include "eventlog/logmodel.h"

#include "core/digestingdevice.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/usbcom.h"

#include <QBrush>
#include <QFile>
#include <QFileInfo>
#include <QFont>

#include <algorithm>

namespace {

QDateTime newLogDate()
{
    return QDateTime(minValidDate, QTime(0, 0));
}

bool optionSet(int bit)
{
    return appSettings().flags & bit;
}

// Seconds between two wall-clock readings, so that daylight-saving shifts play no part;
// 0 when either has no valid date (31 April), as QDateTime::secsTo has it. Read straight
// from the packed bytes: a local-time conversion per painted cell made scrolling slow.
qint64 wallSecondsBetween(const LogEntry& before, const LogEntry& after)
{
    QDate d0, d1;
    QTime t0, t1;
    before.firstStamp(d0, t0);
    after.firstStamp(d1, t1);
    if (!d0.isValid() || !d1.isValid())
        return 0;
    return (d1.toJulianDay() - d0.toJulianDay()) * 86400 + t0.secsTo(t1);
}

} // namespace

LogModel::LogModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    m_header.initDate = newLogDate();
    m_header.secondHeaderTime = newLogDate();
}

LogModel::LogModel(const QVector<LogEntry>& entries, QObject* parent)
    : QAbstractTableModel(parent)
    , m_entries(entries)
{
}

LogModel::~LogModel() = default;

// A table: only the root has rows and columns.
int LogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

int LogModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(ColumnCount);
}

QVariant LogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::FontRole)
        return cellFont(false);
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    switch (section) {
    case ColumnRow: return tr("sor");
    case ColumnMarker: return QStringLiteral(" ");
    case ColumnDateTime: return tr("Dátum");
    case ColumnCode: return tr("Kód");
    case ColumnDescription: return tr("Leírás");
    default: return QVariant();
    }
}

QVariant LogModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    if (!index.model() || row < 0 || index.column() < 0 || row >= m_entries.size())
        return QVariant();
    const LogEntry& e = m_entries.at(row);
    switch (role) {
    case Qt::FontRole:
        return cellFont(optionSet(OptColorHighlight) && isLateEntry(row));
    case Qt::BackgroundRole: {
        QColor color = e.backgroundColor();
        if (optionSet(OptAlternateBack) && color == defaultBackColor && (row & 1))
            color = alternateRowColor;
        return QBrush(color);
    }
    case Qt::ForegroundRole:
        return QBrush(e.foregroundColor());
    case Qt::DisplayRole:
        return displayData(row, index.column());
    default:
        return QVariant();
    }
}

QVariant LogModel::displayData(int row, int column) const
{
    const LogEntry& e = m_entries.at(row);
    switch (column) {
    case ColumnRow: return row + 1;
    case ColumnMarker: return isLateEntry(row) ? markLongGap : e.markerText();
    case ColumnDateTime: return e.dateTimeText();
    case ColumnCode: return e.codeText();
    case ColumnDescription: {
        const QString description = e.description(false);
        if (optionSet(OptBackToBack)) {
            const QString elapsed = elapsedText(row, false);
            if (!elapsed.isEmpty())
                return QStringLiteral("%1 ( %2 )").arg(description, elapsed);
        }
        return description;
    }
    default: return QVariant();
    }
}

const QFont& LogModel::cellFont(bool late) const
{
    const Settings& s = appSettings();
    if (m_fontSize != s.fontSize || m_fontFace != s.fontFace) {
        m_fontFace = s.fontFace;
        m_fontSize = s.fontSize;
        m_font = documentFont();
        m_lateFont = m_font;
        m_lateFont.setWeight(QFont::Black);
        m_lateFont.setItalic(true);
    }
    return late ? m_lateFont : m_font;
}

Qt::ItemFlags LogModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return QAbstractTableModel::flags(index);
}

LogEntry LogModel::entryAt(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries.at(row) : LogEntry();
}

bool LogModel::entryWithTime(int row, LogEntry& out, QDateTime& time) const
{
    if (row < 0 || row >= m_entries.size()) {
        time = QDateTime(QDate(1900, 1, 1), QTime(0, 0));
        unsigned char raw[LogEntry::size];
        std::copy(out.bytes(), out.bytes() + LogEntry::size, raw);
        raw[0] = KindMissingRow;
        out.setBytes(raw);
        return false;
    }
    out = m_entries.at(row);
    time = out.dateTime();
    return true;
}

int LogModel::kindAt(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries.at(row).kind() : -1;
}

bool LogModel::hasRegularEntry() const
{
    for (const LogEntry& e : m_entries)
        if (e.kind() < KindReadOut)
            return true;
    return false;
}

bool LogModel::lastRegularEquals(const LogEntry& entry) const
{
    for (int row = m_entries.size() - 1; row >= 0; --row)
        if (m_entries.at(row).kind() < KindReadOut)
            return m_entries.at(row) == entry;
    return false;
}

int LogModel::previousTouch(int row) const
{
    for (int r = row - 1; r >= 0; --r)
        if (m_entries.at(r).isTouch())
            return r;
    return -1;
}

bool LogModel::isLateEntry(int row) const
{
    if (!optionSet(OptBackToBackSpecial) || row < 0 || row >= m_entries.size() || !m_entries.at(row).isTouch())
        return false;
    const int before = previousTouch(row);
    if (before < 0)
        return false;
    const qint64 secs = wallSecondsBetween(m_entries.at(before), m_entries.at(row));
    return secs > QTime(0, 0).secsTo(appSettings().followTime);
}

QString LogModel::elapsedText(int row, bool sameCode) const
{
    if (row < 0 || row >= m_entries.size() || !m_entries.at(row).isTouch())
        return QString();
    const LogEntry& e = m_entries.at(row);
    int before = -1;
    if (sameCode) {
        for (int r = row - 1; r >= 0 && before < 0; --r) {
            const LogEntry& p = m_entries.at(r);
            if (p.isTouch() && bytesEqual(p.codeBytes(), e.codeBytes(), 6))
                before = r;
        }
    } else {
        before = previousTouch(row);
    }
    return elapsedBetween(before, row);
}

QString LogModel::elapsedBetween(int before, int row) const
{
    if (before < 0 || before >= row || row >= m_entries.size() || !m_entries.at(before).isTouch()
        || !m_entries.at(row).isTouch())
        return QString();
    const qint64 s = wallSecondsBetween(m_entries.at(before), m_entries.at(row));
    if (s < 0)
        return QString();
    const qint64 days = s / 86400;
    QString text;
    if (days > 0)
        text = tr("%n nap ", nullptr, int(days));
    return text + QTime(0, 0).addSecs(int(s % 86400)).toString(QStringLiteral("H:mm:ss"));
}

int LogModel::nextExtraordinary(int row) const
{
    for (int r = qMax(row + 1, 0); r < m_entries.size(); ++r)
        if (!m_entries.at(r).isTouch() || isLateEntry(r))
            return r;
    return -1;
}

int LogModel::previousExtraordinary(int row) const
{
    for (int r = qMin(row, m_entries.size()) - 1; r >= 0; --r)
        if (!m_entries.at(r).isTouch() || isLateEntry(r))
            return r;
    return -1;
}

void LogModel::appendOne(const LogEntry& entry)
{
    const int n = m_entries.size();
    beginInsertRows(QModelIndex(), n, n);
    m_entries.append(entry);
    m_modified = true;
    endInsertRows();
}

void LogModel::appendDeviceEntry(const unsigned char* raw)
{
    if (raw[0] >= KindFirstUnknown)
        return;
    LogEntry e;
    e.setBytes(raw);
    appendOne(e);
}

void LogModel::appendProgramEntry(const QDateTime& first, const QDateTime& second, unsigned char kind)
{
    LogEntry e;
    e.makeProgramEntry(first, second, kind);
    appendOne(e);
}

void LogModel::appendEntries(const QVector<LogEntry>& records)
{
    int kept = 0;
    for (const LogEntry& e : records)
        kept += e.kind() < KindFirstUnknown;
    if (kept == 0)
        return;
    const int n = m_entries.size();
    beginInsertRows(QModelIndex(), n, n + kept - 1);
    if (m_entries.capacity() < n + kept) // grow geometrically: read-outs append again and again
        m_entries.reserve(qMax(n + kept, n + n / 2));
    for (const LogEntry& e : records)
        if (e.kind() < KindFirstUnknown)
            m_entries.append(e);
    m_modified = true;
    endInsertRows();
}

void LogModel::clearEntries()
{
    beginResetModel();
    if (!m_entries.isEmpty())
        m_modified = true; // the file still holds them
    m_entries.clear();
    m_entries.squeeze();
    endResetModel();
}

void LogModel::setDeviceIdentity(UsbCom* device)
{
    m_header.deviceName = device->deviceName.left(8);
    m_header.ringIndex = quint16(device->writeIndex & 0xFFFF);
    m_header.deviceType = uchar(0x30 | (device->memorySizeCode() & 15));
    m_header.initDate = device->initDate;
}

bool LogModel::isSameDevice(UsbCom* device) const
{
    // Both names as an 8-byte header field holds them, so a cut character never differs.
    auto key = [](const QString& name) { return LogFile::canonicalDeviceName(name).trimmed().toUpper(); };
    return (m_header.deviceType & 15) == (device->memorySizeCode() & 15) && m_header.initDate == device->initDate
           && key(m_header.deviceName) == key(device->deviceName);
}

QString LogModel::absolutePath(const QString& path) const
{
    return appSettings().workPath(path);
}

bool LogModel::load(const QString& path, QWidget* parent)
{
    const QString title = tr("Esemény napló megnyitás");
    auto fail = [&](const QString& text) {
        m_lastError = text;
        if (parent)
            Prompts::warning(parent, title, text);
        return false;
    };
    if (path.isEmpty())
        return fail(tr("Nem sikerült megnyitni az esemény naplót\nNincs név megadva hozzá!"));
    const QFileInfo info(absolutePath(path));
    if (!info.exists())
        return fail(tr("Nem sikerült megnyitni az esemény naplót\n%1\nEz a fájl nem létezik").arg(path));
    QFile file(info.filePath());
    const QString openError = openRegularFile(file);
    if (!openError.isEmpty())
        return fail(tr("Nem sikerült megnyitni az esemény naplót:\n%1\n%2").arg(path, openError));

    LogFile::ReadResult result;
    {
        WaitCursor wait;
        result = LogFile::read(file);
    }
    switch (result.status) {
    case LogFile::ReadStatus::ShortHeader: // a cut header is damage, not an open failure
    case LogFile::ReadStatus::Damaged:
        return fail(tr("A beolvasás sikertelen!\n%1\nsérült, vagy nem megfelelő.").arg(path));
    case LogFile::ReadStatus::Ok:
    case LogFile::ReadStatus::ShortData:
        break;
    }
    beginResetModel();
    m_header = result.header;
    m_entries = std::move(result.entries);
    m_modified = false;
    endResetModel();
    if (result.status == LogFile::ReadStatus::ShortData)
        return fail(tr("A beolvasás sikertelen!\n%1\nadat olvasási hiba.").arg(path));
    m_lastError.clear();
    return true;
}

bool LogModel::save(const QString& path, QWidget* parent)
{
    const QString title = tr("Esemény napló mentés");
    auto fail = [&](const QString& text) {
        m_lastError = text;
        if (parent)
            Prompts::warning(parent, title, text);
        return false;
    };
    if (path.isEmpty())
        return fail(tr("Nem sikerült elmenteni az esemény naplót\nNincs név megadva hozzá!"));
    SafeSave::Result result;
    QByteArray digest;
    {
        WaitCursor wait;
        saveWithBackup(absolutePath(path),
                       [&](QIODevice& device) {
                           DigestingDevice out(device);
                           const bool written = LogFile::write(out, m_header, m_entries);
                           digest = out.digest();
                           return written;
                       },
                       &result);
    }
    if (result.failure == SafeSave::Failure::Write)
        return fail(tr("A mentés sikertelen!\n%1\nadat írási hiba.").arg(path));
    if (!result.ok())
        return fail(tr("Nem sikerült elmenteni az esemény naplót\n%1").arg(result.errorString));
    if (parent)
        tellIfBackupNotKept(parent, absolutePath(path), result);
    m_modified = false;
    m_lastError.clear();
    emit saved(absolutePath(path), digest);
    return true;
}

bool LogModel::saveToDefault(QWidget* parent)
{
    if (!m_modified)
        return true;
    return save(LogFile::fileNameForDevice(m_header.deviceName), parent);
}
