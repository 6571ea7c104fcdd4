#pragma once
// One read-out of a logger into an event log, with the read-out window as its progress
// display. The log changes only when the read-out completes: everything it gathers is
// appended in one go at the end, so a declined, failed or aborted read-out leaves the log
// (and its ring position) exactly as it was and the next read-out starts at the same place.
#include "logrecords/logentry.h"

#include <QCoreApplication>
#include <QVector>

class LogModel;
class ReadOutDlg;
class UsbCom;

class LogReadOut
{
    Q_DECLARE_TR_FUNCTIONS(LogReadOut)
public:
    LogReadOut(LogModel& log, UsbCom& device);
    bool run();

private:
    bool checkClock(ReadOutDlg& dlg);
    bool refuseBadRing();
    bool readConfirmedWriteIndex(int& index, int known, bool pagesTaken);
    bool confirmWriteIndex(ReadOutDlg& dlg);
    bool continuityHolds(bool& failed);
    void markDataGap();
    bool takeSlots(ReadOutDlg& dlg, int start, int count, QVector<LogEntry>& ring);
    bool dropSlotsWrittenMeanwhile(int end, int count, QVector<LogEntry>& ring, int& dropped);
    bool commit(const QVector<LogEntry>& taken, int end, bool foreign);
    LogEntry programEntry(const QDateTime& first, const QDateTime& second, unsigned char kind) const;
    int ringSlots() const;

    LogModel& m_log;
    UsbCom& m_device;
    QVector<LogEntry> m_head; // program entries that go in front of the taken records
};
