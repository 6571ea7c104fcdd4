#include "eventlog/logsearch.h"

#include "codenames/kodnev.h"
#include "eventlog/logfinddlg.h"
#include "eventlog/logkinds.h"
#include "eventlog/logmodel.h"

#include <cstring>

namespace {

constexpr qint64 secsPerDay = 86400;

// A stamp as wall-clock seconds: the same reading on the logger and in the dialog compare
// equal whatever the daylight-saving state, and dates before 1970 count like any other.
qint64 wallSeconds(const QDate& date, const QTime& time)
{
    return date.toJulianDay() * secsPerDay + QTime(0, 0).secsTo(time);
}

} // namespace

LogSearchCriteria LogSearchCriteria::fromDialog(const LogFindDlg& dlg)
{
    LogSearchCriteria c;
    c.byDate = dlg.DateFindingCheck->isChecked();
    c.withTime = dlg.TimeValidCheck->isChecked();
    c.exact = dlg.ExactMatchCheck->isChecked();
    c.reverse = dlg.ReverseCheck->isChecked();
    c.byEntry = dlg.EntryFindingCheck->isChecked();
    c.byCode = dlg.NormalRadio->isChecked();
    c.kindItem = dlg.SpecialCombo->currentIndex();
    c.date = dlg.dateEdit->date();
    c.time = dlg.timeEdit->time();
    c.setCode(dlg.PointEdit->text());
    return c;
}

void LogSearchCriteria::setCode(const QString& field)
{
    KodNev k;
    if (k.setCode(LogKinds::paddedCode(field)))
        std::memcpy(code, k.code, sizeof code);
}

bool LogModel::matches(int row, const LogFindDlg* dlg) const
{
    return dlg && matches(row, LogSearchCriteria::fromDialog(*dlg));
}

int LogModel::findFrom(int row, const LogFindDlg* dlg) const
{
    return dlg ? findFrom(row, LogSearchCriteria::fromDialog(*dlg)) : -1;
}

bool LogModel::matches(int row, const LogSearchCriteria& c) const
{
    if (row < 0 || row >= m_entries.size())
        return false;
    const LogEntry& e = m_entries.at(row);
    if (c.byDate) {
        // The stamp's own fields: a local-time reading would shift or lose a stamp in the
        // hour the clocks skip. An entry whose stamp is no real date matches no date.
        QDate date;
        QTime time;
        e.firstStamp(date, time);
        if (!date.isValid() || !time.isValid() || !c.date.isValid())
            return false;
        const QTime midnight(0, 0);
        const qint64 have = wallSeconds(date, c.withTime ? time : midnight);
        const qint64 want = wallSeconds(c.date, c.withTime ? c.time : midnight);
        const bool passes = c.exact ? have == want : (c.reverse ? have <= want : have >= want);
        if (!passes)
            return false;
    }
    if (!c.byEntry)
        return true;
    if (c.byCode)
        return e.isTouch() && std::memcmp(e.codeBytes(), c.code, sizeof c.code) == 0;
    const bool lateCounts = c.kindItem == LogKinds::Any || c.kindItem == LogKinds::LongGap;
    return LogKinds::searchMatches(c.kindItem, e.kind(), lateCounts && e.isTouch() && isLateEntry(row));
}

int LogModel::findFrom(int row, const LogSearchCriteria& c) const
{
    if (!c.byDate && c.byEntry && c.byCode) { // the common search for a checkpoint, without the general test
        auto isWanted = [&c](const LogEntry& e) {
            return e.isTouch() && std::memcmp(e.codeBytes(), c.code, sizeof c.code) == 0;
        };
        const LogEntry* entries = m_entries.constData();
        if (c.reverse) {
            for (int r = qMin(row, m_entries.size()) - 1; r >= 0; --r)
                if (isWanted(entries[r]))
                    return r;
            return -1;
        }
        for (int r = qMax(row + 1, 0); r < m_entries.size(); ++r)
            if (isWanted(entries[r]))
                return r;
        return -1;
    }
    if (c.reverse) {
        for (int r = qMin(row, m_entries.size()) - 1; r >= 0; --r)
            if (matches(r, c))
                return r;
        return -1;
    }
    for (int r = qMax(row + 1, 0); r < m_entries.size(); ++r)
        if (matches(r, c))
            return r;
    return -1;
}
