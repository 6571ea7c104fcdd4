#include "evaluation/evaluationengine.h"

#include "evaluation/plansnapshot.h"
#include "evaluation/reportbuilder.h"
#include "routes/routewindow.h"

#include <QCoreApplication>
#include <algorithm>

namespace EvaluationEngine {

namespace {

// Route types with a time window; a route of any other type records no touch.
bool isJudged(int type)
{
    return type >= 0 && type <= 4;
}

// The judgement of the touches of one log, newest first, against the plan and the run
// under way.
class LogWalk
{
public:
    LogWalk(const PlanSnapshot& plan, ReportBuilder& builder, EvaluationWork& work, int logIndex)
        : m_plan(plan), m_builder(builder), m_work(work), m_log(logIndex)
    {
    }

    void touch(const unsigned char raw[10], int minute);

    // The point row the previous touch was recorded at (the route's point count after
    // its first point: a new pass over the route may follow).
    int prev = 0x7fffffff;

private:
    int pointCountOf(int route) const
    {
        return route >= 0 && route < m_plan.routes.size() ? m_plan.routes.at(route).points.size() : 0;
    }
    int typeOf(int route) const
    {
        return route >= 0 && route < m_plan.routes.size() ? m_plan.routes.at(route).type : -1;
    }

    const PlanSnapshot& m_plan;
    ReportBuilder& m_builder;
    EvaluationWork& m_work;
    const int m_log;
};

void LogWalk::touch(const unsigned char raw[10], int minute)
{
    const quint64 code = PlanSnapshot::codeKey(raw + LogEntry::codeOffset);
    int cR = -1;
    int cP = -1;
    int cS = -1;
    int bR = -1;
    int bP = -1;
    int bS = -1;
    quint32 best = 0;
    bool bestKnown = false;
    if (m_work.expectedPoint(cR, cP, cS)) {
        prev = cP;
        if (cP == 0 && cR >= 0 && cR < m_plan.routes.size())
            prev = pointCountOf(cR);
        quint32 next = m_plan.checkNextPoint(code, minute, cR, cP, cS, m_work.startMinute);
        // The guard came back to a point the run already holds: a repeat visit, not a
        // point reached out of order.
        if (m_work.tmp.hasOwnTouch(cP))
            next &= ~RouteWindow::skipped;
        // A touch inside the expected window with the run's own code: no match over the
        // plan can rank before it (the code is in the run's route, so the best match has
        // the right code and a word of at least "inside"), so it is not looked up.
        if (next != RouteWindow::inside) {
            best = m_plan.bestMatch(code, minute, bR, bP, bS);
            bestKnown = true;
        }
        const bool elsewhere = cR != bR || cP != bP || cS != bS;
        if (!(bestKnown && best < next && elsewhere) && !(next & RouteWindow::otherCode)) {
            if (m_work.tmp.routeType != 4) {
                if (isJudged(m_work.tmp.routeType))
                    m_work.tmp.recordHit(cP, next, minute);
                return;
            }
            if (m_plan.startCovers(cR, cS, minute) && m_work.tmp.isDuplicateTouch(cP, minute))
                return;
        }
    }
    if (!bestKnown)
        best = m_plan.bestMatch(code, minute, bR, bP, bS);

    // A new run, or the touch belongs to the run's own start after all.
    const int type = typeOf(bR);
    if ((type == 4 || (best & RouteWindow::otherCode)) && !(type == 4 && best == RouteWindow::inside))
        return;
    if (!(bS == m_work.startIndex && bR == m_work.routeIndex && type != 4)) {
        m_builder.flushWork(m_work);
        m_work.setup(bR, bS, bP, m_plan, m_log, minute);
        m_builder.openRoute(m_work, m_log, bP, minute);
        prev = pointCountOf(bR);
    }
    switch (type) {
    case 0:
    case 1:
        // The log runs backwards, so every earlier touch should be of a lower point.
        m_work.tmp.recordHit(bP, bP > prev && !m_work.tmp.hasOwnTouch(bP) ? best | RouteWindow::skipped : best,
                             minute);
        break;
    case 2:
    case 3:
        m_work.tmp.recordHit(bP, best, minute);
        break;
    default:
        break; // type 4: the opening touch is in the new round; other types have no window
    }
    prev = bP == 0 ? pointCountOf(bR) : bP;
}

} // namespace

bool entrySeconds(const unsigned char raw[10], int century, qint64 baseDay, qint64& seconds)
{
    // The same fields as unpackDeviceTime, without building a QDateTime for every entry.
    const unsigned char* t = raw[0] < KindFirstEvent ? raw : raw + 1;
    const int base = (century / 100) * 100;
    const int yy = std::min(t[0] >> 1, 99);
    const int year = base + yy + (century - base > yy ? 100 : 0);
    const int month = std::clamp(((t[0] & 1) << 3) | (t[1] >> 5), 1, 12);
    const int day = std::max(t[1] & 31, 1);
    static const int monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > monthDays[month - 1] + (month == 2 && leap ? 1 : 0))
        return false;
    // Julian day number of a Gregorian date.
    const qint64 a = (14 - month) / 12;
    const qint64 y = year + 4800 - a;
    const qint64 m = month + 12 * a - 3;
    const qint64 jd = day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    const int units = std::min(t[2] * 256 + t[3], 43199);
    seconds = (jd - baseDay) * 86400 + units * 2;
    return true;
}

