#include "evaluation/plansnapshot.h"

#include "routes/routewindow.h"

void PlanStart::setSeconds(int s1, int s2, int s3, int s4)
{
    seconds[0] = s1;
    seconds[1] = s2;
    seconds[2] = s3;
    seconds[3] = s4;
    t1 = RouteWindow::minutes(s1);
    t2 = RouteWindow::minutes(s2);
    t3 = RouteWindow::minutes(s3);
    t4 = RouteWindow::minutes(s4);
}

void PlanPoint::setOffsetSeconds(int s)
{
    offsetSeconds = s;
    offset = RouteWindow::minutes(s);
}

quint64 PlanPoint::key() const
{
    return PlanSnapshot::codeKey(code);
}

void PlanRoute::setDurationSeconds(int s)
{
    durationSeconds = s;
    duration = RouteWindow::minutes(s);
}

quint64 PlanSnapshot::codeKey(const unsigned char code[6])
{
    quint64 k = 0;
    for (int i = 0; i < 6; ++i)
        k = k << 8 | code[i];
    return k;
}

void PlanSnapshot::buildIndex()
{
    m_places.clear();
    for (int r = 0; r < routes.size(); ++r) {
        PlanRoute& route = routes[r];
        route.highestRow.clear();
        for (int p = route.points.size() - 1; p >= 0; --p) {
            const quint64 k = route.points.at(p).key();
            if (!route.highestRow.contains(k)) {
                route.highestRow.insert(k, p);
            }
            if (!route.starts.isEmpty())
                m_places[k].append(Place{r, p});
        }
    }
}

bool PlanSnapshot::validStart(int route, int start) const
{
    return route >= 0 && route < routes.size() && start >= 0 && start < routes.at(route).starts.size();
}

quint32 PlanSnapshot::checkWindow(int minute, int route, int point, int start, int actualStart) const
{
    const PlanRoute& r = routes.at(route);
    const PlanStart& s = r.starts.at(start);
    return RouteWindow::word(r.type, s.t1, s.t2, r.points.at(point).offset, r.duration, tolerance, actualStart,
                             minute);
}

quint32 PlanSnapshot::bestMatch(quint64 code, int minute, int& route, int& point, int& start) const
{
    const auto it = m_places.constFind(code);
    if (it == m_places.constEnd())
        return RouteWindow::noMatch;
    quint32 best = RouteWindow::noMatch;
    for (const Place& place : *it) {
        const int starts = routes.at(place.route).starts.size();
        for (int s = 0; s < starts; ++s) {
            const quint32 w = checkWindow(minute, place.route, place.point, s, RouteWindow::startNotGiven);
            if ((w & 0xdfffffff) < (best & 0xdfffffff)) {
                best = w;
                route = place.route;
                point = place.point;
                start = s;
            }
        }
    }
    return best;
}

quint32 PlanSnapshot::checkNextPoint(quint64 code, int minute, int route, int& point, int start,
                                     int actualStart) const
{
    if (route < 0 || route >= routes.size())
        return RouteWindow::noMatch;
    const PlanRoute& r = routes.at(route);
    if (point < 0 || point >= r.points.size() || start < 0 || start >= r.starts.size())
        return RouteWindow::noMatch;
    const quint32 w = checkWindow(minute, route, point, start, actualStart);
    const auto found = r.highestRow.constFind(code);
    if (r.type >= 2 && r.type <= 4) {
        if (found == r.highestRow.constEnd())
            return RouteWindow::noMatch;
        point = *found;
        return w;
    }
    if (r.points.at(point).key() == code)
        return w;
    if (found == r.highestRow.constEnd())
        return w | RouteWindow::otherCode;
    // The touch is recorded at the point whose code it carries, so it is judged by that
    // point's window: measured against the expected point's window, an on-time touch
    // after a missed point would count as late or early.
    const int p = *found;
    const bool later = point < p;
    point = p;
    const quint32 own = checkWindow(minute, route, p, start, actualStart);
    return later ? own | RouteWindow::skipped : own;
}

bool PlanSnapshot::startCovers(int route, int start, int minute) const
{
    if (!validStart(route, start))
        return false;
    const PlanRoute& r = routes.at(route);
    const PlanStart& s = r.starts.at(start);
    return RouteWindow::startCovers(r.type, s.t1, s.t2, tolerance, minute);
}
