// Cost of a fulfilment evaluation against a bare walk over the same entries (decode the
// time and test it against the examined range, with the same stop after 600 older entries):
// the "big site" (30 year-long logs, 40 routes of every type) and two flexible-route cases
// built to make many rounds (proper rounds, and one point touched over and over).
// Prints the times, their ratio and the longest stretch between two progress polls.
#include "benchsupport.h"
#include "core/helpers.h"
#include "evaluation/evaluationengine.h"
#include "evaluation/plansnapshot.h"
#include "evaluation/reportbuilder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const QDate baseDay(2024, 7, 1);

class Logs : public EvaluationLogSource
{
public:
    bool load(int, const QString& name, QVector<LogEntry>& entries) override
    {
        entries = logs.value(name);
        return true;
    }
    QHash<QString, QVector<LogEntry>> logs;
};

// Lets events through every few milliseconds, as the progress dialog does, and records
// the longest time between two looks at the clock (every 32 polls, as the dialog does).
class Progress : public EvaluationProgress
{
public:
    Progress() { m_sincePoll.start(); m_sincePump.start(); }
    void setTexts(const QString&, const QString&, const QString&) override {}
    void setRange1(int) override {}
    void setValue1(int) override {}
    void setRange2(int) override {}
    void setValue2(int) override {}
    bool poll() override
    {
        if (++m_polls % 32 != 0)
            return false;
        longestGapNs = std::max(longestGapNs, m_sincePoll.nsecsElapsed());
        m_sincePoll.restart();
        if (m_sincePump.elapsed() >= 8) {
            QCoreApplication::processEvents();
            m_sincePump.restart();
        }
        return false;
    }
    qint64 longestGapNs = 0;

private:
    QElapsedTimer m_sincePoll;
    QElapsedTimer m_sincePump;
    int m_polls = 0;
};

PlanPoint pointOf(int route, int point, int offsetMinutes)
{
    PlanPoint p;
    const quint64 key = (quint64(route + 1) << 16) | quint64(point + 1);
    for (int i = 0; i < 6; ++i)
        p.code[i] = uchar(key >> (8 * (5 - i)));
    p.setOffsetSeconds(offsetMinutes * 60);
    return p;
}

PlanStart startOf(int t1, int t2, int count, int t3, int t4)
{
    PlanStart s;
    s.count = count;
    s.setSeconds(t1 * 60, t2 < 0 ? -1 : t2 * 60, t3 < 0 ? -1 : t3 * 60, t4 < 0 ? -1 : t4 * 60);
    return s;
}