EvaluationResult run(const PlanSnapshot& plan, const EvaluationRequest& request, EvaluationLogSource& logs,
                     EvaluationProgress& progress)
{
    EvaluationResult result;
    ReportBuilder builder(plan);
    builder.init(request.reportPath, request.base, request.mode);
    const int logCount = plan.logNames.size();
    const int routeCount = plan.routes.size();
    const qint64 baseDay = request.base.date().toJulianDay();

    progress.setTexts(QCoreApplication::translate("EvaluationEngine", "Teljesítés kiértékelés"),
                      QCoreApplication::translate("EvaluationEngine", "naplók:"),
                      QCoreApplication::translate("EvaluationEngine", "bejegyzések:"));
    progress.setRange1(logCount);
    bool faulty = false;
    if (logCount < 1) {
        builder.addRow(0, 0x80000040);
        faulty = true;
    }
    if (routeCount < 1) {
        builder.addRow(0, 0x80000080);
        faulty = true;
    }

    EvaluationWork work;
    QVector<LogEntry> entries;
    for (int i = 0; i < logCount && !result.aborted; ++i) {
        progress.setValue1(i);
        entries.clear();
        if (!logs.load(i, plan.logNames.at(i), entries)) {
            // A plan whose log cannot be read was not shown to be fulfilled.
            progress.setValue2(0);
            builder.addRow(i, 0x80000010);
            faulty = true;
            continue;
        }
        builder.runOpened = false;
        builder.olderCount = 0;
        work.reset();
        const int n = entries.size();
        progress.setRange2(n);
        LogWalk walk(plan, builder, work, i);
        for (int row = n - 1, k = 1; row >= 0; --row, ++k) {
            progress.setValue2(k);
            const unsigned char* raw = entries.at(row).bytes();
            qint64 seconds = 0;
            const bool valid = entrySeconds(raw, request.century, baseDay, seconds);
            const int verdict = builder.checkEntryTime(raw, valid, seconds, i, row);
            if (verdict == ReportBuilder::Evaluate)
                walk.touch(raw, int(seconds / 60));
            if (progress.poll()) {
                result.aborted = true;
                break;
            }
            if (verdict == ReportBuilder::Stop)
                break;
        }
        builder.flushWork(work);
    }

    if (!result.aborted) {
        progress.setTexts(QCoreApplication::translate("EvaluationEngine", "Kiértékelés formázása"),
                          QCoreApplication::translate("EvaluationEngine", "útvonal:"),
                          QCoreApplication::translate("EvaluationEngine", "indulás:"));
        progress.setRange1(routeCount);
        for (int r = 0; r < routeCount && !result.aborted; ++r) {
            progress.setValue1(r);
            const PlanRoute& route = plan.routes.at(r);
            progress.setRange2(route.starts.size());
            if (route.starts.isEmpty()) {
                builder.addRouteRow(r, 0x40082000);
                faulty = true;
            }
            for (int s = 0; s < route.starts.size(); ++s) {
                progress.setValue2(s);
                if (builder.evaluateStart(r, s))
                    faulty = true;
                if (progress.poll()) {
                    result.aborted = true;
                    break;
                }
            }
            if (!result.aborted && route.points.isEmpty()) {
                builder.addRouteRow(r, 0x40084000);
                faulty = true;
            }
        }
    }
    if (!result.aborted && !faulty)
        builder.addRow(0, 0x80000000);
    result.report = builder.report;
    return result;
}

} // namespace EvaluationEngine
