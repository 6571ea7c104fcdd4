#pragma once
// The route-extraction command from a log window's selection to a saved plan. The main
// window supplies how plan windows are found and made; everything else happens here.
#include <QList>
#include <QString>
#include <functional>

class LogEntry;
class QWidget;
class RouteDefView;

struct PlanWindowHost {
    // The open plan window of this absolute path, or null.
    std::function<RouteDefView*(const QString& absolutePath)> find;
    // A new plan window, added to the main window but not shown.
    std::function<RouteDefView*()> create;
};

// selection: the selected log entries in the selection's order; logFile: the log's path.
// True when the route was added and the plan saved.
bool runRouteExtraction(QWidget* parent, const QString& logFile, const QList<LogEntry>& selection,
                        const PlanWindowHost& host);
