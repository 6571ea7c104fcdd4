#include "evaluation/reportbuilder.h"

#include "core/helpers.h"

#include <QFileInfo>
#include <cstring>

ReportBuilder::ReportBuilder(const PlanSnapshot& plan) : m_plan(plan)
{
}

void ReportBuilder::packFromBase(qint64 seconds, unsigned char out[4]) const
{
    // Wall-clock arithmetic (no time zone, so no clock change) on whole days and seconds,
    // the same fields packDeviceTime takes from a date-time.
    qint64 days = seconds / 86400;
    qint64 second = seconds % 86400;
    if (second < 0) {
        second += 86400;
        --days;
    }
    // Civil date of a day count from 1970-01-01 (proleptic Gregorian).
    const qint64 z = m_baseDate.toJulianDay() - 2440588 + days + 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    const int day = int(doy - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    const qint64 year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    const int yy = int(((year % 100) + 100) % 100);
    const int units = int(second / 2);
    out[0] = uchar(yy * 2 + (month > 7 ? 1 : 0));
    out[1] = uchar(((month << 5) & 0xFF) | (day & 31));
    out[2] = uchar(units >> 8);
    out[3] = uchar(units & 0xFF);
}

void ReportBuilder::init(const QString& reportPath, const QDateTime& base, int mode)
{
    report = EvaluationReport();
    report.mode = mode;
    report.baseTime = base;
    m_baseDate = base.date();
    runOpened = false;
    olderCount = 0;
    rangeEnd = 0;
    // A moment later than any plan: 00:00 of the day 2000 years from today.
    rangeStart = (QDate::currentDate().addYears(2000).toJulianDay() - m_baseDate.toJulianDay()) * 86400;
    report.title = QFileInfo(reportPath).baseName().trimmed();
    report.logNames = m_plan.logNames;
    runs.clear();
    startCounts.clear();
    m_firstRecord.clear();
    for (int r = 0; r < m_plan.routes.size(); ++r) {
        const PlanRoute& route = m_plan.routes.at(r);
        report.routeNames.append(route.name);
        startCounts.append(route.starts.size());
        m_firstRecord.append(runs.size());
        for (int s = 0; s < route.starts.size(); ++s) {
            EvaluationTmp record;
            record.setup(0, r, s, m_plan);
            runs.append(record);
            if (route.points.isEmpty() || route.type < 0 || route.type > 4)
                continue;
            const int* t = route.starts.at(s).seconds;
            qint64 earliest = t[0];
            qint64 latest = t[1];
            if (route.type == 0) {
                earliest = qint64(t[0]) + route.points.first().offsetSeconds;
                latest = qint64(t[0]) + route.points.last().offsetSeconds;
            } else if (route.type == 1) {
                // A point's window reaches t2 + its offset.
                for (const PlanPoint& point : route.points)
                    latest = qMax(latest, qint64(t[1]) + point.offsetSeconds);
            } else if (route.type == 2) {
                latest = qint64(t[0]) + route.durationSeconds;
            }
            rangeStart = qMin(rangeStart, earliest);
            rangeEnd = qMax(rangeEnd, latest);
        }
    }
    // The tolerance of an imported plan is not range-checked: no overflow here.
    const qint64 margin = qint64(m_plan.tolerance) + 59;
    rangeMargin = int(qBound<qint64>(INT_MIN, margin, INT_MAX));
    rangeStart -= margin * 60;
    rangeEnd += margin * 60;
}

int ReportBuilder::checkEntryTime(const unsigned char raw[10], bool valid, qint64 seconds, int logIndex, int row)
{
    if (!valid)
        return Skip;
    bool stop = false;
    if (seconds < rangeStart) {
        ++olderCount;
        if (olderCount < olderLimit && row != 0)
            return Skip;
        stop = true;
    } else if (row == 0 && seconds > rangeEnd) {
        stop = true;
    }
    if (!stop) {
        olderCount = 0;
        if (seconds > rangeEnd)
            return Skip;
        if (raw[0] < 200)
            return Evaluate;
        addLogEventRow(logIndex, raw);
        return Skip;
    }
    if (!runOpened)
        addRow(logIndex, 0x80000020);
    return Stop;
}

int ReportBuilder::recordIndex(int route, int start) const
{
    if (route < 0 || start < 0)
        return -1;
    const int i = route < m_firstRecord.size() ? m_firstRecord.at(route) + start : 0;
    return i < runs.size() ? i : -1;
}

void ReportBuilder::openRoute(EvaluationWork& work, int logIndex, int point, int minute)
{
    if (work.routeIndex < 0 || work.startIndex < 0)
        return;
    runOpened = true;
    const int i = recordIndex(work.routeIndex, work.startIndex);
    if (i >= 0) {
        EvaluationTmp& stored = runs[i];
        if (work.tmp.routeType == 4 && stored.pointCount == work.tmp.pointCount) {
            // The run takes over the whole round table; flushWork always hands it back
            // (a flexible record always has visited points), so it is moved, not copied.
            work.tmp = std::move(stored);
        } else {
            work.tmp.mergeCounts(stored);
        }
    }
    if (work.tmp.routeType == 4 && work.tmp.pointCount > 0 && work.tmp.rounds)
        work.tmp.rounds->appendRound(logIndex, point, minute);
}

void ReportBuilder::flushWork(EvaluationWork& work)
{
    if (work.routeIndex < 0 || work.startIndex < 0 || work.tmp.visitedCount() < 1)
        return;
    const int i = recordIndex(work.routeIndex, work.startIndex);
    if (i < 0)
        return;
    EvaluationTmp& stored = runs[i];
    if (work.tmp.routeType == 4) {
        stored = std::move(work.tmp);
        work.tmp.clear();
        return;
    }
    const bool visitedBefore = stored.visitedCount() > 0;
    stored.keepBetter(work.tmp);
    if (visitedBefore)
        stored.multiCount += 1;
}

void ReportBuilder::addRow(int index, quint32 kind)
{
    EvaluationRow blank;
    blank.set(0, 0);
    append(blank);
    EvaluationRow row;
    row.set(index, kind);
    append(row);
}

void ReportBuilder::addRouteRow(int route, quint32 kind)
{
    EvaluationRow row;
    row.set(0, kind);
    row.setValue(kind, quint16(route));
    append(row);
}

void ReportBuilder::addLogEventRow(int logIndex, const unsigned char raw[10])
{
    EvaluationRow row;
    row.setLogEvent(logIndex, raw);
    append(row);
}

bool ReportBuilder::evaluateStart(int r, int s)
{
    const int i = recordIndex(r, s);
    if (i < 0 || !m_plan.validStart(r, s))
        return true;
    EvaluationTmp& record = runs[i];
    const PlanRoute& route = m_plan.routes.at(r);
    const PlanStart& start = route.starts.at(s);
    const int type = route.type;
    const int mode = report.mode;

    unsigned char scratch[14] = {};
    packFromBase(start.seconds[0], scratch);
    if (type == 1 || type == 3 || type == 4) {
        packFromBase(start.seconds[1], scratch + 10);
        scratch[9] = EvaluationRow::windowEndMark;
    }

    const quint32 w = record.summary(start.count, start.t3, start.t4, m_plan.tolerance);
    const bool faulty = (w & 0xefffffff) != 0x40000000;
    if (!faulty && mode == ReportReduced)
        return false;

    EvaluationRow row;
    if (w == EvaluationTmp::notExecuted) {
        row.setStartResult(record.logIndex, w, r, scratch);
        append(row);
        return true;
    }
    if (type == 4) {
        row.setStartResult(record.logIndex, (w & ~0x1100u) | 0x100, r, scratch);
        append(row);
        EvaluationRow logs;
        logs.setAffectedLogs(record);
        append(logs);
    } else {
        row.setStartResult(record.logIndex, w & ~0x1000u, r, scratch);
        append(row);
    }
    if (mode == ReportReduced)
        return faulty;
    if (mode == ReportDetailed && (w & 0x1000)) {
        EvaluationRow more;
        more.setStartResult(record.logIndex, 0x40001000, r, scratch);
        append(more);
    }
    if (w & 0x200) {
        EvaluationRow overlap;
        overlap.setStartResult(0, 0x40000200, r, scratch);
        append(overlap);
    }
    // The touches of a flexible route judged once for all its points.
    QVector<EvaluationTmp::RoundTouch> touches;
    if (type == 4 && mode == ReportDetailed)
        touches = record.roundTouches(start.t3, start.t4, m_plan.tolerance);
    for (int p = 0; p < record.pointCount && p < route.points.size(); ++p)
        pointRows(r, s, p, record, touches, scratch);
    return faulty;
}

void ReportBuilder::pointRows(int r, int st, int p, const EvaluationTmp& record,
                              const QVector<EvaluationTmp::RoundTouch>& touches, unsigned char scratch[14])
{
    const PlanRoute& route = m_plan.routes.at(r);
    const PlanStart& start = route.starts.at(st);
    const int type = route.type;
    const int mode = report.mode;
    const int log = record.logIndex;

    quint32 s = record.status.at(p);
    if (mode < ReportDetailed)
        s &= ~EvaluationTmp::overVisited;
    const int h = record.hitCount(p);
    // A missed point gets its one row at every depth; its word's fault bits are only
    // the marks that make it rank last, not faults to list one by one.
    const bool never = EvaluationTmp::isNeverVisited(s);
    if (never) {
        s = EvaluationTmp::neverVisited;
    } else {
        if (h > 0)
            s |= EvaluationTmp::notJudged;
        if ((s & 0xefcfffff) == 0x20000000 && (mode < ReportDetailed || !(s & EvaluationTmp::overVisited)))
            return;
    }
    std::memcpy(scratch + 4, route.points.at(p).code, 6);
    if (type == 1 || type == 3)
        s |= 0x900000;
    else if (type == 4)
        s |= 0x800000;
    else if (type == 2)
        s |= 0x100000;
    else if (type == 0)
        packFromBase(qint64(start.seconds[0]) + route.points.at(p).offsetSeconds, scratch);

    const auto add = [&](quint32 kind, const unsigned char* bytes) {
        EvaluationRow row;
        row.setPayload(log, kind, bytes);
        append(row);
    };
    if (mode == ReportNormal || never) {
        add(s | 0x20000000, scratch);
        return;
    }
    if (type == 4) {
        if (s & EvaluationTmp::notJudged) {
            add(0x21300000, scratch);
            return;
        }
        if (s & 0xffff)
            add(0x20300000 | (s & 0xffff), scratch);
        unsigned char at[14];
        std::memcpy(at, scratch, 14);
        if (s & 0x04000000) {
            for (const EvaluationTmp::RoundTouch& t : touches) {
                if (t.point == p && t.tooLong()) {
                    packFromBase(qint64(t.minute) * 60, at);
                    add(0x24200000, at);
                }
            }
        }
        if (s & EvaluationTmp::otherCode) {
            for (const EvaluationTmp::RoundTouch& t : touches) {
                if (t.point == p && t.tooShort()) {
                    packFromBase(qint64(t.minute) * 60, at);
                    add(0x28200000, at);
                }
            }
        }
        return;
    }
    if (s & EvaluationTmp::overVisited)
        add(0x30000000, scratch);
    if (s & EvaluationTmp::otherCode)
        add(0x28000000, scratch);
    if (s & 0x04000000)
        add(0x24000000 | (s & 0x3ff), scratch);
    if (s & EvaluationTmp::orderError)
        add(0x22000000, scratch);
    if (s & EvaluationTmp::visitMask)
        add(0x20000000 | (s & EvaluationTmp::visitMask), scratch);
    if (s & EvaluationTmp::notJudged) {
        unsigned char stretch[14];
        std::memcpy(stretch, scratch, 14);
        for (int j = 0; j < h; ++j) {
            packFromBase(qint64(record.hitValue(p, j, true)) * 60, stretch);
            packFromBase(qint64(record.hitValue(p, j, false)) * 60, stretch + 10);
            add(0x21c00000, stretch);
        }
    }
}
