#include "routes/extractioncommand.h"

#include "routes/extractroutedlg.h"
#include "routes/routedefview.h"

#include "core/settings.h"
#include "core/wyxapp.h"
#include "logrecords/logentry.h"

#include <QFileInfo>

bool runRouteExtraction(QWidget* parent, const QString& logFile, const QList<LogEntry>& selection,
                        const PlanWindowHost& host)
{
    QList<RoutePoint> points;
    if (!extractRoutePlan(selection, points, parent))
        return false;
    ExtractRouteDlg dlg(parent);
    dlg.setPoints(points);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    const ExtractedRoute route = dlg.request(QFileInfo(logFile).fileName());
    RouteDefView* view = host.find ? host.find(appSettings().workPath(route.planName)) : nullptr;
    if (!view) {
        view = host.create ? host.create() : nullptr;
        if (!view)
            return false;
        if (!view->openOrCreate(route.planName)) {
            // An existing plan that cannot be read is never replaced by the new route.
            view->setWindowModified(false);
            view->close();
            return false;
        }
        view->show();
        view->expandDefault();
    }
    return view->addExtractedRoute(route) && view->save();
}