LogEntry touchAt(qint64 minute, const PlanPoint& p)
{
    unsigned char raw[10];
    packDeviceTime(QDateTime(baseDay, QTime(0, 0), Qt::UTC).addSecs(minute * 60), raw);
    std::copy(p.code, p.code + 6, raw + 4);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

LogEntry eventAt(qint64 minute)
{
    unsigned char raw[10] = {219, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    packDeviceTime(QDateTime(baseDay, QTime(0, 0), Qt::UTC).addSecs(minute * 60), raw + 1);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

PlanSnapshot bigSite()
{
    PlanSnapshot plan;
    plan.tolerance = 10;
    for (int r = 0; r < 40; ++r) {
        PlanRoute route;
        route.name = QStringLiteral("R%1").arg(r);
        int points = 25;
        if (r < 20) {
            route.type = 0;
            for (int h = 0; h < 24; ++h)
                route.starts.append(startOf(h * 60, -1, 1, -1, -1));
        } else if (r < 30) {
            route.type = 1;
            for (int h = 0; h < 6; ++h)
                route.starts.append(startOf(h * 240, h * 240 + 60, 1, -1, -1));
        } else if (r < 35) {
            route.type = 3;
            points = 30;
            for (int h = 0; h < 3; ++h)
                route.starts.append(startOf(h * 480, h * 480 + 480, 8, -1, 90));
        } else {
            route.type = 4;
            points = 20;
            for (int d = 0; d < 2; ++d)
                route.starts.append(startOf(d * 1440, d * 1440 + 1439, 24, 1, 45));
        }
        for (int p = 0; p < points; ++p)
            route.points.append(pointOf(r, p, route.type == 0 || route.type == 1 ? p * 2 : 0));
        plan.routes.append(route);
    }
    for (int l = 0; l < 30; ++l)
        plan.logNames.append(QStringLiteral("L%1").arg(l));
    plan.buildIndex();
    return plan;
}

// One year of touches every 2 minutes around the evaluated day, ~1% device events.
Logs bigSiteLogs(const PlanSnapshot& plan)
{
    Logs logs;
    for (int l = 0; l < plan.logNames.size(); ++l) {
        const PlanRoute& route = plan.routes.at(l % plan.routes.size());
        QVector<LogEntry> entries;
        entries.reserve(265000);
        int n = 0;
        for (qint64 m = -182 * 1440; m < 183 * 1440; m += 2, ++n) {
            if (n % 100 == 99)
                entries.append(eventAt(m));
            else
                entries.append(touchAt(m, route.points.at(n % route.points.size())));
        }
        logs.logs.insert(plan.logNames.at(l), entries);
    }
    return logs;
}

PlanSnapshot flexibleSite(int loggers = 3)
{
    PlanSnapshot plan;
    plan.tolerance = 5;
    PlanRoute route;
    route.name = QStringLiteral("F");
    route.type = 4;
    route.starts.append(startOf(0, 14399, 24, 1, 45));
    for (int p = 0; p < 20; ++p)
        route.points.append(pointOf(0, p, 0));
    plan.routes.append(route);
    for (int l = 0; l < loggers; ++l)
        plan.logNames.append(QStringLiteral("F%1").arg(l));
    plan.buildIndex();
    return plan;
}

// Ten days of touches every 2 minutes from three loggers at the same minutes: all points
// in turn (proper rounds), or one point only (a new round at every touch).
Logs flexibleLogs(const PlanSnapshot& plan, bool onePoint)
{
    Logs logs;
    const PlanRoute& route = plan.routes.first();
    for (const QString& name : plan.logNames) {
        QVector<LogEntry> entries;
        int n = 0;
        for (qint64 m = 0; m < 10 * 1440; m += 2, ++n)
            entries.append(touchAt(m, route.points.at(onePoint ? 0 : n % route.points.size())));
        logs.logs.insert(name, entries);
    }
    return logs;
}

EvaluationRequest request(int mode)
{
    EvaluationRequest r;
    r.reportPath = QStringLiteral("/bench/plan_2024-07-01.ffr");
    r.base = QDateTime(baseDay, QTime(0, 0));
    r.mode = mode;
    r.century = 2000;
    return r;
}

// Decode and range test only, over the entries the evaluation walks.
qint64 bareWalk(const PlanSnapshot& plan, Logs& logs)
{
    ReportBuilder range(plan);
    range.init(QStringLiteral("x"), request(0).base, 0);
    const qint64 baseJd = baseDay.toJulianDay();
    qint64 inRange = 0;
    for (const QString& name : plan.logNames) {
        QVector<LogEntry> entries;
        logs.load(0, name, entries);
        int older = 0;
        for (int row = entries.size() - 1; row >= 0; --row) {
            qint64 s = 0;
            if (!EvaluationEngine::entrySeconds(entries.at(row).bytes(), 2000, baseJd, s))
                continue;
            if (s < range.rangeStart) {
                if (++older >= ReportBuilder::olderLimit)
                    break;
                continue;
            }
            older = 0;
            if (s <= range.rangeEnd)
                ++inRange;
        }
    }
    return inRange;
}

void compare(const char* title, const PlanSnapshot& plan, Logs& logs)
{
    qint64 touches = 0;
    const double bare = bestMs(3, [&] { touches = bareWalk(plan, logs); });
    EvaluationResult result;
    Progress progress;
    const double full = bestMs(3, [&] { result = EvaluationEngine::run(plan, request(2), logs, progress); });
    std::printf("%-34s entries in range %8lld  bare walk %9.1f ms  evaluation %9.1f ms  ratio %5.2f  rows %6d  "
                "longest poll gap %.2f ms\n",
                title, static_cast<long long>(touches), bare, full, full / bare, result.report.rows.size(),
                progress.longestGapNs / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // "flexible" runs the flexible-route cases only.
    if (app.arguments().value(1) != QLatin1String("flexible")) {
        const PlanSnapshot plan = bigSite();
        Logs logs = bigSiteLogs(plan);
        compare("big site (30 logs, 40 routes)", plan, logs);
    }
    {
        const PlanSnapshot plan = flexibleSite();
        Logs proper = flexibleLogs(plan, false);
        compare("flexible, proper rounds", plan, proper);
        Logs repeated = flexibleLogs(plan, true);
        compare("flexible, one point over and over", plan, repeated);
        // Twice the rounds: the cost should double, not grow fourfold.
        const PlanSnapshot wider = flexibleSite(6);
        Logs twice = flexibleLogs(wider, true);
        compare("  the same from six loggers", wider, twice);
    }
    return 0;
}
