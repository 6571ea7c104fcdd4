#pragma once
// Making a route from a stretch of patrol: the checkpoint touches selected in an event
// log become the points of a new route (offsets in whole minutes after the first touch,
// strictly increasing), which is added, with the log's name, to a route plan.
#include "routes/routevalues.h"

#include <QList>
#include <QString>
#include <functional>

class LogEntry;
class QWidget;
class RouteDefModel;

enum class ExtractStatus {
    Ok,
    NoTouch, // no checkpoint touch among the entries
    TooLong  // a touch more than 14398 minutes after the first, or no room left for an offset
};

// The touches of entries, in the order given, as route points; events are skipped. Times
// are compared as wall-clock values (no daylight-saving shift). Empty unless Ok.
ExtractStatus extractRoutePoints(const QList<LogEntry>& entries, QList<RoutePoint>& points);
// The same, telling the user why nothing came of it (parent receives the warning).
bool extractRoutePlan(const QList<LogEntry>& entries, QList<RoutePoint>& points, QWidget* parent);

// What the extraction dialog collected.
struct ExtractedRoute {
    QString planName;  // ends in ".erd"
    QString logName;   // bare file name of the event log
    QString routeName; // isValidRouteName
    int type = 0;
    int minutes = 0;   // from the start to the first checkpoint
    QList<RoutePoint> points;
};

// Appends ".erd" unless the name already ends so (in any case).
QString extractionPlanName(const QString& typed);
// The largest start-to-first-point minutes that keep every offset within 239:59.
int maxLeadMinutes(const QList<RoutePoint>& points);
// The new route's header: its duration runs to the last point, moved by the minutes.
RouteHead extractedRouteHead(const ExtractedRoute& route);

// Adds the log name and the route (numbered on while its name is taken) and then the
// points moved by the minutes. Returns the route's row; -1 when the request is unusable
// (nothing changed) or a point was refused (the points before it stay).
using AddLogFn = std::function<bool(const QString&)>;
using AddRouteFn = std::function<int(const RouteHead&)>;
int addExtractedRoute(RouteDefModel& model, const ExtractedRoute& route, const AddLogFn& addLog = AddLogFn(),
                      const AddRouteFn& addRoute = AddRouteFn());
