#pragma once
// One read-out of a logger into an event log, with the read-out window as its progress
// display. The log changes only when the read-out completes: everything it gathers is
// appended in one go at the end, so a declined, failed or aborted read-out leaves the log
// (and its ring position) exactly as it was and the next read-out starts at the same place.
// Where another user changed the log's file meanwhile, the records go behind the log loaded
// again, and only while it still ends where the read-out began.
// The logger may be changed on the way (pulled at an error box, another plugged in before
// "Ismét"): every retry confirms who answers; another logger is checked from the start as
// itself before any page is taken, and refused once pages are.
#include "logrecords/logentry.h"

#include <QCoreApplication>
#include <QVector>

#include <functional>

class LogModel;
class ReadOutDlg;
class UsbCom;
enum UsbErrorCodes : unsigned;

class LogReadOut
{
    Q_DECLARE_TR_FUNCTIONS(LogReadOut)
public:
    // beforeSave: see LogModel::readOut.
    LogReadOut(LogModel& log, UsbCom& device, std::function<bool()> beforeSave = {});
    bool run();

private:
    bool prepare(ReadOutDlg& dlg, bool& wholeRing, bool& foreign);
    bool checkClock(ReadOutDlg& dlg);
    bool refuseBadRing();
    UsbErrorCodes confirmLogger(bool reopen);
    bool otherLogger() const;
    bool retried(UsbErrorCodes result, const std::function<UsbErrorCodes()>& operation);
    bool retried(const std::function<UsbErrorCodes()>& operation); // its first try included
    bool refuseChangedLogger(bool pagesTaken);
    bool readConfirmedWriteIndex(int& index, int known);
    bool confirmWriteIndex();
    bool continuityHolds(bool& failed);
    void markDataGap();
    bool takeSlots(ReadOutDlg& dlg, int start, int count, QVector<LogEntry>& ring);
    bool dropSlotsWrittenMeanwhile(int end, int count, QVector<LogEntry>& ring, int& dropped);
    // Done also where the save failed and said so; NotTold: saved, but the logger was not told.
    enum class Committed { Done, NotTold, Dropped };
    bool logStillFits();
    Committed commit(const QVector<LogEntry>& taken, int end, bool foreign);
    LogEntry programEntry(const QDateTime& first, const QDateTime& second, unsigned char kind) const;
    int ringSlots() const;

    LogModel& m_log;
    UsbCom& m_device;
    const QString m_file;     // the log's file, chosen by the name of the logger read
    const std::function<bool()> m_beforeSave;
    QVector<LogEntry> m_head; // program entries that go in front of the taken records
    struct Logger {
        QString name;
        QString serial;
        quint8 memoryCode = 0;
    };
    Logger m_logger;        // the logger the checks before the pages were made with
    bool m_changed = false; // another logger than that one answers
    bool m_advised = false; // the long log's archiving advice was given
    int m_end = 0;          // the write index confirmed before the pages
};
