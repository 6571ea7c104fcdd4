// The time-window checks that the fulfilment evaluation makes against a route plan.
#include "routes/routedefmodel.h"
#include "routes/routewindow.h"
#include "routes/tolerance.h"

namespace {

int minutesOf(const RouteTime& t)
{
    return RouteWindow::minutes(t.toSeconds());
}

} // namespace

quint32 RouteDefModel::checkWindow(int minute, int route, int point, int start, int actualStart) const
{
    const RouteHead head = routeHead(route);
    const RouteStart s = routeStart(route, start);
    return RouteWindow::word(head.type, minutesOf(s.t1), minutesOf(s.t2), minutesOf(routePoint(route, point).offset),
                             minutesOf(head.duration), Tolerance::allowed(tolerance()), actualStart, minute);
}

quint32 RouteDefModel::bestMatch(const unsigned char code[6], int minute, int& route, int& point, int& start) const
{
    const int routes = routeCount();
    if (routes < 1)
        return RouteWindow::noMatch;
    quint32 best = RouteWindow::noMatch;
    for (int r = 0; r < routes; ++r) {
        const int starts = startCount(r);
        for (int p = pointCount(r) - 1; p >= 0; --p) {
            const bool ownCode = routePoint(r, p).hasCode(code);
            for (int s = 0; s < starts; ++s) {
                quint32 w = checkWindow(minute, r, p, s, RouteWindow::startNotGiven);
                if (!ownCode)
                    w |= RouteWindow::otherCode;
                if ((w & 0xdfffffff) < (best & 0xdfffffff)) {
                    best = w;
                    route = r;
                    point = p;
                    start = s;
                }
            }
        }
    }
    if ((best & RouteWindow::outside) && (best & RouteWindow::otherCode))
        return RouteWindow::noMatch;
    return best;
}

quint32 RouteDefModel::checkNextPoint(const unsigned char code[6], int minute, int route, int& point, int start,
                                      int actualStart) const
{
    if (route < 0 || route >= routeCount())
        return RouteWindow::noMatch;
    const int points = pointCount(route);
    if (point < 0 || point >= points || start < 0 || start >= startCount(route))
        return RouteWindow::noMatch;
    const quint32 w = checkWindow(minute, route, point, start, actualStart);
    int found = -1;
    for (int p = points - 1; p >= 0 && found < 0; --p) {
        if (routePoint(route, p).hasCode(code))
            found = p;
    }
    const int type = routeHead(route).type;
    if (type >= 2 && type <= 4) {
        if (found < 0)
            return RouteWindow::noMatch;
        point = found;
        return w;
    }
    if (routePoint(route, point).hasCode(code))
        return w;
    if (found < 0)
        return w | RouteWindow::otherCode;
    // Judged by the window of the point whose code the touch carries (see PlanSnapshot).
    const bool later = point < found;
    point = found;
    const quint32 own = checkWindow(minute, route, found, start, actualStart);
    return later ? own | RouteWindow::skipped : own;
}

bool RouteDefModel::startCovers(int route, int start, int minute) const
{
    const RouteStart s = routeStart(route, start);
    return RouteWindow::startCovers(routeHead(route).type, minutesOf(s.t1), minutesOf(s.t2),
                                    Tolerance::allowed(tolerance()), minute);
}
