#pragma once
// One event log: the records of one logger in file order, the logger's identity and the
// ring position where the next read-out starts. A five-column table (row number, marker,
// date and time, code, description) with the log file, the read-out from the logger and
// the naming of unnamed codes. File names of logs: see logrecords/logfile.h.
#include "logrecords/logentry.h"
#include "logrecords/logfile.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QFont>
#include <QString>
#include <QVector>

#include <functional>

class LogFindDlg;
class QWidget;
class UsbCom;
struct LogSearchCriteria;

class LogModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColumnRow, ColumnMarker, ColumnDateTime, ColumnCode, ColumnDescription, ColumnCount };
    // Beyond this many entries a read-out advises archiving.
    static constexpr int archiveAdviceRows = 102000;

    explicit LogModel(QObject* parent = nullptr);
    explicit LogModel(const QVector<LogEntry>& entries, QObject* parent = nullptr);
    ~LogModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // --- the log's fields ---
    bool isModified() const { return m_modified; }
    const QVector<LogEntry>& entries() const { return m_entries; }
    unsigned char deviceType() const { return m_header.deviceType; }
    int ringIndex() const { return m_header.ringIndex; }
    QString deviceName() const { return m_header.deviceName; }
    QDateTime initDate() const { return m_header.initDate; }
    QDateTime secondHeaderTime() const { return m_header.secondHeaderTime; }
    const LogFile::Header& header() const { return m_header; }

    // --- entries ---
    // The blank entry when the row does not exist.
    LogEntry entryAt(int row) const;
    // Missing row: time 1900-01-01 00:00, byte 0 of out 234, false.
    bool entryWithTime(int row, LogEntry& out, QDateTime& time) const;
    int kindAt(int row) const; // -1 for a missing row
    bool hasRegularEntry() const;
    // The last touch or logger event (byte 0 below 220) equals entry.
    bool lastRegularEquals(const LogEntry& entry) const;
    bool isLateEntry(int row) const;
    // Time since the previous touch (of the same code when sameCode), "[d nap ]H:mm:ss".
    QString elapsedText(int row, bool sameCode) const;
    // The same from the touch at row before; empty unless both are touches, before first.
    QString elapsedBetween(int before, int row) const;
    int nextExtraordinary(int row) const;
    int previousExtraordinary(int row) const;

    // Appends one record; a blank slot (byte 0 of 225 or more) is dropped.
    void appendDeviceEntry(const unsigned char* raw);
    void appendProgramEntry(const QDateTime& first, const QDateTime& second, unsigned char kind);
    // Appends the records in one insertion, dropping those of kind 225 or more.
    void appendEntries(const QVector<LogEntry>& records);
    // Removes every entry (one model reset); the identity stays. Modified when there were any.
    void clearEntries();

    // --- logger identity ---
    void setDeviceIdentity(UsbCom* device);
    bool isSameDevice(UsbCom* device) const;

    // --- file (relative paths lie in the working directory) ---
    // Messages go to a parent only when one is given; lastError() keeps the text either way.
    bool load(const QString& path, QWidget* parent);
    bool save(const QString& path, QWidget* parent);
    // Saves a modified log to fileNameForDevice(deviceName()); true when nothing to save.
    bool saveToDefault(QWidget* parent);
    QString lastError() const { return m_lastError; }

    // --- commands ---
    // Reads the logger's new records into the log and saves it. The device must be open with
    // its information read. True when the read-out ran to its end; on false (declined,
    // aborted, device error) the log is exactly as it was before. beforeSave, when given, runs
    // before the records join the log: it may load the log again as it is on disk meanwhile,
    // and returns false to drop the read-out (the logger keeps the records).
    bool readOut(UsbCom* device, const std::function<bool()>& beforeSave = {});
    // Walks the log and offers every touched code that has no name for naming.
    void nameUnnamedPoints();

    // --- search: the start row itself is never tested, and the search never wraps ---
    bool matches(int row, const LogFindDlg* dlg) const;
    int findFrom(int row, const LogFindDlg* dlg) const;
    bool matches(int row, const LogSearchCriteria& criteria) const;
    int findFrom(int row, const LogSearchCriteria& criteria) const;

    // --- archiving ---
    enum class ArchiveResult { Done, ArchiveNotWritten, LogNotSaved, BadBoundary };
    // The row that ends the read-out before the last count read-outs (the last row, a
    // read-out's own entry, not counted); 0 when there are fewer.
    int rowOfNthLastReadout(int count) const;
    // The first row of the trailing stretch dated on or after date, at most the last row.
    int rowOfDate(const QDate& date) const;
    // Writes the whole log to a new archive file of today, then keeps the rows from boundary
    // on (none when negative) behind one archiving entry and saves that to logPath (the
    // logger's default log when empty). Any failure leaves the log and its file unchanged
    // and no new archive behind; lastError() says which step failed.
    bool archive(int boundary, const QString& logPath = QString());
    ArchiveResult archiveTo(int boundary, const QString& logPath, QString* archivePath = nullptr);
    // "<device>_yyyy-MM-dd.ewa" in the archive directory, with "_2", "_3", ... before the
    // extension when that day's name is taken: never a name anything holds (also a link).
    QString archiveFilePath(const QDate& day) const;

    // The font a cell is drawn in: the options' font, bold italic for a late touch; made
    // again only when the options' font changes, not for every painted cell.
    const QFont& cellFont(bool late) const;

signals:
    // The log was written to its file at path; digest: of what was written (DigestingDevice).
    void saved(const QString& path, const QByteArray& digest);

private:
    friend class LogReadOut;

    // "<archive directory>/<device>_yyyy-MM-dd", the day's archive names without number and extension.
    QString archiveStem(const QDate& day) const;
    void appendOne(const LogEntry& entry);
    QVariant displayData(int row, int column) const;
    int previousTouch(int row) const;
    QString absolutePath(const QString& path) const;
    QVector<LogEntry> m_entries;
    LogFile::Header m_header;
    bool m_modified = false;
    QString m_lastError;
    mutable QString m_fontFace;
    mutable int m_fontSize = -1;
    mutable QFont m_font;
    mutable QFont m_lateFont;
};
