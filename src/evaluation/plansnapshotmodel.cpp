#include "evaluation/plansnapshot.h"

#include "routes/routedefmodel.h"
#include "routes/tolerance.h"

PlanSnapshot PlanSnapshot::fromModel(const RouteDefModel& model)
{
    PlanSnapshot plan;
    plan.tolerance = Tolerance::allowed(model.tolerance());
    for (int l = 0; l < model.logCount(); ++l)
        plan.logNames.append(model.logName(l));
    for (int r = 0; r < model.routeCount(); ++r) {
        const RouteHead head = model.routeHead(r);
        PlanRoute route;
        route.name = head.name;
        route.type = head.type;
        route.setDurationSeconds(head.duration.toSeconds());
        for (int s = 0; s < model.startCount(r); ++s) {
            const RouteStart start = model.routeStart(r, s);
            PlanStart copy;
            copy.count = start.count;
            copy.setSeconds(start.t1.toSeconds(), start.t2.toSeconds(), start.t3.toSeconds(), start.t4.toSeconds());
            route.starts.append(copy);
        }
        for (int p = 0; p < model.pointCount(r); ++p) {
            const RoutePoint point = model.routePoint(r, p);
            PlanPoint copy;
            copy.setOffsetSeconds(point.offset.toSeconds());
            point.codeBytes(copy.code);
            route.points.append(copy);
        }
        plan.routes.append(route);
    }
    plan.buildIndex();
    return plan;
}
