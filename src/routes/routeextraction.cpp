#include "routes/routeextraction.h"

#include "routes/routedefmodel.h"

#include "core/constants.h"
#include "core/prompts.h"
#include "logrecords/logentry.h"

#include <QCoreApplication>

namespace {

constexpr int maxElapsedMinutes = RouteTime::maxMinutes - 1;

QDateTime wallClock(const LogEntry& e)
{
    QDateTime t = e.dateTime();
    t.setTimeSpec(Qt::UTC);
    return t;
}

} // namespace

ExtractStatus extractRoutePoints(const QList<LogEntry>& entries, QList<RoutePoint>& points)
{
    points.clear();
    QDateTime first;
    int m = 0;
    for (const LogEntry& e : entries) {
        if (!e.isTouch())
            continue;
        if (!first.date().isValid() || !first.time().isValid()) {
            first = wallClock(e);
        } else {
            const qint64 d = first.secsTo(wallClock(e)) / 60;
            if (d > maxElapsedMinutes) {
                points.clear();
                return ExtractStatus::TooLong;
            }
            m = d > m ? int(d) : m + 1;
        }
        RoutePoint p;
        // Crowded touches at the very end can be pushed past 239:59: no such point is made.
        if (!p.set(e.codeBytes(), m)) {
            points.clear();
            return ExtractStatus::TooLong;
        }
        points.append(p);
    }
    return points.isEmpty() ? ExtractStatus::NoTouch : ExtractStatus::Ok;
}

bool extractRoutePlan(const QList<LogEntry>& entries, QList<RoutePoint>& points, QWidget* parent)
{
    const ExtractStatus status = extractRoutePoints(entries, points);
    if (status == ExtractStatus::Ok)
        return true;
    const QString title = QCoreApplication::translate("LogTableView", "Naplóból útvonal terv kiemelése");
    Prompts::warning(parent, title,
                     status == ExtractStatus::TooLong
                         ? QCoreApplication::translate("LogTableView", "A kijelölt időtartomány túl hosszú!")
                         : QCoreApplication::translate("LogTableView",
                                                       "A kijelölt tartományban nincsen ellenőrző pont bejegyzés!"));
    return false;
}

QString extractionPlanName(const QString& typed)
{
    const QString ext = QLatin1Char('.') + extRoutePlan;
    return typed.endsWith(ext, Qt::CaseInsensitive) ? typed : typed + ext;
}

int maxLeadMinutes(const QList<RoutePoint>& points)
{
    const int last = points.isEmpty() ? 0 : qMax(0, points.last().offset.toSeconds() / 60);
    return qMax(0, RouteTime::maxMinutes - last);
}

RouteHead extractedRouteHead(const ExtractedRoute& route)
{
    const int last = route.points.isEmpty() ? 0 : qMax(0, route.points.last().offset.toSeconds());
    return RouteHead(route.routeName, route.type, routeTimeFromSeconds(unsigned(last + route.minutes * 60)));
}

int addExtractedRoute(RouteDefModel& model, const ExtractedRoute& route, const AddLogFn& addLog,
                      const AddRouteFn& addRoute)
{
    if (!isValidRouteName(route.routeName) || route.minutes < 0 || route.minutes > maxLeadMinutes(route.points))
        return -1;
    for (const RoutePoint& p : route.points) {
        if (p.offset.isUnset())
            return -1; // moving it would silently do nothing
    }
    const QString logName = RouteDefModel::nameKey(route.logName);
    if (addLog)
        addLog(logName);
    else
        model.addLog(logName);
    RouteHead head = extractedRouteHead(route);
    int row = -1;
    // Every name of the series is tried at most once per route already in the plan.
    for (int attempt = 0; attempt <= model.routeCount() + 1; ++attempt) {
        row = addRoute ? addRoute(head) : model.addRoute(head);
        if (row >= 0)
            break;
        head.name = nextRouteName(head.name);
    }
    if (row < 0)
        return -1;
    const QModelIndex group = model.pointsGroupIndex(row);
    for (RoutePoint p : route.points) {
        p.offset.addMinutes(route.minutes);
        if (!model.addPoint(p, group, true))
            return -1;
    }
    return row;
}
